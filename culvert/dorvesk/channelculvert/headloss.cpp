#include "headloss.h"

namespace dorvesk {

namespace {

float Sgl(double x) { return static_cast<float>(x); }

// v² - V² in double.
double VelocityHeadDifference(float v, float V) {
  const double vd = v;
  const double Vd = V;
  return vd * vd - Vd * Vd;
}

}  // namespace

float CulvertVelocity(float Q, float area) { return Sgl(static_cast<double>(Q) / area); }

double InletHeadLoss(float v, float V, float xi1) {
  return VelocityHeadDifference(v, V) * (1.0 + xi1) / TwoG;
}

float FrictionHeadLoss(float L, float m) { return Sgl(static_cast<double>(L) / m); }

double OutletRecovery(float v, float V, float xi2) {
  return VelocityHeadDifference(v, V) * (1.0 - xi2) / TwoG;
}

double CombinedLocalLoss(float v, float V, float xi1, float xi2) {
  return (static_cast<double>(xi1) + xi2) * VelocityHeadDifference(v, V) / TwoG;
}

float TotalHeadLoss(double Z1, float Z2, double Z3) { return Sgl(Z1 + Z2 - Z3); }

HeadLosses LossChain(const LossData& data, float area, float Z2, TotalForm form) {
  HeadLosses h;
  h.v = CulvertVelocity(data.Q, area);
  h.Z1 = InletHeadLoss(h.v, data.V, data.xi1);
  h.Z2 = Z2;
  h.Z3 = OutletRecovery(h.v, data.V, data.xi2);
  h.Zl = CombinedLocalLoss(h.v, data.V, data.xi1, data.xi2);
  h.Z = form == TotalForm::InletFrictionOutlet ? TotalHeadLoss(h.Z1, h.Z2, h.Z3)
                                               : Sgl(static_cast<double>(h.Z2) + h.Zl);
  return h;
}

}  // namespace dorvesk
