// Stilling basins below a culvert outlet: a basin made by lowering the floor
// (deepened basin), by an end sill (sill basin), or by both (combined basin),
// all of rectangular section and diverging from the start width B1 to the
// end width B2.
//
// The computation runs in passes: the upstream total head T by the culvert's
// flow regime, the contracted depth hc at the basin entrance, the conjugate
// depth h'' of the diverging jump, then the basin depth (repeated until two
// successive depths agree within 1 %) and/or the sill height, and last the
// jump length and the length of the level basin. Stored quantities are
// singles; expressions are formed in double and stored as singles.
#pragma once

#include "project.h"

#include <string>

namespace mirkelt {

// BasinType values, set by the main window's case boxes (0 until one is
// clicked).
inline constexpr float DeepenedBasin = 1.0f;  // "深挖式消力池计算"
inline constexpr float SillBasin = 2.0f;      // "消力槛式消力池计算"
inline constexpr float CombinedBasin = 3.0f;  // "综合式消力池计算"

// The program-wide values of Mirkelt.
struct Module1 : shell::ProjectValues {
  float BasinType = 0.0f;
};

// The words naming a basin kind ("" for a value that names none).
std::string BasinTypeName(float basinType);

// The basic data of Form4, as read from its boxes.
struct BasinInputs {
  float Q = 0;   // discharge (m³/s)
  float H = 0;   // depth at the culvert inlet, from the inlet floor (m)
  float V0 = 0;  // approach velocity (m/s)
  float L = 0;   // culvert length (m)
  float D = 0;   // culvert height (m)
  float B = 0;   // width of one bore (m)
  float n = 0;   // number of bores
  float i = 0;   // culvert bed slope
  float P = 0;   // drop from the outlet floor to the downstream channel bed (m)
  float B1 = 0;  // basin width at its start (m)
  float B2 = 0;  // basin width at its end (m)
  float hs = 0;  // tailwater depth (m)
  float xi = 0;  // sum of the local loss coefficients ξ
};

// The local loss coefficient in force: only a submerged outlet
// (sgl(hs - P) ≥ D) keeps the typed ξ; any other outlet uses 0.
bool LocalLossApplies(float hs, float P, float D);

// Flow regimes of the culvert barrel as they set the upstream total head.
enum class Regime {
  FreeSurfaceShort,      // 1.2D ≥ H, 8H > L, hs - P < D
  FreeSurfaceLongLow,    // 1.2D ≥ H, 8H ≤ L, hs - P < D, hs - P < hk
  FreeSurfaceLongHigh,   // 1.2D ≥ H, 8H ≤ L, hs - P < D, hs - P ≥ hk
  SemiPressure,          // 1.2D < H ≤ 1.5D, hs - P < D
  NonSubmergedPressure,  // H > 1.5D, hs - P < D
  SubmergedPressure,     // hs - P ≥ D
};
Regime FlowRegimeSelection(const BasinInputs& in, float hk);

// Critical depth 0.467·(Q/b)^(2/3) of a rectangular section of width b.
float CriticalDepth(float Q, float b);

// Upstream total head T of one pass, with the basin depth d of that pass.
float UpstreamTotalHead(const BasinInputs& in, float d);

// The contracted depth: at most seven updates hc := q1/(B·4.208·√(T - hc)),
// each to 0.01, from hc = 0 and while hc < T.
float ContractedDepthIteration(float q1, float B, float T);

// The conjugate depth of the diverging basin, to 0.01.
float ConjugateDepthDiverging(float Q, float hc, float B1, float B2);

// Submergence coefficient σs of the sill weir for the submergence ratio s
// (s ≤ 0.45 gives 1; linear between the rows of the table otherwise).
float SillSubmergence(float s);

// Half-up rounding to 0.01, stored as a single.
float ToHundredths(double x);

// The bound on the passes of one computation; data that need more are
// reported as not converging.
inline constexpr int MaxPasses = 100;

struct BasinResults {
  bool ok = false;
  std::string message;  // why nothing was computed (Chinese, for the message line)
  std::string note;     // a remark on how the result was obtained ("" for none)
  float T = 0;          // upstream total head (m), of the last pass
  float hc = 0;         // contracted depth (m)
  float h2 = 0;         // conjugate depth h'' (m)
  float d = 0;          // basin depth (m)
  float C = 0;          // sill height (m)
  bool jump = true;     // false where h'' < hc: no jump, no jump length
  float Lj = 0;         // jump length (m)
  float Lb = 0;         // length of the level basin (m)
  bool criticalHint = false;  // deepened basin with tailwater below hk2
  float hk2 = 0;              // critical depth at the basin end (m)
  int passes = 0;             // passes run
};

// The whole computation of Form4 for the basin kind `basinType` (the
// program-wide BasinType). `in.xi` is the coefficient in force (after
// LocalLossApplies). A pass whose contracted depth does not stay below its
// total head T ends the computation there with no results: that head cannot
// pass the discharge.
BasinResults StillingBasinCase(const BasinInputs& in, float basinType);

}  // namespace mirkelt
