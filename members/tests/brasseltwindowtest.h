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

  QWidget* f1 = nullptr;
};
