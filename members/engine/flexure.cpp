#include "flexure.h"

#include "numbers.h"

#include <cmath>
#include <vector>

namespace brasselt {

using shell::RoundTo;
using shell::sgl;

namespace {

constexpr const char* kNoConvergence =
    "受拉钢筋面积逐步试算不收敛（钢筋面积不再增加或超出试算上限），未得出计算成果，请检查输入数据。";
constexpr const char* kNegativeCompressionSteel = "受压钢筋面积 A's 不应小于 0（单筋时填 0），未进行计算。";
constexpr const char* kOutOfRange = "计算数值超出单精度数值范围，未得出计算成果，请检查输入数据。";

// The working values of one computation, as the steps change them.
struct Work {
  float As = 0;   // tension steel
  float Asc = 0;  // compression steel A'
  float x = 0;    // depth of the compression zone
  bool doubly = false;
  bool lever = false;
  long rounds = 0;
};

// The fixed values of one computation.
struct Section {
  float h0 = 0;
  float ac = 0;       // a'
  float Mp = 0;       // M' = 100000·M, N·cm
  float gammaD = 0;
  float T = 0;        // sgl(γd·M')
  float limit = 0;    // sgl(ξb·h0)
  float rhoMin = 0;
};

// One step of the stepping: As + 0.05 in single precision. False where the
// sum no longer grows (As too large for 0.05 to count) or the round bound is
// passed: the stepping cannot end with a result.
bool StepUp(Work& w) {
  const float next = sgl(static_cast<double>(w.As) + 0.05);
  if (!(next > w.As) || ++w.rounds > kMaxSteelRounds) return false;
  w.As = next;
  return true;
}

// SteelAreaStep of the rectangle of width `width`: until x passes ξb·h0 or
// the capacity exceeds T (strictly). False on non-convergence.
bool RectangleStepping(Work& w, const Section& s, const Materials& m, float width) {
  const double fc = m.fc, fy = m.fy, fyc = m.fyc, bw = width, h0 = s.h0, ac = s.ac;
  for (;;) {
    w.x = sgl((fy * w.As - fyc * w.Asc) / (fc * bw));
    if (!std::isfinite(w.x)) return false;
    if (w.x > s.limit) return true;
    const double x = w.x;
    const float capacity = sgl(100.0 * (fc * bw * x * (h0 - x / 2) + fyc * w.Asc * (h0 - ac)));
    if (capacity > s.T) return true;
    if (!StepUp(w)) return false;
  }
}

// The 2a' rule, ξb·h0, ρ on `width` and the minimum, after x and As are
// rounded.
void RoundedFinish(FlexuralResult& r, Work& w, const Section& s, const Materials& m, float width) {
  if (w.Asc > 0 && sgl(2.0 * s.ac) > w.x) {
    w.lever = true;
    w.x = sgl(2.0 * s.ac);
    const float As = sgl(static_cast<double>(s.gammaD) * s.Mp / m.fy / 100 / (static_cast<double>(s.h0) - s.ac));
    w.As = sgl(RoundTo(As, 2));
  }
  r.xibh0 = sgl(RoundTo(s.limit, 2));
  r.rho = sgl(RoundTo(100.0 * w.As / (static_cast<double>(width) * s.h0), 2));
  r.rhoMin = s.rhoMin;
  r.belowMinimum = r.rho < s.rhoMin;
  if (r.belowMinimum) w.As = sgl(RoundTo(static_cast<double>(s.rhoMin) * width * s.h0 / 100, 2));
}

// The rectangle path of width `width`, from the current working values:
// stepping, compression steel beyond ξb·h0, rounding, 2a' rule, ratio.
bool RectanglePath(FlexuralResult& r, Work& w, const Section& s, const Materials& m, float width) {
  if (!RectangleStepping(w, s, m, width)) return false;
  const double fc = m.fc, fy = m.fy, fyc = m.fyc, bw = width, h0 = s.h0, ac = s.ac;
  if (w.x > s.limit) {
    w.doubly = true;
    w.x = s.limit;
    const double x = w.x;
    const float Asc = sgl((static_cast<double>(s.gammaD) * s.Mp - 100.0 * fc * bw * x * (h0 - x / 2)) /
                          fyc / (h0 - ac) / 100);
    w.Asc = sgl(RoundTo(Asc, 2));
    w.As = sgl((fc * bw * x + fyc * w.Asc) / fy);
  }
  w.x = sgl(RoundTo(w.x, 2));
  w.As = sgl(RoundTo(w.As, 2));
  RoundedFinish(r, w, s, m, width);
  return true;
}

// Result boxes and verdict from the working values.
void Output(FlexuralResult& r, const Work& w, const Materials& m) {
  r.fc = m.fc;
  r.fy = m.fy;
  r.fyc = m.fyc;
  r.xib = m.xib;
  r.x = w.x;
  r.As = w.As;
  r.Asc = w.Asc;
  r.ratio = r.belowMinimum ? r.rhoMin : r.rho;
  r.doublyReinforced = w.doubly;
  r.compressionLever = w.lever;
  r.rounds = w.rounds;
  if (r.belowMinimum) {
    r.verdict = kBelowMinimumVerdict;
  } else {
    // A later message replaces an earlier one.
    if (!w.doubly) r.verdict = kWithinBalancedVerdict;
    if (w.lever) r.verdict = kLeverVerdict;
    if (w.doubly) {
      r.verdict = kBeyondBalancedVerdict;
      r.showRequiredCompression = true;
    }
  }
  r.ok = shell::AllFinite({r.x, r.xibh0, r.As, r.ratio, r.Asc, r.rho});
  if (!r.ok) r.error = kOutOfRange;
}

FlexuralResult Failure(std::string message) { return FailedResult<FlexuralResult>(std::move(message)); }

// The design moment and the structure coefficient that the stepping can take:
// a negative moment puts the tension on the other face, and a coefficient of
// 0 or less makes every section "carry" it with the minimum steel.
std::string LoadProblem(float M, float gammaD) {
  if (!(M >= 0)) return "弯矩设计值 M 不应小于 0，未进行计算。";
  if (!(gammaD > 0)) return "结构系数 γd 应大于 0，未进行计算。";
  return std::string();
}

}  // namespace

float MinimumReinforcementRatio(float structuralElement, float steelGrade) {
  if (structuralElement == Beam || structuralElement == Column) return steelGrade == 1 ? 0.2f : 0.15f;
  if (structuralElement == Slab || structuralElement == Wall) return 0.15f;
  return 0;
}

std::string MissingChoicesMessage(const Materials& m, bool needsElement, float structuralElement) {
  std::vector<std::string> missing;
  if (m.concreteGrade == 0) missing.push_back("混凝土强度等级");
  if (m.steelGrade == 0) missing.push_back("钢筋级别");
  if (needsElement && structuralElement == 0) missing.push_back("构件类型");
  if (missing.empty()) return std::string();
  std::string text = "尚未选取";
  for (std::size_t i = 0; i < missing.size(); ++i) text += (i ? "、" : "") + missing[i];
  return text + "，基本资料已保存，未进行计算。";
}

FlexuralResult RectFlexuralCase(const RectFlexuralInputs& in, const Materials& m,
                                float structuralElement) {
  if (auto missing = MissingChoicesMessage(m, true, structuralElement); !missing.empty())
    return Failure(missing);
  if (!(in.b > 0)) return Failure("截面宽度 b 应大于 0，未进行计算。");
  if (!(in.h0 > 0)) return Failure("截面有效高度 ho 应大于 0，未进行计算。");
  if (!(in.h0 > in.ac))
    return Failure("截面有效高度 ho 应大于受压钢筋保护层厚度 a'，未进行计算。");
  if (!(in.Asc >= 0)) return Failure(kNegativeCompressionSteel);
  if (auto problem = LoadProblem(in.M, in.gammaD); !problem.empty()) return Failure(problem);

  Section s;
  s.h0 = in.h0;
  s.ac = in.ac;
  s.Mp = sgl(100000.0 * in.M);
  s.gammaD = in.gammaD;
  s.T = sgl(static_cast<double>(in.gammaD) * s.Mp);
  s.limit = sgl(static_cast<double>(m.xib) * in.h0);
  s.rhoMin = MinimumReinforcementRatio(structuralElement, m.steelGrade);
  if (!shell::AllFinite({s.Mp, s.T})) return Failure(kOutOfRange);

  Work w;
  w.Asc = in.Asc;
  w.As = sgl(0.0005 * in.b * in.h0);
  FlexuralResult r;
  if (!RectanglePath(r, w, s, m, in.b)) return Failure(kNoConvergence);
  Output(r, w, m);
  return r;
}

FlexuralResult TSectionFlexuralCase(const TSectionFlexuralInputs& in, const Materials& m) {
  if (auto missing = MissingChoicesMessage(m, false, 0); !missing.empty()) return Failure(missing);
  const float h0 = sgl(static_cast<double>(in.h) - in.a);
  if (!(in.b > 0)) return Failure("腹板宽度 b 应大于 0，未进行计算。");
  if (!(h0 > 0))
    return Failure("截面有效高度 ho = h - a 应大于 0（截面总高应大于保护层厚度），未进行计算。");
  if (!(h0 > in.ac))
    return Failure("截面有效高度 ho = h - a 应大于受压钢筋保护层厚度 a'，未进行计算。");
  if (!(in.Asc >= 0)) return Failure(kNegativeCompressionSteel);
  if (in.hfc < 0) return Failure("受压翼缘厚度 h'f 不应小于 0，未进行计算。");
  // A flange as deep as the section has no lever arm left for the web.
  if (!(in.hfc < in.h)) return Failure("受压翼缘厚度 h'f 应小于截面总高 h，未进行计算。");
  // Nor can the flange's centre lie at or below the tension steel.
  if (!(h0 - in.hfc / 2.0 > 0))
    return Failure("受压翼缘厚度 h'f 过大（h'f/2 不小于截面有效高度 ho = h - a），未进行计算。");
  constexpr const char* kNarrowFlange = "受压翼缘宽度 b'f 不应小于腹板宽度 b，未进行计算。";
  if (in.hfc > 0 && in.bfc < in.b) return Failure(kNarrowFlange);
  if (auto problem = LoadProblem(in.M, in.gammaD); !problem.empty()) return Failure(problem);

  Section s;
  s.h0 = h0;
  s.ac = in.ac;
  s.Mp = sgl(100000.0 * in.M);
  s.gammaD = in.gammaD;
  s.T = sgl(static_cast<double>(in.gammaD) * s.Mp);
  s.limit = sgl(static_cast<double>(m.xib) * h0);
  s.rhoMin = MinimumReinforcementRatio(Beam, m.steelGrade);
  if (!shell::AllFinite({s.Mp, s.T})) return Failure(kOutOfRange);

  const double fc = m.fc, fy = m.fy, fyc = m.fyc, b = in.b, bfc = in.bfc, hfc = in.hfc;
  const double h0d = h0, ac = in.ac;
  Work w;
  w.Asc = in.Asc;
  w.As = sgl(0.0005 * b * in.h);
  FlexuralResult r;

  // The rectangle b'f wide, from the working values as they stand.
  auto rectangle = [&]() -> FlexuralResult {
    if (in.bfc < in.b) return Failure(kNarrowFlange);
    if (!RectanglePath(r, w, s, m, in.bfc)) return Failure(kNoConvergence);
    Output(r, w, m);
    return r;
  };

  // Flange test: does the compression flange alone carry the moment?
  if (sgl(100.0 * fc * bfc * hfc * (h0d - hfc / 2)) >= s.T) return rectangle();

  // T-section stepping, with the inclusive capacity test.
  const double flangeMoment = fc * (bfc - b) * hfc * (h0d - hfc / 2);
  for (;;) {
    w.x = sgl((fy * w.As - fyc * w.Asc - (bfc - b) * fc * hfc) / (fc * b));
    if (!std::isfinite(w.x)) return Failure(kNoConvergence);
    if (w.x > s.limit) break;
    const double x = w.x;
    const float capacity = sgl(100.0 * (flangeMoment + fc * b * x * (h0d - x / 2) + fyc * w.Asc * (h0d - ac)));
    if (capacity >= s.T) break;
    if (!StepUp(w)) return Failure(kNoConvergence);
  }
  if (w.x > s.limit) {
    w.doubly = true;
    w.x = s.limit;
    const double x = w.x;
    const float Asc = sgl((static_cast<double>(s.gammaD) * s.Mp - 100.0 * fc * b * x * (h0d - x / 2) -
                           100.0 * flangeMoment) / fyc / (h0d - ac) / 100);
    w.Asc = sgl(RoundTo(Asc, 2));
    w.As = sgl((((bfc - b) * hfc + b * w.x) * fc + fyc * w.Asc) / fy);
  }
  // A compression zone between 2a and h'f lies in the flange.
  if (sgl(2.0 * in.a) <= w.x && w.x <= in.hfc) return rectangle();

  w.x = sgl(RoundTo(w.x, 2));
  w.As = sgl(RoundTo(w.As, 2));
  RoundedFinish(r, w, s, m, in.b);
  Output(r, w, m);
  return r;
}

}  // namespace brasselt
