// Mirkelt driven through its windows by control name: the basin kind on the
// main window, the stilling-basin window's data file, results, hints and
// messages. Result values are those of the engine tests (reference script).
#include "windows.h"

#include "testsupport.h"

#include <QCheckBox>
#include <QTest>

using namespace testsupport;

namespace {

const QStringList InputBoxes = {"Text1", "Text2", "Text3", "Text4", "Text5", "Text6", "Text20",
                                "Text7", "Text8", "Text10", "Text11", "Text12", "Text22"};
const QStringList ResultBoxes = {"Text13", "Text14", "Text15", "Text16", "Text17", "Text18", "Text19"};

class MirkeltWindows : public WindowTest<mirkelt::CreateForm1> {
 protected:
  QWidget* Open(const QString& kindBox = {}) { return WindowTest::Open(kindBox, "Form4"); }

  // The short culvert of the engine tests, in table order:
  // Q, H, V0, L, D, B, n, i, P, B1, B2, hs, ξ.
  void Fill(QWidget* w, QStringList values = {}) {
    if (values.isEmpty())
      values = {"10", "2", "0.5", "10", "2", "2.5", "2", "0.01", "1", "5.5", "6", "0.5", "0.3"};
    TypeAll(w, InputBoxes.mid(0, values.size()), values);
  }

  // A new project's stilling-basin window with the deepened basin chosen,
  // filled with the short culvert and computed once.
  QWidget* ComputedDeepened() {
    Click(form1_, "Option1");
    QWidget* w = Open("Check1");
    Fill(w);
    Click(w, "Command2");
    return w;
  }

  QStringList Results(QWidget* w) { return TextsOf(w, ResultBoxes); }

  QStringList HintRow(QWidget* w) {
    return TextsOf(w, {"Label77", "Label80", "Label79", "Label83", "Label81", "Text21", "Label84"});
  }
};

}  // namespace

TEST_F(MirkeltWindows, MainWindowFillsItsSymbolsAndShowsTheKindInForce) {
  EXPECT_EQ(TextOf(form1_, "Label17"), "φ");
  EXPECT_EQ(TextOf(form1_, "Label29"), "σ");
  EXPECT_EQ(TextOf(form1_, "Label18"), "α");
  EXPECT_EQ(TextOf(form1_, "Label1"), "Mirkelt");
  SaveWindowPng(form1_, "mirkelt-Form1-new");
  Click(form1_, "Check1");
  Click(form1_, "Check3");
  // Only the box of the kind in force shows its mark.
  EXPECT_FALSE(Find<QCheckBox>(form1_, "Check1")->isChecked());
  EXPECT_TRUE(Find<QCheckBox>(form1_, "Check3")->isChecked());
  Click(form1_, "Check3");  // a second click keeps the kind chosen
  EXPECT_TRUE(Find<QCheckBox>(form1_, "Check3")->isChecked());
  SaveWindowPng(form1_, "mirkelt-Form1-chosen");
}

TEST_F(MirkeltWindows, ComputesEachKindInTheOpenWindow) {
  Click(form1_, "Option1");
  QWidget* f4 = Open("Check1");
  ASSERT_NE(f4, nullptr);
  EXPECT_EQ(TextOf(f4, "Label63"), "ξ");
  EXPECT_EQ(TextOf(f4, "Text1"), "");
  EXPECT_EQ(TextOf(f4, "Text2"), " ");
  EXPECT_EQ(TextOf(f4, "Text22"), "0");
  SaveWindowPng(f4, "mirkelt-Form4-new");
  Fill(f4);
  Click(f4, "Command2");
  EXPECT_EQ(Results(f4), QStringList({"3.68", "0.26", "1.45", "0.57", "0", "8.21", "6.16"}));
  // Tailwater 0.5 m below hk2 = 0.656 m.
  EXPECT_EQ(TextOf(f4, "Label65"), "[提示] 下游水深小于临界水深，消力池以临界水深作为下游控制水深计算，即：");
  EXPECT_EQ(HintRow(f4), QStringList({"计算采用", "h", "s =", "h", "k =", "0.656", "m"}));
  EXPECT_TRUE(Find<QLineEdit>(f4, "Text21")->isVisible());
  EXPECT_TRUE(TextOf(f4, "Message").contains("深挖式消力池")) << TextOf(f4, "Message").toStdString();
  SaveWindowPng(f4, "mirkelt-Form4-deepened");

  // The open window computes the kind chosen last on the main window.
  Click(form1_, "Check2");
  EXPECT_EQ(Open(), f4);
  Click(f4, "Command2");
  EXPECT_EQ(Results(f4), QStringList({"3.11", "0.28", "1.39", "0", "0.6", "7.66", "5.74"}));
  EXPECT_EQ(HintRow(f4), QStringList({"", "", "", "", "", "", ""}));
  EXPECT_FALSE(Find<QLineEdit>(f4, "Text21")->isVisible());
  EXPECT_EQ(TextOf(f4, "Label65"), "");
  EXPECT_TRUE(TextOf(f4, "Message").contains("消力槛式消力池"));

  Click(form1_, "Check3");
  Click(f4, "Command2");
  EXPECT_EQ(Results(f4), QStringList({"3.48", "0.26", "1.45", "0.37", "0.29", "8.21", "6.16"}));
  EXPECT_TRUE(TextOf(f4, "Message").contains("综合式消力池"));
  SaveWindowPng(f4, "mirkelt-Form4-combined");
}

TEST_F(MirkeltWindows, EditingAnInputTakesAwayTheResultsAndTheHint) {
  QWidget* f4 = ComputedDeepened();
  ASSERT_EQ(TextOf(f4, "Text13"), "3.68");
  ASSERT_NE(TextOf(f4, "Label65"), "");
  Type(f4, "Text12", "0.8");  // the tailwater the hint was about
  EXPECT_EQ(Results(f4), QStringList({"", "", "", "", "", "", ""}));
  EXPECT_EQ(HintRow(f4), QStringList({"", "", "", "", "", "", ""}));
  EXPECT_EQ(TextOf(f4, "Label65"), "");
  EXPECT_FALSE(Find<QLineEdit>(f4, "Text21")->isVisible());
  EXPECT_EQ(TextOf(f4, "Message"), shell::Form::DataChangedMessage());
  SaveWindowPng(f4, "mirkelt-Form4-edited");
}

TEST_F(MirkeltWindows, AnotherBasinKindTakesAwayTheResultsOfTheOldOne) {
  QWidget* f4 = ComputedDeepened();
  ASSERT_EQ(TextOf(f4, "Text13"), "3.68");
  ASSERT_NE(TextOf(f4, "Label65"), "");
  // A click on the kind in force changes nothing.
  Click(form1_, "Check1");
  EXPECT_EQ(TextOf(f4, "Text13"), "3.68");
  EXPECT_TRUE(TextOf(f4, "Message").contains("深挖式消力池"));

  // The sill basin chosen on the main window: the deepened basin's results,
  // its hint and its hk2 go, and the message says why.
  Click(form1_, "Check2");
  EXPECT_EQ(Results(f4), QStringList({"", "", "", "", "", "", ""}));
  EXPECT_EQ(HintRow(f4), QStringList({"", "", "", "", "", "", ""}));
  EXPECT_EQ(TextOf(f4, "Label65"), "");
  EXPECT_FALSE(Find<QLineEdit>(f4, "Text21")->isVisible());
  EXPECT_EQ(TextOf(f4, "Message"), "消力池类型已改变，原计算成果已清除，请重新点“显示计算成果”。");
  SaveWindowPng(f4, "mirkelt-Form4-kind-changed");

  // Computed again, the results are the sill basin's; back to the deepened
  // basin clears them once more.
  Click(f4, "Command2");
  EXPECT_EQ(TextOf(f4, "Text17"), "0.6");
  Click(form1_, "Check1");
  EXPECT_EQ(TextOf(f4, "Text17"), "");
  EXPECT_EQ(TextOf(f4, "Message"), "消力池类型已改变，原计算成果已清除，请重新点“显示计算成果”。");
}

TEST_F(MirkeltWindows, RecordIsWrittenInFieldOrderAndReadBackIntoTheSameBoxes) {
  Type(form1_, "Text1", "k");
  Click(form1_, "Option1");
  QWidget* f4 = Open("Check1");
  // hs - P = 2.2 ≥ D: the typed ξ is kept.
  Fill(f4, {"20", "3.5", "0.5", "10", "2", "2.5", "2", "0.01", "1", "5.5", "6", "3.2", "0.5"});
  Click(f4, "Command2");
  // Q, H, V0, L, D, B, i, P, B1, B2, hs, n, ξ
  EXPECT_EQ(ReadFile("khx.dat"), "20,3.5,0.5,10,2,2.5,0.01,1,5.5,6,3.2,2,0.5\r\n");
  EXPECT_EQ(Results(f4), QStringList({"4.49", "0.47", "2.12", "0", "0", "11.38", "8.54"}));
  CloseWindow(f4);

  WriteFile("khx.dat", "7,1.5,0.25,30,1.8,2,0.005,0.75,4.5,5,1.25,2,0.125\r\n");
  Click(form1_, "Option2");
  QWidget* again = Open();
  const QStringList expected = {"7", "1.5", "0.25", "30", "1.8", "2", "2", "0.005", "0.75", "4.5", "5", "1.25", "0.125"};
  for (int i = 0; i < InputBoxes.size(); ++i) EXPECT_EQ(TextOf(again, InputBoxes[i]), expected[i]) << i;
}

TEST_F(MirkeltWindows, LocalLossIsZeroUnlessTheOutletIsSubmerged) {
  Click(form1_, "Option1");
  QWidget* f4 = Open("Check1");
  Fill(f4);  // hs - P = -0.5 < D, ξ typed 0.3
  Click(f4, "Command2");
  EXPECT_EQ(TextOf(f4, "Text22"), "0");
  EXPECT_EQ(ReadFile("hx.dat"), "10,2,0.5,10,2,2.5,0.01,1,5.5,6,0.5,2,0\r\n");
  // hs - P exactly D keeps ξ.
  Type(f4, "Text12", "3");
  Type(f4, "Text22", "0.25");
  Click(f4, "Command2");
  EXPECT_EQ(TextOf(f4, "Text22"), "0.25");
  EXPECT_EQ(ReadFile("hx.dat"), "10,2,0.5,10,2,2.5,0.01,1,5.5,6,3,2,0.25\r\n");
}

TEST_F(MirkeltWindows, SubmergedPressureFlowWithoutLossesSavesAndBlanksTheOldResults) {
  QWidget* f4 = ComputedDeepened();
  ASSERT_EQ(TextOf(f4, "Text13"), "3.68");
  Fill(f4, {"10", "3.5", "0.5", "10", "2", "2.5", "2", "0.01", "1", "5.5", "6", "3.01", "0"});
  Click(f4, "Command2");
  EXPECT_EQ(ReadFile("hx.dat"), "10,3.5,0.5,10,2,2.5,0.01,1,5.5,6,3.01,2,0\r\n");
  EXPECT_EQ(Results(f4), QStringList({"", "", "", "", "", "", ""}));
  EXPECT_EQ(HintRow(f4), QStringList({"", "", "", "", "", "", ""}));
  EXPECT_TRUE(TextOf(f4, "Message").contains("ξ")) << TextOf(f4, "Message").toStdString();
  SaveWindowPng(f4, "mirkelt-Form4-needs-xi");
}

TEST_F(MirkeltWindows, NoKindChosenSavesAndSaysSo) {
  Click(form1_, "Option1");
  QWidget* f4 = Open();  // the window opens with no kind chosen
  ASSERT_NE(f4, nullptr);
  Fill(f4);
  Click(f4, "Command2");
  EXPECT_TRUE(FileExists("hx.dat"));
  EXPECT_EQ(Results(f4), QStringList({"", "", "", "", "", "", ""}));
  EXPECT_TRUE(TextOf(f4, "Message").contains("计算情况选取表"));
}

TEST_F(MirkeltWindows, TextThatIsNotANumberSavesNothingAndBlanksTheResults) {
  WriteFile("hx.dat", "1,2,3,4,5,6,7,8,9,10,11,12,13\r\n");
  Click(form1_, "Option1");
  QWidget* f4 = Open("Check2");
  Fill(f4);
  Click(f4, "Command2");
  ASSERT_EQ(TextOf(f4, "Text17"), "0.6");
  Type(f4, "Text20", "two");
  Click(f4, "Command2");
  EXPECT_EQ(ReadFile("hx.dat"), "10,2,0.5,10,2,2.5,0.01,1,5.5,6,0.5,2,0\r\n");  // from the first compute
  EXPECT_EQ(Results(f4), QStringList({"", "", "", "", "", "", ""}));
  EXPECT_TRUE(TextOf(f4, "Message").contains("孔  数") || TextOf(f4, "Message").contains("孔 数"))
      << TextOf(f4, "Message").toStdString();
  // The new project's blank design text is not a number either.
  QWidget* blank = f4;
  Type(blank, "Text1", "");
  Click(blank, "Command2");
  EXPECT_TRUE(TextOf(blank, "Message").contains("设计流量"));
}

TEST_F(MirkeltWindows, MissingOrShortFileLeavesTheStartingTexts) {
  QWidget* f4 = Open("Check1");  // no option: read as an existing project
  EXPECT_EQ(TextOf(f4, "Text2"), " ");
  EXPECT_TRUE(TextOf(f4, "Message").contains("hx.dat")) << TextOf(f4, "Message").toStdString();
  CloseWindow(f4);
  WriteFile("hx.dat", "1,2,3\r\n");
  QWidget* again = Open();
  EXPECT_EQ(TextOf(again, "Text1"), "");
  EXPECT_FALSE(TextOf(again, "Message").isEmpty());
  EXPECT_EQ(ReadFile("hx.dat"), "1,2,3\r\n");
}

TEST_F(MirkeltWindows, ImpossibleDataAndNonConvergenceShowAMessageAndNoNumbers) {
  QWidget* f4 = ComputedDeepened();
  ASSERT_EQ(TextOf(f4, "Text16"), "0.57");
  Type(f4, "Text11", "0");  // B2
  Click(f4, "Command2");
  EXPECT_EQ(Results(f4), QStringList({"", "", "", "", "", "", ""}));
  EXPECT_EQ(HintRow(f4), QStringList({"", "", "", "", "", "", ""}));
  EXPECT_TRUE(TextOf(f4, "Message").contains("池末端宽"));

  // Passes that cycle (engine tests): a message, no numbers.
  Fill(f4, {"28.8", "2.6", "1.1", "10", "2.5", "3", "1", "0.005", "0.4", "3", "3.5", "1", "0"});
  Click(f4, "Command2");
  EXPECT_EQ(Results(f4), QStringList({"", "", "", "", "", "", ""}));
  EXPECT_TRUE(TextOf(f4, "Message").contains("未收敛"));
  for (const QString& b : ResultBoxes) EXPECT_FALSE(TextOf(f4, b).contains("nan"));
}

TEST_F(MirkeltWindows, HeadTooLowForTheDischargeShowsTheHeadMessageAndNoResults) {
  // One bore 2.5 m x 2.5 m passing 16 m³/s: at d = 0, T = 2.28 m by hand,
  // below the least head 2.50 m that passes q = 6.4 m²/s (engine tests).
  // Before, the window showed T 2.65, hc 1.31, h'' 1.87, d 0, Lj 3.86 and
  // a basin length of 2.89.
  QWidget* f4 = ComputedDeepened();
  ASSERT_EQ(TextOf(f4, "Text16"), "0.57");
  Fill(f4, {"16", "2.2", "0.6", "12", "2.5", "2.5", "1", "0.005", "0", "2.5", "3", "2", "0"});
  Click(f4, "Command2");
  EXPECT_EQ(Results(f4), QStringList({"", "", "", "", "", "", ""}));
  EXPECT_EQ(HintRow(f4), QStringList({"", "", "", "", "", "", ""}));
  EXPECT_TRUE(TextOf(f4, "Message").contains("上游总能头不足以通过设计流量")) << TextOf(f4, "Message").toStdString();
  EXPECT_FALSE(TextOf(f4, "Message").contains("未收敛"));
  // The data were saved before the computation, as for every compute.
  EXPECT_EQ(ReadFile("hx.dat"), "16,2.2,0.6,12,2.5,2.5,0.005,0,2.5,3,2,1,0\r\n");
  SaveWindowPng(f4, "mirkelt-Form4-head-too-low");
}

TEST_F(MirkeltWindows, NoJumpBlanksTheJumpLengths) {
  Click(form1_, "Option1");
  QWidget* f4 = Open("Check2");
  Fill(f4, {"10", "1", "0.5", "10", "2", "2.5", "2", "0.01", "0", "5.5", "5.5", "2", "0.3"});
  Click(f4, "Command2");
  EXPECT_EQ(Results(f4), QStringList({"1.09", "0.99", "0.47", "0", "0", "", ""}));
  EXPECT_TRUE(TextOf(f4, "Message").contains("不产生水跃"));
}

TEST_F(MirkeltWindows, CombinedBasinTreatedAsDeepenedSaysSo) {
  Click(form1_, "Option1");
  QWidget* f4 = Open("Check3");
  Fill(f4, {"2", "1", "0.5", "10", "2", "2.5", "2", "0.01", "0.5", "5.5", "5.5", "0.3", "0"});
  Click(f4, "Command2");
  EXPECT_EQ(Results(f4), QStringList({"1.12", "0.09", "0.5", "0.17", "0", "2.83", "2.12"}));
  EXPECT_TRUE(TextOf(f4, "Message").contains("按单一深挖式消力池计算"));
  SaveWindowPng(f4, "mirkelt-Form4-combined-as-deepened");
}

TEST_F(MirkeltWindows, UnnamedAndRenamedProjects) {
  QWidget* f4 = ComputedDeepened();
  EXPECT_TRUE(FileExists("hx.dat"));
  Type(form1_, "Text1", "b2");
  Click(f4, "Command2");
  EXPECT_TRUE(FileExists("b2hx.dat"));
}

TEST_F(MirkeltWindows, PrintAndEnd) {
  Type(form1_, "Text1", "pr");
  Click(form1_, "Option1");
  QWidget* f4 = Open("Check1");
  Click(f4, "Command1");
  EXPECT_FALSE(TextOf(f4, "Message").isEmpty());
  Click(f4, "Command3");
  ProcessDeferredDeletes();
  EXPECT_EQ(TopLevel("Form4"), nullptr);
  EXPECT_EQ(TopLevel("Form1"), nullptr);
}

TEST_F(MirkeltWindows, ProjectNameThatCannotNameAFileSaysSoAndKeepsTheOldFile) {
  WriteFile("hx.dat", "1,2,3,4,5,6,7,8,9,10,11,12,13\r\n");
  Type(form1_, "Text1", "a/b");
  QWidget* f4 = ComputedDeepened();
  EXPECT_FALSE(TextOf(f4, "Message").isEmpty());
  EXPECT_TRUE(TextOf(f4, "Message").contains("项目名")) << TextOf(f4, "Message").toStdString();
  EXPECT_EQ(ReadFile("hx.dat"), "1,2,3,4,5,6,7,8,9,10,11,12,13\r\n");
  EXPECT_FALSE(FileExists("a/bhx.dat"));
}
