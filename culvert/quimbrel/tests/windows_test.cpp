// Quimbrel driven through its windows by control name: the regime choice on
// the main window, each case window's data file, results and messages.
// Expected numbers are those of the engine tests (freesurface_ref.py),
// rounded as the boxes show them.
#include "windows.h"

#include "testsupport.h"

#include <QLabel>

#include <cstdio>

using namespace testsupport;

namespace {

class QuimbrelWindows : public WindowTest<quimbrel::CreateForm1> {
 protected:
  // Type the depths on the main window and click the open button.
  void Choose(const QString& H, const QString& h, const QString& D) {
    TypeAll(form1_, {"Text2", "Text3", "Text4"}, {H, h, D});
    Click(form1_, "Command2");
  }

  static void Fill(QWidget* w, const QStringList& boxes, const QStringList& values) {
    TypeAll(w, boxes, values);
  }

  // A new project: the window `form` that the depths H, h, D open, or
  // nullptr.
  QWidget* Reach(const char* form, const QStringList& depths) {
    Click(form1_, "Option1");
    Choose(depths[0], depths[1], depths[2]);
    return TopLevel(form);
  }

  // A new project: the window `form` reached with the depths H, h, D, its
  // boxes filled and computed once; nullptr where it did not open.
  QWidget* Computed(const char* form, const QStringList& depths, const QStringList& boxes,
                    const QStringList& values) {
    QWidget* w = Reach(form, depths);
    if (!w) return nullptr;
    Fill(w, boxes, values);
    Click(w, "Command2");
    return w;
  }
};

const QStringList kForm2Boxes = {"Text1", "Text2", "Text3", "Text4",
                                 "Text8", "Text5", "Text6", "Text7"};  // screen order

QStringList Form2Results(QWidget* w) {
  return {TextOf(w, "Label37"), TextOf(w, "Text9"), TextOf(w, "Text14"), TextOf(w, "Text15"),
          TextOf(w, "Text10"), TextOf(w, "Text11"), TextOf(w, "Label46")};
}

}  // namespace

TEST_F(QuimbrelWindows, MainWindowNotesAndSymbols) {
  EXPECT_EQ(TextOf(form1_, "Label1"), "Quimbrel");
  EXPECT_EQ(form1_->windowTitle(), "Form1");
  for (const char* l : {"Label94", "Label8", "Label40"}) EXPECT_EQ(TextOf(form1_, l), "≤ ");
  EXPECT_EQ(TextOf(form1_, "Command2"), "输入或显示基本资料");
  SaveWindowPng(form1_, "quimbrel-Form1");
}

TEST_F(QuimbrelWindows, RegimeOpensOneWindow) {
  Click(form1_, "Option1");
  Choose("1.08", "0.5", "0.9");  // semi-pressure by the rounding of 1.2D
  EXPECT_NE(TopLevel("Form4"), nullptr);
  EXPECT_EQ(TopLevel("Form2"), nullptr);
  EXPECT_EQ(TopLevel("Form3"), nullptr);
  Choose("0.84", "0.5", "0.7");  // free-surface: H equal to sgl(1.2D)
  EXPECT_NE(TopLevel("Form2"), nullptr);
  Choose("1.2", "1", "1");  // h = D: pressure
  EXPECT_NE(TopLevel("Form3"), nullptr);
  EXPECT_EQ(TopLevel("Form3")->windowTitle(), "压力流涵洞水计算");
  EXPECT_EQ(TopLevel("Form2")->windowTitle(), "无压流涵洞水力计算");
  EXPECT_EQ(TopLevel("Form4")->windowTitle(), "半压力流涵洞水力计算");
}

TEST_F(QuimbrelWindows, NoWindowForBadDepths) {
  Click(form1_, "Option1");
  Choose("abc", "0.5", "1");
  EXPECT_NE(TextOf(form1_, "Message"), "");
  Choose("1.2", "0.5", "0");
  EXPECT_EQ(TextOf(form1_, "Message"), "洞高 D 必须大于 0，无法判别流态");
  Choose("-1.3", "-2", "-1");  // two regime tests would hold
  EXPECT_NE(TextOf(form1_, "Message"), "");
  for (const char* f : {"Form2", "Form3", "Form4"}) EXPECT_EQ(TopLevel(f), nullptr) << f;
  Choose("1", "0.5", "1");
  EXPECT_EQ(TextOf(form1_, "Message"), "");
  EXPECT_NE(TopLevel("Form2"), nullptr);
}

TEST_F(QuimbrelWindows, FreeSurfaceShortCulvertOnTheFloorThenAbove) {
  QWidget* f2 = Reach("Form2", {"1.8", "0.8", "2"});
  ASSERT_NE(f2, nullptr);
  // Pre-filled from the main window; the other boxes as designed.
  EXPECT_EQ(TextOf(f2, "Text2"), "2");
  EXPECT_EQ(TextOf(f2, "Text5"), "1.8");
  EXPECT_EQ(TextOf(f2, "Text6"), "0.8");
  EXPECT_EQ(TextOf(f2, "Text3"), "");
  EXPECT_EQ(TextOf(f2, "Text1"), " ");
  SaveWindowPng(f2, "quimbrel-Form2-new");

  Fill(f2, kForm2Boxes, {"5", "2", "10", "0.01", "0.014", "1.8", "0.8", "0.5"});
  Click(f2, "Command2");
  EXPECT_EQ(TextOf(f2, "Message"), "");
  // hs shown is the critical depth 1.1535615, with its note.
  EXPECT_EQ(Form2Results(f2),
            QStringList({"短洞", "1.154", "1", "1.351", "", "1.154",
                         "说明：洞出口水深小于临界水深，洞进口水深近似等于临界水深"}));
  EXPECT_EQ(TextOf(f2, "Label24"), "σ：");
  EXPECT_EQ(TextOf(f2, "Label39"), "临界水深");
  EXPECT_EQ(TextOf(f2, "Label38"), "");
  SaveWindowPng(f2, "quimbrel-Form2-short-floor");

  // The outlet depth above the floor: the note and the critical depth go.
  Type(f2, "Text6", "1.5");
  Click(f2, "Command2");
  EXPECT_EQ(Form2Results(f2), QStringList({"短洞", "1.4", "0.987", "1.368", "", "", ""}));
  EXPECT_EQ(TextOf(f2, "Label39"), "");
  EXPECT_EQ(TextOf(f2, "Label44"), " ");
}

TEST_F(QuimbrelWindows, FreeSurfaceLongCulvertShowsTheSecondRow) {
  QWidget* f2 = Reach("Form2", {"2", "0.3", "3"});
  ASSERT_NE(f2, nullptr);
  Fill(f2, kForm2Boxes, {"6", "3", "200", "0.002", "0.014", "2", "0.3", "0.3"});
  Click(f2, "Command2");
  EXPECT_EQ(TextOf(f2, "Message"), "");
  EXPECT_EQ(Form2Results(f2),
            QStringList({"长洞", "1.773", "0.862", "1.621", "1.724", "1.154", ""}));
  EXPECT_EQ(TextOf(f2, "Label38"), "正常水深");
  EXPECT_EQ(TextOf(f2, "Label40"), "o");
  SaveWindowPng(f2, "quimbrel-Form2-long");
}

TEST_F(QuimbrelWindows, FreeSurfaceEditTakesAwayTheResultsOfTheOldData) {
  QWidget* f2 = Computed("Form2", {"1.8", "0.8", "2"}, kForm2Boxes,
                         {"5", "2", "10", "0.01", "0.014", "1.8", "0.8", "0.5"});
  ASSERT_NE(f2, nullptr);
  ASSERT_EQ(TextOf(f2, "Text15"), "1.351");
  ASSERT_EQ(TextOf(f2, "Label39"), "临界水深");
  // The outlet depth the critical-depth note was about: the results, the
  // culvert kind, the captions of the second row and the note all go.
  Type(f2, "Text6", "1.5");
  EXPECT_EQ(Form2Results(f2), QStringList({"", "", "", "", "", "", ""}));
  for (const char* l : {"Label24", "Label39", "Label44", "Label45", "Label43"})
    EXPECT_EQ(TextOf(f2, l).trimmed(), "") << l;
  EXPECT_EQ(TextOf(f2, "Message"), shell::Form::DataChangedMessage());
  SaveWindowPng(f2, "quimbrel-Form2-edited");

  // A long culvert: editing the approach velocity takes the normal depth
  // and its captions too.
  Fill(f2, kForm2Boxes, {"6", "3", "200", "0.002", "0.014", "2", "0.3", "0.3"});
  Click(f2, "Command2");
  ASSERT_EQ(TextOf(f2, "Label38"), "正常水深");
  Type(f2, "Text7", "0.4");
  EXPECT_EQ(Form2Results(f2), QStringList({"", "", "", "", "", "", ""}));
  for (const char* l : {"Label38", "Label41", "Label40", "Label42"}) EXPECT_EQ(TextOf(f2, l), "") << l;
  EXPECT_EQ(TextOf(f2, "Message"), shell::Form::DataChangedMessage());
}

TEST_F(QuimbrelWindows, FreeSurfaceFileRoundTripInScreenOrder) {
  Type(form1_, "Text1", "abc");
  QWidget* f2 = Reach("Form2", {"1.2", "1", "3"});
  ASSERT_NE(f2, nullptr);
  // A typed slope of 0 is saved as 0 (and computed as 0.00001).
  Fill(f2, kForm2Boxes, {"3", "2", "30", "0", "0.014", "1.2", "1", "0.2"});
  Type(form1_, "Text1", "xyz");  // the window keeps the name it was opened with
  Click(f2, "Command2");
  EXPECT_EQ(ReadFile("abcVostrane2.dat"), "3,2,30,0,0.014,1.2,1,0.2\r\n");
  EXPECT_FALSE(FileExists("xyzVostrane2.dat"));
  EXPECT_EQ(TextOf(f2, "Text15"), "1.673");  // zero-slope case: B = 1.6726081
  CloseWindow(f2);

  // Reopen as an existing project with other depths: the file wins.
  Type(form1_, "Text1", "abc");
  Click(form1_, "Option2");
  Choose("1", "0.5", "1");
  f2 = TopLevel("Form2");
  ASSERT_NE(f2, nullptr);
  QStringList shown;
  for (const QString& b : kForm2Boxes) shown << TextOf(f2, b);
  EXPECT_EQ(shown, QStringList({"3", "2", "30", "0", "0.014", "1.2", "1", "0.2"}));
}

TEST_F(QuimbrelWindows, FreeSurfaceMessagesKeepTheFile) {
  QWidget* f2 = Reach("Form2", {"2", "0.3", "3"});
  ASSERT_NE(f2, nullptr);
  Fill(f2, kForm2Boxes, {"6", "3", "200", "0.002", "0.014", "2", "0.3", "0.3"});
  Click(f2, "Command2");
  ASSERT_EQ(TextOf(f2, "Text15"), "1.621");
  // No name typed: the copy of Text1 is its starting blank.
  const std::string saved = ReadFile(" Vostrane2.dat");
  ASSERT_NE(saved, "");

  // Not a number: nothing saved, results blank.
  Type(f2, "Text1", "6..");
  Click(f2, "Command2");
  EXPECT_NE(TextOf(f2, "Message"), "");
  EXPECT_EQ(ReadFile(" Vostrane2.dat"), saved);
  EXPECT_EQ(Form2Results(f2), QStringList({"", "", "", "", "", "", ""}));

  // Q = 0: saved, message, blank results.
  Type(f2, "Text1", "0");
  Click(f2, "Command2");
  EXPECT_EQ(TextOf(f2, "Message"), "流量 Q 必须大于 0");
  EXPECT_EQ(ReadFile(" Vostrane2.dat"), "0,3,200,0.002,0.014,2,0.3,0.3\r\n");
  EXPECT_EQ(Form2Results(f2), QStringList({"", "", "", "", "", "", ""}));
  EXPECT_EQ(TextOf(f2, "Label38"), "");

  // A short culvert drowned to its total head.
  Fill(f2, kForm2Boxes, {"6", "3", "10", "0.001", "0.014", "2", "2.5", "0"});
  Click(f2, "Command2");
  EXPECT_EQ(TextOf(f2, "Message").toStdString(), quimbrel::messages::kWeirDrowned);
  EXPECT_EQ(TextOf(f2, "Text15"), "");
  SaveWindowPng(f2, "quimbrel-Form2-message");
}

TEST_F(QuimbrelWindows, PressureWindowIndexResultsAndFile) {
  Type(form1_, "Text1", "p");
  QWidget* f3 = Reach("Form3", {"2.6", "1.2", "1.5"});  // H > 1.5D, free outlet
  ASSERT_NE(f3, nullptr);
  EXPECT_EQ(TextOf(f3, "Label54"), "2:");
  EXPECT_EQ(TextOf(f3, "Text2"), "1.5");
  EXPECT_EQ(TextOf(f3, "Text6"), "2.6");
  EXPECT_EQ(TextOf(f3, "Text7"), "1.2");
  EXPECT_EQ(TextOf(f3, "Label76"), "ξ");
  // Column captions stand as one label each, as written.
  QStringList captions;
  for (QLabel* l : f3->findChildren<QLabel*>()) captions << l->text();
  for (const char* c : {"管 身糙 率", "进口渐变段损失系数", "出口渐变段损失系数", "局 部 损 失 系 数"})
    EXPECT_TRUE(captions.contains(QString::fromUtf8(c))) << c;
  EXPECT_EQ(TextOf(f3, "Label50"), " ～");
  SaveWindowPng(f3, "quimbrel-Form3-new");

  const QStringList boxes = {"Text1", "Text2",  "Text3",  "Text4",  "Text5",  "Text6", "Text7",
                             "Text8", "Text9", "Text10", "Text11", "Text12", "Text13"};
  Fill(f3, boxes, {"8", "1.5", "40", "0.002", "0.014", "2.6", "1.2", "0.5", "0.3", "0.1", "0.2",
                   "0.1", "0.2"});
  Click(f3, "Command2");
  EXPECT_EQ(TextOf(f3, "Message"), "");
  EXPECT_EQ(TextOf(f3, "Label36"), "计 算 成 果");
  EXPECT_EQ(TextOf(f3, "Text14"), "0.639");  // m 0.6389803
  EXPECT_EQ(TextOf(f3, "Text15"), "1.58");   // B 1.5821966, two decimals
  EXPECT_EQ(ReadFile("pVostrane3.dat"), "8,1.5,40,0.002,0.014,2.6,1.2,0.5,0.3,0.1,0.2,0.1,0.2\r\n");
  SaveWindowPng(f3, "quimbrel-Form3-computed");

  // Opening again with a submerged outlet only shows the window; the index
  // follows the boxes at the next compute.
  Choose("2.6", "1.8", "1.5");
  EXPECT_EQ(TextOf(f3, "Label54"), "2:");
  EXPECT_EQ(TextOf(f3, "Text7"), "1.2");
  Type(f3, "Text7", "1.5");  // h = D: submerged
  Click(f3, "Command2");
  EXPECT_EQ(TextOf(f3, "Label54"), "3:");
  EXPECT_EQ(TextOf(f3, "Text15"), "1.72");  // B 1.7152158

  // Acting head not positive: message, blank results, the file holds the data.
  Type(f3, "Text7", "3");
  Click(f3, "Command2");
  EXPECT_EQ(TextOf(f3, "Message").toStdString(), quimbrel::messages::kPressureHeadNotPositive);
  EXPECT_EQ(TextOf(f3, "Text15"), "");
  EXPECT_EQ(ReadFile("pVostrane3.dat"), "8,1.5,40,0.002,0.014,2.6,3,0.5,0.3,0.1,0.2,0.1,0.2\r\n");
}

TEST_F(QuimbrelWindows, PressureEditTakesAwayTheResultsOfTheOldData) {
  QWidget* f3 = Computed("Form3", {"2.6", "1.2", "1.5"}, Numbered("Text", 1, 13),
                         {"8", "1.5", "40", "0.002", "0.014", "2.6", "1.2", "0.5", "0.3", "0.1", "0.2", "0.1", "0.2"});
  ASSERT_NE(f3, nullptr);
  ASSERT_EQ(TextOf(f3, "Text15"), "1.58");
  // A loss coefficient changed: m, B and the results heading go.
  Type(f3, "Text12", "0.2");
  EXPECT_EQ(TextsOf(f3, {"Label36", "Text14", "Text15"}), QStringList({"", "", ""}));
  EXPECT_EQ(TextOf(f3, "Message"), shell::Form::DataChangedMessage());
  SaveWindowPng(f3, "quimbrel-Form3-edited");
  // Computed again, they come back for the data on show.
  Click(f3, "Command2");
  EXPECT_EQ(TextOf(f3, "Label36"), "计 算 成 果");
  EXPECT_NE(TextOf(f3, "Text15"), "");
  EXPECT_EQ(TextOf(f3, "Message"), "");
}

TEST_F(QuimbrelWindows, PressureWindowLoadsItsFile) {
  WriteFile("qVostrane3.dat", "8,1.5,40,0.002,0.014,2.6,1.8,0.5,0.3,0.1,0.2,0.1,0.2\r\n");
  Type(form1_, "Text1", "q");
  Click(form1_, "Option2");
  Choose("2.6", "0.5", "1.5");
  QWidget* f3 = TopLevel("Form3");
  ASSERT_NE(f3, nullptr);
  EXPECT_EQ(TextOf(f3, "Text7"), "1.8");
  EXPECT_EQ(TextOf(f3, "Text13"), "0.2");
  EXPECT_EQ(TextOf(f3, "Label54"), "2:");  // from the main window's h and D
  Click(f3, "Command2");
  EXPECT_EQ(TextOf(f3, "Label54"), "3:");
  EXPECT_EQ(TextOf(f3, "Text14"), "0.648");
  EXPECT_EQ(TextOf(f3, "Text15"), "1.97");  // 1.9655738
}

// Each pressure-type window reads its record into its boxes in box order and
// writes it back in the same order: every field distinct, so that two
// swapped fields show.
struct RecordCase {
  const char* form;
  const char* suffix;
  QStringList depths;  // H, h, D on the main window
  QStringList values;  // the record, box order Text1, Text2, ...
};

TEST_F(QuimbrelWindows, PressureWindowsRecordsInBoxOrder) {
  const RecordCase cases[] = {
      {"Form3", "Vostrane3.dat", {"2.6", "1.8", "1.5"},
       {"8", "1.5", "40", "0.002", "0.014", "2.6", "1.8", "0.5", "0.31", "0.11", "0.21", "0.12",
        "0.23"}},
      {"Form4", "Vostrane4.dat", {"2", "1", "1.5"},
       {"4", "1.6", "30", "0.003", "2.1", "0.9", "0.4", "0.67", "0.74"}}};
  Type(form1_, "Text1", "r");
  Click(form1_, "Option2");
  for (const RecordCase& c : cases) {
    const std::string file = std::string("r") + c.suffix;
    WriteFile(file, c.values.join(",").toStdString() + "\r\n");
    Choose(c.depths[0], c.depths[1], c.depths[2]);
    QWidget* w = TopLevel(c.form);
    ASSERT_NE(w, nullptr) << c.form;
    const QStringList boxes = Numbered("Text", 1, int(c.values.size()));
    EXPECT_EQ(TextsOf(w, boxes), c.values) << c.form;
    std::remove(file.c_str());
    Click(w, "Command2");
    EXPECT_EQ(TextOf(w, "Message"), "") << c.form;
    EXPECT_EQ(ReadFile(file), c.values.join(",").toStdString() + "\r\n") << c.form;
  }
}

TEST_F(QuimbrelWindows, SemiPressureWindow) {
  Type(form1_, "Text1", "s");
  QWidget* f4 = Reach("Form4", {"2", "1", "1.5"});
  ASSERT_NE(f4, nullptr);
  for (const char* l : {"Label23", "Label44", "Label49", "Label56"}) EXPECT_EQ(TextOf(f4, l), "β");
  SaveWindowPng(f4, "quimbrel-Form4-new");
  const QStringList boxes = {"Text1", "Text2", "Text3", "Text4", "Text5",
                             "Text6", "Text7", "Text8", "Text9"};
  Fill(f4, boxes, {"4", "1.5", "30", "0.003", "2", "1", "0.4", "0.625", "0.735"});
  Click(f4, "Command2");
  EXPECT_EQ(TextOf(f4, "Message"), "");
  EXPECT_EQ(TextOf(f4, "Text15"), "0.97");  // 0.9651408
  EXPECT_EQ(ReadFile("sVostrane4.dat"), "4,1.5,30,0.003,2,1,0.4,0.625,0.735\r\n");
  SaveWindowPng(f4, "quimbrel-Form4-computed");

  Type(f4, "Text8", "0");
  Click(f4, "Command2");
  EXPECT_EQ(TextOf(f4, "Message"), "流量系数 m1 必须大于 0");
  EXPECT_EQ(TextOf(f4, "Text15"), "");

  // Reload as an existing project.
  CloseWindow(f4);
  Click(form1_, "Option2");
  Choose("2", "1", "1.5");
  f4 = TopLevel("Form4");
  ASSERT_NE(f4, nullptr);
  EXPECT_EQ(TextOf(f4, "Text8"), "0");
  EXPECT_EQ(TextOf(f4, "Text9"), "0.735");
}

TEST_F(QuimbrelWindows, SemiPressureEditTakesAwayTheWidthOfTheOldData) {
  QWidget* f4 = Computed("Form4", {"2", "1", "1.5"}, Numbered("Text", 1, 9),
                         {"4", "1.5", "30", "0.003", "2", "1", "0.4", "0.625", "0.735"});
  ASSERT_NE(f4, nullptr);
  ASSERT_EQ(TextOf(f4, "Text15"), "0.97");
  Type(f4, "Text8", "0.67");
  EXPECT_EQ(TextOf(f4, "Text15"), "");
  EXPECT_EQ(TextOf(f4, "Message"), shell::Form::DataChangedMessage());
  SaveWindowPng(f4, "quimbrel-Form4-edited");
}

TEST_F(QuimbrelWindows, MissingFileForAnExistingProject) {
  Type(form1_, "Text1", "none");
  Click(form1_, "Option2");
  Choose("1", "0.5", "1");
  QWidget* f2 = TopLevel("Form2");
  ASSERT_NE(f2, nullptr);
  EXPECT_NE(TextOf(f2, "Message"), "");
  EXPECT_EQ(TextOf(f2, "Text5"), "1");  // the pre-fill stays
}

TEST_F(QuimbrelWindows, PrintAndEnd) {
  Type(form1_, "Text1", "pr");
  QWidget* f4 = Reach("Form4", {"2", "1", "1.5"});
  ASSERT_NE(f4, nullptr);
  Click(f4, "Command1");
  EXPECT_NE(TextOf(f4, "Message"), "");  // where the page went
  Click(form1_, "Command1");
  EXPECT_NE(TextOf(form1_, "Message"), "");
  Click(f4, "Command3");  // ends the program: every window closes
  ProcessDeferredDeletes();
  EXPECT_EQ(TopLevel("Form1"), nullptr);
  EXPECT_EQ(TopLevel("Form4"), nullptr);
}
