#include "gravitywall.h"

#include "numbers.h"

#include <cmath>

namespace ketrova {

using shell::sgl;

namespace {

constexpr double kW = kWaterUnitWeight;

// Why the typed data lie outside what the method describes; "" when they
// are within it.
std::string OutsideTheMethod(const GravityWallInputs& in) {
  if (!(in.B > 0.0f)) return "墙底总宽 B 必须大于 0。";
  if (!(in.H > 0.0f)) return "墙身总高 H 必须大于 0。";
  if (!(in.gamma1 > 0.0f)) return "回填土湿容重 γ1 必须大于 0。";
  if (in.B0 < 0.0f || in.B1 < 0.0f || in.B2 < 0.0f || in.B3 < 0.0f)
    return "墙身宽度 B0、B1、B2、B3 不能为负值。";
  if (in.H1 < 0.0f || in.H2 < 0.0f || in.H3 < 0.0f) return "墙身高度 H1、H2、H3 不能为负值。";
  if (in.B1 < in.B0) return "趾面墙底宽 B1 不能小于墙顶宽 B0（墙背应向后倾斜或竖直）。";
  if (in.H2 == 0.0f && in.B1 != in.B0)
    return "墙背斜面段高 H2 为 0 而 B1 与 B0 不等，墙背斜面无法确定。";
  if (std::string why = WaterAndLoadCheck(in.H, in.h1, in.h2, in.d, in.q, in.f); !why.empty())
    return why;
  if (in.gamma2 < 0.0f || in.gammaBase < 0.0f || in.gammaWall < 0.0f)
    return "回填土浮容重及墙体材料容重不能为负值。";
  return std::string();
}

std::string GeometryWarning(const GravityWallInputs& in) {
  std::string w;
  const double hs = static_cast<double>(in.H1) + in.H2 + in.H3;
  const double bs = static_cast<double>(in.B2) + in.B1 + in.B3;
  if (!WithinAMillimetre(std::fabs(in.H - hs), {in.H, in.H1, in.H2, in.H3}))
    w += "注意：墙身总高 H 与 H1 + H2 + H3 不符，已按输入值计算。";
  if (!WithinAMillimetre(std::fabs(in.B - bs), {in.B, in.B2, in.B1, in.B3}))
    w += "注意：墙底总宽 B 与 B2 + B1 + B3 不符，已按输入值计算。";
  return w;
}

}  // namespace

double CoulombCoefficient(double phi, double epsilon, double delta, double beta) {
  const double radicand = std::sin(phi + delta) * std::sin(phi - beta) /
                          (std::cos(epsilon - beta) * std::cos(epsilon + delta));
  if (!(radicand >= 0.0)) return std::nan("");
  const double root = 1.0 + std::sqrt(radicand);
  const double ce = std::cos(epsilon);
  const double cp = std::cos(phi - epsilon);
  return cp * cp / (ce * ce * std::cos(epsilon + delta) * root * root);
}

GravityWallResults GravityWallCase(const GravityWallInputs& in, float waterStopMode) {
  GravityWallResults r;
  auto fail = [&](std::string message) {
    r.ok = false;
    r.message = std::move(message);
    return r;
  };

  // Steps 1-2: the friction angle used (the window has saved the data).
  r.friction = EquivalentFrictionAngle(in.phi, in.C, in.gamma1, in.H);
  if (const std::string why = OutsideTheMethod(in); !why.empty()) return fail(why + "未进行计算。");
  if (!r.friction.ok) return fail(r.friction.message);
  const float phi = r.friction.phiUsed;
  if (in.beta > phi)
    return fail("填土面与水平面夹角 β 大于计算采用的内摩擦角 φ，库伦公式不适用，未进行计算。");
  r.warning = GeometryWarning(in);

  const double B = in.B, B0 = in.B0, B1 = in.B1, B2 = in.B2, B3 = in.B3;
  const double H = in.H, H1 = in.H1, H2 = in.H2, H3 = in.H3;
  const double g1 = in.gamma1, g2 = in.gamma2;
  const double h1 = in.h1, h2 = in.h2;

  // Step 4 of the method: surcharge height and water-table depth.
  r.h0 = SurchargeHeight(in.q, in.gamma1);
  r.zw = WaterTableDepth(in.H, in.h1);
  const double h0 = r.h0, zw = r.zw;

  // Wall weight and its moment about the toe tip.
  const double b = B1 - B0;  // width of the sloped part of the back
  r.Wwall = sgl((b * H2 / 2.0 + B0 * (H1 + H2)) * in.gammaWall + B * H3 * in.gammaBase);
  r.Mwall = B * B * H3 / 2.0 * in.gammaBase +
            ((b / 3.0 + B0 + B2) * b * H2 / 2.0 + B0 * (H1 + H2) * (B2 + B0 / 2.0)) * in.gammaWall;

  // Back inclination; a vertical back (B1 = B0) needs no H2.
  r.epsilon = (in.B1 == in.B0) ? 0.0 : std::atan(b / H2);
  const double te = std::tan(r.epsilon);

  // Soil prism and water in the backfill.
  double Wsoil = 0, Msoil = 0;
  const double surcharge = g1 * h0 * (B - B0 - B2);
  const bool belowSlope = in.h1 <= in.H3;  // no groundwater, or inside the base slab
  const bool above = !belowSlope && sgl(zw) <= in.H1;
  // A height H within the tolerance of H1 + H2 + H3 leaves a gap of under a
  // millimetre between the two water cases: the water table there still
  // crosses the sloped back.
  const bool crossing =
      !belowSlope && (in.h1 <= sgl(H2 + H3) ||
                      (!above && WithinAMillimetre(h1 - (H2 + H3), {in.h1, in.H, in.H1, in.H2, in.H3})));
  if (!belowSlope && !crossing && !above)
    return fail(
        "地下水位 h1 落在墙背直段与斜面段之间的空档内（墙身总高 H 大于 H1 + H2 + H3），"
        "土重无法确定，未进行计算。");
  if (belowSlope) {
    // A water table inside the base slab leaves the fill dry; the thrust, the
    // back water and the uplift still take h1.
    r.soilCase = SoilPrismCase::Dry;
    Wsoil = surcharge + g1 * (b * H1 + (H1 + H2) * B3 + b * H2 / 2.0);
    Msoil = g1 * (B3 * (H1 + H2 + h0) * (B - B3 / 2.0) + b * (H1 + h0) * (B - B3 - b / 2.0) +
                  b * H2 / 2.0 * (B - B3 - b / 3.0));
  }
  if (crossing) {
    r.soilCase = SoilPrismCase::SlopeCrossing;
    const double w = h1 - H3;       // submerged height above the slab
    const double u = H2 + H3 - h1;  // dry height of the sloped back
    const double s = w * te;        // submerged width of the slope
    Wsoil = surcharge + g1 * zw * B3 + g2 * w * B3 + g1 * b * H1 + g1 * s * u +
            g1 * (b - s) * u / 2.0 + g2 * w * s / 2.0;
    Msoil = g1 * (zw + h0) * B3 * (B - B3 / 2.0) + g2 * B3 * w * (B - B3 / 2.0) +
            g1 * (H1 + h0) * b * (B - B3 - b / 2.0) + g1 * s * u * (B - B3 - s / 2.0) +
            g1 * (b - s) * u / 2.0 * (B - B3 - s - (b - s) / 3.0) +
            g2 * w * s / 2.0 * (B - B3 - s / 3.0);
    r.Wwback = kW * (w * w * te / 2.0 + w * B3);
    r.Mwback = kW * B3 * w * (B - B3 / 2.0) + kW * w * s / 2.0 * (B - B3 - s / 3.0);
  }
  if (above) {
    // Applied after the crossing case: where both hold, these values stand.
    r.soilCase = SoilPrismCase::AboveSlope;
    const double w = h1 - H3;
    Wsoil = surcharge + g1 * zw * B3 + g2 * w * B3 + g1 * zw * b + g2 * (H1 - zw) * b +
            g2 * b * H2 / 2.0;
    Msoil = g1 * (zw + h0) * B3 * (B - B3 / 2.0) + g2 * B3 * w * (B - B3 / 2.0) +
            g1 * (zw + h0) * b * (B - B3 - b / 2.0) + g2 * (H1 - zw) * b * (B - B3 - b / 2.0) +
            g2 * b * H2 / 2.0 * (B - B3 - b / 3.0);
    r.Wwback = kW * ((H1 - zw) * b + w * B3 + b * H2 / 2.0);
    r.Mwback = kW * (B3 * w * (B - B3 / 2.0) + (H1 - zw) * b * (B - B3 - b / 2.0) +
                     b * H2 / 2.0 * (B - B3 - b / 3.0));
  }

  // Water on the toe.
  if (in.h2 > in.H3) {
    r.Wtoe = sgl(kW * (h2 - H3) * B2);
    r.Mtoe = static_cast<double>(r.Wtoe) * B2 / 2.0;
  }

  // Uplift and water thrusts.
  r.uplift = UpliftForce(in.B, in.h1, in.h2, waterStopMode);
  r.back = BackWaterThrust(in.h1);
  r.front = FrontWaterThrust(in.h2, in.d, waterStopMode);

  // Coefficients.
  const double phiR = phi * kPi / 180.0;
  const double betaR = in.beta * kPi / 180.0;
  const double deltaR = in.delta * kPi / 180.0;
  r.rankine.K = RankineCoefficient(phi);
  r.coulomb.K = CoulombCoefficient(phiR, r.epsilon, deltaR, betaR);
  if (!std::isfinite(r.coulomb.K) || !(r.coulomb.K > 0.0))
    return fail(
        "库伦土压力系数无法计算（墙背倾角与墙背摩擦角 δ 之和过大，或 β、δ 取值超出公式范围），"
        "未进行计算。");

  // Rankine row.
  r.rankine.thrust = LayeredEarthThrust(r.rankine.K, in.H, in.h1, zw, r.h0, in.gamma1, in.gamma2);
  if (!r.rankine.thrust.ok) return fail("朗肯土压力强度为 0，土压力作用点无法确定，未进行计算。");
  r.rankine.Eh = r.rankine.thrust.E;
  r.rankine.MEh = r.rankine.thrust.ME;
  r.rankine.Wsoil = Wsoil;
  r.rankine.Msoil = Msoil;

  // Coulomb row: the thrust along its line of action, split into horizontal
  // and vertical components; the vertical one acts on the back face.
  const EarthThrust& t = r.coulomb.thrust =
      LayeredEarthThrust(r.coulomb.K, in.H, in.h1, zw, r.h0, in.gamma1, in.gamma2);
  if (!t.ok) return fail("库伦土压力强度为 0，土压力作用点无法确定，未进行计算。");
  const double angle = deltaR + r.epsilon;
  const double cs = std::cos(angle), sn = std::sin(angle);
  r.coulomb.Eh = t.E * cs;
  r.coulomb.MEh = t.ME * cs;
  const double mv =
      ThrustDiagramMoment(t, H, zw, h1, [&](double z) { return B2 + B0 + (z - H1) * te; });
  r.coulomb.Wsoil = t.E * sn;
  r.coulomb.Msoil = mv * sn;

  // Every load that is kept or shown must be a number as a single too.
  const double kept[] = {r.friction.phid, r.Wwall, r.rankine.Wsoil, r.Wwback, r.Wtoe, r.uplift.U,
                         r.coulomb.Wsoil, r.rankine.K, r.coulomb.K, r.rankine.Eh, r.coulomb.Eh,
                         r.back.P - r.front.P};
  for (double v : kept)
    if (!std::isfinite(static_cast<float>(v))) return fail(kOutOfRangeMessage);

  // Stability about the toe, both rows.
  StabilityLoads loads;
  loads.B = B;
  loads.f = in.f;
  loads.Wwall = r.Wwall;
  loads.Mwall = r.Mwall;
  loads.Wwback = r.Wwback;
  loads.Mwback = r.Mwback;
  loads.Wtoe = r.Wtoe;
  loads.Mtoe = r.Mtoe;
  SetWaterLoads(loads, r.uplift, r.back, r.front);
  for (GravityRow* row : {&r.rankine, &r.coulomb}) {
    loads.Wsoil = row->Wsoil;
    loads.Msoil = row->Msoil;
    loads.Eh = row->Eh;
    loads.MEh = row->MEh;
    row->st = StabilityAboutToe(loads, row == &r.rankine ? "朗肯" : "库伦");
    if (!row->st.ok) return fail(row->st.message);
  }

  for (const GravityRow* row : {&r.rankine, &r.coulomb}) {
    const Stability& st = row->st;
    for (double v : {st.sumV, st.Mr, st.Mo, st.e, st.sf, st.sb, st.eta, st.Kc, st.K0})
      if (!std::isfinite(static_cast<float>(v))) return fail(kOutOfRangeMessage);
  }
  r.ok = true;
  return r;
}

}  // namespace ketrova
