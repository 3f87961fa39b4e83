// The head-loss chain of a channel-culvert: the water enters from an
// upstream channel of velocity V, flows through the culvert with the mean
// velocity v, and leaves into a downstream channel of the same velocity V.
//
//   InletHeadLoss      Z1 = (v² - V²)(1 + ξ1)/2g   (energy equation at the inlet)
//   FrictionHeadLoss   Z2 = L/m = i·L              (bed slope i = 1/m over the length)
//   OutletRecovery     Z3 = (v² - V²)(1 - ξ2)/2g   (water-level rise at the outlet)
//   TotalHeadLoss      Z  = Z1 + Z2 - Z3
//
// The chain serves the circular channel-culvert (Dorvesk) and the rectangular
// one (Runsavel). The section enters only through its flow area, which gives
// v = Q/A; the friction share is passed in, because the rectangular
// calculator sometimes takes it from a search instead of L/m; and the
// rectangular calculator forms the total from the combined local term
// Zl = (ξ1 + ξ2)(v² - V²)/2g, which equals Z1 - Z3.
//
// Precision: v, Z2 and Z are singles; Z1, Z3 and Zl are kept in double.
// With V above v (a slow culvert) Z1 and Z3 are negative and are returned so.
#pragma once

namespace dorvesk {

inline constexpr double TwoG = 19.62;  // 2g (m/s²)

// What the chain needs of the culvert and its channels.
struct LossData {
  float Q = 0;    // discharge (m³/s)
  float L = 0;    // culvert length (m)
  float V = 0;    // channel velocity, up- and downstream alike (m/s)
  float xi1 = 0;  // inlet local loss coefficient ξ1
  float xi2 = 0;  // outlet local loss coefficient ξ2
};

// How the total head loss is formed.
enum class TotalForm {
  InletFrictionOutlet,  // Z = Z1 + Z2 - Z3
  FrictionAndLocal,     // Z = Z2 + Zl
};

struct HeadLosses {
  float v = 0;    // mean velocity in the culvert Q/A (m/s)
  double Z1 = 0;  // InletHeadLoss (m)
  float Z2 = 0;   // FrictionHeadLoss (m)
  double Z3 = 0;  // OutletRecovery (m)
  double Zl = 0;  // combined local term (ξ1 + ξ2)(v² - V²)/2g (m)
  float Z = 0;    // TotalHeadLoss (m)
};

// v = Q/A in single precision.
float CulvertVelocity(float Q, float area);
double InletHeadLoss(float v, float V, float xi1);
// L/m: the slope's share of the loss, i = 1/m.
float FrictionHeadLoss(float L, float m);
double OutletRecovery(float v, float V, float xi2);
double CombinedLocalLoss(float v, float V, float xi1, float xi2);
float TotalHeadLoss(double Z1, float Z2, double Z3);

// The whole chain for a flow area and a friction share Z2.
HeadLosses LossChain(const LossData& data, float area, float Z2,
                     TotalForm form = TotalForm::InletFrictionOutlet);

}  // namespace dorvesk
