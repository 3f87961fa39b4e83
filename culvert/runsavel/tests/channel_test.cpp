// The width, slope and depth searches and the three cases. Expected values
// come from tests/reference/channel_ref.py (an independent Python rendering
// with single rounding through struct), unless a test says otherwise.
#include "channel.h"

#include "numbers.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cmath>

using namespace runsavel;

namespace {

ChannelInputs Data(float Q, float L, float xi1, float n, float V, float xi2) {
  ChannelInputs in;
  in.Q = Q;
  in.L = L;
  in.xi1 = xi1;
  in.n = n;
  in.V = V;
  in.xi2 = xi2;
  return in;
}

// The example channel: Q 3, L 80, ξ1 0.15, n 0.014, V 0.8, ξ2 0.4.
ChannelInputs Example() { return Data(3, 80, 0.15f, 0.014f, 0.8f, 0.4f); }

ChannelInputs With(ChannelInputs in, float h, float B, float m, float Z) {
  in.h = h;
  in.B = B;
  in.m = m;
  in.Z = Z;
  return in;
}

std::string Shown(double x, int k) { return shell::ResultText(x, k); }

// ---- WidthSearch --------------------------------------------------------------

TEST(WidthSearch, TheWidthCarriesTheDischarge) {
  // Q = B·h·R^(2/3)·√i/n at the width found, within the search's 0.2 % on f
  // and the rounding of B to 1 cm.
  const WidthResult w = WidthSearch(1.2f, 0.001f, 0.014f, 3.0f);
  ASSERT_TRUE(w.converged);
  EXPECT_FLOAT_EQ(w.B, 1.74f);
  EXPECT_NEAR(w.beta, 0.6884765625, 1e-12);
  const double Qc = ChannelCapacity(1.2f / w.beta, 1.2f, 0.001f, 0.014f);
  EXPECT_NEAR(Qc, 3.0, 3.0 * 0.002);
}

TEST(WidthSearch, WidthBelowAThirdOfTheDepthIsOutOfReach) {
  // K above 3·7^(2/3) = 10.978: β ends near 3 without meeting K.
  const WidthResult w = WidthSearch(3.0f, 0.05f, 0.012f, 1.0f);
  EXPECT_GT(w.K, 10.978);
  EXPECT_FALSE(w.converged);
  EXPECT_EQ(w.steps, 20);
  EXPECT_GT(w.beta, 2.99f);
  EXPECT_LT(w.beta, 3.0f);
}

// ---- Cases against the reference ----------------------------------------------

struct CaseRow {
  const char* what;
  ChannelResults (*run)(const ChannelInputs&);
  ChannelInputs in;
  double Z1, Z2, Z3, Z;
  float B, h;
  float slopeShown;  // case 2
  int passes;        // cases 2, 3
};
class CaseTable : public ::testing::TestWithParam<CaseRow> {};

TEST_P(CaseTable, MatchesTheIndependentRendering) {
  const CaseRow c = GetParam();
  const ChannelResults r = c.run(c.in);
  ASSERT_TRUE(r.ok) << c.what << ": " << r.message;
  EXPECT_NEAR(r.Z1, c.Z1, 2e-6) << c.what;
  EXPECT_NEAR(r.Z2, c.Z2, 2e-6) << c.what;
  EXPECT_NEAR(r.Z3, c.Z3, 2e-6) << c.what;
  EXPECT_NEAR(r.Z, c.Z, 2e-6) << c.what;
  EXPECT_EQ(Shown(r.Z1, 3), Shown(c.Z1, 3)) << c.what;
  EXPECT_EQ(Shown(r.Z3, 3), Shown(c.Z3, 3)) << c.what;
  EXPECT_FLOAT_EQ(r.B, c.B) << c.what;
  EXPECT_FLOAT_EQ(r.h, c.h) << c.what;
  EXPECT_EQ(r.slopeShown, c.slopeShown) << c.what;
  EXPECT_EQ(r.passes, c.passes) << c.what;
  EXPECT_TRUE(r.metTolerance) << c.what;
  EXPECT_EQ(r.note, "") << c.what;
}

INSTANTIATE_TEST_SUITE_P(
    Reference, CaseTable,
    ::testing::Values(
        CaseRow{"case 1, h 1.2 m 1000", ChannelWidthAndLossCase, With(Example(), 1.2f, 0, 1000, 0),
                0.08348586743778137, 0.07999999821186066, 0.043557843880581586, 0.1199280247092247,
                1.74f, 1.2f, 0, 0},
        CaseRow{"case 1, h 1.5 m 500", ChannelWidthAndLossCase,
                With(Data(10, 50, 0.2f, 0.013f, 1.0f, 0.5f), 1.5f, 0, 500, 0), 0.37376828960038955,
                0.10000000149011612, 0.15573678733349564, 0.3180314898490906, 2.5f, 1.5f, 0, 0},
        CaseRow{"case 1, slow culvert", ChannelWidthAndLossCase,
                With(Data(1, 80, 0.15f, 0.014f, 2.0f, 0.4f), 1.0f, 0, 2000, 0), -0.19375070983535336,
                0.03999999910593033, -0.10108732687061917, -0.05266338214278221, 1.2f, 1.0f, 0, 0},
        CaseRow{"case 2, h 1.2 Z 0.15", ChannelWidthAndSlopeCase, With(Example(), 1.2f, 0, 0, 0.15f),
                0.10381490042966927, 0.10078123956918716, 0.05416429587634918, 0.15043184161186218,
                1.61f, 1.2f, 793, 6},
        CaseRow{"case 2, h 1.5 Z 0.3", ChannelWidthAndSlopeCase,
                With(Data(10, 200, 0.2f, 0.013f, 1.0f, 0.5f), 1.5f, 0, 0, 0.3f), 0.1884536248801375,
                0.18984374403953552, 0.0785223437000573, 0.29977503418922424, 3.3f, 1.5f, 1053, 7},
        CaseRow{"case 3, B 2 m 1000", ChannelDepthAndLossCase, With(Example(), 0, 2.0f, 1000, 0),
                0.0844184129471199, 0.07999999821186066, 0.044044389363714735, 0.12037402391433716,
                2.0f, 1.04f, 0, 11},
        CaseRow{"case 3, a depth below 1 m found by halving alone", ChannelDepthAndLossCase,
                With(Data(0.5f, 80, 0.15f, 0.014f, 0.8f, 0.4f), 0, 2.0f, 1000, 0),
                0.003191186189111424, 0.07999999821186066, 0.001664966707362482,
                0.08152621984481812, 2.0f, 0.3f, 0, 12},
        CaseRow{"case 3, B 3 m 300", ChannelDepthAndLossCase,
                With(Data(40, 120, 0.1f, 0.014f, 1.2f, 0.3f), 0, 3.0f, 300, 0), 0.8987328774667093,
                0.4000000059604645, 0.5719209220242695, 0.726811945438385, 3.0f, 3.19f, 0, 8}));

TEST(ChannelDepthAndLossCase, LossesAreThoseOfTheRoundedDepth) {
  // The halving ends at 1.0405273 m; the losses use 1.04 m: v = 3/(2·1.04).
  const ChannelResults r = ChannelDepthAndLossCase(With(Example(), 0, 2.0f, 1000, 0));
  ASSERT_TRUE(r.ok);
  EXPECT_FLOAT_EQ(r.v, 3.0f / (2.0f * 1.04f));
}

TEST(SlopeSearch, TwentyPassesShortOfTheToleranceShowTheLastPassWithANote) {
  // A fast channel (V above v) makes the local term negative, so hf + Zl
  // stays below Z however near hf comes to Z.
  const ChannelResults r =
      ChannelWidthAndSlopeCase(With(Data(3, 80, 0.5f, 0.014f, 1.5f, 0.5f), 1.2f, 0, 0, 0.02f));
  ASSERT_TRUE(r.ok) << r.message;
  EXPECT_FALSE(r.metTolerance);
  EXPECT_EQ(r.passes, 20);
  EXPECT_FLOAT_EQ(r.B, 2.93f);
  EXPECT_EQ(r.slopeShown, 4000);
  EXPECT_NEAR(r.Z2, 0.01999998278915882, 1e-9);
  EXPECT_NE(r.note.find("0.002 m"), std::string::npos);
}

TEST(SlopeSearch, TheSlopeShowsItsWholePartUnrounded) {
  // 1/i = 793.8 for the example: the box shows 793, not 794.
  const ChannelResults r = ChannelWidthAndSlopeCase(With(Example(), 1.2f, 0, 0, 0.15f));
  ASSERT_TRUE(r.ok);
  EXPECT_GT(1.0 / r.i, 793.5);
  EXPECT_EQ(Shown(r.slopeShown, 0), "793");
}

// ---- Precision: what is rounded to single and what is not ------------------------

TEST(WidthSearch, TheCentimetreRoundingTakesTheUnroundedRatio) {
  // h = 0x1.338e66p+0 (1.2013916 m), i = 0.001, n 0.014, Q 3: the halving
  // ends at β = 0.6884765625 and h/β = 1.74499996537 in double, which rounds
  // to 1.74 m; h/β rounded to single first is 1.745 and would give 1.75.
  // (python3: h/β from the two floats, then floor(x·100 + 0.5)/100.)
  const float h = 0x1.338e66p+0f;
  const WidthResult w = WidthSearch(h, shell::sgl(1.0 / 1000), 0.014f, 3.0f);
  ASSERT_TRUE(w.converged);
  EXPECT_EQ(w.beta, 0.6884765625f);
  EXPECT_EQ(w.B, 1.74f);
  const ChannelResults r = ChannelWidthAndLossCase(With(Example(), h, 0, 1000, 0));
  ASSERT_TRUE(r.ok) << r.message;
  EXPECT_EQ(Shown(r.B, 2), "1.74");
  // v = 3/(1.74·1.2013916) = 1.43499..., Z1 = (v² - 0.8²)·1.15/19.62.
  EXPECT_EQ(Shown(r.Z1, 3), "0.083");
}

TEST(ChannelDepthAndLossCase, TheVelocityDividesByTheUnroundedArea) {
  // Q 12.28, B 2.16, m 1000: the depth rounds to 2.95 m. v = Q/(B·h) with the
  // product B·h in double is sgl(1.92718141...) = 1.9271812438964844; with
  // B·h rounded to single first it would be 1.927181363105774.
  // (python3 with struct rounding of each single.)
  const ChannelResults r =
      ChannelDepthAndLossCase(With(Data(12.28f, 80, 0.15f, 0.014f, 0.8f, 0.4f), 0, 2.16f, 1000, 0));
  ASSERT_TRUE(r.ok) << r.message;
  EXPECT_EQ(r.h, 2.95f);
  EXPECT_EQ(r.v, 1.9271812438964844f);
}

TEST(SlopeSearch, TheWholePartOfTheSlopeIsTakenFromTheUnroundedReciprocal) {
  // L = 79.6171875 (exact in single) with the example channel: the search
  // ends after 6 passes at i = 0.0012658227933570743, 1/i = 789.99999467,
  // whose whole part is 789; 1/i rounded to single is 790.0 exactly.
  // (python3 rendering of the slope search, inputs rounded to single.)
  ChannelInputs in = With(Example(), 1.2f, 0, 0, 0.15f);
  in.L = 79.6171875f;
  const ChannelResults r = ChannelWidthAndSlopeCase(in);
  ASSERT_TRUE(r.ok) << r.message;
  EXPECT_EQ(r.passes, 6);
  EXPECT_EQ(r.i, 0.0012658227933570743f);
  EXPECT_EQ(r.slopeShown, 789);
  EXPECT_EQ(Shown(r.slopeShown, 0), "789");
}

// ---- Impossible data ------------------------------------------------------------

struct BadRow {
  const char* what;
  ChannelResults (*run)(const ChannelInputs&);
  ChannelInputs in;
  const char* words;
};
class BadData : public ::testing::TestWithParam<BadRow> {};

TEST_P(BadData, StopsWithAMessage) {
  const BadRow c = GetParam();
  const auto start = std::chrono::steady_clock::now();
  const ChannelResults r = c.run(c.in);
  const double seconds =
      std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
  EXPECT_FALSE(r.ok) << c.what;
  EXPECT_NE(r.message.find(c.words), std::string::npos) << c.what << ": " << r.message;
  EXPECT_LT(seconds, 1.0) << c.what;
}

INSTANTIATE_TEST_SUITE_P(
    Orderly, BadData,
    ::testing::Values(
        BadRow{"case 1, width below h/3", ChannelWidthAndLossCase,
               With(Data(1, 80, 0.15f, 0.012f, 0.8f, 0.4f), 3.0f, 0, 20, 0), "1/3"},
        BadRow{"case 1, a channel hundreds of thousands of depths wide", ChannelWidthAndLossCase,
               With(Data(1e6f, 80, 0.15f, 0.014f, 0.8f, 0.4f), 0.1f, 0, 1000, 0), "一千倍以上"},
        BadRow{"case 1, zero m", ChannelWidthAndLossCase, With(Example(), 1.2f, 0, 0, 0), "比降"},
        BadRow{"case 1, zero n", ChannelWidthAndLossCase,
               With(Data(3, 80, 0.15f, 0, 0.8f, 0.4f), 1.2f, 0, 1000, 0), "糙率"},
        BadRow{"case 1, zero Q", ChannelWidthAndLossCase,
               With(Data(0, 80, 0.15f, 0.014f, 0.8f, 0.4f), 1.2f, 0, 1000, 0), "流量"},
        BadRow{"case 1, zero h", ChannelWidthAndLossCase, With(Example(), 0, 0, 1000, 0), "水深"},
        BadRow{"case 1, a width under 5 mm", ChannelWidthAndLossCase,
               With(Data(1e-7f, 80, 0.15f, 0.014f, 0.8f, 0.4f), 0.003f, 0, 1000, 0), "0.005 m"},
        BadRow{"case 2, zero allowed loss", ChannelWidthAndSlopeCase, With(Example(), 1.2f, 0, 0, 0), "允许水头损失"},
        BadRow{"case 2, negative allowed loss", ChannelWidthAndSlopeCase, With(Example(), 1.2f, 0, 0, -0.1f), "允许水头损失"},
        BadRow{"case 2, zero L", ChannelWidthAndSlopeCase,
               With(Data(3, 0, 0.15f, 0.014f, 0.8f, 0.4f), 1.2f, 0, 0, 0.15f), "洞身长"},
        BadRow{"case 2, a width below h/3 at every slope", ChannelWidthAndSlopeCase,
               With(Data(0.5f, 10, 0.15f, 0.012f, 0.8f, 0.4f), 3.0f, 0, 0, 2.0f), "1/3"},
        BadRow{"case 3, zero B", ChannelDepthAndLossCase, With(Example(), 0, 0, 1000, 0), "宽度"},
        BadRow{"case 3, zero m", ChannelDepthAndLossCase, With(Example(), 0, 2.0f, 0, 0), "比降"},
        BadRow{"case 3, a depth above 10 m", ChannelDepthAndLossCase,
               With(Data(500, 80, 0.15f, 0.014f, 0.8f, 0.4f), 0, 2.0f, 1000, 0), "超过 10 m"},
        BadRow{"case 3, a depth too small to resolve", ChannelDepthAndLossCase,
               With(Data(1e-9f, 80, 0.15f, 0.014f, 0.8f, 0.4f), 0, 2.0f, 1000, 0), "未"}));

}  // namespace
