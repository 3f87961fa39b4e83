// The sluice wall: forces at half height and at the wall bottom, the steel,
// the transfer file and the crack check. Expected values come from
// tests/reference/sluicewall_reference.py, written apart from this code: the
// forces from the polygons of the stem and of the fill over its back (fill
// below the water table saturated, γ2 + 10) and the pressure integrated over
// the height (Simpson, 20000 steps); π = 3.14159.
#include "tests/examplewalls.h"
#include "numbers.h"
#include "sluicewall.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

namespace ketrova {
namespace {

// B0 = 0.4, B1 = 0.8, H1 = 1.5, H2 = 4.5 (H = 6, t_m = 0.4 + 0.4/4.5·1.5 =
// 0.5333), φ = 30°, γ1 = 18, γ2 = 10, Rw = 1100, Rf = 130, Rg = 31000, K = 1.6.
SluiceWallInputs Wall(float h1) { return ExampleSluiceWall(h1); }

struct Expected {
  const char* name;
  float h1;
  SluiceWaterCase wc;
  double Nm, Mm, Nb, Mb;      // before rounding
  double As1, e01, As2, e02;  // steel on the rounded forces
  double Kf[2], w[2], edge[2];
};

const Expected kCases[] = {
    {"dry", 0.0f, SluiceWaterCase::Dry, 36.6, 27.3732782, 106.2, 218.159559, 4.63333333333,
     74.781420765, 14.3197653959, 205.423728814, {4.05, 1.11}, {0.0, 0.0}, {0.5, 1.82}},
    {"low", 2.0f, SluiceWaterCase::Low, 36.6, 27.3732782, 106.555556, 227.816192, 4.63333333333,
     74.781420765, 15.0659002933, 213.795045045, {4.05, 1.06}, {0.0, 0.0011}, {0.5, 1.9}},
    {"slope", 4.0f, SluiceWaterCase::Slope, 36.6888889, 28.5744314, 107.622222, 295.98151,
     4.63333333333, 77.8686290542, 20.3687507331, 275.023229883, {3.86, 0.82}, {0.0, 0.0083},
     {0.52, 2.46}},
    // Water beside the vertical back: the fill below it is saturated as in
    // the cases above.
    {"straight", 5.0f, SluiceWaterCase::Straight, 36.9333333, 37.0799521, 108.4, 370.37745,
     4.63333333333, 100.406173842, 26.1668035191, 341.67896679, {2.89, 0.66}, {0.0, 0.0098},
     {0.7, 3.05}},
    // Water table at the top (S = 0): the buoyant earth thrust still acts.
    {"top", 6.0f, SluiceWaterCase::Straight, 37.2, 60.2488582, 109.2, 481.439755, 6.94595954073,
     161.962365591, 34.831202346, 440.879120879, {1.73, 0.52}, {0.0, 0.0092}, {1.16, 3.89}},
};

TEST(SluiceWallCase, WorkedCases) {
  for (const Expected& x : kCases) {
    SCOPED_TRACE(x.name);
    const SluiceWallInputs in = Wall(x.h1);
    const SluiceWallResults r = SluiceWallCase(in);
    ASSERT_TRUE(r.ok) << r.message;
    EXPECT_EQ(r.waterCase, x.wc);
    EXPECT_EQ(r.tm, static_cast<float>(0.4 + 0.4 / 4.5 * 1.5));
    EXPECT_NEAR(r.Ka, 0.333332652, 1e-9);
    EXPECT_DOUBLE_EQ(r.Nm, std::floor(x.Nm * 100 + 0.5) / 100);
    EXPECT_DOUBLE_EQ(r.Mm, std::floor(x.Mm * 100 + 0.5) / 100);
    EXPECT_DOUBLE_EQ(r.Nb, std::floor(x.Nb * 100 + 0.5) / 100);
    EXPECT_DOUBLE_EQ(r.Mb, std::floor(x.Mb * 100 + 0.5) / 100);
    // The steel is formed on the rounded forces; t_m is a single, so h1 = 53.33 cm.
    EXPECT_NEAR(r.steel[0].As, x.As1, 1e-4);
    EXPECT_NEAR(r.steel[0].e0, x.e01, 1e-9);
    EXPECT_NEAR(r.steel[1].As, x.As2, 1e-6);
    EXPECT_NEAR(r.steel[1].e0, x.e02, 1e-9);
    EXPECT_EQ(r.steel[1].AsPrime, 0.0);

    // The crack check on the transfer file: one bar size at half height
    // (5 Φ16), two at the bottom (5 Φ20 + 2 Φ16).
    const CrackSections s = ParseTransferFile(TransferFileText(in, r));
    ASSERT_TRUE(s.ok) << s.message;
    EXPECT_TRUE(TransferMatches(s, in));
    const Bars bars[2] = {{1.6, 5, 0, 0}, {2.0, 5, 1.6, 2}};
    for (int i = 0; i < 2; ++i) {
      const CrackResult c = CrackCheck(s, i, bars[i]);
      ASSERT_TRUE(c.ok) << c.message;
      EXPECT_NEAR(c.Kf, x.Kf[i], 1e-9) << i;
      EXPECT_NEAR(c.width, x.w[i], 1e-9) << i;
      EXPECT_NEAR(c.edgeMPa, x.edge[i], 1e-9) << i;
    }
  }
}


TEST(SluiceWallCase, CaseBoundariesCompareAsSingles) {
  // h1 = sgl(H/2) = 3: the low case, whose half-height forces are the dry ones.
  SluiceWallResults r = SluiceWallCase(Wall(3.0f));
  ASSERT_TRUE(r.ok) << r.message;
  EXPECT_EQ(r.waterCase, SluiceWaterCase::Low);
  EXPECT_DOUBLE_EQ(r.Nm, 36.6);
  EXPECT_DOUBLE_EQ(r.Mm, 27.37);
  // S = H1 exactly (h1 = H2 = 4.5): the water table at the top of the slope.
  r = SluiceWallCase(Wall(4.5f));
  ASSERT_TRUE(r.ok) << r.message;
  EXPECT_EQ(r.waterCase, SluiceWaterCase::Slope);
  EXPECT_EQ(r.S, 1.5f);
  // Just above it the vertical-back case gives the same loads: the fill over
  // the slope is saturated in both.
  const SluiceWallResults above = SluiceWallCase(Wall(4.5001f));
  ASSERT_TRUE(above.ok);
  EXPECT_EQ(above.waterCase, SluiceWaterCase::Straight);
  EXPECT_NEAR(above.Nb, r.Nb, 0.011);
  EXPECT_NEAR(above.Mb, r.Mb, 0.05);
}

TEST(SluiceWallCase, WeightSumsAreSingles) {
  // B0 = 0.3, B1 = 0.75, H1 = 1.3, H2 = 3.7, dry: Nb = 36 + 19.98 + 10.53 +
  // 14.985 = 81.495 exactly. The four single weights summed in single
  // precision give 81.495003 (python3, struct-packed float32 after each
  // addition), so RoundTo shows 81.5; summed in double they give 81.494999
  // and 81.49.
  SluiceWallInputs in = Wall(0.0f);
  in.B0 = 0.3f;
  in.B1 = 0.75f;
  in.H1 = 1.3f;
  in.H2 = 3.7f;
  const SluiceWallResults r = SluiceWallCase(in);
  ASSERT_TRUE(r.ok) << r.message;
  EXPECT_EQ(r.waterCase, SluiceWaterCase::Dry);
  EXPECT_DOUBLE_EQ(r.Nb, 81.5);
}

TEST(SluiceWallCase, LowWaterAboveAShortSlope) {
  // H1 = 4 > H2 = 2: the half-height section lies in the vertical part
  // (t_m = B0, no fill over it), and h1 = 2.5 ≤ H/2 stands above the top of
  // the slope: the whole slope and 0.5 m of the column over it are
  // submerged (reference script: Nb = 104.4, Mb = 237.363462), not a wedge
  // wider than the slope.
  SluiceWallInputs in = Wall(2.5f);
  in.H1 = 4.0f;
  in.H2 = 2.0f;
  const SluiceWallResults r = SluiceWallCase(in);
  ASSERT_TRUE(r.ok) << r.message;
  EXPECT_EQ(r.waterCase, SluiceWaterCase::Low);
  EXPECT_EQ(r.tm, 0.4f);
  EXPECT_DOUBLE_EQ(r.Nm, 28.8);
  EXPECT_DOUBLE_EQ(r.Mm, 27.0);
  EXPECT_DOUBLE_EQ(r.Nb, 104.4);
  EXPECT_DOUBLE_EQ(r.Mb, 237.36);
}

// In the small-eccentricity branch the compression-steel formula goes
// negative where the concrete alone carries the compressed side: no steel
// area is negative, so the section gets none, and the crack check works on
// that section. Worked by hand; the section's capacity with As′ = 0 is that
// of its concrete, a block of depth h − 2·e0 centred on the load line:
// Nu = Rw·100·(h − 2·e0) ≥ K·N′.
TEST(SluiceWallCase, SmallEccentricityNeedsNoCompressionSteel) {
  struct Case {
    const char* name;
    SluiceWallInputs in;
    double Nm, Mm, h, e0, formulaAsPrime, As;
  };
  SluiceWallInputs square = Wall(0.0f);  // B0 = B1 = 1.2, H1 = H2 = 1, Rw 1100, Rg 31000
  square.B0 = square.B1 = 1.2f;
  square.H1 = square.H2 = 1.0f;
  SluiceWallInputs stepped = Wall(0.0f);  // a thick stem, vertical back over 2 of its 3 m
  stepped.B0 = 1.0f;
  stepped.B1 = 1.2f;
  stepped.H1 = 2.0f;
  stepped.H2 = 1.0f;
  stepped.Rw = 1400.0f;
  stepped.Rf = 160.0f;
  stepped.Rg = 34000.0f;
  const Case cases[] = {
      // Nm = 24·1.2·1 = 28.8, Mm = Ka·18·1³/6 = 1.00; h0 = 113, e0 = 3.4722,
      // e = 56.4722: As′ = (1.6·28800·56.4722 − 40·1100·113²)/(31000·106)
      // = −170.187; As below 0.1·h0 becomes 11.3.
      {"square", square, 28.8, 1.0, 120.0, 100000.0 / 28800.0, -170.18678, 11.3},
      // H1 = 2 > H2 = 1: t_m = B0 = 1, h = 100, h0 = 93; Nm = 24·1·1.5 = 36,
      // Mm = Ka·18·1.5³/6 = 3.37; e0 = 9.3611 < 0.3·93, e = 52.3611:
      // As′ = (1.6·36000·52.3611 − 40·1400·93²)/(34000·86) = −164.61; As 9.3.
      {"stepped", stepped, 36.0, 3.37, 100.0, 337000.0 / 36000.0, -164.61286, 9.3},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const SluiceWallResults r = SluiceWallCase(c.in);
    ASSERT_TRUE(r.ok) << r.message;
    EXPECT_DOUBLE_EQ(r.Nm, c.Nm);
    EXPECT_DOUBLE_EQ(r.Mm, c.Mm);
    const SectionSteel& s = r.steel[0];
    EXPECT_TRUE(s.small);
    EXPECT_NEAR(s.h, c.h, 1e-4);
    EXPECT_NEAR(s.e0, c.e0, 1e-9);
    EXPECT_LT(c.formulaAsPrime, 0.0);
    EXPECT_EQ(s.AsPrime, 0.0);
    EXPECT_NEAR(s.As, c.As, 1e-5);
    const double K = c.in.K, Rw = c.in.Rw;
    const double Nu = Rw * 100.0 * (c.h - 2.0 * c.e0);
    EXPECT_GE(Nu, K * c.Nm * 1000.0);
  }

  // The crack check of the stepped wall on the section that exists
  // (As′ = 0, As = 9.3, h0 = 93; reference script, "small"): A0 = 10093,
  // y0 = 50.3962, I0 = 8503706, W0 = 171432.5, e0 − W0/A0 = −7.624:
  // Kf = 1.55·160·171432.5/(36000·(−7.624)) = −154.9 (with the negative
  // As′ it was −180.65); σ = 36000·(−7.624)/171432.5 = −1.60 N/cm², −0.02 MPa.
  // The bottom (As 11.3, As′ 0, large eccentricity): Kf 53.35, 0.05 MPa.
  const SluiceWallResults r = SluiceWallCase(stepped);
  ASSERT_TRUE(r.ok) << r.message;
  EXPECT_EQ(r.steel[1].AsPrime, 0.0);
  EXPECT_NEAR(r.steel[1].As, 11.3, 1e-5);
  // The transfer file holds the steel shown: As(1) 9.3 in field 3, As′(1)
  // 0 in field 7.
  const std::string text = TransferFileText(stepped, r);
  std::vector<std::string> f(1);
  for (char ch : text) {
    if (ch == ',') f.emplace_back();
    else f.back().push_back(ch);
  }
  ASSERT_GT(f.size(), 7u);
  EXPECT_EQ(f[2], "9.3");
  EXPECT_EQ(f[6], "0");
  EXPECT_EQ(f[7], "0");
  const CrackSections s = ParseTransferFile(text);
  ASSERT_TRUE(s.ok) << s.message;
  const CrackResult half = CrackCheck(s, 0, {1.2, 9, 0, 0});
  const CrackResult bottom = CrackCheck(s, 1, {1.2, 9, 0, 0});
  ASSERT_TRUE(half.ok && bottom.ok);
  EXPECT_DOUBLE_EQ(half.Kf, -154.9);
  EXPECT_DOUBLE_EQ(half.width, 0.0);
  EXPECT_DOUBLE_EQ(half.edgeMPa, -0.02);
  EXPECT_DOUBLE_EQ(bottom.Kf, 53.35);
  EXPECT_DOUBLE_EQ(bottom.edgeMPa, 0.05);
  // "zhq.dat2" keeps the areas shown: As′(1) is 0.
  const std::string forces = ForceResultsText(stepped, r);
  EXPECT_EQ(forces.substr(0, forces.find(",1.2,")), "3.37,36,1,9.3,0,28.52,83.4");
}

// The results of a wall whose water table is at its top (S = 0), with the
// forces of the reference script before their rounding to 0.01.
void ExpectWaterAtTheTop(const SluiceWallResults& r, double Nm, double Mm, double Nb, double Mb) {
  ASSERT_TRUE(r.ok) << r.message;
  EXPECT_EQ(r.S, 0.0f);
  EXPECT_EQ(r.waterCase, SluiceWaterCase::Straight);
  EXPECT_DOUBLE_EQ(r.Nm, std::floor(Nm * 100 + 0.5) / 100);
  EXPECT_DOUBLE_EQ(r.Mm, std::floor(Mm * 100 + 0.5) / 100);
  EXPECT_DOUBLE_EQ(r.Nb, std::floor(Nb * 100 + 0.5) / 100);
  EXPECT_DOUBLE_EQ(r.Mb, std::floor(Mb * 100 + 0.5) / 100);
}

// A water table typed at the top of the wall, h1 = H1 + H2: the single sum H
// lies a rounding above or below the typed h1; the level is at the top all
// the same (S = 0), with the forces of water at the top (reference script,
// "top", the example wall with these heights). Up to a millimetre above the
// top counts as the top, as the retaining walls take their heights; more is
// above the wall. A level truly below the top keeps its dry layer.
TEST(SluiceWallCase, WaterTableTypedAtTheTop) {
  struct Case {
    float H1, H2, h1;
    double Nm, Mm, Nb, Mb, As1, As2;
  };
  const Case cases[] = {
      // sgl(0.9 + 2.3) and sgl(1.2 + 4.7) fall just below the typed h1 ...
      {0.9f, 2.3f, 3.2f, 19.426087, 9.2274148, 58.16, 73.5964073, 4.51739130434783, 7.3},
      {1.2f, 4.7f, 5.9f, 37.6285106, 57.3098666, 107.6, 457.784211, 6.26214816555335, 33.0222482893451},
      // ... sgl(1.2 + 3.9) just above the typed 5.1.
      {1.2f, 3.9f, 5.1f, 31.9153846, 37.0638007, 92.88, 295.995849, 4.68461538461539, 20.7507018572825},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.h1);
    SluiceWallInputs in = Wall(c.h1);
    in.H1 = c.H1;
    in.H2 = c.H2;
    ASSERT_NE(static_cast<float>(static_cast<double>(c.H1) + c.H2), c.h1);  // the rounding is there
    const SluiceWallResults r = SluiceWallCase(in);
    ExpectWaterAtTheTop(r, c.Nm, c.Mm, c.Nb, c.Mb);
    EXPECT_NEAR(r.steel[0].As, c.As1, 1e-5);
    EXPECT_NEAR(r.steel[1].As, c.As2, 1e-5);  // K = 1.6 as a single

    // A millimetre above the top is the top; a little more is not.
    in.h1 = c.h1 + 0.001f;
    const SluiceWallResults mm = SluiceWallCase(in);
    ASSERT_TRUE(mm.ok) << mm.message;
    EXPECT_EQ(mm.S, 0.0f);
    EXPECT_EQ(mm.Mb, r.Mb);
    EXPECT_EQ(mm.steel[1].As, r.steel[1].As);
    in.h1 = c.h1 + 0.0012f;
    const SluiceWallResults over = SluiceWallCase(in);
    EXPECT_FALSE(over.ok);
    EXPECT_NE(over.message.find("h1 > H1 + H2"), std::string::npos) << over.message;
    // A millimetre below the top is a dry layer of a millimetre.
    in.h1 = c.h1 - 0.001f;
    const SluiceWallResults below = SluiceWallCase(in);
    ASSERT_TRUE(below.ok) << below.message;
    EXPECT_NEAR(below.S, 0.001, 1e-6);
  }
}

// A millimetre above the top of a tall wall is the top as well: the
// singles of H1, H2, their sum and h1 = H1 + H2 + 0.001 round by more than
// the fixed slack there (16.211 − sgl(7.49 + 8.72) = 0.0010014 as singles).
// The forces are those of water at the top (reference script, "top", the
// example wall with these heights); 1.2 mm above is still above the wall.
TEST(SluiceWallCase, AMillimetreAboveTheTopOfATallWallIsTheTop) {
  struct Case {
    float H1, H2, h1;
    double Nm, Mm, Nb, Mb;
  };
  const Case cases[] = {
      {7.49f, 8.72f, 16.211f, 82.4157041, 1183.34389, 292.272, 9469.59904},
      {0.23f, 8.48f, 8.711f, 60.3607712, 183.95779, 160.08, 1470.27372},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.h1);
    SluiceWallInputs in = Wall(c.h1);
    in.H1 = c.H1;
    in.H2 = c.H2;
    ASSERT_GT(static_cast<double>(c.h1) - static_cast<float>(static_cast<double>(c.H1) + c.H2), kGeometryTolerance);
    const SluiceWallResults r = SluiceWallCase(in);
    ExpectWaterAtTheTop(r, c.Nm, c.Mm, c.Nb, c.Mb);
    in.h1 = c.h1 + 0.0002f;
    const SluiceWallResults over = SluiceWallCase(in);
    EXPECT_FALSE(over.ok);
    EXPECT_NE(over.message.find("h1 > H1 + H2"), std::string::npos) << over.message;
  }
}

TEST(SluiceWallCase, InputsOutsideTheMethodGiveMessages) {
  struct Case {
    const char* name;
    void (*change)(SluiceWallInputs&);
    const char* words;
  };
  const Case cases[] = {
      {"B0 > B1", [](SluiceWallInputs& i) { i.B0 = 1.0f; }, "不能小于墙顶宽"},
      {"h1 < 0", [](SluiceWallInputs& i) { i.h1 = -0.5f; }, "不能为负值"},
      {"h1 > H", [](SluiceWallInputs& i) { i.h1 = 6.5f; }, "h1 > H1 + H2"},
      {"H2 = 0 with a slope", [](SluiceWallInputs& i) { i.H2 = 0.0f; }, "H2 为 0"},
      {"H = 0", [](SluiceWallInputs& i) { i.H1 = i.H2 = 0.0f; i.B1 = i.B0; }, "H"},
      {"cohesion too large", [](SluiceWallInputs& i) { i.C = 40.0f; }, "凝聚力"},
      {"thin stem", [](SluiceWallInputs& i) { i.B0 = i.B1 = 0.14f; }, "0.14 m"},
      {"γ1 = 0", [](SluiceWallInputs& i) { i.gamma1 = 0.0f; }, "湿容重"},
  };
  for (const Case& c : cases) {
    SluiceWallInputs in = Wall(2.0f);
    c.change(in);
    const SluiceWallResults r = SluiceWallCase(in);
    EXPECT_FALSE(r.ok) << c.name;
    EXPECT_NE(r.message.find(c.words), std::string::npos) << c.name << ": " << r.message;
  }
}

TEST(SluiceWallFiles, TransferFileLayoutAndItsChecks) {
  const SluiceWallInputs in = Wall(2.0f);
  const SluiceWallResults r = SluiceWallCase(in);
  ASSERT_TRUE(r.ok) << r.message;
  const std::string text = TransferFileText(in, r);
  // Two empty fields first; As, h0, As′, e0, N, e, h pairwise; Rg, Rf; then
  // the 14 basic data of the run.
  ASSERT_EQ(text.substr(0, 2), ",,");
  EXPECT_EQ(text.substr(text.size() - 2), "\r\n");
  std::vector<std::string> f;
  std::string cur;
  for (char c : text.substr(0, text.size() - 2)) {
    if (c == ',') f.push_back(cur), cur.clear();
    else cur += c;
  }
  f.push_back(cur);
  ASSERT_EQ(f.size(), 18u + 14u);
  EXPECT_EQ(f[2], shell::DoubleFieldText(r.steel[0].As));
  EXPECT_EQ(f[4], "46.333336");  // h0 = h − 7 as a single
  EXPECT_EQ(f[5], "73");
  EXPECT_EQ(f[10], "36600");  // N in newtons
  EXPECT_EQ(f[14], "53.333336");  // h = 100·t_m as a single
  EXPECT_EQ(f[15], "80");
  EXPECT_EQ(f[16], "31000");
  EXPECT_EQ(f[17], "130");
  EXPECT_EQ(f[18], "0.4");
  EXPECT_EQ(f[31], "1.6");

  // Other data in the window: the sections do not belong to them.
  const CrackSections s = ParseTransferFile(text);
  ASSERT_TRUE(s.ok);
  SluiceWallInputs other = in;
  other.h1 = 2.5f;
  EXPECT_FALSE(TransferMatches(s, other));
  // A file with only the 18 fields (no basic data) matches nothing.
  const CrackSections bare = ParseTransferFile(text.substr(0, text.find(",0.4,")) + "\r\n");
  ASSERT_TRUE(bare.ok) << bare.message;
  EXPECT_FALSE(TransferMatches(bare, in));
  // Short, or holding a field that is not a number: a message.
  EXPECT_FALSE(ParseTransferFile(",,1,2,3\r\n").ok);
  EXPECT_FALSE(ParseTransferFile("").ok);
  std::string bad = text;
  bad.replace(bad.find("36600"), 5, "x");
  EXPECT_FALSE(ParseTransferFile(bad).ok);

  // "zhq.dat2": Mm, Nm, t_m, As(1), As'(1), Mb, Nb, B1, As(2), As'(2), φd.
  const std::string forces = ForceResultsText(in, r);
  EXPECT_EQ(forces.substr(0, forces.find(",", forces.find(",") + 1)), "27.37,36.6");
  EXPECT_NE(forces.find(",0.8,"), std::string::npos);
  EXPECT_EQ(forces.substr(forces.size() - 5), ",30\r\n");
}

TEST(SluiceCrackCheck, BarsAndTheSurfaceFactor) {
  // The wall with water at the top, Rg = 24000 (ν = 1) and 24001 (ν = 0.7),
  // bottom section (reference script): 5 Φ20 + 2 Φ16 give δmax 0.0077 and
  // 0.0054 cm, 7 Φ20 give 0.0080 and 0.0056; Kf 0.54 and 3.76 MPa throughout.
  for (float Rg : {24000.0f, 24001.0f}) {
    SluiceWallInputs in = Wall(6.0f);
    in.Rg = Rg;
    const SluiceWallResults r = SluiceWallCase(in);
    ASSERT_TRUE(r.ok) << r.message;
    const CrackSections s = ParseTransferFile(TransferFileText(in, r));
    ASSERT_TRUE(s.ok);
    const CrackResult two = CrackCheck(s, 1, {2.0, 5, 1.6, 2});
    const CrackResult one = CrackCheck(s, 1, {2.0, 7, 0, 0});
    ASSERT_TRUE(two.ok && one.ok);
    EXPECT_NEAR(two.width, Rg == 24000.0f ? 0.0077 : 0.0054, 1e-12) << Rg;
    EXPECT_NEAR(one.width, Rg == 24000.0f ? 0.0080 : 0.0056, 1e-12) << Rg;
    EXPECT_DOUBLE_EQ(two.Kf, 0.54);
    EXPECT_DOUBLE_EQ(two.edgeMPa, 3.76);
    EXPECT_DOUBLE_EQ(one.Kf, two.Kf);
  }
  const SluiceWallInputs in = Wall(6.0f);
  const CrackSections s = ParseTransferFile(TransferFileText(in, SluiceWallCase(in)));
  EXPECT_FALSE(CrackCheck(s, 0, {0, 0, 0, 0}).ok);
  EXPECT_FALSE(CrackCheck(s, 0, {1.6, -2, 0, 0}).ok);
}

}  // namespace
}  // namespace ketrova
