// Runsavel's windows: the main window with its case table, and the three
// case windows of the rectangular channel-culvert, built on the
// channel-culvert case window.
#pragma once

#include "casewindow.h"
#include "channel.h"
#include "form.h"
#include "program.h"
#include "project.h"

#include <QPointer>

#include <string>

class QWidget;

namespace runsavel {

class Form1;
class ChannelCaseWindow;

// The program-wide values: the project option, the case chosen, and the
// project name of each case window, copied from Text1 by the open button.
struct Module1 {
  shell::ProjectValues project;  // ProjectState and CaseSelector; names are kept per case
  std::string ProjectName1, ProjectName2, ProjectName3;  // by case number

  std::string& CaseProjectName(int caseNumber);
};

class Program : public shell::ProgramBase {
 public:
  Module1 m;
  QPointer<Form1> form1;
  QPointer<ChannelCaseWindow> form6, form7, form8;  // cases 1, 2, 3
};

class Form1 : public shell::Form {
  Q_OBJECT
 public:
  explicit Form1(Program& program);

  void Text1_Change();  // does nothing: each case window takes its own copy
  void Option1_Click();
  void Option2_Click();
  void Check4_Click();
  void Check5_Click();
  void Check1_Click();
  void Command2_Click();  // take the project name and open the chosen case's window
  void Command1_Click();  // print the notes

 private:
  Program& p_;
};

// Form6 (case 1), Form7 (case 2) and Form8 (case 3).
class ChannelCaseWindow : public dorvesk::ChannelCulvertWindow {
  Q_OBJECT
 public:
  ChannelCaseWindow(Program& program, int caseNumber);

  void Command2_Click() override;

  int caseNumber() const { return case_; }

 private:
  int case_;
};

// The data file suffix of a case ("jh1.dat" .. "jh3.dat").
const char* CaseSuffix(int caseNumber);

// Create the program and its main window.
QWidget* CreateForm1();

}  // namespace runsavel
