// Ketrova's windows: the main window, the gravity-wall data and results
// windows, and the dimension-symbol drawing.
#pragma once

#include "form.h"
#include "gravitywall.h"
#include "program.h"
#include "project.h"

#include <QPointer>

#include <optional>
#include <string>

class QWidget;

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

// The gravity-wall data window.
class Form2 : public shell::Form {
  Q_OBJECT
 public:
  explicit Form2(Program& program);

  void Form_Load();
  void Command2_Click();  // compute, write the results, show them
  void Command3_Click();  // the dimension drawing
  void Command1_Click();  // print the data

 private:
  // After a computation that gave no results: an open results window shows
  // none either.
  void NoResults(const QString& why);
  // Blank the note of the last computation (its geometry warning) once the
  // data are edited; true where one was on show.
  bool ClearComputedNote();

  Program& p_;
  bool noteShown_ = false;  // the message line holds the last computation's warning
};

// The gravity-wall results window.
class Form3 : public shell::Form {
  Q_OBJECT
 public:
  explicit Form3(Program& program);

  void Form_Load();
  // Fill every box from the project's results file (a missing or short file
  // leaves the boxes blank and says so).
  void ShowResultsFile();
  // Blank every box and say why.
  void ShowNoResults(const QString& why);
  void Command1_Click();  // print the results
  void Command2_Click();  // back to the main window
  void Command3_Click();  // back to the data window
  void Command4_Click();  // end the program

 private:
  // The results on show were computed with the water-stop mode then in
  // force; once the mode changes they are cleared, so that no window shows
  // them beside the other mode.
  void WaterStopModeChanged();

  Program& p_;
  std::optional<float> resultsMode_;  // the mode of the results on show; none when blank
};

// The semi-gravity-wall data window.
class Form4 : public shell::Form {
  Q_OBJECT
 public:
  explicit Form4(Program& program);

  void Form_Load();
  void Command2_Click();  // compute, write the results, show them
  void Command3_Click();  // the dimension drawing
  void Command1_Click();  // print the data

 private:
  void NoResults(const QString& why);
  bool ClearComputedNote();

  Program& p_;
  bool noteShown_ = false;
};

// The semi-gravity-wall results window: base pressure, stability and the
// control sections.
class Form5 : public shell::Form {
  Q_OBJECT
 public:
  explicit Form5(Program& program);

  void Form_Load();
  void ShowResultsFile();
  void ShowNoResults(const QString& why);
  void Command1_Click();  // print the results
  void Command2_Click();  // back to the main window
  void Command3_Click();  // back to the data window
  void Command4_Click();  // end the program

 private:
  // The results on show were computed with the water-stop mode then in
  // force; once the mode changes they are cleared, so that no window shows
  // them beside the other mode.
  void WaterStopModeChanged();

  Program& p_;
  std::optional<float> resultsMode_;  // the mode of the results on show; none when blank
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
