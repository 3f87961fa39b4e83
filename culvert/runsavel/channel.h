// Free-surface flow in a covered channel of rectangular section (a
// rectangular channel-culvert, clear width B, depth h) for a known
// discharge Q: the width, slope and depth searches of uniform flow by
// Manning's n, and the three calculation cases, each ending in the
// channel-culvert head-loss chain.
#pragma once

#include "headloss.h"

#include <string>

namespace runsavel {

// WidthSearch (h, i): the width that carries Q at depth h and slope i, found
// through the ratio β = h/B by twenty halvings over 0 < β < 3.
struct WidthResult {
  bool converged = false;  // |f - K| < K/500 was met
  double K = 0;            // h^(8/3)·√i/(n·Q)
  float beta = 0;          // h/B
  float f = 0;             // β·(1 + 2β)^(2/3)
  float B = 0;             // h/β rounded to 0.01 m
  int steps = 0;
};
WidthResult WidthSearch(float h, float i, float n, float Q);

// Qc = B·h·R^(2/3)·√i/n with R = B·h/(B + 2h), in single precision.
float ChannelCapacity(float B, float h, float i, float n);

// The boxes of a case window; each case reads what it needs.
struct ChannelInputs {
  float Q = 0;    // discharge (m³/s)
  float L = 0;    // culvert length (m)
  float h = 0;    // depth (m)                               cases 1, 2
  float B = 0;    // clear width (m)                         case 3
  float m = 0;    // reciprocal of the slope, i = 1/m        cases 1, 3
  float Z = 0;    // allowed total head loss (m)             case 2
  float n = 0;    // Manning roughness
  float V = 0;    // channel velocity (m/s)
  float xi1 = 0;  // inlet local loss coefficient
  float xi2 = 0;  // outlet local loss coefficient
};

struct ChannelResults {
  bool ok = false;
  std::string message;  // why nothing was computed
  std::string note;     // shown beside results that stand (case 2 short of its tolerance)
  double Z1 = 0;        // InletHeadLoss (m)
  float Z2 = 0;         // FrictionHeadLoss (m)
  double Z3 = 0;        // OutletRecovery (m)
  float Z = 0;          // total head loss Z2 + Zl (m)
  float B = 0;          // width (m), rounded to 0.01: given or found
  float h = 0;          // depth (m): given, or found and rounded to 0.01 in case 3
  float i = 0;          // slope: given (1/m) or found in case 2
  float slopeShown = 0; // case 2: the whole part of 1/i
  float v = 0;          // velocity in the culvert (m/s)
  int passes = 0;       // passes of the slope or depth search
  bool metTolerance = true;  // case 2: |hf + Zl - Z| < 0.002 was met
};

// Case 1: width and head losses from h and i.
ChannelResults ChannelWidthAndLossCase(const ChannelInputs& in);
// Case 2: width and slope from h and the allowed loss Z (SlopeSearch).
ChannelResults ChannelWidthAndSlopeCase(const ChannelInputs& in);
// Case 3: depth and head losses from B and i (DepthSearch).
ChannelResults ChannelDepthAndLossCase(const ChannelInputs& in);

}  // namespace runsavel
