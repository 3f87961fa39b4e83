// Stilling-basin data shared by the tests and the benchmark.
#pragma once

#include "basin.h"

namespace mirkelt {

// One bore 3 m x 2.5 m passing 28.8 m³/s (q = 9.6 m²/s), with a 0.4 m drop
// and no local loss: T = 1.05·1.1²/19.62 + 2.6 + 0.005·10 + 0.4 + d =
// 3.1148 + d by hand. Every contracted depth stays below its total head,
// but the basin depths of the passes cycle and never agree within 1 %, so
// the computation runs to its bound on the passes.
inline BasinInputs CyclingBasin() {
  BasinInputs in;
  in.Q = 28.8f;
  in.H = 2.6f;
  in.V0 = 1.1f;
  in.L = 10;
  in.D = 2.5f;
  in.B = 3;
  in.n = 1;
  in.i = 0.005f;
  in.P = 0.4f;
  in.B1 = 3;
  in.B2 = 3.5f;
  in.hs = 1.0f;
  in.xi = 0;
  return in;
}

}  // namespace mirkelt
