// The semi-gravity retaining wall and its control sections. Expected values
// come from tests/reference/semigravity_reference.py, written apart from this
// code: every weight is the area and centroid of a polygon of the section
// (shoelace formula, clipped at the water table), the thrust and the uplift
// are integrated numerically (Simpson, 20000 steps), and the sections take the
// polygons above or beside them; π = 3.14159 as the method uses.
#include "tests/examplewalls.h"
#include "semigravity.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

namespace ketrova {
namespace {

// A consistent wall: B = B4 + B5 + B3 + B6 = 0.6 + 0.4 + 2.2 + 1.3 = 4.5,
// H = H1 + H2 + H3 + H4 = 2 + 2 + 1.5 + 0.5 = 6.
SemiGravityInputs Wall() { return ExampleSemiGravityWall(); }

struct Section {
  double M, N, sigma, K;
};
struct Expected {
  const char* name;
  float h1, h2, d, mode;
  StemWaterCase wc;
  double Ws, Ms, Ww, Mw, Wt, Mt, U, MU, Pw1, Pw2, E, ME, SV, Mr, Mo, e, sf, sb, eta, Kc, K0;
  Section s[4];
};

void ExpectRel(double got, double want, const std::string& what, double rel = 2e-6) {
  EXPECT_NEAR(got, want, rel * std::max(1.0, std::fabs(want))) << what;
}

// The heel section carries the surcharge on the fill over it, as the base
// pressure under it does (γ1·h0·L3²/2 = 10·2²/2 = 20 kN·m here).
const Expected kCases[] = {
    {"dry", 0, 0, 0, NoWaterStop, StemWaterCase::Dry, 258.15, 842.25, 0, 0, 0, 0, 0, 0, 0, 0,
     127.999739, 275.999436, 471.87, 1232.914, 275.999436, 0.222080099, 135.909759, 73.8102411,
     1.84134013, 1.47459676, 4.46708884,
     {{15.412, 40.8, 68.8296296, 24.7713087},
      {95.836, 130.8, 168.362667, 10.1269482},
      {76.715, 0, 115.0725, 14.816746},
      {59.399, 0, 439.992593, 3.87506524}}},
    {"step 1", 4.5f, 1.2f, 0, NoWaterStop, StemWaterCase::Step1, 190.95, 613.036667, 84, 286.516667,
     6.2, 2.80666667, 128.25, 344.25, 101.25, 7.2, 100.999794, 235.499519, 366.62, 1295.904,
     731.624519, 0.71086007, 158.690524, 4.25169809, 37.324034, 0.751849039, 1.77126923,
     {{15.544, 40.85, 69.7518519, 24.4437955},
      {114.004333, 132.65, 215.578222, 7.90896215},
      {124.007778, 0, 186.011667, 9.16609173},
      {71.1978889, 0, 527.39177, 3.2328908}}},
    // h2 between H4 and H5: the water over the thickening is a triangle.
    {"step 2", 3.0f, 0.7f, 0, NoWaterStop, StemWaterCase::Step2, 221.15, 710.85, 46.25, 164.25, 1.4,
     0.493333333, 83.25, 226.125, 45, 2.45, 115.999763, 263.999461, 399.27, 1266.829, 535.124461,
     0.417394146, 138.105322, 39.3480116, 3.50984245, 1.0073052, 2.36735394,
     {{15.412, 40.8, 68.8296296, 24.7713087},
      {96.8636667, 131.1, 170.903111, 9.97641289},
      {91.3425926, 0, 137.013889, 12.4439939},
      {62.5864074, 0, 463.603018, 3.67771549}}},
    // Water table on step 3, a water stop: uniform uplift, water above the
    // stop only; the heel and toe sections take that uniform uplift too (a
    // head running from h2 at the toe would give M3 = 61.6546296 + 20 and
    // M4 = 55.5267778). The heel section re-weighs only the wet tip of the
    // fill triangle on step 3's slope (polygon clipped at the water table);
    // the whole triangle scaled by zs/H3 would add 0.0725926 to M3.
    {"step 3", 1.5f, 0.7f, 0.3f, WaterStop, StemWaterCase::Step3, 245.883333, 796.527037, 15.3333333,
     57.1537037, 1.4, 0.493333333, 67.5, 151.875, 11.25, 0.8, 124.999745, 274.499439, 408.836667,
     1245.18474, 431.999439, 0.260977567, 122.466577, 59.2386078, 2.06734395, 1.2073457, 2.88237583,
     {{15.412, 40.8, 68.8296296, 24.7713087},
      {95.836, 130.8, 168.362667, 10.1269482},
      {79.2842593, 0, 118.926389, 14.3365994},
      {59.2304815, 0, 438.744307, 3.88609031}}},
    // Front water deeper than the groundwater: the uplift head falls from
    // the toe to the heel.
    {"h2 above h1", 2.5f, 3.0f, 0, NoWaterStop, StemWaterCase::Step2, 230.05, 740.995, 35.125,
     126.56875, 24.2, 11.8066667, 123.75, 270, 31.25, 45, 119.666422, 269.055006, 379.345,
     1315.03442, 565.096673, 0.273072021, 114.99178, 53.6059982, 2.14512897, 1.43262014, 2.32709637,
     {{15.412, 40.8, 68.8296296, 24.7713087},
      {95.9363333, 130.875, 168.580222, 10.1138792},
      {73.6018519, 0, 110.402778, 15.443452},
      {51.3871481, 0, 380.645542, 4.47923281}}},
};

TEST(SemiGravityWallCase, WorkedCases) {
  for (const Expected& x : kCases) {
    SCOPED_TRACE(x.name);
    SemiGravityInputs in = Wall();
    in.h1 = x.h1;
    in.h2 = x.h2;
    in.d = x.d;
    const SemiGravityResults r = SemiGravityWallCase(in, x.mode);
    ASSERT_TRUE(r.ok) << r.message;
    EXPECT_EQ(r.warning, "");
    EXPECT_EQ(r.waterCase, x.wc);
    ExpectRel(r.friction.phid, 30.0, "φd");
    ExpectRel(r.Wwall, 213.72, "W_wall");
    ExpectRel(r.Mwall, 390.664, "M_wall");
    ExpectRel(r.Wsoil, x.Ws, "W_soil");
    ExpectRel(r.Msoil, x.Ms, "M_soil");
    ExpectRel(r.Wwback, x.Ww, "W_wback");
    ExpectRel(r.Mwback, x.Mw, "M_wback");
    ExpectRel(r.Wtoe, x.Wt, "W_toe");
    ExpectRel(r.Mtoe, x.Mt, "M_toe");
    ExpectRel(r.uplift.U, x.U, "U");
    ExpectRel(r.uplift.MU, x.MU, "M_U");
    ExpectRel(r.back.P, x.Pw1, "Pw1");
    ExpectRel(r.front.P, x.Pw2, "Pw2");
    ExpectRel(r.Ka, 0.333332652, "Ka");
    ExpectRel(r.thrust.E, x.E, "E");
    ExpectRel(r.thrust.ME, x.ME, "M_E");
    ExpectRel(r.st.sumV, x.SV, "ΣV");
    ExpectRel(r.st.Mr, x.Mr, "Mr");
    ExpectRel(r.st.Mo, x.Mo, "Mo");
    ExpectRel(r.st.e, x.e, "e");
    ExpectRel(r.st.sf, x.sf, "σf");
    ExpectRel(r.st.sb, x.sb, "σb");
    ExpectRel(r.st.eta, x.eta, "η");
    ExpectRel(r.st.Kc, x.Kc, "Kc");
    ExpectRel(r.st.K0, x.K0, "K0");
    const float t[4] = {0.9f, 1.5f, 2.0f, 0.9f};
    for (int i = 0; i < 4; ++i) {
      const std::string tag = "section " + std::to_string(i + 1);
      const ControlSection& s = r.sections[static_cast<std::size_t>(i)];
      EXPECT_EQ(s.t, t[i]) << tag;
      EXPECT_EQ(s.hasN, i < 2) << tag;
      ExpectRel(s.M, x.s[i].M, tag + " M", 1e-6);
      if (i < 2) ExpectRel(s.N, x.s[i].N, tag + " N", 1e-6);
      ExpectRel(s.sigma, x.s[i].sigma, tag + " σ", 1e-6);
      ASSERT_TRUE(s.hasK) << tag;
      ExpectRel(s.K, x.s[i].K, tag + " K", 1e-6);
    }
  }
}


TEST(SemiGravityWallCase, WaterTableAtTheTopKeepsATinyDryLayer) {
  // h1 = H: zw = 0.001 (not 0); the fill loads and the first stem section
  // from the reference script with the water table 0.001 below the top.
  SemiGravityInputs in = Wall();
  in.h1 = 6.0f;
  const SemiGravityResults r = SemiGravityWallCase(in, NoWaterStop);
  ASSERT_TRUE(r.ok) << r.message;
  EXPECT_EQ(r.zw, 0.001);
  EXPECT_EQ(r.waterCase, StemWaterCase::Step1);
  ExpectRel(r.Wsoil, 156.773999, "W_soil");
  ExpectRel(r.sections[0].M, 24.9255353, "M1", 1e-6);
  ExpectRel(r.sections[0].N, 41.5992002, "N1", 1e-6);
}

TEST(SemiGravityWallCase, WaterInsideTheBaseSlabWetsNoFill) {
  // 0 < h1 < H4: the fill stays dry and the heel section takes only the
  // uplift of that head (reference script: M3 = 76.7290741); re-weighing
  // the fill by the negative height H1 + H2 + H3 − zw would lower M3.
  SemiGravityInputs in = Wall();
  in.h1 = 0.3f;
  const SemiGravityResults r = SemiGravityWallCase(in, NoWaterStop);
  ASSERT_TRUE(r.ok) << r.message;
  EXPECT_EQ(r.waterCase, StemWaterCase::Dry);
  ExpectRel(r.Wsoil, 258.15, "W_soil");
  EXPECT_EQ(r.Wwback, 0.0);
  ExpectRel(r.sections[2].M, 76.7290741, "M3", 1e-6);
  ExpectRel(r.sections[2].K, 14.8140282, "K3", 1e-6);
}

TEST(SemiGravityWallCase, ToeWaterIsContinuousAtTheTopOfTheThickening) {
  // B4 = 0.6, B5 = 0.4, H4 = 0.5, H5 = 0.9. With the front water at H5 the
  // water over the thickening is the triangle with its 0.4 m side at x = B4,
  // centroid B4 + B5/3: W = 10·(0.4·0.4/2 + 0.4·0.6) = 3.2,
  // M = 0.8·(0.6 + 0.4/3) + 2.4·0.3 = 1.3066667 (by hand). The deeper-water
  // formula (the whole rectangle less the concrete triangle at B4 + 2B5/3)
  // reaches the same values from above; an arm of B4 + 2s/3 would give
  // 1.4133333 at H5 and jump. Water at the stem face also loads the toe root
  // with the same triangle (arm 2B5/3 from the root) on both sides of H5.
  SemiGravityInputs in = Wall();
  in.h2 = 0.9f;
  const SemiGravityResults at = SemiGravityWallCase(in, NoWaterStop);
  in.h2 = 0.90001f;
  const SemiGravityResults above = SemiGravityWallCase(in, NoWaterStop);
  ASSERT_TRUE(at.ok && above.ok);
  ExpectRel(at.Wtoe, 3.2, "W_toe at H5");
  ExpectRel(at.Mtoe, 1.3066667, "M_toe at H5", 1e-7);
  EXPECT_NEAR(above.Mtoe, at.Mtoe, 1e-3);
  EXPECT_NEAR(above.Wtoe, at.Wtoe, 1e-3);
  EXPECT_NEAR(above.sections[3].M, at.sections[3].M, 1e-3);
}

TEST(SemiGravityWallCase, CaseBoundariesCompareAsSingles) {
  SemiGravityInputs in = Wall();
  // h1 = H4 exactly: dry.
  in.h1 = 0.5f;
  EXPECT_EQ(SemiGravityWallCase(in, NoWaterStop).waterCase, StemWaterCase::Dry);
  // zw = H1 exactly: step 1, whose submerged width a1 is 0 there, so the
  // first stem section carries the dry values.
  in.h1 = 4.0f;
  SemiGravityResults r = SemiGravityWallCase(in, NoWaterStop);
  ASSERT_TRUE(r.ok) << r.message;
  EXPECT_EQ(r.waterCase, StemWaterCase::Step1);
  EXPECT_EQ(r.a1, 0.0f);
  ExpectRel(r.sections[0].M, 15.412, "M1 at zw = H1", 1e-6);
  ExpectRel(r.sections[0].N, 40.8, "N1 at zw = H1", 1e-6);
  // zw = H1 + H2 exactly: step 2.
  in.h1 = 2.0f;
  EXPECT_EQ(SemiGravityWallCase(in, NoWaterStop).waterCase, StemWaterCase::Step2);
}

TEST(SemiGravityWallCase, HeightWithinAMillimetreLeavesNoGap) {
  // H = 6.0005 passes as consistent; a water table just above the slab
  // (zw = 5.5003 > H1 + H2 + H3) lies on step 3, loads as the dry wall to
  // within the 0.2 mm of water.
  SemiGravityInputs in = Wall();
  in.H = 6.0005f;
  in.h1 = 0.5002f;
  const SemiGravityResults r = SemiGravityWallCase(in, NoWaterStop);
  ASSERT_TRUE(r.ok) << r.message;
  EXPECT_EQ(r.warning, "");
  EXPECT_EQ(r.waterCase, StemWaterCase::Step3);
  EXPECT_NEAR(r.Wsoil, 258.15, 0.02);
}

TEST(SemiGravityWallCase, FirstStemSectionWithoutTension) {
  // A wide first step with little thrust: σ1 < 0, K1 < 0 (shown as "----").
  SemiGravityInputs in = Wall();
  in.q = 0.0f;
  in.B1 = 2.0f;
  in.B2 = 2.1f;
  in.B3 = 2.2f;
  const SemiGravityResults r = SemiGravityWallCase(in, NoWaterStop);
  ASSERT_TRUE(r.ok) << r.message;
  EXPECT_LT(r.sections[0].sigma, 0.0);
  EXPECT_LT(r.sections[0].K, 0.0);
}

TEST(SemiGravityWallCase, CohesionReplacesPhi) {
  // φ = 30°, C = 5, γ1 = 18, H = 6: φd = 2·(45° − atn|tan 30° − 10/108|)
  // = 2·(45° − atn 0.484757) = 38.2757° (by hand, π = 3.14159), and Ka = tan²(45° − φd/2).
  SemiGravityInputs in = Wall();
  in.C = 5.0f;
  const SemiGravityResults r = SemiGravityWallCase(in, NoWaterStop);
  ASSERT_TRUE(r.ok) << r.message;
  const double t = std::tan(15.0 * 3.14159 / 180.0 * 2.0) - 10.0 / 108.0;
  const double phid = 2.0 * (45.0 - std::atan(t) * 180.0 / 3.14159);
  EXPECT_NEAR(r.friction.phid, phid, 1e-9);
  EXPECT_NEAR(r.friction.phid, 38.2757, 1e-3);
  EXPECT_EQ(r.friction.phiUsed, static_cast<float>(phid));
  EXPECT_NEAR(r.Ka, std::pow(std::tan((45.0 - r.friction.phiUsed / 2.0) * 3.14159 / 180.0), 2), 1e-12);
}

TEST(SemiGravityWallCase, CoulombSetIsFormed) {
  // Level fill, no wall friction, the mean slope of the back: with a
  // vertical back (B0 = B1 = B2 = B3) it equals the Rankine row.
  SemiGravityInputs in = Wall();
  in.B0 = in.B1 = in.B2 = in.B3 = 1.0f;
  in.B6 = 2.5f;
  const SemiGravityResults r = SemiGravityWallCase(in, NoWaterStop);
  ASSERT_TRUE(r.ok) << r.message;
  ASSERT_TRUE(r.coulomb.ok);
  EXPECT_EQ(r.coulomb.epsilon, 0.0);
  EXPECT_NEAR(r.coulomb.K, r.Ka, 2e-6);
  EXPECT_NEAR(r.coulomb.Ev, 0.0, 1e-12);
  // A sloping back leans the thrust: Ev > 0.
  const SemiGravityResults s = SemiGravityWallCase(Wall(), NoWaterStop);
  ASSERT_TRUE(s.coulomb.ok);
  EXPECT_NEAR(s.coulomb.epsilon, std::atan(1.7 / 5.5), 1e-7);
  EXPECT_GT(s.coulomb.Ev, 0.0);
}

TEST(SemiGravityWallCase, GeometryThatDoesNotAddUpWarns) {
  SemiGravityInputs in = Wall();
  in.B = 4.6f;
  SemiGravityResults r = SemiGravityWallCase(in, NoWaterStop);
  ASSERT_TRUE(r.ok) << r.message;
  EXPECT_NE(r.warning.find("B4 + B5 + B3 + B6"), std::string::npos);
  in = Wall();
  in.H = 6.0005f;  // within a millimetre
  EXPECT_EQ(SemiGravityWallCase(in, NoWaterStop).warning, "");
  in.H = 6.1f;
  EXPECT_NE(SemiGravityWallCase(in, NoWaterStop).warning.find("H1 + H2 + H3 + H4"), std::string::npos);
  // A millimetre on a 16 m wall is within it too: 16.051 − (2.3 + 11.65 +
  // 1.5 + 0.6) is 0.0010010 as singles, more than the fixed slack; 1.2 mm
  // is not.
  in.H1 = 2.3f;
  in.H2 = 11.65f;
  in.H3 = 1.5f;
  in.H4 = 0.6f;
  in.H = 16.051f;
  EXPECT_EQ(SemiGravityWallCase(in, NoWaterStop).warning.find("H1 + H2 + H3 + H4"), std::string::npos);
  in.H = 16.0512f;
  EXPECT_NE(SemiGravityWallCase(in, NoWaterStop).warning.find("H1 + H2 + H3 + H4"), std::string::npos);
}

TEST(SemiGravityWallCase, InputsOutsideTheMethodGiveMessages) {
  struct Case {
    const char* name;
    void (*change)(SemiGravityInputs&);
    const char* words;
  };
  const Case cases[] = {
      {"B = 0", [](SemiGravityInputs& i) { i.B = 0; }, "墙底总宽"},
      {"H = 0", [](SemiGravityInputs& i) { i.H = 0; }, "墙身总高"},
      {"γ1 = 0", [](SemiGravityInputs& i) { i.gamma1 = 0; }, "湿容重"},
      {"H2 = 0", [](SemiGravityInputs& i) { i.H2 = 0; }, "H1、H2、H3"},
      {"B1 = 0", [](SemiGravityInputs& i) { i.B1 = 0; }, "B1、B2"},
      {"H5 = 0", [](SemiGravityInputs& i) { i.H5 = 0; i.H4 = 0; }, "H5"},
      {"h1 > H", [](SemiGravityInputs& i) { i.h1 = 6.5f; }, "h1 > H"},
      {"h2 < 0", [](SemiGravityInputs& i) { i.h2 = -1; }, "不能为负值"},
      {"cohesion too large", [](SemiGravityInputs& i) { i.C = 40; }, "凝聚力"},
      {"gap above the heel", [](SemiGravityInputs& i) { i.H = 7.0f; i.h1 = 1.2f; }, "土重无法确定"},
  };
  for (const Case& c : cases) {
    SemiGravityInputs in = Wall();
    c.change(in);
    const SemiGravityResults r = SemiGravityWallCase(in, NoWaterStop);
    EXPECT_FALSE(r.ok) << c.name;
    EXPECT_NE(r.message.find(c.words), std::string::npos) << c.name << ": " << r.message;
  }
}

}  // namespace
}  // namespace ketrova
