// Flexural members, rectangular and T/I sections, against closed forms.
//
// The reference values come from the closed-form equilibrium worked out in
// double precision by a separate python3 script (quoted at each case):
//   rectangle: 100·fc·b·x·(h0 − x/2) + 100·fy'·A's·(h0 − a') = γd·M·1e5,
//              x = h0 − sqrt(h0² − 2·rest/(fc·b)),  As = (fc·b·x + fy'·A's)/fy;
//   beyond ξb·h0: x = ξb·h0, A's = (T − 100·fc·b·x·(h0 − x/2))/(100·fy'·(h0 − a')),
//              As = (fc·b·x + fy'·A's)/fy;
//   T section: the flange overhang adds fc·(b'f − b)·h'f·(h0 − h'f/2) to the
//              moment and fc·(b'f − b)·h'f to the force.
// The stepped As (0.05 cm² steps, then rounded to 0.01) lies at or above the
// exact need and less than one step (plus the rounding) above it.
#include "flexure.h"
#include "numbers.h"

#include <gtest/gtest.h>

#include <cmath>

namespace brasselt {
namespace {

Materials Chosen(int concreteBox, int steelBox) {
  MemberState s;
  ConcreteBoxClicked(s, concreteBox);
  SteelBoxClicked(s, steelBox);
  return s.materials;
}
constexpr int C20 = 6, C25 = 7, GradeI = 15, GradeII = 16, GradeIV = 18;

// At or above the exact need, less than one step of `step` and half a digit above.
void ExpectStepped(float value, double exact, double step) {
  EXPECT_GE(value, exact - 0.005) << "exact " << exact;
  EXPECT_LE(value, exact + step + 0.005) << "exact " << exact;
}

RectFlexuralInputs Rect(float b, float h0, float Asc, float ac, float M, float gd = 1.2f) {
  RectFlexuralInputs in;
  in.b = b;
  in.h0 = h0;
  in.Asc = Asc;
  in.a = 3.5f;
  in.ac = ac;
  in.M = M;
  in.gammaD = gd;
  return in;
}

TSectionFlexuralInputs TSec(float b, float h, float bfc, float hfc, float Asc, float a, float ac,
                            float M, float gd = 1.2f) {
  TSectionFlexuralInputs in;
  in.b = b;
  in.h = h;
  in.bft = 0;
  in.hft = 0;
  in.bfc = bfc;
  in.hfc = hfc;
  in.Asc = Asc;
  in.a = a;
  in.ac = ac;
  in.M = M;
  in.gammaD = gd;
  return in;
}

TEST(RectFlexural, SinglyReinforcedStopsAtTheFirstStepAboveTheNeed) {
  // python: C25, Ⅱ, b 25, h0 46, M 120, γd 1.2: x = 11.4399, As = 11.5322.
  const auto r = RectFlexuralCase(Rect(25, 46, 0, 3.5f, 120), Chosen(C25, GradeII), Beam);
  ASSERT_TRUE(r.ok) << r.error;
  ExpectStepped(r.As, 11.532164725334116, 0.05);
  ExpectStepped(r.x, 11.439907407531443, 0.05 * 310 / (12.5 * 25));
  EXPECT_FLOAT_EQ(r.xibh0, 25.02f);  // 0.544·46 = 25.024
  EXPECT_NEAR(r.ratio, 100 * r.As / (25 * 46), 0.005);
  EXPECT_FALSE(r.doublyReinforced);
  EXPECT_FALSE(r.compressionLever);
  EXPECT_FALSE(r.belowMinimum);
  EXPECT_EQ(r.verdict, kWithinBalancedVerdict);
  EXPECT_FALSE(r.showRequiredCompression);
  EXPECT_EQ(r.fc, 12.5f);
  EXPECT_EQ(r.fy, 310);
  EXPECT_EQ(r.fyc, 310);
  EXPECT_EQ(r.xib, 0.544f);
}

TEST(RectFlexural, BeyondTheBalancedDepthComputesCompressionSteel) {
  // python: C20, Ⅱ, b 20, h0 40, a' 3.5, M 160: x = ξb·h0 = 21.76,
  // A's = 5.7684 → 5.77, As = (10·20·21.76 + 310·5.77)/310 = 19.8087.
  const auto r = RectFlexuralCase(Rect(20, 40, 0, 3.5f, 160), Chosen(C20, GradeII), Beam);
  ASSERT_TRUE(r.ok) << r.error;
  EXPECT_TRUE(r.doublyReinforced);
  EXPECT_FLOAT_EQ(r.x, 21.76f);
  EXPECT_FLOAT_EQ(r.Asc, 5.77f);
  EXPECT_FLOAT_EQ(r.As, 19.81f);
  EXPECT_FLOAT_EQ(r.ratio, 2.48f);  // 100·19.81/800 = 2.476
  EXPECT_EQ(r.verdict, kBeyondBalancedVerdict);
  EXPECT_TRUE(r.showRequiredCompression);
}

TEST(RectFlexural, GivenCompressionSteelWithShallowZoneUsesTwiceTheCover) {
  // python: C25, Ⅱ, b 25, h0 46, A's 6, a' 4, M 40: As = T/(100·fy·(h0 − a'))
  // = 4.8e6/(31000·42) = 3.6866 → 3.69; ρ = 369/1150 = 0.3209.
  const auto r = RectFlexuralCase(Rect(25, 46, 6, 4, 40), Chosen(C25, GradeII), Beam);
  ASSERT_TRUE(r.ok) << r.error;
  EXPECT_TRUE(r.compressionLever);
  EXPECT_FALSE(r.doublyReinforced);
  EXPECT_FLOAT_EQ(r.x, 8);
  EXPECT_FLOAT_EQ(r.As, 3.69f);
  EXPECT_FLOAT_EQ(r.ratio, 0.32f);
  EXPECT_FLOAT_EQ(r.Asc, 6);
  EXPECT_EQ(r.verdict, kLeverVerdict);
}

TEST(RectFlexural, BeyondTheBalancedDepthWithTwiceTheCoverAboveItKeepsTheBalancedVerdict) {
  // python: C20, Ⅱ, b 20, h0 21, a' 6, M 60: ξb·h0 = 11.424 < 2a' = 12;
  // A's = (7.2e6 − 100·10·20·11.424·(21 − 5.712))/(100·310·15) = 7.972 → 7.97;
  // then x = 2a' = 12 and As = 7.2e6/(100·310·15) = 15.4839 → 15.48. The
  // lever message comes before the balanced-depth one, which replaces it.
  const auto r = RectFlexuralCase(Rect(20, 21, 0, 6, 60), Chosen(C20, GradeII), Beam);
  ASSERT_TRUE(r.ok) << r.error;
  EXPECT_TRUE(r.doublyReinforced);
  EXPECT_TRUE(r.compressionLever);
  EXPECT_FLOAT_EQ(r.Asc, 7.97f);
  EXPECT_FLOAT_EQ(r.x, 12);
  EXPECT_FLOAT_EQ(r.As, 15.48f);
  EXPECT_FLOAT_EQ(r.xibh0, 11.42f);
  EXPECT_FLOAT_EQ(r.ratio, 3.69f);  // 1548/420 = 3.686
  EXPECT_EQ(r.verdict, kBeyondBalancedVerdict);
  EXPECT_TRUE(r.showRequiredCompression);
}

TEST(RectFlexural, BelowTheMinimumRatioTheMinimumGoverns) {
  // python: C20, Ⅰ, b 100, h0 12, M 3: ρ = 0.12 %; the minimum area is
  // ρmin·b·h0/100 = 1.8 (0.15 %) or 2.4 (0.2 %).
  struct Case { float element; float ratio, As; };
  // Columns take the beam's minimum, walls the slab's.
  const Case cases[] = {{Beam, 0.2f, 2.4f}, {Slab, 0.15f, 1.8f}, {Column, 0.2f, 2.4f},
                        {Wall, 0.15f, 1.8f}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.element);
    const auto r = RectFlexuralCase(Rect(100, 12, 0, 3, 3), Chosen(C20, GradeI), c.element);
    ASSERT_TRUE(r.ok) << r.error;
    EXPECT_TRUE(r.belowMinimum);
    EXPECT_FLOAT_EQ(r.ratio, c.ratio);
    EXPECT_FLOAT_EQ(r.As, c.As);
    EXPECT_NEAR(r.rho, 0.12, 0.011);
    EXPECT_EQ(r.verdict, kBelowMinimumVerdict);
  }
  // Above grade Ⅰ every element has 0.15 %.
  for (float element : {Beam, Slab, Column, Wall}) {
    const auto r = RectFlexuralCase(Rect(100, 12, 0, 3, 3), Chosen(C20, GradeII), element);
    EXPECT_FLOAT_EQ(r.ratio, 0.15f);
  }
}

TEST(RectFlexural, ARatioOfExactlyTheMinimumIsNotBelowIt) {
  // python: C25, Ⅱ, b 25, h0 46, M 20: exact As = 1.7147; the first step
  // above it, 0.575 + 23·0.05 = 1.725, gives ρ = 172.5/1150 = 0.15, which in
  // single precision equals the minimum 0.15 (in double 0.15 < sgl(0.15)).
  const auto r = RectFlexuralCase(Rect(25, 46, 0, 3.5f, 20), Chosen(C25, GradeII), Beam);
  ASSERT_TRUE(r.ok) << r.error;
  EXPECT_FALSE(r.belowMinimum);
  EXPECT_FLOAT_EQ(r.ratio, 0.15f);
  ExpectStepped(r.As, 1.7147336824605421, 0.05);
  EXPECT_EQ(r.verdict, kWithinBalancedVerdict);
}

// The capacity of the rectangle at a given As, as the stepping forms it.
float RectangleCapacity(const Materials& m, float b, float h0, float As) {
  const float x = static_cast<float>(static_cast<double>(m.fy) * As / (static_cast<double>(m.fc) * b));
  const double xd = x;
  return static_cast<float>(100.0 * (m.fc * static_cast<double>(b) * xd * (h0 - xd / 2)));
}

TEST(FlexuralStepping, EqualCapacityStepsOnInTheRectangleAndStopsInTheTSection) {
  // C20, Ⅳ: x = 500·As/(10·b). Find a round k whose capacity is a moment that
  // the boxes can spell exactly (γd 1, M = capacity/1e5), then compare the
  // strict rectangle test with the inclusive T-section test (b'f = b, h'f = 0
  // makes the T section the same rectangle).
  const Materials m = Chosen(C20, GradeIV);
  const float b = 50, h0 = 40;  // As starts at 0.0005·50·40 = 1
  float As = 1;
  for (int k = 0; k < 200; ++k) {
    const float capacity = RectangleCapacity(m, b, h0, As);
    // A moment M whose T = sgl(1·sgl(1e5·M)) is the capacity.
    float M = static_cast<float>(capacity / 1e5);
    for (int t = 0; t < 8 && static_cast<float>(1e5 * M) != capacity; ++t)
      M = std::nextafter(M, static_cast<float>(1e5 * M) < capacity ? 1e30f : -1e30f);
    const float next = static_cast<float>(static_cast<double>(As) + 0.05);
    if (k >= 80 && static_cast<float>(1e5 * M) == capacity) {
      const auto rect = RectFlexuralCase(Rect(b, h0, 0, 0, M, 1), m, Beam);
      const auto tsec = TSectionFlexuralCase(TSec(b, h0, b, 0, 0, 0, 0, M, 1), m);
      ASSERT_TRUE(rect.ok && tsec.ok) << rect.error << tsec.error;
      EXPECT_FALSE(rect.belowMinimum);
      EXPECT_EQ(rect.As, static_cast<float>(shell::RoundTo(next, 2))) << "round " << k;
      EXPECT_EQ(tsec.As, static_cast<float>(shell::RoundTo(As, 2))) << "round " << k;
      EXPECT_EQ(rect.rounds, k + 1);
      EXPECT_EQ(tsec.rounds, k);
      return;
    }
    As = next;
  }
  FAIL() << "no round with an exactly spelled moment";
}

TEST(TSectionFlexural, FlangeThatCarriesTheMomentGivesTheRectangleOfFlangeWidth) {
  // python: C25, Ⅱ, b 25, h 70, a 5, b'f 80, h'f 10, M 300: the flange alone
  // carries 6.0e7 ≥ T = 3.6e7; rectangle 80 wide, h0 65: x = 5.797,
  // As = 18.6999, ρ on b'f = 100·As/(80·65).
  const auto r = TSectionFlexuralCase(TSec(25, 70, 80, 10, 0, 5, 3.5f, 300), Chosen(C25, GradeII));
  ASSERT_TRUE(r.ok) << r.error;
  ExpectStepped(r.As, 18.69986947592665, 0.05);
  ExpectStepped(r.x, 5.796959537537262, 0.05 * 310 / (12.5 * 80));
  EXPECT_NEAR(r.ratio, 100 * r.As / (80 * 65), 0.005);
  EXPECT_FLOAT_EQ(r.xibh0, 35.36f);
  EXPECT_EQ(r.verdict, kWithinBalancedVerdict);
}

TEST(TSectionFlexural, AFlangeCarryingExactlyTheMomentCountsAsCarryingIt) {
  // python: C20, Ⅱ, b 20, h 60, a 5, b'f 50, h'f 10, γd 1: the flange alone
  // carries 100·10·50·10·(55 − 5) = 2.5e7. With M 250 (T = 2.5e7, equal) the
  // rectangle 50 wide is designed: x = h'f = 10, As = 10·50·10/310 = 16.129,
  // ρ on b'f. A moment a hair larger goes to the T section, ρ on the web.
  const Materials m = Chosen(C20, GradeII);
  const auto equal = TSectionFlexuralCase(TSec(20, 60, 50, 10, 0, 5, 3.5f, 250, 1), m);
  ASSERT_TRUE(equal.ok) << equal.error;
  ExpectStepped(equal.As, 16.129032258064516, 0.05);
  EXPECT_NEAR(equal.ratio, 100 * equal.As / (50 * 55), 0.005);
  const auto above = TSectionFlexuralCase(TSec(20, 60, 50, 10, 0, 5, 3.5f, 250.01f, 1), m);
  ASSERT_TRUE(above.ok) << above.error;
  EXPECT_NEAR(above.ratio, 100 * above.As / (20 * 55), 0.005);
}

TEST(TSectionFlexural, NeutralAxisInTheWebUsesTheTSection) {
  // python: C20, Ⅱ, b 25, h 70, a 5, b'f 60, h'f 8, M 400: flange 2.928e7 < T
  // = 4.8e7; x = 23.1503, As = (fc·b·x + fc·(b'f − b)·h'f)/fy = 27.7018; ρ on
  // the web: 100·As/(25·65).
  const auto r = TSectionFlexuralCase(TSec(25, 70, 60, 8, 0, 5, 3.5f, 400), Chosen(C20, GradeII));
  ASSERT_TRUE(r.ok) << r.error;
  ExpectStepped(r.As, 27.70182969199005, 0.05);
  ExpectStepped(r.x, 23.15026881806766, 0.05 * 310 / (10 * 25));
  EXPECT_NEAR(r.ratio, 100 * r.As / (25 * 65), 0.005);
  EXPECT_FALSE(r.doublyReinforced);
  EXPECT_FLOAT_EQ(r.Asc, 0);
}

TEST(TSectionFlexural, BeyondTheBalancedDepthComputesCompressionSteel) {
  // python: C20, Ⅱ, b 20, h 60, a 5, b'f 40, h'f 8, a' 3.5, M 350: x = 29.92,
  // A's = 6.1886 → 6.19, As = ((20·8 + 20·29.92)·10 + 310·6.19)/310 = 30.6545,
  // ρ = 100·30.65/(20·55) = 2.786.
  const auto r = TSectionFlexuralCase(TSec(20, 60, 40, 8, 0, 5, 3.5f, 350), Chosen(C20, GradeII));
  ASSERT_TRUE(r.ok) << r.error;
  EXPECT_TRUE(r.doublyReinforced);
  EXPECT_FLOAT_EQ(r.x, 29.92f);
  EXPECT_FLOAT_EQ(r.Asc, 6.19f);
  EXPECT_FLOAT_EQ(r.As, 30.65f);
  EXPECT_FLOAT_EQ(r.ratio, 2.79f);
  EXPECT_EQ(r.verdict, kBeyondBalancedVerdict);
  EXPECT_TRUE(r.showRequiredCompression);
}

TEST(TSectionFlexural, ACompressionZoneWithinTheFlangeGoesOnAsTheFlangeRectangle) {
  // python: C20, Ⅱ, b 20, h 60, a 2, b'f 60, h'f 12, A's 10, a' 3.5, M 420:
  // the flange alone carries 3.744e7 < T = 5.04e7; the T section needs
  // x = 7.905 (between 2a = 4 and h'f = 12) with As = 30.5839. The rectangle
  // 60 wide goes on from that As: x = (310·As − 3100)/600 = 10.635, whose
  // capacity 5.0512e7 already exceeds T, so As stays; ρ is on b'f.
  const auto r = TSectionFlexuralCase(TSec(20, 60, 60, 12, 10, 2, 3.5f, 420), Chosen(C20, GradeII));
  ASSERT_TRUE(r.ok) << r.error;
  ExpectStepped(r.As, 30.5839290831814, 0.05);
  ExpectStepped(r.x, 10.63503002631039, 0.05 * 310 / 600);
  EXPECT_NEAR(r.ratio, 100 * r.As / (60 * 58), 0.005);
  EXPECT_FALSE(r.compressionLever);  // 2a' = 7 < x
  EXPECT_FLOAT_EQ(r.Asc, 10);
}

TEST(TSectionFlexural, TheFlangeZoneTestUsesTwiceTheTensionCover) {
  // python: C20, Ⅱ, b 20, h 60, a 2, b'f 60, h'f 12, A's 10, a' 5, M 420:
  // the flange alone carries 3.744e7 < T = 5.04e7; the T section needs
  // x = 8.3714 with As = 30.8848. 2a = 4 ≤ x ≤ h'f sends it to the rectangle
  // 60 wide (x = (310·As − 3100)/600 = 10.79, capacity 5.0488e7 > T, As
  // stays), ρ on b'f. Testing 2a' = 10 instead would keep the T section and
  // raise x to 2a' with ρ on the web (2.64 %).
  const auto r = TSectionFlexuralCase(TSec(20, 60, 60, 12, 10, 2, 5, 420), Chosen(C20, GradeII));
  ASSERT_TRUE(r.ok) << r.error;
  ExpectStepped(r.As, 30.884760790509524, 0.05);
  ExpectStepped(r.x, 10.790459741763256, 0.05 * 310 / 600);
  EXPECT_FALSE(r.compressionLever);
  EXPECT_FLOAT_EQ(r.ratio, 0.89f);  // 100·30.9/(60·58)
  EXPECT_EQ(r.verdict, kWithinBalancedVerdict);
}

TEST(TSectionFlexural, UsesTheBeamMinimum) {
  // A small moment on a T section: grade Ⅰ gives the beam's 0.2 % of b·h0
  // (web 20, h0 = 60 − 5), i.e. 2.2 cm².
  const auto r = TSectionFlexuralCase(TSec(20, 60, 60, 10, 0, 5, 3.5f, 5), Chosen(C20, GradeI));
  ASSERT_TRUE(r.ok) << r.error;
  EXPECT_TRUE(r.belowMinimum);
  EXPECT_FLOAT_EQ(r.ratio, 0.2f);
  EXPECT_FLOAT_EQ(r.As, 60 * 55 * 0.2f / 100);  // on b'f = 60: the flange carries
}

TEST(FlexuralFailures, MissingChoicesAreNamed) {
  MemberState s;
  auto r = RectFlexuralCase(Rect(25, 46, 0, 3.5f, 120), s.materials, 0);
  EXPECT_FALSE(r.ok);
  EXPECT_EQ(r.error, "尚未选取混凝土强度等级、钢筋级别、构件类型，基本资料已保存，未进行计算。");
  ConcreteBoxClicked(s, C25);
  r = RectFlexuralCase(Rect(25, 46, 0, 3.5f, 120), s.materials, Beam);
  EXPECT_EQ(r.error, "尚未选取钢筋级别，基本资料已保存，未进行计算。");
  r = TSectionFlexuralCase(TSec(25, 70, 80, 10, 0, 5, 3.5f, 300), s.materials);
  EXPECT_EQ(r.error, "尚未选取钢筋级别，基本资料已保存，未进行计算。");
  SteelBoxClicked(s, GradeII);
  r = RectFlexuralCase(Rect(25, 46, 0, 3.5f, 120), s.materials, 0);
  EXPECT_EQ(r.error, "尚未选取构件类型，基本资料已保存，未进行计算。");
}

TEST(FlexuralFailures, ImpossibleSectionsGetAMessage) {
  const Materials m = Chosen(C25, GradeII);
  struct RectCase { RectFlexuralInputs in; const char* words; };
  const RectCase rects[] = {
      {Rect(0, 46, 0, 3.5f, 120), "截面宽度 b 应大于 0"},
      {Rect(-25, 46, 0, 3.5f, 120), "截面宽度 b 应大于 0"},
      {Rect(25, 0, 0, 3.5f, 120), "截面有效高度 ho 应大于 0"},
      {Rect(25, 3.5f, 0, 3.5f, 120), "受压钢筋保护层厚度 a'"},
      {Rect(25, 46, -2, 3.5f, 120), "受压钢筋面积 A's 不应小于 0"},
      // A hogging moment typed with its sign, or a structure coefficient
      // left at 0, would otherwise design the minimum steel.
      {Rect(25, 46, 0, 3.5f, -120), "弯矩设计值 M 不应小于 0"},
      {Rect(25, 46, 0, 3.5f, 120, 0), "结构系数 γd 应大于 0"},
      {Rect(25, 46, 0, 3.5f, 120, -1.2f), "结构系数 γd 应大于 0"},
  };
  for (const auto& c : rects) {
    const auto r = RectFlexuralCase(c.in, m, Beam);
    EXPECT_FALSE(r.ok);
    EXPECT_NE(r.error.find(c.words), std::string::npos) << r.error;
  }
  struct TCase { TSectionFlexuralInputs in; const char* words; };
  const TCase tsecs[] = {
      {TSec(0, 70, 80, 10, 0, 5, 3.5f, 300), "腹板宽度 b 应大于 0"},
      {TSec(25, 5, 80, 10, 0, 5, 3.5f, 300), "应大于 0"},
      {TSec(25, 8, 80, 10, 0, 5, 3.5f, 300), "受压钢筋保护层厚度 a'"},
      {TSec(25, 70, 20, 10, 0, 5, 3.5f, 300), "不应小于腹板宽度"},
      {TSec(25, 70, 0, 10, 0, 5, 3.5f, 300), "不应小于腹板宽度"},
      {TSec(25, 70, 80, -1, 0, 5, 3.5f, 300), "h'f 不应小于 0"},
      {TSec(25, 70, 80, 10, -2, 5, 3.5f, 300), "受压钢筋面积 A's 不应小于 0"},
      // A flange deeper than the section: its lever h0 − h'f/2 is negative.
      {TSec(25, 70, 80, 150, 0, 5, 3.5f, 300), "h'f 应小于截面总高 h"},
      {TSec(25, 70, 80, 70, 0, 5, 3.5f, 300), "h'f 应小于截面总高 h"},
      // h0 = 20 − 12 = 8: a flange 16 deep has its centre at the tension
      // steel, so its moment about the steel is nil, and deeper it would
      // turn negative.
      {TSec(25, 20, 80, 16, 0, 12, 3.5f, 30), "h'f 过大"},
      {TSec(25, 20, 80, 18, 0, 12, 3.5f, 30), "h'f 过大"},
      // No flange thickness, no moment: the flange "carries" it, but a
      // rectangle narrower than the web is no section.
      {TSec(25, 70, 0, 0, 0, 5, 3.5f, 0), "不应小于腹板宽度"},
      {TSec(25, 70, 80, 10, 0, 5, 3.5f, -300), "弯矩设计值 M 不应小于 0"},
      {TSec(25, 70, 80, 10, 0, 5, 3.5f, 300, 0), "结构系数 γd 应大于 0"},
  };
  for (const auto& c : tsecs) {
    const auto r = TSectionFlexuralCase(c.in, m);
    EXPECT_FALSE(r.ok);
    EXPECT_NE(r.error.find(c.words), std::string::npos) << r.error;
  }
  // A T with the flange in tension may leave the compression flange at 0 × 0.
  const auto r = TSectionFlexuralCase(TSec(25, 70, 0, 0, 0, 5, 3.5f, 200), m);
  EXPECT_TRUE(r.ok) << r.error;
}

TEST(FlexuralFailures, SteppingThatCannotEndSaysSo) {
  const Materials m = Chosen(C20, GradeII);
  // As starts at 0.0005·1e5·1e5 = 5e6, where + 0.05 no longer changes a single.
  auto r = RectFlexuralCase(Rect(1e5f, 1e5f, 0, 3.5f, 1e12f), m, Beam);
  EXPECT_FALSE(r.ok);
  EXPECT_NE(r.error.find("不收敛"), std::string::npos) << r.error;
  // A 30 m square needs about 3 million steps before x reaches ξb·h0.
  r = RectFlexuralCase(Rect(3000, 3000, 0, 3.5f, 1e9f), m, Beam);
  EXPECT_FALSE(r.ok);
  EXPECT_NE(r.error.find("不收敛"), std::string::npos) << r.error;
  const auto t = TSectionFlexuralCase(TSec(3000, 3000, 3000, 1, 0, 5, 3.5f, 1e9f), m);
  EXPECT_FALSE(t.ok);
  EXPECT_NE(t.error.find("不收敛"), std::string::npos) << t.error;
}

TEST(FlexuralFailures, MomentsBeyondTheSingleRangeAreNoResult) {
  const auto r = RectFlexuralCase(Rect(25, 46, 0, 3.5f, 3e38f), Chosen(C25, GradeII), Beam);
  EXPECT_FALSE(r.ok);
  EXPECT_NE(r.error.find("超出单精度数值范围"), std::string::npos);
}

}  // namespace
}  // namespace brasselt
