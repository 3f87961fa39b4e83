#include "semigravity.h"

#include "numbers.h"

#include <cmath>
#include <vector>

namespace ketrova {

using shell::RoundTo;
using shell::sgl;

namespace {

constexpr double kW = kWaterUnitWeight;
constexpr double kConcrete = 24.0;
constexpr double kPlasticity = 1.55;

// A weight and its lever about the toe tip.
struct Piece {
  double W, x;
};
double SumW(const std::vector<Piece>& p) {
  double s = 0;
  for (const Piece& q : p) s += q.W;
  return s;
}
double SumM(const std::vector<Piece>& p) {
  double s = 0;
  for (const Piece& q : p) s += q.W * q.x;
  return s;
}

std::string OutsideTheMethod(const SemiGravityInputs& in) {
  if (!(in.B > 0.0f)) return "墙底总宽 B 必须大于 0。";
  if (!(in.H > 0.0f)) return "墙身总高 H 必须大于 0。";
  if (!(in.gamma1 > 0.0f)) return "回填土湿容重 γ1 必须大于 0。";
  if (!(in.H1 > 0.0f) || !(in.H2 > 0.0f) || !(in.H3 > 0.0f))
    return "墙背三级斜面段高 H1、H2、H3 都必须大于 0（墙背只有两级斜面时按提示 1 分为三级）。";
  if (!(in.B1 > 0.0f) || !(in.B2 > 0.0f))
    return "墙背第一、二级斜面段底宽 B1、B2 必须大于 0（控制截面厚度）。";
  if (!(in.H5 > 0.0f)) return "前趾变厚段高 H5 必须大于 0（前趾根部截面厚度）。";
  for (float v : {in.B0, in.B3, in.B4, in.B5, in.B6, in.H4})
    if (v < 0.0f) return "墙身宽度及墙趾高不能为负值。";
  if (in.H5 < in.H4) return "前趾变厚段高 H5 不能小于墙趾高 H4。";
  if (std::string why = WaterAndLoadCheck(in.H, in.h1, in.h2, in.d, in.q, in.f); !why.empty())
    return why;
  if (in.gamma2 < 0.0f) return "回填土浮容重 γ2 不能为负值。";
  return std::string();
}

std::string GeometryWarning(const SemiGravityInputs& in) {
  std::string w;
  const double hs = static_cast<double>(in.H1) + in.H2 + in.H3 + in.H4;
  const double bs = static_cast<double>(in.B4) + in.B5 + in.B3 + in.B6;
  if (!WithinAMillimetre(std::fabs(in.H - hs), {in.H, in.H1, in.H2, in.H3, in.H4}))
    w += "注意：墙身总高 H 与 H1 + H2 + H3 + H4 不符，已按输入值计算。";
  if (!WithinAMillimetre(std::fabs(in.B - bs), {in.B, in.B4, in.B5, in.B3, in.B6}))
    w += "注意：墙底总宽 B 与 B4 + B5 + B3 + B6 不符，已按输入值计算。";
  return w;
}

}  // namespace

SemiGravityResults SemiGravityWallCase(const SemiGravityInputs& in, float waterStopMode) {
  SemiGravityResults r;
  auto fail = [&](std::string message) {
    r.ok = false;
    r.message = std::move(message);
    return r;
  };

  r.friction = EquivalentFrictionAngle(in.phi, in.C, in.gamma1, in.H);
  if (const std::string why = OutsideTheMethod(in); !why.empty()) return fail(why + "未进行计算。");
  if (!r.friction.ok) return fail(r.friction.message);
  r.warning = GeometryWarning(in);
  const float phi = r.friction.phiUsed;

  const double B = in.B, B0 = in.B0, B1 = in.B1, B2 = in.B2, B3 = in.B3, B4 = in.B4, B5 = in.B5,
               B6 = in.B6;
  const double H1 = in.H1, H2 = in.H2, H3 = in.H3, H4 = in.H4, H5 = in.H5;
  const double g1 = in.gamma1, g2 = in.gamma2, h1 = in.h1, h2 = in.h2;

  r.h0 = SurchargeHeight(in.q, in.gamma1);
  r.zw = WaterTableDepth(in.H, in.h1);
  const double h0 = r.h0, zw = r.zw;
  const float zws = sgl(zw);
  r.a1 = sgl((H1 - zw) * (B1 - B0) / H1);
  r.a2 = sgl((H1 + H2 - zw) * (B2 - B1) / H2);
  r.a3 = sgl((H1 + H2 + H3 - zw) * (B3 - B2) / H3);
  const double a1 = r.a1, a2 = r.a2, a3 = r.a3;

  // Wall weight: eight pieces of concrete, each area a single.
  const double xf = B4 + B5;
  const double L = B - B4 - B5;
  {
    const std::vector<Piece> wall = {
        {sgl(B0 * H1), xf + B0 / 2.0},
        {sgl((B1 - B0) * H1 / 2.0), xf + B0 + (B1 - B0) / 3.0},
        {sgl(B1 * H2), xf + B1 / 2.0},
        {sgl((B2 - B1) * H2 / 2.0), xf + B1 + (B2 - B1) / 3.0},
        {sgl(B2 * H3), xf + B2 / 2.0},
        {sgl((B3 - B2) * H3 / 2.0), xf + B2 + (B3 - B2) / 3.0},
        {sgl(B * H4), B / 2.0},
        {sgl((H5 - H4) * B5 / 2.0), B4 + 2.0 * B5 / 3.0},
    };
    r.Wwall = kConcrete * SumW(wall);
    r.Mwall = kConcrete * SumM(wall);
  }

  // Where the water table stands (compared as singles).
  const bool wet = in.h1 > in.H4;
  const bool case1 = wet && zws <= in.H1;
  const bool case2 = wet && zws > in.H1 && zws <= sgl(H1 + H2);
  // Within the tolerance of a consistent height the water table just above
  // the slab still lies on step 3.
  const bool case3 = wet && zws > sgl(H1 + H2) &&
                     (zws <= sgl(H1 + H2 + H3) ||
                      WithinAMillimetre(zw - (H1 + H2 + H3), {zws, in.H, in.h1, in.H1, in.H2, in.H3}));
  if (wet && !case1 && !case2 && !case3)
    return fail(
        "地下水位 h1 高于墙趾而低于第三级斜面底（墙身总高 H 大于 H1 + H2 + H3 + H4），"
        "土重无法确定，未进行计算。");

  // Soil prisms and the water held in the submerged fill, with their levers.
  std::vector<Piece> soil, water;
  const double wq = B - B0 - B4 - B5;
  soil.push_back({g1 * h0 * wq, xf + B0 + wq / 2.0});
  const Piece S3x{0, xf + B2 + (L - B2) / 2.0}, S4x{0, xf + B1 + 2.0 * (B2 - B1) / 3.0},
      S5x{0, B - B6 / 2.0}, S6x{0, xf + B2 + 2.0 * (B3 - B2) / 3.0};
  auto S1 = [&](double g) { soil.push_back({g * H1 * (L - B1), xf + B1 + (L - B1) / 2.0}); };
  auto S2 = [&](double g) { soil.push_back({g * (B1 - B0) * H1 / 2.0, xf + B0 + 2.0 * (B1 - B0) / 3.0}); };
  auto S3 = [&](double g) { soil.push_back({g * H2 * (L - B2), S3x.x}); };
  auto S4 = [&](double g) { soil.push_back({g * (B2 - B1) * H2 / 2.0, S4x.x}); };
  auto S5 = [&](double g) { soil.push_back({g * B6 * H3, S5x.x}); };
  auto S6 = [&](double g) { soil.push_back({g * (B3 - B2) * H3 / 2.0, S6x.x}); };
  // A sloped step split at the water table: top width bt, bottom width bb of
  // the stem at that step, its submerged width a, dry height zd and wet
  // height zs.
  auto Split = [&](double bt, double bb, double a, double zd, double zs) {
    soil.push_back({g1 * zd * (L - bb + a), xf + bb - a + (L - bb + a) / 2.0});
    soil.push_back({g2 * zs * (L - bb), xf + bb + (L - bb) / 2.0});
    soil.push_back({g1 * zd * ((bb - bt) - a) / 2.0, xf + bt + 2.0 * ((bb - bt) - a) / 3.0});
    soil.push_back({g2 * a * zs / 2.0, xf + bb - a / 3.0});
    water.push_back({kW * zs * (L - bb), xf + bb + (L - bb) / 2.0});
    water.push_back({kW * a * zs / 2.0, xf + bb - a / 3.0});
  };
  if (!wet) {
    r.waterCase = StemWaterCase::Dry;
    S1(g1), S2(g1), S3(g1), S4(g1), S5(g1), S6(g1);
  } else if (case1) {
    r.waterCase = StemWaterCase::Step1;
    Split(B0, B1, a1, zw, H1 - zw);
    S3(g2), S4(g2), S5(g2), S6(g2);
    water.push_back({kW * H2 * (L - B2), S3x.x});
    water.push_back({kW * (B2 - B1) * H2 / 2.0, S4x.x});
    water.push_back({kW * B6 * H3, S5x.x});
    water.push_back({kW * (B3 - B2) * H3 / 2.0, S6x.x});
  } else if (case2) {
    r.waterCase = StemWaterCase::Step2;
    S1(g1), S2(g1);
    Split(B1, B2, a2, zw - H1, H1 + H2 - zw);
    S5(g2), S6(g2);
    water.push_back({kW * B6 * H3, S5x.x});
    water.push_back({kW * (B3 - B2) * H3 / 2.0, S6x.x});
  } else {
    r.waterCase = StemWaterCase::Step3;
    S1(g1), S2(g1), S3(g1), S4(g1);
    Split(B2, B3, a3, zw - H1 - H2, H1 + H2 + H3 - zw);
  }
  r.Wsoil = SumW(soil);
  r.Msoil = SumM(soil);
  r.Wwback = SumW(water);
  r.Mwback = SumM(water);

  // Water over the toe. The water over the thickening is a triangle whose
  // tall side stands at x = B4, so its centroid lies at B4 + s/3.
  if (in.h2 > in.H4 && in.h2 <= in.H5) {
    const double s = B5 * (h2 - H4) / (H5 - H4);
    r.Wtoe = kW * ((h2 - H4) * s / 2.0 + (h2 - H4) * B4);
    r.Mtoe = kW * (h2 - H4) * s / 2.0 * (B4 + s / 3.0) + kW * (h2 - H4) * B4 * B4 / 2.0;
  } else if (in.h2 > in.H5) {
    r.Wtoe = kW * ((B4 + B5) * (h2 - H4) - B5 * (H5 - H4) / 2.0);
    r.Mtoe = kW * (B4 + B5) * (B4 + B5) * (h2 - H4) / 2.0 -
             kW * B5 * (H5 - H4) / 2.0 * (B4 + 2.0 * B5 / 3.0);
  }

  r.uplift = UpliftForce(in.B, in.h1, in.h2, waterStopMode);
  r.back = BackWaterThrust(in.h1);
  r.front = FrontWaterThrust(in.h2, in.d, waterStopMode);

  r.Ka = RankineCoefficient(phi);
  r.thrust = LayeredEarthThrust(r.Ka, in.H, in.h1, zw, r.h0, in.gamma1, in.gamma2);
  if (!r.thrust.ok) return fail("朗肯土压力强度为 0，土压力作用点无法确定，未进行计算。");

  StabilityLoads loads;
  loads.B = B;
  loads.f = in.f;
  loads.Wwall = r.Wwall;
  loads.Mwall = r.Mwall;
  loads.Wsoil = r.Wsoil;
  loads.Msoil = r.Msoil;
  loads.Wwback = r.Wwback;
  loads.Mwback = r.Mwback;
  loads.Wtoe = r.Wtoe;
  loads.Mtoe = r.Mtoe;
  loads.Eh = r.thrust.E;
  loads.MEh = r.thrust.ME;
  SetWaterLoads(loads, r.uplift, r.back, r.front);
  r.st = StabilityAboutToe(loads, "朗肯");
  if (!r.st.ok) return fail(r.st.message);

  // The Coulomb set: level fill, no wall friction, the back taken as the
  // straight line from the top of the stem to the foot of step 3. The
  // vertical thrust acts on that line.
  {
    CoulombSet& c = r.coulomb;
    const double hb = H1 + H2 + H3;
    c.epsilon = std::atan((B3 - B0) / hb);
    const double phiR = phi * kPi / 180.0;
    const double cs = std::cos(c.epsilon), sn = std::sin(c.epsilon);
    // With δ = β = 0 the coefficient reads cos²(φ − ε)/(cos³ε·(1 + √(sin²φ/cos²ε))²).
    c.K = std::cos(phiR - c.epsilon) * std::cos(phiR - c.epsilon) /
          (cs * cs * cs * std::pow(1.0 + std::sqrt(std::sin(phiR) * std::sin(phiR) / (cs * cs)), 2));
    c.thrust = LayeredEarthThrust(c.K, in.H, in.h1, zw, r.h0, in.gamma1, in.gamma2);
    if (std::isfinite(c.K) && c.thrust.ok) {
      const EarthThrust& t = c.thrust;
      c.Eh = t.E * cs;
      c.MEh = t.ME * cs;
      c.Ev = t.E * sn;
      const double te = std::tan(c.epsilon);
      const double mv =
          ThrustDiagramMoment(t, in.H, zw, h1, [&](double z) { return xf + B0 + z * te; });
      c.MEv = mv * sn;
      StabilityLoads cl = loads;
      cl.Wsoil = c.Ev;
      cl.Msoil = c.MEv;
      cl.Eh = c.Eh;
      cl.MEh = c.MEh;
      c.st = StabilityAboutToe(cl, "库伦");
      c.ok = c.st.ok;
    }
  }

  for (double v : {r.friction.phid, r.Wwall, r.Wsoil, r.Wwback, r.Wtoe, static_cast<double>(r.uplift.U),
                   r.Ka, r.thrust.E, r.back.P - r.front.P, r.st.sumV, r.st.Mr, r.st.Mo, r.st.e,
                   r.st.sf, r.st.sb, r.st.eta, r.st.Kc, r.st.K0})
    if (!std::isfinite(static_cast<float>(v)))
      return fail(kOutOfRangeMessage);

  // ------------------------------------------------ control sections
  // They take Ka and the base pressures as the results file keeps them.
  const double Ka = RoundTo(r.Ka, 3);
  const double sf = RoundTo(r.st.sf, 2), sb = RoundTo(r.st.sb, 2);
  const double gs = g2 + kW;  // saturated fill
  const double dg = gs - g1;  // its excess over the moist weight
  const float t3 = sgl(H3 + H4);
  const bool dryStem = t3 >= in.h1;
  const bool sc1 = zws <= in.H1;
  const bool sc2 = zws > in.H1 && (zws <= sgl(H1 + H2) ||
                                   (!dryStem && WithinAMillimetre(zw - (H1 + H2), {zws, in.H, in.h1, in.H1, in.H2})));
  if (!dryStem && !sc1 && !sc2)
    return fail(
        "地下水位 h1 高于底板顶面而低于第二级斜面底（墙身总高 H 大于 H1 + H2 + H3 + H4），"
        "控制截面无法计算，未进行计算。");
  const double zs1 = H1 - zw;  // water height above section 1 (case 1)
  const double Hs = H1 + H2;
  const double zs2 = Hs - zw;  // water height above section 2

  ControlSection& s1 = r.sections[0];
  ControlSection& s2 = r.sections[1];
  ControlSection& s3 = r.sections[2];
  ControlSection& s4 = r.sections[3];
  s1.t = in.B1;
  s2.t = in.B2;
  s3.t = t3;
  s4.t = in.H5;
  s1.hasN = s2.hasN = true;

  // Section 1, the stem at depth H1.
  const double N1dry = kConcrete * B0 * H1 + kConcrete * (B1 - B0) * H1 / 2.0 + g1 * (B1 - B0) * H1 / 2.0;
  const double M1dry = kConcrete * B0 * H1 * (B1 / 2.0 - B0 / 2.0) +
                       kConcrete * (B1 - B0) * H1 / 2.0 * (2.0 * (B1 - B0) / 3.0 - B1 / 2.0) +
                       g1 * (B1 - B0) * H1 / 2.0 * ((B1 - B0) / 3.0 - B1 / 2.0) +
                       Ka * g1 * h0 * H1 * H1 / 2.0 + Ka * g1 * H1 * H1 * H1 / 6.0;
  if (dryStem) s1.N = N1dry, s1.M = M1dry;
  if (sc1) {
    s1.N = kConcrete * B0 * H1 + kConcrete * (B1 - B0) * H1 / 2.0 + g1 * a1 * zw +
           g1 * ((B1 - B0) - a1) * zw / 2.0 + gs * a1 * zs1 / 2.0;
    s1.M = M1dry - (g1 - g2) * Ka * std::pow(zs1, 3) / 6.0 + kW * std::pow(zs1, 3) / 6.0 +
           dg * a1 * zs1 / 2.0 * (a1 / 3.0 - B1 / 2.0);
  }
  if (sc2) s1.N = N1dry, s1.M = M1dry;

  // Section 2, the stem at depth H1 + H2.
  const double Wst = kConcrete * B0 * H1 * (B2 / 2.0 - B0 / 2.0) +
                     kConcrete * (B1 - B0) * H1 / 2.0 * (B2 / 2.0 - B0 - (B1 - B0) / 3.0) +
                     g1 * (B1 - B0) * H1 / 2.0 * ((B1 - B0) / 3.0 + B2 / 2.0 - B1) +
                     kConcrete * B1 * H2 * (B2 / 2.0 - B1 / 2.0) +
                     kConcrete * (B2 - B1) * H2 / 2.0 * (2.0 * (B2 - B1) / 3.0 - B2 / 2.0);
  const double Wso = g1 * (B2 - B1) * H2 / 2.0 * ((B2 - B1) / 3.0 - B2 / 2.0) +
                     g1 * (B2 - B1) * H1 * ((B2 - B1) / 2.0 - B2 / 2.0);
  const double Th = Ka * g1 * h0 * Hs * Hs / 2.0 + Ka * g1 * Hs * Hs * Hs / 6.0;
  const double stemAbove = kConcrete * B0 * H1 + kConcrete * (B1 - B0) * H1 / 2.0;
  const double step2 = kConcrete * B1 * H2 + kConcrete * (B2 - B1) * H2 / 2.0;
  const double wet2 = -(g1 - g2) * Ka * std::pow(zs2, 3) / 6.0 + kW * std::pow(zs2, 3) / 6.0;
  if (dryStem) {
    s2.N = stemAbove + g1 * (B1 - B0) * H1 / 2.0 + step2 + g1 * (B2 - B1) * H2 / 2.0 + g1 * (B2 - B1) * H1;
    s2.M = Wst + Wso + Th;
  }
  if (sc1) {
    s2.N = stemAbove + g1 * a1 * zw + g1 * ((B1 - B0) - a1) * zw / 2.0 + gs * a1 * zs1 / 2.0 + step2 +
           gs * (B2 - B1) * H2 / 2.0 + g1 * (B2 - B1) * zw + gs * (B2 - B1) * zs1;
    s2.M = Wst + Wso + Th + wet2 + dg * a1 * zs1 / 2.0 * (B2 / 2.0 - B1 + a1 / 3.0) +
           dg * (B2 - B1) * zs1 * (B2 / 2.0 - B1 - (B2 - B1) / 2.0) +
           dg * (B2 - B1) * H2 / 2.0 * ((B2 - B1) / 3.0 - B2 / 2.0);
  }
  if (sc2) {
    s2.N = stemAbove + g1 * (B1 - B0) * H1 / 2.0 + step2 + g1 * a2 * (zw - H1) +
           g1 * ((B2 - B1) - a2) * (zw - H1) / 2.0 + gs * a2 * zs2 / 2.0 + g1 * (B2 - B1) * H1;
    s2.M = Wst + Wso + Th + wet2 + dg * a2 * zs2 / 2.0 * (a2 / 3.0 - B2 / 2.0);
  }

  // Base pressure and uplift at sections 3 and 4. The base pressures are
  // those left after the uplift of the stability calculation, so the
  // sections take that same uplift back: with a water stop a uniform head
  // h1, otherwise a head running linearly from h2 at the toe tip to h1 at
  // the heel end, each section taking it at its own distance from the toe
  // tip.
  const double L3 = B - B2 - B4 - B5;
  const double L4 = B4 + B5;
  const double s3b = sb + (sf - sb) * L3 / B;
  const double s4b = sb + (sf - sb) * (B - B4 - B5) / B;
  const bool uniformUplift = waterStopMode == WaterStop;
  const double headToe = uniformUplift ? h1 : h2;  // at the toe tip
  const double u3 = kW * (headToe + (h1 - headToe) / B * (B4 + B2 + B5));
  const double u4 = kW * (headToe + (h1 - headToe) / B * (B4 + B5));

  // Section 3, the heel where back steps 2 and 3 meet. The surcharge on
  // the fill over the heel presses on it as it does on the base pressure.
  {
    const double l = L3 - B6;
    double M = g1 * h0 * L3 * L3 / 2.0 + g1 * (H1 + H2) * L3 * L3 / 2.0 + g1 * B6 * H3 * (L3 - B6 / 2.0) + g1 * H3 * l * l / 3.0 +
               kConcrete * H3 * l * l / 6.0 + kConcrete * H4 * L3 * L3 / 2.0 - sb * L3 * L3 / 2.0 -
               (s3b - sb) * L3 * L3 / 6.0;
    if (in.h1 > t3)
      M += dg * ((H1 + H2 - zw) * L3 * L3 / 2.0 + H3 * l * l / 3.0 + B6 * H3 * (L3 - B6 / 2.0));
    // Water standing over the slab but below step 3's top wets the lower part
    // of the heel prism and the tip of the fill triangle on step 3's slope: a
    // triangle zs high and w = zs·l/H3 wide at the water table, whose
    // centroid lies l − w/3 from the section. Water inside the slab wets no
    // fill at all.
    const double zs = H1 + H2 + H3 - zw;
    if (in.h1 > in.H4 && t3 >= in.h1 && zs > 0.0) {
      const double w = zs * l / H3;
      M += dg * (zs * w / 2.0 * (l - w / 3.0) + zs * B6 * (L3 - B6 / 2.0));
    }
    // The uplift: a trapezoid from u3 at the section to 10·h1 at the heel end.
    M -= u3 * L3 * L3 / 2.0 + (kW * h1 - u3) * L3 * L3 / 3.0;
    s3.M = M;
  }

  // Section 4, the toe root. The water over the thickening is a triangle
  // whose tall side stands at x = B4: its centroid lies s/3 from there, that
  // is B5 − s/3 from the section.
  {
    double M = s4b * L4 * L4 / 2.0 + (sf - s4b) * L4 * L4 / 3.0 - kConcrete * H4 * L4 * L4 / 2.0 -
               kConcrete * B5 * B5 * (H5 - H4) / 6.0;
    if (in.h2 > in.H5) {
      M -= kW * L4 * L4 * (h2 - H5) / 2.0 + kW * (H5 - H4) * B4 * (B4 / 2.0 + B5) +
           kW * B5 * B5 * (H5 - H4) / 3.0;
    } else if (in.h2 > in.H4) {
      const double s = B5 * (h2 - H4) / (H5 - H4);
      M -= kW * (h2 - H4) * B4 * (B4 / 2.0 + B5) + kW * (h2 - H4) * s / 2.0 * (B5 - s / 3.0);
    }
    // The uplift: a trapezoid from its toe-tip value to u4 at the section.
    M += kW * headToe * L4 * L4 / 2.0 + (u4 - kW * headToe) * L4 * L4 / 6.0;
    s4.M = M;
  }

  // Stresses and factors.
  for (std::size_t i = 0; i < 4; ++i) {
    ControlSection& s = r.sections[i];
    const double t = s.t;
    s.sigma = 6.0 * s.M / (t * t) - (s.hasN ? s.N / t : 0.0);
    if (s.sigma != 0.0) {
      s.hasK = true;
      s.K = kPlasticity * in.Rl / s.sigma;
    } else {
      r.warning += "注意：截面 " + std::to_string(i + 1) + " 最大拉应力为 0，安全系数无法计算。";
    }
    for (double v : {s.M, s.N, s.sigma, s.K})
      if (!std::isfinite(static_cast<float>(v)))
        return fail("控制截面计算结果超出数值范围，请检查基本资料。未给出成果。");
  }

  r.ok = true;
  return r;
}

}  // namespace ketrova
