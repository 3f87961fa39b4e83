// The window base: showing results and the message line.
#include "form.h"
#include "formbuilder.h"
#include "testsupport.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QLabel>
#include <QLineEdit>

#include <cmath>

using namespace shell;
using testsupport::TextOf;

namespace {

// A window with one results table of two boxes and a message line.
class ResultsWindow : public Form {
 public:
  ResultsWindow() : Form("Form9", "Form9") {
    FormBuilder b(this);
    TableSpec results{{"Label10", "计 算 成 果 表 "},
                      {BoxSpec("Text11", {"流量"}).Sym("Q"), BoxSpec("Text12", {"流速"}).Sym("V").Digits(2)}};
    results.readOnly = true;
    b.Table(results);
    b.Finish();
  }
};

}  // namespace

TEST(ShowResults, RoundsEachBoxToItsDecimals) {
  ResultsWindow w;
  EXPECT_TRUE(w.ShowResults({{"Text11", 1.23456}, {"Text12", 2.345}}));
  EXPECT_EQ(TextOf(&w, "Text11"), "1.235");
  EXPECT_EQ(TextOf(&w, "Text12"), "2.35");
  EXPECT_EQ(TextOf(&w, "Message"), "");
}

TEST(ShowResults, ValueWithoutATextBlanksAllAndSays) {
  // Not a number, infinite, or finite in double but beyond the single range
  // (3.4e38): none has a box text, so no box keeps a result and the message
  // line says why.
  for (double bad : {std::nan(""), HUGE_VAL, 1e39, -5e38}) {
    ResultsWindow w;
    ASSERT_TRUE(w.ShowResults({{"Text11", 1.0}, {"Text12", 2.0}}));
    EXPECT_FALSE(w.ShowResults({{"Text11", 3.0}, {"Text12", bad}})) << bad;
    EXPECT_EQ(TextOf(&w, "Text11"), "") << bad;
    EXPECT_EQ(TextOf(&w, "Text12"), "") << bad;
    EXPECT_NE(TextOf(&w, "Message"), "") << bad;
  }
}

TEST(MessageLine, LongMessageGrowsTheShownWindowInsteadOfSqueezingItsBoxes) {
  ResultsWindow w;
  w.show();
  QApplication::processEvents();
  const int before = w.height();
  QString longText;
  for (int i = 0; i < 12; ++i) longText += QStringLiteral("数据文件无法写入，原文件未改动。");
  w.SetMessage(longText);
  QApplication::processEvents();
  auto* message = w.findChild<QLabel*>("Message");
  ASSERT_NE(message, nullptr);
  EXPECT_GT(w.height(), before);
  EXPECT_GE(message->height(), message->heightForWidth(message->width()));
  for (const char* name : {"Text11", "Text12"}) {
    auto* box = w.findChild<QLineEdit*>(name);
    ASSERT_NE(box, nullptr);
    EXPECT_GE(box->height(), box->sizeHint().height()) << name;
  }
  // A further sentence grows it again.
  w.AddMessage(longText);
  QApplication::processEvents();
  EXPECT_GE(message->height(), message->heightForWidth(message->width()));
  testsupport::SaveWindowPng(&w, "shell-long-message");
}

namespace {

// A case window in small: two input boxes, two result boxes, and a verdict
// label that the computation fills.
class CaseWindow : public Form {
 public:
  CaseWindow() : Form("Form8", "Form8") {
    FormBuilder b(this);
    b.Table({{"Label1", "基 本 资 料 表"},
             {BoxSpec("Text1", {"流量"}).Sym("Q"), BoxSpec("Text2", {"管 长"}).Sym("L")}});
    TableSpec results{{"Label10", "计 算 成 果 表 "},
                      {BoxSpec("Text11", {"流量"}).Sym("Q"), BoxSpec("Text12", {"流速"}).Sym("V")}};
    results.readOnly = true;
    b.Table(results);
    b.Line({{"Label15", " "}});
    b.Finish();
    ClearResultsOnEdit({"Text1", "Text2"}, [this] {
      const bool verdict = !Lbl("Label15")->text().trimmed().isEmpty();
      Lbl("Label15")->clear();
      return ClearBoxes({"Text11", "Text12"}) || verdict;
    });
  }
  void Compute() {
    ShowResults({{"Text11", 1.5}, {"Text12", 2.25}});
    Lbl("Label15")->setText("满足要求");
    SetMessage("按有压流计算。");
  }
};

}  // namespace

TEST(ClearResultsOnEdit, TypingIntoAnInputBlanksTheResultsAndSaysSo) {
  // Ascii typed key by key, and Chinese text set as typing it would.
  for (const QString& typed : {QString("2.5"), QString("二")}) {
    CaseWindow w;
    w.Compute();
    testsupport::Type(&w, "Text2", typed);
    EXPECT_EQ(TextOf(&w, "Text2"), typed);
    EXPECT_EQ(TextOf(&w, "Text11"), "") << typed.toStdString();
    EXPECT_EQ(TextOf(&w, "Text12"), "");
    EXPECT_EQ(TextOf(&w, "Label15"), "");
    EXPECT_EQ(w.MessageText(), Form::DataChangedMessage());
  }
}

TEST(ClearResultsOnEdit, ALoadOrAHandlersTextClearsNothing) {
  CaseWindow w;
  w.Compute();
  w.FillBoxes({"Text1", "Text2"}, {Field::Num(3), Field::Num(4)});
  w.Box("Text1")->setText("5");
  EXPECT_EQ(TextOf(&w, "Text11"), "1.5");
  EXPECT_EQ(TextOf(&w, "Text12"), "2.25");
  EXPECT_EQ(TextOf(&w, "Label15"), "满足要求");
  EXPECT_EQ(w.MessageText(), "按有压流计算。");
}

TEST(ClearResultsOnEdit, WithNothingOnShowTheMessageStays) {
  // A message of the load (a missing file, say) is not replaced by typing
  // into a window that shows no results.
  CaseWindow w;
  w.SetMessage("找不到数据文件“ayds.dat”。");
  testsupport::Type(&w, "Text1", "7");
  EXPECT_EQ(w.MessageText(), "找不到数据文件“ayds.dat”。");
}
