// The gravity wall's data file "dt.dat" and results file "dt.dat2": field
// positions, rounding, and the box texts each fills.
#include "tests/examplewalls.h"
#include "gravityfiles.h"
#include "numbers.h"

#include <gtest/gtest.h>

namespace ketrova {
namespace {

using shell::Field;
using shell::FormatDataFile;
using shell::ParseDataFile;

GravityWallInputs Sample() {
  GravityWallInputs in = ExampleGravityWall();
  in.C = 5.0f;
  in.h1 = 2.0f;
  in.h2 = 1.0f;
  in.d = 0.3f;
  return in;
}

TEST(GravityDataFile, FieldPositions) {
  const GravityWallInputs in = Sample();
  const FrictionAngle fa = EquivalentFrictionAngle(in.phi, in.C, in.gamma1, in.H);
  ASSERT_TRUE(fa.ok);
  const std::string text = FormatDataFile(GravityDataLines(in, fa));
  // Line 1: every input but φ in box order (φ is box 10); line 2: φd, the
  // angle used (φd as a single, C > 0) and φ as typed.
  const std::string phid = shell::SingleToText(static_cast<float>(fa.phid));
  EXPECT_EQ(text, "4,0.6,2,0.8,1.2,5,1,3.5,0.5,5,0.45,0,2,1,10,18,15,10,24,22,0.3\r\n" + phid +
                      "," + phid + ",30\r\n");
  EXPECT_EQ(phid.substr(0, 6), "40.006");
}

TEST(GravityDataFile, ReopenWithCohesionShowsTheTypedPhi) {
  const GravityWallInputs in = Sample();
  const FrictionAngle fa = EquivalentFrictionAngle(in.phi, in.C, in.gamma1, in.H);
  const auto fields = ParseDataFile(FormatDataFile(GravityDataLines(in, fa)));
  ASSERT_EQ(fields.size(), kGravityDataFields + 1);
  const auto box = GravityDataBoxTexts(fields);
  EXPECT_EQ(box[9], "30");  // Text10: φ as typed, not φd
  const char* expected[] = {"4", "0.6", "2", "0.8", "1.2", "5", "1", "3.5", "0.5", "30", "5",
                            "0.45", "0", "2", "1", "10", "18", "15", "10", "24", "22", "0.3"};
  for (int i = 0; i < 22; ++i) EXPECT_EQ(box[i], expected[i]) << "Text" << i + 1;
  // Computing again from the reopened boxes applies the cohesion once.
  GravityWallInputs again = in;
  again.phi = std::stof(box[9]);
  EXPECT_EQ(EquivalentFrictionAngle(again.phi, again.C, again.gamma1, again.H).phid, fa.phid);
}

TEST(GravityDataFile, OlderFileWithTwoFieldsOnLineTwo) {
  // A file that holds only φd and the angle used puts the angle used back.
  const auto fields = ParseDataFile(
      "4,0.6,2,0.8,1.2,5,1,3.5,0.5,5,0.45,0,2,1,10,18,15,10,24,22,0.3\r\n40.00646,40.00646\r\n");
  ASSERT_EQ(fields.size(), kGravityDataFields);
  EXPECT_EQ(GravityDataBoxTexts(fields)[9], "40.00646");
}

TEST(GravityDataFile, CohesionTooLargeStillSavesTheData) {
  GravityWallInputs in = Sample();
  in.C = 40.0f;
  const FrictionAngle fa = EquivalentFrictionAngle(in.phi, in.C, in.gamma1, in.H);
  ASSERT_FALSE(fa.ok);
  const std::string text = FormatDataFile(GravityDataLines(in, fa));
  // No φd; the angle in the place older readers take is φ as typed.
  EXPECT_NE(text.find("\r\n,30,30\r\n"), std::string::npos) << text;
  const auto fields = ParseDataFile(text);
  EXPECT_EQ(fields[21].kind, Field::Kind::Empty);
  EXPECT_EQ(GravityDataBoxTexts(fields)[9], "30");
}

TEST(GravityResultsFile, FieldPositionsAndRounding) {
  GravityWallInputs in = Sample();
  const GravityWallResults r = GravityWallCase(in, NoWaterStop);
  ASSERT_TRUE(r.ok) << r.message;
  const auto lines = GravityResultsLines(r);
  ASSERT_EQ(lines.size(), 2u);
  ASSERT_EQ(lines[0].size(), 18u);
  ASSERT_EQ(lines[1].size(), 13u);
  auto num = [&](int line, int field) { return static_cast<double>(lines[line][field - 1].number); };
  auto rounded = [](double x, int k) { return static_cast<double>(static_cast<float>(shell::RoundTo(x, k))); };
  const Stability& R = r.rankine.st;
  const Stability& C = r.coulomb.st;
  EXPECT_EQ(num(0, 1), static_cast<float>(r.friction.phid));  // unrounded
  EXPECT_EQ(num(0, 2), rounded(r.Wwall, 2));
  EXPECT_EQ(num(0, 3), rounded(r.rankine.Wsoil, 2));
  EXPECT_EQ(num(0, 4), rounded(shell::RoundTo(r.Wwback, 2) + shell::RoundTo(r.Wtoe, 2), 2));
  EXPECT_EQ(num(0, 5), rounded(r.uplift.U, 2));
  const double rr[] = {R.sumV, R.e, R.sf, R.sb, R.eta};
  const double cc[] = {C.sumV, C.e, C.sf, C.sb, C.eta};
  for (int i = 0; i < 5; ++i) {
    EXPECT_EQ(num(0, 6 + i), rounded(rr[i], 2)) << i;
    EXPECT_EQ(num(0, 12 + i), rounded(cc[i], 2)) << i;
  }
  EXPECT_EQ(num(0, 11), rounded(r.coulomb.Wsoil, 2));  // Ev
  EXPECT_EQ(num(0, 17), rounded(R.Kc, 2));
  EXPECT_EQ(num(0, 18), rounded(R.K0, 2));
  EXPECT_EQ(num(1, 1), rounded(r.rankine.K, 3));
  EXPECT_EQ(num(1, 2), rounded(r.rankine.Eh, 2));
  EXPECT_EQ(num(1, 3), static_cast<float>(r.back.P - r.front.P));  // unrounded
  EXPECT_EQ(num(1, 4), rounded(R.Mr, 1));
  EXPECT_EQ(num(1, 5), rounded(R.Mo, 1));
  EXPECT_EQ(num(1, 6), rounded(R.Kc, 2));
  EXPECT_EQ(num(1, 7), rounded(R.K0, 2));
  EXPECT_EQ(num(1, 8), rounded(r.coulomb.K, 3));
  EXPECT_EQ(num(1, 9), rounded(r.coulomb.Eh, 2));
  EXPECT_EQ(num(1, 10), rounded(C.Mr, 2));  // the Coulomb Mr keeps two decimals
  EXPECT_EQ(num(1, 11), rounded(C.Mo, 1));
  EXPECT_EQ(num(1, 12), rounded(C.Kc, 2));
  EXPECT_EQ(num(1, 13), rounded(C.K0, 2));
}

TEST(GravityResultsFile, BoxTexts) {
  // A hand-made results file: each field a distinct value.
  const std::string file =
      "40.0064621,161.3,174.5,26.5,60,302.3,0.26,104.85,46.3,2.26,77.13,204.93,1.17,141.27,"
      "-38.8,-0.27,1.34,2.7\r\n"
      "0.333,86.33,15,836.3,309.8,1.34,2.7,0.497,103.1,511.23,341.5,0.78,1.5\r\n";
  const auto f = ParseDataFile(file);
  ASSERT_EQ(f.size(), kGravityResultsFields);
  const auto box = GravityResultsBoxTexts(f);
  const char* expected[35] = {
      "161.3", "174.5", "26.5", "60", "302.3", "0.26", "104.85", "46.3", "2.26",          // 1-9
      "161.3", "77.13", "26.5", "60", "204.93", "1.17", "141.27", "-38.8", "-0.27",       // 10-18
      "302.3", "0.333", "86.33", "15", "836.3", "309.8", "1.34", "2.7",                   // 19-26
      "204.93", "0.497", "103.1", "15", "511.23", "341.5", "0.78", "1.5",                 // 27-34
      "40.006462"};                                                                       // 35
  for (int i = 0; i < 35; ++i) EXPECT_EQ(box[i], expected[i]) << "Text" << i + 1;
  // A short file fills what it has and leaves the rest blank.
  const auto part = GravityResultsBoxTexts(ParseDataFile("40,161.3\r\n"));
  EXPECT_EQ(part[0], "161.3");
  EXPECT_EQ(part[33], "");
}

}  // namespace
}  // namespace ketrova

namespace ketrova {
namespace {

TEST(GravityResultsFile, DamagedFieldsShowBlank) {
  // A hand-edited file: "nan", a text and an empty field show as blank boxes.
  const auto f = shell::ParseDataFile("nan,\"abc\",,1e40,5\r\n");
  const auto box = GravityResultsBoxTexts(f);
  EXPECT_EQ(box[34], "");  // Text35 from "nan"
  EXPECT_EQ(box[0], "");   // Text1 from "abc"
  EXPECT_EQ(box[1], "");   // Text2 from the empty field
  EXPECT_EQ(box[2], "");   // Text3 from a value beyond the single range
  EXPECT_EQ(box[3], "5");
  const auto data = GravityDataBoxTexts(shell::ParseDataFile("inf,2\r\n"));
  EXPECT_EQ(data[0], "");
  EXPECT_EQ(data[1], "2");
}

}  // namespace
}  // namespace ketrova
