#include "basin.h"

#include "numbers.h"

#include <array>
#include <cmath>

namespace mirkelt {

using shell::sgl;

namespace {

constexpr double TwoG = 19.62;
constexpr double SqrtTwoG = 4.43;   // √19.62 as the sill weir formula writes it
constexpr double PhiSqrtTwoG = 4.208;  // 0.95·√19.62
constexpr double SillM = 0.42;      // discharge coefficient of the sill weir

struct SubmergenceRow {
  float s;
  float sigma;
};

// Submergence coefficients of the sill weir against the ratio of the depth
// over the sill downstream to the total head over it.
constexpr std::array<SubmergenceRow, 19> SubmergenceTable = {{
    {0.45f, 1.0f},  {0.50f, 0.99f},  {0.55f, 0.985f}, {0.60f, 0.975f}, {0.65f, 0.96f},
    {0.70f, 0.94f}, {0.72f, 0.93f},  {0.74f, 0.915f}, {0.76f, 0.90f},  {0.78f, 0.885f},
    {0.80f, 0.865f}, {0.82f, 0.845f}, {0.84f, 0.815f}, {0.86f, 0.785f}, {0.88f, 0.75f},
    {0.90f, 0.71f}, {0.92f, 0.651f}, {0.95f, 0.535f}, {1.0f, 0.0f},
}};

const char* const HeadTooLow =
    "收缩水深迭代无解（收缩水深不小于上游总能头 T，上游总能头不足以通过设计流量），未得出成果，请检查基本资料。";

BasinResults Failed(std::string message) {
  BasinResults r;
  r.ok = false;
  r.message = std::move(message);
  return r;
}

double Sq(double x) { return x * x; }

}  // namespace

std::string BasinTypeName(float basinType) {
  if (basinType == DeepenedBasin) return "深挖式消力池";
  if (basinType == SillBasin) return "消力槛式消力池";
  if (basinType == CombinedBasin) return "综合式消力池";
  return "";
}

bool LocalLossApplies(float hs, float P, float D) { return !(sgl(double(hs) - P) < D); }

float ToHundredths(double x) { return sgl(std::floor(x * 100.0 + 0.5) / 100.0); }

float CriticalDepth(float Q, float b) { return sgl(0.467 * std::pow(double(Q) / b, 2.0 / 3.0)); }

Regime FlowRegimeSelection(const BasinInputs& in, float hk) {
  const float outlet = sgl(double(in.hs) - in.P);
  if (!(outlet < in.D)) return Regime::SubmergedPressure;
  if (sgl(1.2 * in.D) >= in.H) {
    if (sgl(8.0 * in.H) > in.L) return Regime::FreeSurfaceShort;
    return outlet < hk ? Regime::FreeSurfaceLongLow : Regime::FreeSurfaceLongHigh;
  }
  if (in.H <= sgl(1.5 * in.D)) return Regime::SemiPressure;
  return Regime::NonSubmergedPressure;
}

float UpstreamTotalHead(const BasinInputs& in, float d) {
  const float q1 = sgl(double(in.Q) / in.n);
  const float hk = CriticalDepth(in.Q, in.B);
  const double B = in.B, D = in.D;
  auto velocityHead = [&](double depth) { return 1.05 * Sq(q1 / (depth * B)) / TwoG; };
  switch (FlowRegimeSelection(in, hk)) {
    case Regime::FreeSurfaceShort:
      return sgl(1.05 * Sq(in.V0) / TwoG + in.H + double(in.i) * in.L + in.P + d);
    case Regime::FreeSurfaceLongLow:
      return sgl(velocityHead(hk) + hk + in.P + d);
    case Regime::FreeSurfaceLongHigh: {
      const double outlet = double(in.hs) - in.P;
      return sgl(velocityHead(outlet) + outlet + in.P + d);
    }
    case Regime::SemiPressure:
      return sgl(velocityHead(0.74 * D) + 0.74 * D + in.P + d);
    case Regime::NonSubmergedPressure:
      return sgl(velocityHead(0.85 * D) + 0.85 * D + in.P + d);
    case Regime::SubmergedPressure: {
      const float R = sgl(B * D / (B + D) / 2.0);
      const float chezy = sgl(std::pow(double(R), 1.0 / 6.0) / 0.014);
      const double v = q1 / (D * B);
      return sgl(1.05 * Sq(in.V0) / TwoG + in.H + double(in.i) * in.L + in.P + d -
                 double(in.xi) * 1.05 * v * v / TwoG - 1.05 * v * v * in.L / (Sq(chezy) * R));
    }
  }
  return 0.0f;
}

float ContractedDepthIteration(float q1, float B, float T) {
  float hc = 0.0f;
  for (int k = 1; k <= 7 && hc < T; ++k)
    hc = ToHundredths(q1 / (double(B) * PhiSqrtTwoG * std::sqrt(double(T) - hc)));
  return hc;
}

float ConjugateDepthDiverging(float Q, float hc, float B1, float B2) {
  const double h = hc;
  return ToHundredths(h / 2.0 * (std::sqrt(1.0 + 0.815 * Sq(Q) / (Sq(B1) * h * h * h)) - 1.0) *
                      std::pow(double(B1) / B2, 0.25));
}

float SillSubmergence(float s) {
  if (s <= SubmergenceTable[0].s) return SubmergenceTable[0].sigma;
  for (std::size_t k = 1; k < SubmergenceTable.size(); ++k) {
    const SubmergenceRow& row = SubmergenceTable[k];
    if (s == row.s) return row.sigma;
    if (row.s > s) {
      const SubmergenceRow& before = SubmergenceTable[k - 1];
      return sgl(before.sigma + (double(s) - before.s) * (double(row.sigma) - before.sigma) /
                                    (double(row.s) - before.s));
    }
  }
  return 0.0f;  // s > 1 never comes here: the sill step stops at s ≥ 1
}

BasinResults StillingBasinCase(const BasinInputs& in, float basinType) {
  // A submerged pressure-flow culvert needs its local losses.
  if (sgl(double(in.hs) - in.P) > in.D && in.H > in.D && in.xi == 0.0f)
    return Failed("洞内为淹没压力流（hs - P > D 且 H > D），须输入局部损失系数 ξ；ξ 为 0 时不作计算。");
  if (BasinTypeName(basinType).empty())
    return Failed("尚未选取消力池型式：请在主窗口“计算情况选取表”中选取一种计算情况后再计算。");
  struct Positive {
    float value;
    const char* words;
  };
  for (const Positive& p : {Positive{in.Q, "设计流量 Q"}, Positive{in.n, "孔数 n"},
                            Positive{in.B, "洞宽 B"}, Positive{in.D, "洞高 D"},
                            Positive{in.B1, "池首端宽 B1"}, Positive{in.B2, "池末端宽 B2"}}) {
    if (!(p.value > 0.0f)) return Failed(std::string(p.words) + " 须大于 0，请改正后再计算。");
  }

  const bool sill = basinType == SillBasin;
  const bool deepened = basinType == DeepenedBasin;
  const float q1 = sgl(double(in.Q) / in.n);
  const double Q2 = Sq(in.Q);
  const double B2 = in.B2;

  BasinResults r;
  float d = 0.0f;      // basin depth used in T
  float dNew = 0.0f;   // newest basin depth d'
  bool reducedDepth = false;
  float C = 0.0f;
  float T = 0.0f, hc = 0.0f, h2 = 0.0f, hk2 = 0.0f;
  bool finished = false;  // a pass reached the results

  for (int pass = 1; pass <= MaxPasses && !finished; ++pass) {
    r.passes = pass;
    T = UpstreamTotalHead(in, d);
    if (!std::isfinite(T)) return Failed("上游总能头无法计算，请检查基本资料。");
    hc = ContractedDepthIteration(q1, in.B, T);
    if (!(hc > 0.0f))
      return Failed("上游总能头 T 不大于 0 或单宽流量过小，收缩水深为 0，无法计算跃后水深，请检查基本资料。");
    // A contracted depth that the iteration left at or above the total head
    // is no depth: the head of this pass cannot pass the discharge. The
    // conjugate and basin depths worked from it would be meaningless, and
    // so would every later pass that starts from them.
    if (!(hc < T)) return Failed(HeadTooLow);
    h2 = ConjugateDepthDiverging(in.Q, hc, in.B1, in.B2);
    if (!std::isfinite(h2)) return Failed("跃后水深无法计算，请检查基本资料。");

    if (sill && h2 < hc) {  // no jump to hold
      C = 0.0f;
      finished = true;
      break;
    }
    if (!(h2 > 0.0f)) return Failed("跃后水深计算为 0，无法计算消力池，请检查基本资料。");

    if (!sill && !reducedDepth) {
      hk2 = CriticalDepth(in.Q, in.B2);
      const float hx = in.hs > hk2 ? in.hs : hk2;
      const float dZ = sgl(Q2 / (TwoG * 0.95 * 0.95 * B2 * B2 * Sq(hx)) - Q2 / (TwoG * B2 * B2 * Sq(h2)));
      dNew = sgl(1.05 * h2 - hx - dZ);
      if (!std::isfinite(dNew)) return Failed("消力池深无法计算，请检查基本资料。");
      // No depth needed. A depth of exactly 0 ends here as well: the test of
      // agreement below would divide by it.
      if (!(dNew > 0.0f)) {
        dNew = 0.0f;
        C = 0.0f;
        finished = true;
        break;
      }
      if (sgl(std::fabs(1.0 - double(d) / dNew)) >= 0.01f) {
        d = dNew;
        continue;
      }
      if (deepened) {
        C = 0.0f;
        finished = true;
        break;
      }
      dNew = ToHundredths(dNew);
      if (dNew > 0.5f) {
        d = ToHundredths(0.65 * dNew);
        dNew = d;
        reducedDepth = true;
        continue;
      }
    }

    // The sill, with the basin depth dNew (0 for the sill basin).
    const float Hv = sgl(Q2 / (Sq(double(h2) * B2) * TwoG));
    float H1 = sgl(std::pow(in.Q / (B2 * SillM * SqrtTwoG), 2.0 / 3.0) - Hv);
    C = sgl(double(h2) - H1 - dNew);
    if (sgl(0.3 * dNew) > C) {
      if (sill) {
        C = 0.0f;
        finished = true;
        break;
      }
      if (!reducedDepth) {
        // A converged depth of 0.5 m or less whose sill comes out lower than
        // 0.3 of it: reducing the depth would only iterate back to the same
        // depth. Such a basin is a single deepened basin.
        C = 0.0f;
        r.note = "综合式消力池的计算池深不大于 0.5 m，且消力槛高小于 0.3 倍池深，按单一深挖式消力池计算（消力槛高取 0）。";
        finished = true;
        break;
      }
      const float reduced = ToHundredths(0.65 * dNew);
      if (reduced == dNew)
        return Failed("综合式消力池：池深减至 " + shell::SingleToText(dNew) +
                      " m 时消力槛高仍小于 0.3 倍池深，得不出综合式消力池，未得出成果（可改按深挖式消力池计算）。");
      d = reduced;
      dNew = d;
      continue;
    }
    bool drowned = false;
    for (int k = 0; k < 3; ++k) {
      const float s = sgl((double(in.hs) - C) / (double(H1) + Hv));
      if (!std::isfinite(s)) return Failed("消力槛淹没度无法计算，请检查基本资料。");
      if (s >= 1.0f) {
        drowned = true;
        break;
      }
      const float sigma = SillSubmergence(s);
      H1 = sgl(std::pow(in.Q / (sigma * B2 * SillM * SqrtTwoG), 2.0 / 3.0) - Hv);
      C = sgl(double(h2) - H1 - dNew);
    }
    if (drowned) {
      C = 0.0f;
    } else {
      C = ToHundredths(1.05 * h2 - H1 - dNew);
      if (C < 0.0f) C = 0.0f;
    }
    finished = true;
  }
  if (!finished)
    return Failed("消力池深迭代计算 " + std::to_string(MaxPasses) + " 次仍未收敛，未得出成果，请检查基本资料。");

  // Results.
  dNew = ToHundredths(dNew);
  r.T = T;
  r.hc = hc;
  r.h2 = h2;
  r.d = dNew;
  r.C = C;
  r.Lj = ToHundredths(6.9 * (double(h2) - hc));
  r.Lb = ToHundredths(0.75 * r.Lj);
  r.jump = !(h2 < hc);
  r.hk2 = hk2;
  r.criticalHint = deepened && in.hs < hk2;
  if (!shell::AllFinite({r.T, r.hc, r.h2, r.d, r.C, r.Lj, r.Lb, r.hk2}))
    return Failed("计算中出现无效运算，无法得出成果，请检查基本资料。");
  r.ok = true;
  return r;
}

}  // namespace mirkelt
