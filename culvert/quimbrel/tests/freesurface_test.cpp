// The free-surface method step by step. Reference values come from
// tests/reference/freesurface_ref.py (an independent Python rendering with
// single rounding through struct) or from the formulas solved another way,
// as each test says.
#include "freesurface.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cmath>

namespace fs = freesurface;

namespace {

TEST(WeirRelations, SubmergenceWidthAndDischargeByHand) {
  // hs/H0 = 0.72: σ = 2.31·0.72·0.28^0.4, with 0.28^0.4 = e^(0.4·ln 0.28)
  // = e^(-0.5091802) = 0.6009844 (python3), so σ = 0.9995573.
  EXPECT_NEAR(fs::SubmergenceCoefficient(0.72f, 1.0f), 0.9995573, 1e-6);
  // σ vanishes at hs = H0.
  EXPECT_EQ(fs::SubmergenceCoefficient(2.0f, 2.0f), 0.0f);
  // B = Q/σ/0.95/0.36/4.4295/H0^1.5 with Q = 4.2845, σ = 1, H0 = 2:
  // 0.95·0.36·4.4295·2^1.5 = 4.2847531 (python3), so B = 0.9999409.
  EXPECT_NEAR(fs::WeirWidthFormula(4.2845f, 1.0f, 2.0f), 0.9999409, 1e-6);
  // The discharge is the inverse of the width formula.
  const float B = fs::WeirWidthFormula(7.0f, 0.8f, 1.7f);
  EXPECT_NEAR(fs::WeirDischarge(B, 0.8f, 1.7f), 7.0, 7.0 * 1e-6);
}

TEST(WeirRelations, WeirAppliesOnlyBelowTheTotalHead) {
  EXPECT_TRUE(fs::WeirApplies(1.0f, 1.2f));
  EXPECT_FALSE(fs::WeirApplies(1.2f, 1.2f));
  EXPECT_FALSE(fs::WeirApplies(1.3f, 1.2f));
  EXPECT_FALSE(fs::WeirApplies(0.0f, 1.2f));
}

TEST(WeirRelations, TotalHeadFactors) {
  // H + f·V²/19.62 with V = 1.962: V²/19.62 = 0.1962.
  EXPECT_FLOAT_EQ(fs::TotalHead(2.0f, 1.962f, 1.1), static_cast<float>(2.0 + 1.1 * 0.1962));
  EXPECT_FLOAT_EQ(fs::TotalHead(2.0f, 1.962f, 1.05), static_cast<float>(2.0 + 1.05 * 0.1962));
}

TEST(WeirRelations, TailwaterFloorHoldsAtEquality) {
  const float floor = static_cast<float>(0.72 * 2.5f);  // sgl(0.72H) = 1.8
  EXPECT_TRUE(fs::TailwaterFloor(floor, 2.5f).raised);
  EXPECT_EQ(fs::TailwaterFloor(floor, 2.5f).hs, floor);
  EXPECT_FALSE(fs::TailwaterFloor(std::nextafter(floor, 10.0f), 2.5f).raised);
  EXPECT_EQ(fs::TailwaterFloor(-0.3f, 2.5f).hs, floor);
}

TEST(CriticalDepth, FactorOfQSquared) {
  // q² = 9.81 gives hc = 1 without the factor and 1.1^(1/3) = 1.032280 with it.
  const float q = std::sqrt(9.81f);
  EXPECT_NEAR(fs::CriticalDepth(q, 1.0), 1.0, 1e-6);
  EXPECT_NEAR(fs::CriticalDepth(q, fs::kWidthSearchCriticalFactor), 1.0322801, 1e-6);
}

TEST(EffectiveSlope, ZeroBecomesOneHundredThousandth) {
  EXPECT_EQ(fs::EffectiveSlope(0.0f), 0.00001f);
  EXPECT_EQ(fs::EffectiveSlope(-0.0f), 0.00001f);
  EXPECT_EQ(fs::EffectiveSlope(0.002f), 0.002f);
}

// Normal depth against Manning's formula solved by Newton's method in double
// (freesurface_ref.py, manning_depth), and the search's own values.
struct NormalDepthCase {
  float B, Q, i, n;
  double manning;  // Newton in double
  float search;    // halving search in single (reference script)
};
class NormalDepthTable : public ::testing::TestWithParam<NormalDepthCase> {};

TEST_P(NormalDepthTable, MatchesManning) {
  const NormalDepthCase c = GetParam();
  const fs::NormalDepth r = fs::NormalDepthSearch(c.B, c.Q, c.i, c.n);
  ASSERT_TRUE(r.converged);
  EXPECT_FLOAT_EQ(r.h0, c.search);
  // A relative 0.001 in discharge is about a relative 0.001 in depth.
  EXPECT_NEAR(r.h0, c.manning, 0.001 * c.manning);
  EXPECT_LT(r.passes, 40);
}

INSTANTIATE_TEST_SUITE_P(Cases, NormalDepthTable,
                         ::testing::Values(NormalDepthCase{2.5f, 6.0f, 0.0005f, 0.014f,
                                                           1.8317573230270696, 1.8310546875f},
                                           NormalDepthCase{1.0f, 1.0f, 0.002f, 0.013f,
                                                           0.6693371079439893, 0.669097900390625f},
                                           NormalDepthCase{4.0f, 20.0f, 0.001f, 0.02f,
                                                           2.8417762131902813, 2.8411865234375f}));

// Data on which the halving search cannot meet its tolerance: it ends at its
// pass bound, or at the first pass without a value, and says so.
struct NoNormalDepthCase {
  const char* what;
  float B, Q, i, n;
};
class NoNormalDepth : public ::testing::TestWithParam<NoNormalDepthCase> {};

TEST_P(NoNormalDepth, EndsWithinItsBound) {
  const NoNormalDepthCase c = GetParam();
  const fs::NormalDepth r = fs::NormalDepthSearch(c.B, c.Q, c.i, c.n);
  EXPECT_FALSE(r.converged) << c.what;
  EXPECT_LE(r.passes, fs::kNormalDepthMaxPasses) << c.what;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, NoNormalDepth,
    ::testing::Values(NoNormalDepthCase{"Q = 0", 2.0f, 0.0f, 0.001f, 0.014f},
                      NoNormalDepthCase{"n = 0", 2.0f, 5.0f, 0.001f, 0.0f},
                      NoNormalDepthCase{"negative slope", 2.0f, 5.0f, -0.001f, 0.014f},
                      // Uniform depth far above 100 m.
                      NoNormalDepthCase{"depth beyond 100 m", 1.0f, 5000.0f, 0.00001f, 0.014f}));

TEST(VariedFlowFunction, SeriesEqualsItsIntegral) {
  // Below 1: Φ(y) = ∫0..y dt/(1 − t^x); above 1: Φ(y) = ∫y..∞ dt/(t^x − 1).
  // Simpson's rule in freesurface_ref.py, x = 3: Φ(0.5) = 0.5168492,
  // Φ(1.5) = 0.2548127 (30 terms leave a negligible tail there).
  EXPECT_NEAR(fs::VariedFlowFunction(0.5f, 3.0f, 0.8f), 0.5168491839429965, 2e-6);
  EXPECT_NEAR(fs::VariedFlowFunction(1.5f, 3.0f, 1.2f), 0.25481265421940796, 2e-6);
  // The branch follows η1, not the argument.
  EXPECT_NE(fs::VariedFlowFunction(0.5f, 3.0f, 1.2f), fs::VariedFlowFunction(0.5f, 3.0f, 0.8f));
  EXPECT_TRUE(std::isnan(fs::VariedFlowFunction(0.5f, 3.0f, 1.0f)));
}

// Profile parameters of the long culvert of freesurface_ref.py ("long h>h0":
// Q 6, L 200, i 0.003, n 0.014, h 1.9) at its final width 1.5065701.
fs::ProfileParameters FinalPassParameters() {
  return fs::ProfileParametersFor(1.5065701f, 6.0f, 0.003f, 0.014f, 1.9f, 1.593017578125f,
                                  1.2115718126296997f);
}

TEST(ProfileParameters, ExponentAndKineticParameter) {
  const fs::ProfileParameters p = FinalPassParameters();
  ASSERT_TRUE(fs::ProfileUsable(p));
  EXPECT_FLOAT_EQ(p.x, 2.432631015777588f);  // reference script
  EXPECT_FLOAT_EQ(p.j, 0.4175603687763214f);
  EXPECT_FLOAT_EQ(p.eta1, static_cast<float>(1.9 / 1.593017578125));
  // h > h0: the profile steps down from h towards h0.
  EXPECT_FLOAT_EQ(p.dh, static_cast<float>((1.593017578125 - double(1.9f)) / 23.0));
}

TEST(ProfileParameters, StepFromTheCriticalDepthWhenItExceedsTheNormalDepth) {
  const fs::ProfileParameters p = fs::ProfileParametersFor(2.0f, 6.0f, 0.01f, 0.014f, 0.3f,
                                                           0.9f, 1.2f);
  EXPECT_FLOAT_EQ(p.dh, static_cast<float>((1.2 - double(0.3f)) / 23.0));
}

TEST(ProfileParameters, OutletAtTheNormalDepthHasNoProfile) {
  EXPECT_FALSE(fs::ProfileUsable(fs::ProfileParametersFor(2.0f, 6.0f, 0.003f, 0.014f, 1.5f,
                                                          1.5f, 1.0f)));
  // A negative outlet depth: Φ(η1) of a negative η1 has no value.
  const fs::ProfileParameters negative =
      fs::ProfileParametersFor(2.0f, 6.0f, 0.003f, 0.014f, -0.5f, 1.5f, 1.0f);
  EXPECT_FALSE(fs::BakhmeteffProfile(1.0f, 200.0f, 2.0f, negative).has_value());
}

TEST(LengthBisection, DirectionFollowsTheInletDepthAgainstH0) {
  const fs::ProfileParameters p = FinalPassParameters();
  // A depth step that overshoots L = 200: from the outlet depth 1.9 stepping
  // down, the section at 1.64 lies beyond 200 m.
  const float deeper = 1.70f, shallower = 1.64f;
  const float tooFar = fs::ProfileDistance(static_cast<float>(shallower / p.h0), p);
  ASSERT_GT(tooFar, 200.0f);
  ASSERT_LT(fs::ProfileDistance(static_cast<float>(deeper / p.h0), p), 200.0f);
  // H above h0: the overshooting depth moves up, back towards 1.70, and meets L.
  const auto up = fs::LengthBisection(shallower, deeper, tooFar, 200.0f, 2.0f, p);
  ASSERT_TRUE(up.has_value());
  EXPECT_GT(*up, shallower);
  EXPECT_NEAR(fs::ProfileDistance(static_cast<float>(*up / p.h0), p), 200.0, 0.2);
  // H below h0 (only the comparison depth changes): the depth moves down.
  const auto down = fs::LengthBisection(shallower, deeper, tooFar, 200.0f, 1.0f, p);
  ASSERT_TRUE(down.has_value());
  EXPECT_LT(*down, shallower);
  // H equal to h0: nothing moves in any of the 20 passes.
  const auto still = fs::LengthBisection(shallower, deeper, tooFar, 200.0f, p.h0, p);
  ASSERT_TRUE(still.has_value());
  EXPECT_EQ(*still, shallower);
}

TEST(BakhmeteffProfile, TakesTheLastDepthWhenNoStepPassesTheLength) {
  const fs::ProfileParameters p = FinalPassParameters();
  // 23 steps of dh from h reach h0 within far less than 100 km.
  const auto hs = fs::BakhmeteffProfile(1.9f, 100000.0f, 2.0f, p);
  ASSERT_TRUE(hs.has_value());
  float depth = 1.9f;
  for (int k = 2; k <= 24; ++k) depth = static_cast<float>(double(depth) + p.dh);
  EXPECT_EQ(*hs, depth);
  EXPECT_NEAR(*hs, p.h0, 1e-5);
}

TEST(BakhmeteffProfile, InletDepthOfTheFinalPass) {
  // Reference script: the profile of the final pass ends at step 17 with
  // hs = 1.6931210.
  const auto hs = fs::BakhmeteffProfile(1.9f, 200.0f, 2.0f, FinalPassParameters());
  ASSERT_TRUE(hs.has_value());
  EXPECT_FLOAT_EQ(*hs, 1.6931209564208984f);
}

TEST(WeirWidthSearch, DrownedPassesWidenOn) {
  // Mild slope, long barrel: at the starting widths the profile reaches above
  // the total head (σ would have no value); those passes pass nothing and the
  // search widens until the weir passes Q (reference script: B = 1.7605820
  // after 365 passes, the first 161 of them drowned).
  fs::WidthSearchData d;
  d.Q = 6.0f; d.L = 200.0f; d.i = 0.0005f; d.n = 0.014f; d.H = 2.0f; d.h = 0.3f; d.V = 0.3f;
  const float H0 = fs::TotalHead(d.H, d.V, fs::kShortCulvertHeadFactor);
  const float hs = fs::TailwaterFloor(static_cast<float>(d.h - d.i * d.L), d.H).hs;
  d.startWidth = fs::WeirWidthFormula(d.Q, fs::SubmergenceCoefficient(hs, H0), H0);
  const fs::WidthSearchResult r = fs::WeirWidthSearch(d);
  ASSERT_EQ(r.failure, fs::WidthSearchFailure::None);
  EXPECT_EQ(r.passes, 365);
  EXPECT_FLOAT_EQ(r.B, 1.7605819702148438f);
  EXPECT_FLOAT_EQ(r.hsProfile, 1.8306283950805664f);
}

TEST(WeirWidthSearch, WidthThatNoLongerGrowsStops) {
  fs::WidthSearchData d;
  d.Q = 6.0f; d.L = 200.0f; d.i = 0.0005f; d.n = 0.014f; d.H = 2.0f; d.h = 0.3f; d.V = 0.3f;
  d.startWidth = 40000.0f;  // above 2^15 one millimetre is below half a step
  const fs::WidthSearchResult r = fs::WeirWidthSearch(d);
  EXPECT_EQ(r.failure, fs::WidthSearchFailure::WidthStalled);
  EXPECT_EQ(r.passes, 1);
}

TEST(WeirWidthSearch, NeverPassingWeirEndsAtTheBound) {
  // Tailwater far above the inlet head: every pass is drowned.
  fs::WidthSearchData d;
  d.Q = 6.0f; d.L = 200.0f; d.i = 0.0005f; d.n = 0.014f; d.H = 2.0f; d.h = 4.0f; d.V = 0.0f;
  d.startWidth = 1.0f;
  const auto start = std::chrono::steady_clock::now();
  const fs::WidthSearchResult r = fs::WeirWidthSearch(d);
  const double seconds =
      std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
  EXPECT_NE(r.failure, fs::WidthSearchFailure::None);
  EXPECT_LE(r.passes, fs::kWidthSearchMaxPasses);
  EXPECT_LT(seconds, 120.0);
}

}  // namespace

namespace {

// The stage-discharge relation uses the same profile with the critical depth
// without the factor 1.1 and its own trial depth as the bisection's inlet
// depth. Reference script, profile(1.6, 6, 0.002, 0.014, 200, 0.3, H, 1.0):
// hc = 1.1275380, h0 = 1.7517090, hs = 1.8218330 for H = 2 and 1.7037340
// for H = 1 (the bisection turns the other way).
TEST(LongCulvertInletDepth, ParametrisedForTheStageDischargeRelation) {
  fs::LongCulvertData d;
  d.B = 1.6f; d.Q = 6.0f; d.i = 0.002f; d.n = 0.014f; d.L = 200.0f; d.h = 0.3f;
  d.criticalFactor = 1.0;
  d.inletDepth = 2.0f;
  const fs::LongCulvertProfile above = fs::LongCulvertInletDepth(d);
  ASSERT_EQ(above.failure, fs::ProfileFailure::None);
  EXPECT_FLOAT_EQ(above.hc, 1.1275379657745361f);
  EXPECT_FLOAT_EQ(above.h0, 1.751708984375f);
  EXPECT_FLOAT_EQ(above.hs, 1.8218330144882202f);
  d.inletDepth = 1.0f;
  const fs::LongCulvertProfile below = fs::LongCulvertInletDepth(d);
  ASSERT_EQ(below.failure, fs::ProfileFailure::None);
  EXPECT_FLOAT_EQ(below.hs, 1.703734040260315f);
}

TEST(LongCulvertInletDepth, NormalDepthBeyondTheSearchIsReported) {
  fs::LongCulvertData d;
  d.B = 0.5f; d.Q = 5000.0f; d.i = 0.00001f; d.n = 0.014f; d.L = 200.0f; d.h = 1.0f;
  d.inletDepth = 2.0f;
  EXPECT_EQ(fs::LongCulvertInletDepth(d).failure, fs::ProfileFailure::NormalDepthNotConverged);
}

}  // namespace

namespace {

TEST(WeirWidthSearch, SlowProfilesStillEndWithinAboutASecond) {
  // Found by the suite's robustness run: an outlet depth of 1e-30 makes each
  // width pass slow (the profile and its bisection run in full), and the
  // search ran to its bound for several seconds. The bound of 30 m growth
  // ends it within about a second in a normal build.
  fs::WidthSearchData d;
  d.Q = 49.80047f; d.L = 49.800396f; d.i = 12.306995f; d.n = 40.336063f;
  d.H = 1.6348776f; d.h = 1e-30f; d.V = 1.4895551f;
  d.startWidth = 1.0f;
  const fs::WidthSearchResult r = fs::WeirWidthSearch(d);
  EXPECT_LE(r.passes, fs::kWidthSearchMaxPasses);
  EXPECT_LE(fs::kWidthSearchMaxPasses, 30000);
}

}  // namespace
