// Runsavel driven through its windows by control name: the case table, the
// per-case project names, the width kept as typed in the depth case's file,
// the three computations and the messages for impossible data. Result values
// come from tests/reference/channel_ref.py.
#include "windows.h"

#include "testsupport.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>

using namespace testsupport;

namespace {

class RunsavelWindows : public WindowTest<runsavel::CreateForm1> {
 protected:
  // The example channel, with the case's third and fifth box.
  void Fill(QWidget* w, const QString& third, const QString& fifth) {
    const QStringList values = {"3", "80", third, "0.15", fifth, "0.014", "0.8", "0.4"};
    TypeAll(w, Numbered("Text", 1, values.size()), values);
  }

  QStringList Results(QWidget* w) {
    return TextsOf(w, Numbered("Text", 17, 21));
  }
};

const QStringList kBlank = {"", "", "", "", ""};

struct WindowCase {
  const char* box;
  const char* form;
  const char* third;
  const char* fifth;
  const char* file;
  const char* record;   // the third and fifth field as written
  QStringList results;  // Text17 .. Text21
  const char* tilde;    // Label70
};

TEST_F(RunsavelWindows, EachCaseComputesSavesAndShows) {
  const WindowCase cases[] = {
      {"Check4", "Form6", "1.2", "1000", "rjh1.dat", "1.2,0.15,1000",
       {"0.083", "0.08", "0.044", "0.12", "1.74"}, "～"},
      {"Check5", "Form7", "1.2", "0.15", "rjh2.dat", "1.2,0.15,0.15",
       {"0.104", "0.101", "0.054", "793", "1.61"}, " ～"},
      {"Check1", "Form8", "2", "1000", "rjh3.dat", "\"2\",0.15,1000",
       {"0.084", "0.08", "0.044", "0.12", "1.04"}, "～"},
  };
  Type(form1_, "Text1", "r");
  Click(form1_, "Option1");
  SaveWindowPng(form1_, "runsavel-Form1");
  for (const WindowCase& c : cases) {
    QWidget* w = Open(c.box, c.form);
    ASSERT_NE(w, nullptr) << c.form;
    EXPECT_EQ(w->windowTitle(), QString(c.form));
    EXPECT_EQ(TextOf(w, "Text1"), " ");
    EXPECT_EQ(TextOf(w, "Label61"), "ξ");
    EXPECT_EQ(TextOf(w, "Label62"), "ξ");
    EXPECT_EQ(TextOf(w, "Label70"), QString(c.tilde));
    EXPECT_EQ(TextOf(w, "Label79"), "～");
    EXPECT_EQ(FindOptional<QLabel>(w, "Label15"), nullptr);  // no hint line
    SaveWindowPng(w, std::string("runsavel-") + c.form + "-new");
    Fill(w, c.third, c.fifth);
    Click(w, "Command2");
    EXPECT_EQ(TextOf(w, "Message"), "") << c.form;
    EXPECT_EQ(Results(w), c.results) << c.form;
    EXPECT_EQ(ReadFile(c.file), std::string("3,80,") + c.record + ",0.014,0.8,0.4\r\n");
    SaveWindowPng(w, std::string("runsavel-") + c.form + "-computed");
  }
}

TEST_F(RunsavelWindows, TheWidthComesBackExactlyAsTyped) {
  Type(form1_, "Text1", "w");
  Click(form1_, "Option1");
  QWidget* f8 = Open("Check1", "Form8");
  Fill(f8, "2.50", "1000");
  Click(f8, "Command2");
  EXPECT_EQ(ReadFile("wjh3.dat"), "3,80,\"2.50\",0.15,1000,0.014,0.8,0.4\r\n");
  CloseWindow(f8);

  Click(form1_, "Option2");
  QWidget* again = Open("Check1", "Form8");
  ASSERT_NE(again, nullptr);
  EXPECT_EQ(TextOf(again, "Text3"), "2.50");
  EXPECT_EQ(TextOf(again, "Text1"), "3");
  EXPECT_EQ(TextOf(again, "Text17"), " ");  // results are never saved
}

TEST_F(RunsavelWindows, AWidthThatIsNoNumberIsSavedAsTypedAndNotComputed) {
  Type(form1_, "Text1", "w");
  Click(form1_, "Option1");
  QWidget* f8 = Open("Check1", "Form8");
  Fill(f8, "2", "1000");
  Click(f8, "Command2");
  ASSERT_EQ(TextOf(f8, "Text21"), "1.04");
  Find<QLineEdit>(f8, "Text3")->setText("2米");  // typed through an input method
  Click(f8, "Command2");
  EXPECT_NE(TextOf(f8, "Message").indexOf("洞身宽度 B"), -1);
  EXPECT_EQ(Results(f8), kBlank);
  EXPECT_EQ(ReadFile("wjh3.dat"), "3,80,\"2米\",0.15,1000,0.014,0.8,0.4\r\n");
}

TEST_F(RunsavelWindows, AnyOtherBoxThatIsNoNumberSavesNothing) {
  Type(form1_, "Text1", "w");
  Click(form1_, "Option1");
  QWidget* f8 = Open("Check1", "Form8");
  Fill(f8, "2", "1000");
  Click(f8, "Command2");
  const std::string saved = ReadFile("wjh3.dat");
  Type(f8, "Text6", "");
  Click(f8, "Command2");
  EXPECT_NE(TextOf(f8, "Message").indexOf("槽身糙率"), -1);
  EXPECT_EQ(ReadFile("wjh3.dat"), saved);
  EXPECT_EQ(Results(f8), kBlank);
}

TEST_F(RunsavelWindows, EachCaseWindowTakesTheNameAtItsOpenClick) {
  Click(form1_, "Option1");
  Type(form1_, "Text1", "a");
  QWidget* f6 = Open("Check4", "Form6");
  Fill(f6, "1.2", "1000");
  Type(form1_, "Text1", "b");  // the change handler does nothing
  Click(f6, "Command2");
  EXPECT_TRUE(FileExists("ajh1.dat"));
  Click(form1_, "Command2");  // the same case again: the new name, no reload
  EXPECT_EQ(TopLevel("Form6"), f6);
  EXPECT_EQ(TextOf(f6, "Text3"), "1.2");
  Click(f6, "Command2");
  EXPECT_TRUE(FileExists("bjh1.dat"));
}

TEST_F(RunsavelWindows, ExistingProjectLoadsItsCaseFileAndAMissingOneSaysSo) {
  WriteFile("pjh2.dat", "10,200,1.5,0.2,0.3,0.013,1,0.5\r\n");
  Type(form1_, "Text1", "p");
  QWidget* f7 = Open("Check5", "Form7");  // no option: read as an existing project
  EXPECT_EQ(TextOf(f7, "Text5"), "0.3");
  Click(f7, "Command2");
  EXPECT_EQ(Results(f7), QStringList({"0.188", "0.19", "0.079", "1053", "3.3"}));

  QWidget* f6 = Open("Check4", "Form6");
  EXPECT_NE(TextOf(f6, "Message").indexOf("pjh1.dat"), -1);
  EXPECT_EQ(TextOf(f6, "Text1"), " ");
}

TEST_F(RunsavelWindows, EditingAnInputTakesAwayTheResultsOfTheOldData) {
  Click(form1_, "Option1");
  for (const auto& [caseBox, form] : {std::pair{"Check4", "Form6"}, {"Check1", "Form8"}}) {
    QWidget* w = Open(caseBox, form);
    Fill(w, QString(form) == "Form6" ? "1.2" : "2", "1000");
    Click(w, "Command2");
    ASSERT_NE(TextOf(w, "Text21"), "") << form;
    Type(w, "Text3", QString(form) == "Form6" ? "1.3" : "2.5");
    EXPECT_EQ(Results(w), kBlank) << form;
    EXPECT_EQ(TextOf(w, "Message"), shell::Form::DataChangedMessage()) << form;
  }
  SaveWindowPng(TopLevel("Form8"), "runsavel-Form8-edited");
}

TEST_F(RunsavelWindows, ImpossibleDataGivesAMessageAndBlankResults) {
  Click(form1_, "Option1");
  QWidget* f6 = Open("Check4", "Form6");
  Fill(f6, "1.2", "1000");
  Click(f6, "Command2");
  ASSERT_EQ(TextOf(f6, "Text21"), "1.74");
  Type(f6, "Text3", "5");  // a width below h/3 would be needed
  Type(f6, "Text5", "20");
  Click(f6, "Command2");
  EXPECT_NE(TextOf(f6, "Message").indexOf("1/3"), -1);
  EXPECT_EQ(Results(f6), kBlank);
  SaveWindowPng(f6, "runsavel-Form6-narrow");

  QWidget* f7 = Open("Check5", "Form7");
  Fill(f7, "1.2", "0");
  Click(f7, "Command2");
  EXPECT_NE(TextOf(f7, "Message").indexOf("允许水头损失"), -1);
  EXPECT_EQ(Results(f7), kBlank);

  QWidget* f8 = Open("Check1", "Form8");
  Fill(f8, "2", "1000");
  Type(f8, "Text1", "500");  // deeper than 10 m
  Click(f8, "Command2");
  EXPECT_NE(TextOf(f8, "Message").indexOf("10 m"), -1);
  EXPECT_EQ(Results(f8), kBlank);
}

TEST_F(RunsavelWindows, ASlopeSearchShortOfItsToleranceSaysSo) {
  Click(form1_, "Option1");
  QWidget* f7 = Open("Check5", "Form7");
  const QStringList values = {"3", "80", "1.2", "0.5", "0.02", "0.014", "1.5", "0.5"};
  TypeAll(f7, Numbered("Text", 1, values.size()), values);
  Click(f7, "Command2");
  EXPECT_EQ(TextOf(f7, "Text20"), "4000");
  EXPECT_EQ(TextOf(f7, "Text21"), "2.93");
  EXPECT_NE(TextOf(f7, "Message").indexOf("0.002 m"), -1);
  SaveWindowPng(f7, "runsavel-Form7-short");
}

TEST_F(RunsavelWindows, NoCaseChosenOpensNothingAndEndClosesEverything) {
  Click(form1_, "Command2");
  for (const char* f : {"Form6", "Form7", "Form8"}) EXPECT_EQ(TopLevel(f), nullptr);
  Click(form1_, "Check5");
  Click(form1_, "Check5");  // unchecked again: case 2 stays chosen
  EXPECT_FALSE(Find<QCheckBox>(form1_, "Check5")->isChecked());
  QWidget* f7 = Open("Check5", "Form7");
  ASSERT_NE(f7, nullptr);
  Click(f7, "Command1");
  EXPECT_EQ(ReadFile(" -Form7.pdf").rfind("%PDF", 0), 0u);
  Click(f7, "Command3");
  ProcessDeferredDeletes();
  for (const char* f : {"Form1", "Form7"}) EXPECT_EQ(TopLevel(f), nullptr) << f;
}

}  // namespace
