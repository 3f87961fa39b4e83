#include "stagedischarge.h"

#include <cmath>

#include "freesurface.h"
#include "numbers.h"

namespace vostrane {

namespace {

using shell::sgl;

RowResult Failure(RowResult r, std::string message) {
  r.ok = false;
  r.message = std::move(message);
  return r;
}

// The trial inlet depth of one row: raised 1 mm a step, with the row's pass
// bound and a stop where single precision no longer lets it grow.
class Trial {
 public:
  explicit Trial(RowResult& r) : r_(r) {}

  float H = 0.0f;

  // Raise H by 0.001 m; false (and the reason in the row) where it cannot.
  bool Step() {
    if (r_.passes >= kRowMaxPasses) {
      r_.message = messages::kTrialNotConverged;
      return false;
    }
    const float next = sgl(double(H) + 0.001);
    if (!(next > H)) {
      r_.message = messages::kTrialStalled;
      return false;
    }
    H = next;
    ++r_.passes;
    return true;
  }

 private:
  RowResult& r_;
};

RowResult Accept(RowResult r, float H, Regime regime) {
  r.ok = true;
  r.message.clear();
  r.H = H;
  r.regime = regime;
  return r;
}

// The total head at the trial depth, H + vh, kept in double.
double TotalHead(float H, float vh) { return double(H) + double(vh); }

// The weir at the trial depth: Qw = B·σ·0.95·0.36·4.4295·H0^1.5 with
// H0 = H + vh. A weir whose downstream depth reaches its total head passes
// nothing at that depth (the trial goes on).
float WeirAt(const CulvertData& c, float hs, float H, float vh) {
  const double H0 = TotalHead(H, vh);
  if (!freesurface::WeirApplies(hs, H0)) return 0.0f;
  const float sigma = freesurface::SubmergenceCoefficient(hs, H0);
  return freesurface::WeirDischarge(c.B, sigma, H0);
}

// Q of a pressure or semi-pressure formula, coefficient·√head; a head that
// is not positive passes nothing (the trial goes on to the first depth whose
// discharge exceeds Q).
float RootDischarge(double coefficientProduct, double head) {
  if (!(head > 0.0)) return 0.0f;
  return sgl(coefficientProduct * std::sqrt(head));
}

}  // namespace

namespace messages {
const char* const kRowCount = "流量、水深计算组数 C 必须是 0～10 的整数";
std::string MustBePositive(const std::string& quantity) { return quantity + "必须大于 0"; }
const char* const kVelocityHeadOutOfRange =
    "行近流速 V 过大，流速水头 1.1V²/19.62 超出单精度数的范围，无法计算";
const char* const kNoStartDepth =
    "流量过小，临界水深取至 0.001 m 为 0，且 h − i·L 不大于 0：洞进口内水深 hs 不大于 0，"
    "无压流（宽顶堰）公式不适用";
const char* const kNegativeSlope = "洞身比降 i 为负值，长洞正常水深及水面曲线无法计算";
const char* const kNormalDepthNotConverged =
    "正常水深试算未收敛（正常水深不在 0～100 m 之间或达不到精度）";
const char* const kNoProfile = "长洞水面曲线无解（出口水深与正常水深、临界水深的组合不适用）";
const char* const kNoPressureCoefficient =
    "压力流流量系数无法计算（1 + ξf + ξ 不大于 0）";
const char* const kTrialNotConverged =
    "进口水深试算未收敛：试算水深升高 200 m 后过流量仍未超过该组流量";
const char* const kTrialStalled =
    "进口水深试算未收敛：进口水深过大，每次增加 0.001 m 在单精度下已不再变化";
std::string OfRow(int k, const std::string& message) {
  return "第 " + std::to_string(k) + " 组：" + message;
}
}  // namespace messages

PressureCoefficient PressureFlowCoefficient(const CulvertData& c) {
  PressureCoefficient p;
  p.R = sgl(double(c.B) * c.D / (double(c.B) + c.D) / 2.0);
  p.Cz = sgl(std::pow(double(p.R), 1.0 / 6.0) / c.n);
  p.xif = sgl(19.62 * c.L / (double(p.Cz) * p.Cz * p.R));
  const double sum = 1.0 + double(p.xif) + c.xi;
  p.mu = sgl(1.0 / std::sqrt(sum));
  p.ok = c.n > 0.0f && p.R > 0.0f && sum > 0.0 && shell::AllFinite({p.R, p.Cz, p.xif, p.mu});
  return p;
}

float ApproachVelocityHead(float V) {
  const double v = V;
  return sgl(1.1 * (v * v) / 19.62);
}

float StartDepth(float Q, float h, float B, float i, float L) {
  const float hk = sgl(shell::RoundTo(0.467 * std::pow(double(Q) / B, 2.0 / 3.0), 3));
  // The depth just inside the inlet never lies below the critical depth of
  // the flow: where the outlet depth less the fall of the bed does (a steep
  // barrel, an outlet depth only a little above hk, a free outfall with
  // h − i·L at or below 0), the inlet controls and the start is hk.
  const float fallen = sgl(double(h) - double(i) * L);
  return fallen >= hk ? fallen : hk;
}

RowResult RowProcedure(const CulvertData& c, const Row& row) {
  RowResult r;
  if (!(row.Q > 0.0f)) return Failure(r, messages::MustBePositive("流量 Q "));
  const float Q = row.Q, h = row.h;
  const float vh = ApproachVelocityHead(c.V);
  const float d12 = sgl(1.2 * c.D);
  const float d15 = sgl(1.5 * c.D);
  const double fall = double(c.i) * c.L;
  Trial t(r);

  enum class Next { Semi, Pressure, Submerged };
  Next next = Next::Submerged;

  if (!(h > c.D)) {
    // Free-surface start: the trial begins 1 mm above the start depth.
    r.hs = StartDepth(Q, h, c.B, c.i, c.L);
    t.H = sgl(double(r.hs) + 0.001);
    for (;;) {
      if (d12 < t.H && t.H <= d15) {
        next = Next::Semi;
        break;
      }
      if (t.H > d15) {
        next = Next::Pressure;
        break;
      }
      // A start depth at or below the inlet floor (only where hk rounds to 0
      // for a vanishing discharge and h − i·L is not above it) makes σ zero
      // or negative: the weir would never pass Q and the trial would climb
      // into the semi-pressure or pressure formulas, giving an inlet depth
      // that has nothing to do with this free-surface culvert.
      if (!(r.hs > 0.0f)) return Failure(r, messages::kNoStartDepth);
      if (WeirAt(c, r.hs, t.H, vh) > Q) {
        if (sgl(8.0 * t.H) > c.L) return Accept(r, t.H, Regime::ShortCulvert);

        // Long culvert: the depth inside the inlet from the profile, once;
        // then the weir alone decides, with neither the regime nor the
        // length tested again.
        if (c.i < 0.0f) return Failure(r, messages::kNegativeSlope);
        if (!(c.n > 0.0f)) return Failure(r, messages::MustBePositive("管身糙率 n "));
        freesurface::LongCulvertData d;
        d.B = c.B;
        d.Q = Q;
        d.i = c.i;
        d.n = c.n;
        d.L = c.L;
        d.h = h;
        d.inletDepth = t.H;
        d.criticalFactor = 1.0;
        const freesurface::LongCulvertProfile p = freesurface::LongCulvertInletDepth(d);
        if (p.failure == freesurface::ProfileFailure::NormalDepthNotConverged)
          return Failure(r, messages::kNormalDepthNotConverged);
        if (p.failure != freesurface::ProfileFailure::None || !(p.hs > 0.0f) ||
            !std::isfinite(p.hs))
          return Failure(r, messages::kNoProfile);
        r.hs = p.hs;
        for (;;) {
          if (!t.Step()) return r;
          if (WeirAt(c, r.hs, t.H, vh) > Q) return Accept(r, t.H, Regime::LongCulvert);
        }
      }
      if (!t.Step()) return r;
    }
  }

  if (next == Next::Semi) {
    // Semi-pressure flow from the current depth; the step comes first. Past
    // 1.5D the pressure flow takes over.
    const double coefficient = kSemiPressureM * c.B * c.D * 4.4295;
    for (;;) {
      if (!t.Step()) return r;
      if (t.H > d15) {
        next = Next::Pressure;
        break;
      }
      const double head = TotalHead(t.H, vh) - kSemiPressureBeta * c.D + fall;
      if (RootDischarge(coefficient, head) > Q) return Accept(r, t.H, Regime::SemiPressure);
    }
  }

  if (next == Next::Pressure && h >= c.D) next = Next::Submerged;

  // Pressure flow: the trial starts again at h + vh; the head holds the trial
  // depth itself, down to 0.85D (free outlet) or to the tailwater h.
  if (!(c.n > 0.0f)) return Failure(r, messages::MustBePositive("管身糙率 n "));
  const PressureCoefficient mu = PressureFlowCoefficient(c);
  if (!mu.ok) return Failure(r, messages::kNoPressureCoefficient);
  const double coefficient = double(c.B) * mu.mu * c.D * 4.4295;
  const bool submerged = next == Next::Submerged;
  t.H = sgl(double(h) + vh);
  for (;;) {
    if (!t.Step()) return r;
    const double head = submerged ? fall + t.H - h : fall + t.H - 0.85 * c.D;
    if (RootDischarge(coefficient, head) > Q)
      return Accept(r, t.H, submerged ? Regime::SubmergedPressure : Regime::NonSubmergedPressure);
  }
}

bool ValidRowCount(float C) {
  return C >= 0.0f && C <= static_cast<float>(kMaxRows) && std::floor(C) == C;
}

StageDischargeResults StageDischargeCase(const CulvertData& data, const std::vector<Row>& rows) {
  StageDischargeResults out;
  if (rows.size() > static_cast<std::size_t>(kMaxRows)) {
    out.message = messages::kRowCount;
    return out;
  }
  if (!(data.B > 0.0f)) {
    out.message = messages::MustBePositive("洞宽 B ");
    return out;
  }
  if (!(data.D > 0.0f)) {
    out.message = messages::MustBePositive("洞高 D ");
    return out;
  }
  if (!(data.L > 0.0f)) {
    out.message = messages::MustBePositive("洞长 L ");
    return out;
  }
  // A velocity head beyond the single range would turn every weir and
  // semi-pressure discharge into inf or nan, which the trial would take for
  // a passing discharge.
  if (!std::isfinite(ApproachVelocityHead(data.V))) {
    out.message = messages::kVelocityHeadOutOfRange;
    return out;
  }
  CulvertData c = data;
  c.i = freesurface::EffectiveSlope(data.i);
  out.ok = true;
  for (const Row& row : rows) out.rows.push_back(RowProcedure(c, row));
  return out;
}

}  // namespace vostrane
