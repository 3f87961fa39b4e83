#include "sluicewall.h"

#include "numbers.h"

#include <charconv>
#include <cmath>

namespace ketrova {

using shell::DoubleFieldText;
using shell::RoundTo;
using shell::sgl;

namespace {

constexpr double kW = kWaterUnitWeight;
constexpr double kConcrete = 24.0;

// A weight of the section and its moment about the section's centre: the
// weight and the product are singles, as the stored values are, and so are
// their sums (a thrust moment, a double, is added to the sum afterwards).
struct Load {
  float N = 0, M = 0;
  void Add(double w, double lever) {
    const float W = sgl(w);
    N += W;
    M += sgl(static_cast<double>(W) * lever);
  }
};

std::string OutsideTheMethod(const SluiceWallInputs& in) {
  if (!(in.B0 > 0.0f)) return "墙顶宽 B0 必须大于 0。";
  if (in.B1 < in.B0) return "墙底宽 B1 不能小于墙顶宽 B0（墙身不能向下收窄）。";
  if (in.H1 < 0.0f || in.H2 < 0.0f) return "墙背直段高 H1 及斜面段高 H2 不能为负值。";
  if (!(in.H2 > 0.0f) && in.B1 > in.B0) return "墙背斜面段高 H2 为 0 而 B1 大于 B0，墙背斜面无法确定。";
  if (!(in.gamma1 > 0.0f)) return "回填土湿容重 γ1 必须大于 0。";
  if (in.gamma2 < 0.0f) return "回填土浮容重 γ2 不能为负值。";
  if (in.h1 < 0.0f) return "地下水位 h1 不能为负值。";
  if (!(in.Rw > 0.0f) || !(in.Rg > 0.0f) || !(in.K > 0.0f))
    return "砼弯曲抗压强度、钢筋设计强度及安全系数 K 必须大于 0。";
  return std::string();
}

// The tension and compression steel of a 100 cm wide section of thickness
// t (m) under N (kN) and M (kN·m).
std::string Steel(SectionSteel& s, float t, double N, double M, const SluiceWallInputs& in,
                  const char* where) {
  const std::string at = std::string(where) + "截面";
  s.h = sgl(100.0 * t);
  s.h0 = sgl(static_cast<double>(s.h) - 7.0);
  const double h = s.h, h0 = s.h0;
  if (!(h0 - 7.0 > 0.0)) return at + "厚度不大于 0.14 m（两侧保护层 7 cm），无法配筋。";
  if (N == 0.0) return at + "轴向压力为 0，偏心距无法计算。";
  const double Mp = 100000.0 * M;
  const double Np = 1000.0 * N;
  s.N = Np;
  const double K = in.K, Rw = in.Rw, Rg = in.Rg;
  s.e0 = Mp / Np;
  s.e = s.e0 + h / 2.0 - 7.0;
  s.eprime = (s.e0 < (h0 - 7.0) / 2.0) ? h / 2.0 - s.e0 - 7.0 : s.e0 - h / 2.0 + 7.0;
  s.AsPrime = (K * Np * s.e - 40.0 * Rw * h0 * h0) / (Rg * (h0 - 7.0));
  if (s.e0 < 0.3 * h0) {
    s.small = true;
    s.As = (K * Np * s.eprime - 40.0 * Rw * h0 * h0) / (Rg * (h0 - 7.0));
    // A negative area means the concrete alone carries the compression side:
    // no compression steel, and the crack check works on that section.
    if (s.AsPrime < 0.0) s.AsPrime = 0.0;
  } else if (s.AsPrime < 0.0) {
    s.AsPrime = 0.0;
    if (K * Np * s.e < 1400.0 * Rw * (h0 - 7.0)) {
      s.As = K * Np * s.eprime / (Rg * (h0 - 7.0));
    } else {
      const double A0 = K * Np * s.e / (100.0 * Rw * h0 * h0);
      if (!(1.0 - 2.0 * A0 >= 0.0))
        return at + "受压区混凝土不足（1 − 2A0 < 0），截面过小，无法按此法配筋。";
      const double xi = 1.0 - std::sqrt(1.0 - 2.0 * A0);
      s.As = 100.0 * Rw * xi * h0 / Rg + s.AsPrime - K * Np / Rg;
    }
  } else {
    s.As = s.AsPrime + (55.0 * Rw * h0 - K * Np) / Rg;
  }
  if (s.As < 0.1 * h0) s.As = 0.1 * h0;
  if (!shell::AllFinite({s.e0, s.e, s.eprime, s.As, s.AsPrime})) return at + "配筋结果超出数值范围。";
  return std::string();
}

void AddField(std::string& line, const std::string& text) {
  if (!line.empty() || text.empty()) line += ",";
  line += text;
}

}  // namespace

SluiceWallResults SluiceWallCase(const SluiceWallInputs& in) {
  SluiceWallResults r;
  auto fail = [&](std::string message) {
    r.ok = false;
    r.message = std::move(message);
    return r;
  };
  r.H = sgl(static_cast<double>(in.H2) + in.H1);
  r.friction = EquivalentFrictionAngle(in.phi, in.C, in.gamma1, r.H);
  // This window keeps φd as a single: it is written, shown and used so.
  r.friction.phid = sgl(r.friction.phid);
  if (const std::string why = OutsideTheMethod(in); !why.empty()) return fail(why + "未进行计算。");
  if (!r.friction.ok) return fail(r.friction.message);
  // The water table: a level typed equal to the wall height (h1 = H1 + H2
  // as typed) lies a rounding of the singles above or below the sum H, and
  // is at the top, S = 0. Above the top, as the retaining walls take their
  // heights, only more than a millimetre counts, the millimetre typed as
  // h1 = H1 + H2 + 0.001 with the same rounding of the singles (on a wall
  // over about 8 m that rounding is more than the fixed slack); below it,
  // anything more than that rounding is a dry layer of its own.
  const double above = static_cast<double>(in.h1) - r.H;
  const double rounding = TypedRounding({in.h1, in.H1, in.H2, r.H});
  if (!WithinAMillimetre(above, {in.h1, in.H1, in.H2, r.H}))
    return fail("地下水位 h1 高于墙顶（h1 > H1 + H2），超出计算方法的范围。未进行计算。");
  const float h1f = above >= -rounding ? r.H : in.h1;

  const float phi = r.friction.phiUsed;
  r.Ka = RankineCoefficient(phi);
  const double Ka = r.Ka;
  const double H = r.H, H1 = in.H1, H2 = in.H2, B0 = in.B0, B1 = in.B1;
  const double g1 = in.gamma1, g2 = in.gamma2, h1 = h1f;
  r.S = sgl(H - h1);
  const double S = r.S;
  if (in.B0 == in.B1 || in.H1 > in.H2)
    r.tm = in.B0;
  else
    r.tm = sgl(B0 + (B1 - B0) / H2 * (H2 - H1) / 2.0);
  const double tm = r.tm;
  const double d = sgl(tm - B0), D = sgl(B1 - B0);

  const float half = sgl(H / 2.0);
  if (h1f == 0.0f)
    r.waterCase = SluiceWaterCase::Dry;
  else if (h1f <= half)
    r.waterCase = SluiceWaterCase::Low;
  else if (r.S >= in.H1)
    r.waterCase = SluiceWaterCase::Slope;
  else
    r.waterCase = SluiceWaterCase::Straight;

  // The dry weights of each section with their moments about its centre.
  const double tb = B1;
  Load m, b;
  m.Add(kConcrete * B0 * H / 2.0, tm / 2.0 - B0 / 2.0);
  m.Add(kConcrete * d * (H2 - H1) / 4.0, tm / 2.0 - B0 - d / 3.0);
  m.Add(g1 * d * H1, tm / 2.0 - B0 - d / 2.0);
  m.Add(g1 * d * (H2 - H1) / 4.0, d / 3.0 - tm / 2.0);
  b.Add(kConcrete * B0 * H, tb / 2.0 - B0 / 2.0);
  b.Add(kConcrete * D * H2 / 2.0, tb / 2.0 - B0 - D / 3.0);
  b.Add(g1 * D * H1, tb / 2.0 - B0 - D / 2.0);
  b.Add(g1 * D * H2 / 2.0, D / 3.0 - tb / 2.0);

  const double hm = H / 2.0;  // height of the half-height section above the slab
  const double dryM = Ka * g1 * std::pow(hm, 3) / 6.0;
  const double dryB = Ka * g1 * std::pow(H, 3) / 6.0;
  const double Tb = Ka * g1 * S * S / 2.0 * (h1 + S / 3.0) + Ka * g1 * S * h1 * h1 / 2.0 +
                    Ka * g2 * std::pow(h1, 3) / 6.0 + kW * std::pow(h1, 3) / 6.0;
  const double a = h1 - H / 2.0;  // water table above the half-height section
  const double Tm = Ka * g1 * S * S / 2.0 * (a + S / 3.0) + Ka * g1 * S * a * a / 2.0 +
                    Ka * g2 * std::pow(a, 3) / 6.0 + kW * std::pow(a, 3) / 6.0;
  const double dsat = g2 + kW - g1;
  // The part of the fill triangle below the water table, re-weighed saturated.
  auto wedgeB = [&](Load& l) {
    const double wb = h1 * D / H2;
    l.Add(dsat * h1 * wb / 2.0, wb / 3.0 - tb / 2.0);
  };
  auto wedgeM = [&](Load& l) {
    const double wm = a * D / H2;
    l.Add(dsat * a * wm / 2.0, wm / 3.0 - tm / 2.0);
  };

  // The fill over the back below the water table weighs the saturated
  // γ2 + 10 wherever it lies (γ2 is the buoyant weight; the water standing
  // over the slope presses on it as well): a wedge of the sloped part while
  // the water table is on the slope, or the whole slope and the lower part
  // of the column above it once the water table stands higher. So the
  // forces carry on without a step as the water table passes the top of the
  // slope, and the wedge never grows wider than the slope itself.
  const double gs = g2 + kW;
  auto columnSplit = [&](Load& l, double t, double w, double slopeArea, double stemHeight) {
    l.Add(kConcrete * B0 * stemHeight, t / 2.0 - B0 / 2.0);
    l.Add(kConcrete * slopeArea, t / 2.0 - B0 - w / 3.0);
    l.Add(g1 * S * w + gs * (H1 - S) * w, t / 2.0 - B0 - w / 2.0);
    l.Add(gs * slopeArea, w / 3.0 - t / 2.0);
  };
  double Nm = 0, Mm = 0, Nb = 0, Mb = 0;
  // Half height.
  if (!(h1f > half)) {
    Nm = m.N, Mm = m.M + dryM;
  } else if (r.S >= in.H1) {
    if (d > 0) wedgeM(m);
    Nm = m.N, Mm = m.M + Tm;
  } else {
    Load l;
    columnSplit(l, tm, d, d * (H2 - H1) / 4.0, H / 2.0);
    Nm = l.N, Mm = l.M + Tm;
  }
  // Wall bottom.
  if (h1f == 0.0f) {
    Nb = b.N, Mb = b.M + dryB;
  } else if (h1f <= in.H2) {
    if (D > 0) wedgeB(b);
    Nb = b.N, Mb = b.M + Tb;
  } else {
    // With the water table at the top (S = 0) the buoyant earth thrust
    // Ka·γ2·h1³/6 of Tb still acts; only the dry layer's terms vanish.
    Load l;
    columnSplit(l, tb, D, D * H2 / 2.0, H);
    Nb = l.N, Mb = l.M + Tb;
  }
  r.Nm = RoundTo(Nm, 2);
  r.Mm = RoundTo(Mm, 2);
  r.Nb = RoundTo(Nb, 2);
  r.Mb = RoundTo(Mb, 2);
  if (!shell::AllFinite({r.Nm, r.Mm, r.Nb, r.Mb}))
    return fail("截面内力超出数值范围，请检查基本资料。未进行配筋计算。");

  if (std::string why = Steel(r.steel[0], r.tm, r.Nm, r.Mm, in, "半墙高"); !why.empty()) return fail(why);
  if (std::string why = Steel(r.steel[1], in.B1, r.Nb, r.Mb, in, "墙底"); !why.empty()) return fail(why);
  r.ok = true;
  return r;
}

std::string TransferFileText(const SluiceWallInputs& in, const SluiceWallResults& r) {
  const SectionSteel& a = r.steel[0];
  const SectionSteel& b = r.steel[1];
  std::string line = ",";  // two empty fields
  for (double v : {a.As, b.As}) AddField(line, DoubleFieldText(v));
  for (float v : {a.h0, b.h0}) AddField(line, shell::SingleToText(v));
  for (double v : {a.AsPrime, b.AsPrime, a.e0, b.e0, a.N, b.N, a.e, b.e}) AddField(line, DoubleFieldText(v));
  for (float v : {a.h, b.h, in.Rg, in.Rf}) AddField(line, shell::SingleToText(v));
  for (float v : {in.B0, in.B1, in.H1, in.H2, in.phi, in.C, in.h1, in.h2, in.gamma1, in.gamma2, in.Rw,
                  in.Rf, in.Rg, in.K})
    AddField(line, shell::SingleToText(v));
  return line + "\r\n";
}

std::string ForceResultsText(const SluiceWallInputs& in, const SluiceWallResults& r) {
  std::string line;
  const SectionSteel& a = r.steel[0];
  const SectionSteel& b = r.steel[1];
  line = DoubleFieldText(r.Mm);
  AddField(line, DoubleFieldText(r.Nm));
  AddField(line, shell::SingleToText(r.tm));
  AddField(line, DoubleFieldText(a.As));
  AddField(line, DoubleFieldText(a.AsPrime));
  AddField(line, DoubleFieldText(r.Mb));
  AddField(line, DoubleFieldText(r.Nb));
  AddField(line, shell::SingleToText(in.B1));
  AddField(line, DoubleFieldText(b.As));
  AddField(line, DoubleFieldText(b.AsPrime));
  AddField(line, shell::SingleToText(sgl(r.friction.phid)));
  return line + "\r\n";
}

CrackSections ParseTransferFile(std::string_view text) {
  CrackSections s;
  std::vector<std::string> fields;
  std::string cur;
  for (char c : text) {
    if (c == ',' || c == '\n') {
      fields.push_back(cur);
      cur.clear();
    } else if (c != '\r') {
      cur += c;
    }
  }
  if (!cur.empty()) fields.push_back(cur);
  if (fields.size() < kTransferFields) {
    s.message = "截面资料文件“zhq.dat3”不完整，请先点击“显示内力及钢筋计算成果”。";
    return s;
  }
  std::vector<double> v;
  for (std::size_t i = 2; i < fields.size(); ++i) {
    std::string f = fields[i];
    while (!f.empty() && f.front() == ' ') f.erase(f.begin());
    while (!f.empty() && f.back() == ' ') f.pop_back();
    double x = 0;
    const auto res = std::from_chars(f.data(), f.data() + f.size(), x);
    if (f.empty() || res.ec != std::errc() || res.ptr != f.data() + f.size() || !std::isfinite(x)) {
      s.message = "截面资料文件“zhq.dat3”中有不是数字的栏，请先点击“显示内力及钢筋计算成果”。";
      return s;
    }
    v.push_back(x);
  }
  for (int i = 0; i < 2; ++i) {
    s.As[i] = v[0 + i];
    s.h0[i] = v[2 + i];
    s.AsPrime[i] = v[4 + i];
    s.e0[i] = v[6 + i];
    s.N[i] = v[8 + i];
    s.e[i] = v[10 + i];
    s.h[i] = v[12 + i];
  }
  s.Rg = v[14];
  s.Rf = v[15];
  for (std::size_t i = 16; i < v.size(); ++i) s.basicData.push_back(sgl(v[i]));
  s.ok = true;
  return s;
}

bool TransferMatches(const CrackSections& s, const SluiceWallInputs& in) {
  const float now[] = {in.B0, in.B1, in.H1, in.H2, in.phi, in.C, in.h1, in.h2, in.gamma1, in.gamma2,
                       in.Rw, in.Rf, in.Rg, in.K};
  if (s.basicData.size() != std::size(now)) return false;
  for (std::size_t i = 0; i < std::size(now); ++i)
    if (s.basicData[i] != now[i]) return false;
  return true;
}

CrackResult CrackCheck(const CrackSections& s, int i, const Bars& bars) {
  CrackResult r;
  const char* where = i == 0 ? "半墙高截面：" : "墙底截面：";
  auto fail = [&](const char* why) {
    r.ok = false;
    r.message = std::string(where) + why;
    return r;
  };
  if (bars.d1 < 0 || bars.n1 < 0 || bars.d2 < 0 || bars.n2 < 0) return fail("钢筋直径及根数不能为负值。");
  const double sum = bars.d1 * bars.n1 + bars.d2 * bars.n2;
  if (!(sum > 0)) return fail("未填入受拉钢筋（直径与根数之积为 0），无法计算裂缝宽度。");
  const double As = s.As[i], h0 = s.h0[i], Asp = s.AsPrime[i], e0 = s.e0[i], N = s.N[i], e = s.e[i],
               h = s.h[i], Rf = s.Rf;
  if (!(As > 0) || !(h0 > 0) || !(h > 0)) return fail("受拉钢筋面积或截面高度不大于 0，无法计算。");
  if (N == 0) return fail("轴向压力为 0，无法计算。");
  const double nu = s.Rg <= 24000.0 ? 1.0 : 0.7;
  const double A = 100.0 * h;
  const double A0 = A + 10.0 * As + 10.0 * Asp;
  const double y0 = (A * h / 2.0 + 10.0 * As * h0 + 70.0 * Asp) / A0;
  const double I0 = 100.0 * h * h * h / 12.0 + A * (h / 2.0 - y0) * (h / 2.0 - y0) +
                    10.0 * As * (h0 - y0) * (h0 - y0) + 10.0 * Asp * (y0 - 7.0) * (y0 - 7.0);
  const double W0 = I0 / (h - y0);
  const double d = (bars.d1 * bars.d1 * bars.n1 + bars.d2 * bars.d2 * bars.n2) / sum;
  const double mu = As / (100.0 * h0);
  const double ecc = e0 - W0 / A0;
  if (ecc == 0) return fail("偏心距等于截面核心距（e0 = W0/A0），抗裂安全系数无法计算。");
  const double lever = 0.8 + 0.1 * e0 / h - 5.0 * mu;
  if (lever == 0) return fail("内力臂系数为 0，钢筋应力无法计算。");
  const double Kf = 1.55 * Rf * W0 / (N * ecc);
  const double sg = N * (e / (h0 * lever) - 1.0) / As;
  const double sigma = RoundTo(N * ecc / W0, 2);
  const double lf = nu * (6.0 + 0.055 * d / mu);
  if (mu * sg == 0) return fail("钢筋应力为 0，裂缝宽度无法计算。");
  const double psi = 1.0 - 0.22 * Rf / (mu * sg);
  double width = 2.0 * lf * (psi * (sg - 200.0) / 2.0e7 - 0.7 / 10000.0);
  if (width < 0) width = 0;
  r.Kf = RoundTo(Kf, 2);
  r.width = RoundTo(width, 4);
  r.edgeMPa = RoundTo(sigma / 100.0, 2);
  if (!shell::AllFinite({r.Kf, r.width, r.edgeMPa})) return fail("计算结果超出数值范围。");
  r.ok = true;
  return r;
}

}  // namespace ketrova
