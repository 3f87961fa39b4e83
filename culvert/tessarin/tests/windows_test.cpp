// Tessarin driven through its windows by control name: the main window, the
// sample data of a new project, loading and saving "Vostranet.dat", the
// routing results and the messages where the data cannot be routed.
#include "windows.h"

#include "testsupport.h"

#include <QLineEdit>
#include <QTest>

using namespace testsupport;
using tessarin::Element;

namespace {

// The sample data's file (the window design's texts, as numbers).
const char* const SampleFile =
    "10,9,1\r\n"
    "0,0\r\n0.5,2150\r\n1,4150\r\n1.5,7500\r\n2,11250\r\n2.5,15700\r\n3,21250\r\n3.5,29000\r\n"
    "4,37500\r\n4.5,55000\r\n"
    "0,0\r\n1.91,10\r\n2.5,15\r\n3,20\r\n3.5,25\r\n3.94,30\r\n4.97,40\r\n7.1,50\r\n9.08,60\r\n"
    "0\r\n1\r\n2\r\n2\r\n2.5\r\n2.5\r\n3\r\n3\r\n3.5\r\n3.5\r\n4\r\n5\r\n7\r\n10\r\n22\r\n40\r\n"
    "15\r\n8\r\n5\r\n4\r\n3\r\n2\r\n1.5\r\n1.5\r\n1\r\n";

// Routing of the sample data, from tests/reference/routing_ref.py (the
// shortest text of each single).
const QStringList SampleH = {"0.132", "0.345", "0.396", "0.443", "0.491", "0.539", "0.587", "0.635",
                             "0.683", "0.73",  "0.912", "1.201", "1.686", "2.772", "4.112", "3.752",
                             "1.671", "1.178", "0.767", "0.629", "0.419", "0.303", "0.281", "0.223"};
const QStringList SampleQ = {"0.69109946", "1.8062828", "2.0732985", "2.3193717", "2.5706806",
                             "2.8219895",  "3.0732985", "3.3246074", "3.5759165", "3.8219898",
                             "4.774869",   "6.287958",  "8.827226",  "17.720001", "31.669903",
                             "27.863638",  "8.748692",  "6.167539",  "4.015707",  "3.2931938",
                             "2.1937172",  "1.5863875", "1.4712042", "1.1675394"};
const QStringList SampleV = {"567.6", "1483.5", "1702.8", "1904.8999", "2111.3",  "2306",
                             "2498",  "2690",   "2882",   "3070",      "3798",    "5496.6997",
                             "8895",  "18719.201", "41420", "33284",   "8782.5",  "5342.5996",
                             "3218",  "2666",   "1801.7", "1302.9",    "1208.2999", "958.9"};

class TessarinWindows : public WindowTest<tessarin::CreateForm1> {
 protected:
  QWidget* Open() { return WindowTest::Open({}, "Form2", "Command1"); }

  static QStringList Column(QWidget* w, const char* box) {
    QStringList r;
    for (int i = 1; i <= 24; ++i) r << TextOf(w, Element(box, i));
    return r;
  }
  static bool ResultsBlank(QWidget* w) {
    for (const QString& name : tessarin::ResultBoxNames())
      if (!TextOf(w, name).trimmed().isEmpty()) return false;
    return true;
  }
};

}  // namespace

TEST_F(TessarinWindows, MainWindowNotesAndSymbol) {
  EXPECT_EQ(TextOf(form1_, "Label1"), "Tessarin");
  EXPECT_EQ(TextOf(form1_, "Label2"), "程序编制说明：");
  EXPECT_EQ(TextOf(form1_, "Label9"), "～");  // set by the load handler
  EXPECT_EQ(TextOf(form1_, "Command1"), "输入或显示基本资料");
  EXPECT_EQ(TextOf(form1_, "Command2"), "打印程序编制说明");
  EXPECT_EQ(form1_->windowTitle(), "Form1");
  SaveWindowPng(form1_, "tessarin-Form1");
}

TEST_F(TessarinWindows, NewProjectShowsTheSampleDataAndRoutesItAtOnce) {
  Click(form1_, "Option1");
  QWidget* f2 = Open();
  ASSERT_NE(f2, nullptr);
  EXPECT_EQ(f2->windowTitle(), "Form2");
  EXPECT_EQ(TextOf(f2, "Label1"), "上游水深～容积关系值");
  EXPECT_EQ(TextOf(f2, "Label3"), "上游水深～涵洞过水流量关系值");
  EXPECT_EQ(TextOf(f2, "Label4"), "洪水过程值");
  EXPECT_EQ(TextOf(f2, "Text7"), "10");
  EXPECT_EQ(TextOf(f2, "Text1(2)"), "1.0");
  EXPECT_EQ(TextOf(f2, "Text2(9)"), "55000");
  EXPECT_EQ(TextOf(f2, "Text1(10)"), " ");
  EXPECT_EQ(TextOf(f2, "Text3(8)"), "9.08");
  EXPECT_EQ(TextOf(f2, "Text3(9)"), " ");
  EXPECT_EQ(TextOf(f2, "Text5(15)"), "40");
  EXPECT_EQ(TextOf(f2, "Text5(24)"), "1");
  EXPECT_EQ(TextOf(f2, "Text10"), "1");
  EXPECT_EQ(TextOf(f2, "Label37"),
            "[提示] 1.以上二表关系值的组数可不相同，但各表的组          数值应与表中所填写的组数相同；"
            "                  2.“洪水过程值”表中应将 24 个时段的洪水流          量值填满，时段长一般为 1 "
            "小时；                 3.各表中的上游水深均由涵洞进口底面算起。");
  // The results headings stay blank until the first compute.
  EXPECT_EQ(TextOf(f2, "Label5"), "");
  EXPECT_EQ(TextOf(f2, "Label14"), "");
  EXPECT_TRUE(ResultsBlank(f2));
  SaveWindowPng(f2, "tessarin-Form2-new");

  Click(f2, "Command1");
  EXPECT_EQ(TextOf(f2, "Message"), "");
  EXPECT_EQ(Column(f2, "Text6"), SampleH);
  EXPECT_EQ(Column(f2, "Text11"), SampleQ);
  EXPECT_EQ(Column(f2, "Text9"), SampleV);
  EXPECT_EQ(ReadFile("Vostranet.dat"), SampleFile);  // unnamed project: the bare suffix
  EXPECT_EQ(TextOf(f2, "Label5"), "调洪演算成果");
  const std::pair<const char*, const char*> headings[] = {
      {"Label14", "涵洞泄量"}, {"Label13", "q"},  {"Label12", "(m"},      {"Label10", "3"},
      {"Label9", "/s)"},       {"Label15", "上游水深"}, {"Label8", "h"}, {"Label36", "(m)"},
      {"Label42", "容 积"},    {"Label41", "V"},  {"Label39", "(m"},      {"Label40", "3"},
      {"Label38", ")"}};
  for (const auto& [label, text] : headings) EXPECT_EQ(TextOf(f2, label), QString(text)) << label;
  SaveWindowPng(f2, "tessarin-Form2-computed");
}

TEST_F(TessarinWindows, EditingAnInputTakesAwayTheRoutingOfTheOldData) {
  Click(form1_, "Option1");
  QWidget* f2 = Open();
  for (const char* box : {"Text5(15)", "Text2(3)", "Text8", "Text10"}) {
    Click(f2, "Command1");
    ASSERT_EQ(Column(f2, "Text6"), SampleH) << box;
    const QString typed = TextOf(f2, box);
    Type(f2, box, typed);  // typed again: no longer what was routed
    EXPECT_TRUE(ResultsBlank(f2)) << box;
    EXPECT_EQ(TextOf(f2, "Message"), shell::Form::DataChangedMessage()) << box;
  }
  SaveWindowPng(f2, "tessarin-Form2-edited");
}

TEST_F(TessarinWindows, StoredProjectWithFewerRowsKeepsTheSampleRowsBelow) {
  WriteFile("damVostranet.dat",
            "3,2,0.5\r\n0,0\r\n1,5000\r\n6,90000\r\n0,0\r\n8,40\r\n"
            "0\r\n1\r\n2\r\n3\r\n4\r\n5\r\n6\r\n7\r\n8\r\n9\r\n10\r\n11\r\n12\r\n11\r\n10\r\n9\r\n8\r\n"
            "7\r\n6\r\n5\r\n4\r\n3\r\n2\r\n1\r\n0\r\n");
  Type(form1_, "Text1", "dam");
  Click(form1_, "Option2");
  QWidget* f2 = Open();
  EXPECT_EQ(TextOf(f2, "Message"), "");
  EXPECT_EQ(TextOf(f2, "Text7"), "3");
  EXPECT_EQ(TextOf(f2, "Text8"), "2");
  EXPECT_EQ(TextOf(f2, "Text10"), "0.5");
  EXPECT_EQ(TextOf(f2, "Text1(2)"), "6");
  EXPECT_EQ(TextOf(f2, "Text2(2)"), "90000");
  EXPECT_EQ(TextOf(f2, "Text1(3)"), "1.5");  // the window design's row below
  EXPECT_EQ(TextOf(f2, "Text2(3)"), "7500");
  EXPECT_EQ(TextOf(f2, "Text3(1)"), "8");
  EXPECT_EQ(TextOf(f2, "Text4(1)"), "40");
  EXPECT_EQ(TextOf(f2, "Text3(2)"), "2.5");
  EXPECT_EQ(TextOf(f2, "Text5(12)"), "12");
  EXPECT_EQ(TextOf(f2, "Text5(24)"), "0");

  // Only the counted rows are read and saved.
  Click(f2, "Command1");
  EXPECT_EQ(TextOf(f2, "Message"), "");
  EXPECT_EQ(ReadFile("damVostranet.dat").rfind("3,2,0.5\r\n0,0\r\n1,5000\r\n6,90000\r\n0,0\r\n8,40\r\n0\r\n1\r\n", 0), 0u);
  EXPECT_FALSE(TextOf(f2, "Text6(12)").isEmpty());
}

TEST_F(TessarinWindows, NoOptionChosenReadsTheFileAsAnExistingProject) {
  WriteFile("Vostranet.dat", std::string(SampleFile).replace(0, 6, "10,9,2"));
  QWidget* f2 = Open();
  EXPECT_EQ(TextOf(f2, "Text10"), "2");
  EXPECT_EQ(TextOf(f2, "Text1(2)"), "1");  // read back as a number
}

TEST_F(TessarinWindows, MissingShortOrDamagedFilesFillNothing) {
  struct Case {
    const char* what;
    const char* content;  // nullptr: no file
    const char* words;
  };
  const Case cases[] = {
      {"missing", nullptr, "找不到或无法读取数据文件“pVostranet.dat”"},
      {"short", "3,2,1\r\n0,0\r\n1,5000\r\n6,90000\r\n0,0\r\n8,40\r\n0\r\n1\r\n",
       "内容不全（应有 38 项，只有 15 项）"},
      {"count not a number", "x,2,1\r\n", "组数不是数字"},
      {"count beyond the window", "25,2,1\r\n", "组数 25 超过了表中的 20 行"},
  };
  for (const Case& c : cases) {
    if (c.content) WriteFile("pVostranet.dat", c.content);
    Type(form1_, "Text1", "p");
    QWidget* f2 = Open();
    ASSERT_NE(f2, nullptr);
    EXPECT_NE(TextOf(f2, "Message").indexOf(QString::fromUtf8(c.words)), -1)
        << c.what << ": " << TextOf(f2, "Message").toStdString();
    EXPECT_EQ(TextOf(f2, "Text7"), "10") << c.what;
    EXPECT_EQ(TextOf(f2, "Text1(1)"), "0.5") << c.what;
    EXPECT_EQ(TextOf(f2, "Text5(15)"), "40") << c.what;
    if (c.content) {
      EXPECT_EQ(ReadFile("pVostranet.dat"), c.content) << c.what;
    }
    CloseWindow(f2);
  }
}

TEST_F(TessarinWindows, BoxesThatAreNotNumbersStopBeforeTheSave) {
  Click(form1_, "Option1");
  QWidget* f2 = Open();
  Click(f2, "Command1");  // results on show, file written
  ASSERT_FALSE(ResultsBlank(f2));
  const std::string saved = ReadFile("Vostranet.dat");

  struct Case {
    const char* box;
    const char* text;
    const char* words;
  };
  const Case cases[] = {
      {"Text7", "1O", "“上游水深～容积关系值表的组数”栏中的“1O”不是数字"},
      {"Text10", "nan", "“时段长(小时)”栏中的“nan”不是数字"},
      {"Text2(4)", " ", "“上游水深～容积关系值表第 5 组的容积 V”栏中的（空白）不是数字"},
      {"Text3(0)", "1,5", "“上游水深～涵洞过水流量关系值表第 1 组的上游水深 h”栏中的“1,5”"},
      {"Text5(24)", "inf", "“洪水过程值表第 24 时段的洪水流量 Q”栏中的“inf”不是数字"},
  };
  for (const Case& c : cases) {
    const QString before = TextOf(f2, c.box);
    Type(f2, c.box, QString::fromUtf8(c.text));
    Click(f2, "Command1");
    EXPECT_NE(TextOf(f2, "Message").indexOf(QString::fromUtf8(c.words)), -1)
        << c.box << ": " << TextOf(f2, "Message").toStdString();
    EXPECT_NE(TextOf(f2, "Message").indexOf("未保存"), -1);
    EXPECT_TRUE(ResultsBlank(f2)) << c.box;
    EXPECT_EQ(ReadFile("Vostranet.dat"), saved) << c.box;
    Type(f2, c.box, before);
  }
  // A blank row beyond the count is not read: the sample's row 10 is blank.
  Type(f2, "Text3(9)", "x");
  Click(f2, "Command1");
  EXPECT_EQ(TextOf(f2, "Message"), "");
  EXPECT_EQ(Column(f2, "Text6"), SampleH);
}

TEST_F(TessarinWindows, CountsBeyondTheWindowOrNotWholeAreRefusedBeforeTheSave) {
  Click(form1_, "Option1");
  QWidget* f2 = Open();
  Type(f2, "Text8", "21");
  Click(f2, "Command1");
  EXPECT_NE(TextOf(f2, "Message").indexOf("“上游水深～涵洞过水流量关系值”表的组数 21 超过了表中的 20 行"), -1)
      << TextOf(f2, "Message").toStdString();
  EXPECT_FALSE(FileExists("Vostranet.dat"));
  EXPECT_TRUE(ResultsBlank(f2));

  // A count that is not whole would read the rows up to its integer part
  // and route the flood on fewer rows than meant (2.5 storage rows: two).
  Type(f2, "Text8", "9");
  Click(f2, "Command1");  // the sample: results on show, file written
  ASSERT_EQ(Column(f2, "Text6"), SampleH);
  ASSERT_EQ(ReadFile("Vostranet.dat"), SampleFile);
  struct Case {
    const char* box;
    const char* text;
    const char* words;
  };
  const Case cases[] = {
      {"Text7", "2.5", "“上游水深～容积关系值”表的组数 2.5 不是整数"},
      {"Text8", "9.5", "“上游水深～涵洞过水流量关系值”表的组数 9.5 不是整数"},
      {"Text8", "20.5", "“上游水深～涵洞过水流量关系值”表的组数 20.5 不是整数"},
  };
  for (const Case& c : cases) {
    const QString before = TextOf(f2, c.box);
    Type(f2, c.box, c.text);
    Click(f2, "Command1");
    EXPECT_NE(TextOf(f2, "Message").indexOf(QString::fromUtf8(c.words)), -1)
        << c.text << ": " << TextOf(f2, "Message").toStdString();
    EXPECT_NE(TextOf(f2, "Message").indexOf("未保存，未计算"), -1) << c.text;
    EXPECT_TRUE(ResultsBlank(f2)) << c.text;
    EXPECT_EQ(ReadFile("Vostranet.dat"), SampleFile) << c.text;
    if (std::string(c.text) == "2.5") SaveWindowPng(f2, "tessarin-Form2-count-not-whole");
    Type(f2, c.box, before);
  }

  // A file that an older run stored with the count 9.5 still opens with its
  // nine rows and the count as stored; computing it asks for a whole count.
  CloseWindow(f2);
  WriteFile("Vostranet.dat", std::string(SampleFile).replace(0, 6, "10,9.5,1"));
  Click(form1_, "Option2");
  QWidget* again = Open();
  EXPECT_EQ(TextOf(again, "Message"), "");
  EXPECT_EQ(TextOf(again, "Text8"), "9.5");
  EXPECT_EQ(TextOf(again, "Text3(8)"), "9.08");
  Click(again, "Command1");
  EXPECT_NE(TextOf(again, "Message").indexOf("组数 9.5 不是整数"), -1) << TextOf(again, "Message").toStdString();
  EXPECT_TRUE(ResultsBlank(again));
}

TEST_F(TessarinWindows, APeriodThatBalancesAtTheTablesLastDepthIsShown) {
  // Both tables end at 0.5 m (engine tests): a steady 4 m³/s balances in
  // period 1 where 10820·h > 14400 − 18000·h, h > 0.499653, so at 0.5 m,
  // the last depth, with q 5 m³/s and V 5410 m³; period 2 at 0.376 m.
  Click(form1_, "Option1");
  QWidget* f2 = Open();
  TypeAll(f2, {"Text7", "Text8", "Text1(0)", "Text2(0)", "Text1(1)", "Text2(1)", "Text3(0)", "Text4(0)",
               "Text3(1)", "Text4(1)"},
          {"2", "2", "0", "0", "0.5", "5410", "0", "0", "0.5", "5"});
  for (int k = 0; k <= 24; ++k) Type(f2, Element("Text5", k), "4");
  Click(f2, "Command1");
  EXPECT_EQ(TextOf(f2, "Message"), "");
  EXPECT_EQ(TextOf(f2, "Text6(1)"), "0.5");
  EXPECT_EQ(TextOf(f2, "Text11(1)"), "5");
  EXPECT_EQ(TextOf(f2, "Text9(1)"), "5410");
  EXPECT_EQ(TextOf(f2, "Text6(2)"), "0.376");
  EXPECT_EQ(TextOf(f2, "Text9(2)"), "4068.3198");  // 10820·0.376 as a single
  EXPECT_EQ(TextOf(f2, "Text6(24)"), "0.4");
}

TEST_F(TessarinWindows, DataThatCannotBeRoutedIsSavedAndClearsTheResults) {
  Click(form1_, "Option1");
  QWidget* f2 = Open();
  struct Case {
    const char* box;
    const char* text;
    const char* words;
  };
  const Case cases[] = {
      // Four times the peak needs more than the 4.5 m of the storage table.
      {"Text5(15)", "160", "第 15 时段的上游水深超出了“上游水深～容积关系值”表的最大水深 4.5 m"},
      {"Text1(1)", "0", "第 1 组（0 m）与第 2 组（0 m）不符"},
      // A rating from 0.5 m: period 1 balances below it, where the line of
      // its first two rows gives the culvert a discharge of -0.14 m³/s.
      {"Text3(0)", "0.5", "第 1 时段演算得出的上游水深为"},
      {"Text7", "1", "至少要有 2 组关系值"},
      // A storage relation from 0.45 m: period 1 balances where 43000·(h −
      // 0.45) > 1800 − 1800·(10/1.91)·h, h > 21150/52424.08 = 0.403441, at
      // 0.404 m, where the line of its first two rows holds −1978 m³.
      {"Text1(0)", "0.45",
       "第 1 时段演算得出的上游水深为 0.404 m，“上游水深～容积关系值”表在此水深的容积为负值（-1977.99"},
      {"Text2(5)", "10000", "第 6 组的容积（10000 m³）小于第 5 组的（11250 m³）"},
      {"Text4(8)", "45", "第 9 组的涵洞泄量（45 m³/s）小于第 8 组的（50 m³/s）"},
      {"Text10", "0", "时段长应大于 0"},
  };
  for (const Case& c : cases) {
    Click(f2, "Command1");  // the sample: results on show
    ASSERT_FALSE(ResultsBlank(f2));
    const QString before = TextOf(f2, c.box);
    Type(f2, c.box, c.text);
    Click(f2, "Command1");
    EXPECT_NE(TextOf(f2, "Message").indexOf(QString::fromUtf8(c.words)), -1)
        << c.box << ": " << TextOf(f2, "Message").toStdString();
    EXPECT_TRUE(ResultsBlank(f2)) << c.box;
    // The data were saved before the routing failed.
    EXPECT_NE(ReadFile("Vostranet.dat"), SampleFile) << c.box;
    if (std::string(c.box) == "Text5(15)") SaveWindowPng(f2, "tessarin-Form2-beyond-table");
    if (std::string(c.box) == "Text3(0)") SaveWindowPng(f2, "tessarin-Form2-negative-discharge");
    if (std::string(c.box) == "Text1(0)") SaveWindowPng(f2, "tessarin-Form2-negative-storage");
    if (std::string(c.box) == "Text2(5)") SaveWindowPng(f2, "tessarin-Form2-storage-falls");
    Type(f2, c.box, before);
  }
}

TEST_F(TessarinWindows, RenamingAfterLoadSavesUnderTheNewNameAndTheLeadingBlankStays) {
  auto* name = Find<QLineEdit>(form1_, "Text1");
  name->end(false);
  QTest::keyClicks(name, "a");
  Click(form1_, "Option1");
  QWidget* f2 = Open();
  Click(f2, "Command1");
  EXPECT_TRUE(FileExists(" aVostranet.dat"));
  Type(form1_, "Text1", "b");
  EXPECT_EQ(Open(), f2);  // brought forward, not reloaded
  Click(f2, "Command1");
  EXPECT_TRUE(FileExists("bVostranet.dat"));

  Type(form1_, "Text1", "x/y");
  Click(f2, "Command1");
  EXPECT_NE(TextOf(f2, "Message").indexOf("路径分隔符"), -1);
}

TEST_F(TessarinWindows, SecondOpenBringsTheWindowForwardUnchanged) {
  Click(form1_, "Option1");
  QWidget* f2 = Open();
  Type(f2, "Text5(3)", "9");
  WriteFile("Vostranet.dat", SampleFile);
  Click(form1_, "Option2");
  EXPECT_EQ(Open(), f2);
  EXPECT_EQ(TextOf(f2, "Text5(3)"), "9");
}

TEST_F(TessarinWindows, PrintWithoutAPrinterWritesPdfAndEndClosesEverything) {
  Type(form1_, "Text1", "t");
  Click(form1_, "Option1");
  QWidget* f2 = Open();
  Click(f2, "Command1");
  Click(f2, "Command2");
  EXPECT_EQ(ReadFile("t-Form2.pdf").rfind("%PDF", 0), 0u);
  Click(form1_, "Command2");
  EXPECT_TRUE(FileExists("t-Form1.pdf"));
  Click(f2, "Command3");
  ProcessDeferredDeletes();
  EXPECT_EQ(TopLevel("Form2"), nullptr);
  EXPECT_EQ(TopLevel("Form1"), nullptr);
}

TEST_F(TessarinWindows, AFailedSaveKeepsTheOldFile) {
  WriteFile("Vostranet.dat", "old\r\n");
  Click(form1_, "Option1");
  QWidget* f2 = Open();
  {
    FileSizeLimit fullDisk(8);
    Click(f2, "Command1");
  }
  EXPECT_EQ(ReadFile("Vostranet.dat"), "old\r\n");
  EXPECT_NE(TextOf(f2, "Message").indexOf("原文件未改动"), -1) << TextOf(f2, "Message").toStdString();
}
