// The regime choice and the three case computations. Expected values come
// from tests/reference/freesurface_ref.py (an independent Python rendering
// of the method with single rounding through struct), unless a test says
// otherwise.
#include "cases.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cmath>
#include <string>

using namespace quimbrel;

namespace {

// ---- Regime choice --------------------------------------------------------

struct RegimeCase {
  const char* what;
  float H, h, D;
  CaseWindow window;
};
class RegimeTable : public ::testing::TestWithParam<RegimeCase> {};

TEST_P(RegimeTable, OpensTheWindowOfTheRegime) {
  const RegimeCase c = GetParam();
  const RegimeChoice r = FlowRegimeSelection(c.H, c.h, c.D);
  ASSERT_TRUE(r.ok) << c.what;
  EXPECT_EQ(r.window, c.window) << c.what;
  EXPECT_EQ(RegimeTestsHolding(c.H, c.h, c.D).size(), 1u) << c.what;
}

const float kAbove12 = std::nextafter(1.2f, 2.0f);  // the single just above sgl(1.2·1)
const float kAbove15 = std::nextafter(1.5f, 2.0f);

INSTANTIATE_TEST_SUITE_P(
    Boundaries, RegimeTable,
    ::testing::Values(
        RegimeCase{"H well below 1.2D, free outlet", 0.8f, 0.5f, 1.0f, CaseWindow::FreeSurface},
        RegimeCase{"H = 1.2D, h < D", 1.2f, 0.5f, 1.0f, CaseWindow::FreeSurface},
        RegimeCase{"H = 1.2D, h = D", 1.2f, 1.0f, 1.0f, CaseWindow::Pressure},
        RegimeCase{"H = 1.2D, h just below D", 1.2f, std::nextafter(1.0f, 0.0f), 1.0f,
                   CaseWindow::FreeSurface},
        RegimeCase{"H just above 1.2D, h < D", kAbove12, 0.5f, 1.0f, CaseWindow::SemiPressure},
        RegimeCase{"H just above 1.2D, h = D", kAbove12, 1.0f, 1.0f, CaseWindow::Pressure},
        RegimeCase{"H = 1.5D, h < D", 1.5f, 0.99f, 1.0f, CaseWindow::SemiPressure},
        RegimeCase{"H = 1.5D, h = D", 1.5f, 1.0f, 1.0f, CaseWindow::Pressure},
        RegimeCase{"H just above 1.5D, h < D", kAbove15, 0.5f, 1.0f, CaseWindow::Pressure},
        RegimeCase{"H above 1.5D, h > D", 2.0f, 1.3f, 1.0f, CaseWindow::Pressure},
        // Rounding of the products: sgl(1.2·sgl(0.9)) = 1.0799999 lies below
        // the single of 1.08 (1.0800000429), so H 1.08 is semi-pressure; and
        // sgl(1.5·sgl(0.9)) = 1.3499999 lies below that of 1.35: pressure.
        RegimeCase{"H 1.08, D 0.9 (rounding)", 1.08f, 0.5f, 0.9f, CaseWindow::SemiPressure},
        RegimeCase{"H 1.35, D 0.9 (rounding)", 1.35f, 0.5f, 0.9f, CaseWindow::Pressure},
        // sgl(1.2·sgl(0.7)) equals the single of 0.84: free-surface.
        RegimeCase{"H 0.84, D 0.7 (rounding)", 0.84f, 0.5f, 0.7f, CaseWindow::FreeSurface},
        // sgl(1.5·sgl(1.1)) = 1.6500001 lies above the single of 1.65.
        RegimeCase{"H 1.65, D 1.1 (rounding)", 1.65f, 0.5f, 1.1f, CaseWindow::SemiPressure}));

TEST(FlowRegimeSelection, HeightNotPositiveHasNoRegime) {
  // With D < 0 the products reverse and two tests hold at once.
  EXPECT_EQ(RegimeTestsHolding(-1.3f, -2.0f, -1.0f).size(), 2u);
  for (float D : {0.0f, -1.0f}) {
    const RegimeChoice r = FlowRegimeSelection(-1.3f, -2.0f, D);
    EXPECT_FALSE(r.ok);
    EXPECT_FALSE(r.message.empty());
  }
}

// ---- Free-surface flow ----------------------------------------------------

FreeSurfaceInputs FS(float Q, float D, float L, float i, float n, float H, float h, float V) {
  FreeSurfaceInputs in;
  in.Q = Q; in.D = D; in.L = L; in.i = i; in.n = n; in.H = H; in.h = h; in.V = V;
  return in;
}

TEST(FreeSurfaceFlowCase, ShortCulvertAboveTheFloor) {
  // hs = h − iL = 1.4 above 0.72H = 1.296.
  const FreeSurfaceResults r = FreeSurfaceFlowCase(FS(5, 2, 10, 0.01f, 0.014f, 1.8f, 1.5f, 0.5f));
  ASSERT_TRUE(r.ok) << r.message;
  EXPECT_FALSE(r.longCulvert);
  EXPECT_FLOAT_EQ(r.hs, 1.399999976158142f);
  EXPECT_FLOAT_EQ(r.sigma, 0.987300455570221f);
  EXPECT_FLOAT_EQ(r.B, 1.368289828300476f);
  EXPECT_FALSE(r.showNormalDepth);
  EXPECT_FALSE(r.showCriticalDepth);
  EXPECT_FALSE(r.floorNote);
}

TEST(FreeSurfaceFlowCase, ShortCulvertOnTheTailwaterFloor) {
  // h − iL = 0.7 below 0.72H: σ and B with hs = 0.72H; the critical depth is
  // shown as the depth inside the inlet, with the note.
  const FreeSurfaceResults r = FreeSurfaceFlowCase(FS(5, 2, 10, 0.01f, 0.014f, 1.8f, 0.8f, 0.5f));
  ASSERT_TRUE(r.ok) << r.message;
  EXPECT_FALSE(r.longCulvert);
  EXPECT_FLOAT_EQ(r.sigma, 0.9996700882911682f);
  EXPECT_FLOAT_EQ(r.B, 1.3513590097427368f);
  EXPECT_TRUE(r.showCriticalDepth);
  EXPECT_FLOAT_EQ(r.hc, 1.1535614728927612f);
  EXPECT_EQ(r.hs, r.hc);
  EXPECT_TRUE(r.floorNote);
  EXPECT_FALSE(r.showNormalDepth);
}

TEST(FreeSurfaceFlowCase, EightTimesHEqualToLIsLong) {
  // sgl(8·2.5) = 20 = L: long (reference: B 0.5172133 after 16 passes).
  const FreeSurfaceResults atL = FreeSurfaceFlowCase(FS(3, 2, 20, 0.005f, 0.014f, 2.5f, 1.2f, 0));
  ASSERT_TRUE(atL.ok) << atL.message;
  EXPECT_TRUE(atL.longCulvert);
  EXPECT_FLOAT_EQ(atL.B, 0.5172132849693298f);
  // One single below 20: short, on the floor.
  const FreeSurfaceResults below =
      FreeSurfaceFlowCase(FS(3, 2, std::nextafter(20.0f, 0.0f), 0.005f, 0.014f, 2.5f, 1.2f, 0));
  ASSERT_TRUE(below.ok) << below.message;
  EXPECT_FALSE(below.longCulvert);
  EXPECT_FLOAT_EQ(below.B, 0.5012134909629822f);
  EXPECT_TRUE(below.floorNote);
}

struct LongCase {
  const char* what;
  FreeSurfaceInputs in;
  float hs, sigma, B, h0, hc;
};
class LongCulvertTable : public ::testing::TestWithParam<LongCase> {};

TEST_P(LongCulvertTable, WidthSearchResults) {
  const LongCase c = GetParam();
  const FreeSurfaceResults r = FreeSurfaceFlowCase(c.in);
  ASSERT_TRUE(r.ok) << c.what << ": " << r.message;
  EXPECT_TRUE(r.longCulvert);
  EXPECT_TRUE(r.showNormalDepth);
  EXPECT_TRUE(r.showCriticalDepth);
  EXPECT_FALSE(r.floorNote);
  EXPECT_FLOAT_EQ(r.hs, c.hs) << c.what;
  EXPECT_FLOAT_EQ(r.sigma, c.sigma) << c.what;
  EXPECT_FLOAT_EQ(r.B, c.B) << c.what;
  EXPECT_FLOAT_EQ(r.h0, c.h0) << c.what;
  EXPECT_FLOAT_EQ(r.hc, c.hc) << c.what;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, LongCulvertTable,
    ::testing::Values(
        // h 1.9 > h0 1.593 (profile steps down towards h0), H > h0.
        LongCase{"h above h0", FS(6, 3, 200, 0.003f, 0.014f, 2.0f, 1.9f, 0.3f),
                 1.6931209564208984f, 0.9265902638435364f, 1.5065701007843018f,
                 1.593017578125f, 1.2115718126296997f},
        // h 0.3 < hc 1.154 < h0 1.724 < H 2: the profile starts at hc.
        LongCase{"h below hc below h0 below H", FS(6, 3, 200, 0.002f, 0.014f, 2.0f, 0.3f, 0.3f),
                 1.7732982635498047f, 0.8616350889205933f, 1.6205754280090332f,
                 1.7242431640625f, 1.1540621519088745f},
        // Mild slope: the first 206 widths drown the weir (reference script); the search
        // widens on through them.
        LongCase{"drowned starting widths", FS(6, 3, 200, 0.0005f, 0.014f, 2.0f, 1.9f, 0.3f),
                 1.9222749471664429f, 0.6182898283004761f, 2.256681442260742f,
                 2.056884765625f, 0.9254689812660217f},
        // Typed slope 0, computed as 0.00001.
        LongCase{"zero slope", FS(3, 2, 30, 0.0f, 0.014f, 1.2f, 1.0f, 0.2f),
                 1.0383126735687256f, 0.8989964723587036f, 1.6726081371307373f,
                 9.47265625f, 0.7118567228317261f},
        // Two more cases worked out by a second, separate python rendering of
        // the written steps (singles through struct), on other data:
        // h 2.0 > h0 1.593, H 2.2 > h0; the weir passes Q at the second width.
        LongCase{"h above h0, second rendering", FS(7.5f, 3, 250, 0.004f, 0.013f, 2.2f, 2.0f, 0.4f),
                 1.6145845651626587f, 0.9986822605133057f, 1.5105180740356445f,
                 1.593017578125f, 1.4034537076950073f},
        // h 0.4 < hc 1.272 < h0 2.127 < H 2.3, after 340 widths.
        LongCase{"h below hc below h0 below H, second rendering",
                 FS(7.5f, 3, 250, 0.0015f, 0.014f, 2.3f, 0.4f, 0.4f), 2.0975148677825928f,
                 0.8061040043830872f, 1.7516069412231445f, 2.1270751953125f,
                 1.2715232372283936f}));

// Data for which the method has no value: a message, no results, no hang.
struct NoResultCase {
  const char* what;
  FreeSurfaceInputs in;
  std::string message;  // empty: any message
};
class FreeSurfaceNoResult : public ::testing::TestWithParam<NoResultCase> {};

TEST_P(FreeSurfaceNoResult, MessageWithinSeconds) {
  const NoResultCase c = GetParam();
  const auto start = std::chrono::steady_clock::now();
  const FreeSurfaceResults r = FreeSurfaceFlowCase(c.in);
  const double seconds =
      std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
  EXPECT_FALSE(r.ok) << c.what;
  EXPECT_FALSE(r.message.empty()) << c.what;
  if (!c.message.empty()) {
    EXPECT_EQ(r.message, c.message) << c.what;
  }
  EXPECT_LT(seconds, 120.0) << c.what;
}

const FreeSurfaceInputs kLong = FS(6, 3, 200, 0.003f, 0.014f, 2.0f, 1.9f, 0.3f);
FreeSurfaceInputs With(FreeSurfaceInputs in, float FreeSurfaceInputs::*field, float v) {
  in.*field = v;
  return in;
}

INSTANTIATE_TEST_SUITE_P(
    Faults, FreeSurfaceNoResult,
    ::testing::Values(
        NoResultCase{"Q = 0", With(kLong, &FreeSurfaceInputs::Q, 0), "流量 Q 必须大于 0"},
        NoResultCase{"Q < 0", With(kLong, &FreeSurfaceInputs::Q, -6), "流量 Q 必须大于 0"},
        NoResultCase{"n = 0, long", With(kLong, &FreeSurfaceInputs::n, 0),
                     "洞身糙率 n 必须大于 0"},
        NoResultCase{"L = 0", With(kLong, &FreeSurfaceInputs::L, 0), "洞长 L 必须大于 0"},
        NoResultCase{"H = 0", With(kLong, &FreeSurfaceInputs::H, 0), "进口水深 H 必须大于 0"},
        NoResultCase{"negative slope, long", With(kLong, &FreeSurfaceInputs::i, -0.003f),
                     messages::kNegativeSlope},
        // Tailwater level above the total head at the inlet (h − iL > H0):
        // the weir is drowned from the start.
        NoResultCase{"tailwater above the inlet head", FS(6, 3, 200, 0.0005f, 0.014f, 2.0f, 2.5f, 0.3f),
                     messages::kWeirDrowned},
        // B + 0.001 = B in single precision from the start.
        NoResultCase{"width beyond single steps", FS(1.0e6f, 3, 200, 0.003f, 0.014f, 2.0f, 1.9f, 0.3f),
                     messages::kWidthStalled},
        // Short culvert whose depth inside the inlet reaches the total head.
        NoResultCase{"short, hs = h − iL above H0", FS(6, 3, 10, 0.001f, 0.014f, 2.0f, 2.5f, 0.0f),
                     messages::kWeirDrowned},
        NoResultCase{"short, hs = H0 exactly", FS(6, 3, 0.000001f, 0.0f, 0.014f, 2.0f, 2.0f, 0.0f),
                     messages::kWeirDrowned},
        // A roughness so large that the uniform depth lies beyond 100 m.
        NoResultCase{"normal depth beyond the search", With(kLong, &FreeSurfaceInputs::n, 10.0f),
                     messages::kNormalDepthNotConverged},
        // A negative outlet depth: the varied-flow function has no value.
        NoResultCase{"outlet depth below 0, long", With(kLong, &FreeSurfaceInputs::h, -1.0f),
                     messages::kNoProfile}));

TEST(FreeSurfaceFlowCase, ShortCulvertNeedsNoRoughnessOrFallingBed) {
  // n and the root of i belong to the long culvert only.
  FreeSurfaceInputs in = FS(5, 2, 10, -0.01f, 0.0f, 1.8f, 1.5f, 0.5f);
  const FreeSurfaceResults r = FreeSurfaceFlowCase(in);
  ASSERT_TRUE(r.ok) << r.message;
  // hs = 1.5 + 0.1 = 1.6, by hand.
  EXPECT_FLOAT_EQ(r.hs, 1.6f);
}

// ---- Pressure flow --------------------------------------------------------

PressureInputs PF(float h) {
  PressureInputs in;
  in.Q = 8; in.D = 1.5f; in.L = 40; in.i = 0.002f; in.n = 0.014f; in.H = 2.6f; in.h = h;
  in.V = 0.5f; in.xi1 = 0.3f; in.xi2 = 0.1f; in.xi3 = 0.2f; in.xi4 = 0.1f; in.xi5 = 0.2f;
  return in;
}

// Other data: ξ1 0.3, ξ2 0.05, ξ3 0.2, ξ4 0.15, ξ5 0.25, D 1.6.
PressureInputs PX(float h) {
  PressureInputs in;
  in.Q = 9.5f; in.D = 1.6f; in.L = 55; in.i = 0.003f; in.n = 0.015f; in.H = 2.7f; in.h = h;
  in.V = 0.6f; in.xi1 = 0.3f; in.xi2 = 0.05f; in.xi3 = 0.2f; in.xi4 = 0.15f; in.xi5 = 0.25f;
  return in;
}

struct PressureCase {
  const char* what;
  PressureInputs in;
  const char* index;
  float m, B;
};
class PressureTable : public ::testing::TestWithParam<PressureCase> {};

TEST_P(PressureTable, FiveFrictionPasses) {
  const PressureCase c = GetParam();
  EXPECT_EQ(PressureIndex(c.in.h, c.in.D), c.index) << c.what;
  const PressureResults r = PressureFlowCase(c.in);
  ASSERT_TRUE(r.ok) << r.message;
  EXPECT_FLOAT_EQ(r.m, c.m) << c.what;
  EXPECT_FLOAT_EQ(r.B, c.B) << c.what;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, PressureTable,
    ::testing::Values(
        // Head i·L + H0 − 0.85D = 1.4183789.
        PressureCase{"free outlet", PF(1.2f), "2:", 0.6389802694320679f, 1.582196593284607f},
        // Head i·L + H0 − h = 0.8933790.
        PressureCase{"submerged outlet", PF(1.8f), "3:", 0.6480922102928162f, 1.965573787689209f},
        // h = D is submerged: head 1.1933790.
        PressureCase{"outlet depth equal to D", PF(1.5f), "3:", 0.6425930857658386f,
                     1.715215802192688f},
        // A second, separate python rendering of the written steps, other data:
        // heads 1.5242661 (free), 0.7842663 (h 2.1), 1.2842661 (h = D).
        PressureCase{"free outlet, other data", PX(1.0f), "2:", 0.60676109790802f,
                     1.7893725633621216f},
        PressureCase{"submerged outlet, other data", PX(2.1f), "3:", 0.6212620735168457f,
                     2.4363646507263184f},
        PressureCase{"outlet depth equal to D, other data", PX(1.6f), "3:", 0.6108656525611877f,
                     1.9363136291503906f}));

TEST(PressureFlowCase, FirstPassWithoutFriction) {
  // By hand with n tiny (ξf → 0): m = 1/√(1 + 0.9) = 0.7254763, and
  // B = Q/m/D/4.4295/√Z with Z = 0.08 + 2.6 + 1.05·0.25/19.62 − 1.275 = 1.4183791.
  PressureInputs in = PF(1.2f);
  in.n = 1e-12f;
  const PressureResults r = PressureFlowCase(in);
  ASSERT_TRUE(r.ok) << r.message;
  EXPECT_NEAR(r.m, 0.7254763, 1e-6);
  EXPECT_NEAR(r.B, 8.0 / 0.7254763 / 1.5 / 4.4295 / std::sqrt(1.4183791), 1e-5);
}

struct PressureFault {
  const char* what;
  PressureInputs in;
};
class PressureNoResult : public ::testing::TestWithParam<PressureFault> {};

TEST_P(PressureNoResult, Message) {
  const PressureResults r = PressureFlowCase(GetParam().in);
  EXPECT_FALSE(r.ok) << GetParam().what;
  EXPECT_FALSE(r.message.empty()) << GetParam().what;
}

PressureInputs PWith(PressureInputs in, float PressureInputs::*field, float v) {
  in.*field = v;
  return in;
}

INSTANTIATE_TEST_SUITE_P(
    Faults, PressureNoResult,
    ::testing::Values(PressureFault{"Q = 0", PWith(PF(1.2f), &PressureInputs::Q, 0)},
                      PressureFault{"D = 0", PWith(PF(1.2f), &PressureInputs::D, 0)},
                      PressureFault{"n = 0", PWith(PF(1.2f), &PressureInputs::n, 0)},
                      PressureFault{"L < 0", PWith(PF(1.2f), &PressureInputs::L, -40)},
                      PressureFault{"H = 0", PWith(PF(1.2f), &PressureInputs::H, 0)},
                      // Losses summing to zero: 1 + ξ1 + ... = 0.
                      PressureFault{"loss sum 0", PWith(PF(1.2f), &PressureInputs::xi1, -1.6f)},
                      // Free outlet, head i·L + H0 − 0.85D below 0.
                      PressureFault{"head below 0, free", PWith(PF(1.2f), &PressureInputs::D, 4.0f)},
                      // Submerged outlet above the inlet level.
                      PressureFault{"head below 0, submerged", PWith(PF(1.2f), &PressureInputs::h, 3.0f)}));

// ---- Semi-pressure flow ---------------------------------------------------

SemiPressureInputs SP() {
  SemiPressureInputs in;
  in.Q = 4; in.D = 1.5f; in.L = 30; in.i = 0.003f; in.H = 2.0f; in.h = 1.0f; in.V = 0.4f;
  in.m1 = 0.625f; in.beta1 = 0.735f;
  return in;
}

TEST(SemiPressureFlowCase, WidthFromTheHead) {
  // Reference script 0.9651408; by hand: H0 = 2 + 1.05·0.16/19.62 = 2.0085627,
  // head = 0.09 + 2.0085627 − 1.1025 = 0.9960627, B = 4/0.625/1.5/4.4295/√head.
  const SemiPressureResults r = SemiPressureFlowCase(SP());
  ASSERT_TRUE(r.ok) << r.message;
  EXPECT_FLOAT_EQ(r.B, 0.9651407599449158f);
  EXPECT_NEAR(r.B, 4 / 0.625 / 1.5 / 4.4295 / std::sqrt(0.9960627), 2e-6);
  // The wing-wall coefficients of the hint table on other data, by a second
  // python rendering: Q 5.2, D 1.4, L 35, i 0.002, H 1.9, V 0.5.
  SemiPressureInputs wing = SP();
  wing.Q = 5.2f; wing.D = 1.4f; wing.L = 35; wing.i = 0.002f; wing.H = 1.9f; wing.h = 0.9f;
  wing.V = 0.5f; wing.m1 = 0.670f; wing.beta1 = 0.740f;
  EXPECT_FLOAT_EQ(SemiPressureFlowCase(wing).B, 1.2858308553695679f);
  // The outlet depth takes no part.
  SemiPressureInputs other = SP();
  other.h = 0.2f;
  EXPECT_EQ(SemiPressureFlowCase(other).B, r.B);
}

TEST(SemiPressureFlowCase, NoValueCases) {
  SemiPressureInputs m0 = SP();
  m0.m1 = 0;
  EXPECT_EQ(SemiPressureFlowCase(m0).message, "流量系数 m1 必须大于 0");
  SemiPressureInputs d0 = SP();
  d0.D = 0;
  EXPECT_FALSE(SemiPressureFlowCase(d0).ok);
  SemiPressureInputs q0 = SP();
  q0.Q = 0;
  EXPECT_FALSE(SemiPressureFlowCase(q0).ok);
  SemiPressureInputs head = SP();
  head.beta1 = 2.0f;  // 0.09 + 2.0086 − 3 < 0
  EXPECT_EQ(SemiPressureFlowCase(head).message, messages::kSemiPressureHeadNotPositive);
}

}  // namespace
