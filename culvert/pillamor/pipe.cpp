#include "pipe.h"

#include "numbers.h"

#include <cmath>

namespace pillamor {

using shell::sgl;

namespace {

constexpr double TwoG = 19.62;
constexpr double Pi = 3.14159;
const double FrictionExponent = 4.0 / 3.0;

// The full-pipe section of one diameter and what follows from it.
struct Section {
  float R = 0;       // hydraulic radius D/4
  float A = 0;       // area
  float V = 0;       // velocity Q/A
  float sumXi = 0;   // Σξ including the outlet
  double mu = 0;     // discharge coefficient
};

float SumXi(const PipeInputs& in, float xiOut) {
  return sgl(static_cast<double>(in.xi1) + xiOut + in.xi2 + in.xi3 + in.xi4);
}

double Mu(const PipeInputs& in, float R, float sumXi) {
  const double n = in.n;
  return 1.0 / std::sqrt(TwoG * n * n * in.L / std::pow(R, FrictionExponent) + sumXi);
}

// PipeSection (D, Q): R, A, V; for a submerged outlet ξout from V; Σξ; μ.
Section PipeSection(const PipeInputs& in, float D, float Q, OutletState& outlet) {
  Section s;
  s.R = sgl(D / 4.0);
  s.A = sgl(Pi * D * D / 4.0);
  s.V = sgl(Q / static_cast<double>(s.A));
  if (outlet.condition == SubmergedOutlet) {
    const double r = 1.0 - in.V2 / static_cast<double>(s.V);
    outlet.xiOut = sgl(r * r);
  }
  s.sumXi = SumXi(in, outlet.xiOut);
  s.mu = Mu(in, s.R, s.sumXi);
  return s;
}

double ApproachHead(const PipeInputs& in) { return static_cast<double>(in.V1) * in.V1 / TwoG; }

// Total head Zg = Z + V1²/2g of cases 2 and 3.
float TotalHead(const PipeInputs& in) { return sgl(in.Z + ApproachHead(in)); }

const char* const NoTotalHead = "总水头（水头损失 Z 加上游流速水头）必须大于 0，无法开方。";

// The start of every computation: the outlet coefficient of a free outflow.
void StartOutlet(OutletState& outlet) {
  if (outlet.condition == FreeOutflow) outlet.xiOut = 1.0f;
}

PipeResults Fail(std::string message) {
  PipeResults r;
  r.ok = false;
  r.message = std::move(message);
  return r;
}

// Checks common to the cases; "" where the data can be computed.
std::string CommonChecks(const PipeInputs& in, const OutletState& outlet) {
  if (outlet.condition != FreeOutflow && outlet.condition != SubmergedOutlet)
    return OutletMissingMessage();
  if (in.n < 0) return "管身糙率 n 不能为负数。";
  if (in.L < 0) return "管长 L 不能为负数。";
  return std::string();
}

bool Finite(const PipeResults& r) {
  return shell::AllFinite({r.value, r.mu, r.Zo, r.Z1, r.Z2, static_cast<double>(r.V)});
}

const char* NotComputable =
    "计算中出现除以零或负数开方（流量系数公式根号内为负或为零），无法得出成果，请检查糙率、管长及局部损失系数。";

// The results of a case from its last section: the case's value, μ, V and
// the head-loss parts Zo, Z1, Z2; a failure where any is not a number.
PipeResults Results(const PipeInputs& in, double value, double mu, float R, float V, float sumXi) {
  PipeResults r;
  const double n = in.n;
  const double v = V;
  r.value = value;
  r.mu = mu;
  r.V = V;
  r.Zo = ApproachHead(in);
  r.Z1 = n * n * v * v * in.L / std::pow(R, FrictionExponent);
  r.Z2 = v * v * sumXi / TwoG;
  if (!Finite(r) || !(r.mu > 0)) return Fail(NotComputable);
  r.ok = true;
  return r;
}

PipeResults HeadLoss(const PipeInputs& in, OutletState outlet) {
  if (auto m = CommonChecks(in, outlet); !m.empty()) return Fail(m);
  StartOutlet(outlet);
  if (!(in.D > 0)) return Fail("管径 D 必须大于 0。");
  if (!(in.Q > 0)) return Fail("流量 Q 必须大于 0。");

  const Section s = PipeSection(in, in.D, in.Q, outlet);
  const double v = s.V;
  const float Zg = sgl(v * v / (s.mu * s.mu) / TwoG);
  return Results(in, Zg - ApproachHead(in), s.mu, s.R, s.V, s.sumXi);
}

PipeResults DiameterSearch(const PipeInputs& in, OutletState outlet) {
  if (auto m = CommonChecks(in, outlet); !m.empty()) return Fail(m);
  StartOutlet(outlet);
  if (!(in.Q > 0)) return Fail("流量 Q 必须大于 0。");
  const float Zg = TotalHead(in);
  if (!(Zg > 0)) return Fail(NoTotalHead);

  Section s;
  auto capacity = [&](float D) {
    s = PipeSection(in, D, in.Q, outlet);
    return sgl(s.mu * s.A * std::sqrt(TwoG * Zg));
  };

  // Scan whole metres up to 10 m for the first diameter that carries more
  // than Q; past 10 the search goes on from 11 with the capacity of 10.
  float D = 1.0f;
  float Qc = 0.0f;
  for (; D <= 10.0f; D += 1.0f) {
    Qc = capacity(D);
    if (!std::isfinite(Qc)) return Fail(NotComputable);
    if (Qc > in.Q) break;
  }

  // Halve the step twenty times, down when the pipe carries too much and up
  // otherwise, until the capacity meets Q within half a percent.
  bool met = false;
  double step = 1.0;
  for (int k = 1; k <= 20; ++k) {
    step /= 2.0;
    D = Qc > in.Q ? sgl(D - step) : sgl(D + step);
    Qc = capacity(D);
    if (!std::isfinite(Qc)) return Fail(NotComputable);
    if (sgl(std::fabs(1.0 - Qc / static_cast<double>(in.Q))) < sgl(0.005)) {
      met = true;
      break;
    }
  }
  // The search reaches diameters below 10 m and, after a scan that found
  // none, only those between 11 and 12 m (its first halving steps up from
  // 11 m): a pipe of 10 to about 11 m is beyond it as well as one above 12 m.
  if (!met)
    return Fail(
        "找不到能通过该流量的管径：逐米试算至 10 m 再折半 20 次后，流量仍未达到 0.5% 的精度"
        "（本程序的管径搜索只能求出小于 10 m 或在 11～12 m 之间的管径），未给出管径。");

  return Results(in, D, s.mu, s.R, s.V, s.sumXi);
}

PipeResults DischargeIteration(const PipeInputs& in, OutletState outlet) {
  if (auto m = CommonChecks(in, outlet); !m.empty()) return Fail(m);
  StartOutlet(outlet);
  if (!(in.D > 0)) return Fail("管径 D 必须大于 0。");
  const float Zg = TotalHead(in);
  if (!(Zg > 0)) return Fail(NoTotalHead);

  const float R = sgl(in.D / 4.0);
  const float A = sgl(Pi * in.D * in.D / 4.0);
  float Q = 0.0f;
  float V = 0.0f;
  float sumXi = 0.0f;
  double mu = 0.0;
  // Ten passes: from the second on, the velocity of the last discharge gives
  // the submerged outlet's coefficient.
  for (int k = 1; k <= 10; ++k) {
    if (k >= 2) {
      V = sgl(Q / static_cast<double>(A));
      if (outlet.condition == SubmergedOutlet) {
        const double ratio = 1.0 - in.V2 / static_cast<double>(V);
        outlet.xiOut = sgl(ratio * ratio);
      }
    }
    sumXi = SumXi(in, outlet.xiOut);
    mu = Mu(in, R, sumXi);
    Q = sgl(mu * A * std::sqrt(TwoG * Zg));
    if (!std::isfinite(Q)) return Fail(NotComputable);
  }

  return Results(in, Q, mu, R, V, sumXi);
}

// Run a case on a copy of the carried ξout and keep what it leaves only when
// the case gives results: a computation that fails (a message instead of
// results) leaves the next one of the run to start as if it had not been.
PipeResults Carried(PipeResults (*run)(const PipeInputs&, OutletState), const PipeInputs& in,
                    OutletState outlet) {
  float xiOut = outlet.xiOut;
  PipeResults r = run(in, OutletState{outlet.condition, xiOut});
  if (r.ok) outlet.xiOut = xiOut;
  return r;
}

}  // namespace

std::string OutletMissingMessage() {
  return "请先选择出口流态（“出口水流流入大气中”或“管道出口淹没在水下”），再点“显示计算成果”。";
}

PipeResults PipeHeadLossCase(const PipeInputs& in, OutletState outlet) {
  return Carried(HeadLoss, in, outlet);
}

PipeResults PipeDiameterCase(const PipeInputs& in, OutletState outlet) {
  return Carried(DiameterSearch, in, outlet);
}

PipeResults PipeDischargeCase(const PipeInputs& in, OutletState outlet) {
  return Carried(DischargeIteration, in, outlet);
}

}  // namespace pillamor
