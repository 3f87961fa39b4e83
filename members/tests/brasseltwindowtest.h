// The fixture of Brasselt's window tests: the program's main window in a
// scratch folder of its own (testsupport::WindowTest), and the steps an
// engineer takes in it.
#pragma once

#include "windows.h"

#include "testsupport.h"

#include <QAbstractButton>

#include <initializer_list>
#include <utility>
#include <vector>

class BrasseltWindowTest : public testsupport::WindowTest<brasselt::CreateForm1> {
 protected:
  void SetUp() override {
    WindowTest::SetUp();
    f1 = form1_;
  }
  brasselt::Program& program() { return static_cast<brasselt::Form1*>(f1)->program(); }

  // Choose the member kind box and a project option, and open its window.
  QWidget* Open(const char* kindBox, const char* option, const char* form) {
    testsupport::Click(f1, kindBox);
    testsupport::Click(f1, option);
    QWidget* w = WindowTest::Open(QString(), form);
    EXPECT_NE(w, nullptr) << form;
    return w;
  }
  // Type the boxes in order.
  static void Fill(QWidget* w, const std::vector<std::pair<const char*, const char*>>& values) {
    for (const auto& [box, text] : values) testsupport::Type(w, box, text);
  }
  static void ClickAll(QWidget* w, std::initializer_list<const char*> boxes) {
    for (const char* b : boxes) testsupport::Click(w, b);
  }
  static bool Checked(QWidget* w, const char* box) {
    return testsupport::Find<QAbstractButton>(w, box)->isChecked();
  }

  // Form2 of the project `project` (none typed where it is null), with
  // C20, grade Ⅱ, a beam and the doubly reinforced rectangle typed in, not
  // yet computed.
  QWidget* FilledForm2(const char* project) {
    if (project) testsupport::Type(f1, "Text1", project);
    QWidget* f2 = Open("Check1", "Option1", "Form2");
    if (!f2) return nullptr;
    ClickAll(f2, {"Check6", "Check16", "Check1"});
    Fill(f2, DoublyRect);
    return f2;
  }

  // C20, grade Ⅱ, b 20, h0 40, a 4, a' 3.5, M 160, γd 1.2: beyond ξb·h0
  // (python closed form: x = 21.76, A's = 5.77, As = 19.81, ρ = 2.48).
  static inline const std::vector<std::pair<const char*, const char*>> DoublyRect = {
      {"Text1", "20"}, {"Text2", "40"}, {"Text3", "0"},    {"Text4", "4"},
      {"Text6", "3.5"}, {"Text5", "160"}, {"Text15", "1.2"}};

  // Form3 of the project `project` with the slender column typed in and
  // computed: C25, grade Ⅱ, a column, asymmetric, straight, both ends
  // hinged; b 40, h0 56, L 1200, a = a' = 4, M 120, N 800, γd 1.2 (python:
  // e0 15 within 0.3·h0 = 16.8, η 2.013, η·e0 30.2 beyond it: large
  // eccentricity, e 56.2, A's at the minimum 4.48, As 6.36).
  QWidget* ComputedSlenderColumn(const char* project) {
    testsupport::Type(f1, "Text1", project);
    QWidget* f3 = Open("Check2", "Option1", "Form3");
    if (!f3) return nullptr;
    ClickAll(f3, {"Check7", "Check16", "Check3", "Check21", "Check19", "Option3"});
    Fill(f3, {{"Text1", "40"}, {"Text2", "56"}, {"Text3", "1200"}, {"Text4", "4"}, {"Text5", "4"},
              {"Text6", "120"}, {"Text7", "800"}, {"Text8", "1.2"}, {"Text17", "0"}});
    testsupport::Click(f3, "Command1");
    return f3;
  }

  QWidget* f1 = nullptr;
};
