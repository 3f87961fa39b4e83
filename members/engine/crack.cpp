#include "crack.h"

#include "numbers.h"

#include <cmath>

namespace brasselt {

using shell::RoundTo;
using shell::sgl;

namespace {

constexpr double kPi = ChecksPi;
constexpr const char* kOutOfRange = ChecksOutOfRange;

CrackResult Failure(std::string message) { return FailedResult<CrackResult>(std::move(message)); }

bool Finite(float x) { return std::isfinite(x); }

// Base value of the plasticity coefficient γm of the section shape.
double GammaMBase(const CrackInputs& in, const CrackMember& m) {
  if (m.kind == TSectionEccentricCompression) return 1.50;
  if (m.kind != TSectionFlexural) return 1.55;
  if (m.flangeLayout == FlangeInTension) {
    if (sgl(static_cast<double>(m.bft) / in.b) <= 2) return 1.50;
    return sgl(static_cast<double>(m.hft) / in.h) >= sgl(0.2) ? 1.55 : 1.40;
  }
  if (m.flangeLayout == ISection) {
    if (sgl(static_cast<double>(m.bfc) / in.b) <= 2) return 1.45;
    return sgl(static_cast<double>(m.hfc) / in.h) >= sgl(0.2) ? 1.40 : 1.30;
  }
  return 1.50;  // flange in the compression zone
}

bool IsEccentricCompression(float kind) {
  return kind == RectEccentricCompression || kind == TSectionEccentricCompression;
}
bool IsFlexural(float kind) { return kind == RectFlexural || kind == TSectionFlexural; }

}  // namespace

CrackMember CrackMemberOf(const MemberState& state) {
  CrackMember m;
  m.kind = state.MemberKind;
  m.flangeLayout = state.FlangeLayout;
  const HandedMemberValues& v = state.handed;
  if (m.kind == TSectionFlexural) {
    m.bfc = v.bfc;
    m.hfc = v.hfc;
    m.bft = v.bft;
    m.hft = v.hft;
  } else if (m.kind == TSectionEccentricCompression) {
    m.bfc = v.bfc;
    m.hfc = v.hfc;
  }
  if (IsEccentricCompression(m.kind)) m.l0 = v.l0;
  if (m.kind == RectEccentricTension) m.e = v.e;
  m.eccentricKind = v.eccentricKind;
  return m;
}

float AllowableCrackWidth(float environmentClass, float combination) {
  static const float table[4][2] = {{0.40f, 0.35f}, {0.30f, 0.25f}, {0.25f, 0.20f}, {0.15f, 0.10f}};
  int row = -1, col = -1;
  for (int i = 0; i < 4; ++i)
    if (environmentClass == static_cast<float>(i + 1)) row = i;
  if (combination == ShortTerm) col = 0;
  if (combination == LongTerm) col = 1;
  return row < 0 || col < 0 ? 0.0f : table[row][col];
}

std::string MissingCrackChoices(const CrackChoices& c) {
  std::string missing;
  auto add = [&missing](const char* what) {
    if (!missing.empty()) missing += "、";
    missing += what;
  };
  if (c.EnvironmentClass == 0) add("环境类别");
  if (c.LoadEffectCombination == 0) add("荷载效应组合（短期或长期）");
  if (c.alpha2 == 0) add("钢筋种类（变形或光面）");
  if (missing.empty()) return {};
  return "请先选取" + missing + "，再点击“显示计算成果”（未计算）。";
}

CrackResult CrackCheckCase(const CrackInputs& in, const CrackMember& member, const CrackChoices& choices) {
  const float kind = member.kind;
  if (!IsFlexural(kind) && !IsEccentricCompression(kind) && kind != RectEccentricTension)
    return Failure("未选取构件计算类型，请在主窗口中选取构件类型（未计算）。");
  if (std::string missing = MissingCrackChoices(choices); !missing.empty()) return Failure(missing);
  // l0 (compression) and e (tension) come from the member window's compute:
  // without a compute of this member kind they would be 0 or another
  // member's.
  if (!IsFlexural(kind) && member.eccentricKind != kind) {
    if (kind == RectEccentricTension)
      return Failure("尚无本构件的偏心受拉计算成果：轴向力至受拉钢筋的距离 e 取自“矩形截面偏心受压(拉)构件”窗口的计算，"
                     "请先在该窗口中计算本构件（未计算）。");
    if (kind == RectEccentricCompression)
      return Failure("尚无本构件的偏心受压计算成果：计算长度 l0 取自“矩形截面偏心受压(拉)构件”窗口的计算，"
                     "请先在该窗口中计算本构件（未计算）。");
    return Failure("尚无本构件的计算成果：计算长度 l0 取自“T 形截面偏心受压构件”窗口的计算，"
                   "请先在该窗口中计算本构件（未计算）。");
  }

  // Data that make the section or the stresses meaningless.
  if (!(in.b > 0)) return Failure("计算宽度 b 应大于零，请改正后再计算（未计算）。");
  if (!(in.h > 0)) return Failure("截面高度 h 应大于零，请改正后再计算（未计算）。");
  if (!(in.h - in.a > 0))
    return Failure("钢筋重心至截面边缘距离 a 应小于截面高度 h，请改正后再计算（未计算）。");
  if (!(in.Ec > 0) || !(in.Es > 0))
    return Failure("混凝土及钢筋的弹性模量应大于零，请改正后再计算（未计算）。");
  if (!IsFlexural(kind) && in.N == 0)
    return Failure("偏心受力构件的轴向力 N 不能为零，请改正后再计算（未计算）。");
  // A tension flange narrower than the web is no flange: its (bf − b)·hf
  // would take concrete out of the web and the section would have no shape.
  if (member.hft > 0 && member.bft < in.b)
    return Failure("受拉翼缘宽度 bf 不应小于腹板宽度 b（计算宽度），请在“T 形及工字形截面受弯构件”窗口中改正受拉翼缘尺寸或改正计算宽度后再计算（未计算）。");

  CrackResult r;
  const float h0 = sgl(static_cast<double>(in.h) - in.a);
  r.h0 = h0;
  r.alpha1 = kind == RectEccentricTension ? 1.15f : 1.0f;
  r.alpha2 = choices.alpha2;
  r.allowedW = AllowableCrackWidth(choices.EnvironmentClass, choices.LoadEffectCombination);
  const bool shortTerm = choices.LoadEffectCombination == ShortTerm;

  // Height factor and the plasticity coefficient.
  float hm = sgl(10.0 * in.h);
  if (hm > 3000) hm = 3000;
  r.alpha3 = shortTerm ? 1.5f : 1.6f;
  float k = sgl(300.0 / hm + 0.7);
  if (sgl(1.1) < k) k = sgl(1.1);
  r.k = k;
  r.gammaM = sgl(RoundTo(sgl(GammaMBase(in, member) * k), 3));

  const double b = in.b, h = in.h;
  if (!IsFlexural(kind)) r.e0 = sgl(static_cast<double>(in.M) / in.N * 100);
  r.alphaE = sgl(static_cast<double>(in.Es) / in.Ec);
  r.As = sgl(kPi * (static_cast<double>(in.d1) * in.d1 * in.n1 + static_cast<double>(in.d2) * in.d2 * in.n2) / 4);
  if (!(r.As > 0)) return Failure("受拉钢筋面积为零（直径或根数为零），请改正后再计算（未计算）。");

  // Gross section: yt from the tension edge, yc from the compression edge.
  const double bfc = member.bfc, hfc = member.hfc, bft = member.bft, hft = member.hft;
  r.A = sgl((bfc - b) * hfc + (bft - b) * hft + b * h);
  if (r.A == 0) return Failure("截面面积为零，请检查截面及翼缘尺寸（未计算）。");
  r.yt = sgl((b * h * h + (bft - b) * hft * hft + (2 * h - hfc) * (bfc - b) * hfc) / (2.0 * r.A));
  r.yc = sgl(h - r.yt);
  {
    const double yt = r.yt, yc = r.yc;
    r.Ic = sgl((bfc * yc * yc * yc + bft * yt * yt * yt - (bft - b) * std::pow(yt - hft, 3) -
                (bfc - b) * std::pow(yc - hfc, 3)) /
               3);
  }

  // Transformed section, the steel counted αE times.
  const double aE = r.alphaE, As = r.As, Asc = in.Asc, ac = in.ac;
  r.A0 = sgl(r.A + aE * As + aE * Asc);
  if (r.A0 == 0) return Failure("换算截面面积为零，请检查基本资料（未计算）。");
  const float y0 = sgl((static_cast<double>(r.yc) * r.A + h0 * aE * As + ac * aE * Asc) / r.A0);
  const float I0 = sgl(static_cast<double>(r.Ic) + r.A * std::pow(static_cast<double>(y0) - r.yc, 2) +
                       aE * As * std::pow(static_cast<double>(h0) - y0, 2) + aE * Asc * std::pow(y0 - ac, 2));
  if (!(h - y0 != 0)) return Failure("换算截面重心位于受拉边缘，无法计算弹性抵抗矩，请检查基本资料（未计算）。");
  const float W0 = sgl(static_cast<double>(I0) / (h - y0));
  r.y0 = sgl(RoundTo(y0, 1));
  r.I0 = sgl(std::floor(static_cast<double>(I0)));
  r.W0 = sgl(std::floor(static_cast<double>(W0)));
  if (!Finite(r.W0) || r.W0 == 0)
    return Failure("换算截面弹性抵抗矩为零或无效，请检查基本资料（未计算）。");

  // Edge tensile stress.
  const double gm = r.gammaM, W = r.W0, A0 = r.A0, e0 = r.e0, N = in.N, M = in.M;
  if (IsFlexural(kind))
    r.sigma = sgl(M * 100000 / (gm * W) / 100);
  else if (kind == RectEccentricTension)
    r.sigma = sgl(N * 1000 * (gm * W + A0 * e0) / (gm * A0 * W) / 100);
  else
    r.sigma = sgl(N * 1000 * (A0 * e0 - W) / (gm * A0 * W) / 100);

  r.alphaCt = shortTerm ? 0.85f : 0.70f;
  r.ftk = in.ftk;
  r.sigmaCt = sgl(RoundTo(static_cast<double>(r.alphaCt) * in.ftk, 3));

  // Steel.
  r.u = sgl(kPi * (static_cast<double>(in.n1) * in.d1 + static_cast<double>(in.n2) * in.d2));
  if (r.u == 0) return Failure("受拉钢筋周长为零，请检查钢筋直径及根数（未计算）。");
  r.deq = sgl(4.0 * r.As / r.u);
  const bool tensionFlange =
      kind == TSectionFlexural && (member.flangeLayout == FlangeInTension || member.flangeLayout == ISection);
  const double bt = tensionFlange ? member.bft : in.b;
  r.Ate = sgl(2.0 * in.a * bt);
  if (!(r.Ate > 0))
    return Failure(tensionFlange
                       ? "有效受拉混凝土面积为零：受拉翼缘宽度为零（请先在 T 形及工字形截面受弯构件窗口中计算）或 a 为零（未计算）。"
                       : "有效受拉混凝土面积为零：钢筋重心至截面边缘距离 a 应大于零（未计算）。");
  r.rhoTe = sgl(RoundTo(static_cast<double>(r.As) / r.Ate, 3));
  if (sgl(0.03) > r.rhoTe) r.rhoTe = sgl(0.03);

  // Tension-steel stress.
  const double hh0 = h0;
  if (IsFlexural(kind)) {
    r.sigmaS = sgl(M * 100000 / (0.87 * hh0 * As) / 100);
  } else if (kind == RectEccentricTension) {
    r.sigmaS = sgl(N * 1000 * (1 + 1.1 * member.e / hh0) / As / 100);
  } else {
    const double l0h = static_cast<double>(member.l0) / h;
    float etaS = 1;
    if (!(sgl(l0h) <= 14)) {
      if (e0 == 0)
        return Failure("偏心受压构件的弯矩 M 为零（偏心距为零），无法计算偏心距增大系数，请改正后再计算（未计算）。");
      etaS = sgl(1 + l0h * l0h * hh0 / (4000 * e0));
    }
    r.etaS = etaS;
    r.eS = sgl(static_cast<double>(etaS) * e0 + (static_cast<double>(r.yt) - in.a));
    if (r.eS == 0) return Failure("轴向力至受拉钢筋的距离为零，无法计算钢筋应力，请检查基本资料（未计算）。");
    float hfc2 = member.hfc;
    if (sgl(0.2 * hh0) < hfc2) hfc2 = sgl(0.2 * hh0);
    const float gfc = sgl((bfc - b) * hfc2 / (b * hh0));
    const double ratio = hh0 / r.eS;
    r.z = sgl((0.87 - 0.12 * (1 - static_cast<double>(gfc)) * ratio * ratio) * hh0);
    // A lever arm of nothing or less: the eccentricity is too small for the
    // formula (the section is in compression throughout).
    if (!(r.z > 0))
      return Failure("偏心距过小，内力臂计算值不大于零，钢筋应力公式不适用，请检查基本资料（未计算）。");
    r.sigmaS = sgl(N * 1000 * (static_cast<double>(r.eS) / r.z - 1) / As / 100);
  }

  // Maximum crack width, from the rounded ρte.
  const float w = sgl(r.alpha1 * static_cast<double>(r.alpha2) * r.alpha3 * (static_cast<double>(r.sigmaS) / in.Es) *
                      (30.0 * in.c + static_cast<double>(r.deq) / r.rhoTe));
  r.w = sgl(RoundTo(w, 3));
  r.sigma = sgl(RoundTo(r.sigma, 3));

  if (!shell::AllFinite({r.y0, r.I0, r.W0, r.rhoTe, r.sigmaS, r.sigma, r.gammaM, r.sigmaCt, r.w}))
    return Failure(kOutOfRange);

  if (r.sigma < r.sigmaCt)
    r.verdict = CrackVerdict::Resists;
  else if (r.sigma > r.sigmaCt)
    r.verdict = r.w < r.allowedW   ? CrackVerdict::CracksWidthWithin
                : r.w > r.allowedW ? CrackVerdict::CracksWidthBeyond
                                   : CrackVerdict::CracksWidthEqual;
  r.steelInCompression = !(r.sigmaS > 0);
  r.ok = true;
  return r;
}

}  // namespace brasselt
