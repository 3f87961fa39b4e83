// The three pipe cases against values worked out independently of the code:
// the head loss as the sum of its parts (Zg = Z1 + Z2, so Z = Z1 + Z2 - Zo),
// the discharge from the closed form Q = μA√(2gZg) or, for a submerged
// outlet, from the energy equation solved by bisection, and the diameter
// against the band of diameters whose capacity lies within 0.5 % of Q.
// The reference numbers come from a short python3 computation in double
// precision of those formulas.
#include "pipe.h"

#include "numbers.h"

#include <gtest/gtest.h>

#include <cmath>

using namespace pillamor;

namespace {

// Q 2 m³/s, L 100 m, D 1 m, V1 0.5, V2 0.4, n 0.014, ξ 0.3 0.1 0.2 0.1.
PipeInputs Example() {
  PipeInputs in;
  in.Q = 2.0f;
  in.L = 100.0f;
  in.D = 1.0f;
  in.V1 = 0.5f;
  in.V2 = 0.4f;
  in.n = 0.014f;
  in.xi1 = 0.3f;
  in.xi2 = 0.1f;
  in.xi3 = 0.2f;
  in.xi4 = 0.1f;
  return in;
}

std::string Shown(double x) { return shell::ResultText(x, 3); }

}  // namespace

TEST(PipeHeadLossCase, FreeOutflowIsTheSumOfTheLosses) {
  float xi = 0.0f;
  PipeResults r = PipeHeadLossCase(Example(), {FreeOutflow, xi});
  ASSERT_TRUE(r.ok) << r.message;
  // Z1 0.807019, Z2 0.561864, Zo 0.012742: Z = 1.356140; μ 0.491369; V 2.546481.
  EXPECT_EQ(Shown(r.value), "1.356");
  EXPECT_NEAR(r.value, 1.3561403, 2e-6);
  EXPECT_NEAR(r.mu, 0.4913692, 1e-6);
  EXPECT_NEAR(r.Zo, 0.0127421, 1e-7);
  EXPECT_NEAR(r.Z1, 0.8070189, 2e-6);
  EXPECT_NEAR(r.Z2, 0.5618636, 2e-6);
  EXPECT_NEAR(r.V, 2.5464812, 1e-6);
  EXPECT_EQ(Shown(r.mu), "0.491");
  EXPECT_EQ(Shown(r.V), "2.546");
  EXPECT_EQ(xi, 1.0f);  // a free outflow sets ξout to 1
}

TEST(PipeHeadLossCase, SubmergedOutletTakesOneMinusTheVelocityRatioSquared) {
  float xi = 0.0f;
  PipeResults r = PipeHeadLossCase(Example(), {SubmergedOutlet, xi});
  ASSERT_TRUE(r.ok) << r.message;
  // ξout = (1 - 0.4/2.546481)² = 0.710515; Z = 1.260463.
  EXPECT_NEAR(xi, 0.7105150f, 1e-6);
  EXPECT_NEAR(r.value, 1.2604632, 2e-6);
  EXPECT_NEAR(r.mu, 0.5094971, 1e-6);
  EXPECT_NEAR(r.Z2, 0.4661865, 2e-6);
}

TEST(PipeHeadLossCase, NoLocalLossesLeaveOnlyFrictionAndTheExit) {
  PipeInputs in = Example();
  in.xi1 = in.xi2 = in.xi3 = in.xi4 = 0.0f;
  float xi = 0.0f;
  PipeResults r = PipeHeadLossCase(in, {FreeOutflow, xi});
  ASSERT_TRUE(r.ok);
  const double R = 0.25;
  EXPECT_NEAR(r.mu, 1.0 / std::sqrt(19.62 * 0.014 * 0.014 * 100 / std::pow(R, 4.0 / 3.0) + 1.0), 1e-6);
}

TEST(PipeDischargeCase, FreeOutflowClosedForm) {
  PipeInputs in = Example();
  in.Z = 1.2f;
  in.D = 1.2f;
  float xi = 0.0f;
  PipeResults r = PipeDischargeCase(in, {FreeOutflow, xi});
  ASSERT_TRUE(r.ok) << r.message;
  // Q = μA√(2g(Z + V1²/2g)) = 0.525965 · 1.130972 · √(19.62 · 1.212742) = 2.901635.
  EXPECT_NEAR(r.value, 2.9016346, 2e-6);
  EXPECT_EQ(Shown(r.value), "2.902");
  EXPECT_NEAR(r.mu, 0.5259652, 1e-6);
  EXPECT_NEAR(r.V, 2.5656104, 2e-6);  // velocity of the ninth pass's discharge
}

TEST(PipeDischargeCase, SubmergedOutletConvergesToTheEnergyEquation) {
  PipeInputs in = Example();
  in.Z = 1.2f;
  in.D = 1.2f;
  float xi = 0.0f;  // a fresh run: pass 1 takes ξout = 0
  PipeResults r = PipeDischargeCase(in, {SubmergedOutlet, xi});
  ASSERT_TRUE(r.ok) << r.message;
  // Bisection of Zg = V²/2g (2g n²L/R^(4/3) + Σξ + (1 - V2/V)²): Q = 3.019718.
  EXPECT_NEAR(r.value, 3.0197176, 2e-5);
  EXPECT_NEAR(r.V, 2.6700188, 2e-5);
  EXPECT_NEAR(xi, 0.7228202f, 2e-5);
}

TEST(PipeDiameterCase, FindsTheDiameterWithinHalfAPercentOfTheDischarge) {
  struct Case {
    float Q, Z;
    double lowest, highest;  // diameters carrying 0.995·Q and 1.005·Q
  } cases[] = {
      {5.0f, 2.0f, 1.3559452, 1.3617885},   // scan stops at 2 m, halvings go down
      {0.3f, 1.35f, 0.4631178, 0.4649496},  // 1 m already carries more: search below 1 m
      {300.0f, 5.0f, 7.2433484, 7.2785654},
      {224.678f, 0.5f, 10.9729669, 11.0269688},  // beyond the scan: from 11 m with the capacity of 10 m
  };
  for (const auto& c : cases) {
    PipeInputs in = Example();
    in.Q = c.Q;
    in.Z = c.Z;
    float xi = 0.0f;
    PipeResults r = PipeDiameterCase(in, {FreeOutflow, xi});
    ASSERT_TRUE(r.ok) << c.Q << " " << r.message;
    EXPECT_GE(r.value, c.lowest) << c.Q;
    EXPECT_LE(r.value, c.highest) << c.Q;
  }
}

TEST(PipeDiameterCase, DiameterBeyondTheRangeIsNotGiven) {
  PipeInputs in = Example();
  in.Q = 2000.0f;  // needs about 30 m
  in.Z = 0.1f;
  float xi = 0.0f;
  PipeResults r = PipeDiameterCase(in, {FreeOutflow, xi});
  EXPECT_FALSE(r.ok);
  EXPECT_NE(r.message.find("找不到"), std::string::npos);
}

TEST(PipeCases, NoOutletConditionChosenComputesNothing) {
  PipeInputs in = Example();
  in.Z = 1.2f;
  float xi = 0.0f;
  for (auto f : {PipeHeadLossCase, PipeDiameterCase, PipeDischargeCase}) {
    PipeResults r = f(in, {0.0f, xi});
    EXPECT_FALSE(r.ok);
    EXPECT_EQ(r.message, OutletMissingMessage());
  }
}

// Each computation that ends in a message instead of results also leaves
// the ξout that the next computation of the run starts from as it was:
// neither the free outflow's 1 nor the coefficient of a velocity too small
// to give one (which has no single value) is carried on.
TEST(PipeCases, DataThatCannotBeComputedGivesAMessageAndCarriesNothingOn) {
  struct Case {
    const char* what;
    int caseNumber;
    float outlet;
    void (*change)(PipeInputs&);
  } cases[] = {
      {"zero diameter", 1, FreeOutflow, [](PipeInputs& in) { in.D = 0; }},
      {"negative diameter", 3, FreeOutflow, [](PipeInputs& in) { in.D = -1; }},
      {"zero discharge, submerged", 1, SubmergedOutlet, [](PipeInputs& in) { in.Q = 0; }},
      {"zero discharge in the search", 2, FreeOutflow, [](PipeInputs& in) { in.Q = 0; }},
      {"negative total head", 2, FreeOutflow, [](PipeInputs& in) { in.Z = -5; }},
      {"negative total head", 3, SubmergedOutlet, [](PipeInputs& in) { in.Z = -5; }},
      {"negative roughness", 1, FreeOutflow, [](PipeInputs& in) { in.n = -0.014f; }},
      {"negative radicand of μ", 1, FreeOutflow, [](PipeInputs& in) { in.xi1 = -5; }},
      {"a velocity of almost nothing, submerged", 1, SubmergedOutlet, [](PipeInputs& in) { in.Q = 1e-30f; }},
      {"no diameter in range, submerged", 2, SubmergedOutlet,
       [](PipeInputs& in) {
         in.Q = 2000;
         in.Z = 0.1f;
       }},
      {"no loss at all", 3, SubmergedOutlet,
       [](PipeInputs& in) {
         in.n = 0;
         in.xi1 = in.xi2 = in.xi3 = in.xi4 = 0;
       }},
  };
  for (const auto& c : cases) {
    PipeInputs in = Example();
    in.Z = 1.2f;
    c.change(in);
    float xi = 0.0f;
    OutletState outlet{c.outlet, xi};
    PipeResults r = c.caseNumber == 1   ? PipeHeadLossCase(in, outlet)
                    : c.caseNumber == 2 ? PipeDiameterCase(in, outlet)
                                        : PipeDischargeCase(in, outlet);
    EXPECT_FALSE(r.ok) << c.what;
    EXPECT_FALSE(r.message.empty()) << c.what;
    EXPECT_EQ(xi, 0.0f) << c.what;  // the fresh run's ξout, untouched
  }
}

TEST(PipeCases, SubmergedOutletCoefficientCarriesOverToTheNextComputation) {
  // Case 1 leaves ξout = (1 - V2/V)² of its pipe; case 3's first pass then
  // starts from it instead of from 0, and both converge to the same discharge.
  PipeInputs in = Example();
  in.Z = 1.2f;
  in.D = 1.2f;
  float carried = 0.0f;
  PipeHeadLossCase(Example(), {SubmergedOutlet, carried});
  EXPECT_NEAR(carried, 0.7105150f, 1e-6);
  float fresh = 0.0f;
  PipeResults a = PipeDischargeCase(in, {SubmergedOutlet, carried});
  PipeResults b = PipeDischargeCase(in, {SubmergedOutlet, fresh});
  ASSERT_TRUE(a.ok && b.ok);
  EXPECT_NEAR(a.value, b.value, 1e-4);
  // A free outflow afterwards starts again from ξout = 1.
  PipeHeadLossCase(Example(), {FreeOutflow, carried});
  EXPECT_EQ(carried, 1.0f);
}

// Exact values of the three cases as the steps are written, from a separate
// step-by-step python3 computation of them that stores every single-precision
// value as a single (struct pack/unpack to 'f') and forms the rest in double.

TEST(PipeDiameterCase, LandsOnTheDiameterOfItsScanAndHalvings) {
  struct Case {
    float Q, Z, outlet;
    float D;       // diameter where |1 - Qc/Q| < 0.005 is first met
    float xiOut;   // ξout left behind (a fresh run starts from 0)
  } cases[] = {
      {5.0f, 2.0f, FreeOutflow, 1.359375f, 1.0f},         // scan stops at 2 m, 6 halvings
      {0.3f, 1.35f, FreeOutflow, 0.46484375f, 1.0f},      // below 1 m, 8 halvings
      {300.0f, 5.0f, FreeOutflow, 7.25f, 1.0f},           // 2 halvings from 8 m
      {184.9f, 0.5f, FreeOutflow, 9.984375f, 1.0f},       // the 10 m pipe just carries more
      {224.678f, 0.5f, FreeOutflow, 11.015625f, 1.0f},    // from 11 m with the capacity of 10 m
      {5.0f, 2.0f, SubmergedOutlet, 1.33984375f, 0.787133634f},
  };
  for (const auto& c : cases) {
    PipeInputs in = Example();
    in.Q = c.Q;
    in.Z = c.Z;
    float xi = 0.0f;
    PipeResults r = PipeDiameterCase(in, {c.outlet, xi});
    ASSERT_TRUE(r.ok) << c.Q << " " << r.message;
    EXPECT_EQ(static_cast<float>(r.value), c.D) << c.Q;
    EXPECT_EQ(xi, c.xiOut) << c.Q;
  }
}

TEST(PipeDiameterCase, PipeOfTenToElevenMetresIsBeyondTheSearch) {
  // 184.990463 is exactly the capacity of the 10 m pipe (Z 0.5 m, the
  // example's losses): the scan wants more than Q, so it goes on to 11 m
  // with that capacity, and a capacity equal to Q steps the diameter up; the
  // halvings then stay between 11 and 12 m. So does a pipe of 10.5 m
  // (204.354599). No diameter is given, and the message does not claim that
  // none exists below 12 m.
  for (float Q : {184.990463f, 204.354599f}) {
    PipeInputs in = Example();
    in.Q = Q;
    in.Z = 0.5f;
    float xi = 0.0f;
    PipeResults r = PipeDiameterCase(in, {FreeOutflow, xi});
    EXPECT_FALSE(r.ok) << Q;
    EXPECT_NE(r.message.find("找不到"), std::string::npos);
    EXPECT_NE(r.message.find("11～12 m"), std::string::npos) << r.message;
    EXPECT_EQ(r.message.find("0～12"), std::string::npos) << r.message;
  }
}

TEST(PipeDischargeCase, TenPassesStartingFromTheCarriedOutletCoefficient) {
  // A short pipe with a fast downstream channel: ξout = (1 - V2/V)² swings
  // from pass to pass, so the pass count and the ξout that pass 1 starts
  // from show in the result (9 passes would give Q 3.30348635).
  PipeInputs in = Example();
  in.Z = 0.5f;
  in.D = 1.0f;
  in.L = 10.0f;
  in.V2 = 2.0f;
  in.xi1 = in.xi2 = in.xi3 = 0.0f;
  in.xi4 = 0.05f;

  float fresh = 0.0f;  // first computation of the run
  PipeResults a = PipeDischargeCase(in, {SubmergedOutlet, fresh});
  ASSERT_TRUE(a.ok) << a.message;
  EXPECT_EQ(static_cast<float>(a.value), 3.30160952f);
  EXPECT_EQ(a.V, 4.20613289f);
  EXPECT_EQ(fresh, 0.275104284f);
  EXPECT_NEAR(a.mu, 1.32537015, 1e-8);
  EXPECT_EQ(Shown(a.value), "3.302");

  float carried = 1.0f;  // left by an earlier free-outflow computation
  PipeResults b = PipeDischargeCase(in, {SubmergedOutlet, carried});
  ASSERT_TRUE(b.ok) << b.message;
  EXPECT_EQ(static_cast<float>(b.value), 3.30305338f);
  EXPECT_EQ(b.V, 4.20193958f);
  EXPECT_EQ(carried, 0.274606735f);
  EXPECT_EQ(Shown(b.value), "3.303");
}
