#include "datafile.h"
#include "numbers.h"
#include "testsupport.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <sys/stat.h>
#include <unistd.h>

using namespace shell;
using testsupport::InScratchDir;
using testsupport::ReadFile;
using testsupport::WriteFile;

TEST(DataFileFormat, OneLineOfFieldsPerWrite) {
  const std::string text = FormatDataFile({{Field::Num(0.014f), Field::Num(55000), Field::Str("1.5"),
                                            Field::None(), Field::Num(-0.25f)},
                                           {Field::Num(0.00001f)}});
  EXPECT_EQ(text, "0.014,55000,\"1.5\",,-0.25\r\n0.00001\r\n");
}

TEST(DataFileFormat, FieldsReadBackAcrossLinesInOrder) {
  for (const char* content : {"0.014,55000,\"1.5\",,-0.25\r\n0.00001\r\n",
                              "0.014,55000,\"1.5\",,-0.25\n0.00001\n",
                              "0.014 , 55000,\"1.5\",,-0.25\n\n0.00001"}) {
    auto f = ParseDataFile(content);
    ASSERT_EQ(f.size(), 6u) << content;
    EXPECT_EQ(f[0].kind, Field::Kind::Number);
    EXPECT_EQ(f[0].number, 0.014f);
    EXPECT_EQ(f[1].number, 55000.0f);
    EXPECT_EQ(f[2].kind, Field::Kind::Text);
    EXPECT_EQ(f[2].text, "1.5");
    EXPECT_EQ(f[3].kind, Field::Kind::Empty);
    EXPECT_EQ(f[4].number, -0.25f);
    EXPECT_EQ(f[5].number, 0.00001f);
  }
}

TEST(DataFileFormat, EmptyFieldsAtTheEdgesOfALine) {
  auto f = ParseDataFile(",1,\r\n");
  ASSERT_EQ(f.size(), 3u);
  EXPECT_EQ(f[0].kind, Field::Kind::Empty);
  EXPECT_EQ(f[1].number, 1.0f);
  EXPECT_EQ(f[2].kind, Field::Kind::Empty);
}

TEST(DataFileFormat, QuotesAndOddFields) {
  auto f = ParseDataFile("\"a,b\",\"say \"\"hi\"\"\",abc,\"\"");
  ASSERT_EQ(f.size(), 4u);
  EXPECT_EQ(f[0].text, "a,b");
  EXPECT_EQ(f[1].text, "say \"hi\"");
  EXPECT_EQ(f[2].kind, Field::Kind::Invalid);
  EXPECT_FALSE(f[2].AsNumber().has_value());
  EXPECT_EQ(f[3].kind, Field::Kind::Text);
  EXPECT_EQ(f[3].text, "");
  // A quoted text written by the writer reads back unchanged.
  auto back = ParseDataFile(FormatDataFile({{Field::Str("say \"hi\""), Field::Str("x,y")}}));
  ASSERT_EQ(back.size(), 2u);
  EXPECT_EQ(back[0].text, "say \"hi\"");
  EXPECT_EQ(back[1].text, "x,y");
}

TEST(DataFileFormat, ByteOrderMarkOfAnEditorIsNoPartOfTheFirstField) {
  auto f = ParseDataFile("\xEF\xBB\xBF" "2,\"1.5\"\r\n");
  ASSERT_EQ(f.size(), 2u);
  EXPECT_EQ(f[0].kind, Field::Kind::Number);
  EXPECT_EQ(f[0].number, 2.0f);
  EXPECT_EQ(f[1].text, "1.5");
  auto quoted = ParseDataFile("\xEF\xBB\xBF" "\"x\",3");
  ASSERT_EQ(quoted.size(), 2u);
  EXPECT_EQ(quoted[0].kind, Field::Kind::Text);
  EXPECT_EQ(quoted[0].text, "x");
}

TEST(DataFileFormat, BoxTextOfAField) {
  EXPECT_EQ(Field::Num(0.014f).AsBoxText(), "0.014");
  EXPECT_EQ(Field::Str("2.5").AsBoxText(), "2.5");
  EXPECT_EQ(Field::None().AsBoxText(), "");
  EXPECT_EQ(*Field::Str("2.5").AsNumber(), 2.5f);
}

TEST(DataFileFormat, NumbersRoundTripToTheSameBoxText) {
  for (const char* text : {"0.014", "0.00001", "55000", "-0.25", "1.5", "3.14159", "0.3", "100000"}) {
    const float v = *TextToSingle(text);
    auto f = ParseDataFile(FormatDataFile({{Field::Num(v)}}));
    ASSERT_EQ(f.size(), 1u);
    EXPECT_EQ(f[0].AsBoxText(), text);
  }
}

TEST(ProjectFileNames, NameThenSuffix) {
  EXPECT_EQ(*ProjectFileName("abc", "yds.dat"), "abcyds.dat");
  EXPECT_EQ(*ProjectFileName("", "yds.dat"), "yds.dat");
  EXPECT_EQ(*ProjectFileName(" abc", "yds.dat"), " abcyds.dat");
  EXPECT_EQ(*ProjectFileName("渠道 1#", "yds.dat"), "渠道 1#yds.dat");
  EXPECT_EQ(*ProjectFileName("..", "yds.dat"), "..yds.dat");
}

TEST(ProjectFileNames, RefusesNamesThatLeaveTheFolder) {
  EXPECT_FALSE(ProjectFileName("../x", "yds.dat"));
  EXPECT_FALSE(ProjectFileName("/tmp/x", "yds.dat"));
  EXPECT_FALSE(ProjectFileName("a\\b", "yds.dat"));
  EXPECT_FALSE(ProjectFileName(std::string_view("a\0b", 3), "yds.dat"));
}

class AtomicReplace : public InScratchDir {};

TEST_F(AtomicReplace, WritesAndReplaces) {
  ASSERT_TRUE(ReplaceFileAtomically("p.dat", "one\r\n"));
  EXPECT_EQ(ReadFile("p.dat"), "one\r\n");
  ASSERT_TRUE(ReplaceFileAtomically("p.dat", "two\r\n"));
  EXPECT_EQ(ReadFile("p.dat"), "two\r\n");
}

TEST_F(AtomicReplace, FailedWriteKeepsTheOldFileByteForByte) {
  // A read-only folder stops the temporary file (also when the tests run as
  // root, who keeps to the permissions here). The old file, with its line
  // breaks, quotes and Chinese text, stays byte for byte, no temporary file
  // is left, and the result names the file and says it was not changed.
  const std::string old = "2,100,\"1.5\",,0.014\r\n\"渠道\"\n";
  WriteFile("p.dat", old);
  FileResult r;
  {
    testsupport::ReadOnlyFolder readOnly(dir_.path());
    r = ReplaceFileAtomically("p.dat", "changed\r\n");
  }
  EXPECT_FALSE(r.ok);
  EXPECT_NE(r.error.find("p.dat"), std::string::npos) << r.error;
  EXPECT_NE(r.error.find("原文件未改动"), std::string::npos) << r.error;
  EXPECT_EQ(ReadFile("p.dat"), old);
  int entries = 0;
  for (auto& e : std::filesystem::directory_iterator(dir_.path())) {
    (void)e;
    ++entries;
  }
  EXPECT_EQ(entries, 1);
  // Writable again, the same call replaces it.
  EXPECT_TRUE(ReplaceFileAtomically("p.dat", "changed\r\n"));
  EXPECT_EQ(ReadFile("p.dat"), "changed\r\n");
}

TEST_F(AtomicReplace, WriteThatRunsOutOfSpaceKeepsTheOldFile) {
  // A file-size limit makes the write fail part way, as a full disk does,
  // also for a user whom folder permissions do not stop.
  WriteFile("p.dat", "keep\r\n");
  FileResult r = [] {
    testsupport::FileSizeLimit limit(4);
    return ReplaceFileAtomically("p.dat", std::string(100, 'x'));
  }();
  EXPECT_FALSE(r.ok);
  EXPECT_NE(r.error.find("原文件未改动"), std::string::npos);
  EXPECT_EQ(ReadFile("p.dat"), "keep\r\n");
  // No temporary file is left behind.
  int entries = 0;
  for (auto& e : std::filesystem::directory_iterator(dir_.path())) {
    (void)e;
    ++entries;
  }
  EXPECT_EQ(entries, 1);
}

TEST_F(AtomicReplace, ReadOnlyFileIsNotReplaced) {
  // The folder is writable, so a rename could swap the file; its read-only
  // mark says it must not change (also for a user whom the mark does not stop).
  WriteFile("p.dat", "1,2,3\r\n");
  ASSERT_EQ(chmod("p.dat", 0444), 0);
  FileResult r = ReplaceFileAtomically("p.dat", "changed\r\n");
  EXPECT_FALSE(r.ok);
  EXPECT_NE(r.error.find("只读"), std::string::npos);
  EXPECT_EQ(ReadFile("p.dat"), "1,2,3\r\n");
  struct stat st {};
  ASSERT_EQ(stat("p.dat", &st), 0);
  EXPECT_EQ(st.st_mode & 07777, 0444u);
  chmod("p.dat", 0644);
  EXPECT_TRUE(ReplaceFileAtomically("p.dat", "changed\r\n"));
  EXPECT_EQ(ReadFile("p.dat"), "changed\r\n");
}

TEST_F(AtomicReplace, TargetThatCannotBeReplacedStaysAsItWas) {
  ASSERT_EQ(mkdir("dir.dat", 0755), 0);
  FileResult r = ReplaceFileAtomically("dir.dat", "x");  // rename over a folder fails
  EXPECT_FALSE(r.ok);
  EXPECT_TRUE(std::filesystem::is_directory("dir.dat"));
}

TEST_F(AtomicReplace, ReadProjectFileSaysWhatIsWrong) {
  auto missing = ReadProjectFile("absent.dat", 3);
  EXPECT_FALSE(missing.ok);
  EXPECT_NE(missing.error.find("absent.dat"), std::string::npos);

  WriteFile("short.dat", "1,2\r\n");
  auto shortRead = ReadProjectFile("short.dat", 3);
  EXPECT_FALSE(shortRead.ok);
  EXPECT_NE(shortRead.error.find("short.dat"), std::string::npos);
  EXPECT_NE(shortRead.error.find("不全"), std::string::npos);

  WriteFile("ok.dat", "1,2\r\n3\r\n");
  auto good = ReadProjectFile("ok.dat", 3);
  ASSERT_TRUE(good.ok);
  EXPECT_EQ(good.fields[2].number, 3.0f);
}
