// The semi-gravity retaining wall: a plain-concrete stem whose back rises in
// three sloped steps (widths B1, B2, B3 at the bottoms of steps of heights
// H1, H2, H3, top width B0), on a base slab H4 thick with a toe of a
// constant-thickness part B4 and a thickening part B5 (H4 rising to H5 at the
// stem face) and a heel B6. The loads of wall, fill and water, the Rankine
// thrust, the uplift and the stability about the toe; then the four control
// sections of the stem, the heel and the toe root as plain concrete.
#pragma once

#include "earthpressure.h"

#include <array>
#include <string>

namespace ketrova {

// The typed data. The data window reads Text1..Text9, Text20..Text24,
// Text10..Text19 in this order.
struct SemiGravityInputs {
  float B = 0, B0 = 0, B1 = 0, B2 = 0, B3 = 0, B4 = 0, B5 = 0, B6 = 0;
  float H = 0, H1 = 0, H2 = 0, H3 = 0, H4 = 0, H5 = 0;
  float phi = 0, C = 0, f = 0, q = 0, h1 = 0, h2 = 0, d = 0;
  float gamma1 = 0, Rl = 0, gamma2 = 0;
};

// Where the water table lies behind the stem.
enum class StemWaterCase {
  Dry,    // h1 ≤ H4: no water in the fill above the base slab
  Step1,  // zw ≤ H1
  Step2,  // H1 < zw ≤ H1 + H2
  Step3,  // H1 + H2 < zw ≤ H1 + H2 + H3
};

// One control section of the wall as plain concrete.
struct ControlSection {
  double M = 0;         // bending moment, kN·m per metre
  double N = 0;         // axial compression, kN per metre (sections 1 and 2)
  bool hasN = false;
  float t = 0;          // thickness, m
  double sigma = 0;     // largest tensile stress, kN/m²
  bool hasK = false;    // false where σ = 0 leaves no factor
  double K = 0;         // 1.55·Rl/σ
};

// The Coulomb set kept in the results file beside the Rankine row (no window
// shows it): level fill, no wall friction, the mean slope of the stepped back.
struct CoulombSet {
  bool ok = false;
  double epsilon = 0;  // radians
  double K = 0;
  EarthThrust thrust;
  double Eh = 0, MEh = 0, Ev = 0, MEv = 0;
  Stability st;
};

struct SemiGravityResults {
  bool ok = false;
  std::string message;  // why nothing could be computed
  std::string warning;  // computed, with a remark (geometry, a factor not formed)

  FrictionAngle friction;
  float h0 = 0;
  double zw = 0;
  float a1 = 0, a2 = 0, a3 = 0;  // submerged widths of the three sloped steps
  StemWaterCase waterCase = StemWaterCase::Dry;
  double Wwall = 0, Mwall = 0;
  double Wsoil = 0, Msoil = 0;
  double Wwback = 0, Mwback = 0;
  double Wtoe = 0, Mtoe = 0;
  Uplift uplift;
  WaterThrust back, front;
  double Ka = 0;
  EarthThrust thrust;
  Stability st;
  CoulombSet coulomb;
  // The control sections: 1 stem at depth H1, 2 stem at depth H1 + H2,
  // 3 heel where back steps 2 and 3 meet, 4 toe root.
  std::array<ControlSection, 4> sections;
};

SemiGravityResults SemiGravityWallCase(const SemiGravityInputs& in, float waterStopMode);

}  // namespace ketrova
