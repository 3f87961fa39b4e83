// The shared earth-pressure and stability method. Expected values are worked
// out independently: closed forms by hand, and a python3 script that
// integrates the pressure and head diagrams numerically (Simpson, 20000
// steps) with π = 3.14159.
#include "earthpressure.h"

#include <gtest/gtest.h>

#include <cmath>

namespace ketrova {
namespace {

TEST(RankineCoefficient, PublishedValues) {
  // tan²(45° − φ/2): φ = 30° gives 1/3, φ = 0 gives 1, φ = 45° gives
  // tan²(22.5°) = 0.171573 (π = 3.14159 moves the digits after the sixth).
  EXPECT_NEAR(RankineCoefficient(30.0f), 1.0 / 3.0, 1e-6);
  EXPECT_NEAR(RankineCoefficient(0.0f), 1.0, 1e-5);
  EXPECT_NEAR(RankineCoefficient(45.0f), 0.171573, 1e-5);
}

TEST(EquivalentFrictionAngle, WithoutCohesionEqualsPhiAndKeepsIt) {
  const FrictionAngle a = EquivalentFrictionAngle(30.0f, 0.0f, 18.0f, 5.0f);
  ASSERT_TRUE(a.ok);
  EXPECT_NEAR(a.phid, 30.0, 1e-9);
  EXPECT_EQ(a.phiUsed, 30.0f);
  // Negative cohesion: φd is formed and shown, but φ stays as typed.
  const FrictionAngle n = EquivalentFrictionAngle(30.0f, -2.0f, 18.0f, 5.0f);
  ASSERT_TRUE(n.ok);
  EXPECT_LT(n.phid, 30.0);
  EXPECT_EQ(n.phiUsed, 30.0f);
}

TEST(EquivalentFrictionAngle, CohesionReplacesPhi) {
  // φ = 30°, C = 5, γ1 = 18, H = 5: t = tan(30°) = 0.5773496 (π = 3.14159),
  // 2C/(γ1·H) = 0.1111111, φd = 2·(45 − atn 0.4662385) = 40.006461°.
  const FrictionAngle a = EquivalentFrictionAngle(30.0f, 5.0f, 18.0f, 5.0f);
  ASSERT_TRUE(a.ok);
  EXPECT_NEAR(a.phid, 40.006461, 1e-5);
  EXPECT_EQ(a.phiUsed, static_cast<float>(a.phid));
  // The written form of the radicand agrees with the square form.
  const double t = std::tan((45.0 - 15.0) * kPi / 180.0);
  const double R = (18.0 * 25.0 * t * t - 4.0 * 5.0 * 5.0 * t + 4.0 * 25.0 / 18.0) / (25.0 * 18.0);
  EXPECT_NEAR(a.phid, 2.0 * (45.0 - std::atan(std::sqrt(R)) * 180.0 / kPi), 1e-9);
}

TEST(EquivalentFrictionAngle, CohesionTooLargeForTheFormula) {
  // 2C/(γ1·H) reaches tan(45° − φ/2) = 0.5773496 at C = 25.98 for γ1 = 18,
  // H = 5: just below, φd nears 90°; at and beyond it the formula would turn
  // back (φd falling again), so nothing is formed.
  const FrictionAngle below = EquivalentFrictionAngle(30.0f, 25.9f, 18.0f, 5.0f);
  ASSERT_TRUE(below.ok);
  EXPECT_GT(below.phid, 89.0);
  EXPECT_LT(below.phid, 90.0);
  for (float c : {25.99f, 26.0f, 40.0f, 100.0f}) {
    const FrictionAngle a = EquivalentFrictionAngle(30.0f, c, 18.0f, 5.0f);
    EXPECT_FALSE(a.ok) << c;
    EXPECT_NE(a.message.find("凝聚力"), std::string::npos);
    EXPECT_EQ(a.phiUsed, 30.0f);
  }
}

TEST(EquivalentFrictionAngle, RefusesWhatItCannotForm) {
  EXPECT_FALSE(EquivalentFrictionAngle(30.0f, 5.0f, 18.0f, 0.0f).ok);   // H = 0
  EXPECT_FALSE(EquivalentFrictionAngle(30.0f, 5.0f, 0.0f, 5.0f).ok);    // γ1 = 0
  EXPECT_FALSE(EquivalentFrictionAngle(90.0f, 0.0f, 18.0f, 5.0f).ok);   // φ = 90°
  EXPECT_FALSE(EquivalentFrictionAngle(-5.0f, 0.0f, 18.0f, 5.0f).ok);   // φ < 0
}

TEST(SurchargeAndWaterTable, SinglesAndTheZeroDepth) {
  EXPECT_EQ(SurchargeHeight(10.0f, 18.0f), static_cast<float>(10.0 / 18.0));
  EXPECT_EQ(WaterTableDepth(5.0f, 2.0f), 3.0);
  EXPECT_EQ(WaterTableDepth(5.0f, 5.0f), 0.001);  // water table at the top
  EXPECT_EQ(WaterTableDepth(5.0f, 0.0f), 5.0);
}

TEST(LayeredEarthThrust, OneTrapezoidWithoutGroundwater) {
  // K = 1/3, γ1 = 18, H = 5, h0 = 0: triangle 1/3·18·25/2 = 75 at H/3.
  const EarthThrust a = LayeredEarthThrust(1.0 / 3.0, 5.0f, 0.0f, 5.0, 0.0f, 18.0f, 10.0f);
  ASSERT_TRUE(a.ok);
  EXPECT_FALSE(a.layered);
  EXPECT_NEAR(a.E, 75.0, 1e-9);
  EXPECT_NEAR(a.ME, 75.0 * 5.0 / 3.0, 1e-9);
  // With h0 = 1: rectangle 6·5 = 30 at 2.5 plus triangle 75 at 5/3.
  const EarthThrust b = LayeredEarthThrust(1.0 / 3.0, 5.0f, 0.0f, 5.0, 1.0f, 18.0f, 10.0f);
  EXPECT_NEAR(b.E, 105.0, 1e-9);
  EXPECT_NEAR(b.ME, 30.0 * 2.5 + 75.0 * 5.0 / 3.0, 1e-9);
}

TEST(LayeredEarthThrust, TwoPartsWithGroundwater) {
  // K = Ka(30°), γ1 = 18, γ2 = 10, H = 5, h1 = 2, h0 = 10/18: integrated
  // numerically E = 86.333157, M_E = 163.110778.
  const float h0 = SurchargeHeight(10.0f, 18.0f);
  const EarthThrust a =
      LayeredEarthThrust(RankineCoefficient(30.0f), 5.0f, 2.0f, 3.0, h0, 18.0f, 10.0f);
  ASSERT_TRUE(a.ok);
  EXPECT_TRUE(a.layered);
  EXPECT_NEAR(a.E, 86.333157, 2e-5);
  EXPECT_NEAR(a.ME, 163.110778, 2e-5);
  EXPECT_NEAR(a.E1 + a.E2, a.E, 1e-12);
  // Ordinates: the buoyant weight below the water table.
  EXPECT_NEAR(a.eb - a.ew, RankineCoefficient(30.0f) * 10.0 * 2.0, 1e-9);
  // Water table at the top: zw = 0.001 keeps a tiny upper part.
  const EarthThrust top =
      LayeredEarthThrust(1.0 / 3.0, 5.0f, 5.0f, WaterTableDepth(5.0f, 5.0f), 0.0f, 18.0f, 10.0f);
  ASSERT_TRUE(top.ok);
  EXPECT_GT(top.E1, 0.0);
  EXPECT_LT(top.E1, 1e-4);
  // A zero coefficient gives no line of action.
  EXPECT_FALSE(LayeredEarthThrust(0.0, 5.0f, 0.0f, 5.0, 0.0f, 18.0f, 10.0f).ok);
}

TEST(WaterThrusts, EachWaterStopMode) {
  const WaterThrust back = BackWaterThrust(2.0f);
  EXPECT_NEAR(back.P, 20.0, 1e-12);
  EXPECT_NEAR(back.M, 20.0 * 2.0 / 3.0, 1e-12);
  EXPECT_EQ(BackWaterThrust(0.0f).P, 0.0);

  struct Case {
    float h2, d, mode;
    double P, M;
  } cases[] = {
      {1.5f, 0.8f, 0.0f, 0.0, 0.0},                          // no choice: none
      {1.5f, 0.8f, NoWaterStop, 11.25, 11.25 * 0.5},         // the whole depth
      {1.5f, 0.8f, WaterStop, 2.45, 2.45 * (0.8 + 0.7 / 3)}, // above the stop
      {0.8f, 0.8f, WaterStop, 0.0, 0.0},                     // h2 ≤ d
      {0.5f, 0.8f, WaterStop, 0.0, 0.0},
      {0.0f, 0.0f, NoWaterStop, 0.0, 0.0},
  };
  for (const Case& c : cases) {
    const WaterThrust w = FrontWaterThrust(c.h2, c.d, c.mode);
    EXPECT_NEAR(w.P, c.P, 1e-5) << c.h2 << " " << c.mode;
    EXPECT_NEAR(w.M, c.M, 1e-5) << c.h2 << " " << c.mode;
  }
}

TEST(UpliftForce, EachWaterStopMode) {
  // B = 4: the head integrated along the base.
  struct Case {
    float h1, h2, mode;
    double U, MU;
  } cases[] = {
      {2.0f, 1.5f, WaterStop, 80.0, 160.0},         // uniform head h1
      {2.0f, 1.5f, NoWaterStop, 70.0, 146.666667},  // trapezoid 1.5 → 2
      {2.0f, 1.5f, 0.0f, 70.0, 146.666667},         // no choice: as without a stop
      {1.0f, 2.0f, NoWaterStop, 60.0, 106.666667},  // h1 < h2
      {2.0f, 2.0f, NoWaterStop, 80.0, 160.0},       // h1 = h2: the uniform values
      {0.0f, 1.0f, NoWaterStop, 20.0, 10.0 * 16.0 * 1.0 / 6.0},  // triangle
      {0.0f, 0.0f, NoWaterStop, 0.0, 0.0},
  };
  for (const Case& c : cases) {
    const Uplift u = UpliftForce(4.0f, c.h1, c.h2, c.mode);
    EXPECT_NEAR(u.U, c.U, 1e-4) << c.h1 << " " << c.h2 << " " << c.mode;
    EXPECT_NEAR(u.MU, c.MU, 1e-4) << c.h1 << " " << c.h2 << " " << c.mode;
  }
}

TEST(StabilityAboutToe, HandWorkedRow) {
  // B = 4, f = 0.5; W = 300 with M = 700, E = 60 with M_E = 100, no water.
  // ΣV = 300, Mr = 700, Mo = 100, e = 2 − 600/300 = 0, σ = 75 both ends,
  // η = 1, Kc = 0.5·300/60 = 2.5, K0 = 7.
  StabilityLoads l;
  l.B = 4;
  l.f = 0.5;
  l.Wwall = 300;
  l.Mwall = 700;
  l.Eh = 60;
  l.MEh = 100;
  const Stability s = StabilityAboutToe(l, "朗肯");
  ASSERT_TRUE(s.ok) << s.message;
  EXPECT_DOUBLE_EQ(s.e, 0.0);
  EXPECT_DOUBLE_EQ(s.sf, 75.0);
  EXPECT_DOUBLE_EQ(s.sb, 75.0);
  EXPECT_DOUBLE_EQ(s.eta, 1.0);
  EXPECT_DOUBLE_EQ(s.Kc, 2.5);
  EXPECT_DOUBLE_EQ(s.K0, 7.0);

  // Moving the resultant towards the toe: Mr = 500 gives e = 2/3 = B/6,
  // σf = 150, σb = 0: no non-uniformity coefficient can be formed.
  l.Mwall = 500;
  EXPECT_FALSE(StabilityAboutToe(l, "朗肯").ok);
  // Beyond the middle third (Mr = 400, e = 1): σf = 187.5, σb = −37.5,
  // η = −5 → 1/η = −0.2, shown as computed.
  l.Mwall = 400;
  const Stability t = StabilityAboutToe(l, "朗肯");
  ASSERT_TRUE(t.ok);
  EXPECT_DOUBLE_EQ(t.sf, 187.5);
  EXPECT_DOUBLE_EQ(t.sb, -37.5);
  EXPECT_DOUBLE_EQ(t.eta, -0.2);
  // The uplift moment counts as overturning, the front water as resisting.
  l.U = 20;
  l.MU = 40;
  l.Pw2 = 10;
  l.MPw2 = 5;
  const Stability w = StabilityAboutToe(l, "朗肯");
  EXPECT_DOUBLE_EQ(w.sumV, 280.0);
  EXPECT_DOUBLE_EQ(w.Mr, 405.0);
  EXPECT_DOUBLE_EQ(w.Mo, 140.0);
  EXPECT_DOUBLE_EQ(w.Kc, 0.5 * 280.0 / 50.0);
}

TEST(StabilityAboutToe, ZeroDivisorsAreMessages) {
  StabilityLoads l;
  l.B = 4;
  l.f = 0.5;
  l.Wwall = 300;
  l.Mwall = 700;
  l.Eh = 10;
  l.MEh = 100;
  l.Pw2 = 10;  // E_h + Pw1 − Pw2 = 0
  Stability s = StabilityAboutToe(l, "库伦");
  EXPECT_FALSE(s.ok);
  EXPECT_NE(s.message.find("库伦"), std::string::npos);
  l.Pw2 = 0;
  l.Wwall = 0;  // ΣV = 0
  EXPECT_FALSE(StabilityAboutToe(l, "朗肯").ok);
  l.Wwall = 300;
  l.MEh = 0;  // Mo = 0
  EXPECT_FALSE(StabilityAboutToe(l, "朗肯").ok);
}

}  // namespace
}  // namespace ketrova
