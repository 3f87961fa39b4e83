// The gravity retaining wall: vertical front face, a back vertical over H1
// and sloping outward over H2, on a base slab H3 thick with a toe B2 in front
// and a heel B3 behind. Loads of wall, backfill and water, the earth thrust by
// Rankine's and by Coulomb's formula, the uplift, and for each of the two
// rows the base pressures, non-uniformity, sliding and overturning factors.
#pragma once

#include "earthpressure.h"

#include <string>

namespace ketrova {

// The typed data, in the order of the data window's boxes (Text1..Text22).
struct GravityWallInputs {
  float B = 0, B0 = 0, B1 = 0, B2 = 0, B3 = 0;
  float H = 0, H1 = 0, H2 = 0, H3 = 0;
  float phi = 0, C = 0, f = 0, beta = 0;
  float h1 = 0, h2 = 0, q = 0;
  float gamma1 = 0, delta = 0, gamma2 = 0;
  float gammaBase = 0, gammaWall = 0, d = 0;
};

// Which soil prism carries the backfill load (by the groundwater level h1).
enum class SoilPrismCase {
  Dry,             // h1 ≤ H3: no water in the fill (also a water table inside the base slab)
  SlopeCrossing,   // H3 < h1 ≤ H2 + H3: the water table crosses the sloped back
  AboveSlope,      // zw ≤ H1: the water table lies above the sloped back
};

// One earth-pressure row.
struct GravityRow {
  double K = 0;            // Ka or Ka_C
  EarthThrust thrust;      // along the line of action
  double Eh = 0, MEh = 0;  // horizontal thrust and its moment
  double Wsoil = 0, Msoil = 0;  // soil load (Rankine) or Ev (Coulomb) and its moment
  Stability st;
};

struct GravityWallResults {
  bool ok = false;
  std::string message;  // why nothing could be computed
  std::string warning;  // computed, but the geometry does not add up

  FrictionAngle friction;  // φd and φ used
  float h0 = 0;
  double zw = 0;
  float Wwall = 0;
  double Mwall = 0;
  double epsilon = 0;  // back inclination from the vertical, radians
  SoilPrismCase soilCase = SoilPrismCase::Dry;
  double Wwback = 0, Mwback = 0;
  float Wtoe = 0;
  double Mtoe = 0;
  Uplift uplift;
  WaterThrust back, front;
  GravityRow rankine;
  GravityRow coulomb;  // Wsoil/Msoil hold Ev and its moment
};

GravityWallResults GravityWallCase(const GravityWallInputs& in, float waterStopMode);

// The Coulomb active-pressure coefficient for a back inclined ε from the
// vertical, wall friction δ and fill slope β (all radians).
double CoulombCoefficient(double phi, double epsilon, double delta, double beta);

}  // namespace ketrova
