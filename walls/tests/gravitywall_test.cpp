// The gravity retaining wall. Expected values come from a python3 script
// written apart from this code: wall and soil loads from the polygons of the
// section and numerical integration over the height (Simpson, 20000 steps)
// of the soil width, the pressure diagram and the head along the base,
// Coulomb's coefficient from its formula, π = 3.14159 as the method uses.
#include "tests/examplewalls.h"
#include "gravitywall.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

namespace ketrova {
namespace {

// A consistent section: B = B2 + B1 + B3 = 0.8 + 2.0 + 1.2 = 4.0,
// H = H1 + H2 + H3 = 1.0 + 3.5 + 0.5 = 5.0.
GravityWallInputs Wall() { return ExampleGravityWall(); }

struct Row {
  double E, Eh, V, MV, SV, Mr, Mo, e, sf, sb, eta, Kc, K0;
};
struct Expected {
  const char* name;
  float h1, h2, d, mode, C, beta;
  SoilPrismCase soil;
  double phid, Ws, Ms, Ww, Mw, Wt, U, MU, Pw1, Pw2, Ka, KaC;
  Row R, C_;
};

void ExpectRel(double got, double want, const std::string& what) {
  EXPECT_NEAR(got, want, 2e-5 * std::max(1.0, std::fabs(want))) << what;
}

void ExpectRow(const GravityRow& row, const Row& w, const std::string& tag) {
  ExpectRel(row.thrust.E, w.E, tag + " E");
  ExpectRel(row.Eh, w.Eh, tag + " Eh");
  ExpectRel(row.Wsoil, w.V, tag + " soil/Ev");
  ExpectRel(row.Msoil, w.MV, tag + " its moment");
  ExpectRel(row.st.sumV, w.SV, tag + " ΣV");
  ExpectRel(row.st.Mr, w.Mr, tag + " Mr");
  ExpectRel(row.st.Mo, w.Mo, tag + " Mo");
  ExpectRel(row.st.e, w.e, tag + " e");
  ExpectRel(row.st.sf, w.sf, tag + " σf");
  ExpectRel(row.st.sb, w.sb, tag + " σb");
  ExpectRel(row.st.eta, w.eta, tag + " η");
  ExpectRel(row.st.Kc, w.Kc, tag + " Kc");
  ExpectRel(row.st.K0, w.K0, tag + " K0");
}

const Expected kCases[] = {
    {"dry", 0.0f, 0.0f, 0.0f, NoWaterStop, 0.0f, 0.0f, SoilPrismCase::Dry,
     30.0, 192.5, 556.5, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.333332652, 0.49714649,
     {91.6664794, 91.6664794, 192.5, 556.5, 353.8, 818.453333, 166.666326, 0.157752948, 109.379872,
      67.5201277, 1.6199595, 1.73683991, 4.91073003},
     {136.715285, 109.470221, 81.8983506, 186.132615, 243.198351, 448.085948, 199.036765,
      0.975942137, 149.804907, -28.2057316, -0.188283095, 0.999717156, 2.25127226}},
    {"crossing", 2.0f, 1.0f, 0.0f, NoWaterStop, 0.0f, 0.0f, SoilPrismCase::SlopeCrossing,
     30.0, 174.5, 498.18, 22.5, 72.9, 4.0, 60.0, 133.333333, 20.0, 5.0, 0.333332652, 0.49714649,
     {86.333157, 86.333157, 174.5, 498.18, 302.3, 836.3, 309.777445, 0.258278017, 104.854042,
      46.2959583, 2.26486384, 1.34245299, 2.69968009},
     {128.760941, 103.101044, 77.1333557, 173.108296, 204.933356, 511.228296, 341.457314,
      1.17157956, 141.269238, -38.8025598, -0.274670979, 0.780856855, 1.49719533}},
    {"above", 4.5f, 1.0f, 0.0f, NoWaterStop, 0.0f, 0.0f, SoilPrismCase::AboveSlope,
     30.0, 128.9, 368.446667, 79.5, 235.066667, 4.0, 110.0, 266.666667, 101.25, 5.0, 0.333332652,
     0.49714649,
     {64.6665346, 64.6665346, 128.9, 368.446667, 263.7, 868.733333, 544.708076, 0.771235276,
      142.190528, -10.3405284, -0.0727230461, 0.737431988, 1.59486039},
     {96.446419, 77.2262649, 57.7755637, 128.237926, 192.575564, 628.524593, 569.212498,
      1.69200612, 170.333528, -74.0457461, -0.434710342, 0.499543864, 1.10420027}},
    {"stop", 2.0f, 1.5f, 0.8f, WaterStop, 0.0f, 0.0f, SoilPrismCase::SlopeCrossing,
     30.0, 174.5, 498.18, 22.5, 72.9, 8.0, 80.0, 160.0, 20.0, 2.45, 0.333332652, 0.49714649,
     {86.333157, 86.333157, 174.5, 498.18, 286.3, 838.765, 336.444111, 0.245473668, 97.9296667,
      45.2203333, 2.16561134, 1.24019142, 2.49302922},
     {128.760941, 103.101044, 77.1333557, 173.108296, 188.933356, 513.693296, 368.123981,
      1.2295203, 134.344863, -39.8781848, -0.29683446, 0.704676951, 1.39543557}},
    {"no choice", 2.0f, 1.5f, 0.0f, 0.0f, 0.0f, 0.0f, SoilPrismCase::SlopeCrossing,
     30.0, 174.5, 498.18, 22.5, 72.9, 8.0, 70.0, 146.666667, 20.0, 0.0, 0.333332652, 0.49714649,
     {86.333157, 86.333157, 174.5, 498.18, 296.3, 836.233333, 323.110778, 0.268233023, 103.879042,
      44.2709583, 2.34643761, 1.25393625, 2.58807007},
     {128.760941, 103.101044, 77.1333557, 173.108296, 198.933356, 511.161629, 354.790647,
      1.21395293, 140.294238, -40.8275598, -0.291013804, 0.72720756, 1.44074155}},
    {"cohesion", 0.0f, 0.0f, 0.0f, NoWaterStop, 5.0f, 0.0f, SoilPrismCase::Dry,
     40.006461, 192.5, 556.5, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.217378403, 0.385439687,
     {59.7790607, 59.7790607, 192.5, 556.5, 353.8, 818.453333, 108.689201, -0.00611682311,
      87.6384505, 89.2615495, 1.0185204, 2.66330715, 7.53021757},
     {105.995914, 84.8727056, 63.496123, 144.30937, 224.796123, 406.262704, 154.31401,
      0.879212461, 130.315363, -17.9173014, -0.137491858, 1.19188206, 2.63270136}},
    {"sloping fill", 0.0f, 0.0f, 0.0f, NoWaterStop, 0.0f, 10.0f, SoilPrismCase::Dry,
     30.0, 192.5, 556.5, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.333332652, 0.58658082,
     {91.6664794, 91.6664794, 192.5, 556.5, 353.8, 818.453333, 166.666326, 0.157752948, 109.379872,
      67.5201277, 1.6199595, 1.73683991, 4.91073003},
     {161.309725, 129.163402, 96.6314811, 219.617003, 257.931481, 481.570336, 234.842549,
      1.04343671, 165.408561, -36.4428204, -0.220320038, 0.898622712, 2.05060939}},
    // Water table inside the base slab: the fill stays dry, while the thrust,
    // the back water and the uplift take h1.
    {"inside the slab", 0.3f, 0.0f, 0.0f, NoWaterStop, 0.0f, 0.0f, SoilPrismCase::Dry,
     30.0, 192.5, 556.5, 0.0, 0.0, 0.0, 6.0, 16.0, 0.45, 0.0, 0.333332652, 0.49714649,
     {91.5464797, 91.5464797, 192.5, 556.5, 347.8, 818.453333, 182.699326, 0.172070135, 109.392247,
      64.5077527, 1.69580001, 1.70126075, 4.47978299},
     {136.536312, 109.326914, 81.7911383, 185.815266, 237.091138, 447.7686, 215.067434,
      1.01851597, 149.828201, -31.2826321, -0.208790013, 0.971889334, 2.08199164}},
    // h1 = H2 + H3: both water cases hold; the one above the slope stands.
    {"h1 = H2 + H3", 4.0f, 0.0f, 0.0f, NoWaterStop, 0.0f, 0.0f, SoilPrismCase::AboveSlope,
     30.0, 139.3, 396.526667, 66.5, 199.966667, 0.0, 80.0, 213.333333, 80.0, 0.0, 0.333332652,
     0.49714649,
     {70.3331897, 70.3331897, 139.3, 396.526667, 287.1, 858.446667, 458.22194, 0.60597448,
      137.015727, 6.53427255, 20.9687806, 0.859391065, 1.87342986},
     {104.897909, 83.9935149, 62.8383709, 139.117998, 210.638371, 601.037998, 485.067824,
      1.44943472, 167.149555, -61.83037, -0.369910466, 0.577993995, 1.23908033}},
    {"just below H2 + H3", 3.999f, 0.0f, 0.0f, NoWaterStop, 0.0f, 0.0f, SoilPrismCase::SlopeCrossing,
     30.0, 139.320798, 396.582824, 66.474002, 199.896469, 0.0, 79.98, 213.28, 79.960005, 0.0,
     0.333332652, 0.49714649,
     {70.343855, 70.343855, 139.320798, 396.582824, 287.1148, 858.432627, 458.109954, 0.605705202,
      136.993798, 6.56360208, 20.8717403, 0.859603075, 1.87385718},
     {104.913816, 84.0062516, 62.8478997, 139.138963, 210.641902, 600.988765, 484.959981,
      1.4491657, 167.131107, -61.8101566, -0.369830354, 0.578099773, 1.23925435}},
};

TEST(GravityWallCase, WorkedCases) {
  for (const Expected& x : kCases) {
    SCOPED_TRACE(x.name);
    GravityWallInputs in = Wall();
    in.h1 = x.h1;
    in.h2 = x.h2;
    in.d = x.d;
    in.C = x.C;
    in.beta = x.beta;
    const GravityWallResults r = GravityWallCase(in, x.mode);
    ASSERT_TRUE(r.ok) << r.message;
    EXPECT_EQ(r.warning, "");
    EXPECT_EQ(r.soilCase, x.soil);
    ExpectRel(r.friction.phid, x.phid, "φd");
    ExpectRel(r.Wwall, 161.3, "W_wall");
    ExpectRel(r.Mwall, 261.953333, "M_wall");
    ExpectRel(r.rankine.Wsoil, x.Ws, "W_soil");
    ExpectRel(r.rankine.Msoil, x.Ms, "M_soil");
    ExpectRel(r.Wwback, x.Ww, "W_wback");
    ExpectRel(r.Mwback, x.Mw, "M_wback");
    ExpectRel(r.Wtoe, x.Wt, "W_toe");
    ExpectRel(r.uplift.U, x.U, "U");
    ExpectRel(r.uplift.MU, x.MU, "M_U");
    ExpectRel(r.back.P, x.Pw1, "Pw1");
    ExpectRel(r.front.P, x.Pw2, "Pw2");
    ExpectRel(r.rankine.K, x.Ka, "Ka");
    ExpectRel(r.coulomb.K, x.KaC, "Ka_C");
    ExpectRow(r.rankine, x.R, "Rankine");
    ExpectRow(r.coulomb, x.C_, "Coulomb");
  }
}

TEST(GravityWallCase, CoulombEqualsRankineForAPlainBack) {
  // β = 0, δ = 0, ε = 0 (B1 = B0): Ka_C = Ka, E_h = E and Ev = 0, so the
  // Coulomb row carries no soil load while the Rankine row does.
  GravityWallInputs in = Wall();
  in.B1 = in.B0;
  in.B = 2.6f;
  in.delta = 0.0f;
  const GravityWallResults r = GravityWallCase(in, NoWaterStop);
  ASSERT_TRUE(r.ok) << r.message;
  // Equal up to π = 3.14159, which the two formulas meet in different places.
  EXPECT_NEAR(r.coulomb.K, r.rankine.K, 2e-6);
  EXPECT_NEAR(r.coulomb.Eh, r.rankine.Eh, 1e-3);
  EXPECT_NEAR(r.coulomb.Wsoil, 0.0, 1e-12);
  EXPECT_GT(r.rankine.Wsoil, 0.0);
  // Published: φ = 30°, δ = 0, vertical back, level fill: Ka = 1/3.
  EXPECT_NEAR(CoulombCoefficient(30 * M_PI / 180, 0, 0, 0), 1.0 / 3.0, 1e-12);
}

TEST(GravityWallCase, PublishedCoulombCoefficients) {
  // Vertical back, level fill: φ = 30°, δ = 15° gives 0.3014; δ = 20° gives
  // 0.2973 (the usual tables of Coulomb's active coefficient).
  const double r = M_PI / 180;
  EXPECT_NEAR(CoulombCoefficient(30 * r, 0, 15 * r, 0), 0.3014, 5e-5);
  EXPECT_NEAR(CoulombCoefficient(30 * r, 0, 20 * r, 0), 0.2973, 5e-5);
  // A back leaning ε from the vertical with wall friction and a sloping
  // fill, against the trial wedge (the force polygon of the sliding wedge,
  // maximised over the angle of its failure plane): φ = 30°, ε = 20°,
  // δ = 15°, β = 0 gives 0.47635; δ = 20°, β = 10° gives 0.567617;
  // φ = 35°, ε = 10°, δ = 0, β = 15° gives 0.410636.
  EXPECT_NEAR(CoulombCoefficient(30 * r, 20 * r, 15 * r, 0), 0.4763500, 1e-6);
  EXPECT_NEAR(CoulombCoefficient(30 * r, 20 * r, 20 * r, 10 * r), 0.5676170, 1e-6);
  EXPECT_NEAR(CoulombCoefficient(35 * r, 10 * r, 0, 15 * r), 0.4106363, 1e-6);
  // A fill steeper than φ has no real root.
  EXPECT_TRUE(std::isnan(CoulombCoefficient(30 * r, 0, 15 * r, 31 * r)));
}

TEST(GravityWallCase, VerticalBackNeedsNoSlopeHeight) {
  // H2 = 0 with B1 = B0: a vertical back over H1 + H3.
  GravityWallInputs in = Wall();
  in.B1 = in.B0;
  in.H2 = 0.0f;
  in.H1 = 4.5f;
  in.B = 2.6f;
  in.h1 = 2.0f;
  const GravityWallResults r = GravityWallCase(in, NoWaterStop);
  ASSERT_TRUE(r.ok) << r.message;
  EXPECT_EQ(r.epsilon, 0.0);
  // Fill over the heel: 1.2·(18·3 + 10·1.5) + surcharge 10·1.2 = 94.8;
  // water 10·1.5·1.2 = 18.
  EXPECT_NEAR(r.rankine.Wsoil, 94.8, 1e-4);
  EXPECT_NEAR(r.Wwback, 18.0, 1e-5);
}

TEST(GravityWallCase, SlopeBoundaryComparesAsSingle) {
  // H2 + H3 = 0.1f + 0.2f is 0.3000000045 in double but 0.3f as a single:
  // a water table typed as 0.3 lies on the sloped back (h1 ≤ sgl(H2 + H3)).
  // H is larger than the parts (a warning) so that zw > H1.
  GravityWallInputs in = Wall();
  in.H1 = 1.0f;
  in.H2 = 0.1f;
  in.H3 = 0.2f;
  in.H = 1.8f;
  in.B1 = 0.65f;  // a moderate slope over the short H2
  in.h1 = 0.3f;
  const GravityWallResults r = GravityWallCase(in, NoWaterStop);
  ASSERT_TRUE(r.ok) << r.message;
  EXPECT_EQ(r.soilCase, SoilPrismCase::SlopeCrossing);
  EXPECT_NE(r.warning.find("H1 + H2 + H3"), std::string::npos);
  // A little higher the water table falls between the parts of a section
  // that does not add up: no soil load can be formed.
  in.h1 = 0.31f;
  const GravityWallResults gap = GravityWallCase(in, NoWaterStop);
  EXPECT_FALSE(gap.ok);
  EXPECT_NE(gap.message.find("地下水位"), std::string::npos);
}

TEST(GravityWallCase, HeightWithinAMillimetreLeavesNoGap) {
  // H = 5.0005 passes as H1 + H2 + H3 (no warning); a water table 0.3 mm
  // above H2 + H3 (zw = 1.0002 > H1) still crosses the sloped back, with
  // the loads of the crossing case at that level.
  GravityWallInputs in = Wall();
  in.H = 5.0005f;
  in.h1 = 4.0003f;
  const GravityWallResults r = GravityWallCase(in, NoWaterStop);
  ASSERT_TRUE(r.ok) << r.message;
  EXPECT_EQ(r.warning, "");
  EXPECT_EQ(r.soilCase, SoilPrismCase::SlopeCrossing);
  // Against the worked "h1 = H2 + H3" case: the same soil load to 0.02 kN.
  EXPECT_NEAR(r.rankine.Wsoil, 139.3, 0.02);
}

TEST(GravityWallCase, ToeWaterOnlyAboveTheSlab) {
  GravityWallInputs in = Wall();
  in.h1 = 2.0f;
  in.h2 = 0.5f;  // h2 = H3: no water on the toe, but front thrust and uplift use h2
  const GravityWallResults r = GravityWallCase(in, NoWaterStop);
  ASSERT_TRUE(r.ok);
  EXPECT_EQ(r.Wtoe, 0.0f);
  EXPECT_NEAR(r.front.P, 1.25, 1e-9);
  EXPECT_NEAR(r.uplift.U, 10.0 * 2.5 * 4.0 / 2.0, 1e-4);
}

TEST(GravityWallCase, GeometryThatDoesNotAddUpWarns) {
  GravityWallInputs in = Wall();
  in.B = 4.002f;
  GravityWallResults r = GravityWallCase(in, NoWaterStop);
  ASSERT_TRUE(r.ok);
  EXPECT_NE(r.warning.find("B2 + B1 + B3"), std::string::npos);
  EXPECT_EQ(r.warning.find("H1 + H2 + H3"), std::string::npos);
  in.B = 4.001f;  // within a millimetre
  EXPECT_EQ(GravityWallCase(in, NoWaterStop).warning, "");
  in.B = 4.0f;
  in.H = 4.99f;
  EXPECT_NE(GravityWallCase(in, NoWaterStop).warning.find("H1 + H2 + H3"), std::string::npos);
  // A millimetre on a 16 m wall is within it too: 16.051 − (2.3 + 13.15 +
  // 0.6) is 0.0010010 as singles, more than the fixed slack; 1.2 mm is not.
  in.H1 = 2.3f;
  in.H2 = 13.15f;
  in.H3 = 0.6f;
  in.H = 16.051f;
  EXPECT_EQ(GravityWallCase(in, NoWaterStop).warning, "");
  in.H = 16.0512f;
  EXPECT_NE(GravityWallCase(in, NoWaterStop).warning.find("H1 + H2 + H3"), std::string::npos);
}

TEST(GravityWallCase, InputsOutsideTheMethodGiveMessages) {
  struct Case {
    const char* name;
    void (*change)(GravityWallInputs&);
    const char* words;
  } cases[] = {
      {"B = 0", [](GravityWallInputs& in) { in.B = 0; }, "墙底总宽"},
      {"H = 0", [](GravityWallInputs& in) { in.H = 0; }, "墙身总高"},
      {"γ1 = 0", [](GravityWallInputs& in) { in.gamma1 = 0; }, "湿容重"},
      {"H2 = 0 with B1 ≠ B0", [](GravityWallInputs& in) { in.H2 = 0; }, "H2"},
      {"β > φ", [](GravityWallInputs& in) { in.beta = 31; }, "β"},
      {"h1 above the top", [](GravityWallInputs& in) { in.h1 = 5.5f; }, "h1"},
      {"negative h2", [](GravityWallInputs& in) { in.h2 = -1; }, "h2"},
      {"cohesion too large", [](GravityWallInputs& in) { in.C = 30; }, "凝聚力"},
      {"back leaning forward", [](GravityWallInputs& in) { in.B1 = 0.5f; }, "B1"},
      {"loads beyond the single range", [](GravityWallInputs& in) { in.gammaWall = 1e38f; }, "数值范围"},
      {"ε + δ beyond 90°", [](GravityWallInputs& in) { in.delta = 70; },
       "库伦"},
  };
  for (const Case& c : cases) {
    GravityWallInputs in = Wall();
    c.change(in);
    const GravityWallResults r = GravityWallCase(in, NoWaterStop);
    EXPECT_FALSE(r.ok) << c.name;
    EXPECT_NE(r.message.find(c.words), std::string::npos) << c.name << ": " << r.message;
  }
  // β up to φ used is within Coulomb's formula; with cohesion φ used is φd.
  GravityWallInputs in = Wall();
  in.beta = 30.0f;
  EXPECT_TRUE(GravityWallCase(in, NoWaterStop).ok);
  in.beta = 35.0f;
  in.C = 5.0f;
  EXPECT_TRUE(GravityWallCase(in, NoWaterStop).ok);
}

}  // namespace
}  // namespace ketrova

namespace ketrova {
namespace {

TEST(GravityWallCase, PlainBlockWorkedByHand) {
  // A concrete block 2.4 m wide and 4 m high on its base, vertical back,
  // dry level fill without surcharge, φ = 30°, γ1 = 18, f = 0.5, δ = 0.
  // W = 2.4·4·24 = 230.4 at 1.2 → 276.48; E = Ka·18·4²/2 = 48 at 4/3 → 64.
  // e = 1.2 − (276.48 − 64)/230.4 = 0.277778; σ = 96·(1 ± 6e/2.4) =
  // 162.667 and 29.333; η = 5.54545; Kc = 0.5·230.4/48 = 2.4; K0 = 4.32.
  GravityWallInputs in;
  in.B = in.B0 = in.B1 = 2.4f;
  in.H = in.H1 = 4.0f;
  in.phi = 30.0f;
  in.f = 0.5f;
  in.gamma1 = 18.0f;
  in.gamma2 = 10.0f;
  in.gammaBase = in.gammaWall = 24.0f;
  const GravityWallResults r = GravityWallCase(in, NoWaterStop);
  ASSERT_TRUE(r.ok) << r.message;
  for (const GravityRow* row : {&r.rankine, &r.coulomb}) {
    EXPECT_NEAR(row->Eh, 48.0, 2e-4);
    EXPECT_NEAR(row->st.sumV, 230.4, 1e-4);
    EXPECT_NEAR(row->st.Mr, 276.48, 1e-3);
    EXPECT_NEAR(row->st.Mo, 64.0, 2e-4);
    EXPECT_NEAR(row->st.e, 0.277778, 1e-5);
    EXPECT_NEAR(row->st.sf, 162.6667, 1e-3);
    EXPECT_NEAR(row->st.sb, 29.3333, 1e-3);
    EXPECT_NEAR(row->st.eta, 5.54545, 1e-4);
    EXPECT_NEAR(row->st.Kc, 2.4, 1e-5);
    EXPECT_NEAR(row->st.K0, 4.32, 1e-4);
  }
}

TEST(GravityWallCase, EachWaterStopModeOnTheSameData) {
  // h1 = 2, h2 = 1.5, d = 0.8 on the wall of the worked cases (B = 4):
  // without a stop the whole front depth resists (10·1.5²/2 = 11.25) and the
  // uplift is a trapezoid (10·3.5·4/2 = 70); with a stop only the water above
  // d resists (10·0.7²/2 = 2.45) and the head h1 is uniform (80); with no
  // choice made the uplift is the trapezoid and nothing resists.
  struct Case {
    float mode;
    double U, Pw2, sumV;
  } cases[] = {{NoWaterStop, 70.0, 11.25, 296.3}, {WaterStop, 80.0, 2.45, 286.3}, {0.0f, 70.0, 0.0, 296.3}};
  for (const Case& c : cases) {
    GravityWallInputs in = Wall();
    in.h1 = 2.0f;
    in.h2 = 1.5f;
    in.d = 0.8f;
    const GravityWallResults r = GravityWallCase(in, c.mode);
    ASSERT_TRUE(r.ok) << r.message;
    EXPECT_NEAR(r.uplift.U, c.U, 1e-4) << c.mode;
    EXPECT_NEAR(r.front.P, c.Pw2, 1e-5) << c.mode;
    EXPECT_NEAR(r.rankine.st.sumV, c.sumV, 1e-3) << c.mode;
    EXPECT_NEAR(r.back.P, 20.0, 1e-9);
    // Sliding: f·ΣV/(E + Pw1 − Pw2), E = 86.333157 for this water table.
    EXPECT_NEAR(r.rankine.st.Kc, 0.45 * c.sumV / (86.333157 + 20.0 - c.Pw2), 1e-5) << c.mode;
  }
}

}  // namespace
}  // namespace ketrova

namespace ketrova {
namespace {

TEST(GravityWallCase, WaterTableAtTheTopOfTheSlab) {
  // h1 = H3: the fill is still dry (the dry prism, no water in the backfill)
  // while the thrust, the back water and the uplift take h1; a water table
  // just above the slab crosses the sloped back with loads that follow on
  // without a jump.
  GravityWallInputs in = Wall();
  in.h1 = 0.5f;
  const GravityWallResults at = GravityWallCase(in, NoWaterStop);
  ASSERT_TRUE(at.ok) << at.message;
  EXPECT_EQ(at.soilCase, SoilPrismCase::Dry);
  ExpectRel(at.rankine.Wsoil, 192.5, "W_soil");
  ExpectRel(at.rankine.Msoil, 556.5, "M_soil");
  EXPECT_EQ(at.Wwback, 0.0);
  ExpectRel(at.back.P, 1.25, "Pw1");
  ExpectRel(at.uplift.U, 10.0, "U");
  in.h1 = 0.5001f;
  const GravityWallResults above = GravityWallCase(in, NoWaterStop);
  ASSERT_TRUE(above.ok) << above.message;
  EXPECT_EQ(above.soilCase, SoilPrismCase::SlopeCrossing);
  EXPECT_NEAR(above.rankine.Wsoil, 192.5, 2e-3);
  EXPECT_NEAR(above.rankine.Msoil, 556.5, 5e-3);
  EXPECT_NEAR(above.Wwback, 0.0, 2e-3);
}

}  // namespace
}  // namespace ketrova
