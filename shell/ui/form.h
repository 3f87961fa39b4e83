// The base of every window of the suite: named controls, the message line,
// reading boxes as numbers, saving and loading the project data file,
// showing results and printing.
#pragma once

#include "datafile.h"
#include "project.h"

#include <QLabel>
#include <QLineEdit>
#include <QMap>
#include <QWidget>

#include <functional>
#include <initializer_list>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace shell {

class Form : public QWidget {
  Q_OBJECT

 public:
  // A top-level window named `name` with `title` in its title bar; closing it
  // unloads it (its boxes are discarded).
  Form(const QString& name, const QString& title);

  // Controls by name; nullptr where the window has none of that name.
  template <class T = QWidget>
  T* Control(const QString& name) const {
    return findChild<T*>(name);
  }
  QLineEdit* Box(const QString& name) const { return Control<QLineEdit>(name); }
  QLabel* Lbl(const QString& name) const { return Control<QLabel>(name); }

  // The message line (objectName "Message").
  void SetMessage(const QString& text);
  void AddMessage(const QString& text);  // a further sentence after what stands
  void ClearMessage();
  QString MessageText() const;

  // How messages name a box (its heading words and symbol). Set by the window
  // builder for every box it makes.
  void SetBoxHeading(const QString& box, const QString& heading);
  QString BoxHeading(const QString& box) const;
  // Decimals shown in a result box (3 unless the builder was told otherwise).
  void SetBoxDigits(const QString& box, int digits);

  // The numbers of `boxes`, in order. At the first box that is not a number
  // the message names it by its heading, `clearOnFail` are blanked and the
  // result is nullopt: nothing is to be saved or computed.
  std::optional<std::vector<float>> ReadNumbers(const std::vector<QString>& boxes,
                                                const std::vector<QString>& clearOnFail);

  // Put each value, rounded to its box's decimals, into its box. Where any
  // value is not finite, all of them are blanked, the message says `what`
  // could not be computed, and the result is false.
  bool ShowResults(const std::vector<std::pair<QString, double>>& results,
                   const QString& what = QString());
  // Blank the boxes; true where any of them held more than blanks.
  bool ClearBoxes(const std::vector<QString>& boxes);

  // Results on show belong to the inputs they were computed from: once the
  // user edits one of `inputBoxes`, `clearResults` blanks all the window's
  // results (result boxes, result and verdict labels, hints of the last
  // computation) and returns whether anything was on show; where it was, the
  // message line says that the data were changed and must be computed again
  // (DataChangedMessage()), so that neither the screen nor the printed record
  // shows results beside inputs they were not computed from. Only the user's
  // typing or pasting counts (QLineEdit::textEdited): a load, FillBoxes or a
  // handler's setText clears nothing. A window adopts it in one line in its
  // constructor, after its boxes are made:
  //   ClearResultsOnEdit(InputNames, [this] { return ClearBoxes(ResultNames); });
  // (a window with more to clear, or its own note of what the results on
  // show were computed with, does that in its function too).
  void ClearResultsOnEdit(const std::vector<QString>& inputBoxes, std::function<bool()> clearResults);
  static QString DataChangedMessage();

  // The project data file's name; where the project name cannot be used the
  // message says so, followed by `consequence` (what was therefore not done),
  // and the result is nullopt.
  std::optional<std::string> DataFileName(const std::string& projectName, const char* suffix,
                                          const QString& consequence = QString());

  // Write the record, replacing the file atomically. On failure the old file
  // stays, the message says so, and the result is false.
  bool SaveInputs(const std::string& projectName, const char* suffix, const std::vector<Line>& lines);

  // Unless the project is new, read at least `minimumFields` fields of the
  // data file. Where it is missing or short the message says which file, and
  // the result is nullopt (the caller leaves its boxes as they are).
  std::optional<std::vector<Field>> LoadSavedInputs(const ProjectValues& project,
                                                    const std::string& projectName,
                                                    const char* suffix,
                                                    std::size_t minimumFields);

  // Put fields[i] into boxes[i] as box text.
  void FillBoxes(const std::vector<QString>& boxes, const std::vector<Field>& fields,
                 std::size_t firstField = 0);

  // Set the captions of the symbol labels that the design leaves blank.
  void SymbolCaptionFill(std::initializer_list<std::pair<const char*, const char*>> captions);

  // Print this window's image (to PDF in the current folder where the
  // machine has no printer); the message says where it went.
  void PrintThisWindow(const std::string& projectName);

 private:
  QMap<QString, QString> headings_;
  QMap<QString, int> digits_;
};

// A text field of a data file holding `text` (boxes that a window keeps as
// text), and a number field.
inline Field TextField(const QString& text) { return Field::Str(text.toStdString()); }
inline Field NumberField(float v) { return Field::Num(v); }

}  // namespace shell
