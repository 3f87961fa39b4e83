#include "eccentric.h"

#include "numbers.h"

#include <algorithm>
#include <cmath>

namespace brasselt {

using shell::RoundTo;
using shell::sgl;

namespace {

// Upper bound on the rounds of one stepping loop: 2 000 000 steps of 0.05
// are 100 000 cm of compression zone or cm² of steel, far beyond any member.
constexpr long kMaxRounds = 2'000'000;

constexpr const char* kNoConvergence =
    "逐步试算不收敛（试算值不再变化或超出试算上限），未得出计算成果，请检查输入数据。";
constexpr const char* kWebSideCompressed =
    "偏心距增大后轴向力作用点位于受拉钢筋合力点处或其外侧（e ≤ 0），受压区不在翼缘一侧，"
    "不能按翼缘位于受压区的 T 形截面计算，未得出计算成果。";
constexpr const char* kTooSlender =
    "构件长细比 l0/h 过大（ζ2 = 1.15 - 0.01·l0/h 不大于 0），偏心距增大系数公式不适用，未进行计算。";
constexpr const char* kOutOfRange = "计算数值超出单精度数值范围，未得出计算成果，请检查输入数据。";

EccentricResult Failure(std::string message) { return FailedResult<EccentricResult>(std::move(message)); }

std::string Missing(const std::vector<std::string>& names) {
  if (names.empty()) return std::string();
  std::string text = "尚未选取";
  for (std::size_t i = 0; i < names.size(); ++i) text += (i ? "、" : "") + names[i];
  return text + "，基本资料已保存，未进行计算。";
}

// One step of a loop: v + d in single precision. False where the sum no
// longer changes or the round bound is passed.
bool Step(float& v, double d, long& rounds) {
  const float next = sgl(static_cast<double>(v) + d);
  if (next == v || !std::isfinite(next) || ++rounds > kMaxRounds) return false;
  v = next;
  return true;
}

// Material values of one computation in extended precision.
struct Mat {
  double fc, fy, fyc, xib;
};

// The eccentricity factor and the eccentricities of a compression member:
// e0' with its lower bound, ζ1 from the gross area, ζ2, η, e and e'.
// e0 is measured from the centroid of the gross section, which lies yt
// above the tension edge and yc below the compression edge (h/2 both for a
// rectangle): e, the distance of the axial force from the tension steel, is
// η·e0 + yt − a, and the small-eccentricity e' is yc − a' − e0. Adding h/2
// to an e0 taken from the centroid would leave the lever arm of N about the
// tension steel short by yt − h/2 on a T section, and the steel with it.
struct Eccentricities {
  float e0c = 0, z1 = 0, z2 = 0, eta = 0, e = 0, ec = 0;
  bool large = false;
  bool tooSlender = false;  // ζ2 ≤ 0: η would fall to 1 or below
};

Eccentricities CompressionEccentricities(float e0, float h, float h0, float a, float ac, float l0,
                                         double area, float gd, float Np, const Mat& m, double yt,
                                         double yc) {
  Eccentricities k;
  // The lower bound applies to the size of the eccentricity: a T section's
  // e0 is negative where N lies on the web side of the centroid, and η is
  // worked out for that distance, not for the minimum, since η·e0 below
  // magnifies the real one. e0 keeps its sign in η·e0.
  k.e0c = std::fabs(e0);
  if (sgl(h0 / 30.0) > k.e0c) k.e0c = sgl(h0 / 30.0);
  k.z1 = sgl(0.5 * m.fc * 100 * area / gd / Np);
  if (k.z1 > 1) k.z1 = 1;
  const double slender = static_cast<double>(l0) / h;
  k.z2 = sgl(1.15 - 0.01 * slender);
  if (sgl(slender) < 15) k.z2 = 1;
  // From l0/h = 115 on, ζ2 is no longer positive and η no longer above 1:
  // a negative η would turn the eccentricity round. Such a member lies
  // outside the method.
  k.tooSlender = !(k.z2 > 0);
  k.eta = sgl(1 + slender * slender * k.z1 * k.z2 * h0 / 1400 / k.e0c);
  if (sgl(slender) <= 8) k.eta = 1;
  const double magnified = static_cast<double>(k.eta) * e0;  // η·e0, with the sign of e0
  k.e = sgl(magnified + yt - a);
  // Large or small eccentricity by the magnified eccentricity η·e0, the one
  // the design carries in e: a slender member whose own e0 lies within
  // 0.3·h0 but whose η·e0 lies beyond it bends as a large-eccentricity
  // member, and designing it as a small one leaves the section short.
  k.large = sgl(magnified) > sgl(0.3 * h0);
  k.e = sgl(RoundTo(k.e, 2));
  k.eta = sgl(RoundTo(k.eta, 3));
  // e', N about A's: beyond it by η·e0 − yc + a' (= e − h0 + a') where the
  // eccentricity is large, between the layers by yc − a' − e0 where small.
  // The far side is checked with N where it lies nearest the far steel: at
  // e0 itself where the magnification carries N away from it, at η·e0 where
  // a negative e0 (N on the web side of a T section's centroid) is carried
  // towards it. Taking e0 there would leave the far side short of what the
  // magnified force asks, and the section short of the axial force.
  k.ec = k.large ? sgl(static_cast<double>(k.e) - h0 + ac) : sgl(yc - ac - std::min<double>(e0, magnified));
  return k;
}

// The asymmetric small-eccentricity design (shared by both windows; Ff is
// the flange force, 0 for a rectangle): the far side at the minimum, x
// stepped up until the section carries γd·N', x cut to h, σs bounded, A's
// with its minimum, formula (6.3.2-5). False on non-convergence.
// The far-side stress is bounded to [−fy', fy] at every step, not only after
// the search: a stress beyond what the bars can take would let the force test
// pass (or fail) at a compression zone the section does not have.
bool SmallAsymmetric(EccentricResult& r, double b, float h, float h0, float h0c, float a, float ac,
                     float gd, float Np, float e, float ec, float minArea, double Ff, const Mat& m) {
  r.tensionMinimum = true;
  r.farSteelNote = 4;
  r.As = minArea;
  r.farMinimum = r.As;
  const double GNe = static_cast<double>(gd) * Np * e;
  const float demand = sgl(static_cast<double>(gd) * Np);
  auto nearSteel = [&](double x) { return sgl((GNe - 100 * m.fc * b * x * (h0 - x / 2)) / m.fyc / (h0 - ac) / 100); };
  auto bounded = [&](float sigma) {
    if (sigma > m.fy) return static_cast<float>(m.fy);
    if (sigma < -m.fyc) return static_cast<float>(-m.fyc);
    return sigma;
  };
  r.x = sgl(0.5 * m.xib * h0);
  for (;;) {
    const double x = r.x;
    r.sigmaS = bounded(sgl((x / h0 - 0.8) * m.fy / (m.xib - 0.8)));
    r.Asc = nearSteel(x);
    if (sgl(100 * (m.fc * b * x + m.fyc * r.Asc - static_cast<double>(r.sigmaS) * r.As) + Ff) >= demand) break;
    if (!Step(r.x, 0.05, r.rounds)) return false;
  }
  if (r.x > h) {
    r.zoneNote = 2;
    r.computedX = r.x;
    r.x = h;
  }
  r.sigmaS = bounded(sgl(RoundTo(r.sigmaS, 2)));
  r.Asc = nearSteel(r.x);
  if (minArea > r.Asc) {
    r.compressionMinimum = true;
    r.Asc = minArea;
  }
  r.Asc = sgl(RoundTo(r.Asc, 2));
  const double As5 = (static_cast<double>(gd) * Np * ec - 100 * m.fc * b * h * (h0c - h / 2.0)) / m.fyc /
                     (static_cast<double>(h0c) - a) / 100;
  if (sgl(As5) > r.As) {
    r.farSteelNote = 5;
    r.As = sgl(As5);
  }
  r.xi = sgl(RoundTo(static_cast<double>(r.x) / h0, 3));
  return true;
}

// Ratios on width·h0 and the finite check of everything shown.
EccentricResult& Finish(EccentricResult& r, const Mat& m, float width, float h0) {
  r.fc = static_cast<float>(m.fc);
  r.fy = static_cast<float>(m.fy);
  r.fyc = static_cast<float>(m.fyc);
  r.xib = static_cast<float>(m.xib);
  r.width = width;
  r.h0 = h0;
  // The ratios are rounded from the expression itself: a single of the
  // unrounded ratio can lie on the other side of a tie (12.40949998… held
  // as 12.4095 rounds to 12.41, not 12.409).
  r.rho = sgl(RoundTo(100.0 * r.As / (static_cast<double>(width) * h0), 3));
  r.rhoc = sgl(RoundTo(100.0 * r.Asc / (static_cast<double>(width) * h0), 3));
  r.ok = shell::AllFinite({r.e0, r.e, r.eta, r.x, r.xi, r.l0, r.sigmaS, r.As, r.rho, r.Asc, r.rhoc, r.computedX,
                           r.farMinimum});
  if (!r.ok) r.error = kOutOfRange;
  return r;
}

Mat MatOf(const Materials& m) { return {m.fc, m.fy, m.fyc, m.xib}; }

}  // namespace

EccentricResult RectEccentricCase(const RectEccentricInputs& in, const MemberState& s, float kind) {
  const bool tension = kind == RectEccentricTension;
  const Materials& mat = s.materials;
  // Choices: materials, element and arrangement for both kinds; for
  // compression the member shape and the end restraint of a straight
  // member; for a member marked as an arch, of either kind, the arch type
  // and the length of its axis.
  std::vector<std::string> missing;
  if (mat.concreteGrade == 0) missing.push_back("混凝土强度等级");
  if (mat.steelGrade == 0) missing.push_back("钢筋级别");
  if (s.StructuralElement == 0) missing.push_back("构件类型");
  if (s.SteelArrangement == 0) missing.push_back("钢筋布置方式");
  const bool arch = s.MemberShape == 2;
  if (!tension && s.MemberShape == 0) missing.push_back("构件型式");
  if (arch && s.ArchType == 0) missing.push_back("拱结构型式");
  if (!tension && !arch && s.EndRestraint == 0) missing.push_back("构件两端约束情况");
  if (!missing.empty()) return Failure(Missing(missing));
  if (arch && !(in.S > 0))
    return Failure("构件为拱形时构件拱轴线长 S 应大于 0，基本资料已保存，未进行计算。");
  if (!(in.b > 0)) return Failure("截面宽度 b 应大于 0，未进行计算。");
  if (!(in.h0 > 0)) return Failure("截面有效高度 ho 应大于 0，未进行计算。");
  if (!(in.h0 > in.ac)) return Failure("截面有效高度 ho 应大于保护层厚度 a'，未进行计算。");
  if (!(in.a >= 0) || !(in.ac >= 0)) return Failure("保护层厚度 a、a' 不应小于 0，未进行计算。");
  if (!(in.N > 0)) return Failure("轴向力设计值 N 应大于 0，未进行计算。");
  if (!(in.M >= 0)) return Failure("弯矩设计值 M 不应小于 0，未进行计算。");
  if (!(in.gammaD > 0)) return Failure("结构系数 γd 应大于 0，未进行计算。");

  const Mat m = MatOf(mat);
  const float b = in.b, h0 = in.h0, a = in.a, ac = in.ac, gd = in.gammaD;
  const double bd = b;
  const float Mp = sgl(100000.0 * in.M), Np = sgl(1000.0 * in.N);
  const float h = sgl(static_cast<double>(h0) + a);
  const float h0c = sgl(static_cast<double>(h) - ac);
  if (!shell::AllFinite({Mp, Np, h})) return Failure(kOutOfRange);

  // Minimum ratio, % of b·h0, for As and A's alike. A wall in compression
  // takes the pier-wall value, the same as a beam's or a slab's.
  float rhoMin;
  if (tension) rhoMin = 0.15f;
  else if (s.StructuralElement == Column) rhoMin = mat.steelGrade == 1 ? 0.25f : 0.2f;
  else rhoMin = mat.steelGrade == 1 ? 0.2f : 0.15f;
  const float minArea = sgl(static_cast<double>(rhoMin) * b * h0 / 100);
  const float limit = sgl(m.xib * h0);

  EccentricResult r;
  r.memberKind = kind;
  r.tension = tension;
  r.symmetric = s.SteelArrangement == 2;
  r.e0 = sgl(RoundTo(static_cast<double>(Mp) / Np, 2));

  if (tension) {
    r.small = sgl(h / 2.0 - a) >= r.e0;
    const float ec = sgl(h / 2.0 + r.e0 - ac);
    const double GN = static_cast<double>(gd) * Np;
    const float farSteel = sgl(GN * ec / m.fy / (static_cast<double>(h0c) - a) / 100);
    if (r.small) {
      r.e = sgl(h / 2.0 - r.e0 - a);
      r.Asc = sgl(GN * r.e / m.fyc / (static_cast<double>(h0) - ac) / 100);
      r.As = farSteel;
      if (minArea > r.As) {
        r.tensionMinimum = true;
        r.As = minArea;
      }
      // Symmetric steel: both sides take the larger of the two areas, so
      // that each side still carries its own share (the near side needs
      // more where a' exceeds a + 2·e0, or where fy' is below fy).
      // Where the near side governs, the far side is no longer at the
      // minimum.
      if (r.symmetric) {
        if (r.Asc > r.As) {
          r.As = r.Asc;
          r.tensionMinimum = false;
        } else {
          r.Asc = r.As;
        }
      }
    } else {
      r.e = sgl(static_cast<double>(r.e0) - h / 2.0 + a);
      const double GNe = GN * r.e;
      const float demand = sgl(GNe);
      // The stepping starts from no compression steel in every compute.
      r.Asc = 0;
      r.As = sgl(0.0005 * bd * h0);
      for (;;) {
        r.x = sgl((100 * m.fy * r.As - 100 * m.fyc * r.Asc - GN) / (m.fc * bd) / 100);
        if (r.x > limit) break;
        const double x = r.x;
        if (sgl(100 * (m.fc * bd * x * (h0 - x / 2) + m.fyc * r.Asc * (h0 - ac))) > demand) break;
        if (!Step(r.As, 0.05, r.rounds)) return Failure(kNoConvergence);
      }
      if (r.x > limit) {
        r.x = limit;
        const double x = r.x;
        r.Asc = sgl((GNe - 100 * m.fc * bd * x * (h0 - x / 2)) / m.fyc / (h0 - ac) / 100);
        r.As = sgl((100 * m.fc * bd * x + 100 * m.fyc * r.Asc + GN) / m.fy / 100);
      }
      if (r.Asc > 0 && sgl(2.0 * ac) > r.x) {
        r.zoneNote = 1;
        r.x = sgl(2.0 * ac);
        r.As = farSteel;
      }
      if (sgl(RoundTo(100.0 * r.As / (bd * h0), 2)) < rhoMin) {
        r.tensionMinimum = true;
        r.As = sgl(RoundTo(static_cast<double>(rhoMin) * b * h0 / 100, 2));
      }
      if (r.symmetric) {
        // The symmetric areas replace the asymmetric ones, and the minimum
        // applies to them.
        r.As = farSteel;
        r.tensionMinimum = minArea > r.As;
        if (r.tensionMinimum) r.As = minArea;
        r.Asc = r.As;
      }
    }
    return Finish(r, m, b, h0);
  }

  // Eccentric compression.
  if (arch) {
    const double k = s.ArchType == 1 ? 0.36 : s.ArchType == 2 ? 0.54 : 0.58;
    r.l0 = sgl(k * in.S);
  } else {
    const double k = s.EndRestraint == 1 ? 0.5 : s.EndRestraint == 2 ? 0.7 : s.EndRestraint == 3 ? 1.0 : 2.0;
    r.l0 = sgl(k * in.L);
  }
  const Eccentricities k = CompressionEccentricities(r.e0, h, h0, a, ac, r.l0, bd * h, gd, Np, m, h / 2.0, h / 2.0);
  if (k.tooSlender) return Failure(kTooSlender);
  r.eta = k.eta;
  r.e = k.e;
  r.small = !k.large;
  const double GN = static_cast<double>(gd) * Np, GNe = GN * r.e;

  if (r.symmetric) {
    r.xi = sgl(RoundTo(GN / m.fc / bd / h0 / 100, 3));
    if (r.xi <= m.xib) {
      r.x = sgl(static_cast<double>(r.xi) * h0);
      if (sgl(2.0 * ac) <= r.x) {
        const double x = r.x;
        r.As = sgl((GNe - 100 * m.fc * bd * x * (h0 - x / 2)) / m.fyc / (h0 - ac) / 100);
      } else {
        r.x = sgl(2.0 * ac);
        r.As = sgl(GN * k.ec / m.fy / (static_cast<double>(h0) - ac) / 100);
      }
    } else {
      const double xib = m.xib, h02 = static_cast<double>(h0) * h0;
      r.xi = sgl((GN - 100 * xib * m.fc * bd * h0) /
                     ((GNe - 45 * m.fc * bd * h02) / (0.8 - xib) / (h0 - ac) + 100 * m.fc * bd * h0) +
                 xib);
      r.xi = sgl(RoundTo(r.xi, 3));
      r.x = sgl(RoundTo(static_cast<double>(r.xi) * h0, 2));
      const double xi = r.xi;
      r.As = sgl((GNe - 100 * xi * (1 - 0.5 * xi) * m.fc * bd * h02) / m.fyc / (h0 - ac) / 100);
    }
    r.Asc = r.As;
    if (minArea > r.As) {
      r.tensionMinimum = true;
      r.As = minArea;
      r.Asc = r.As;
    }
    r.As = sgl(RoundTo(r.As, 2));
    r.Asc = sgl(RoundTo(r.Asc, 2));
    return Finish(r, m, b, h0);
  }

  if (r.small) {
    if (!SmallAsymmetric(r, bd, h, h0, h0c, a, ac, gd, Np, r.e, k.ec, minArea, 0, m))
      return Failure(kNoConvergence);
    return Finish(r, m, b, h0);
  }

  // Asymmetric large eccentricity.
  r.sigmaS = static_cast<float>(m.fy);
  r.x = limit;
  {
    const double x = r.x;
    r.Asc = sgl((GNe - 100 * m.fc * bd * x * (h0 - x / 2)) / m.fyc / (h0 - ac) / 100);
  }
  if (r.Asc > minArea) {
    r.As = sgl((100 * m.fc * bd * r.x + 100 * m.fyc * r.Asc - GN) / m.fy / 100);
  } else {
    if (r.Asc < minArea) {
      r.compressionMinimum = true;
      r.Asc = minArea;
    }
    // With this A's the compression zone steps down while the section
    // still carries γd·N'·e.
    const float demand = sgl(GNe);
    for (;;) {
      const double x = r.x;
      if (!(sgl(100 * (m.fc * bd * x * (h0 - x / 2) + m.fyc * r.Asc * (h0 - ac))) >= demand)) break;
      if (!Step(r.x, -0.05, r.rounds)) return Failure(kNoConvergence);
    }
    if (sgl(2.0 * ac) > r.x) {
      r.zoneNote = 1;
      r.x = sgl(2.0 * ac);
      r.As = sgl(GN * k.ec / m.fy / (static_cast<double>(h0) - ac) / 100);
    } else {
      r.As = sgl((100 * m.fc * bd * r.x + 100 * m.fyc * r.Asc - GN) / m.fy / 100);
    }
  }
  if (minArea > r.As) {
    r.tensionMinimum = true;
    r.As = minArea;
  }
  r.As = sgl(RoundTo(r.As, 2));
  r.Asc = sgl(RoundTo(r.Asc, 2));
  r.x = sgl(RoundTo(r.x, 2));
  r.xi = sgl(RoundTo(static_cast<double>(r.x) / h0, 3));
  return Finish(r, m, b, h0);
}

EccentricResult TSectionEccentricCase(const TSectionEccentricInputs& in, const MemberState& s) {
  const Materials& mat = s.materials;
  std::vector<std::string> missing;
  if (mat.concreteGrade == 0) missing.push_back("混凝土强度等级");
  if (mat.steelGrade == 0) missing.push_back("钢筋级别");
  if (s.EndRestraint == 0) missing.push_back("构件两端约束情况");
  if (!missing.empty()) return Failure(Missing(missing));
  const float h0 = sgl(static_cast<double>(in.h) - in.a);
  if (!(in.b > 0)) return Failure("腹板宽度 b 应大于 0，未进行计算。");
  if (!(in.a >= 0) || !(in.ac >= 0)) return Failure("保护层厚度 a、a' 不应小于 0，未进行计算。");
  if (!(h0 > 0)) return Failure("截面有效高度 ho = h - a 应大于 0（截面总高应大于保护层厚度），未进行计算。");
  if (!(h0 > in.ac)) return Failure("截面有效高度 ho = h - a 应大于受压钢筋保护层厚度 a'，未进行计算。");
  if (!(in.hfc >= 0) || !(in.hfc < in.h)) return Failure("受压翼缘厚度 h'f 应不小于 0 且小于截面总高 h，未进行计算。");
  // Without a flange thickness there is no flange: the section is the web
  // rectangle, whatever b'f says.
  constexpr const char* kNarrowFlange = "受压翼缘宽度 b'f 不应小于腹板宽度 b，未进行计算。";
  if (in.hfc > 0 && !(in.bfc >= in.b)) return Failure(kNarrowFlange);
  if (!(in.N > 0)) return Failure("轴向力设计值 N 应大于 0，未进行计算。");
  if (!(in.M >= 0)) return Failure("弯矩设计值 M 不应小于 0，未进行计算。");
  if (!(in.gammaD > 0)) return Failure("结构系数 γd 应大于 0，未进行计算。");

  const Mat m = MatOf(mat);
  const float h = in.h, a = in.a, ac = in.ac, gd = in.gammaD, bfc = in.bfc;
  const float Mp = sgl(100000.0 * in.M), Np = sgl(1000.0 * in.N);
  const float h0c = sgl(static_cast<double>(h) - ac);
  if (!shell::AllFinite({Mp, Np})) return Failure(kOutOfRange);
  const float rhoMin = mat.steelGrade == 1 ? 0.25f : 0.2f;
  const float limit = sgl(m.xib * h0);
  const double GN = static_cast<double>(gd) * Np;
  const double k = s.EndRestraint == 1 ? 0.5 : s.EndRestraint == 2 ? 0.7 : s.EndRestraint == 3 ? 1.0 : 2.0;

  EccentricResult r;
  r.memberKind = TSectionEccentricCompression;
  // The first pass takes the T section; where its compression zone lies
  // within the flange, a second pass takes the rectangle b'f wide.
  for (int pass = 0; pass < 2; ++pass) {
    // Only a section with a flange (h'f > 0, so b'f ≥ b) comes to the second.
    const bool rect = pass == 1;
    const float b = rect ? bfc : in.b;
    const double bd = b, hfc = rect ? 0.0 : in.hfc, over = rect ? 0.0 : static_cast<double>(bfc) - in.b;
    const float minArea = sgl(static_cast<double>(rhoMin) * b * h0 / 100);
    const float webMinArea = sgl(static_cast<double>(rhoMin) * in.b * h0 / 100);
    // The gross section and its centroid, singles like every working value.
    const float area = sgl(over * hfc + bd * h);
    const float yt = sgl((bd * h * h + (2.0 * h - hfc) * over * hfc) / (2.0 * area));
    const float yc = sgl(static_cast<double>(h) - yt);
    const double Ff = 100 * m.fc * over * hfc, Mf = Ff * (h0 - hfc / 2);

    const EccentricResult first = r;
    r = EccentricResult();
    r.memberKind = TSectionEccentricCompression;
    r.fellBack = rect;
    r.rounds = first.rounds;
    r.compressionMinimum = first.compressionMinimum;
    r.e0 = sgl(RoundTo(static_cast<double>(Mp) / Np - h / 2.0 + yc, 2));
    r.l0 = sgl(k * in.L);
    const Eccentricities ecc = CompressionEccentricities(r.e0, h, h0, a, ac, r.l0, area, gd, Np, m, yt, yc);
    if (ecc.tooSlender) return Failure(kTooSlender);
    r.eta = ecc.eta;
    r.e = ecc.e;
    r.small = !ecc.large;
    // N at or beyond the tension steel even after magnification: the web
    // side is the compressed one, not the flange, and the section is no T
    // with its flange in compression.
    if (!(r.e > 0)) return Failure(kWebSideCompressed);
    const double GNe = GN * r.e;

    if (r.small) {
      if (!SmallAsymmetric(r, bd, h, h0, h0c, a, ac, gd, Np, r.e, ecc.ec, minArea, Ff, m))
        return Failure(kNoConvergence);
      return Finish(r, m, b, h0);
    }

    r.sigmaS = static_cast<float>(m.fy);
    r.x = limit;
    {
      const double x = r.x;
      r.Asc = sgl((GNe - 100 * m.fc * bd * x * (h0 - x / 2) - Mf) / m.fyc / (h0 - ac) / 100);
    }
    // The rectangle pass keeps the web's minimum for A's, without the note.
    if (!rect && minArea > r.Asc) {
      r.compressionMinimum = true;
      r.Asc = minArea;
    } else if (rect && webMinArea > r.Asc) {
      r.Asc = webMinArea;
    }
    const float demand = sgl(GNe);
    for (;;) {
      const double x = r.x;
      if (!(sgl(100 * (m.fc * bd * x * (h0 - x / 2) + m.fyc * r.Asc * (h0 - ac)) + Mf) >= demand)) break;
      if (!Step(r.x, -0.05, r.rounds)) return Failure(kNoConvergence);
    }
    // The moment equation counts the whole flange, which holds only while
    // the zone reaches below it. A zone within the flange is the rectangle
    // b'f wide, whose own pass applies the 2a' rule to its own x; taking
    // the 2a' rule here would put the concrete's force at A's while the
    // zone reaches deeper, and leave the section short of steel. Only a
    // flange thinner than 2a' leaves the 2a' rule to this pass.
    if (!rect && in.hfc > 0 && r.x <= in.hfc) continue;
    if (sgl(2.0 * ac) > r.x) {
      r.zoneNote = 1;
      r.x = sgl(2.0 * ac);
      r.As = sgl(GN * ecc.ec / m.fy / (static_cast<double>(h0) - ac) / 100);
    } else {
      r.As = sgl((100 * m.fc * bd * r.x + 100 * m.fyc * r.Asc + Ff - GN) / m.fy / 100);
    }
    if (minArea > r.As) {
      r.tensionMinimum = true;
      r.As = minArea;
    }
    r.As = sgl(RoundTo(r.As, 2));
    r.Asc = sgl(RoundTo(r.Asc, 2));
    r.x = sgl(RoundTo(r.x, 2));
    r.xi = sgl(RoundTo(static_cast<double>(r.x) / h0, 3));
    return Finish(r, m, b, h0);
  }
  return Failure(kNoConvergence);  // not reached: the second pass always returns
}

const std::vector<std::string>& EccentricClearedLabels() {
  static const std::vector<std::string> names = {"Label59",  "Label90",  "Label105", "Label106",
                                                 "Label107", "Label109", "Label110", "Label108"};
  return names;
}

EccentricShown ShownOf(const EccentricResult& r) {
  EccentricShown s;
  auto box = [&](const char* name, std::string text) { s.boxes.emplace_back(name, std::move(text)); };
  auto label = [&](const char* name, const char* text) { s.labels.emplace_back(name, text); };
  const char* dashes = "----";
  const bool compression = !r.tension;

  // 1. Ratio labels (Form6 keeps "计算配筋率" for A's).
  label("Label52", r.tensionMinimum ? "最小配筋率" : "计算配筋率");
  label("Label95", r.compressionMinimum && r.memberKind != TSectionEccentricCompression ? "最小配筋率" : "计算配筋率");
  // 2. The case.
  if (compression) label("Label81", r.small ? kSmallCompression : kLargeCompression);
  else label("Label81", r.small ? kSmallTension : kLargeTension);
  // 3. The result boxes.
  box("Text12", shell::ResultText(r.e0, 2));
  box("Text13", shell::ResultText(r.e, 2));
  box("Text14", compression ? shell::ResultText(r.eta, 3) : dashes);
  box("Text15", shell::SingleToText(r.xib));
  box("Text16", r.tension && r.small ? dashes : shell::ResultText(r.x, 2));
  box("Text18", compression ? shell::ResultText(r.xi, 3) : dashes);
  box("Text25", compression ? shell::ResultText(r.l0, 2) : dashes);
  box("Text9", shell::SingleToText(r.fc));
  box("Text10", shell::SingleToText(r.fy));
  box("Text11", shell::SingleToText(r.fyc));
  box("Text19", compression && !r.symmetric ? shell::ResultText(r.sigmaS, 2) : dashes);
  box("Text20", shell::ResultText(r.As, 2));
  box("Text21", shell::ResultText(r.rho, 3));
  // A's as computed: every compression path has rounded it to 0.01 already,
  // the tension paths leave it unrounded.
  box("Text22", shell::SingleToText(r.Asc));
  box("Text23", shell::ResultText(r.rhoc, 3));
  // 4. to 10. The notes, a later caption replacing an earlier one.
  if (r.zoneNote == 1) label("Label90", "混凝土受压区计算高度 x < 2a'，采用 x = 2a'");
  if (r.zoneNote == 2) {
    label("Label109", "计算的混凝土受压区计算高度 x=");
    box("Text26", shell::ResultText(r.computedX, 2));
    label("Label110", "cm > h，采用 x = h 。");
  }
  if (r.tensionMinimum) label("Label59", "计算受拉钢筋配筋率小于最小配筋率，按最小配筋率计算受拉钢筋面积。");
  if (r.farSteelNote == 4) label("Label59", "远离轴向力一侧钢筋面积按最小配筋率计算。");
  if (r.farSteelNote == 5) {
    label("Label90", "按最小配筋率计算之远离轴向力一侧的钢筋面积为");
    // The minimum far-side area as kept, in all its digits (3.102, not 3.1).
    box("Text24", shell::SingleToText(r.farMinimum));
    label("Label105", "cm");
    label("Label107", "2 ");
    label("Label108", "。");
    label("Label106", "因 γd·N > fc·b·ho，表中远离轴向力一侧的钢筋面积为按《规范》公式(6.3.2-5)的计算值。");
    label("Label52", "计算配筋率");
  }
  if (r.compressionMinimum) label("Label59", "计算受压钢筋配筋率小于最小配筋率，按最小配筋率计算受压钢筋面积。");
  if (r.tensionMinimum && r.compressionMinimum)
    label("Label59", "计算受拉及受压钢筋配筋率均小于最小配筋率，钢筋面积均按最小配筋率计算。");
  if (r.farSteelNote == 5) label("Label59", "");
  return s;
}

}  // namespace brasselt
