#include "circular.h"

#include "numbers.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <vector>

namespace dorvesk {

using shell::sgl;

namespace {

constexpr double Pi = 3.1416;
constexpr double TwoPi = 6.2832;
constexpr double ThetaStart = 3.1416;
constexpr double ThetaStep = 0.0001;
constexpr double DiameterStep = 0.005;  // 5 mm, added in double to the single D or h

// The half-angles that the stepping visits, in order: 3.1416 - 0.0001,
// 3.1416 - 0.0002, ... each by one more subtraction, down to the last one
// above 0.
const std::vector<double>& ThetaSteps() {
  static const std::vector<double> steps = [] {
    std::vector<double> t;
    t.reserve(31416);
    double theta = ThetaStart;
    for (;;) {
      theta -= ThetaStep;
      if (!(theta > 0)) break;
      t.push_back(theta);
    }
    return t;
  }();
  return steps;
}

// The stepping's stop test: r·cos θ, rounded to single, is at least e.
bool ChordReached(float r, float e, double theta) { return sgl(r * std::cos(theta)) >= e; }

// The first stepped half-angle that passes the stop test, or NaN where none
// above 0 does (the depth lies outside 0..D). r·cos θ grows as θ falls on
// 0..π, so the test fails up to some step and passes from there on: bisect.
double HalfAngle(float r, float e) {
  const std::vector<double>& t = ThetaSteps();
  auto first = std::partition_point(t.begin(), t.end(),
                                    [&](double theta) { return !ChordReached(r, e, theta); });
  return first == t.end() ? std::nan("") : *first;
}

CircularResults Fail(std::string message) {
  CircularResults r;
  r.message = std::move(message);
  return r;
}

const char* const NotComputable =
    "计算中出现除以零或负数开方等无效运算，无法得出成果，请检查基本资料。";

// Checks of the values that every case divides by or takes the root of.
std::string CommonChecks(const CircularInputs& in) {
  if (!(in.Q > 0)) return "流量 Q 必须大于 0。";
  if (in.L < 0) return "洞身长 L 不能为负数。";
  if (!(in.n > 0)) return "洞身糙率 n 必须大于 0。";
  return {};
}

std::string SlopeCheck(const CircularInputs& in) {
  if (!(in.m > 0)) return "洞身纵坡 i = 1/m 中的 m 必须大于 0。";
  return {};
}

LossData Losses(const CircularInputs& in) { return LossData{in.Q, in.L, in.V, in.xi1, in.xi2}; }

// i = Q²/(A²·C²·R) of uniform flow.
float UniformSlope(float Q, const SegmentGeometry& g) {
  const double A = g.A, C = g.C;
  return sgl(static_cast<double>(Q) * Q / (A * A * C * C * g.R));
}

// Fill the loss chain into the results; a failure where anything shown is
// not a number.
CircularResults Finish(CircularResults r, const CircularInputs& in, float area, float m) {
  const HeadLosses hl = LossChain(Losses(in), area, FrictionHeadLoss(in.L, m));
  r.v = hl.v;
  r.Z1 = hl.Z1;
  r.Z2 = hl.Z2;
  r.Z3 = hl.Z3;
  r.Z = hl.Z;
  r.m = m;
  if (!shell::AllFinite({r.Z1, r.Z2, r.Z3, r.Z, r.h, r.D, r.m, r.v})) return Fail(NotComputable);
  r.ok = true;
  return r;
}

std::string Text(double x) { return shell::SingleToText(sgl(x)); }

}  // namespace

float SectionCapacity(const SegmentGeometry& g, float m) {
  return sgl(static_cast<double>(g.C) * g.A * std::sqrt(static_cast<double>(g.R) / m));
}

double HalfAngleByStepping(float r, float e) {
  double theta = ThetaStart;
  for (;;) {
    theta -= ThetaStep;
    if (!(theta > 0)) return std::nan("");
    if (ChordReached(r, e, theta)) return theta;
  }
}

SegmentGeometry CircularSegmentGeometry(float h, float D, float n) {
  SegmentGeometry g;
  g.r = sgl(D / 2.0);
  g.atLeastHalfFull = sgl(2.0 * h) >= D;
  g.e = g.atLeastHalfFull ? sgl(static_cast<double>(h) - g.r) : sgl(static_cast<double>(g.r) - h);
  g.theta = HalfAngle(g.r, g.e);
  if (std::isnan(g.theta)) return g;
  const double r = g.r;
  const double th = g.theta;
  const double segment = (2.0 * th - std::sin(2.0 * th)) * r * r / 2.0;
  if (g.atLeastHalfFull) {
    g.A = sgl(Pi * r * r - segment);
    g.chi = TwoPi * r - 2.0 * r * th;
  } else {
    g.A = sgl(segment);
    g.chi = 2.0 * r * th;
  }
  g.R = sgl(g.A / g.chi);
  g.C = sgl(std::pow(static_cast<double>(g.R), 1.0 / 6.0) / n);
  g.ok = true;
  return g;
}

std::string PressureFlowHint() {
  return "提示： 管径偏小 、纵坡偏缓，管内为压力流，欲形成无压流态需加大管径或纵坡";
}

CircularResults CircularSlopeAndLossCase(const CircularInputs& in) {
  if (auto m = CommonChecks(in); !m.empty()) return Fail(m);
  if (!(in.h > 0)) return Fail("洞内水深 h 必须大于 0。");
  if (!(in.D > 0)) return Fail("洞径 D 必须大于 0。");
  if (in.h > in.D)
    return Fail("洞内水深 h 大于洞径 D，洞内不是无压流，无法按无压流计算纵坡及水头损失。");
  const SegmentGeometry g = CircularSegmentGeometry(in.h, in.D, in.n);
  if (!g.ok) return Fail(NotComputable);
  const float i = UniformSlope(in.Q, g);
  CircularResults r;
  r.h = in.h;
  r.D = in.D;
  return Finish(r, in, g.A, sgl(1.0 / i));
}

CircularResults CircularDiameterAndLossCase(const CircularInputs& in) {
  if (auto m = CommonChecks(in); !m.empty()) return Fail(m);
  if (auto m = SlopeCheck(in); !m.empty()) return Fail(m);
  if (!(in.h > 0)) return Fail("洞内水深 h 必须大于 0。");
  float D = in.h;
  for (int step = 1; step <= MaxSteps; ++step) {
    const float next = sgl(static_cast<double>(D) + DiameterStep);
    if (!(next > D)) return Fail("洞内水深 h 过大，洞径按 5 mm 递增已不能增加，无法计算。");
    D = next;
    const SegmentGeometry g = CircularSegmentGeometry(in.h, D, in.n);
    if (!g.ok) return Fail(NotComputable);
    const float Qc = SectionCapacity(g, in.m);
    if (!std::isfinite(Qc)) return Fail(NotComputable);
    if (Qc >= in.Q) {
      CircularResults r;
      r.h = in.h;
      r.D = D;
      r.steps = step;
      return Finish(r, in, g.A, in.m);
    }
  }
  return Fail("洞径已增至 " + Text(D) + " m 仍不能通过该流量，未给出成果；请加大洞内水深或纵坡。");
}

CircularResults CircularDiameterAndSlopeCase(const CircularInputs& in) {
  if (auto m = CommonChecks(in); !m.empty()) return Fail(m);
  if (!(in.h > 0)) return Fail("洞内水深 h 必须大于 0。");
  // As D grows, v falls toward 0 and the slope toward 0, so Z falls toward
  // -(ξ1 + ξ2)·V²/2g; an allowed loss at or below that is never reached.
  const double V = in.V;
  const double limit = -(static_cast<double>(in.xi1) + in.xi2) * V * V / TwoG;
  // The limit is shown in full: rounded to the 3 decimals of the result
  // boxes it could fall below the typed Z (−0.0197 against −0.01955 read
  // "不大于 -0.02") and the sentence would be false.
  if (!(in.Z > limit))
    return Fail("允许水头损失 Z 不大于 " + shell::DoubleToText(limit) +
                " m（洞径无限加大时总水头损失趋近的值 -(ξ1+ξ2)V²/19.62），任何洞径都达不到，未给出成果。");
  float D = in.h;
  for (int step = 1; step <= MaxSteps; ++step) {
    const float next = sgl(static_cast<double>(D) + DiameterStep);
    if (!(next > D)) return Fail("洞内水深 h 过大，洞径按 5 mm 递增已不能增加，无法计算。");
    D = next;
    const SegmentGeometry g = CircularSegmentGeometry(in.h, D, in.n);
    if (!g.ok) return Fail(NotComputable);
    const float i = UniformSlope(in.Q, g);
    const float m = sgl(1.0 / i);
    const HeadLosses hl = LossChain(Losses(in), g.A, FrictionHeadLoss(in.L, m));
    if (!std::isfinite(hl.Z)) return Fail(NotComputable);
    if (hl.Z <= in.Z) {
      CircularResults r;
      r.h = in.h;
      r.D = D;
      r.steps = step;
      return Finish(r, in, g.A, m);
    }
  }
  return Fail("洞径已增至 " + Text(D) + " m 总水头损失仍大于允许值，未给出成果；请加大允许水头损失。");
}

CircularResults CircularDepthAndLossCase(const CircularInputs& in) {
  if (auto m = CommonChecks(in); !m.empty()) return Fail(m);
  if (auto m = SlopeCheck(in); !m.empty()) return Fail(m);
  if (!(in.D > 0)) return Fail("洞径 D 必须大于 0。");
  float h = sgl(0.05 * in.D);
  for (int step = 1; step <= MaxSteps; ++step) {
    const float next = sgl(static_cast<double>(h) + DiameterStep);
    if (!(next > h)) return Fail("洞径 D 过大，水深按 5 mm 递增已不能增加，无法计算。");
    h = next;
    if (h >= in.D) {
      CircularResults r = Fail(PressureFlowHint());
      r.pressureFlow = true;
      r.steps = step;
      return r;
    }
    const SegmentGeometry g = CircularSegmentGeometry(h, in.D, in.n);
    if (!g.ok) return Fail(NotComputable);
    const float Qc = SectionCapacity(g, in.m);
    if (!std::isfinite(Qc)) return Fail(NotComputable);
    if (Qc >= in.Q) {
      CircularResults r;
      r.h = h;
      r.D = in.D;
      r.steps = step;
      return Finish(r, in, g.A, in.m);
    }
  }
  return Fail("水深试算已达 " + std::to_string(MaxSteps) + " 步（洞径过大）仍未求得水深，未给出成果。");
}

}  // namespace dorvesk
