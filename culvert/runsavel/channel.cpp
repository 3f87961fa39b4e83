#include "channel.h"

#include "numbers.h"

#include <cmath>

namespace runsavel {

using dorvesk::CombinedLocalLoss;
using dorvesk::FrictionHeadLoss;
using shell::sgl;

namespace {

constexpr double TwoThirds = 2.0 / 3.0;
constexpr int Halvings = 20;

// β·(1 + 2β)^(2/3) at β = 3, the largest value the width search can match:
// widths below h/3 lie outside it.
const double FAtBetaThree = 3.0 * std::pow(7.0, TwoThirds);

ChannelResults Fail(std::string message) {
  ChannelResults r;
  r.message = std::move(message);
  return r;
}

const char* const NotComputable =
    "计算中出现除以零或负数开方等无效运算，无法得出成果，请检查基本资料。";

std::string CommonChecks(const ChannelInputs& in) {
  if (!(in.Q > 0)) return "流量 Q 必须大于 0。";
  if (in.L < 0) return "洞身长 L 不能为负数。";
  if (!(in.n > 0)) return "槽身糙率 n 必须大于 0。";
  return {};
}

// Why a width search found no width: the width needed lies below h/3, or
// the channel would be so wide that twenty halvings of β do not resolve it
// to 0.2 % (this first happens at some 1500 depths, β below 6.6e-4, and
// always beyond some 350000).
std::string WidthOutOfRange(const WidthResult& w) {
  if (w.K > FAtBetaThree)
    return "所需洞身宽度小于洞内水深的 1/3，超出宽度计算范围（宽度须不小于 h/3），未给出成果；"
           "请加大洞内水深或减小纵坡。";
  return "所需洞身宽度超过洞内水深的一千倍以上，超出宽度计算范围，未给出成果；请检查基本资料。";
}

// v = Q/(B·h): the flow area B·h is not rounded to single on the way (the
// product of two singles is exact in double); only v is stored as a single.
float Velocity(float Q, float B, float h) {
  return sgl(static_cast<double>(Q) / (static_cast<double>(B) * h));
}

// The results of a section of width B and depth h with the friction share Z2.
ChannelResults Finish(ChannelResults r, const ChannelInputs& in, float Z2) {
  r.v = Velocity(in.Q, r.B, r.h);
  r.Z1 = dorvesk::InletHeadLoss(r.v, in.V, in.xi1);
  r.Z2 = Z2;
  r.Z3 = dorvesk::OutletRecovery(r.v, in.V, in.xi2);
  r.Z = sgl(static_cast<double>(Z2) + CombinedLocalLoss(r.v, in.V, in.xi1, in.xi2));
  if (!shell::AllFinite({r.Z1, r.Z2, r.Z3, r.Z, r.B, r.h, r.v, r.slopeShown}))
    return Fail(NotComputable);
  r.ok = true;
  return r;
}

}  // namespace

WidthResult WidthSearch(float h, float i, float n, float Q) {
  WidthResult w;
  w.K = std::pow(static_cast<double>(h), 8.0 / 3.0) * std::sqrt(static_cast<double>(i)) / n / Q;
  float beta = 0.0f;
  float f = 0.0f;
  float step = 3.0f;
  for (int k = 1; k <= Halvings; ++k) {
    step /= 2.0f;  // 3/2^k, exact
    if (f < w.K) beta = sgl(static_cast<double>(beta) + step);
    if (f > w.K) beta = sgl(static_cast<double>(beta) - step);
    f = sgl(beta * std::pow(1.0 + 2.0 * beta, TwoThirds));
    w.steps = k;
    if (std::fabs(f - w.K) < w.K / 500.0) {
      w.converged = true;
      break;
    }
  }
  w.beta = beta;
  w.f = f;
  // h/β to the nearest centimetre (h/β itself is not rounded to single first).
  w.B = sgl(std::floor(static_cast<double>(h) / beta * 100.0 + 0.5) / 100.0);
  return w;
}

float ChannelCapacity(float B, float h, float i, float n) {
  const double A = static_cast<double>(B) * h;  // exact in double
  const double R = sgl(A / (static_cast<double>(B) + 2.0 * h));
  return sgl(A * std::pow(R, TwoThirds) * std::sqrt(static_cast<double>(i)) / n);
}

ChannelResults ChannelWidthAndLossCase(const ChannelInputs& in) {
  if (auto m = CommonChecks(in); !m.empty()) return Fail(m);
  if (!(in.h > 0)) return Fail("洞内水深 h 必须大于 0。");
  if (!(in.m > 0)) return Fail("槽身比降 i = 1/m 中的 m 必须大于 0。");
  const float i = sgl(1.0 / in.m);
  const WidthResult w = WidthSearch(in.h, i, in.n, in.Q);
  if (!w.converged) return Fail(WidthOutOfRange(w));
  if (!(w.B > 0)) return Fail("算得的洞身宽度不足 0.005 m，取至 0.01 m 后为 0，未给出成果。");
  ChannelResults r;
  r.B = w.B;
  r.h = in.h;
  r.i = i;
  return Finish(r, in, FrictionHeadLoss(in.L, in.m));
}

ChannelResults ChannelWidthAndSlopeCase(const ChannelInputs& in) {
  if (auto m = CommonChecks(in); !m.empty()) return Fail(m);
  if (!(in.L > 0)) return Fail("洞身长 L 必须大于 0（纵坡 = 沿程水头损失 / 洞身长）。");
  if (!(in.h > 0)) return Fail("洞内水深 h 必须大于 0。");
  if (!(in.Z > 0)) return Fail("允许水头损失 Z 必须大于 0。");

  // Share the allowed loss between friction hf and the local term Zl: step
  // hf by Z/2^j, taking back a step that would overshoot, until the two add
  // up to Z within 2 mm.
  float hf = 0.0f;
  double Zl = 0.0;
  float i = 0.0f;
  WidthResult w;
  bool met = false;
  int passes = 0;
  float step = in.Z;
  for (int j = 1; j <= Halvings; ++j) {
    step /= 2.0f;  // Z/2^j
    if (hf + Zl < in.Z) hf = sgl(static_cast<double>(hf) + step);
    if (hf + Zl > in.Z) hf = sgl(static_cast<double>(hf) - step);
    i = sgl(static_cast<double>(hf) / in.L);
    if (!(i > 0)) return Fail(NotComputable);
    w = WidthSearch(in.h, i, in.n, in.Q);
    if (!(w.B > 0) || !std::isfinite(w.B)) return Fail(NotComputable);
    const float v = Velocity(in.Q, w.B, in.h);
    Zl = CombinedLocalLoss(v, in.V, in.xi1, in.xi2);
    hf = sgl(static_cast<double>(i) * in.L);
    passes = j;
    if (std::fabs(hf + Zl - in.Z) < 0.002) {
      met = true;
      break;
    }
  }
  // The width of the last pass must carry Q at its slope.
  if (!w.converged) return Fail(WidthOutOfRange(w));

  ChannelResults r;
  r.B = w.B;
  r.h = in.h;
  r.i = i;
  // The whole part of 1/i itself: 1/i is not rounded to single first, which
  // could lift a value just below a whole number onto it.
  r.slopeShown = static_cast<float>(std::floor(1.0 / static_cast<double>(i)));
  r.passes = passes;
  r.metTolerance = met;
  if (!met)
    r.note = "提示：试算 20 次后，沿程与局部水头损失之和与允许水头损失相差 " +
             shell::ResultText(std::fabs(hf + Zl - in.Z), 3) +
             " m（未达到 0.002 m 的精度），表中为最后一次试算的成果。";
  return Finish(r, in, hf);
}

ChannelResults ChannelDepthAndLossCase(const ChannelInputs& in) {
  if (auto m = CommonChecks(in); !m.empty()) return Fail(m);
  if (!(in.B > 0)) return Fail("洞身宽度 B 必须大于 0。");
  if (!(in.m > 0)) return Fail("槽身比降 i = 1/m 中的 m 必须大于 0。");
  const float i = sgl(1.0 / in.m);

  // Whole metres first: the first depth that carries more than Q.
  float h = 1.0f;
  float Qc = 0.0f;
  bool above = false;
  for (; h <= 10.0f; h += 1.0f) {
    Qc = ChannelCapacity(in.B, h, i, in.n);
    if (Qc > in.Q) {
      above = true;
      break;
    }
  }
  if (!above)
    return Fail("洞内水深超过 10 m（10 m 水深通过的流量为 " + shell::ResultText(Qc, 3) +
                " m³/s，小于设计流量），超出水深计算范围，未给出成果；请加大洞身宽度或纵坡。");

  // Then halve the step twenty times until the capacity meets Q within 0.05 %.
  bool met = false;
  int passes = 0;
  float step = 1.0f;
  for (int j = 1; j <= Halvings; ++j) {
    step /= 2.0f;
    h = Qc > in.Q ? sgl(static_cast<double>(h) - step) : sgl(static_cast<double>(h) + step);
    Qc = ChannelCapacity(in.B, h, i, in.n);
    passes = j;
    if (sgl(std::fabs(1.0 - static_cast<double>(in.Q) / Qc)) < sgl(0.0005)) {
      met = true;
      break;
    }
  }
  if (!met)
    return Fail("水深折半试算 20 次后仍未使流量相符（水深过小），未给出成果；请检查基本资料。");

  const float rounded = sgl(std::floor(static_cast<double>(h) * 100.0 + 0.5) / 100.0);
  if (!(rounded > 0)) return Fail("算得的洞内水深不足 0.005 m，取至 0.01 m 后为 0，未给出成果。");
  ChannelResults r;
  r.B = in.B;
  r.h = rounded;
  r.i = i;
  r.passes = passes;
  return Finish(r, in, FrictionHeadLoss(in.L, in.m));
}

}  // namespace runsavel
