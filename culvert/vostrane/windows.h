// Vostrane's windows: the main window with the program notes and the one
// calculation window of the stage-discharge relation.
#pragma once

#include "form.h"
#include "program.h"
#include "project.h"
#include "stagedischarge.h"

#include <QPointer>

class QWidget;

namespace vostrane {

class Form1;
class Form2;

// The program-wide values: the project name (following Text1) and state.
struct Module1 : shell::ProjectValues {};

class Program : public shell::ProgramBase {
 public:
  Module1 m;
  QPointer<Form1> form1;
  QPointer<Form2> form2;
};

class Form1 : public shell::Form {
  Q_OBJECT
 public:
  explicit Form1(Program& program);

  void Form_Load();
  void Text1_Change();
  void Option1_Click();
  void Option2_Click();
  void Command1_Click();  // open the calculation window
  void Command2_Click();  // print the notes

 private:
  Program& p_;
};

// The stage-discharge window: the culvert section, up to ten rows of
// discharge and outlet depth, and the inlet depth of each row.
class Form2 : public shell::Form {
  Q_OBJECT
 public:
  explicit Form2(Program& program);

  void Form_Load();
  void Command1_Click();  // StageDischargeCase
  void Command2_Click();  // print the record
  void Command3_Click();  // end the program

 private:
  Program& p_;
};

// The control name of element `index` (0 to 9) of a box array: "Text9(0)".
QString ArrayBox(const char* array, int index);

// Create the program and its main window (its load handler has run).
QWidget* CreateForm1();

}  // namespace vostrane
