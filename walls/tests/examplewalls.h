// The example walls that the tests and the benchmark start from: consistent
// sections with dry fill, no cohesion and no water in front, which a test
// changes where its case needs other data.
#pragma once

#include "gravitywall.h"
#include "semigravity.h"
#include "sluicewall.h"

namespace ketrova {

// B = B2 + B1 + B3 = 0.8 + 2.0 + 1.2 = 4.0, H = H1 + H2 + H3 = 1.0 + 3.5 + 0.5 = 5.0.
inline GravityWallInputs ExampleGravityWall() {
  GravityWallInputs in;
  in.B = 4.0f;
  in.B0 = 0.6f;
  in.B1 = 2.0f;
  in.B2 = 0.8f;
  in.B3 = 1.2f;
  in.H = 5.0f;
  in.H1 = 1.0f;
  in.H2 = 3.5f;
  in.H3 = 0.5f;
  in.phi = 30.0f;
  in.C = 0.0f;
  in.f = 0.45f;
  in.beta = 0.0f;
  in.h1 = 0.0f;
  in.h2 = 0.0f;
  in.q = 10.0f;
  in.gamma1 = 18.0f;
  in.delta = 15.0f;
  in.gamma2 = 10.0f;
  in.gammaBase = 24.0f;
  in.gammaWall = 22.0f;
  in.d = 0.0f;
  return in;
}

// B = B4 + B5 + B3 + B6 = 0.6 + 0.4 + 2.2 + 1.3 = 4.5, H = H1 + H2 + H3 + H4 = 2 + 2 + 1.5 + 0.5 = 6.
inline SemiGravityInputs ExampleSemiGravityWall() {
  SemiGravityInputs in;
  in.B = 4.5f;
  in.B0 = 0.5f;
  in.B1 = 0.9f;
  in.B2 = 1.5f;
  in.B3 = 2.2f;
  in.B4 = 0.6f;
  in.B5 = 0.4f;
  in.B6 = 1.3f;
  in.H = 6.0f;
  in.H1 = 2.0f;
  in.H2 = 2.0f;
  in.H3 = 1.5f;
  in.H4 = 0.5f;
  in.H5 = 0.9f;
  in.phi = 30.0f;
  in.C = 0.0f;
  in.f = 0.4f;
  in.q = 10.0f;
  in.h1 = 0.0f;
  in.h2 = 0.0f;
  in.d = 0.0f;
  in.gamma1 = 18.0f;
  in.Rl = 1100.0f;
  in.gamma2 = 10.0f;
  return in;
}

// A sluice wall 6 m high, sloped over its lower 4.5 m, 2 m of water in front.
inline SluiceWallInputs ExampleSluiceWall(float h1) {
  SluiceWallInputs in;
  in.B0 = 0.4f;
  in.B1 = 0.8f;
  in.H1 = 1.5f;
  in.H2 = 4.5f;
  in.phi = 30.0f;
  in.C = 0.0f;
  in.h1 = h1;
  in.h2 = 2.0f;
  in.gamma1 = 18.0f;
  in.gamma2 = 10.0f;
  in.Rw = 1100.0f;
  in.Rf = 130.0f;
  in.Rg = 31000.0f;
  in.K = 1.6f;
  return in;
}

}  // namespace ketrova
