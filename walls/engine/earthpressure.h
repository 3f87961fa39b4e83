// The earth-pressure and stability method shared by Ketrova's walls.
//
// Units: kN, m, degrees; one metre of wall length. Horizontal positions are
// measured from the toe tip (the front edge of the base), which is the moment
// point; heights of water levels are measured up from the underside of the
// base. Inputs are singles as typed; the steps compute in double and keep as
// single the values that the method stores as single (φ used, h0, U).
#pragma once

#include <initializer_list>
#include <string>

namespace ketrova {

inline constexpr double kPi = 3.14159;
inline constexpr double kWaterUnitWeight = 10.0;

// A retaining wall's geometry sums may differ from the totals by the
// rounding of typed decimals; more than a millimetre is a real difference.
inline constexpr double kGeometryTolerance = 0.001 + 1e-6;

// Half a unit in the last place of each single: how far the decimals typed
// behind these singles can lie from them.
double TypedRounding(std::initializer_list<float> typed);

// Whether a difference worked from typed singles is at most a millimetre as
// typed: the fixed slack and the rounding of those singles, which on heights
// over about 8 m is more than the slack's own margin.
inline bool WithinAMillimetre(double difference, std::initializer_list<float> typed) {
  return difference <= kGeometryTolerance + TypedRounding(typed);
}

// Why a retaining wall shows no results when a load or a result kept as a
// single is not a number.
inline constexpr const char* kOutOfRangeMessage = "计算结果超出数值范围，请检查基本资料。未给出成果。";

// The program-wide water-stop choice: 0 until chosen.
inline constexpr float NoWaterStop = 1.0f;
inline constexpr float WaterStop = 2.0f;

// Why the water levels and the loads typed for a wall lie outside the
// method (negative h1, h2, d, q or f, or h1 above the top of the wall); ""
// when they are within it.
std::string WaterAndLoadCheck(float H, float h1, float h2, float d, float q, float f);

// Step 2: the equivalent friction angle φd that folds the cohesion C of the
// backfill into the friction angle, for a wall of height H:
//   φd = 2·(45° − atn|t − 2C/(γ1·H)|),  t = tan(45° − φ/2).
// φ used is φd (as single) when C > 0, else φ as typed. Where 2C/(γ1·H)
// reaches t the formula turns back on itself (φd would reach 90° and then
// fall): `ok` is false and `message` says the cohesion is too large.
struct FrictionAngle {
  bool ok = false;
  double phid = 0.0;     // φd, unrounded
  float phiUsed = 0.0f;  // the friction angle every later step uses
  std::string message;
};
FrictionAngle EquivalentFrictionAngle(float phi, float C, float gamma1, float H);

// Step 3: Ka = tan²(45° − φ/2).
double RankineCoefficient(float phiUsed);

// Step 4: the surcharge as a soil layer h0 = q/γ1 (single), and the depth of
// the water table below the top zw = H − h1 (single; exactly 0 becomes 0.001
// so that the upper part of the pressure diagram keeps a height).
float SurchargeHeight(float q, float gamma1);
double WaterTableDepth(float H, float h1);

// Step 5: the earth thrust for a pressure coefficient K on a vertical plane
// of height H, the surcharge acting as a soil layer h0 thick. Without
// groundwater (h1 = 0) the diagram is one trapezoid e_t..e_b; with it, an
// upper trapezoid e_t..e_w over zw and a lower one e_w..e_b over h1 (buoyant
// weight below the water table; the pore water is the back water thrust).
struct EarthThrust {
  bool ok = false;
  bool layered = false;  // h1 > 0: two parts
  double et = 0, ew = 0, eb = 0;  // pressure ordinates (top, water table, bottom)
  double E1 = 0, y1 = 0;  // upper part (the whole diagram when not layered)
  double E2 = 0, y2 = 0;  // lower part
  double E = 0;   // total thrust
  double ME = 0;  // its moment about the underside of the base
};
EarthThrust LayeredEarthThrust(double K, float H, float h1, double zw, float h0, float gamma1,
                               float gamma2);

// The moment about the toe tip of the thrust diagram of `t` acting on a back
// line whose distance from the toe tip at depth z below the top is x(z): each
// part of the diagram (the upper and lower trapezoids of a layered one, or
// the single one over H) times x at the depth of its centroid. A Coulomb row
// multiplies it by the sine of the thrust's angle to get the moment of Ev.
template <class BackLine>
double ThrustDiagramMoment(const EarthThrust& t, double H, double zw, double h1, BackLine x) {
  double m = 0;
  if (t.layered) {
    m += t.et * zw * x(zw / 2.0);
    m += (t.ew - t.et) * zw / 2.0 * x(2.0 * zw / 3.0);
    m += t.ew * h1 * x(zw + h1 / 2.0);
    m += (t.eb - t.ew) * h1 / 2.0 * x(zw + 2.0 * h1 / 3.0);
  } else {
    m += t.et * H * x(H / 2.0);
    m += (t.eb - t.et) * H / 2.0 * x(2.0 * H / 3.0);
  }
  return m;
}

// Step 6: water thrusts. The back water thrust overturns; the front water
// thrust resists, by the water-stop choice: without a stop the whole depth h2,
// with one only the water above the stop height d, and none while no choice
// has been made.
struct WaterThrust {
  double P = 0;  // thrust
  double M = 0;  // moment about the underside of the base
};
WaterThrust BackWaterThrust(float h1);
WaterThrust FrontWaterThrust(float h2, float d, float waterStopMode);

// Step 7: uplift on the base of width B. With a water stop a uniform head h1;
// otherwise (no stop, or no choice made) a head varying linearly from h2 at
// the toe tip to h1 at the heel end. The moment is about the toe tip.
struct Uplift {
  float U = 0.0f;
  double MU = 0;
};
Uplift UpliftForce(float B, float h1, float h2, float waterStopMode);

// Step 8: the loads of one earth-pressure row and the stability about the toe.
struct StabilityLoads {
  double B = 0;
  double f = 0;
  double Wwall = 0, Mwall = 0;
  double Wsoil = 0, Msoil = 0;    // for a Coulomb row: Ev and its moment
  double Wwback = 0, Mwback = 0;  // water in the backfill
  double Wtoe = 0, Mtoe = 0;      // water on the toe
  double U = 0, MU = 0;
  double Eh = 0, MEh = 0;         // horizontal earth thrust and its moment
  double Pw1 = 0, MPw1 = 0;
  double Pw2 = 0, MPw2 = 0;
};
struct Stability {
  bool ok = false;
  std::string message;
  double sumV = 0;  // ΣV
  double Mr = 0;    // resisting moment
  double Mo = 0;    // overturning moment
  double e = 0;     // eccentricity, positive towards the toe
  double sf = 0;    // base pressure at the toe edge
  double sb = 0;    // base pressure at the heel edge
  double eta = 0;   // non-uniformity coefficient
  double Kc = 0;    // sliding safety factor
  double K0 = 0;    // overturning safety factor
};
// The uplift and the two water thrusts, as every wall takes them.
void SetWaterLoads(StabilityLoads& loads, const Uplift& uplift, const WaterThrust& back,
                   const WaterThrust& front);
// `row` names the row in the messages ("朗肯", "库伦").
Stability StabilityAboutToe(const StabilityLoads& loads, const std::string& row);

}  // namespace ketrova
