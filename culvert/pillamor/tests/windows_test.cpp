// Pillamor driven through its windows by control name, as an engineer uses
// it: the shell's behaviours (project names, case choice, opening, loading,
// saving, printing) and the case windows' computations and messages.
#include "windows.h"

#include "testsupport.h"

#include <QCheckBox>
#include <QDir>
#include <QRadioButton>
#include <QTest>


using namespace testsupport;

namespace {

class PillamorWindows : public WindowTest<pillamor::CreateForm1> {
 protected:
  // The example pipe of the engine tests, with its first and third box.
  void Fill(QWidget* w, const QString& first, const QString& third) {
    const QStringList values = {first, "100", third, "0.5", "0.4", "0.014", "0.3", "0.1", "0.2", "0.1"};
    TypeAll(w, Numbered("Text", 1, values.size()), values);
  }

  // Fill Form2 with the example pipe, free outflow, and compute.
  void ComputeExample(QWidget* f2) {
    Fill(f2, "2", "1");
    Click(f2, "Option1");
    Click(f2, "Command2");
  }

  QStringList Results(QWidget* w) {
    return TextsOf(w, Numbered("Text", 11, 16));
  }
};

}  // namespace

TEST_F(PillamorWindows, ComputesEachCaseAndShowsThreeDecimals) {
  Click(form1_, "Option1");
  QWidget* f2 = Open("Check4", "Form2");
  ASSERT_NE(f2, nullptr);
  SaveWindowPng(f2, "pillamor-Form2-new");
  ComputeExample(f2);
  // Z = Z1 + Z2 - Zo = 0.807019 + 0.561864 - 0.012742 (worked out by hand).
  EXPECT_EQ(Results(f2), QStringList({"1.356", "0.491", "0.013", "0.807", "0.562", "2.546"}));
  EXPECT_EQ(TextOf(f2, "Message"), "");
  SaveWindowPng(f2, "pillamor-Form2-computed");

  QWidget* f4 = Open("Check7", "Form4");
  ASSERT_NE(f4, nullptr);
  SaveWindowPng(f4, "pillamor-Form4-new");
  Fill(f4, "1.2", "1.2");
  Click(f4, "Command2");  // the free outflow chosen on Form2 holds here too
  // Q = μA√(2gZg) = 2.901635.
  EXPECT_EQ(TextOf(f4, "Text11"), "2.902");
  EXPECT_EQ(TextOf(f4, "Text16"), "2.566");
  SaveWindowPng(f4, "pillamor-Form4-computed");

  QWidget* f3 = Open("Check5", "Form3");
  ASSERT_NE(f3, nullptr);
  SaveWindowPng(f3, "pillamor-Form3-new");
  Fill(f3, "0.3", "1.35");
  Click(f3, "Command2");
  // Diameters between 0.4631 and 0.4649 carry Q within 0.5 %.
  const double D = TextOf(f3, "Text11").toDouble();
  EXPECT_GE(D, 0.463);
  EXPECT_LE(D, 0.465);
  SaveWindowPng(f3, "pillamor-Form3-computed");
  SaveWindowPng(form1_, "pillamor-Form1");
}

TEST_F(PillamorWindows, UnnamedProjectUsesTheBareSuffix) {
  QWidget* f2 = Open("Check4", "Form2");
  ComputeExample(f2);
  EXPECT_EQ(ReadFile("yds.dat"), "2,100,1,0.5,0.4,0.014,0.3,0.1,0.2,0.1\r\n");
}

TEST_F(PillamorWindows, TypedNameKeepsTheLeadingBlankOfTheBox) {
  auto* name = Find<QLineEdit>(form1_, "Text1");
  name->end(false);
  QTest::keyClicks(name, "abc");  // typed after the box's starting blank
  EXPECT_EQ(name->text(), " abc");
  QWidget* f2 = Open("Check4", "Form2");
  ComputeExample(f2);
  EXPECT_TRUE(FileExists(" abcyds.dat"));
  EXPECT_FALSE(FileExists("abcyds.dat"));
}

TEST_F(PillamorWindows, LastCaseBoxClickedWinsAndUncheckingSelects) {
  Click(form1_, "Check4");
  Click(form1_, "Check7");
  EXPECT_TRUE(Find<QCheckBox>(form1_, "Check4")->isChecked());
  EXPECT_TRUE(Find<QCheckBox>(form1_, "Check7")->isChecked());
  Click(form1_, "Command2");
  EXPECT_NE(TopLevel("Form4"), nullptr);
  EXPECT_EQ(TopLevel("Form2"), nullptr);

  Click(form1_, "Check5");
  Click(form1_, "Check5");  // checked and unchecked again: case 2 stays chosen
  EXPECT_FALSE(Find<QCheckBox>(form1_, "Check5")->isChecked());
  Click(form1_, "Command2");
  EXPECT_NE(TopLevel("Form3"), nullptr);
}

TEST_F(PillamorWindows, NoCaseChosenOpensNothing) {
  Click(form1_, "Command2");
  for (const char* f : {"Form2", "Form3", "Form4"}) EXPECT_EQ(TopLevel(f), nullptr);
  EXPECT_EQ(TextOf(form1_, "Message"), "");
}

TEST_F(PillamorWindows, NoProjectOptionReadsTheFileAsAnExistingProject) {
  WriteFile("yds.dat", "3,200,1.5,0.6,0.3,0.013,0.2,0.05,0.1,0\r\n");
  QWidget* f2 = Open("Check4", "Form2");
  EXPECT_EQ(TextOf(f2, "Text1"), "3");
  EXPECT_EQ(TextOf(f2, "Text3"), "1.5");
  EXPECT_EQ(TextOf(f2, "Text6"), "0.013");
  EXPECT_EQ(TextOf(f2, "Text10"), "0");
  EXPECT_EQ(TextOf(f2, "Label76"), "ξ");
  EXPECT_EQ(TextOf(f2, "Label42"), "～");
}

TEST_F(PillamorWindows, NewProjectStartsFromTheStartingTexts) {
  WriteFile("yds.dat", "3,200,1.5,0.6,0.3,0.013,0.2,0.05,0.1,0\r\n");
  Click(form1_, "Option1");
  QWidget* f2 = Open("Check4", "Form2");
  EXPECT_EQ(TextOf(f2, "Text1"), " ");
  EXPECT_EQ(TextOf(f2, "Label35"), "ξ");  // symbols are filled for a new project too
}

TEST_F(PillamorWindows, NumbersReadBackShowTheSameText) {
  Click(form1_, "Option1");
  QWidget* f2 = Open("Check4", "Form2");
  const QStringList typed = {"55000", "0.00001", "0.014", "-0.25", "1.5", "0.014", "0.3", "0", "100000", "2.75"};
  for (int i = 0; i < typed.size(); ++i) Type(f2, QString("Text%1").arg(i + 1), typed[i]);
  Click(f2, "Option1");
  Click(f2, "Command2");
  CloseWindow(f2);
  Click(form1_, "Option2");
  QWidget* again = Open("Check4", "Form2");
  for (int i = 0; i < typed.size(); ++i) EXPECT_EQ(TextOf(again, QString("Text%1").arg(i + 1)), typed[i]);
}

TEST_F(PillamorWindows, SecondOpenBringsTheWindowForwardUnchanged) {
  Click(form1_, "Option1");
  QWidget* f2 = Open("Check4", "Form2");
  Type(f2, "Text1", "7.5");
  WriteFile("yds.dat", "3,200,1.5,0.6,0.3,0.013,0.2,0.05,0.1,0\r\n");
  Click(form1_, "Option2");
  Type(form1_, "Text1", "other");
  QWidget* again = Open("Check4", "Form2");
  EXPECT_EQ(again, f2);
  EXPECT_EQ(TextOf(again, "Text1"), "7.5");
}

TEST_F(PillamorWindows, TwoComputesLeaveTheSecondInputsInTheFile) {
  QWidget* f2 = Open("Check4", "Form2");
  ComputeExample(f2);
  Type(f2, "Text1", "2.5");
  Click(f2, "Command2");
  EXPECT_EQ(ReadFile("yds.dat"), "2.5,100,1,0.5,0.4,0.014,0.3,0.1,0.2,0.1\r\n");
}

TEST_F(PillamorWindows, RenameAfterLoadingSavesUnderTheNewName) {
  Type(form1_, "Text1", "a");
  QWidget* f2 = Open("Check4", "Form2");
  Type(form1_, "Text1", "b");
  ComputeExample(f2);
  EXPECT_TRUE(FileExists("byds.dat"));
  EXPECT_FALSE(FileExists("ayds.dat"));
}

TEST_F(PillamorWindows, ZBoxIsWrittenQuotedAndReadByPosition) {
  Type(form1_, "Text1", "p");
  QWidget* f3 = Open("Check5", "Form3");
  Fill(f3, "5", "2.0");
  Click(f3, "Option1");
  Click(f3, "Command2");
  EXPECT_EQ(ReadFile("pyds.dat"), "5,100,\"2.0\",0.5,0.4,0.014,0.3,0.1,0.2,0.1\r\n");

  // A project last computed in Form2 shows its Q in Form4's Z box.
  QWidget* f2 = Open("Check4", "Form2");
  Fill(f2, "2", "1");
  Click(f2, "Command2");
  QWidget* f4 = Open("Check7", "Form4");
  EXPECT_EQ(TextOf(f4, "Text1"), "2");
  EXPECT_EQ(TextOf(f4, "Text3"), "1");
}

TEST_F(PillamorWindows, OutletChoiceIsOneValueShownInEveryCaseWindow) {
  QWidget* f2 = Open("Check4", "Form2");
  QWidget* f3 = Open("Check5", "Form3");
  Click(f3, "Option2");  // submerged, chosen on Form3
  EXPECT_TRUE(Find<QRadioButton>(f2, "Option2")->isChecked());
  EXPECT_FALSE(Find<QRadioButton>(f2, "Option1")->isChecked());
  Fill(f2, "2", "1");
  Click(f2, "Command2");
  // Z with ξout = (1 - V2/V)² = 0.710515: 1.260463.
  EXPECT_EQ(TextOf(f2, "Text11"), "1.26");
  // A window opened later shows the choice in force.
  QWidget* f4 = Open("Check7", "Form4");
  EXPECT_TRUE(Find<QRadioButton>(f4, "Option2")->isChecked());
  Click(f4, "Option1");
  EXPECT_TRUE(Find<QRadioButton>(f2, "Option1")->isChecked());
  EXPECT_FALSE(Find<QRadioButton>(f2, "Option2")->isChecked());
}

TEST_F(PillamorWindows, OutletChangedElsewhereTakesAwayResultsOfTheOtherOutlet) {
  QWidget* f2 = Open("Check4", "Form2");
  ComputeExample(f2);  // free outflow
  ASSERT_EQ(TextOf(f2, "Text11"), "1.356");
  QWidget* f3 = Open("Check5", "Form3");
  Click(f3, "Option1");  // the choice in force again: the results stay
  EXPECT_EQ(TextOf(f2, "Text11"), "1.356");
  Click(f3, "Option2");  // submerged: Form2 would show it beside free-outflow results
  EXPECT_TRUE(Find<QRadioButton>(f2, "Option2")->isChecked());
  for (int i = 11; i <= 16; ++i) EXPECT_EQ(TextOf(f2, QString("Text%1").arg(i)), "") << i;
  EXPECT_NE(TextOf(f2, "Message").indexOf("出口流态已改变"), -1);
  Click(f3, "Option1");  // back again: nothing comes back that was not computed
  EXPECT_EQ(TextOf(f2, "Text11"), "");
  Click(f2, "Command2");
  EXPECT_EQ(TextOf(f2, "Text11"), "1.356");
  EXPECT_EQ(TextOf(f2, "Message"), "");
}

TEST_F(PillamorWindows, EditingAnInputTakesAwayTheResultsOfTheOldData) {
  const char* const windows[][2] = {{"Check4", "Form2"}, {"Check5", "Form3"}, {"Check7", "Form4"}};
  for (const auto& [caseBox, form] : windows) {
    QWidget* w = Open(caseBox, form);
    ComputeExample(w);
    ASSERT_NE(TextOf(w, "Text11"), "") << form;
    Type(w, "Text2", "100");  // the same length typed again: still not what was computed
    EXPECT_EQ(Results(w), QStringList({"", "", "", "", "", ""})) << form;
    EXPECT_EQ(TextOf(w, "Message"), shell::Form::DataChangedMessage()) << form;
    if (QString(form) == "Form2") SaveWindowPng(w, "pillamor-Form2-edited");
    Click(w, "Option2");  // nothing on show is left to be of the other outlet
    EXPECT_EQ(TextOf(w, "Message"), shell::Form::DataChangedMessage()) << form;
    Click(w, "Option1");
    Click(w, "Command2");
    EXPECT_NE(TextOf(w, "Text11"), "") << form;
    EXPECT_EQ(TextOf(w, "Message"), "") << form;
    // The first case's results are those of the example again (worked out by hand).
    if (QString(form) == "Form2") {
      EXPECT_EQ(Results(w), QStringList({"1.356", "0.491", "0.013", "0.807", "0.562", "2.546"}));
    }
  }
}

TEST_F(PillamorWindows, FailedSaveWithNoOutletChosenDoesNotClaimTheSave) {
  WriteFile("yds.dat", "old\r\n");
  QWidget* f2 = Open("Check4", "Form2");
  Fill(f2, "2", "1");
  {
    FileSizeLimit fullDisk(8);
    Click(f2, "Command2");
  }
  EXPECT_EQ(ReadFile("yds.dat"), "old\r\n");
  const QString message = TextOf(f2, "Message");
  EXPECT_NE(message.indexOf("原文件未改动"), -1) << message.toStdString();
  EXPECT_NE(message.indexOf("出口流态"), -1) << message.toStdString();
  EXPECT_EQ(message.indexOf("已保存"), -1) << message.toStdString();
}

TEST_F(PillamorWindows, NoOutletChosenSavesAndAsksForIt) {
  QWidget* f2 = Open("Check4", "Form2");
  Fill(f2, "2", "1");
  Click(f2, "Command2");
  EXPECT_TRUE(FileExists("yds.dat"));
  EXPECT_NE(TextOf(f2, "Message").indexOf("出口流态"), -1);
  EXPECT_EQ(TextOf(f2, "Text11"), "");
}

TEST_F(PillamorWindows, BoxThatIsNotANumberStopsBeforeTheSave) {
  WriteFile("yds.dat", "3,200,1.5,0.6,0.3,0.013,0.2,0.05,0.1,0\r\n");
  Click(form1_, "Option2");
  QWidget* f3 = Open("Check5", "Form3");
  Click(f3, "Option1");
  Click(f3, "Command2");  // a good compute first fills the results
  ASSERT_NE(TextOf(f3, "Text11"), "");
  const std::string saved = ReadFile("yds.dat");
  ASSERT_EQ(saved, "3,200,\"1.5\",0.6,0.3,0.013,0.2,0.05,0.1,0\r\n");
  struct Case {
    const char* box;
    const char* text;
    const char* heading;
  } cases[] = {{"Text3", "abc", "水头损失 Z"},  // the Z box, kept as text, is checked too
               {"Text6", "nan", "管身糙率 n"},
               {"Text2", "inf", "管 长 L"},
               {"Text10", " ", "弯道局部损失系数 ξ4"}};
  for (const auto& c : cases) {
    Type(f3, c.box, c.text);
    Click(f3, "Command2");
    EXPECT_EQ(ReadFile("yds.dat"), saved) << c.box;
    EXPECT_NE(TextOf(f3, "Message").indexOf(c.heading), -1) << TextOf(f3, "Message").toStdString();
    for (int i = 11; i <= 16; ++i) EXPECT_EQ(TextOf(f3, QString("Text%1").arg(i)), "");
    Type(f3, c.box, "1");
  }
}

TEST_F(PillamorWindows, ArithmeticFailureKeepsTheSavedFileAndShowsNoResults) {
  QWidget* f2 = Open("Check4", "Form2");
  Click(f2, "Option1");
  Fill(f2, "2", "1");
  Click(f2, "Command2");
  ASSERT_EQ(TextOf(f2, "Text11"), "1.356");
  Type(f2, "Text3", "0");  // zero diameter
  Click(f2, "Command2");
  EXPECT_EQ(ReadFile("yds.dat"), "2,100,0,0.5,0.4,0.014,0.3,0.1,0.2,0.1\r\n");
  for (int i = 11; i <= 16; ++i) EXPECT_EQ(TextOf(f2, QString("Text%1").arg(i)), "");
  EXPECT_NE(TextOf(f2, "Message").indexOf("管径"), -1);
  for (int i = 11; i <= 16; ++i) {
    EXPECT_FALSE(TextOf(f2, QString("Text%1").arg(i)).contains("nan", Qt::CaseInsensitive));
    EXPECT_FALSE(TextOf(f2, QString("Text%1").arg(i)).contains("inf", Qt::CaseInsensitive));
  }
}

TEST_F(PillamorWindows, DiameterOutOfRangeShowsNoDiameter) {
  QWidget* f3 = Open("Check5", "Form3");
  Click(f3, "Option1");
  Fill(f3, "2000", "0.1");
  Click(f3, "Command2");
  EXPECT_EQ(TextOf(f3, "Text11"), "");
  EXPECT_NE(TextOf(f3, "Message").indexOf("找不到"), -1);
  SaveWindowPng(f3, "pillamor-Form3-no-diameter");  // the long message wraps within the window
}

TEST_F(PillamorWindows, MissingOrShortFileLeavesTheStartingTexts) {
  Type(form1_, "Text1", "gone");
  QWidget* f2 = Open("Check4", "Form2");
  EXPECT_EQ(TextOf(f2, "Text1"), " ");
  EXPECT_NE(TextOf(f2, "Message").indexOf("goneyds.dat"), -1);
  CloseWindow(f2);

  WriteFile("shortyds.dat", "3,200,1.5\r\n");
  Type(form1_, "Text1", "short");
  f2 = Open("Check4", "Form2");
  EXPECT_EQ(TextOf(f2, "Text1"), " ");  // nothing half-filled
  EXPECT_NE(TextOf(f2, "Message").indexOf("shortyds.dat"), -1);
  EXPECT_NE(TextOf(f2, "Message").indexOf("不全"), -1);
  CloseWindow(f2);

  ASSERT_TRUE(QDir().mkdir("unreadableyds.dat"));  // there, but cannot be read as a file
  Type(form1_, "Text1", "unreadable");
  f2 = Open("Check4", "Form2");
  EXPECT_EQ(TextOf(f2, "Text1"), " ");
  EXPECT_NE(TextOf(f2, "Message").indexOf("unreadableyds.dat"), -1);
}

TEST_F(PillamorWindows, ProjectNameWithAPathSeparatorIsRefused) {
  Type(form1_, "Text1", "../escape");
  QWidget* f2 = Open("Check4", "Form2");
  EXPECT_NE(TextOf(f2, "Message").indexOf("路径分隔符"), -1);
  EXPECT_NE(TextOf(f2, "Message").indexOf("各栏保留初始值"), -1);
  ComputeExample(f2);
  EXPECT_FALSE(FileExists("../escapeyds.dat"));
  EXPECT_NE(TextOf(f2, "Message").indexOf("路径分隔符"), -1);
  EXPECT_NE(TextOf(f2, "Message").indexOf("基本资料未保存"), -1);
}

TEST_F(PillamorWindows, FailedSaveKeepsTheOldFileAndSaysSo) {
  // A full disk (a file-size limit) and a read-only folder (which stops
  // root too here): the file of the last good save stays byte for byte and
  // the message line says the save failed and names the file.
  const std::string old = "3,200,1.5,0.6,0.3,0.013,0.2,0.05,0.1,0\r\n";
  for (const bool fullDisk : {true, false}) {
    WriteFile("yds.dat", old);
    QWidget* f2 = Open("Check4", "Form2");
    Fill(f2, "2", "1");
    Click(f2, "Option1");
    if (fullDisk) {
      FileSizeLimit limit(8);
      Click(f2, "Command2");
    } else {
      ReadOnlyFolder readOnly(dir_.path());
      Click(f2, "Command2");
    }
    EXPECT_EQ(ReadFile("yds.dat"), old) << fullDisk;
    const QString message = TextOf(f2, "Message");
    EXPECT_NE(message.indexOf("yds.dat"), -1) << message.toStdString();
    EXPECT_NE(message.indexOf("原文件未改动"), -1) << message.toStdString();
    CloseWindow(f2);
  }
}

TEST_F(PillamorWindows, PrintWithoutAPrinterWritesTheWindowImageAsPdf) {
  Type(form1_, "Text1", "p1");
  QWidget* f2 = Open("Check4", "Form2");
  Click(f2, "Command1");
  const std::string pdf = ReadFile("p1-Form2.pdf");
  ASSERT_FALSE(pdf.empty());
  EXPECT_EQ(pdf.rfind("%PDF", 0), 0u);
  EXPECT_NE(pdf.find("/Subtype /Image"), std::string::npos);
  EXPECT_NE(TextOf(f2, "Message").indexOf("p1-Form2.pdf"), -1);

  Click(form1_, "Command1");  // the notes
  EXPECT_TRUE(FileExists("p1-Form1.pdf"));
}

TEST_F(PillamorWindows, EndButtonClosesEveryWindow) {
  QWidget* f2 = Open("Check4", "Form2");
  Open("Check5", "Form3");
  Click(f2, "Command3");
  ProcessDeferredDeletes();
  for (const char* f : {"Form1", "Form2", "Form3"}) EXPECT_EQ(TopLevel(f), nullptr) << f;
}

TEST_F(PillamorWindows, ClosedWindowLoadsAgainFromTheFile) {
  QWidget* f2 = Open("Check4", "Form2");
  ComputeExample(f2);
  CloseWindow(f2);
  QWidget* again = Open("Check4", "Form2");
  EXPECT_EQ(TextOf(again, "Text1"), "2");
  EXPECT_EQ(TextOf(again, "Text11"), " ");  // results are never saved
}
