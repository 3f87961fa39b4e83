// Pillamor's windows: the main window and the three case windows.
#pragma once

#include "form.h"
#include "pipe.h"
#include "program.h"

#include <QPointer>

class QWidget;

namespace pillamor {

class Form1;
class PipeCaseWindow;

// The running program: its program-wide values and its windows.
class Program : public shell::ProgramBase {
 public:
  Module1 m;
  QPointer<Form1> form1;
  QPointer<PipeCaseWindow> form2, form3, form4;
};

class Form1 : public shell::Form {
  Q_OBJECT
 public:
  explicit Form1(Program& program);

  void Text1_Change();
  void Option1_Click();
  void Option2_Click();
  void Check4_Click();
  void Check5_Click();
  void Check7_Click();
  void Command2_Click();  // open the window of the chosen case
  void Command1_Click();  // print the notes

 private:
  Program& p_;
};

// Form2 (case 1), Form3 (case 2) and Form4 (case 3): one layout, three cases.
class PipeCaseWindow : public shell::Form {
  Q_OBJECT
 public:
  PipeCaseWindow(Program& program, int caseNumber);

  void Form_Load();
  void Command2_Click();  // compute
  void Command1_Click();  // print the record
  void Command3_Click();  // end the program

  int caseNumber() const { return case_; }

 private:
  // The box that holds Z as text (0 in case 1).
  int TextBoxIndex() const;

  Program& p_;
  int case_;
  // The outlet condition that the results on show were computed with; 0
  // while the result boxes hold none.
  float resultsOutlet_ = 0.0f;
};

// Create the program and its main window.
QWidget* CreateForm1();

}  // namespace pillamor
