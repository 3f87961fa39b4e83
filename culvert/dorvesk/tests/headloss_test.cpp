// The channel-culvert head-loss chain against values worked by hand.
#include "headloss.h"

#include <gtest/gtest.h>

using namespace dorvesk;

namespace {

// v = Q/A = 4/2 = 2 m/s, V = 1 m/s: v² - V² = 3.
const LossData kData{4.0f, 100.0f, 1.0f, 0.2f, 0.4f};

TEST(HeadLossChain, EachLossOfTheEnergyEquation) {
  const HeadLosses h = LossChain(kData, 2.0f, FrictionHeadLoss(100.0f, 500.0f));
  EXPECT_FLOAT_EQ(h.v, 2.0f);
  // 3·1.2/19.62, 100/500, 3·0.6/19.62, and their balance Z1 + Z2 - Z3.
  EXPECT_NEAR(h.Z1, 0.18348623853, 1e-7);
  EXPECT_FLOAT_EQ(h.Z2, 0.2f);
  EXPECT_NEAR(h.Z3, 0.09174311927, 1e-7);
  EXPECT_NEAR(h.Z, 0.29174311927, 1e-7);
  // The combined local term (ξ1 + ξ2)(v² - V²)/2g equals Z1 - Z3.
  EXPECT_NEAR(h.Zl, h.Z1 - h.Z3, 1e-12);
}

TEST(HeadLossChain, TheTwoFormsOfTheTotalAgree) {
  const HeadLosses a = LossChain(kData, 2.0f, 0.2f, TotalForm::InletFrictionOutlet);
  const HeadLosses b = LossChain(kData, 2.0f, 0.2f, TotalForm::FrictionAndLocal);
  EXPECT_NEAR(a.Z, b.Z, 1e-7);
  EXPECT_EQ(a.Z1, b.Z1);
  EXPECT_EQ(a.Z3, b.Z3);
}

TEST(HeadLossChain, ASlowCulvertGivesNegativeInletLossAndRecovery) {
  // v = 1 below V = 2: v² - V² = -3; Z1 = -3·1.2/19.62, Z3 = -3·0.6/19.62.
  const LossData slow{2.0f, 100.0f, 2.0f, 0.2f, 0.4f};
  const HeadLosses h = LossChain(slow, 2.0f, 0.1f);
  EXPECT_NEAR(h.Z1, -0.18348623853, 1e-7);
  EXPECT_NEAR(h.Z3, -0.09174311927, 1e-7);
  EXPECT_NEAR(h.Z, 0.1 - 0.09174311927, 1e-7);
}

TEST(HeadLossChain, OutletCoefficientOfOneRecoversNothing) {
  EXPECT_EQ(OutletRecovery(3.0f, 1.0f, 1.0f), 0.0);
  EXPECT_NEAR(InletHeadLoss(3.0f, 1.0f, 0.0f), 8.0 / 19.62, 1e-12);
}

}  // namespace
