// Start-up of a calculator: the application object, the suite's fonts, Form1.
#pragma once

#include <QApplication>

#include <functional>

class QWidget;

namespace shell {

// Fonts in which the Chinese of every window renders.
void InitSuiteApplication(QApplication& app);

// The whole of a program's main(): create the application, show the window
// that `createForm1` makes, and run until the program ends.
int RunProgram(int argc, char** argv, const std::function<QWidget*()>& createForm1);

}  // namespace shell
