// Brasselt's windows: the main window, the rectangular and T/I flexural
// windows, and the two reference windows.
#pragma once

#include "checkwindows.h"
#include "flexure.h"
#include "form.h"
#include "formbuilder.h"
#include "memberstate.h"
#include "program.h"

#include <QLabel>
#include <QPointer>

#include <optional>
#include <vector>

class QGridLayout;
class QWidget;

namespace brasselt {

class Form1;
class FlexuralWindow;
class EccentricWindow;
class Form7;
class Form8;

// The running program: Module1 and the windows.
class Program : public shell::ProgramBase {
 public:
  MemberState m;
  QPointer<Form1> form1;
  QPointer<FlexuralWindow> form2, form4;
  QPointer<EccentricWindow> form3, form6;  // eccentric members
  QPointer<Form7> form7;
  QPointer<Form8> form8;

  Form7* OpenForm7();  // the environment classes (opened from the crack check)
  Form8* OpenForm8();  // the minimum cover table
  EccentricWindow* OpenForm3();  // rectangular eccentric members (kinds 2, 3)
  EccentricWindow* OpenForm6();  // T-section eccentric compression (kind 5)

  // The crack check and the shear design (checkwindows.h): their choice
  // families and the pending bent-up pass live for the whole run.
  CrackChoices crack;
  ShearChoices shear;
  BentUpCarry bentUp;
  QPointer<Form9> form9;
  QPointer<Form10> form10;
  QPointer<Form11> form11;
  Form9* OpenForm9();    // Command4 "抗裂及裂缝宽度验算" of every member window
  Form10* OpenForm10();  // from the crack check
  Form11* OpenForm11();  // from the shear design

  // The member that the last compute of a member window handed on: its kind
  // and flange layout, the boxes it read and the member values it left. The
  // crack check and the shear design remember it with their results.
  std::vector<float> handedMember;
  // A member window has read its boxes and handed its member values on:
  // results of the crack check or the shear design computed for another
  // member are cleared.
  void MemberComputed(const std::vector<float>& boxes);
};


class Form1 : public shell::Form {
  Q_OBJECT
 public:
  explicit Form1(Program& program);

  void Form_Load();
  void Text1_Change();
  void Option1_Click();
  void Option2_Click();
  void MemberKindBox_Click(int box);  // Check1_Click .. Check7_Click
  void Command2_Click();              // open the window of the member kind
  void Command1_Click();              // print the notes

  Program& program() { return p_; }

 private:
  Program& p_;
  bool nameTyped_ = false;  // Text1 changed at least once
};

// Form2 (rectangular section, "xgj.dat") and Form4 (T and I sections,
// "xg.dat"): one layout of boxes, materials, hints, results and verdict.
class FlexuralWindow : public shell::Form {
  Q_OBJECT
 public:
  FlexuralWindow(Program& program, bool tSection);

  void Form_Load();
  void Command1_Click();  // compute
  void Command3_Click();  // print the record
  void Command2_Click();  // end the program
  void Command6_Click();  // the minimum cover table
  void Command4_Click();  // the crack check

  bool tSection() const { return tSection_; }
  // The boxes of the record, in field order.
  const std::vector<QString>& InputNames() const;
  static const std::vector<QString>& ResultNames(bool tSection);

  // Blank the results, the verdict lines and the ratio caption; true where
  // any of them was on show.
  bool ClearResults();
  // The program-wide choices this window shows, as its results use them.
  std::vector<float> ChoicesInForce() const;

 private:
  void ClearVerdict();
  void ShowOutcome(const FlexuralResult& r);
  std::string ProjectName() const;

  Program& p_;
  bool tSection_;
  ChoiceWatch choices_;
};

class Form7 : public shell::Form {
  Q_OBJECT
 public:
  Form7();
  void Form_Load();
};

class Form8 : public shell::Form {
  Q_OBJECT
 public:
  Form8();
  void Form_Load();
};

// A label that sets its text in fixed columns, as padded reference tables
// intend: every character takes one column, a character wider than a
// column (a Chinese character) two, whatever the font's own advances.
class ColumnLabel : public QLabel {
  Q_OBJECT
 public:
  explicit ColumnLabel(QWidget* parent);
  double ColumnWidth() const;        // pixels of one column
  double ColumnX(int column) const;  // left edge of a column in the label
  int Columns(QChar c) const;        // 1, or 2 for a wide character
  QSize sizeHint() const override;
  QSize minimumSizeHint() const override;

 protected:
  void paintEvent(QPaintEvent* event) override;
};

// The monospaced font of the cover table, in which a Chinese character
// takes two columns.
QFont CoverTableFont();

// One row of a member window's results table: heading words, the symbol
// made of runs (a run named "s" is a subscript, other named runs are filled
// at load), the unit and the box.
struct ResultRow {
  QString box;
  std::vector<shell::Run> heading;
  std::vector<shell::Run> symbol;
  QString unit;
};

// The results table of a member window in two groups side by side, each
// `groupColumns` grid columns wide; the boxes are read-only.
QGridLayout* ResultGrid(QWidget* form, const std::vector<ResultRow>& rows, int groupColumns);

// Create the program and its main window.
QWidget* CreateForm1();

}  // namespace brasselt
