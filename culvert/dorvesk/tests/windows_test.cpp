// Dorvesk driven through its windows by control name: the case table, the
// per-case project names, loading and saving the case files, the four
// computations, the pressure-flow hint and the messages for impossible data.
// Result values come from tests/reference/circular_ref.py.
#include "windows.h"

#include "testsupport.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>

using namespace testsupport;

namespace {

class DorveskWindows : public WindowTest<dorvesk::CreateForm1> {
 protected:
  // The example culvert, with the case's third and fifth box.
  void Fill(QWidget* w, const QString& third, const QString& fifth) {
    const QStringList values = {"2", "100", third, "0.15", fifth, "0.014", "0.8", "0.4"};
    TypeAll(w, Numbered("Text", 1, values.size()), values);
  }

  QStringList Results(QWidget* w) {
    return TextsOf(w, Numbered("Text", 11, 15));
  }
};

struct WindowCase {
  const char* box;
  const char* form;
  const char* title;
  const char* third;
  const char* fifth;
  const char* file;  // the untyped name is the box's starting blank, which leads the name
  QStringList results;  // Text11 .. Text15
  const char* tilde;    // Label70
};

TEST_F(DorveskWindows, EachCaseComputesSavesAndShows) {
  const WindowCase cases[] = {
      {"Check4", "Form6", "计算纵坡及水头损失", "0.8", "1.5", " yh1.dat",
       {"0.218", "0.299", "0.114", "0.403", "334.3"}, "～"},
      {"Check5", "Form7", "计算洞径及水头损失", "0.8", "1000", " yh2.dat",
       {"0.069", "0.1", "0.036", "0.133", "2.9"}, " ～"},
      {"Check7", "Form8", "计算洞径及纵坡", "0.8", "0.2", " yh3.dat",
       {"0.11", "0.147", "0.057", "2.235", "679.6"}, "～"},
      {"Check1", "Form2", "  ", "1.5", "1000", " yh4.dat",
       {"0.067", "0.1", "0.035", "0.132", "1.185"}, " ～"},
  };
  Click(form1_, "Option1");
  SaveWindowPng(form1_, "dorvesk-Form1");
  for (const WindowCase& c : cases) {
    QWidget* w = Open(c.box, c.form);
    ASSERT_NE(w, nullptr) << c.form;
    EXPECT_EQ(w->windowTitle(), QString(c.title));
    EXPECT_EQ(TextOf(w, "Text1"), " ");
    EXPECT_EQ(TextOf(w, "Label61"), "ξ");
    EXPECT_EQ(TextOf(w, "Label9"), "ξ");
    EXPECT_EQ(TextOf(w, "Label70"), QString(c.tilde));
    EXPECT_EQ(TextOf(w, "Label79"), "～");
    SaveWindowPng(w, std::string("dorvesk-") + c.form + "-new");
    Fill(w, c.third, c.fifth);
    Click(w, "Command2");
    EXPECT_EQ(TextOf(w, "Message"), "") << c.form;
    EXPECT_EQ(Results(w), c.results) << c.form;
    EXPECT_EQ(ReadFile(c.file),
              std::string("2,100,") + c.third + ",0.15," + c.fifth + ",0.014,0.8,0.4\r\n");
    SaveWindowPng(w, std::string("dorvesk-") + c.form + "-computed");
  }
}

TEST_F(DorveskWindows, EachCaseWindowTakesTheNameAtItsOpenClick) {
  Click(form1_, "Option1");
  Type(form1_, "Text1", "abc");
  QWidget* f2 = Open("Check1", "Form2");
  Fill(f2, "1.5", "1000");
  Type(form1_, "Text1", "xyz");  // no change handler: the open window keeps abc
  Click(f2, "Command2");
  EXPECT_TRUE(FileExists("abcyh4.dat"));
  EXPECT_FALSE(FileExists("xyzyh4.dat"));

  // Opening the same case again takes the new name but does not reload.
  Click(form1_, "Command2");
  EXPECT_EQ(TopLevel("Form2"), f2);
  EXPECT_EQ(TextOf(f2, "Text3"), "1.5");
  Type(f2, "Text3", "2");
  Click(f2, "Command2");
  EXPECT_EQ(ReadFile("xyzyh4.dat"), "2,100,2,0.15,1000,0.014,0.8,0.4\r\n");
  EXPECT_EQ(ReadFile("abcyh4.dat"), "2,100,1.5,0.15,1000,0.014,0.8,0.4\r\n");

  // Another case's window has a name of its own.
  Type(form1_, "Text1", "k1");
  QWidget* f6 = Open("Check4", "Form6");
  Fill(f6, "0.8", "1.5");
  Click(f6, "Command2");
  EXPECT_TRUE(FileExists("k1yh1.dat"));
  Click(f2, "Command2");
  EXPECT_FALSE(FileExists("k1yh4.dat"));
}

TEST_F(DorveskWindows, ExistingProjectLoadsItsCaseFile) {
  WriteFile("p7yh2.dat", "3,200,1.1,0.1,1500,0.013,0.6,0.5\r\n");
  Type(form1_, "Text1", "p7");
  Click(form1_, "Option2");
  QWidget* f7 = Open("Check5", "Form7");
  const QStringList expected = {"3", "200", "1.1", "0.1", "1500", "0.013", "0.6", "0.5"};
  for (int i = 0; i < expected.size(); ++i)
    EXPECT_EQ(TextOf(f7, QString("Text%1").arg(i + 1)), expected[i]);
  EXPECT_EQ(TextOf(f7, "Text11"), " ");
}

TEST_F(DorveskWindows, MissingOrShortFileSaysSoAndKeepsTheBoxes) {
  Type(form1_, "Text1", "");  // an emptied name: the bare suffix
  QWidget* f8 = Open("Check7", "Form8");  // no option: read as an existing project
  EXPECT_NE(TextOf(f8, "Message").indexOf("yh3.dat"), -1);
  EXPECT_EQ(TextOf(f8, "Text1"), " ");
  EXPECT_EQ(TextOf(f8, "Label61"), "ξ");

  WriteFile("yh1.dat", "2,100,0.8\r\n");
  QWidget* f6 = Open("Check4", "Form6");
  EXPECT_NE(TextOf(f6, "Message").indexOf("yh1.dat"), -1);
  EXPECT_EQ(TextOf(f6, "Text1"), " ");
  EXPECT_EQ(ReadFile("yh1.dat"), "2,100,0.8\r\n");
}

TEST_F(DorveskWindows, NoCaseChosenOpensNothing) {
  Click(form1_, "Command2");
  for (const char* f : {"Form2", "Form6", "Form7", "Form8"}) EXPECT_EQ(TopLevel(f), nullptr);
}

TEST_F(DorveskWindows, LastCaseBoxClickedWins) {
  Click(form1_, "Check1");
  Click(form1_, "Check5");
  EXPECT_TRUE(Find<QCheckBox>(form1_, "Check1")->isChecked());
  Click(form1_, "Command2");
  EXPECT_NE(TopLevel("Form7"), nullptr);
  EXPECT_EQ(TopLevel("Form2"), nullptr);
}

TEST_F(DorveskWindows, PressureFlowShowsTheHintAndNoOldResults) {
  Click(form1_, "Option1");
  QWidget* f2 = Open("Check1", "Form2");
  Fill(f2, "1.5", "1000");
  Click(f2, "Command2");
  ASSERT_EQ(TextOf(f2, "Text15"), "1.185");

  Type(f2, "Text1", "10");  // more than the section carries part full
  Click(f2, "Command2");
  EXPECT_EQ(TextOf(f2, "Label15"),
            "提示： 管径偏小 、纵坡偏缓，管内为压力流，欲形成无压流态需加大管径或纵坡");
  EXPECT_EQ(Results(f2), QStringList({"", "", "", "", ""}));
  EXPECT_EQ(ReadFile(" yh4.dat"), "10,100,1.5,0.15,1000,0.014,0.8,0.4\r\n");
  SaveWindowPng(f2, "dorvesk-Form2-pressure");

  Type(f2, "Text1", "2");
  Click(f2, "Command2");
  EXPECT_EQ(TextOf(f2, "Label15"), "");
  EXPECT_EQ(TextOf(f2, "Text15"), "1.185");
}

TEST_F(DorveskWindows, EditingAnInputTakesAwayTheResultsAndTheHint) {
  Click(form1_, "Option1");
  QWidget* f2 = Open("Check1", "Form2");
  Fill(f2, "1.5", "1000");
  Click(f2, "Command2");
  ASSERT_EQ(TextOf(f2, "Text15"), "1.185");
  Type(f2, "Text7", "0.9");
  EXPECT_EQ(Results(f2), QStringList({"", "", "", "", ""}));
  EXPECT_EQ(TextOf(f2, "Message"), shell::Form::DataChangedMessage());

  Type(f2, "Text1", "10");  // pressure flow: the hint line holds the verdict
  Click(f2, "Command2");
  ASSERT_NE(TextOf(f2, "Label15").trimmed(), "");
  Type(f2, "Text1", "2");
  EXPECT_EQ(TextOf(f2, "Label15").trimmed(), "");
  EXPECT_EQ(TextOf(f2, "Message"), shell::Form::DataChangedMessage());
  SaveWindowPng(f2, "dorvesk-Form2-edited");
}

TEST_F(DorveskWindows, ImpossibleDataGivesAMessageAndBlankResults) {
  Click(form1_, "Option1");
  QWidget* f6 = Open("Check4", "Form6");
  Fill(f6, "0.8", "1.5");
  Click(f6, "Command2");
  ASSERT_EQ(TextOf(f6, "Text15"), "334.3");

  Type(f6, "Text3", "1.6");  // deeper than the diameter
  Click(f6, "Command2");
  EXPECT_NE(TextOf(f6, "Message").indexOf("大于洞径"), -1);
  EXPECT_EQ(Results(f6), QStringList({"", "", "", "", ""}));
  EXPECT_EQ(ReadFile(" yh1.dat"), "2,100,1.6,0.15,1.5,0.014,0.8,0.4\r\n");  // saved before computing

  Type(f6, "Text6", "0");
  Click(f6, "Command2");
  EXPECT_NE(TextOf(f6, "Message").indexOf("糙率"), -1);

  QWidget* f8 = Open("Check7", "Form8");
  Fill(f8, "0.8", "-0.05");  // below what any diameter reaches
  Click(f8, "Command2");
  EXPECT_NE(TextOf(f8, "Message").indexOf("达不到"), -1);
  EXPECT_EQ(Results(f8), QStringList({"", "", "", "", ""}));
  // The limit −0.55·0.835²/19.62 = −0.019545 in full: −0.0197 is not
  // above it (to 3 decimals it would read −0.02, which −0.0197 is above).
  Type(f8, "Text7", "0.835");
  Type(f8, "Text5", "-0.0197");
  Click(f8, "Command2");
  EXPECT_NE(TextOf(f8, "Message").indexOf("允许水头损失 Z 不大于 -0.0195450427422374 m"), -1)
      << TextOf(f8, "Message").toStdString();
  EXPECT_EQ(Results(f8), QStringList({"", "", "", "", ""}));
  SaveWindowPng(f8, "dorvesk-Form8-unreachable");
}

TEST_F(DorveskWindows, TextThatIsNoNumberSavesNothing) {
  Click(form1_, "Option1");
  QWidget* f7 = Open("Check5", "Form7");
  Fill(f7, "0.8", "1000");
  Click(f7, "Command2");
  ASSERT_EQ(TextOf(f7, "Text15"), "2.9");
  const std::string saved = ReadFile(" yh2.dat");
  ASSERT_FALSE(saved.empty());
  Type(f7, "Text5", "1/1000");
  Click(f7, "Command2");
  EXPECT_NE(TextOf(f7, "Message").indexOf("洞身纵坡"), -1);
  EXPECT_EQ(ReadFile(" yh2.dat"), saved);
  EXPECT_EQ(Results(f7), QStringList({"", "", "", "", ""}));
}

TEST_F(DorveskWindows, ASlowCulvertShowsNegativeLosses) {
  Click(form1_, "Option1");
  QWidget* f6 = Open("Check4", "Form6");
  const QStringList values = {"2", "100", "1.2", "0.15", "2", "0.014", "3", "0.4"};
  TypeAll(f6, Numbered("Text", 1, values.size()), values);
  Click(f6, "Command2");
  EXPECT_EQ(Results(f6), QStringList({"-0.467", "0.044", "-0.244", "-0.179", "2255.2"}));
}

TEST_F(DorveskWindows, PrintWritesThePageAndEndClosesEverything) {
  Type(form1_, "Text1", "q");
  QWidget* f6 = Open("Check4", "Form6");
  Click(f6, "Command1");
  EXPECT_EQ(ReadFile("q-Form6.pdf").rfind("%PDF", 0), 0u);
  Open("Check1", "Form2");
  Click(f6, "Command3");
  ProcessDeferredDeletes();
  for (const char* f : {"Form1", "Form2", "Form6"}) EXPECT_EQ(TopLevel(f), nullptr) << f;
}

}  // namespace
