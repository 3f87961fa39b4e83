// The eccentric-member windows driven by control name: opening by member
// kind, data files, results and notes, the program-wide choices.
#include "eccentricwindows.h"
#include "windows.h"

#include "checkwindows.h"
#include "brasseltwindowtest.h"
#include "testsupport.h"

#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

using namespace testsupport;
using brasselt::Form1;

namespace {

class EccentricWindows : public BrasseltWindowTest {};

// C25, Ⅱ, column, asymmetric, straight, both ends hinged; b 30, h0 46,
// L 500, a = a' = 4, M 200, N 500, γd 1.2 (python: e0 40, η 1.082, e 64.29,
// x 25.02, A's 5.49, As 16.41, ρ 1.189, ρ' 0.398).
const std::vector<std::pair<const char*, const char*>> LargeCompression = {
    {"Text1", "30"}, {"Text2", "46"}, {"Text3", "500"}, {"Text4", "4"},   {"Text5", "4"},
    {"Text6", "200"}, {"Text7", "500"}, {"Text8", "1.2"}, {"Text17", "0"}};

TEST_F(EccentricWindows, CompressionMemberSavesComputesAndShowsTheResults) {
  Type(f1, "Text1", "col");
  QWidget* f3 = Open("Check2", "Option1", "Form3");
  ASSERT_NE(f3, nullptr);
  EXPECT_EQ(f3->windowTitle(), "矩形截面偏心受压(拉)构件");
  EXPECT_EQ(TextOf(f3, "Label44"), "正截面偏心受压承载力计算成果表");
  EXPECT_EQ(TextOf(f3, "Text17"), "0");
  EXPECT_EQ(TextOf(f3, "Text1"), " ");
  EXPECT_EQ(TextOf(f3, "Check16"), "Ⅱ 级钢筋");
  EXPECT_EQ(TextOf(f3, "Label77"), "η");
  EXPECT_EQ(TextOf(f3, "Label57"), "γ");
  EXPECT_TRUE(TextOf(f3, "Label63").startsWith("[提示]  钢筋混凝土结构的结构系数一般采用 1.2；"));
  EXPECT_NE(f3->findChild<QRadioButton*>("Option4"), nullptr);
  SaveWindowPng(f3, "brasselt-Form3-new");

  ClickAll(f3, {"Check7", "Check16", "Check3", "Check21", "Check19", "Option3"});
  Fill(f3, LargeCompression);
  Click(f3, "Command1");
  EXPECT_EQ(TextOf(f3, "Message"), "");
  EXPECT_EQ(ReadFile("colxgp.dat"), "30,46,500,4,4,200,500,1.2,0\r\n");
  const std::pair<const char*, const char*> expected[] = {
      {"Text12", "40"},    {"Text13", "64.29"}, {"Text14", "1.082"}, {"Text15", "0.544"}, {"Text16", "25.02"},
      {"Text18", "0.544"}, {"Text25", "500"},   {"Text9", "12.5"},   {"Text10", "310"},   {"Text11", "310"},
      {"Text19", "310"},   {"Text20", "16.41"}, {"Text21", "1.189"}, {"Text22", "5.49"},  {"Text23", "0.398"}};
  for (const auto& [box, text] : expected) EXPECT_EQ(TextOf(f3, box), text) << box;
  EXPECT_EQ(TextOf(f3, "Label81"), "大偏压");
  EXPECT_EQ(TextOf(f3, "Label52"), "计算配筋率");
  EXPECT_EQ(program().m.handed.l0, 500);
  EXPECT_EQ(program().m.handed.e, 64.29f);
  EXPECT_EQ(program().m.handed.eccentricKind, brasselt::RectEccentricCompression);
  EXPECT_EQ(program().m.handed.b, 30);
  SaveWindowPng(f3, "brasselt-Form3-large");

  // A small eccentricity past the height: the notes with their numbers.
  Fill(f3, {{"Text1", "40"}, {"Text2", "56"}, {"Text3", "600"}, {"Text6", "60"}, {"Text7", "4000"}});
  ClickAll(f3, {"Check8", "Option1"});
  Click(f3, "Command1");
  EXPECT_EQ(TextOf(f3, "Label81"), "小偏压");
  EXPECT_EQ(TextOf(f3, "Text20"), "14.89");
  EXPECT_EQ(TextOf(f3, "Text16"), "60");
  EXPECT_EQ(TextOf(f3, "Label59"), "");
  EXPECT_EQ(TextOf(f3, "Label90") + TextOf(f3, "Text24") + TextOf(f3, "Label105") + TextOf(f3, "Label107") +
                TextOf(f3, "Label108"),
            "按最小配筋率计算之远离轴向力一侧的钢筋面积为4.48cm2 。");
  EXPECT_TRUE(TextOf(f3, "Label109").startsWith("计算的混凝土受压区计算高度 x="));
  EXPECT_EQ(TextOf(f3, "Label110"), "cm > h，采用 x = h 。");
  SaveWindowPng(f3, "brasselt-Form3-small");

  // Back to the large case: every note of the small one goes.
  Fill(f3, LargeCompression);
  ClickAll(f3, {"Check7", "Option3"});
  Click(f3, "Command1");
  for (const char* label : {"Label59", "Label90", "Label105", "Label106", "Label107", "Label108", "Label109", "Label110"})
    EXPECT_EQ(TextOf(f3, label), "") << label;
  EXPECT_EQ(TextOf(f3, "Text24"), "");
  EXPECT_EQ(TextOf(f3, "Text26"), "");
  Click(f3, "Command3");
  EXPECT_TRUE(FileExists("col-Form3.pdf"));
  // The crack check takes the member's width and cover.
  Click(f3, "Command4");
  QWidget* f9 = TopLevel("Form9");
  ASSERT_NE(f9, nullptr);
  EXPECT_EQ(TextOf(f9, "Text1"), "30");
  EXPECT_EQ(TextOf(f9, "Text4"), "4");
}

// The slender column of eccentric_test.cpp (the fixture's
// ComputedSlenderColumn): large eccentricity by η·e0. Then the short
// column b 33, h0 47, M 30, N 3000, C30, both ends fixed: small, the far
// side by (6.3.2-5) 14.65, and the note gives the minimum 0.2 %·33·47 =
// 3.102 in full.
TEST_F(EccentricWindows, ASlenderColumnIsLargeByItsMagnifiedEccentricityAndTheFarSideNoteShowsItsMinimumInFull) {
  QWidget* f3 = ComputedSlenderColumn("slender");
  ASSERT_NE(f3, nullptr);
  EXPECT_EQ(TextOf(f3, "Message"), "");
  const std::pair<const char*, const char*> expected[] = {
      {"Text12", "15"}, {"Text13", "56.2"}, {"Text14", "2.013"}, {"Text25", "1200"},
      {"Text19", "310"}, {"Text20", "6.36"}, {"Text22", "4.48"}};
  for (const auto& [box, text] : expected) EXPECT_EQ(TextOf(f3, box), text) << box;
  EXPECT_EQ(TextOf(f3, "Label81"), "大偏压");
  EXPECT_EQ(TextOf(f3, "Label59"), "计算受压钢筋配筋率小于最小配筋率，按最小配筋率计算受压钢筋面积。");
  SaveWindowPng(f3, "brasselt-Form3-slender");

  Fill(f3, {{"Text1", "33"}, {"Text2", "47"}, {"Text3", "500"}, {"Text6", "30"}, {"Text7", "3000"}});
  ClickAll(f3, {"Check8", "Option1"});
  Click(f3, "Command1");
  EXPECT_EQ(TextOf(f3, "Label81"), "小偏压");
  EXPECT_EQ(TextOf(f3, "Text20"), "14.65");
  EXPECT_EQ(TextOf(f3, "Label90") + TextOf(f3, "Text24") + TextOf(f3, "Label105") + TextOf(f3, "Label107") +
                TextOf(f3, "Label108"),
            "按最小配筋率计算之远离轴向力一侧的钢筋面积为3.102cm2 。");
  SaveWindowPng(f3, "brasselt-Form3-farside");
}

TEST_F(EccentricWindows, TensionKindTitlesItsResultsAndDashesWhatItDoesNotCompute) {
  Type(f1, "Text1", "tie");
  QWidget* f3 = Open("Check3", "Option1", "Form3");
  EXPECT_EQ(TextOf(f3, "Label44"), "正截面偏心受拉承载力计算成果表");
  // A straight tension member needs no end restraint.
  ClickAll(f3, {"Check7", "Check16", "Check1", "Check21"});
  Fill(f3, {{"Text1", "30"}, {"Text2", "46"}, {"Text3", "0"}, {"Text4", "4"}, {"Text5", "4"},
            {"Text6", "20"}, {"Text7", "400"}, {"Text8", "1.2"}, {"Text17", "0"}});
  Click(f3, "Command1");
  EXPECT_EQ(TextOf(f3, "Message"), "");
  EXPECT_EQ(TextOf(f3, "Label81"), "小偏拉");
  for (const char* box : {"Text14", "Text16", "Text18", "Text25", "Text19"}) EXPECT_EQ(TextOf(f3, box), "----") << box;
  EXPECT_EQ(TextOf(f3, "Text20"), "9.59");  // python: 9.5853
  EXPECT_EQ(TextOf(f3, "Text22"), "5.8986177");  // as computed in tension: python 5.89862
  EXPECT_EQ(ReadFile("tiexgp.dat"), "30,46,0,4,4,20,400,1.2,0\r\n");
  EXPECT_EQ(program().m.handed.eccentricKind, brasselt::RectEccentricTension);
  // A compute that gives no results leaves no eccentricity for the crack check.
  Type(f3, "Text7", "0");
  Click(f3, "Command1");
  EXPECT_NE(TextOf(f3, "Message"), "");
  EXPECT_EQ(program().m.handed.eccentricKind, 0);
  Type(f3, "Text7", "400");
  // Compression chosen on the main window while the window stays open: the
  // next compute designs and titles a compression member.
  Click(f1, "Check2");
  Click(f3, "Command1");
  EXPECT_EQ(TextOf(f3, "Label44"), "正截面偏心受压承载力计算成果表");
  EXPECT_TRUE(TextOf(f3, "Message").contains("尚未选取构件型式、构件两端约束情况")) << TextOf(f3, "Message").toStdString();
  EXPECT_EQ(TextOf(f3, "Text20"), "");
  EXPECT_EQ(TextOf(f3, "Label81"), "");
  // Tension again; then another member kind on the main window leaves the
  // window's own kind.
  Click(f1, "Check3");
  Click(f3, "Command1");
  EXPECT_EQ(TextOf(f3, "Label81"), "小偏拉");
  Click(f1, "Check1");
  Click(f3, "Command1");
  EXPECT_EQ(TextOf(f3, "Label81"), "小偏拉");
  EXPECT_EQ(TextOf(f3, "Label44"), "正截面偏心受拉承载力计算成果表");
}

TEST_F(EccentricWindows, TheCrackCheckOfATensionMemberWaitsForItsCompute) {
  Type(f1, "Text1", "tie");
  QWidget* f3 = Open("Check3", "Option1", "Form3");
  ClickAll(f3, {"Check7", "Check16", "Check1", "Check21"});
  Fill(f3, {{"Text1", "30"}, {"Text2", "46"}, {"Text3", "0"}, {"Text4", "4"}, {"Text5", "4"},
            {"Text6", "20"}, {"Text7", "400"}, {"Text8", "1.2"}, {"Text17", "0"}});
  Click(f3, "Command4");
  QWidget* f9 = TopLevel("Form9");
  ASSERT_NE(f9, nullptr);
  ClickAll(f9, {"Check8", "Option4", "Check1"});
  Fill(f9, {{"Text1", "30"}, {"Text2", "50"}, {"Text3", "3"}, {"Text4", "4"}, {"Text5", "4"},
            {"Text6", "2"}, {"Text7", "4"}, {"Text8", "1.6"}, {"Text9", "2"}, {"Text10", "0"},
            {"Text19", "20"}, {"Text20", "300"}, {"Text21", "2"}, {"Text22", "30000"}, {"Text23", "200000"}});
  // No eccentric-tension compute yet: no e to take, so no results.
  Click(f9, "Command1");
  EXPECT_TRUE(TextOf(f9, "Message").contains("请先在该窗口中计算本构件")) << TextOf(f9, "Message").toStdString();
  EXPECT_EQ(TextOf(f9, "Text24"), "");
  // After the member's compute the check takes its e = 16 cm.
  Click(f3, "Command1");
  EXPECT_EQ(TextOf(f3, "Label81"), "小偏拉");
  Click(f9, "Command1");
  EXPECT_EQ(TextOf(f9, "Message"), "");
  EXPECT_EQ(TextOf(f9, "Text11"), "1.15");
  EXPECT_EQ(TextOf(f9, "MemberInHand"), "本次验算构件：矩形截面偏心受拉构件；轴向力至受拉钢筋的距离 e = 16 cm。");
}

TEST_F(EccentricWindows, ChoicesAreProgramWideAndShowInEveryWindow) {
  QWidget* f3 = Open("Check2", "Option1", "Form3");
  ClickAll(f3, {"Check8", "Check17", "Option2"});
  QWidget* f6 = Open("Check5", "Option1", "Form6");
  EXPECT_TRUE(Checked(f6, "Check8"));
  EXPECT_TRUE(Checked(f6, "Check17"));
  EXPECT_TRUE(Checked(f6, "Option2"));
  Click(f6, "Option4");
  EXPECT_FALSE(Checked(f3, "Option2"));
  EXPECT_TRUE(Checked(f3, "Option4"));
  ClickAll(f3, {"Check22", "Check21"});
  EXPECT_FALSE(Checked(f3, "Check22"));
  EXPECT_TRUE(Checked(f3, "Check21"));
  // The flexural window shows the grade chosen here.
  QWidget* f2 = Open("Check1", "Option1", "Form2");
  EXPECT_TRUE(Checked(f2, "Check8"));
}

TEST_F(EccentricWindows, ArchNeedsItsLengthAndTypeAndSaysWhatIsMissing) {
  Type(f1, "Text1", "arch");
  QWidget* f3 = Open("Check2", "Option1", "Form3");
  Fill(f3, LargeCompression);
  ClickAll(f3, {"Check20"});
  Click(f3, "Command1");
  EXPECT_EQ(TextOf(f3, "Message"),
            "尚未选取混凝土强度等级、钢筋级别、构件类型、钢筋布置方式、拱结构型式，基本资料已保存，未进行计算。");
  EXPECT_TRUE(FileExists("archxgp.dat"));
  ClickAll(f3, {"Check7", "Check16", "Check3", "Check21", "Check23"});
  Click(f3, "Command1");
  EXPECT_TRUE(TextOf(f3, "Message").contains("拱轴线长 S 应大于 0"));
  Type(f3, "Text17", "1000");
  Click(f3, "Command1");
  EXPECT_EQ(TextOf(f3, "Message"), "");
  EXPECT_EQ(TextOf(f3, "Text25"), "360");  // 0.36·S for a hingeless arch
}

TEST_F(EccentricWindows, TSectionSavesItsRecordWithTheCompressionCoverAndFallsBack) {
  Type(f1, "Text1", "tc");
  QWidget* f6 = Open("Check5", "Option1", "Form6");
  ASSERT_NE(f6, nullptr);
  EXPECT_EQ(f6->windowTitle(), "T 形截面偏心受压构件");
  EXPECT_EQ(f6->findChild<QCheckBox*>("Check1"), nullptr);
  EXPECT_NE(f6->findChild<QPushButton*>("Command5"), nullptr);
  EXPECT_EQ(TextOf(f6, "Label44"), "正截面偏心受压承载力计算成果表");
  SaveWindowPng(f6, "brasselt-Form6-new");
  ClickAll(f6, {"Check7", "Check16", "Option2"});
  // python: b 30, h 80, b'f 60, h'f 15, a 4, a' 3, M 530, N 300: the zone lies
  // in the flange; the rectangle 60 wide gives As 23.50 .. 23.62, A's 4.56.
  Fill(f6, {{"Text1", "30"}, {"Text2", "80"}, {"Text3", "600"}, {"Text27", "60"}, {"Text28", "15"},
            {"Text4", "4"}, {"Text5", "3"}, {"Text6", "530"}, {"Text7", "300"}, {"Text8", "1.2"}});
  Click(f6, "Command1");
  EXPECT_EQ(TextOf(f6, "Message"), "");
  EXPECT_EQ(ReadFile("tcxgt.dat"), "30,80,600,60,15,4,530,300,1.2,3\r\n");
  const float As = TextOf(f6, "Text20").toFloat();
  EXPECT_GE(As, 23.495f);
  EXPECT_LE(As, 23.625f);
  EXPECT_EQ(TextOf(f6, "Text12"), "176.67");
  EXPECT_EQ(TextOf(f6, "Text22"), "4.56");
  EXPECT_EQ(TextOf(f6, "Text23"), "0.1");
  EXPECT_EQ(TextOf(f6, "Label81"), "大偏压");
  EXPECT_EQ(TextOf(f6, "Label95"), "计算配筋率");
  // The member stays a T section for the other windows.
  EXPECT_EQ(program().m.handed.b, 30);
  EXPECT_EQ(program().m.handed.bfc, 60);
  EXPECT_EQ(program().m.handed.hfc, 15);
  EXPECT_EQ(program().m.MemberKind, brasselt::TSectionEccentricCompression);
  SaveWindowPng(f6, "brasselt-Form6-computed");
  Click(f6, "Command5");
  EXPECT_TRUE(FileExists("tc-Form6.pdf"));
  Click(f6, "Command4");
  QWidget* f9 = TopLevel("Form9");
  ASSERT_NE(f9, nullptr);
  EXPECT_EQ(TextOf(f9, "Text1"), "30");  // the web, not the flange width of the fall-back
  EXPECT_EQ(program().m.handed.l0, 420);
  EXPECT_EQ(program().m.handed.eccentricKind, brasselt::TSectionEccentricCompression);
}

TEST_F(EccentricWindows, TSectionReopensItsRecordAndAnOlderRecordWithoutTheCompressionCover) {
  WriteFile("newxgt.dat", "30,80,600,60,15,4,530,300,1.2,3\r\n");
  WriteFile("oldxgt.dat", "30,80,600,60,15,4,530,300,1.2\r\n");
  Type(f1, "Text1", "new");
  QWidget* f6 = Open("Check5", "Option2", "Form6");
  const std::pair<const char*, const char*> boxes[] = {
      {"Text1", "30"}, {"Text2", "80"}, {"Text3", "600"}, {"Text27", "60"}, {"Text28", "15"},
      {"Text4", "4"},  {"Text6", "530"}, {"Text7", "300"}, {"Text8", "1.2"}, {"Text5", "3"}};
  for (const auto& [box, text] : boxes) EXPECT_EQ(TextOf(f6, box), text) << box;
  CloseWindow(f6);
  Type(f1, "Text1", "old");
  f6 = Open("Check5", "Option2", "Form6");
  EXPECT_EQ(TextOf(f6, "Message"), "");
  EXPECT_EQ(TextOf(f6, "Text8"), "1.2");
  EXPECT_EQ(TextOf(f6, "Text5"), " ");
  ClickAll(f6, {"Check7", "Check16", "Option2"});
  Click(f6, "Command1");
  EXPECT_TRUE(TextOf(f6, "Message").contains("不是数字"));
}

TEST_F(EccentricWindows, ImpossibleDataGetsAMessageAndNoResults) {
  QWidget* f3 = Open("Check2", "Option1", "Form3");
  ClickAll(f3, {"Check7", "Check16", "Check3", "Check21", "Check19", "Option3"});
  Fill(f3, LargeCompression);
  Click(f3, "Command1");
  ASSERT_EQ(TextOf(f3, "Text20"), "16.41");
  Type(f3, "Text7", "0");
  Click(f3, "Command1");
  EXPECT_TRUE(TextOf(f3, "Message").contains("轴向力设计值 N 应大于 0"));
  for (const char* box : {"Text12", "Text20", "Text22", "Text25"}) EXPECT_EQ(TextOf(f3, box), "") << box;
  EXPECT_EQ(TextOf(f3, "Label81"), "");
  // A tiny load: the far side at the minimum, and its ratio label says so.
  Type(f3, "Text6", "1");
  Type(f3, "Text7", "10");
  Click(f3, "Command1");
  ASSERT_EQ(TextOf(f3, "Label52"), "最小配筋率");
  Type(f3, "Text6", "200");
  Type(f3, "Text7", "abc");
  Click(f3, "Command1");
  EXPECT_TRUE(TextOf(f3, "Message").contains("不是数字"));
  EXPECT_EQ(TextOf(f3, "Label52"), "计算配筋率");
  EXPECT_EQ(TextOf(f3, "Label59"), "");
  EXPECT_EQ(TextOf(f3, "Text20"), "");
  EXPECT_EQ(ReadFile("xgp.dat"), "30,46,500,4,4,1,10,1.2,0\r\n");  // the last record that was a number
}

// The results of Form3 and Form6 belong to the inputs, choices and member
// kind they were computed with: an edit, a changed choice in either window,
// or the other eccentric kind chosen on the main window clears them.
TEST_F(EccentricWindows, AnEditAChangedChoiceOrKindClearsTheEccentricResults) {
  QWidget* f3 = Open("Check2", "Option1", "Form3");
  ClickAll(f3, {"Check7", "Check16", "Check3", "Check21", "Check19", "Option3"});
  Fill(f3, LargeCompression);
  auto cleared = [](QWidget* w) {
    for (const QString& box : brasselt::EccentricWindow::ResultNames())
      EXPECT_EQ(TextOf(w, box), "") << box.toStdString();
    for (const char* label : {"Label81", "Label59", "Label90", "Label105", "Label109", "Label110"})
      EXPECT_EQ(TextOf(w, label), "") << label;
    EXPECT_EQ(TextOf(w, "Text24") + TextOf(w, "Text26"), "");
    EXPECT_EQ(TextOf(w, "Label52"), "计算配筋率");
  };
  Click(f3, "Command1");
  ASSERT_EQ(TextOf(f3, "Text20"), "16.41");
  Type(f3, "Text6", "210");
  cleared(f3);
  EXPECT_EQ(TextOf(f3, "Message"), shell::Form::DataChangedMessage());
  SaveWindowPng(f3, "brasselt-Form3-edited");

  // A tiny load (far side at the minimum), then another arrangement.
  Fill(f3, {{"Text6", "1"}, {"Text7", "10"}});
  Click(f3, "Command1");
  ASSERT_EQ(TextOf(f3, "Label52"), "最小配筋率");
  Click(f3, "Check22");
  cleared(f3);
  EXPECT_EQ(TextOf(f3, "Message"), brasselt::ChoicesChangedMessage());

  // Every family of the window counts, the arch type too.
  Fill(f3, LargeCompression);
  for (const char* choice : {"Check8", "Check17", "Check1", "Check22", "Check20", "Check23", "Option1"}) {
    ClickAll(f3, {"Check7", "Check16", "Check3", "Check21", "Check19", "Check24", "Option3"});
    Click(f3, "Command1");
    ASSERT_EQ(TextOf(f3, "Text20"), "16.41") << choice;
    Click(f3, choice);
    EXPECT_EQ(TextOf(f3, "Text20"), "") << choice;
    EXPECT_EQ(TextOf(f3, "Message"), brasselt::ChoicesChangedMessage()) << choice;
  }

  // Form6 shares the grades and the end restraint, in both directions.
  ClickAll(f3, {"Check7", "Check16", "Check3", "Check21", "Check19", "Option3"});
  Click(f3, "Command1");
  ASSERT_EQ(TextOf(f3, "Text20"), "16.41");
  QWidget* f6 = Open("Check5", "Option1", "Form6");
  Fill(f6, {{"Text1", "30"}, {"Text2", "80"}, {"Text3", "600"}, {"Text27", "60"}, {"Text28", "15"},
            {"Text4", "4"}, {"Text5", "3"}, {"Text6", "530"}, {"Text7", "300"}, {"Text8", "1.2"}});
  Click(f6, "Option2");
  cleared(f3);
  EXPECT_EQ(TextOf(f3, "Message"), brasselt::ChoicesChangedMessage());
  Click(f6, "Command1");
  ASSERT_EQ(TextOf(f6, "Label81"), "大偏压");
  Click(f3, "Check15");
  cleared(f6);
  EXPECT_EQ(TextOf(f6, "Message"), brasselt::ChoicesChangedMessage());
  Click(f6, "Check16");
  Click(f6, "Command1");
  ASSERT_EQ(TextOf(f6, "Label81"), "大偏压");
  Click(f3, "Check2");  // an element, which Form6 does not show: its results stay
  EXPECT_EQ(TextOf(f6, "Label81"), "大偏压");
  Type(f6, "Text28", "14");
  cleared(f6);
  EXPECT_EQ(TextOf(f6, "Message"), shell::Form::DataChangedMessage());

  // Tension chosen on the main window while Form3 shows compression results:
  // opening it again titles it for tension and takes the results away.
  Click(f3, "Check3");
  Click(f3, "Command1");
  ASSERT_EQ(TextOf(f3, "Label81"), "大偏压");
  Click(f1, "Check3");
  Click(f1, "Command2");
  EXPECT_EQ(TextOf(f3, "Label44"), "正截面偏心受拉承载力计算成果表");
  cleared(f3);
  EXPECT_EQ(TextOf(f3, "Message"), "构件计算类型已改变，原计算成果已清除，请重新点“显示计算成果”。");
}

// The T window designs a zone within the flange as the rectangle b'f wide
// even where the T pass's zone lies below 2a' (the 2a' note of a thinner
// flange goes with the new data), shows its ratios rounded from the ratio,
// and refuses an axial force that ends beyond the tension steel. Python,
// from the equilibrium of each section alone:
//  - b'f 50, h'f 5, a' 8, M 400, N 200: x 14.70 below 2a', x = 16, As 19.13;
//  - b'f 80, h'f 15, a' 4, M 500, N 600, both ends hinged: the T pass's x
//    4.16 lies within the flange; the rectangle 80 wide: e0 83.33, x 10.69
//    (exact 10.722, one step of 0.05 at most below), As 15.83, ρ' 0.075;
//  - C40, b 41, h 60, L 2303, b'f 77, h'f 17, a 3, a' 7.5, M 2560, N 3560,
//    γd 1.5: A's 290.01, ρ' = 29001/2337 = 12.4094998… shows 12.409;
//  - C60, b 20, h 50, L 2075, b'f 72, h'f 10, a 4, a' 3, M 4.9, N 556:
//    e0 −5.96, η 4.999, e −1.95: refused.
TEST_F(EccentricWindows, TSectionZoneWithinTheFlangeRatiosAndAForceBeyondTheTensionSteel) {
  Type(f1, "Text1", "tf");
  QWidget* f6 = Open("Check5", "Option1", "Form6");
  ASSERT_NE(f6, nullptr);
  ClickAll(f6, {"Check7", "Check16", "Option2"});
  Fill(f6, {{"Text1", "30"}, {"Text2", "80"}, {"Text3", "600"}, {"Text27", "50"}, {"Text28", "5"},
            {"Text4", "4"}, {"Text5", "8"}, {"Text6", "400"}, {"Text7", "200"}, {"Text8", "1.2"}});
  Click(f6, "Command1");
  EXPECT_EQ(TextOf(f6, "Text16"), "16");
  EXPECT_EQ(TextOf(f6, "Text20"), "19.13");
  EXPECT_EQ(TextOf(f6, "Label90"), "混凝土受压区计算高度 x < 2a'，采用 x = 2a'");

  Fill(f6, {{"Text27", "80"}, {"Text28", "15"}, {"Text5", "4"}, {"Text6", "500"}, {"Text7", "600"}});
  Click(f6, "Option3");
  Click(f6, "Command1");
  EXPECT_EQ(TextOf(f6, "Message"), "");
  const std::pair<const char*, const char*> flange[] = {
      {"Text12", "83.33"}, {"Text13", "119.33"}, {"Text16", "10.69"}, {"Text20", "15.83"},
      {"Text21", "0.26"},  {"Text22", "4.56"},   {"Text23", "0.075"}};
  for (const auto& [box, text] : flange) EXPECT_EQ(TextOf(f6, box), text) << box;
  EXPECT_EQ(TextOf(f6, "Label90"), "");
  EXPECT_EQ(TextOf(f6, "Label81"), "大偏压");
  SaveWindowPng(f6, "brasselt-Form6-zone-in-flange");

  ClickAll(f6, {"Check10", "Option2"});
  Fill(f6, {{"Text1", "41"}, {"Text2", "60"}, {"Text3", "2303"}, {"Text27", "77"}, {"Text28", "17"},
            {"Text4", "3"}, {"Text5", "7.5"}, {"Text6", "2560"}, {"Text7", "3560"}, {"Text8", "1.5"}});
  Click(f6, "Command1");
  ASSERT_EQ(TextOf(f6, "Text22"), "290.01");
  EXPECT_EQ(TextOf(f6, "Text23"), "12.409");

  ClickAll(f6, {"Check14"});
  Fill(f6, {{"Text1", "20"}, {"Text2", "50"}, {"Text3", "2075"}, {"Text27", "72"}, {"Text28", "10"},
            {"Text4", "4"}, {"Text5", "3"}, {"Text6", "4.9"}, {"Text7", "556"}, {"Text8", "1.2"}});
  Click(f6, "Command1");
  EXPECT_TRUE(TextOf(f6, "Message").contains("e ≤ 0")) << TextOf(f6, "Message").toStdString();
  for (const QString& box : brasselt::EccentricWindow::ResultNames())
    EXPECT_EQ(TextOf(f6, box), "") << box.toStdString();
  EXPECT_EQ(TextOf(f6, "Label81"), "");
  EXPECT_EQ(program().m.handed.e, 0);
  EXPECT_EQ(ReadFile("tfxgt.dat"), "20,50,2075,72,10,4,4.9,556,1.2,3\r\n");
  SaveWindowPng(f6, "brasselt-Form6-web-side");
}

}  // namespace
