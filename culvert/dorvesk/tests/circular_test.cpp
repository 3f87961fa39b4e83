// The part-full circle and the four cases. Expected values come from
// tests/reference/circular_ref.py (an independent Python rendering with
// plain half-angle stepping and single rounding through struct), unless a
// test says otherwise.
#include "circular.h"

#include "numbers.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cmath>
#include <ostream>
#include <random>
#include <string>

using namespace dorvesk;

namespace {

CircularInputs Data(float Q, float L, float xi1, float n, float V, float xi2) {
  CircularInputs in;
  in.Q = Q;
  in.L = L;
  in.xi1 = xi1;
  in.n = n;
  in.V = V;
  in.xi2 = xi2;
  return in;
}

// The example culvert: Q 2, L 100, ξ1 0.15, n 0.014, V 0.8, ξ2 0.4.
CircularInputs Example() { return Data(2, 100, 0.15f, 0.014f, 0.8f, 0.4f); }

std::string Shown(double x, int k) { return shell::ResultText(x, k); }

// ---- Geometry --------------------------------------------------------------

TEST(CircularSegmentGeometry, HalfFullTakesTheUpperBranchWithHalfTheCircle) {
  const SegmentGeometry g = CircularSegmentGeometry(0.75f, 1.5f, 0.014f);
  ASSERT_TRUE(g.ok);
  EXPECT_TRUE(g.atLeastHalfFull);
  EXPECT_NEAR(g.theta, 1.5707, 1e-9);  // the first step with cos θ ≥ 0
  // Half of 3.1416·0.75² = 0.883575, less the sliver of θ below π/2.
  EXPECT_NEAR(g.A, 0.8836854, 1e-6);
  EXPECT_NEAR(g.chi, 2.35635, 1e-9);
}

TEST(CircularSegmentGeometry, FullDepthGivesTheWholeCircle) {
  const SegmentGeometry g = CircularSegmentGeometry(1.5f, 1.5f, 0.014f);
  ASSERT_TRUE(g.ok);
  EXPECT_NEAR(g.theta, 0.0002, 1e-9);
  EXPECT_NEAR(g.A, 3.1416 * 0.75 * 0.75, 1e-6);
  EXPECT_NEAR(g.chi, 6.2832 * 0.75 - 1.5 * 0.0002, 1e-9);
}

TEST(CircularSegmentGeometry, ShallowSegmentByItsClosedForm) {
  // r 0.75, e 0.45: θ = acos(0.6) = 0.927295, stepped to the first 0.0001
  // below it; A = (2θ - sin 2θ)r²/2, χ = 2rθ.
  const SegmentGeometry g = CircularSegmentGeometry(0.3f, 1.5f, 0.013f);
  ASSERT_TRUE(g.ok);
  EXPECT_FALSE(g.atLeastHalfFull);
  EXPECT_NEAR(g.theta, 0.9272, 1e-9);
  EXPECT_NEAR(g.A, 0.251535, 1e-6);
  EXPECT_NEAR(g.chi, 1.3908, 1e-9);
  EXPECT_NEAR(g.C, std::pow(g.R, 1.0 / 6.0) / 0.013, 1e-4);
}

TEST(CircularSegmentGeometry, DepthAboveTheDiameterHasNoHalfAngle) {
  EXPECT_FALSE(CircularSegmentGeometry(1.6f, 1.5f, 0.014f).ok);
  EXPECT_FALSE(CircularSegmentGeometry(-0.1f, 1.5f, 0.014f).ok);
}

TEST(CircularSegmentGeometry, BisectionFindsTheStepThatSteppingFinds) {
  std::mt19937 rng(7);
  std::uniform_real_distribution<float> diam(0.05f, 20.0f), frac(0.0f, 1.0f);
  for (int k = 0; k < 400; ++k) {
    const float D = diam(rng);
    const float h = k % 10 == 0 ? D : k % 10 == 1 ? D / 2 : D * frac(rng);
    const SegmentGeometry g = CircularSegmentGeometry(h, D, 0.014f);
    ASSERT_TRUE(g.ok) << h << " " << D;
    EXPECT_EQ(g.theta, HalfAngleByStepping(g.r, g.e)) << h << " " << D;
  }
}

// ---- Cases against the reference ------------------------------------------

struct CaseRow {
  const char* what;
  CircularResults (*run)(const CircularInputs&);
  CircularInputs in;
  double Z1, Z2, Z3, Z;  // reference values
  float found;           // m (cases 1, 3), D (case 2), h (case 4)
  float D3;              // case 3: the diameter
  int steps;             // searches: trials taken (0 for case 1)
};

CircularInputs With(CircularInputs in, float h, float D, float m, float Z) {
  in.h = h;
  in.D = D;
  in.m = m;
  in.Z = Z;
  return in;
}

class CaseTable : public ::testing::TestWithParam<CaseRow> {};

TEST_P(CaseTable, MatchesTheIndependentRendering) {
  const CaseRow c = GetParam();
  const CircularResults r = c.run(c.in);
  ASSERT_TRUE(r.ok) << c.what << ": " << r.message;
  EXPECT_NEAR(r.Z1, c.Z1, 2e-6) << c.what;
  EXPECT_NEAR(r.Z2, c.Z2, 2e-6) << c.what;
  EXPECT_NEAR(r.Z3, c.Z3, 2e-6) << c.what;
  EXPECT_NEAR(r.Z, c.Z, 2e-6) << c.what;
  EXPECT_EQ(Shown(r.Z1, 3), Shown(c.Z1, 3)) << c.what;
  EXPECT_EQ(Shown(r.Z3, 3), Shown(c.Z3, 3)) << c.what;
  if (c.run == CircularSlopeAndLossCase) {
    EXPECT_FLOAT_EQ(r.m, c.found) << c.what;
  } else if (c.run == CircularDiameterAndLossCase) {
    EXPECT_FLOAT_EQ(r.D, c.found) << c.what;
  } else if (c.run == CircularDiameterAndSlopeCase) {
    EXPECT_FLOAT_EQ(r.m, c.found) << c.what;
    EXPECT_FLOAT_EQ(r.D, c.D3) << c.what;
  } else {
    EXPECT_FLOAT_EQ(r.h, c.found) << c.what;
  }
  EXPECT_EQ(r.steps, c.steps) << c.what;
}

INSTANTIATE_TEST_SUITE_P(
    Reference, CaseTable,
    ::testing::Values(
        CaseRow{"case 1, h 0.8 D 1.5", CircularSlopeAndLossCase, With(Example(), 0.8f, 1.5f, 0, 0),
                0.21762443747541452, 0.29916200041770935, 0.11354318476978148, 0.4032432436943054,
                334.2670593261719f, 0, 0},
        CaseRow{"case 1, half full", CircularSlopeAndLossCase, With(Example(), 0.75f, 1.5f, 0, 0),
                0.2627237526634687, 0.3712303638458252, 0.13707326225920108, 0.4968808591365814,
                269.37451171875f, 0, 0},
        CaseRow{"case 1, full", CircularSlopeAndLossCase, With(Example(), 1.5f, 1.5f, 0, 0),
                0.037565138146031546, 0.09283048659563065, 0.019599202510972982,
                0.11079642176628113, 1077.2322998046875f, 0, 0},
        CaseRow{"case 1, shallow", CircularSlopeAndLossCase,
                With(Data(0.5f, 80, 0.1f, 0.013f, 0.5f, 0.3f), 0.3f, 1.5f, 0, 0),
                0.20751589386892688, 0.5223258137702942, 0.13205556882568073, 0.5977861285209656,
                153.16110229492188f, 0, 0},
        CaseRow{"case 1, slow culvert (V above v)", CircularSlopeAndLossCase,
                With(Data(2, 100, 0.15f, 0.014f, 3.0f, 0.4f), 1.2f, 2.0f, 0, 0),
                -0.4669996031291576, 0.044341765344142914, -0.24365196684999527,
                -0.17900587618350983, 2255.210205078125f, 0, 0},
        CaseRow{"case 2, h 0.8 m 1000", CircularDiameterAndLossCase,
                With(Example(), 0.8f, 0, 1000, 0), 0.06914924574136291, 0.10000000149011612,
                0.03607786734331978, 0.13307137787342072, 2.900019407272339f, 0, 420},
        CaseRow{"case 2, h 0.5 m 2000", CircularDiameterAndLossCase,
                With(Data(0.3f, 50, 0.2f, 0.014f, 0.5f, 0.5f), 0.5f, 0, 2000, 0),
                0.011483911507197958, 0.02500000037252903, 0.004784963127999149,
                0.03169894963502884, 1.229999303817749f, 0, 146},
        CaseRow{"case 3, h 0.8 Z 0.2", CircularDiameterAndSlopeCase,
                With(Example(), 0.8f, 0, 0, 0.2f), 0.1097795216067381, 0.14713717997074127,
                0.05727627214264596, 0.1996404230594635, 679.6378784179688f, 2.235004186630249f,
                287},
        CaseRow{"case 4, D 1.5 m 1000", CircularDepthAndLossCase, With(Example(), 0, 1.5f, 1000, 0),
                0.06704715797876759, 0.10000000149011612, 0.0349811259019657, 0.1320660263299942,
                1.1849991083145142f, 0, 222},
        CaseRow{"case 4, small discharge", CircularDepthAndLossCase,
                With(Data(0.05f, 30, 0.1f, 0.014f, 0.3f, 0.3f), 0, 1.0f, 500, 0),
                0.018309742714226432, 0.05999999865889549, 0.011651654454507727,
                0.06665808707475662, 0.1550000011920929f, 0, 21}));

// ---- The found section carries Q by Manning's formula ---------------------------

// Q = A·R^(2/3)·√i/n of a part-full circle in closed form: the wetted arc's
// central angle φ = 2·acos((r - h)/r), A = r²(φ - sin φ)/2, χ = rφ (π exact).
double ManningDischarge(double h, double D, double n, double i) {
  const double r = D / 2;
  const double phi = 2 * std::acos((r - h) / r);
  const double A = r * r * (phi - std::sin(phi)) / 2;
  return A * std::pow(A / (r * phi), 2.0 / 3.0) * std::sqrt(i) / n;
}

TEST(UniformFlow, TheSectionFoundCarriesTheDischargeAndOneStepLessDoesNot) {
  // The searches' Chézy form with the stepped half-angle and π = 3.1416 keeps
  // within 0.1 % of the closed form: the diameter (case 2) or depth (case 4)
  // found carries Q, the 5 mm smaller one does not.
  struct Row {
    CircularInputs in;
    bool depthCase;
  } rows[] = {
      {With(Example(), 0.8f, 0, 1000, 0), false},
      {With(Data(0.3f, 50, 0.2f, 0.014f, 0.5f, 0.5f), 0.5f, 0, 2000, 0), false},
      {With(Data(5.0f, 120, 0.12f, 0.013f, 0.9f, 0.35f), 1.6f, 0, 600, 0), false},
      {With(Example(), 0, 1.5f, 1000, 0), true},
      {With(Data(3.2f, 120, 0.12f, 0.014f, 0.9f, 0.35f), 0, 1.8f, 800, 0), true},
      {With(Data(0.05f, 30, 0.1f, 0.014f, 0.3f, 0.3f), 0, 1.0f, 500, 0), true},
  };
  for (const Row& row : rows) {
    const CircularResults r =
        row.depthCase ? CircularDepthAndLossCase(row.in) : CircularDiameterAndLossCase(row.in);
    ASSERT_TRUE(r.ok) << r.message;
    const double i = 1.0 / row.in.m, n = row.in.n, Q = row.in.Q;
    const double found = ManningDischarge(r.h, r.D, n, i);
    const double less = row.depthCase ? ManningDischarge(r.h - 0.005, r.D, n, i)
                                      : ManningDischarge(r.h, r.D - 0.005, n, i);
    EXPECT_GE(found, Q * (1 - 1e-3)) << r.h << " " << r.D;
    EXPECT_LT(less, Q * (1 + 1e-3)) << r.h << " " << r.D;
  }
}

// ---- Search boundaries -------------------------------------------------------

TEST(DiameterStepSearch, SmallestDiameterIsOneStepAboveTheDepth) {
  CircularInputs in = With(Example(), 0.8f, 0, 1000, 0);
  in.Q = 1e-6f;
  const CircularResults r = CircularDiameterAndLossCase(in);
  ASSERT_TRUE(r.ok);
  EXPECT_EQ(r.steps, 1);
  EXPECT_EQ(r.D, shell::sgl(0.8f + 0.005));
  EXPECT_GT(r.D, r.h);

  in.Z = 1e6f;  // any diameter meets this allowed loss
  const CircularResults s = CircularDiameterAndSlopeCase(in);
  ASSERT_TRUE(s.ok);
  EXPECT_EQ(s.steps, 1);
  EXPECT_EQ(s.D, shell::sgl(0.8f + 0.005));
}

TEST(DiameterStepSearch, CapacityEqualToTheDischargeIsAccepted) {
  CircularInputs in = With(Example(), 0.8f, 0, 1000, 0);
  const float D1 = shell::sgl(0.8f + 0.005);
  in.Q = SectionCapacity(CircularSegmentGeometry(0.8f, D1, in.n), in.m);
  EXPECT_EQ(CircularDiameterAndLossCase(in).steps, 1);
  in.Q = std::nextafter(in.Q, 1e9f);  // a hair more needs the next diameter
  EXPECT_EQ(CircularDiameterAndLossCase(in).steps, 2);
}

TEST(DiameterStepSearch, AllowedLossMetExactlyIsAccepted) {
  CircularInputs in = With(Example(), 0.8f, 0, 0, 1e6f);
  const float Zfirst = CircularDiameterAndSlopeCase(in).Z;  // Z of D = h + 0.005
  in.Z = Zfirst;
  EXPECT_EQ(CircularDiameterAndSlopeCase(in).steps, 1);
  in.Z = std::nextafter(Zfirst, -1e9f);
  EXPECT_GT(CircularDiameterAndSlopeCase(in).steps, 1);
}

TEST(CircularDepthStepSearch, CapacityEqualToTheDischargeIsAccepted) {
  CircularInputs in = With(Example(), 0, 1.5f, 1000, 0);
  const float h1 = shell::sgl(shell::sgl(0.05 * 1.5f) + 0.005);
  in.Q = SectionCapacity(CircularSegmentGeometry(h1, 1.5f, in.n), in.m);
  CircularResults r = CircularDepthAndLossCase(in);
  EXPECT_EQ(r.steps, 1);
  EXPECT_EQ(r.h, h1);
  in.Q = std::nextafter(in.Q, 1e9f);
  EXPECT_EQ(CircularDepthAndLossCase(in).steps, 2);
}

TEST(CircularDepthStepSearch, TheFiveMillimetreStepIsAddedInDouble) {
  // D 0.3: h starts at sgl(0.015) and each trial is sgl(h + 0.005) with 0.005
  // in double. Below 3 cm the single grid puts h + 0.005f on a tie that
  // rounds down, h + 0.005 does not: the first trial is 0.020000001415610313
  // (not 0.019999999552965164), the ninth 0.05999999865889549.
  // (python3 rendering of the step search, struct rounding to single.)
  CircularInputs in = With(Data(0.0001f, 30, 0.1f, 0.014f, 0.3f, 0.3f), 0, 0.3f, 500, 0);
  CircularResults r = CircularDepthAndLossCase(in);
  ASSERT_TRUE(r.ok) << r.message;
  EXPECT_EQ(r.steps, 1);
  EXPECT_EQ(r.h, 0.020000001415610313f);
  in.Q = 0.003f;
  r = CircularDepthAndLossCase(in);
  ASSERT_TRUE(r.ok) << r.message;
  EXPECT_EQ(r.steps, 9);
  EXPECT_EQ(r.h, 0.05999999865889549f);
  EXPECT_NEAR(r.Z, 0.05997767299413681, 1e-9);
}

TEST(CircularDepthStepSearch, DischargeBeyondPartFullShowsThePressureHint) {
  const CircularResults r = CircularDepthAndLossCase(With(Data(10, 100, 0.15f, 0.014f, 0.8f, 0.4f), 0, 1.0f, 1000, 0));
  EXPECT_FALSE(r.ok);
  EXPECT_TRUE(r.pressureFlow);
  EXPECT_EQ(r.message, "提示： 管径偏小 、纵坡偏缓，管内为压力流，欲形成无压流态需加大管径或纵坡");
}

// ---- The allowed loss that no diameter reaches ---------------------------------

// As D grows Z falls toward −(ξ1 + ξ2)·V²/19.62; an allowed loss at or below
// that is refused with the limit in the message, and the sentence "Z 不大于
// <limit>" holds for the Z typed. Limits by hand: 0.55·0.835² = 0.38347375,
// /19.62 = 0.0195450427; 0.55·0.64/19.62 = 0.0179408776 (ξ1 and ξ2 as the
// singles 0.15 and 0.4, digits of python3 '%.15g'). Rounded to 3 decimals
// the first two read −0.02 and −0.018, below the typed Z.
struct UnreachableLoss {
  float V, Z;
  const char* limit;  // as the message shows it
};
void PrintTo(const UnreachableLoss& c, std::ostream* os) { *os << "V " << c.V << ", Z " << c.Z; }
class UnreachableAllowedLoss : public ::testing::TestWithParam<UnreachableLoss> {};

TEST_P(UnreachableAllowedLoss, MessageStatesATrueLimit) {
  const UnreachableLoss c = GetParam();
  CircularInputs in = With(Example(), 0.8f, 0, 0, c.Z);
  in.V = c.V;
  const CircularResults r = CircularDiameterAndSlopeCase(in);
  ASSERT_FALSE(r.ok);
  const std::string head = "允许水头损失 Z 不大于 ";
  ASSERT_EQ(r.message.rfind(head, 0), 0u) << r.message;
  const std::string shown = r.message.substr(head.size(), r.message.find(" m", head.size()) - head.size());
  EXPECT_EQ(shown, c.limit);
  EXPECT_LE(static_cast<double>(c.Z), std::stod(shown)) << r.message;
}

INSTANTIATE_TEST_SUITE_P(
    Case3, UnreachableAllowedLoss,
    ::testing::Values(UnreachableLoss{0.835f, -0.0197f, "-0.0195450427422374"},
                      UnreachableLoss{0.8f, -0.0179409f, "-0.0179408775800108"},
                      UnreachableLoss{0.8f, -0.03f, "-0.0179408775800108"},
                      // V = 0: the limit is 0 (never "-0"), met by Z = 0.
                      UnreachableLoss{0.0f, 0.0f, "0"}));

// ---- Impossible data: a message, never a hang or a number ---------------------

struct BadRow {
  const char* what;
  CircularResults (*run)(const CircularInputs&);
  CircularInputs in;
  const char* words;  // part of the message
};
class BadData : public ::testing::TestWithParam<BadRow> {};

TEST_P(BadData, StopsWithAMessage) {
  const BadRow c = GetParam();
  const auto start = std::chrono::steady_clock::now();
  const CircularResults r = c.run(c.in);
  const double seconds =
      std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
  EXPECT_FALSE(r.ok) << c.what;
  EXPECT_FALSE(r.pressureFlow) << c.what;
  EXPECT_NE(r.message.find(c.words), std::string::npos) << c.what << ": " << r.message;
  EXPECT_LT(seconds, 2.0) << c.what;
}

CircularInputs Zero(CircularInputs in, float CircularInputs::*field) {
  in.*field = 0;
  return in;
}

const CircularInputs kCase1 = With(Example(), 0.8f, 1.5f, 0, 0);
const CircularInputs kCase2 = With(Example(), 0.8f, 0, 1000, 0);
const CircularInputs kCase3 = With(Example(), 0.8f, 0, 0, 0.2f);
const CircularInputs kCase4 = With(Example(), 0, 1.5f, 1000, 0);

INSTANTIATE_TEST_SUITE_P(
    Orderly, BadData,
    ::testing::Values(
        BadRow{"case 1, h above D", CircularSlopeAndLossCase, With(Example(), 1.6f, 1.5f, 0, 0), "大于洞径"},
        BadRow{"case 1, zero n", CircularSlopeAndLossCase, Zero(kCase1, &CircularInputs::n), "糙率"},
        BadRow{"case 1, zero Q", CircularSlopeAndLossCase, Zero(kCase1, &CircularInputs::Q), "流量"},
        BadRow{"case 1, zero h", CircularSlopeAndLossCase, Zero(kCase1, &CircularInputs::h), "水深"},
        BadRow{"case 1, zero D", CircularSlopeAndLossCase, With(Example(), 0.8f, 0, 0, 0), "洞径"},
        BadRow{"case 1, negative L", CircularSlopeAndLossCase, With(Data(2, -5, 0.15f, 0.014f, 0.8f, 0.4f), 0.8f, 1.5f, 0, 0), "洞身长"},
        BadRow{"case 2, zero m", CircularDiameterAndLossCase, Zero(kCase2, &CircularInputs::m), "纵坡"},
        BadRow{"case 2, negative m", CircularDiameterAndLossCase, With(Example(), 0.8f, 0, -1000, 0), "纵坡"},
        BadRow{"case 2, zero h", CircularDiameterAndLossCase, Zero(kCase2, &CircularInputs::h), "水深"},
        BadRow{"case 2, a shallow depth that no diameter serves", CircularDiameterAndLossCase,
               With(Data(1000, 100, 0.15f, 0.014f, 0.8f, 0.4f), 0.01f, 0, 1000, 0), "仍不能通过"},
        BadRow{"case 2, depth so large that 5 mm does not add", CircularDiameterAndLossCase,
               With(Example(), 1e6f, 0, 1000, 0), "不能增加"},
        BadRow{"case 3, allowed loss below the limit", CircularDiameterAndSlopeCase,
               With(Example(), 0.8f, 0, 0, -0.03f), "达不到"},
        BadRow{"case 3, zero allowed loss with no local loss", CircularDiameterAndSlopeCase,
               With(Data(2, 100, 0, 0.014f, 0.8f, 0), 0.8f, 0, 0, 0), "达不到"},
        BadRow{"case 3, allowed loss just above the limit", CircularDiameterAndSlopeCase,
               With(Example(), 0.8f, 0, 0, -0.0178f), "仍大于允许值"},
        BadRow{"case 3, zero n", CircularDiameterAndSlopeCase, Zero(kCase3, &CircularInputs::n), "糙率"},
        BadRow{"case 4, zero D", CircularDepthAndLossCase, Zero(kCase4, &CircularInputs::D), "洞径"},
        BadRow{"case 4, zero m", CircularDepthAndLossCase, Zero(kCase4, &CircularInputs::m), "纵坡"},
        BadRow{"case 4, negative Q", CircularDepthAndLossCase, With(Data(-2, 100, 0.15f, 0.014f, 0.8f, 0.4f), 0, 1.5f, 1000, 0), "流量"},
        BadRow{"case 4, a diameter of 10 km", CircularDepthAndLossCase,
               With(Data(1e30f, 100, 0.15f, 0.014f, 0.8f, 0.4f), 0, 1e4f, 1000, 0), "未求得水深"}));

}  // namespace
