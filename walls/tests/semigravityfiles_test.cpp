// The semi-gravity wall's data file "Bdt.dat" and results file "Bdt.dat2":
// field positions, rounding, and the box texts each fills.
#include "tests/examplewalls.h"
#include "semigravityfiles.h"

#include "numbers.h"

#include <gtest/gtest.h>

namespace ketrova {
namespace {

using shell::Field;
using shell::FormatDataFile;
using shell::ParseDataFile;

SemiGravityInputs Sample() {
  SemiGravityInputs in = ExampleSemiGravityWall();
  in.h1 = 3.0f;
  in.h2 = 0.7f;
  in.d = 0.2f;
  return in;
}

TEST(SemiGravityDataFile, FieldPositionsAndTheBoxesTheyFill) {
  SemiGravityInputs in = Sample();
  in.C = 5.0f;
  const FrictionAngle fa = EquivalentFrictionAngle(in.phi, in.C, in.gamma1, in.H);
  ASSERT_TRUE(fa.ok);
  const std::string text = FormatDataFile(SemiGravityDataLines(in, fa));
  const std::string phid = shell::SingleToText(static_cast<float>(fa.phid));
  EXPECT_EQ(text, "4.5,0.5,0.9,1.5,2.2,0.6,0.4,1.3,6,2,2,1.5,0.5,0.9,5,0.4,10,3,0.7,0.2,18,1100,10\r\n" +
                      phid + "," + phid + ",30\r\n");
  // Text1..Text9 from fields 1-9, Text20..Text24 from 10-14, Text11..Text19
  // from 15-23, Text10 the typed φ (not φd).
  const auto box = SemiGravityDataBoxTexts(ParseDataFile(text));
  const char* expected[24] = {"4.5", "0.5", "0.9", "1.5", "2.2", "0.6", "0.4", "1.3", "6",  "30",
                              "5",   "0.4", "10",  "3",   "0.7", "0.2", "18",  "1100", "10", "2",
                              "2",   "1.5", "0.5", "0.9"};
  for (int i = 0; i < 24; ++i) EXPECT_EQ(box[static_cast<std::size_t>(i)], expected[i]) << "Text" << i + 1;
}

TEST(SemiGravityDataFile, OlderFileAndCohesionTooLarge) {
  // Only φd and the angle used on line 2: the angle used goes to Text10.
  const auto old = ParseDataFile(
      "4.5,0.5,0.9,1.5,2.2,0.6,0.4,1.3,6,2,2,1.5,0.5,0.9,5,0.4,10,3,0.7,0.2,18,1100,10\r\n38.27572,38.27572\r\n");
  ASSERT_EQ(old.size(), kSemiGravityDataFields);
  EXPECT_EQ(SemiGravityDataBoxTexts(old)[9], "38.27572");
  // φd that cannot be formed leaves its field empty; the typed φ is kept.
  SemiGravityInputs in = Sample();
  in.C = 40.0f;
  const FrictionAngle fa = EquivalentFrictionAngle(in.phi, in.C, in.gamma1, in.H);
  ASSERT_FALSE(fa.ok);
  const std::string text = FormatDataFile(SemiGravityDataLines(in, fa));
  EXPECT_NE(text.find("\r\n,30,30\r\n"), std::string::npos) << text;
  EXPECT_EQ(SemiGravityDataBoxTexts(ParseDataFile(text))[9], "30");
}

TEST(SemiGravityResultsFile, FieldPositionsRoundingAndBoxes) {
  const SemiGravityResults r = SemiGravityWallCase(Sample(), NoWaterStop);
  ASSERT_TRUE(r.ok) << r.message;
  const auto lines = SemiGravityResultsLines(r);
  ASSERT_EQ(lines.size(), 3u);
  EXPECT_EQ(lines[0].size(), 18u);
  EXPECT_EQ(lines[1].size(), 13u);
  EXPECT_EQ(lines[2].size(), 20u);
  const std::string text = FormatDataFile(lines);
  // The worked "step 2" wall (d = 0.2 does not matter without a stop): W_wall 213.72, W_soil 221.15, W_water 46.25 + 1.4,
  // U 83.25, ΣV 399.27, e 0.42, σf 138.11, σb 39.35, η 3.51 (reference
  // script), Kc R and K0 R at the end.
  const auto f = ParseDataFile(text);
  ASSERT_EQ(f.size(), kSemiGravityResultsFields);
  const float line1[10] = {30, 213.72f, 221.15f, 47.65f, 83.25f, 399.27f, 0.42f, 138.11f, 39.35f, 3.51f};
  for (std::size_t i = 0; i < 10; ++i) EXPECT_EQ(f[i].number, line1[i]) << "line 1 field " << i + 1;
  EXPECT_EQ(f[16].number, 1.01f);  // Kc R
  EXPECT_EQ(f[17].number, 2.37f);  // K0 R
  EXPECT_EQ(f[18].number, 0.333f);                                   // Ka
  EXPECT_EQ(f[19].number, 116.0f);                                   // E
  EXPECT_EQ(f[20].number, static_cast<float>(45.0 - 2.45));          // Pw unrounded
  EXPECT_EQ(f[21].number, 1266.8f);                                  // Mr, one decimal
  EXPECT_EQ(f[22].number, 535.1f);                                   // Mo, one decimal
  // Line 3: M1..M4, N1, N2, two empty fields, t1..t4, σ1..σ4, K1..K4.
  EXPECT_EQ(f[31].number, static_cast<float>(r.sections[0].M));
  EXPECT_EQ(f[35].number, static_cast<float>(r.sections[0].N));
  EXPECT_EQ(f[37].kind, Field::Kind::Empty);
  EXPECT_EQ(f[38].kind, Field::Kind::Empty);
  EXPECT_EQ(f[39].number, 0.9f);
  EXPECT_EQ(f[41].number, 2.0f);
  EXPECT_EQ(f[50].number, static_cast<float>(r.sections[3].K));

  const auto box = SemiGravityResultsBoxTexts(f);
  auto B = [&](int n) { return box[static_cast<std::size_t>(n - 1)]; };
  EXPECT_EQ(B(1), "213.72");
  EXPECT_EQ(B(4), "83.25");
  EXPECT_EQ(B(9), "3.51");
  EXPECT_EQ(B(10), "399.27");
  EXPECT_EQ(B(11), "0.333");
  EXPECT_EQ(B(12), "116");
  EXPECT_EQ(B(13), "42.55");
  EXPECT_EQ(B(14), "1266.8");
  EXPECT_EQ(B(17), "2.37");
  EXPECT_EQ(B(35), "30");
  // Sections, M N t σ K per row, rounded to 2 (t as stored); the reference
  // script gives M2 = 96.8636667, σ2 = 170.903111, K2 = 9.97641289.
  EXPECT_EQ(B(18), "15.41");
  EXPECT_EQ(B(19), "40.8");
  EXPECT_EQ(B(20), "0.9");
  EXPECT_EQ(B(23), "96.86");
  EXPECT_EQ(B(26), "170.9");
  EXPECT_EQ(B(27), "9.98");
  EXPECT_EQ(B(29), "0");  // no axial force at the heel
  EXPECT_EQ(B(30), "2");
  EXPECT_EQ(B(34), "0");  // nor at the toe root
  EXPECT_EQ(B(36), "0.9");
}

TEST(SemiGravityResultsFile, NoTensionInTheFirstSectionShowsDashes) {
  auto f = ParseDataFile(FormatDataFile(SemiGravityResultsLines(SemiGravityWallCase(Sample(), NoWaterStop))));
  ASSERT_EQ(f.size(), kSemiGravityResultsFields);
  f[47].number = -3.5f;  // K1
  f[48].number = -2.0f;  // K2
  const auto box = SemiGravityResultsBoxTexts(f);
  EXPECT_EQ(box[21], "----");  // Text22
  EXPECT_EQ(box[26], "-2");    // Text27: rows 2 to 4 show the number
  f[47].number = 0.0f;
  EXPECT_EQ(SemiGravityResultsBoxTexts(f)[21], "----");
}

}  // namespace
}  // namespace ketrova
