// Tessarin's windows: the main window with the program notes, and the one
// calculation window Form2 with its relation tables, hydrograph and results,
// all held in control arrays ("Text5(3)").
#pragma once

#include "form.h"
#include "program.h"
#include "routing.h"

#include <QLabel>
#include <QPointer>
#include <QStringList>
#include <QString>

#include <vector>

class QWidget;

namespace tessarin {

class Form1;
class Form2;

// The running program: its program-wide values and its windows.
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
  void Command1_Click();  // open Form2
  void Command2_Click();  // print the notes

 private:
  Program& p_;
};

class Form2 : public shell::Form {
  Q_OBJECT
 public:
  explicit Form2(Program& program);

  void Form_Load();
  void Command1_Click();  // FloodRoutingCase
  void Command2_Click();  // print the record
  void Command3_Click();  // end the program

 private:
  void ShowResultHeadings();
  Program& p_;
};

// A label whose caption is padded with runs of blanks to break its lines in
// a label of fixed width: each run of five or more blanks ends a line, so
// the lines break where the padding intends whatever the font. The caption
// (text()) stays exactly as written.
class PaddedLabel : public QLabel {
  Q_OBJECT
 public:
  explicit PaddedLabel(QWidget* parent);
  QStringList Lines() const;
  QSize sizeHint() const override;
  QSize minimumSizeHint() const override;

 protected:
  void paintEvent(QPaintEvent* event) override;
};

// The name of element k of a control array ("Text5(3)").
QString Element(const char* box, int k);

// The input boxes of Form2: the counts Text7, Text8, the period length
// Text10, every row of both relation tables Text1(k) .. Text4(k), and the
// hydrograph Text5(0) .. Text5(24).
std::vector<QString> InputBoxNames();

// The result boxes of Form2: Text11(i), Text9(i), Text6(i), i = 1 to 24.
std::vector<QString> ResultBoxNames();

// Create the program and its main window.
QWidget* CreateForm1();

}  // namespace tessarin
