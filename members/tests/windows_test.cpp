// Brasselt's windows driven by control name: the main window and its member
// kinds, the flexural windows with their data files, the program-wide
// choices, and the reference tables.
#include "windows.h"

#include "brasseltwindowtest.h"
#include "testsupport.h"

#include <QApplication>
#include <QCheckBox>
#include <QFontInfo>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>

using namespace testsupport;
using brasselt::Form1;

namespace {

class BrasseltWindows : public BrasseltWindowTest {};

// C25, grade Ⅱ, T section b 25, h 70, bf 30, hf 12, b'f 80, h'f 10, A's 0,
// a 5, a' 3.5, M 300: the flange carries the moment (python: rectangle 80
// wide, As = 18.70 .. 18.75).
const std::vector<std::pair<const char*, const char*>> FlangeT = {
    {"Text1", "25"},  {"Text2", "70"},  {"Text3", "30"},   {"Text4", "12"},
    {"Text5", "80"},  {"Text6", "10"},  {"Text21", "0"},   {"Text15", "5"},
    {"Text17", "3.5"}, {"Text18", "300"}, {"Text19", "1.2"}};

TEST_F(BrasseltWindows, MainWindowShowsTitleNotesAndTheAvailableMemberKinds) {
  EXPECT_EQ(f1->windowTitle(), "Form1");
  EXPECT_EQ(TextOf(f1, "Label40") + TextOf(f1, "Label1") + TextOf(f1, "Label45"),
            "Brasselt( 按SL/T 191-96规范 )");
  EXPECT_TRUE(TextOf(f1, "Label3").startsWith("  （1） 本程序按《水工混凝土结构设计规范》 SL/T 191-96 (简称《规范》) 的规定编制。"));
  EXPECT_TRUE(TextOf(f1, "Label3").endsWith("适用于矩形、 T 形及工字形截面的受弯、偏心受压及偏心受拉计算；"));
  EXPECT_TRUE(TextOf(f1, "Label4").startsWith("  （2）《规范》中，按承载能力极限状态计算时，有关公式中的内力设计值"));
  EXPECT_EQ(TextOf(f1, "Label6"), "γ");
  EXPECT_EQ(TextOf(f1, "Label10"), "ψ");
  EXPECT_EQ(TextOf(f1, "Label13"), "ρ");
  EXPECT_EQ(TextOf(f1, "Label15"), "的值(程序中要求输入的各种内力值与《规范》相同) 。");
  for (const char* box : {"Check1", "Check2", "Check3", "Check4", "Check5", "Check6", "Check7"})
    EXPECT_TRUE(Find<QCheckBox>(f1, box)->isEnabled()) << box;
  EXPECT_EQ(TextOf(f1, "Check6"), "T 形截面受弯构件（翼缘位于受压区）");
  SaveWindowPng(f1, "brasselt-Form1");
  // No member kind: nothing opens.
  Click(f1, "Command2");
  EXPECT_EQ(TopLevel("Form2"), nullptr);
  EXPECT_EQ(TopLevel("Form4"), nullptr);
}

TEST_F(BrasseltWindows, RectangularMemberSavesComputesAndShowsTheCompressionSteel) {
  Type(f1, "Text1", "beam");
  QWidget* f2 = Open("Check1", "Option1", "Form2");
  ASSERT_NE(f2, nullptr);
  EXPECT_EQ(f2->windowTitle(), "矩形截面受弯构件");
  EXPECT_EQ(TextOf(f2, "Check15"), "Ⅰ 级钢筋");
  EXPECT_EQ(TextOf(f2, "Check18"), "Ⅳ 级钢筋");
  EXPECT_EQ(TextOf(f2, "Label30"), "γ");
  EXPECT_EQ(TextOf(f2, "Label80"), "[提示] 1. 程序中受弯构件有两种计算情况：");
  EXPECT_EQ(TextOf(f2, "Text1"), " ");
  EXPECT_TRUE(Find<QPushButton>(f2, "Command4")->isEnabled());
  SaveWindowPng(f2, "brasselt-Form2-new");

  Click(f2, "Check6");   // C20
  Click(f2, "Check16");  // Ⅱ
  Click(f2, "Check1");   // beam
  Fill(f2, DoublyRect);
  Click(f2, "Command1");
  EXPECT_EQ(TextOf(f2, "Message"), "");
  EXPECT_EQ(ReadFile("beamxgj.dat"), "20,40,0,4,3.5,160,1.2\r\n");
  const std::pair<const char*, const char*> expected[] = {
      {"Text7", "10"},     {"Text8", "310"},    {"Text9", "310"},   {"Text10", "0.544"},
      {"Text11", "21.76"}, {"Text12", "21.76"}, {"Text13", "19.81"}, {"Text14", "2.48"}};
  for (const auto& [box, text] : expected) EXPECT_EQ(TextOf(f2, box), text) << box;
  EXPECT_EQ(TextOf(f2, "Label59"), "  按单筋计算混凝土受压区高度 x 不符合 x≤ξb·ho 要求，采用 x = ξb·ho，");
  EXPECT_EQ(TextOf(f2, "Label60") + TextOf(f2, "Text16") + TextOf(f2, "Label63") + TextOf(f2, "Label61"),
            "计算需受压钢筋5.77cm2 。");
  EXPECT_EQ(TextOf(f2, "Label52"), "计  算配筋率");
  // The member values for the crack check and the shear design.
  EXPECT_EQ(program().m.handed.b, 20);
  EXPECT_EQ(program().m.handed.a, 4);
  EXPECT_EQ(program().m.handed.gammaD, 1.2f);
  SaveWindowPng(f2, "brasselt-Form2-doubly");

  // A small moment: the line of the compression steel goes away.
  Type(f2, "Text5", "40");
  Click(f2, "Command1");
  EXPECT_EQ(TextOf(f2, "Label59"), "  混凝土受压区高度 x 符合 x≤ξb·ho 要求。");
  EXPECT_EQ(TextOf(f2, "Label60") + TextOf(f2, "Text16") + TextOf(f2, "Label63"), "");

  Click(f2, "Command3");  // print: no printer here, so a PDF
  EXPECT_TRUE(FileExists("beam-Form2.pdf"));
  QPointer<QWidget> main = f1, rect = f2;
  Click(f2, "Command2");  // end: every window closes
  ProcessDeferredDeletes();
  EXPECT_TRUE(main.isNull());
  EXPECT_TRUE(rect.isNull());
}

TEST_F(BrasseltWindows, BelowTheMinimumTheRatioLabelSaysSoAndComesBack) {
  QWidget* f2 = Open("Check1", "Option1", "Form2");
  Click(f2, "Check6");
  Click(f2, "Check15");
  Click(f2, "Check2");  // slab
  Fill(f2, {{"Text1", "100"}, {"Text2", "12"}, {"Text3", "0"}, {"Text4", "3"},
            {"Text6", "3"}, {"Text5", "3"}, {"Text15", "1.2"}});
  Click(f2, "Command1");
  EXPECT_EQ(TextOf(f2, "Label52"), "最  小配筋率");
  EXPECT_EQ(TextOf(f2, "Text14"), "0.15");
  EXPECT_EQ(TextOf(f2, "Text13"), "1.8");
  EXPECT_EQ(TextOf(f2, "Label59"), "  计算配筋率小于最小配筋率，受拉钢筋面积按最小配筋率计算。");
  SaveWindowPng(f2, "brasselt-Form2-minimum");
  // A wall takes the slab's minimum, a column the beam's (0.2 % with grade Ⅰ).
  Click(f2, "Check4");
  Click(f2, "Command1");
  EXPECT_EQ(TextOf(f2, "Text13"), "1.8");
  Click(f2, "Check3");
  Click(f2, "Command1");
  EXPECT_EQ(TextOf(f2, "Text13"), "2.4");
  EXPECT_EQ(TextOf(f2, "Text14"), "0.2");
  Type(f2, "Text5", "30");
  Click(f2, "Command1");
  EXPECT_EQ(TextOf(f2, "Label52"), "计  算配筋率");
}

TEST_F(BrasseltWindows, AnExistingProjectReopensWithItsData) {
  WriteFile("oldxgj.dat", "20,40,0,4,3.5,160,1.2\r\n");
  WriteFile("oldxg.dat", "25,70,30,12,80,10,0,5,3.5,300,1.2\r\n");
  Type(f1, "Text1", "old");
  QWidget* f2 = Open("Check1", "Option2", "Form2");
  for (const auto& [box, text] : DoublyRect) EXPECT_EQ(TextOf(f2, box), text) << box;
  QWidget* f4 = Open("Check4", "Option2", "Form4");
  for (const auto& [box, text] : FlangeT) EXPECT_EQ(TextOf(f4, box), text) << box;
}

TEST_F(BrasseltWindows, AShortOrMissingFileLeavesTheStartingBoxesAndSaysWhich) {
  WriteFile("shortxgj.dat", "20,40,0\r\n");
  Type(f1, "Text1", "short");
  QWidget* f2 = Open("Check1", "Option2", "Form2");
  EXPECT_EQ(TextOf(f2, "Text1"), " ");
  EXPECT_TRUE(TextOf(f2, "Message").contains("shortxgj.dat")) << TextOf(f2, "Message").toStdString();
  QWidget* f4 = Open("Check7", "Option2", "Form4");  // no "shortxg.dat"
  EXPECT_EQ(TextOf(f4, "Text1"), " ");
  EXPECT_TRUE(TextOf(f4, "Message").contains("shortxg.dat"));
}

TEST_F(BrasseltWindows, ANameTypedBeforeTheMemberKindNamesThatKindsFile) {
  QWidget* f2 = FilledForm2("bridge");
  Click(f2, "Command1");
  EXPECT_TRUE(FileExists("bridgexgj.dat"));
  EXPECT_FALSE(FileExists("xgj.dat"));
}

TEST_F(BrasseltWindows, ANameNeverTypedUsesTheBareSuffix) {
  QWidget* f2 = Open("Check1", "Option1", "Form2");
  Fill(f2, DoublyRect);
  Click(f2, "Command1");
  EXPECT_EQ(ReadFile("xgj.dat"), "20,40,0,4,3.5,160,1.2\r\n");
}

TEST_F(BrasseltWindows, EachMemberKindKeepsItsOwnProjectName) {
  Click(f1, "Check1");
  Type(f1, "Text1", "rect");
  QWidget* f2 = Open("Check1", "Option1", "Form2");
  Click(f1, "Check6");
  Type(f1, "Text1", "tee");
  QWidget* f4 = Open("Check6", "Option1", "Form4");
  EXPECT_EQ(program().m.FlangeLayout, brasselt::FlangeInCompression);
  Fill(f2, DoublyRect);
  Click(f2, "Command1");
  Fill(f4, FlangeT);
  Click(f4, "Command1");
  EXPECT_TRUE(FileExists("rectxgj.dat"));
  EXPECT_EQ(ReadFile("teexg.dat"), "25,70,30,12,80,10,0,5,3.5,300,1.2\r\n");
  EXPECT_FALSE(FileExists("teexgj.dat"));
}

TEST_F(BrasseltWindows, TSectionComputesAsTheFlangeRectangleAndLeavesTheElementAlone) {
  Type(f1, "Text1", "t");
  QWidget* f4 = Open("Check7", "Option1", "Form4");
  EXPECT_EQ(f4->windowTitle(), "T 形及工字形截面受弯构件");
  EXPECT_EQ(f4->findChild<QCheckBox*>("Check1"), nullptr);
  SaveWindowPng(f4, "brasselt-Form4-new");
  Click(f4, "Check7");   // C25
  Click(f4, "Check16");  // Ⅱ
  Fill(f4, FlangeT);
  Click(f4, "Command1");
  EXPECT_EQ(TextOf(f4, "Message"), "");
  const float As = TextOf(f4, "Text13").toFloat();
  EXPECT_GE(As, 18.695f);  // python: 18.6999 ≤ As < 18.6999 + 0.05
  EXPECT_LE(As, 18.755f);
  EXPECT_EQ(TextOf(f4, "Text12"), "35.36");
  EXPECT_EQ(TextOf(f4, "Text20"), "0");
  EXPECT_EQ(TextOf(f4, "Label59"), "  混凝土受压区高度 x 符合 x≤ξb·ho 要求。");
  EXPECT_EQ(program().m.handed.bfc, 80);
  EXPECT_EQ(program().m.handed.hfc, 10);
  EXPECT_EQ(program().m.handed.bft, 30);
  EXPECT_EQ(program().m.handed.hft, 12);
  SaveWindowPng(f4, "brasselt-Form4-computed");
  // The T window designs a beam without choosing "beam" for the other windows.
  EXPECT_EQ(program().m.StructuralElement, 0);
  QWidget* f2 = Open("Check1", "Option1", "Form2");
  Fill(f2, DoublyRect);
  Click(f2, "Command1");
  EXPECT_EQ(TextOf(f2, "Message"), "尚未选取构件类型，基本资料已保存，未进行计算。");
  EXPECT_EQ(TextOf(f2, "Text13"), "");
}

// The verdict states of the T window, each replacing the last: beyond ξb·h0
// the required compression steel stands in Text20 and in the line under the
// verdict; a given A's with a zone shallower than 2a' takes x = 2a'.
TEST_F(BrasseltWindows, TSectionVerdictsFollowEachOther) {
  QWidget* f4 = Open("Check6", "Option1", "Form4");
  Click(f4, "Check6");   // C20
  Click(f4, "Check16");  // Ⅱ
  // b 20, h 60, b'f 40, h'f 8, a 5, a' 3.5, M 350 (python: the flange
  // carries 1.632e7 < T = 4.2e7; x = ξb·h0 = 29.92, A's = 6.1886 → 6.19,
  // As = ((20·8 + 20·29.92)·10 + 310·6.19)/310 = 30.65, ρ = 3065/1100).
  Fill(f4, {{"Text1", "20"}, {"Text2", "60"}, {"Text3", "0"}, {"Text4", "0"}, {"Text5", "40"},
            {"Text6", "8"}, {"Text21", "0"}, {"Text15", "5"}, {"Text17", "3.5"}, {"Text18", "350"},
            {"Text19", "1.2"}});
  Click(f4, "Command1");
  const std::pair<const char*, const char*> doubly[] = {
      {"Text11", "29.92"}, {"Text12", "29.92"}, {"Text13", "30.65"}, {"Text14", "2.79"},
      {"Text20", "6.19"}};
  for (const auto& [box, text] : doubly) EXPECT_EQ(TextOf(f4, box), text) << box;
  EXPECT_EQ(TextOf(f4, "Label59"), "  按单筋计算混凝土受压区高度 x 不符合 x≤ξb·ho 要求，采用 x = ξb·ho，");
  EXPECT_EQ(TextOf(f4, "Label60") + TextOf(f4, "Text16") + TextOf(f4, "Label63") + TextOf(f4, "Label61"),
            "计算需受压钢筋6.19cm2 。");
  // The area is followed by its unit, not by a gap.
  auto* area = Find<QLineEdit>(f4, "Text16");
  EXPECT_LT(Find<QLabel>(f4, "Label63")->x() - (area->x() + area->fontMetrics().horizontalAdvance("6.19")), 30);
  SaveWindowPng(f4, "brasselt-Form4-doubly");

  // A's 10 given, a' 5, M 150 (python: the T stepping stops at x ≈ −4.9 < 2a'
  // = 10, so x = 10 and As = 1.8e7/(100·310·50) = 11.61, ρ = 1161/1100).
  Fill(f4, {{"Text21", "10"}, {"Text17", "5"}, {"Text18", "150"}});
  Click(f4, "Command1");
  const std::pair<const char*, const char*> lever[] = {
      {"Text11", "10"}, {"Text13", "11.61"}, {"Text14", "1.06"}, {"Text20", "10"}};
  for (const auto& [box, text] : lever) EXPECT_EQ(TextOf(f4, box), text) << box;
  EXPECT_EQ(TextOf(f4, "Label59"), "  考虑受压钢筋作用，且计算混凝土受压区高度 x < 2a' ，采用 x = 2a' 。");
  EXPECT_EQ(TextOf(f4, "Label60") + TextOf(f4, "Text16") + TextOf(f4, "Label63") + TextOf(f4, "Label61"), "");
  SaveWindowPng(f4, "brasselt-Form4-lever");
}

TEST_F(BrasseltWindows, MaterialChoicesShowTheProgramWideValueInEveryWindow) {
  QWidget* f2 = Open("Check1", "Option1", "Form2");
  Click(f2, "Check8");  // C30
  QWidget* f4 = Open("Check4", "Option1", "Form4");
  EXPECT_TRUE(Checked(f4, "Check8"));
  Click(f4, "Check7");  // C25 in the other window
  EXPECT_TRUE(Checked(f2, "Check7"));
  EXPECT_FALSE(Checked(f2, "Check8"));
  EXPECT_FALSE(Checked(f4, "Check8"));
  Click(f2, "Check7");  // a second click on the chosen box keeps the choice
  EXPECT_TRUE(Checked(f2, "Check7"));
  EXPECT_TRUE(Checked(f4, "Check7"));
  Click(f2, "Check16");
  Click(f2, "Check17");
  EXPECT_FALSE(Checked(f2, "Check16"));
  EXPECT_TRUE(Checked(f4, "Check17"));
  Click(f2, "Check1");
  Click(f2, "Check3");
  EXPECT_FALSE(Checked(f2, "Check1"));
  EXPECT_TRUE(Checked(f2, "Check3"));
  Fill(f2, DoublyRect);
  Click(f2, "Command1");
  EXPECT_EQ(TextOf(f2, "Text7"), "12.5");
  EXPECT_EQ(TextOf(f2, "Text8"), "360");
  EXPECT_EQ(TextOf(f2, "Text10"), "0.518");
  SaveWindowPng(f2, "brasselt-Form2-choices");
}

TEST_F(BrasseltWindows, AComputeWithChoicesUnmadeSavesAndSaysWhich) {
  QWidget* f2 = FilledForm2("c");
  Click(f2, "Command1");
  ASSERT_EQ(TextOf(f2, "Text13"), "19.81");
  // A fresh program: the choices are 0 again, the old results must go.
  program().m.materials = {};
  program().m.StructuralElement = 0;
  Type(f2, "Text5", "150");
  Click(f2, "Command1");
  EXPECT_EQ(ReadFile("cxgj.dat"), "20,40,0,4,3.5,150,1.2\r\n");
  EXPECT_EQ(TextOf(f2, "Message"), "尚未选取混凝土强度等级、钢筋级别、构件类型，基本资料已保存，未进行计算。");
  for (const char* box : {"Text7", "Text11", "Text13", "Text14", "Text16"}) EXPECT_EQ(TextOf(f2, box), "") << box;
  EXPECT_EQ(TextOf(f2, "Label59"), "");
  EXPECT_EQ(TextOf(f2, "Label60"), "");
}

TEST_F(BrasseltWindows, ImpossibleSectionsAndNonNumbersGetAMessage) {
  QWidget* f2 = FilledForm2("bad");
  Type(f2, "Text1", "0");
  Click(f2, "Command1");
  EXPECT_TRUE(TextOf(f2, "Message").contains("截面宽度 b 应大于 0")) << TextOf(f2, "Message").toStdString();
  EXPECT_EQ(TextOf(f2, "Text13"), "");
  EXPECT_EQ(ReadFile("badxgj.dat"), "0,40,0,4,3.5,160,1.2\r\n");  // saved before computing
  Type(f2, "Text1", "abc");
  Click(f2, "Command1");
  EXPECT_TRUE(TextOf(f2, "Message").contains("不是数字"));
  EXPECT_EQ(ReadFile("badxgj.dat"), "0,40,0,4,3.5,160,1.2\r\n");  // not saved
  QWidget* f4 = Open("Check4", "Option1", "Form4");
  Fill(f4, FlangeT);
  Type(f4, "Text5", "20");  // flange narrower than the web
  Click(f4, "Command1");
  EXPECT_TRUE(TextOf(f4, "Message").contains("不应小于腹板宽度"));
  EXPECT_EQ(TextOf(f4, "Text13"), "");
}

// Results belong to the inputs and choices they were computed from: typing
// into a box, or choosing another grade or element (here or in another
// window), clears them with a message; the same choice clicked again keeps them.
TEST_F(BrasseltWindows, AnEditOrAChangedChoiceClearsTheFlexuralResults) {
  QWidget* f2 = FilledForm2(nullptr);
  auto computed = [&] {
    Click(f2, "Command1");
    return TextOf(f2, "Text13") == "19.81" && !TextOf(f2, "Label60").isEmpty();
  };
  auto cleared = [&](QWidget* w) {
    for (const QString& box : brasselt::FlexuralWindow::ResultNames(w->objectName() == "Form4"))
      EXPECT_EQ(TextOf(w, box), "") << box.toStdString();
    EXPECT_EQ(TextOf(w, "Label59") + TextOf(w, "Label60") + TextOf(w, "Text16") + TextOf(w, "Label63") +
                  TextOf(w, "Label61"),
              "");
    EXPECT_EQ(TextOf(w, "Label52"), "计  算配筋率");
  };
  ASSERT_TRUE(computed());
  Type(f2, "Text5", "150");
  cleared(f2);
  EXPECT_EQ(TextOf(f2, "Message"), shell::Form::DataChangedMessage());
  EXPECT_EQ(TextOf(f2, "Text5"), "150");  // the inputs stay as typed
  SaveWindowPng(f2, "brasselt-Form2-edited");

  Type(f2, "Text5", "160");
  ASSERT_TRUE(computed());
  Click(f2, "Check6");  // the grade in force: nothing changes
  EXPECT_EQ(TextOf(f2, "Text13"), "19.81");
  Click(f2, "Check2");  // slab instead of beam
  cleared(f2);
  EXPECT_EQ(TextOf(f2, "Message"), brasselt::ChoicesChangedMessage());
  Click(f2, "Check1");
  ASSERT_TRUE(computed());
  // A grade chosen in the T window clears the rectangle's results.
  QWidget* f4 = Open("Check4", "Option1", "Form4");
  Click(f4, "Check17");
  cleared(f2);
  EXPECT_EQ(TextOf(f2, "Message"), brasselt::ChoicesChangedMessage());

  // The ratio caption of a result below the minimum goes with it.
  Fill(f2, {{"Text1", "100"}, {"Text2", "12"}, {"Text3", "0"}, {"Text4", "3"},
            {"Text6", "3"}, {"Text5", "3"}, {"Text15", "1.2"}});
  Click(f2, "Check2");
  Click(f2, "Command1");
  ASSERT_EQ(TextOf(f2, "Label52"), "最  小配筋率");
  Type(f2, "Text2", "13");
  cleared(f2);

  // Form4: an edit clears; the element, which it does not use, does not.
  Click(f4, "Check7");
  Fill(f4, FlangeT);
  Click(f4, "Command1");
  ASSERT_FALSE(TextOf(f4, "Text13").isEmpty());
  Click(f2, "Check3");  // column: Form4 designs a beam all the same
  EXPECT_FALSE(TextOf(f4, "Text13").isEmpty());
  EXPECT_EQ(TextOf(f4, "Message"), "");
  Type(f4, "Text18", "290");
  cleared(f4);
  EXPECT_EQ(TextOf(f4, "Message"), shell::Form::DataChangedMessage());
  Click(f4, "Command1");
  ASSERT_FALSE(TextOf(f4, "Text13").isEmpty());
  Click(f4, "Check15");
  cleared(f4);
  EXPECT_EQ(TextOf(f4, "Message"), brasselt::ChoicesChangedMessage());
}

// The columns of a padded caption that hold ink in the rendered window: for
// each given column range [first, first + 2), whether any pixel is dark.
std::vector<bool> InkAt(const QImage& window, QWidget* form, const char* label,
                        const std::vector<int>& columns) {
  auto* l = Find<brasselt::ColumnLabel>(form, label);
  const QRect r(l->mapTo(form, QPoint(0, 0)), l->size());
  std::vector<bool> ink;
  const double dpr = window.devicePixelRatio();
  for (int column : columns) {
    const int x0 = static_cast<int>((r.left() + l->ColumnX(column)) * dpr);
    const int x1 = static_cast<int>((r.left() + l->ColumnX(column + 2)) * dpr);
    bool any = false;
    for (int x = x0; x < x1 && !any; ++x)
      for (int y = static_cast<int>(r.top() * dpr); y < static_cast<int>(r.bottom() * dpr) && !any; ++y)
        any = qGray(window.pixel(x, y)) < 128;
    ink.push_back(any);
  }
  return ink;
}

TEST_F(BrasseltWindows, CoverTableLinesUpItsColumnsAndLeavesClassOneOfTheThickBaseEmpty) {
  QWidget* f2 = Open("Check1", "Option1", "Form2");
  Click(f2, "Command6");
  QWidget* f8 = TopLevel("Form8");
  ASSERT_NE(f8, nullptr);
  EXPECT_EQ(f8->windowTitle(), "混凝土保护层最小厚度表");
  EXPECT_EQ(TextOf(f8, "Label7"), "截面厚度不小于 3 m 的底板及墩墙              40     50     60 ");
  EXPECT_EQ(TextOf(f8, "Label2"), "         构  件  类  别                  环 境 条 件 类 别              ");
  EXPECT_EQ(f8->findChild<QLabel*>("Label3"), nullptr);
  // The same single window from the T window.
  QWidget* f4 = Open("Check4", "Option1", "Form4");
  Click(f4, "Command6");
  EXPECT_EQ(TopLevel("Form8"), f8);
  int forms8 = 0;
  for (QWidget* w : QApplication::topLevelWidgets()) forms8 += w->objectName() == "Form8";
  EXPECT_EQ(forms8, 1);

  SaveWindowPng(f8, "brasselt-Form8");
  const QImage image = f8->grab().toImage();
  // Classes one to four stand at columns 38, 45, 52, 59 of the padded captions
  // (a Chinese character counting two); one column left of each and between
  // them there is nothing.
  const std::vector<int> classes = {38, 45, 52, 59};
  const std::vector<int> gaps = {41, 48, 55};
  EXPECT_EQ(InkAt(image, f8, "Label4", classes), std::vector<bool>({true, true, true, true}));
  EXPECT_EQ(InkAt(image, f8, "Label5", classes), std::vector<bool>({true, true, true, true}));
  EXPECT_EQ(InkAt(image, f8, "Label6", classes), std::vector<bool>({true, true, true, true}));
  EXPECT_EQ(InkAt(image, f8, "Label7", classes), std::vector<bool>({false, true, true, true}));
  for (const char* row : {"Label4", "Label5", "Label6", "Label7"})
    EXPECT_EQ(InkAt(image, f8, row, gaps), std::vector<bool>({false, false, false})) << row;
  // A Chinese character takes two columns of the font's digit width.
  auto* l = Find<brasselt::ColumnLabel>(f8, "Label4");
  EXPECT_EQ(l->Columns(QChar(0x4E8C)), 2);  // 二
  EXPECT_EQ(l->Columns(QLatin1Char('4')), 1);
  EXPECT_EQ(QFontInfo(l->font()).family(), "WenQuanYi Micro Hei Mono");
}

TEST_F(BrasseltWindows, EnvironmentClassWindowShowsItsCaptions) {
  brasselt::Form7* f7 = program().OpenForm7();
  EXPECT_EQ(f7->windowTitle(), "水工砼环境条件类别");
  EXPECT_EQ(TextOf(f7, "Label2"), "    一类——室内正常环境；                                                     ");
  EXPECT_EQ(TextOf(f7, "Label9"), "        (2) 冻融比较严重的三类环境条件的建筑物,可将其环境类别提高为四类 。     ");
  EXPECT_EQ(TextOf(f7, "Label10"), "");
  EXPECT_EQ(TextOf(f7, "Label11"), "");
  EXPECT_EQ(program().OpenForm7(), f7);
  SaveWindowPng(f7, "brasselt-Form7");
}

}  // namespace
