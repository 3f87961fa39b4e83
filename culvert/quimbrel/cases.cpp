#include "cases.h"

#include <cmath>

#include "freesurface.h"
#include "numbers.h"

namespace quimbrel {

namespace {

inline float sgl(double x) { return static_cast<float>(x); }

template <class Results>
Results Failure(std::string message) {
  Results r;
  r.ok = false;
  r.message = std::move(message);
  return r;
}

}  // namespace

namespace messages {
std::string MustBePositive(const std::string& quantity) { return quantity + "必须大于 0"; }
const char* const kNoRegime = "洞高 D 必须大于 0，无法判别流态";
const char* const kWeirDrowned =
    "洞进口内水深 hs 不小于进口总水头 H0，无压流（宽顶堰）公式不适用";
const char* const kNegativeSlope = "洞身比降 i 为负值，长洞正常水深及水面曲线无法计算";
const char* const kNormalDepthNotConverged =
    "正常水深试算未收敛（正常水深不在 0～100 m 之间或达不到精度）";
const char* const kWidthNotConverged =
    "洞宽试算未收敛：洞宽增加 30 m 后堰的过流量仍未超过设计流量";
const char* const kWidthStalled =
    "洞宽试算未收敛：洞宽过大，每次增加 0.001 m 在单精度下已不再变化";
const char* const kNoProfile = "长洞水面曲线无解（出口水深与正常水深、临界水深的组合不适用）";
const char* const kLossSumNotPositive = "局部损失系数之和不大于 0，流量系数无法计算";
const char* const kPressureHeadNotPositive = "作用水头不大于 0，压力流公式不适用";
const char* const kSemiPressureHeadNotPositive =
    "作用水头 i·L + H0 − β1·D 不大于 0，半压力流公式不适用";
const char* const kNoResult = "计算中出现无效数值，无计算成果";
}  // namespace messages

// ---- Regime choice --------------------------------------------------------

std::vector<int> RegimeTestsHolding(float H, float h, float D) {
  const float d12 = sgl(1.2 * D);
  const float d15 = sgl(1.5 * D);
  std::vector<int> tests;
  if (H <= d12 && h < D) tests.push_back(1);
  if (H <= d12 && h >= D) tests.push_back(2);
  if (d12 < H && H <= d15 && h < D) tests.push_back(3);
  if (d12 < H && H <= d15 && h >= D) tests.push_back(4);
  if (H > d15) tests.push_back(5);
  return tests;
}

CaseWindow WindowOfRegimeTest(int test) {
  switch (test) {
    case 1: return CaseWindow::FreeSurface;
    case 3: return CaseWindow::SemiPressure;
    default: return CaseWindow::Pressure;
  }
}

RegimeChoice FlowRegimeSelection(float H, float h, float D) {
  RegimeChoice r;
  if (!(D > 0.0f)) {
    r.message = messages::kNoRegime;
    return r;
  }
  const std::vector<int> tests = RegimeTestsHolding(H, h, D);
  if (tests.size() != 1) {  // cannot happen for D > 0; kept as a guard
    r.message = messages::kNoRegime;
    return r;
  }
  r.ok = true;
  r.window = WindowOfRegimeTest(tests.front());
  return r;
}

// ---- Free-surface flow ----------------------------------------------------

FreeSurfaceResults FreeSurfaceFlowCase(const FreeSurfaceInputs& in) {
  using namespace freesurface;
  using R = FreeSurfaceResults;
  if (!(in.Q > 0.0f)) return Failure<R>(messages::MustBePositive("流量 Q "));
  if (!(in.L > 0.0f)) return Failure<R>(messages::MustBePositive("洞长 L "));
  if (!(in.H > 0.0f)) return Failure<R>(messages::MustBePositive("进口水深 H "));

  // sgl(8H) > L is short; 8H = L already counts as long.
  const bool longCulvert = !(sgl(8.0 * in.H) > in.L);
  if (longCulvert) {
    if (!(in.n > 0.0f)) return Failure<R>(messages::MustBePositive("洞身糙率 n "));
    if (in.i < 0.0f) return Failure<R>(messages::kNegativeSlope);
  }

  const float i = EffectiveSlope(in.i);
  const float hs0 = sgl(double(in.h) - double(i) * in.L);
  const FlooredDepth floored = TailwaterFloor(hs0, in.H);
  const float H0 = TotalHead(in.H, in.V, kShortCulvertHeadFactor);
  if (!WeirApplies(floored.hs, H0)) return Failure<R>(messages::kWeirDrowned);
  const float sigma = SubmergenceCoefficient(floored.hs, H0);
  const float B = WeirWidthFormula(in.Q, sigma, H0);
  const float q = sgl(double(in.Q) / B);
  const float hc = CriticalDepth(q, kWidthSearchCriticalFactor);
  if (!shell::AllFinite({B, sigma, hc}) || !(B > 0.0f)) return Failure<R>(messages::kNoResult);

  R r;
  r.ok = true;
  if (!longCulvert) {
    r.sigma = sigma;
    r.B = B;
    r.hs = hs0;
    if (floored.raised) {
      // The outlet depth lies below the critical depth: the depth inside the
      // inlet is about the critical depth.
      r.showCriticalDepth = true;
      r.hc = hc;
      r.hs = hc;
      r.floorNote = true;
    }
    return r;
  }

  // Long culvert: the width of the weir formula is the start of the search.
  WidthSearchData search;
  search.Q = in.Q;
  search.L = in.L;
  search.i = i;
  search.n = in.n;
  search.H = in.H;
  search.h = in.h;
  search.V = in.V;
  search.startWidth = B;
  const WidthSearchResult w = WeirWidthSearch(search);
  switch (w.failure) {
    case WidthSearchFailure::None: break;
    case WidthSearchFailure::NormalDepthNotConverged:
      return Failure<R>(messages::kNormalDepthNotConverged);
    case WidthSearchFailure::NoProfile: return Failure<R>(messages::kNoProfile);
    case WidthSearchFailure::WidthStalled: return Failure<R>(messages::kWidthStalled);
    case WidthSearchFailure::NotConverged: return Failure<R>(messages::kWidthNotConverged);
  }
  if (!shell::AllFinite({w.B, w.sigma, w.hsProfile}) || !std::isfinite(w.h0) || !std::isfinite(w.hc)) {
    return Failure<R>(messages::kNoResult);
  }
  r.longCulvert = true;
  r.hs = w.hsProfile;
  r.sigma = w.sigma;
  r.B = w.B;
  r.showNormalDepth = true;
  r.h0 = w.h0;
  r.showCriticalDepth = true;
  r.hc = w.hc;
  return r;
}

// ---- Pressure flow --------------------------------------------------------

std::string PressureIndex(float h, float D) { return h < D ? "2:" : "3:"; }

PressureResults PressureFlowCase(const PressureInputs& in) {
  using R = PressureResults;
  if (!(in.Q > 0.0f)) return Failure<R>(messages::MustBePositive("流量 Q "));
  if (!(in.D > 0.0f)) return Failure<R>(messages::MustBePositive("洞高 D "));
  if (!(in.L > 0.0f)) return Failure<R>(messages::MustBePositive("洞长 L "));
  if (!(in.n > 0.0f)) return Failure<R>(messages::MustBePositive("管身糙率 n "));
  if (!(in.H > 0.0f)) return Failure<R>(messages::MustBePositive("进口水深 H "));

  const float H0 = freesurface::TotalHead(in.H, in.V, freesurface::kLongCulvertHeadFactor);
  const float S0 = sgl(double(in.xi1) + 1.0 + in.xi2 + in.xi3 + in.xi4 + in.xi5);
  if (!(S0 > 0.0f)) return Failure<R>(messages::kLossSumNotPositive);
  const double fall = double(in.i) * in.L;
  // Free outlet: the head acts down to 0.85D; submerged: down to the tailwater.
  const float Z = in.h < in.D ? sgl(fall + H0 - 0.85 * in.D) : sgl(fall + H0 - in.h);
  if (!(Z > 0.0f)) return Failure<R>(messages::kPressureHeadNotPositive);

  const double rootZ = std::sqrt(double(Z));
  float m = sgl(1.0 / std::sqrt(double(S0)));
  float B = sgl(double(in.Q) / m / in.D / 4.4295 / rootZ);
  for (int pass = 1; pass <= 5; ++pass) {
    const float Rh = sgl(double(B) * in.D / (double(B) + in.D) / 2.0);
    if (!(Rh > 0.0f)) return Failure<R>(messages::kNoResult);
    const float C = sgl(std::pow(double(Rh), 1.0 / 6.0) / in.n);
    const float xif = sgl(19.62 * in.L / (double(C) * C * Rh));
    const double sum = double(in.xi1) + 1.0 + in.xi2 + in.xi3 + xif + in.xi4 + in.xi5;
    if (!(sum > 0.0)) return Failure<R>(messages::kLossSumNotPositive);
    m = sgl(1.0 / std::sqrt(sum));
    B = sgl(double(in.Q) / m / in.D / 4.4295 / rootZ);
  }
  if (!std::isfinite(m) || !std::isfinite(B)) return Failure<R>(messages::kNoResult);
  R r;
  r.ok = true;
  r.m = m;
  r.B = B;
  return r;
}

// ---- Semi-pressure flow ---------------------------------------------------

SemiPressureResults SemiPressureFlowCase(const SemiPressureInputs& in) {
  using R = SemiPressureResults;
  if (!(in.Q > 0.0f)) return Failure<R>(messages::MustBePositive("流量 Q "));
  if (!(in.D > 0.0f)) return Failure<R>(messages::MustBePositive("洞高 D "));
  if (!(in.L > 0.0f)) return Failure<R>(messages::MustBePositive("洞长 L "));
  if (!(in.H > 0.0f)) return Failure<R>(messages::MustBePositive("进口水深 H "));
  if (!(in.m1 > 0.0f)) return Failure<R>(messages::MustBePositive("流量系数 m1 "));

  const float H0 = freesurface::TotalHead(in.H, in.V, freesurface::kLongCulvertHeadFactor);
  const double head = double(in.i) * in.L + H0 - double(in.beta1) * in.D;
  if (!(head > 0.0)) return Failure<R>(messages::kSemiPressureHeadNotPositive);
  const float B = sgl(double(in.Q) / in.m1 / in.D / 4.4295 / std::sqrt(head));
  if (!std::isfinite(B)) return Failure<R>(messages::kNoResult);
  R r;
  r.ok = true;
  r.B = B;
  return r;
}

}  // namespace quimbrel
