// Mirkelt's windows: the main window with the basin kinds, and the one
// calculation window of the stilling basin.
#pragma once

#include "basin.h"
#include "form.h"
#include "program.h"

#include <QPointer>

class QWidget;

namespace mirkelt {

class Form1;
class Form4;

// The running program: its program-wide values and its windows.
class Program : public shell::ProgramBase {
 public:
  Module1 m;
  QPointer<Form1> form1;
  QPointer<Form4> form4;
};

class Form1 : public shell::Form {
  Q_OBJECT
 public:
  explicit Form1(Program& program);

  void Form_Load();
  void Check1_Click();  // BasinType := DeepenedBasin
  void Check2_Click();  // BasinType := SillBasin
  void Check3_Click();  // BasinType := CombinedBasin
  void Text1_Change();
  void Option1_Click();
  void Option2_Click();
  void Command2_Click();  // open the stilling-basin window
  void Command1_Click();  // print the notes

 private:
  Program& p_;
};

// The stilling basin (StillingBasinCase), for the BasinType in force.
class Form4 : public shell::Form {
  Q_OBJECT
 public:
  explicit Form4(Program& program);

  void Form_Load();
  void Command2_Click();  // compute
  void Command1_Click();  // print the record
  void Command3_Click();  // end the program

 private:
  void ClearHint();

  Program& p_;
  // The BasinType the results on show were computed with; 0 while none are
  // on show.
  float resultsKind_ = 0.0f;
};

// Create the program and its main window.
QWidget* CreateForm1();

}  // namespace mirkelt
