// Quimbrel's windows: the main window, which chooses the flow regime from
// three depths, and the free-surface, pressure and semi-pressure windows.
#pragma once

#include "cases.h"
#include "form.h"
#include "program.h"
#include "project.h"

#include <QPointer>

#include <string>

class QWidget;

namespace quimbrel {

class Form1;
class Form2;
class Form3;
class Form4;

// The program-wide values: the project option, the three depths that the
// main window stores and every case window's compute overwrites, and the
// project name of each case window, copied from Text1 when it is opened.
struct Module1 {
  shell::ProjectValues project;  // ProjectState only; the name is kept per window
  float H = 0.0f, h = 0.0f, D = 0.0f;
  std::string ProjectName2, ProjectName3, ProjectName4;
};

class Program : public shell::ProgramBase {
 public:
  Module1 m;
  QPointer<Form1> form1;
  QPointer<Form2> form2;
  QPointer<Form3> form3;
  QPointer<Form4> form4;
};

class Form1 : public shell::Form {
  Q_OBJECT
 public:
  explicit Form1(Program& program);

  void Form_Load();
  void Text1_Change();    // does nothing: each case window takes its own copy
  void Option1_Click();
  void Option2_Click();
  void Command2_Click();  // FlowRegimeSelection: open the window of the regime
  void Command1_Click();  // print the notes

 private:
  Program& p_;
};

// Free-surface flow.
class Form2 : public shell::Form {
  Q_OBJECT
 public:
  explicit Form2(Program& program);

  void Form_Load();
  void Command2_Click();  // FreeSurfaceFlowCase
  void Command1_Click();
  void Command3_Click();

 private:
  // Blank the results, the culvert kind, the depth captions and the note;
  // true where any of them was on show.
  bool ClearResults();
  Program& p_;
};

// Pressure flow, free or submerged outlet.
class Form3 : public shell::Form {
  Q_OBJECT
 public:
  explicit Form3(Program& program);

  void Form_Load();
  void Command2_Click();  // PressureFlowCase
  void Command1_Click();
  void Command3_Click();

 private:
  Program& p_;
};

// Semi-pressure flow.
class Form4 : public shell::Form {
  Q_OBJECT
 public:
  explicit Form4(Program& program);

  void Form_Load();
  void Command2_Click();  // SemiPressureFlowCase
  void Command1_Click();
  void Command3_Click();

 private:
  Program& p_;
};

// Create the program and its main window (its load handler has run).
QWidget* CreateForm1();

}  // namespace quimbrel
