// Dorvesk's windows: the main window with its case table, and the four case
// windows of the circular channel-culvert.
#pragma once

#include "casewindow.h"
#include "circular.h"
#include "form.h"
#include "program.h"
#include "project.h"

#include <QPointer>

#include <string>

class QWidget;

namespace dorvesk {

class Form1;
class CircularCaseWindow;

// The program-wide values: the project option, the case chosen, and the
// project name of each case window, copied from Text1 by the open button.
struct Module1 {
  shell::ProjectValues project;  // ProjectState and CaseSelector; names are kept per case
  std::string ProjectName1, ProjectName2, ProjectName3, ProjectName4;  // by case number

  std::string& CaseProjectName(int caseNumber);
};

class Program : public shell::ProgramBase {
 public:
  Module1 m;
  QPointer<Form1> form1;
  QPointer<CircularCaseWindow> form6, form7, form8, form2;  // cases 1, 2, 3, 4
};

class Form1 : public shell::Form {
  Q_OBJECT
 public:
  explicit Form1(Program& program);

  void Option1_Click();
  void Option2_Click();
  void Check4_Click();
  void Check5_Click();
  void Check7_Click();
  void Check1_Click();
  void Command2_Click();  // take the project name and open the chosen case's window
  void Command1_Click();  // print the notes

 private:
  Program& p_;
};

// Form6 (case 1), Form7 (case 2), Form8 (case 3) and Form2 (case 4).
class CircularCaseWindow : public ChannelCulvertWindow {
  Q_OBJECT
 public:
  CircularCaseWindow(Program& program, int caseNumber);

  void Command2_Click() override;

  int caseNumber() const { return case_; }

 private:
  int case_;
};

// The data file suffix of a case ("yh1.dat" .. "yh4.dat").
const char* CaseSuffix(int caseNumber);

// Create the program and its main window.
QWidget* CreateForm1();

}  // namespace dorvesk
