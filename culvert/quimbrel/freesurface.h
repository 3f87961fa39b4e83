// The free-surface method of a rectangular culvert barrel.
//
// The inlet is a broad-crested weir whose downstream depth is the depth hs
// just inside the inlet. In a short culvert hs follows from the outlet depth
// and the fall of the bed; in a long culvert it comes from the gradually
// varied water surface computed upstream from the outlet over the culvert
// length (Bakhmeteff's method). These steps are plain functions so that the
// width calculator (Quimbrel) and the stage-discharge calculator, which
// solves the same relations for the inlet depth, share one implementation.
//
// Number rules: every value that the method stores is a single (float); each
// formula is evaluated in double precision and rounded to single when it is
// stored. Comparisons written against sgl(...) compare that rounded value.
#pragma once

#include <optional>

namespace freesurface {

// 2g and g as the calculators use them.
inline constexpr double kTwoG = 19.62;
inline constexpr double kG = 9.81;

// Velocity-head factors: the short-culvert formula and the starting width use
// 1.1, the long-culvert passes of the width search use 1.05.
inline constexpr double kShortCulvertHeadFactor = 1.1;
inline constexpr double kLongCulvertHeadFactor = 1.05;

// Factor of q² in the critical depth: the width search uses 1.1, the
// stage-discharge relation none (1.0).
inline constexpr double kWidthSearchCriticalFactor = 1.1;

// Pass bounds. A real normal depth is found within some 30 halvings of the
// 50 m step; after about 150 the step is zero in single precision, so 200
// passes can only end a search that cannot converge. A real width search
// grows the starting width by a few metres in steps of 1 mm; 30 000 passes
// (30 m of growth, about a second at the slowest profiles) end only a search
// that cannot converge.
inline constexpr int kNormalDepthMaxPasses = 200;
inline constexpr int kWidthSearchMaxPasses = 30000;

// Slope used for a typed slope of exactly 0 (the data file keeps the 0).
inline constexpr float kZeroSlope = 0.00001f;
float EffectiveSlope(float i);

// Total head in front of the inlet: H plus factor·V²/2g.
float TotalHead(float H, float V, double velocityHeadFactor);

// The tailwater floor: the depth inside the inlet never falls below 0.72H.
// `raised` tells that sgl(0.72H) ≥ hs, i.e. the floor holds.
struct FlooredDepth {
  float hs;
  bool raised;
};
FlooredDepth TailwaterFloor(float hs, float H);

// True where the weir relations have a value: 0 < hs < H0. The total head is
// taken as a double: the width calculator stores it as a single, the
// stage-discharge relation keeps H + vh in double.
bool WeirApplies(float hs, double H0);

// σ = 2.31·(hs/H0)·(1 − hs/H0)^0.4, wholly in double, rounded once.
// Only meaningful where WeirApplies(hs, H0).
float SubmergenceCoefficient(float hs, double H0);

// B = Q / σ / 0.95 / 0.36 / 4.4295 / H0^1.5 (in this order).
float WeirWidthFormula(float Q, float sigma, float H0);

// Qw = B·σ·0.95·0.36·4.4295·H0^1.5 (in this order).
float WeirDischarge(float B, float sigma, double H0);

// hc = (factor·q²/9.81)^(1/3).
float CriticalDepth(float q, double factor);

// Uniform-flow depth in the rectangular barrel of width B by halving a step
// from 50 m: Manning's Qn = B·h0·(B·h0/(B + 2h0))^(2/3)·√i/n compared with Q
// to a relative 0.001. Reaches depths strictly between 0 and 100 m only.
struct NormalDepth {
  bool converged = false;
  float h0 = 0.0f;
  int passes = 0;
};
NormalDepth NormalDepthSearch(float B, float Q, float i, float n,
                              int maxPasses = kNormalDepthMaxPasses);

// The parameters of the varied-flow profile for one width.
struct ProfileParameters {
  float i = 0, h0 = 0;
  float hm = 0;    // (h0 + h)/2
  float chi = 0;   // wetted perimeter at hm
  float C = 0;     // Chézy coefficient at hm (Manning)
  float j = 0;     // kinetic parameter
  float eta1 = 0;  // h/h0 of the outlet depth h
  float dh = 0;    // depth step of the profile
  float K0 = 0, Km = 0;
  float x = 0;     // hydraulic exponent
};
// `h` is the outlet depth as given (also where the profile starts at hc).
ProfileParameters ProfileParametersFor(float B, float Q, float i, float n, float h, float h0,
                                       float hc);
// True where every parameter is finite and the profile has a value: the
// logarithms of the exponent were of positive numbers and η1 ≠ 1.
bool ProfileUsable(const ProfileParameters& p);

// Φ(y): 30 terms of the varied-flow function, branch chosen by η1:
// η1 > 1: Σ y^(1−Nx)/(Nx−1); η1 < 1: y + Σ y^(Nx+1)/(Nx+1).
float VariedFlowFunction(float y, float x, float eta1);

// Distance from the outlet to the section of relative depth η:
// |(η − η1) − (1 − j)·(Φ(η) − Φ(η1))|·h0/i.
float ProfileDistance(float eta, const ProfileParameters& p);

// Moves depthK until the profile length equals L (relative 0.001, at most
// 20 halvings of |depthK − depthPrev|). The direction of each correction
// follows the previous distance against L and `inletDepth` against h0.
// nullopt where a distance has no value.
std::optional<float> LengthBisection(float depthK, float depthPrev, float distExceeded, float L,
                                     float inletDepth, const ProfileParameters& p);

// Depth just inside the inlet: 23 steps of dh upstream from depth1; the first
// step beyond L is corrected by LengthBisection; depth[24] where none is.
// nullopt where a distance has no value.
std::optional<float> BakhmeteffProfile(float depth1, float L, float inletDepth,
                                       const ProfileParameters& p);

// The long-culvert inlet depth for one width: critical depth, start of the
// profile at the larger of h and hc, normal depth for discharge Q, profile.
struct LongCulvertData {
  float B = 0, Q = 0, i = 0, n = 0, L = 0;
  float h = 0;            // outlet depth
  float inletDepth = 0;   // the depth compared with h0 in the bisection
  double criticalFactor = kWidthSearchCriticalFactor;
};
enum class ProfileFailure { None, NormalDepthNotConverged, NoProfile };
struct LongCulvertProfile {
  ProfileFailure failure = ProfileFailure::None;
  float hc = 0, h0 = 0, hs = 0;
};
LongCulvertProfile LongCulvertInletDepth(const LongCulvertData& d);

// The width search of a long culvert: from `startWidth` the width grows by
// 1 mm a pass until the weir, downstream depth from the profile (floored at
// 0.72H) and head with the 1.05 factor, passes more than Q.
struct WidthSearchData {
  float Q = 0, L = 0, i = 0, n = 0, H = 0, h = 0, V = 0;
  float startWidth = 0;
  int maxPasses = kWidthSearchMaxPasses;
};
enum class WidthSearchFailure {
  None,
  NormalDepthNotConverged,  // the normal depth search met its bound
  NoProfile,                // the profile or the weir gave no value
  WidthStalled,             // B + 0.001 = B in single precision
  NotConverged,             // the pass bound was reached
};
struct WidthSearchResult {
  WidthSearchFailure failure = WidthSearchFailure::None;
  float B = 0;
  float hsProfile = 0;  // profile depth of the last pass, before the floor
  float sigma = 0, h0 = 0, hc = 0;
  int passes = 0;
};
WidthSearchResult WeirWidthSearch(const WidthSearchData& d);

}  // namespace freesurface
