// The shear design against values worked out independently.
//
// Reference values come from a separate python3 script in double precision
// written from the capacity equations (γd·V ≤ Vc + Vsv with the axial terms
// of the member kind, Vsv = 1.25·fyv·Asv·h0/s, Vsb = fy·Asb·sin α); the
// figures quoted at each case are its output.
#include "shear.h"

#include <gtest/gtest.h>

namespace brasselt {
namespace {

// C20 (fc 10), stirrups of grade Ⅰ (fyv 210), bent-up bars fy 310, two legs
// of 8 mm: Asv = 1.0053088 cm².
ShearInputs In(float b, float h0, float V, float N = 0, float fc = 10, float aLambda = 0) {
  return {b, h0, V, N, fc, 210, 310, 8, 2, aLambda};
}

ShearMember Member(float kind, float gammaD = 1.2f, float a = 4, float layout = 0, float hfc = 0, float hft = 0) {
  return {kind, layout, gammaD, a, hfc, hft};
}

const ShearChoices kOtherI{StirrupGradeI, OtherLoads};

TEST(ShearDesign, StirrupsAloneAgainstTheCapacityEquation) {
  // python: Vc = 80.5 kN, need = 111.5 kN, s = 10.887 -> 10.9, Vsv = 111.5,
  // 100ρsv = 0.369 above 0.12.
  BentUpCarry carry;
  const auto r = ShearFirstPass(In(25, 46, 160), Member(RectFlexural), kOtherI, carry);
  ASSERT_EQ(r.outcome, ShearOutcome::Results) << r.error;
  EXPECT_FLOAT_EQ(r.Vc, 80.5f);
  EXPECT_FLOAT_EQ(r.Vsv, 111.5f);
  EXPECT_FLOAT_EQ(r.s, 10.9f);
  EXPECT_NEAR(r.sRaw, 10.887088, 1e-4);
  EXPECT_NEAR(r.Asv, 1.0053088, 1e-6);
  EXPECT_EQ(r.Vsb, 0);
  EXPECT_EQ(r.Asb, 0);
  EXPECT_TRUE(r.stirrupsAlone);
  EXPECT_FALSE(r.belowMinimumRatio);
  EXPECT_EQ(r.d, 8);
  EXPECT_EQ(r.n, 2);
  EXPECT_FALSE(carry.pending);
}

TEST(ShearDesign, TightSpacingAsksForBentUpBarsThenComputesThem) {
  // python: first pass s = 6.615 -> 6.6 (prompt); second pass with 8 cm and
  // 45°: Vsv = 151.7388, Asb = 1.44894, Vsb = 31.7612.
  BentUpCarry carry;
  const ShearInputs in = In(25, 46, 220);
  auto r = ShearFirstPass(in, Member(RectFlexural), kOtherI, carry);
  ASSERT_EQ(r.outcome, ShearOutcome::BentUpPrompt) << r.error;
  EXPECT_FLOAT_EQ(r.promptSpacing, 6.6f);
  ASSERT_TRUE(carry.pending);
  EXPECT_FLOAT_EQ(carry.Vc, 80500);
  EXPECT_TRUE(SameShearData(carry, in, Member(RectFlexural), kOtherI));

  r = ShearSecondPass(8, 45, carry);
  ASSERT_EQ(r.outcome, ShearOutcome::Results) << r.error;
  EXPECT_TRUE(r.secondPass);
  EXPECT_FLOAT_EQ(r.Vsv, 151.74f);
  EXPECT_FLOAT_EQ(r.Asb, 1.45f);
  EXPECT_FLOAT_EQ(r.Vsb, 31.76f);
  EXPECT_FLOAT_EQ(r.s, 8);
  EXPECT_FLOAT_EQ(r.Vc, 80.5f);
  EXPECT_FALSE(r.stirrupsAlone);
  EXPECT_FALSE(carry.pending);

  // A chosen spacing of 12 cm: python Asb = 3.75637, Vsb = 82.3408.
  ShearFirstPass(in, Member(RectFlexural), kOtherI, carry);
  r = ShearSecondPass(12, 45, carry);
  EXPECT_FLOAT_EQ(r.Asb, 3.76f);
  EXPECT_FLOAT_EQ(r.Vsb, 82.34f);
  // A chosen spacing so close that the stirrups carry more than the shear:
  // python Vsv = 242.782, Asb = −2.70444, Vsb = −59.2821; the negative
  // values are kept (the window shows "----") and carry no note.
  ShearFirstPass(in, Member(RectFlexural), kOtherI, carry);
  r = ShearSecondPass(5, 45, carry);
  ASSERT_EQ(r.outcome, ShearOutcome::Results);
  EXPECT_FLOAT_EQ(r.Vsv, 242.78f);
  EXPECT_FLOAT_EQ(r.Asb, -2.7f);
  EXPECT_FLOAT_EQ(r.Vsb, -59.28f);
  EXPECT_FALSE(r.stirrupsAlone);
  // The spacing at which the stirrups carry exactly γd·V − Vc (python
  // 6.6153154): Vsb rounds to 0 and the note says no bent-up bars are needed.
  ShearFirstPass(in, Member(RectFlexural), kOtherI, carry);
  r = ShearSecondPass(6.6153f, 45, carry);
  ASSERT_EQ(r.outcome, ShearOutcome::Results);
  EXPECT_EQ(r.Vsb, 0);
  EXPECT_TRUE(r.stirrupsAlone);
}

TEST(ShearDesign, ABentUpPassIsOnlyForTheDataOfItsPrompt) {
  BentUpCarry carry;
  const ShearInputs in = In(25, 46, 220);
  ShearFirstPass(in, Member(RectFlexural), kOtherI, carry);
  ShearInputs changed = in;
  changed.V = 200;
  EXPECT_FALSE(SameShearData(carry, changed, Member(RectFlexural), kOtherI));
  EXPECT_FALSE(SameShearData(carry, in, Member(TSectionFlexural), kOtherI));
  EXPECT_FALSE(SameShearData(carry, in, Member(RectFlexural), {StirrupGradeII, OtherLoads}));
  // Bad spacing or angle keep the prompt so that they can be corrected.
  EXPECT_EQ(ShearSecondPass(0, 45, carry).outcome, ShearOutcome::Failed);
  EXPECT_EQ(ShearSecondPass(8, 0, carry).outcome, ShearOutcome::Failed);
  EXPECT_EQ(ShearSecondPass(8, 180, carry).outcome, ShearOutcome::Failed);
  EXPECT_TRUE(carry.pending);
  EXPECT_EQ(ShearSecondPass(8, 60, carry).outcome, ShearOutcome::Results);
  EXPECT_EQ(ShearSecondPass(8, 60, carry).outcome, ShearOutcome::Failed);  // nothing pending
}

TEST(ShearDesign, MinimumStirrupRatioShortensTheSpacing) {
  // python: need 3.5 kN, 100ρsv = 0.011594 below 0.12: s = Asv/(b·0.12%) = 33.51 -> 33.5.
  BentUpCarry carry;
  const auto r = ShearFirstPass(In(25, 46, 70), Member(RectFlexural), kOtherI, carry);
  ASSERT_EQ(r.outcome, ShearOutcome::Results) << r.error;
  EXPECT_FLOAT_EQ(r.s, 33.5f);
  EXPECT_FLOAT_EQ(r.Vsv, 3.5f);
  EXPECT_TRUE(r.belowMinimumRatio);
  EXPECT_FLOAT_EQ(r.rhoSvPercent, 0.012f);
  EXPECT_FLOAT_EQ(r.rhoSvMin, 0.12f);
}

TEST(ShearDesign, ASpacingOfExactlyTenCentimetresShowsTheStirrups) {
  // python: V 168.25 gives s = 9.99926, rounded 10.0.
  BentUpCarry carry;
  const auto r = ShearFirstPass(In(25, 46, 168.25f), Member(RectFlexural), kOtherI, carry);
  ASSERT_EQ(r.outcome, ShearOutcome::Results) << r.error;
  EXPECT_FLOAT_EQ(r.s, 10.0f);
  EXPECT_FALSE(carry.pending);
}

TEST(ShearDesign, EccentricMembersTakeTheirAxialTerms) {
  BentUpCarry carry;
  // Compression, b 30, h0 56, a 4 (h 60), fc 12.5, N 800 above 0.3·fc·A =
  // 675 kN: python Vc = 144.8276, N' = 675000, s = 13.693 -> 13.7, Vsv = 107.92.
  auto r = ShearFirstPass(In(30, 56, 250, 800, 12.5f), Member(RectEccentricCompression), kOtherI, carry);
  ASSERT_EQ(r.outcome, ShearOutcome::Results) << r.error;
  EXPECT_FLOAT_EQ(r.Nprime, 675000);
  EXPECT_FLOAT_EQ(r.Vc, 144.83f);
  EXPECT_FLOAT_EQ(r.s, 13.7f);
  EXPECT_FLOAT_EQ(r.Vsv, 107.92f);
  // Tension, 0.2·N = 180 kN at or above Vc: γd·V alone = 72 kN; then the
  // 0.03·fc·b·h0 floor sets s = 18.766 -> 18.8, Vsv = 78.75 (python).
  r = ShearFirstPass(In(30, 56, 60, 900, 12.5f), Member(RectEccentricTension), {StirrupGradeII, OtherLoads}, carry);
  ASSERT_EQ(r.outcome, ShearOutcome::Results) << r.error;
  EXPECT_NEAR(r.demand * 1.25 * 210 * 100 * 56, 72000, 1);
  EXPECT_FLOAT_EQ(r.s, 18.8f);
  EXPECT_FLOAT_EQ(r.Vsv, 78.75f);
  // Tension with 0.2·N = 20 kN below Vc: (γd·V − Vc + 0.2N) = 55.172 kN.
  r = ShearFirstPass(In(30, 56, 150, 100, 12.5f), Member(RectEccentricTension), {StirrupGradeII, OtherLoads}, carry);
  ASSERT_EQ(r.outcome, ShearOutcome::Results) << r.error;
  EXPECT_NEAR(r.demand * 1.25 * 210 * 100 * 56, 55172.41, 1);
  // A compression member whose concrete and axial force carry the shear.
  r = ShearFirstPass(In(30, 56, 150, 800, 12.5f), Member(RectEccentricCompression), kOtherI, carry);
  EXPECT_EQ(r.outcome, ShearOutcome::ConstructionOnly);
  // A tension member whose demand is nothing: V + 0.2N = 130 kN is above
  // Vc/γd = 120.69 kN, but γd·V − Vc + 0.2·N = 36 − 144.83 + 100 < 0; the
  // construction stirrups only, not a negative spacing.
  r = ShearFirstPass(In(30, 56, 30, 500, 12.5f), Member(RectEccentricTension), kOtherI, carry);
  EXPECT_EQ(r.outcome, ShearOutcome::StirrupRules);
}

TEST(ShearDesign, EccentricCompressionNeedsStirrupsWhereTheCappedAxialForceFallsShort) {
  // python (shear_ref.py): column, other loads, γd 1.2, a 4; b 40, h0 56
  // (h 60), fc 10, fyv 210, 2 × 8 mm. V 180, N 1200: N' = 0.3·10·100·40·60 =
  // 720 kN, Vc = 154.4828 kN, Vc + 0.07·N' = 204.8828 kN < γd·V = 216 kN, so
  // stirrups are needed: Vsv = 11.1172 kN at s = 132.9 cm, shortened to the
  // minimum ratio 0.12 %: s = 20.94 → 20.9 (100ρsv 0.019). The section then
  // carries Vc + Vsv(20.9) + 0.07·N' = 275.4 kN ≥ 216 kN. (A test on the
  // uncapped force, V > Vc/γd + 0.07·N = 212.7 kN, called for none.)
  BentUpCarry carry;
  const ShearChoices choices = kOtherI;
  auto r = ShearFirstPass(In(40, 56, 180, 1200), Member(RectEccentricCompression), choices, carry);
  ASSERT_EQ(r.outcome, ShearOutcome::Results) << r.error;
  EXPECT_FLOAT_EQ(r.Nprime, 720000);
  EXPECT_FLOAT_EQ(r.Vc, 154.48f);
  EXPECT_FLOAT_EQ(r.Vsv, 11.12f);
  EXPECT_FLOAT_EQ(r.s, 20.9f);
  EXPECT_TRUE(r.belowMinimumRatio);
  EXPECT_FLOAT_EQ(r.rhoSvPercent, 0.019f);
  const double carried = r.VcN + 1.25 * 210 * 100 * r.Asv * 56 / r.s + 0.07 * r.Nprime;
  EXPECT_GE(carried, 1.2 * 180000);

  // Where the test falls: γd·V against Vc + 0.07·N', strictly, for a force
  // beyond the cap (N' = 720 kN: γd·V = 204.8828 kN at V 170.7356) and one
  // within it (N 300: Vc + 21 kN = 175.4828 kN at V 146.2356; the uncapped
  // test would have asked V > 149.74 kN), the same for the T section.
  struct Case { float V, N, kind; bool computed; };
  const Case cases[] = {
      {170.73f, 1200, RectEccentricCompression, false}, {170.74f, 1200, RectEccentricCompression, true},
      {146.23f, 300, RectEccentricCompression, false},  {146.24f, 300, RectEccentricCompression, true},
      {148, 300, TSectionEccentricCompression, true},
  };
  for (const Case& c : cases) {
    r = ShearFirstPass(In(40, 56, c.V, c.N), Member(c.kind), choices, carry);
    EXPECT_EQ(r.outcome, c.computed ? ShearOutcome::Results : ShearOutcome::ConstructionOnly) << c.V << " " << c.N;
  }
}

TEST(ShearDesign, ShearSpanRatioAndWebHeight) {
  BentUpCarry carry;
  const ShearChoices conc{StirrupGradeI, ConcentratedLoad};
  // aλ = 0: λ below 1.4 is 1.4; aλ/h0 = 5: λ = 3.0.
  auto r = ShearFirstPass(In(25, 46, 160, 0, 10, 0), Member(RectFlexural), conc, carry);
  EXPECT_FLOAT_EQ(r.lambda, 1.4f);
  EXPECT_FLOAT_EQ(r.VcN, static_cast<float>(0.2 * 10 * 25 * 46 * 100 / 2.9));
  r = ShearFirstPass(In(25, 46, 160, 0, 10, 230), Member(RectFlexural), conc, carry);
  EXPECT_FLOAT_EQ(r.lambda, 3.0f);
  r = ShearFirstPass(In(25, 46, 160, 0, 10, 92), Member(RectFlexural), conc, carry);
  EXPECT_FLOAT_EQ(r.lambda, 2.0f);
  // I section h0 70, a 5: hw = h − hf − h'f = 75 − 12 − 10 = 53; python with
  // aλ 300: λ 3.0, Vc = 77.78, s = 16.17 -> 16.2.
  r = ShearFirstPass(In(20, 70, 160, 0, 12.5f, 300), Member(TSectionFlexural, 1.2f, 5, ISection, 10, 12), conc, carry);
  ASSERT_EQ(r.outcome, ShearOutcome::Results) << r.error;
  EXPECT_FLOAT_EQ(r.hw, 53);
  EXPECT_FLOAT_EQ(r.Vc, 77.78f);
  EXPECT_FLOAT_EQ(r.s, 16.2f);
  // Flange in compression: h0 − h'f; in tension: h0; T eccentric: h0 − h'f.
  r = ShearFirstPass(In(20, 70, 160), Member(TSectionFlexural, 1.2f, 5, FlangeInCompression, 10, 12), kOtherI, carry);
  EXPECT_FLOAT_EQ(r.hw, 60);
  r = ShearFirstPass(In(20, 70, 160), Member(TSectionFlexural, 1.2f, 5, FlangeInTension, 10, 12), kOtherI, carry);
  EXPECT_FLOAT_EQ(r.hw, 70);
  r = ShearFirstPass(In(20, 70, 160, 0), Member(TSectionEccentricCompression, 1.2f, 5, 0, 10), kOtherI, carry);
  EXPECT_FLOAT_EQ(r.hw, 60);
  // A rectangle computed after a T member: ShearMemberOf drops the flanges.
  MemberState s;
  s.MemberKind = TSectionFlexural;
  s.FlangeLayout = ISection;
  s.handed.hfc = 10;
  s.handed.hft = 12;
  s.MemberKind = RectFlexural;
  r = ShearFirstPass(In(20, 70, 160), ShearMemberOf(s), kOtherI, carry);
  EXPECT_FLOAT_EQ(r.hw, 70);
  // Member values still 0: γd 1.2 and a 5.
  EXPECT_FLOAT_EQ(r.gammaD, 1.2f);
  EXPECT_FLOAT_EQ(r.h, 75);
}

TEST(ShearDesign, SectionLimitAtWebRatiosFourAndSix) {
  BentUpCarry carry;
  // hw/b = 4 (b 10, h0 40, fc 10, γd 1.25): limit 0.25·10·10·40·100/1.25 = 80 kN.
  auto r = ShearFirstPass(In(10, 40, 80), Member(RectFlexural, 1.25f), kOtherI, carry);
  EXPECT_NE(r.outcome, ShearOutcome::SectionTooSmall);
  r = ShearFirstPass(In(10, 40, 80.01f), Member(RectFlexural, 1.25f), kOtherI, carry);
  EXPECT_EQ(r.outcome, ShearOutcome::SectionTooSmall);
  // hw/b = 6 (b 10, h0 60): 0.20·10·10·60·100/1.25 = 96 kN.
  r = ShearFirstPass(In(10, 60, 96), Member(RectFlexural, 1.25f), kOtherI, carry);
  EXPECT_NE(r.outcome, ShearOutcome::SectionTooSmall);
  r = ShearFirstPass(In(10, 60, 96.01f), Member(RectFlexural, 1.25f), kOtherI, carry);
  EXPECT_EQ(r.outcome, ShearOutcome::SectionTooSmall);
  // hw/b = 5 (b 10, h0 50): 0.225·10·10·50·100/1.25 = 90 kN.
  r = ShearFirstPass(In(10, 50, 89.99f), Member(RectFlexural, 1.25f), kOtherI, carry);
  EXPECT_NE(r.outcome, ShearOutcome::SectionTooSmall);
  r = ShearFirstPass(In(10, 50, 90.01f), Member(RectFlexural, 1.25f), kOtherI, carry);
  EXPECT_EQ(r.outcome, ShearOutcome::SectionTooSmall);
}

TEST(ShearDesign, FlexuralShearEqualToTheConcreteCapacityNeedsNoStirrupComputation) {
  // Vc = 0.07·10·20·60·100 = 84000 N; with γd 1.25, Vc/γd = 67200 N = V.
  BentUpCarry carry;
  auto r = ShearFirstPass(In(20, 60, 67.2f), Member(RectFlexural, 1.25f), kOtherI, carry);
  EXPECT_EQ(r.outcome, ShearOutcome::StirrupRules);
  r = ShearFirstPass(In(20, 60, 67.21f), Member(RectFlexural, 1.25f), kOtherI, carry);
  EXPECT_NE(r.outcome, ShearOutcome::StirrupRules);
}

TEST(ShearDesign, MissingChoicesAndImpossibleData) {
  BentUpCarry carry;
  auto r = ShearFirstPass(In(25, 46, 160), Member(RectFlexural), {0, OtherLoads}, carry);
  EXPECT_EQ(r.outcome, ShearOutcome::Failed);
  EXPECT_NE(r.error.find("钢筋种类"), std::string::npos);
  r = ShearFirstPass(In(25, 46, 160), Member(RectFlexural), {StirrupGradeI, 0}, carry);
  EXPECT_NE(r.error.find("荷载作用情况"), std::string::npos);
  ShearInputs noLegs = In(25, 46, 160);
  noLegs.n = 0;
  ShearInputs noFyv = In(25, 46, 160);
  noFyv.fyv = 0;
  for (const ShearInputs& in : {In(0, 46, 160), In(25, 0, 160), noLegs, noFyv}) {
    r = ShearFirstPass(in, Member(RectFlexural), kOtherI, carry);
    EXPECT_EQ(r.outcome, ShearOutcome::Failed);
    EXPECT_FALSE(r.error.empty());
  }
  r = ShearFirstPass(In(25, 46, 160), Member(0), kOtherI, carry);
  EXPECT_EQ(r.outcome, ShearOutcome::Failed);
  // Bent-up bars of no strength.
  ShearInputs noFy = In(25, 46, 220);
  noFy.fy = 0;
  ASSERT_EQ(ShearFirstPass(noFy, Member(RectFlexural), kOtherI, carry).outcome, ShearOutcome::BentUpPrompt);
  EXPECT_EQ(ShearSecondPass(8, 45, carry).outcome, ShearOutcome::Failed);
}

}  // namespace
}  // namespace brasselt
