#include "earthpressure.h"

#include "numbers.h"

#include <cmath>
#include <limits>

namespace ketrova {

using shell::sgl;

namespace {

double Radians(double degrees) { return degrees * kPi / 180.0; }

}  // namespace

double TypedRounding(std::initializer_list<float> typed) {
  double sum = 0;
  for (const float v : typed) {
    const float a = std::fabs(v);
    sum += static_cast<double>(std::nextafter(a, std::numeric_limits<float>::infinity())) - a;
  }
  return sum / 2.0;
}

std::string WaterAndLoadCheck(float H, float h1, float h2, float d, float q, float f) {
  if (h1 < 0.0f || h2 < 0.0f || d < 0.0f) return "地下水位 h1、墙前水深 h2 及止水高 d 不能为负值。";
  if (h1 > H) return "地下水位 h1 高于墙顶（h1 > H），超出计算方法的范围。";
  if (q < 0.0f) return "回填土顶面均布荷载 q 不能为负值。";
  if (f < 0.0f) return "墙底与地基间摩擦系数 f 不能为负值。";
  return std::string();
}

FrictionAngle EquivalentFrictionAngle(float phi, float C, float gamma1, float H) {
  FrictionAngle r;
  r.phiUsed = phi;
  if (!(phi >= 0.0f && phi < 90.0f)) {
    r.message = "回填土内摩擦角 φ 应在 0～90 度之间（不含 90 度），无法计算。";
    return r;
  }
  if (!(H > 0.0f) || !(gamma1 > 0.0f)) {
    r.message = "墙身总高 H 和回填土湿容重 γ1 必须大于 0，无法计算等值摩擦角。";
    return r;
  }
  const double t = std::tan(Radians(45.0 - phi / 2.0));
  const double c = 2.0 * C / (static_cast<double>(gamma1) * H);
  if (C > 0.0f && c >= t) {
    // Past this point |t − 2C/(γ1·H)| grows again and φd falls back, then
    // turns negative: the formula no longer describes the fill.
    r.message =
        "回填土凝聚力 C 过大（2C/(γ1·H) ≥ tan(45° − φ/2)），等值摩擦角公式已不适用，"
        "未进行计算。";
    return r;
  }
  // R = (γ1·H²·t² − 4·C·H·t + 4·C²/γ1)/(H²·γ1) = (t − 2C/(γ1·H))²; the
  // square form keeps the radicand from going negative by rounding.
  r.phid = 2.0 * (45.0 - std::atan(std::fabs(t - c)) * 180.0 / kPi);
  if (C > 0.0f) r.phiUsed = sgl(r.phid);
  r.ok = true;
  return r;
}

double RankineCoefficient(float phiUsed) {
  const double t = std::tan(Radians(45.0 - phiUsed / 2.0));
  return t * t;
}

float SurchargeHeight(float q, float gamma1) { return sgl(static_cast<double>(q) / gamma1); }

double WaterTableDepth(float H, float h1) {
  const float zw = sgl(static_cast<double>(H) - h1);
  if (zw == 0.0f) return 0.001;
  return zw;
}

EarthThrust LayeredEarthThrust(double K, float H, float h1, double zw, float h0, float gamma1,
                               float gamma2) {
  EarthThrust r;
  const double g1 = gamma1, g2 = gamma2, hh = H, w = h1, s = h0;
  if (h1 > 0.0f) {
    r.layered = true;
    r.et = K * g1 * s;
    r.ew = K * g1 * (zw + s);
    r.eb = K * ((zw + s) * g1 + w * g2);
    if (r.et + r.ew == 0.0 || r.ew + r.eb == 0.0) return r;
    r.E1 = (r.et + r.ew) * zw / 2.0;
    r.y1 = w + zw * (r.ew + 2.0 * r.et) / (3.0 * (r.ew + r.et));
    r.E2 = (r.ew + r.eb) * w / 2.0;
    r.y2 = w * (r.eb + 2.0 * r.ew) / (3.0 * (r.eb + r.ew));
    r.E = r.E1 + r.E2;
    r.ME = r.E1 * r.y1 + r.E2 * r.y2;
  } else {
    r.et = K * g1 * s;
    r.eb = K * g1 * (hh + s);
    if (r.et + r.eb == 0.0) return r;
    r.E1 = (r.et + r.eb) * hh / 2.0;
    r.y1 = hh * (r.eb + 2.0 * r.et) / (3.0 * (r.eb + r.et));
    r.E = r.E1;
    r.ME = r.E1 * r.y1;
  }
  r.ok = std::isfinite(r.E) && std::isfinite(r.ME);
  return r;
}

WaterThrust BackWaterThrust(float h1) {
  WaterThrust r;
  const double w = h1;
  r.P = kWaterUnitWeight * w * w / 2.0;
  r.M = r.P * w / 3.0;
  return r;
}

WaterThrust FrontWaterThrust(float h2, float d, float waterStopMode) {
  WaterThrust r;
  if (h2 > 0.0f && waterStopMode == NoWaterStop) {
    const double h = h2;
    r.P = kWaterUnitWeight * h * h / 2.0;
    r.M = r.P * h / 3.0;
  } else if (waterStopMode == WaterStop && h2 > d) {
    const double a = static_cast<double>(h2) - d;
    r.P = kWaterUnitWeight * a * a / 2.0;
    r.M = r.P * (d + a / 3.0);
  }
  return r;
}

Uplift UpliftForce(float B, float h1, float h2, float waterStopMode) {
  Uplift r;
  const double b = B, w1 = h1, w2 = h2;
  if (waterStopMode == WaterStop) {
    r.U = sgl(kWaterUnitWeight * w1 * b);
    r.MU = kWaterUnitWeight * b * b * w1 / 2.0;
  } else {
    r.U = sgl(kWaterUnitWeight * (w1 + w2) * b / 2.0);
    if (h1 >= h2)
      r.MU = kWaterUnitWeight * b * b * w2 / 2.0 + kWaterUnitWeight * b * b * (w1 - w2) / 3.0;
    else
      r.MU = kWaterUnitWeight * b * b * w1 / 2.0 + kWaterUnitWeight * b * b * (w2 - w1) / 6.0;
  }
  return r;
}

void SetWaterLoads(StabilityLoads& loads, const Uplift& uplift, const WaterThrust& back,
                   const WaterThrust& front) {
  loads.U = uplift.U;
  loads.MU = uplift.MU;
  loads.Pw1 = back.P;
  loads.MPw1 = back.M;
  loads.Pw2 = front.P;
  loads.MPw2 = front.M;
}

Stability StabilityAboutToe(const StabilityLoads& l, const std::string& row) {
  Stability r;
  auto fail = [&](const char* what) {
    r.ok = false;
    r.message = row + "公式一行：" + what + "，无法计算稳定成果。";
    return r;
  };
  r.sumV = l.Wwall + l.Wsoil + l.Wwback + l.Wtoe - l.U;
  r.Mr = l.Mwall + l.Msoil + l.Mwback + l.Mtoe + l.MPw2;
  r.Mo = l.MEh + l.MPw1 + l.MU;
  if (r.sumV == 0.0) return fail("垂直荷载总和为 0");
  if (r.Mo == 0.0) return fail("倾覆力矩为 0");
  const double push = l.Eh + l.Pw1 - l.Pw2;
  if (push == 0.0) return fail("水平推力合计为 0");
  r.e = l.B / 2.0 - (r.Mr - r.Mo) / r.sumV;
  r.sf = r.sumV / l.B * (1.0 + 6.0 * r.e / l.B);
  r.sb = r.sumV / l.B * (1.0 - 6.0 * r.e / l.B);
  if (r.sb == 0.0) return fail("墙底后端压力为 0，不均匀系数无法计算");
  r.eta = r.sf / r.sb;
  if (r.eta < 1.0) {
    if (r.eta == 0.0) return fail("墙底前端压力为 0，不均匀系数无法计算");
    r.eta = 1.0 / r.eta;
  }
  r.Kc = l.f * r.sumV / push;
  r.K0 = r.Mr / r.Mo;
  if (!shell::AllFinite({r.sumV, r.Mr, r.Mo, r.e, r.sf, r.sb, r.eta, r.Kc, r.K0}))
    return fail("出现无法表示的数值");
  r.ok = true;
  return r;
}

}  // namespace ketrova
