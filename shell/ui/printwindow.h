// Printing a window's image as shown.
#pragma once

#include <QString>

#include <string>

class QWidget;

namespace shell {

struct PrintOutcome {
  bool ok = false;
  QString pdfFile;  // where the page went when the machine has no printer
  QString message;  // what the message line says
};

// Print the window's image on the default printer, without a dialog, scaled
// to fit the page. Where the machine has no printer the page is written as a
// PDF file in the current folder, named after the project and the window
// ("<project>-Form2.pdf", or "Form2.pdf" for an unnamed project).
PrintOutcome PrintWindow(QWidget* window, const std::string& projectName);

// The PDF file name used when there is no printer.
QString PrintFileName(const QWidget* window, const std::string& projectName);

}  // namespace shell
