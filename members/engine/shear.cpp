#include "shear.h"

#include "numbers.h"

#include <cmath>

namespace brasselt {

using shell::RoundTo;
using shell::sgl;

namespace {

constexpr double kPi = ChecksPi;
constexpr const char* kOutOfRange = ChecksOutOfRange;

ShearResult Failure(std::string message) { return FailedResult<ShearResult>(std::move(message)); }

bool KnownKind(float kind) {
  return kind == RectFlexural || kind == RectEccentricCompression || kind == RectEccentricTension ||
         kind == TSectionFlexural || kind == TSectionEccentricCompression;
}
bool IsFlexural(float kind) { return kind == RectFlexural || kind == TSectionFlexural; }
bool IsEccentricCompression(float kind) {
  return kind == RectEccentricCompression || kind == TSectionEccentricCompression;
}

// The outcome where the concrete alone carries the shear.
ShearResult ConcreteCarries(ShearResult r, float kind) {
  r.outcome = IsEccentricCompression(kind) ? ShearOutcome::ConstructionOnly : ShearOutcome::StirrupRules;
  return r;
}

// Results shared by both passes.
void FinishResults(ShearResult& r, const BentUpCarry& c) {
  r.outcome = ShearOutcome::Results;
  r.Vc = sgl(RoundTo(static_cast<double>(c.Vc) / 1000, 2));
  r.d = c.in.d;
  r.n = c.in.n;
  // The note that no bent-up bars are needed goes with a bent-up capacity of
  // nothing after rounding; a negative one (the chosen stirrups carry more
  // than the shear) shows as "----" without it.
  r.stirrupsAlone = r.Vsb == 0;
  r.rhoSvMin = c.choices.rhoSvMin;
  r.belowMinimumRatio = sgl(100.0 * c.rhoSv) < c.choices.rhoSvMin;
  if (r.belowMinimumRatio) r.rhoSvPercent = sgl(RoundTo(100.0 * c.rhoSv, 3));
}

}  // namespace

ShearMember ShearMemberOf(const MemberState& state) {
  ShearMember m;
  m.kind = state.MemberKind;
  m.flangeLayout = state.FlangeLayout;
  m.gammaD = state.handed.gammaD;
  m.a = state.handed.a;
  if (m.kind == TSectionFlexural) {
    m.hfc = state.handed.hfc;
    m.hft = state.handed.hft;
  } else if (m.kind == TSectionEccentricCompression) {
    m.hfc = state.handed.hfc;
  }
  return m;
}

float GammaDUsed(const ShearMember& m) { return m.gammaD == 0 ? 1.2f : m.gammaD; }
float CoverUsed(const ShearMember& m) { return m.a == 0 ? 5.0f : m.a; }

std::string MissingShearChoices(const ShearChoices& c) {
  std::string missing;
  if (c.rhoSvMin == 0) missing = "箍筋钢筋种类（Ⅰ级或Ⅱ级）";
  if (c.ShearLoadCase == 0) missing += std::string(missing.empty() ? "" : "及") + "荷载作用情况";
  if (missing.empty()) return {};
  return "请先选取" + missing + "，再点击“显示计算成果”（未计算）。";
}

bool SameShearData(const BentUpCarry& carry, const ShearInputs& in, const ShearMember& member,
                   const ShearChoices& choices) {
  return carry.pending && carry.in == in && carry.member == member &&
         carry.choices.rhoSvMin == choices.rhoSvMin && carry.choices.ShearLoadCase == choices.ShearLoadCase;
}

ShearResult ShearFirstPass(const ShearInputs& in, const ShearMember& member, const ShearChoices& choices,
                           BentUpCarry& carry) {
  carry = BentUpCarry{};
  const float kind = member.kind;
  if (!KnownKind(kind)) return Failure("未选取构件计算类型，请在主窗口中选取构件类型（未计算）。");
  if (std::string missing = MissingShearChoices(choices); !missing.empty()) return Failure(missing);
  if (!(in.b > 0)) return Failure("腹板宽度 b 应大于零，请改正后再计算（未计算）。");
  if (!(in.h0 > 0)) return Failure("截面有效高度 h0 应大于零，请改正后再计算（未计算）。");

  ShearResult r;
  const float V = sgl(1000.0 * in.V), N = sgl(1000.0 * in.N);
  r.gammaD = GammaDUsed(member);
  r.a = CoverUsed(member);
  r.h = sgl(static_cast<double>(r.a) + in.h0);
  const double gd = r.gammaD, b = in.b, h0 = in.h0, fc = in.fc, fyv = in.fyv;

  // Web height.
  r.hw = in.h0;
  if (kind == TSectionFlexural) {
    if (member.flangeLayout == FlangeInCompression) r.hw = sgl(h0 - member.hfc);
    if (member.flangeLayout == ISection)
      r.hw = sgl(static_cast<double>(r.h) - member.hft - member.hfc);
  } else if (kind == TSectionEccentricCompression) {
    r.hw = sgl(h0 - member.hfc);
  }

  // Shear span ratio and the concrete's capacity.
  r.lambda = 1.4f;
  if (choices.ShearLoadCase == ConcentratedLoad) {
    r.lambda = sgl(static_cast<double>(in.aLambda) / h0);
    if (sgl(1.4) > r.lambda)
      r.lambda = 1.4f;
    else if (r.lambda > 3)
      r.lambda = 3.0f;
  }
  if (IsFlexural(kind) && choices.ShearLoadCase == OtherLoads)
    r.VcN = sgl(0.07 * fc * b * h0 * 100);
  else
    r.VcN = sgl(0.2 * fc * b * h0 * 100 / (static_cast<double>(r.lambda) + 1.5));

  // Section limit.
  const double hwb = static_cast<double>(r.hw) / b;
  const float ratio = sgl(hwb);
  const double base = fc * b * h0 * 100 / gd;
  if ((ratio <= 4 && V > 0.25 * base) || (ratio >= 6 && V > 0.20 * base) ||
      (ratio >= 4 && ratio <= 6 && V > (0.25 - 0.025 * (hwb - 4)) * base)) {
    r.outcome = ShearOutcome::SectionTooSmall;
    return r;
  }

  // The axial force that an eccentric-compression member may count on,
  // capped at 0.3·fc·b·h.
  r.Nprime = N;
  if (IsEccentricCompression(kind)) {
    const float limit = sgl(0.3 * fc * 100 * b * r.h);
    if (limit < N) r.Nprime = limit;
  }

  // Whether stirrups are computed. For eccentric compression the test takes
  // the same quantities as the stirrup demand below, γd·V against Vc + 0.07·N'
  // with the capped N': a test on the uncapped force would call stirrups
  // unneeded where the demand needs them.
  const double Vc = r.VcN;
  bool computed;
  if (IsFlexural(kind))
    computed = V > Vc / gd;
  else if (kind == RectEccentricTension)
    computed = V + 0.2 * N > Vc / gd;
  else
    computed = gd * V > Vc + 0.07 * r.Nprime;
  if (!computed) return ConcreteCarries(r, kind);

  if (!(in.d > 0) || !(in.n > 0)) return Failure("箍筋直径及肢数应大于零，请改正后再计算（未计算）。");
  if (!(in.fyv > 0)) return Failure("箍筋强度设计值应大于零，请改正后再计算（未计算）。");
  r.Asv = sgl(in.n * kPi * std::pow(in.d / 10.0, 2) / 4);
  const double Asv = r.Asv;

  // Stirrup demand Asv/s (cm²/cm).
  if (IsFlexural(kind)) {
    r.demand = sgl((gd * V - Vc) / 1.25 / fyv / 100 / h0);
  } else if (IsEccentricCompression(kind)) {
    r.demand = sgl((gd * V - Vc - 0.07 * r.Nprime) / 1.25 / fyv / 100 / h0);
  } else if (sgl(0.2 * N) < r.VcN) {
    r.demand = sgl((gd * V - Vc + 0.2 * N) / 1.25 / fyv / 100 / h0);
  } else {
    r.demand = sgl(gd * V / 1.25 / fyv / 100 / h0);
  }
  // A demand of nothing (the axial force relieves the section) needs the
  // construction stirrups only.
  if (!(r.demand > 0)) return ConcreteCarries(r, kind);

  float s = sgl(Asv / r.demand);
  if (kind == RectEccentricTension && sgl(0.03 * fc * b * h0) > sgl(fyv * Asv * h0 / s))
    s = sgl(fyv * Asv * h0 / (0.03 * fc * b * h0));
  r.VsvN = sgl(1.25 * fyv * 100 * Asv * h0 / s);
  r.rhoSv = sgl(Asv / (b * s));
  if (sgl(100.0 * r.rhoSv) < choices.rhoSvMin) s = sgl(Asv / (b * choices.rhoSvMin) * 100);
  r.sRaw = s;
  s = sgl(RoundTo(s, 1));
  if (!shell::AllFinite({r.VcN, r.VsvN, r.rhoSv, s})) return Failure(kOutOfRange);

  BentUpCarry next;
  next.Vc = r.VcN;
  next.Asv = r.Asv;
  next.Nprime = r.Nprime;
  next.rhoSv = r.rhoSv;
  next.in = in;
  next.member = member;
  next.choices = choices;

  if (s < 10) {
    // Too close: bent-up bars with a chosen spacing in a second pass.
    next.pending = true;
    carry = next;
    r.outcome = ShearOutcome::BentUpPrompt;
    r.promptSpacing = s;
    return r;
  }
  // 10 cm and above: the stirrups alone.
  r.s = s;
  r.Vsv = sgl(RoundTo(static_cast<double>(r.VsvN) / 1000, 2));
  FinishResults(r, next);
  return r;
}

ShearResult ShearSecondPass(float sc, float angleDegrees, BentUpCarry& carry) {
  if (!carry.pending) return Failure("没有待计算的弯起钢筋，请重新计算（未计算）。");
  if (!(sc > 0)) return Failure("填入的箍筋间距应大于零，请改正后再计算（未计算）。");
  if (!(angleDegrees > 0 && angleDegrees < 180))
    return Failure("弯起筋与构件纵轴线的夹角应在 0 至 180 度之间，请改正后再计算（未计算）。");
  const ShearInputs& in = carry.in;
  if (!(in.fy > 0)) return Failure("弯起筋强度设计值应大于零，请改正后再计算（未计算）。");

  ShearResult r;
  r.secondPass = true;
  const float kind = carry.member.kind;
  const double V = sgl(1000.0 * in.V), N = sgl(1000.0 * in.N);
  const double gd = GammaDUsed(carry.member), h0 = in.h0, fyv = in.fyv, fy = in.fy;
  const double Vc = carry.Vc;
  const float alpha = sgl(angleDegrees * kPi / 180);
  const double sinA = std::sin(static_cast<double>(alpha));

  r.VsvN = sgl(1.25 * fyv * 100 * carry.Asv * h0 / sc);
  double rest = gd * V - Vc - r.VsvN;
  if (IsEccentricCompression(kind)) rest -= 0.07 * carry.Nprime;
  if (kind == RectEccentricTension) rest += 0.2 * N;
  const float Asb = sgl(rest / (fy * 100 * sinA));
  const float Vsb = sgl(fy * 100 * Asb * sinA);
  r.Asb = sgl(RoundTo(Asb, 2));
  r.Vsb = sgl(RoundTo(static_cast<double>(Vsb) / 1000, 2));
  r.Vsv = sgl(RoundTo(static_cast<double>(r.VsvN) / 1000, 2));
  r.s = sc;
  if (!shell::AllFinite({r.Asb, r.Vsb, r.Vsv})) return Failure(kOutOfRange);
  FinishResults(r, carry);
  carry = BentUpCarry{};
  return r;
}

}  // namespace brasselt
