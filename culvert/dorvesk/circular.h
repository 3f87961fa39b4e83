// Free-surface flow in a covered channel of circular section running part
// full (a circular channel-culvert), for a known discharge Q: the part-full
// geometry, uniform flow by Manning's n in Chézy's formula, and the four
// calculation cases, each ending in the head-loss chain.
#pragma once

#include "headloss.h"

#include <string>

namespace dorvesk {

// The part-full circle at depth h in a culvert of diameter D.
struct SegmentGeometry {
  bool ok = false;   // false where no half-angle exists (h outside 0..D)
  float r = 0;       // radius D/2
  float e = 0;       // distance of the water-surface chord from the centre
  double theta = 0;  // half-angle: of the dry segment when at least half full,
                     // of the wet segment otherwise
  bool atLeastHalfFull = false;
  float A = 0;       // flow area (m²)
  double chi = 0;    // wetted perimeter (m)
  float R = 0;       // hydraulic radius A/χ (m)
  float C = 0;       // Chézy coefficient R^(1/6)/n
};

// CircularSegmentGeometry: the half-angle is found by stepping θ down from
// 3.1416 in steps of 0.0001 until r·cos θ (rounded to single) reaches e; the
// stepping is done by bisection over the same steps, which gives the same
// half-angle in a few trials.
SegmentGeometry CircularSegmentGeometry(float h, float D, float n);

// The same half-angle search done step by step (for checking the bisection).
double HalfAngleByStepping(float r, float e);

// Qc = C·A·√(R/m): what the section carries in uniform flow at the slope 1/m.
float SectionCapacity(const SegmentGeometry& g, float m);

// The boxes of a case window; each case reads what it needs.
struct CircularInputs {
  float Q = 0;    // discharge (m³/s)
  float L = 0;    // culvert length (m)
  float h = 0;    // depth in the culvert (m)                  cases 1, 2, 3
  float D = 0;    // diameter (m)                              cases 1, 4
  float m = 0;    // reciprocal of the bed slope, i = 1/m      cases 2, 4
  float Z = 0;    // allowed total head loss (m)               case 3
  float n = 0;    // Manning roughness of the culvert
  float V = 0;    // channel velocity (m/s)
  float xi1 = 0;  // inlet local loss coefficient
  float xi2 = 0;  // outlet local loss coefficient
};

struct CircularResults {
  bool ok = false;
  std::string message;        // why nothing was computed
  bool pressureFlow = false;  // case 4: no depth below D carries Q (the PressureFlowHint)
  double Z1 = 0;              // InletHeadLoss (m)
  float Z2 = 0;               // FrictionHeadLoss (m)
  double Z3 = 0;              // OutletRecovery (m)
  float Z = 0;                // TotalHeadLoss (m)
  float h = 0;                // depth (m): given, or found in case 4
  float D = 0;                // diameter (m): given, or found in cases 2 and 3
  float m = 0;                // 1/i: given, or found in cases 1 and 3
  float v = 0;                // velocity in the culvert (m/s)
  int steps = 0;              // trials of a step search
};

// Case 1: bed slope and head losses from h and D.
CircularResults CircularSlopeAndLossCase(const CircularInputs& in);
// Case 2: diameter and head losses from h and i (DiameterStepSearch against Q).
CircularResults CircularDiameterAndLossCase(const CircularInputs& in);
// Case 3: diameter and slope from h and the allowed loss Z (DiameterStepSearch
// against the allowed loss).
CircularResults CircularDiameterAndSlopeCase(const CircularInputs& in);
// Case 4: depth and head losses from D and i (CircularDepthStepSearch).
CircularResults CircularDepthAndLossCase(const CircularInputs& in);

// The hint shown when the culvert cannot carry Q part full (case 4).
std::string PressureFlowHint();

// The most 5 mm steps a diameter or depth search takes (1000 m of growth).
inline constexpr int MaxSteps = 200000;

}  // namespace dorvesk
