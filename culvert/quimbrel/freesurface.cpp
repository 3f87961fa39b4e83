#include "freesurface.h"

#include <cmath>

namespace freesurface {

namespace {

// x rounded to the nearest single: the value a stored quantity holds.
inline float sgl(double x) { return static_cast<float>(x); }

inline bool Finite(double x) { return std::isfinite(x); }

// The relative tolerance of the normal-depth and length tests: a single
// compared with the constant 0.001 (a double).
inline bool WithinTolerance(double ratio) {
  return static_cast<double>(sgl(std::fabs(1.0 - ratio))) < 0.001;
}

}  // namespace

float EffectiveSlope(float i) { return i == 0.0f ? kZeroSlope : i; }

float TotalHead(float H, float V, double velocityHeadFactor) {
  const double v = V;
  return sgl(H + velocityHeadFactor * (v * v) / kTwoG);
}

FlooredDepth TailwaterFloor(float hs, float H) {
  const float floor = sgl(0.72 * H);
  if (floor >= hs) return {floor, true};
  return {hs, false};
}

bool WeirApplies(float hs, double H0) { return hs > 0.0f && hs < H0; }

float SubmergenceCoefficient(float hs, double H0) {
  const double r = static_cast<double>(hs) / H0;
  return sgl(2.31 * r * std::pow(1.0 - r, 0.4));
}

float WeirWidthFormula(float Q, float sigma, float H0) {
  return sgl(static_cast<double>(Q) / sigma / 0.95 / 0.36 / 4.4295 / std::pow(double(H0), 1.5));
}

float WeirDischarge(float B, float sigma, double H0) {
  return sgl(static_cast<double>(B) * sigma * 0.95 * 0.36 * 4.4295 * std::pow(H0, 1.5));
}

float CriticalDepth(float q, double factor) {
  const double qq = q;
  return sgl(std::pow(factor * (qq * qq) / kG, 1.0 / 3.0));
}

NormalDepth NormalDepthSearch(float B, float Q, float i, float n, int maxPasses) {
  float h0 = 50.0f;
  float s = 50.0f;
  const double b = B;
  const double rootSlope = std::sqrt(double(i));
  for (int pass = 1; pass <= maxPasses; ++pass) {
    const double area = b * h0;
    const float Qn = sgl(area * std::pow(area / (b + 2.0 * h0), 2.0 / 3.0) * rootSlope / n);
    if (!Finite(Qn)) return {false, h0, pass};
    if (WithinTolerance(static_cast<double>(Qn) / Q)) return {true, h0, pass};
    s = sgl(s / 2.0);
    // The step is halved before it is applied; Qn = Q exactly moves up.
    h0 = Qn > Q ? sgl(double(h0) - s) : sgl(double(h0) + s);
  }
  return {false, h0, maxPasses};
}

ProfileParameters ProfileParametersFor(float B, float Q, float i, float n, float h, float h0,
                                       float hc) {
  ProfileParameters p;
  p.i = i;
  p.h0 = h0;
  const double b = B;
  p.hm = sgl((double(h0) + h) / 2.0);
  p.chi = sgl(2.0 * p.hm + b);
  const double radius = b * p.hm / p.chi;
  p.C = sgl(std::pow(radius, 1.0 / 6.0) / n);
  p.j = sgl(double(p.C) * p.C * (1.1 * i) * b / p.chi / 9.810001);
  p.eta1 = sgl(double(h) / h0);
  p.dh = h0 < hc ? sgl((double(hc) - h) / 23.0) : sgl((double(h0) - h) / 23.0);
  p.K0 = sgl(Q / std::sqrt(double(i)));
  p.Km = sgl(b * p.hm * std::pow(radius, 2.0 / 3.0) / n);
  p.x = sgl(2.0 * (std::log(double(p.Km)) - std::log(double(p.K0))) /
            (std::log(double(p.hm)) - std::log(double(h0))));
  return p;
}

bool ProfileUsable(const ProfileParameters& p) {
  for (float v : {p.i, p.h0, p.hm, p.chi, p.C, p.j, p.eta1, p.dh, p.K0, p.Km, p.x}) {
    if (!Finite(v)) return false;
  }
  return p.i > 0.0f && p.h0 > 0.0f && p.hm > 0.0f && p.K0 > 0.0f && p.Km > 0.0f &&
         p.eta1 != 1.0f;
}

float VariedFlowFunction(float y, float x, float eta1) {
  const double yy = y;
  float sum = 0.0f;
  if (eta1 > 1.0f) {
    for (int N = 1; N <= 30; ++N) {
      const double nx = N * double(x);
      sum = sgl(sum + std::pow(yy, 1.0 - nx) / (nx - 1.0));
    }
    return sum;
  }
  if (eta1 < 1.0f) {
    for (int N = 1; N <= 30; ++N) {
      const double nx = N * double(x);
      sum = sgl(sum + std::pow(yy, nx + 1.0) / (nx + 1.0));
    }
    return sgl(yy + sum);
  }
  return std::nanf("");  // η1 = 1: the function has no branch
}

float ProfileDistance(float eta, const ProfileParameters& p) {
  const float phiEta = VariedFlowFunction(eta, p.x, p.eta1);
  const float phiEta1 = VariedFlowFunction(p.eta1, p.x, p.eta1);
  const double term = (double(eta) - p.eta1) - (1.0 - p.j) * (double(phiEta) - phiEta1);
  return sgl(std::fabs(term) * p.h0 / p.i);
}

std::optional<float> LengthBisection(float depthK, float depthPrev, float distExceeded, float L,
                                     float inletDepth, const ProfileParameters& p) {
  const float d = sgl(std::fabs(double(depthK) - depthPrev));
  float dist = distExceeded;
  for (int m = 1; m <= 20; ++m) {
    const double step = std::ldexp(double(d), -m);  // d/2^m
    // The direction: too long a profile moves the depth up where the inlet
    // depth H lies above h0 and down where it lies below; too short the
    // other way; at equality nothing moves.
    int direction = 0;
    if (inletDepth > p.h0) {
      direction = dist > L ? 1 : (dist < L ? -1 : 0);
    } else if (inletDepth < p.h0) {
      direction = dist > L ? -1 : (dist < L ? 1 : 0);
    }
    depthK = sgl(double(depthK) + direction * step);
    const float eta = sgl(double(depthK) / p.h0);
    dist = ProfileDistance(eta, p);
    if (!Finite(dist)) return std::nullopt;
    if (WithinTolerance(double(dist) / L)) break;
  }
  return depthK;
}

std::optional<float> BakhmeteffProfile(float depth1, float L, float inletDepth,
                                       const ProfileParameters& p) {
  float previous = depth1;
  for (int k = 2; k <= 24; ++k) {
    const float depth = sgl(double(previous) + p.dh);
    const float eta = sgl(double(depth) / p.h0);
    const float dist = ProfileDistance(eta, p);
    if (!Finite(dist)) return std::nullopt;
    if (dist > L) return LengthBisection(depth, previous, dist, L, inletDepth, p);
    previous = depth;
  }
  return previous;  // depth[24]
}

LongCulvertProfile LongCulvertInletDepth(const LongCulvertData& d) {
  LongCulvertProfile r;
  const float q = sgl(double(d.Q) / d.B);
  r.hc = CriticalDepth(q, d.criticalFactor);
  // The profile starts at the larger of the outlet depth and hc.
  const float depth1 = d.h < r.hc ? r.hc : d.h;
  const NormalDepth normal = NormalDepthSearch(d.B, d.Q, d.i, d.n);
  r.h0 = normal.h0;
  if (!normal.converged) {
    r.failure = ProfileFailure::NormalDepthNotConverged;
    return r;
  }
  const ProfileParameters p = ProfileParametersFor(d.B, d.Q, d.i, d.n, d.h, r.h0, r.hc);
  if (!ProfileUsable(p)) {
    r.failure = ProfileFailure::NoProfile;
    return r;
  }
  const std::optional<float> hs = BakhmeteffProfile(depth1, d.L, d.inletDepth, p);
  if (!hs) {
    r.failure = ProfileFailure::NoProfile;
    return r;
  }
  r.hs = *hs;
  return r;
}

WidthSearchResult WeirWidthSearch(const WidthSearchData& d) {
  WidthSearchResult r;
  float B = d.startWidth;
  const float H0 = TotalHead(d.H, d.V, kLongCulvertHeadFactor);
  for (int pass = 1; pass <= d.maxPasses; ++pass) {
    r.passes = pass;
    const float grown = sgl(double(B) + 0.001);
    if (!(grown > B)) {
      r.failure = WidthSearchFailure::WidthStalled;
      r.B = B;
      return r;
    }
    B = grown;
    const LongCulvertProfile profile =
        LongCulvertInletDepth({B, d.Q, d.i, d.n, d.L, d.h, d.H, kWidthSearchCriticalFactor});
    r.B = B;
    r.hc = profile.hc;
    r.h0 = profile.h0;
    if (profile.failure == ProfileFailure::NormalDepthNotConverged) {
      r.failure = WidthSearchFailure::NormalDepthNotConverged;
      return r;
    }
    if (profile.failure != ProfileFailure::None) {
      r.failure = WidthSearchFailure::NoProfile;
      return r;
    }
    r.hsProfile = profile.hs;
    // The floor again (strictly below 0.72H raises; equal is the same value).
    const float hs = TailwaterFloor(profile.hs, d.H).hs;
    // A weir drowned to its total head passes nothing at this width (σ is 0
    // at hs = H0); the width grows on.
    const float sigma = WeirApplies(hs, H0) ? SubmergenceCoefficient(hs, H0) : 0.0f;
    const float Qw = WeirDischarge(B, sigma, H0);
    r.sigma = sigma;
    if (!Finite(Qw)) {
      r.failure = WidthSearchFailure::NoProfile;
      return r;
    }
    if (Qw > d.Q) return r;
  }
  r.failure = WidthSearchFailure::NotConverged;
  return r;
}

}  // namespace freesurface
