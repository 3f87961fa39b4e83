// Hydraulics of a single circular pipe running full under pressure between
// an upstream and a downstream channel (a pressure culvert or an inverted
// siphon): head loss, diameter or discharge.
#pragma once

#include "project.h"

#include <string>

namespace pillamor {

// Outlet conditions.
inline constexpr float FreeOutflow = 1.0f;      // "出口水流流入大气中"
inline constexpr float SubmergedOutlet = 2.0f;  // "管道出口淹没在水下"

// The program-wide values of Pillamor.
struct Module1 : shell::ProjectValues {
  float OutletCondition = 0.0f;  // 0 until an outlet option is clicked
  float XiOut = 0.0f;            // outlet loss coefficient ξout, kept from one computation to the next
};

// The data of one computation (the boxes of a case window). Each case reads
// the members it needs: case 1 Q and D, case 2 Q and Z, case 3 Z and D.
struct PipeInputs {
  float Q = 0;   // discharge (m³/s)
  float L = 0;   // pipe length (m)
  float D = 0;   // diameter (m)
  float Z = 0;   // head loss (m)
  float V1 = 0;  // upstream channel velocity (m/s)
  float V2 = 0;  // downstream channel velocity (m/s)
  float n = 0;   // Manning roughness of the barrel
  float xi1 = 0, xi2 = 0, xi3 = 0, xi4 = 0;  // trash rack, gate slots, inlet, bends
};

struct PipeResults {
  bool ok = false;
  std::string message;  // why nothing was computed
  double value = 0;     // the case's result: Z (case 1), D (case 2), Q (case 3)
  double mu = 0;        // discharge coefficient μ
  double Zo = 0;        // approach velocity head V1²/2g
  double Z1 = 0;        // friction loss
  double Z2 = 0;        // local losses
  float V = 0;          // velocity in the pipe
};

// The outlet state that carries over between computations of a run.
struct OutletState {
  float condition = 0.0f;  // OutletCondition
  float& xiOut;            // ξout, updated by the computation
};

// Case 1: total head loss Z from Q, D, L.
PipeResults PipeHeadLossCase(const PipeInputs& in, OutletState outlet);
// Case 2: diameter D from Q, Z, L (DiameterSearch).
PipeResults PipeDiameterCase(const PipeInputs& in, OutletState outlet);
// Case 3: discharge Q from Z, D, L (DischargeIteration).
PipeResults PipeDischargeCase(const PipeInputs& in, OutletState outlet);

// The message shown when no outlet option has been chosen.
std::string OutletMissingMessage();

}  // namespace pillamor
