// Ketrova's windows: the main window, the gravity-wall data and results
// windows, and the dimension-symbol drawing.
#pragma once

#include "datafile.h"
#include "form.h"
#include "gravitywall.h"
#include "program.h"
#include "project.h"

#include <QPointer>

#include <functional>
#include <initializer_list>
#include <optional>
#include <string>
#include <vector>

class QWidget;

namespace shell {
class FormBuilder;
struct BoxSpec;
}

namespace ketrova {

// The program-wide values of a run: the project and the water-stop choice
// (0 until one of the data windows' options is clicked; never saved).
struct Module1 : shell::ProjectValues {
  float WaterStopMode = 0.0f;
};

class Form1;
class Form2;
class Form3;
class Form4;
class Form5;
class Form6;
class Form7;

// The running program: its program-wide values and its windows.
class Program : public shell::ProgramBase {
 public:
  Module1 m;
  QPointer<Form1> form1;
  QPointer<Form2> form2;
  QPointer<Form3> form3;
  QPointer<Form4> form4;
  QPointer<Form5> form5;
  QPointer<Form6> form6;
  QPointer<Form7> form7;

  Form1* OpenForm1();
  Form2* OpenForm2();
  Form3* OpenForm3();
  Form4* OpenForm4();
  Form5* OpenForm5();
  Form6* OpenForm6();
  Form7* OpenForm7();
};

// The main window: program notes, project, the wall buttons.
class Form1 : public shell::Form {
  Q_OBJECT
 public:
  explicit Form1(Program& program);

  void Form_Load();
  void Text1_Change();
  void Option1_Click();
  void Option2_Click();
  void Command1_Click();  // gravity wall
  void Command2_Click();  // semi-gravity wall
  void Command3_Click();  // sluice wall
  void Command4_Click();  // print the notes

 private:
  Program& p_;
};

class WallResultsWindow;

// The texts of a window's boxes Text1, Text2, ... in order, from the fields
// of one of its files.
using BoxTexts = std::function<std::vector<std::string>(const std::vector<shell::Field>&)>;

// A BoxTexts from a file reader that gives a fixed array of texts.
template <auto Reader>
std::vector<std::string> TextsOf(const std::vector<shell::Field>& fields) {
  const auto texts = Reader(fields);
  return std::vector<std::string>(texts.begin(), texts.end());
}

// What a retaining-wall computation gives its data window: the data record
// (written first, whatever the outcome), and the outcome with its results
// record and warning.
struct WallComputation {
  std::vector<shell::Line> dataLines;
  bool ok = false;
  std::string message;  // why there are no results
  std::string warning;  // a note on the data that did compute
  std::vector<shell::Line> resultLines;
};

// The numbers read from a data window's boxes, in the order of the boxes,
// into the fields of its wall's inputs.
inline void AssignInOrder(const std::vector<float>& values, std::initializer_list<float*> fields) {
  std::size_t i = 0;
  for (float* field : fields) {
    if (i >= values.size()) break;
    *field = values[i++];
  }
}

// A retaining wall's computation on its typed data: the friction angle
// first, so that the whole data record is written at once, then the wall
// case and, where it gave results, their record.
template <class Inputs, class DataLines, class WallCase, class ResultsLines>
WallComputation ComputeWall(const Inputs& in, float waterStopMode, DataLines dataLines, WallCase wallCase,
                            ResultsLines resultsLines) {
  const FrictionAngle friction = EquivalentFrictionAngle(in.phi, in.C, in.gamma1, in.H);
  WallComputation c;
  c.dataLines = dataLines(in, friction);
  const auto r = wallCase(in, waterStopMode);
  c.ok = r.ok;
  c.message = r.message;
  c.warning = r.warning;
  if (r.ok) c.resultLines = resultsLines(r);
  return c;
}

// What both retaining-wall data windows share: the water-stop choice and the
// compute click (read the boxes, save the data, compute, write the results
// file, refill the results window).
class WallDataWindow : public shell::Form {
 public:
  void Command1_Click();  // print the data
  virtual void Command2_Click() = 0;  // compute, write the results, show them
  void Command3_Click();  // the dimension drawing

 protected:
  // `title` is the title bar's text (the gravity-wall window has none).
  WallDataWindow(Program& program, const QString& name, const QString& title);

  // The design-parameter table (rows of two boxes), then the water-stop hint
  // and its two options, bound to the program-wide choice.
  void ParametersAndWaterStop(shell::FormBuilder& b, const std::vector<shell::BoxSpec>& parameters);
  // The button row under the hints. The results window shows the last
  // computation of the project's file and keeps it; this window's own note
  // of that computation goes with an edit of `inputNames`.
  void DataButtons(shell::FormBuilder& b, const std::vector<QString>& inputNames);
  // The compute click on `inputNames`: `compute` makes the records of the
  // numbers read; the results go to `resultsSuffix` and into the window that
  // `openResults` brings up.
  void Compute(const std::vector<QString>& inputNames, const char* dataSuffix, const char* resultsSuffix,
               const std::function<WallComputation(const std::vector<float>&)>& compute);
  // The results window where it is loaded, and the call that brings it up.
  virtual WallResultsWindow* LoadedResults() const = 0;
  virtual WallResultsWindow* OpenResults() = 0;
  // Fill Text1, Text2, ... from the project's saved data file, where there
  // is one.
  void LoadSavedData(const char* dataSuffix, std::size_t dataFields, const BoxTexts& boxTexts);

  Program& p_;

 private:
  // After a computation that gave no results: an open results window shows
  // none either.
  void NoResults(const QString& why);
  // Blank the note of the last computation (its geometry warning) once the
  // data are edited; true where one was on show.
  bool ClearComputedNote();

  bool noteShown_ = false;  // the message line holds the last computation's warning
};

// What both retaining-wall results windows share: the results of the last
// computation of the project's file, the buttons under them.
class WallResultsWindow : public shell::Form {
 public:
  // Fill every box from the project's results file (a missing or short file
  // leaves the boxes blank and says so).
  void ShowResultsFile();
  // Blank every box and say why.
  void ShowNoResults(const QString& why);
  void Command1_Click();  // print the results
  void Command2_Click();  // back to the main window
  void Command4_Click();  // end the program

 protected:
  // `boxTexts` turns the results file's fields into the texts of Text1,
  // Text2, ... in order; there are `resultBoxes` of them.
  WallResultsWindow(Program& program, const QString& name, const char* resultsSuffix, std::size_t resultsFields,
                    int resultBoxes, BoxTexts boxTexts);
  // The base-pressure table: a row of nine boxes per earth-pressure formula,
  // from box Text1.
  void BasePressureTable(shell::FormBuilder& b, const QString& eccentricity, const QStringList& rows);
  // The sliding and overturning table, a row of eight boxes per formula from
  // box Text<firstBox>; dot1 and dot2 name the labels of the dots in the
  // moments' units.
  void StabilityTable(shell::FormBuilder& b, const QStringList& rows, int firstBox, const QString& dot1,
                      const QString& dot2);
  // The equivalent friction angle, box Text35, the symbol in `phiLabel`.
  void FrictionAngleRow(shell::FormBuilder& b, const QString& phiLabel);
  // The button row and the message line; Command3 goes back to the data
  // window through `command3`.
  void Buttons(shell::FormBuilder& b, std::function<void()> command3);

  Program& p_;

 private:
  // The results on show were computed with the water-stop mode then in
  // force; once the mode changes they are cleared, so that no window shows
  // them beside the other mode.
  void WaterStopModeChanged();
  std::vector<QString> ResultNames() const;

  const char* resultsSuffix_;
  std::size_t resultsFields_;
  int resultBoxes_;
  BoxTexts boxTexts_;
  std::optional<float> resultsMode_;  // the mode of the results on show; none when blank
};

// The gravity-wall data window.
class Form2 : public WallDataWindow {
  Q_OBJECT
 public:
  explicit Form2(Program& program);

  void Form_Load();
  void Command2_Click() override;  // compute, write the results, show them

 protected:
  WallResultsWindow* LoadedResults() const override;
  WallResultsWindow* OpenResults() override;
};

// The gravity-wall results window.
class Form3 : public WallResultsWindow {
  Q_OBJECT
 public:
  explicit Form3(Program& program);

  void Form_Load();
  void Command3_Click();  // back to the data window
};

// The semi-gravity-wall data window.
class Form4 : public WallDataWindow {
  Q_OBJECT
 public:
  explicit Form4(Program& program);

  void Form_Load();
  void Command2_Click() override;  // compute, write the results, show them

 protected:
  WallResultsWindow* LoadedResults() const override;
  WallResultsWindow* OpenResults() override;
};

// The semi-gravity-wall results window: base pressure, stability and the
// control sections.
class Form5 : public WallResultsWindow {
  Q_OBJECT
 public:
  explicit Form5(Program& program);

  void Form_Load();
  void Command3_Click();  // back to the data window
};

// The sluice-wall window: data, forces and steel, crack check.
class Form6 : public shell::Form {
  Q_OBJECT
 public:
  explicit Form6(Program& program);

  void Form_Load();
  void Command1_Click();  // forces and reinforcement
  void Command2_Click();  // crack check
  void Command3_Click();  // back to the main window
  void Command4_Click();  // end the program
  void Command5_Click();  // print the data and results

 private:
  // Blank the forces, steel and crack results (after an edit of the data),
  // or only the crack results (after an edit of the bars); true where any
  // were on show.
  bool ClearForces();
  bool ClearCrackCheck();
  // After an edit of a bar box: the crack results go, and the message says so.
  bool ClearCrackCheckForBars();

  Program& p_;
};

// The dimension-symbol drawing of both retaining-wall sections.
class Form7 : public shell::Form {
  Q_OBJECT
 public:
  explicit Form7(Program& program);

  void Form_Load();
  void Command1_Click();  // print the drawing

 private:
  Program& p_;
};

// Create the program and its main window.
QWidget* CreateForm1();

}  // namespace ketrova
