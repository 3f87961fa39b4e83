#include "routing.h"

#include "numbers.h"

#include <cmath>

namespace tessarin {

namespace {

std::string Num(float x) { return shell::SingleToText(x); }

// A table fit for interpolation: at least two rows, depths increasing from
// row to row (equal depths in the first two rows would divide by zero, and
// a depth that falls back makes the straight lines meaningless), and values
// that do not fall as the depth rises. `valueWords` and `unit` name the
// value column in the message.
std::optional<std::string> CheckTable(const DepthTable& t, const std::string& title,
                                      const std::string& valueWords, const std::string& unit) {
  const std::size_t n = t.depth.size();
  if (n < 2 || t.value.size() != n) {
    return "“" + title + "”表至少要有 2 组关系值才能插值（现有 " + std::to_string(n) +
           " 组），请改正组数后再计算。";
  }
  for (std::size_t k = 1; k < n; ++k) {
    if (!(t.depth[k] > t.depth[k - 1])) {
      return "“" + title + "”表中的上游水深应逐组增大，第 " + std::to_string(k) + " 组（" +
             Num(t.depth[k - 1]) + " m）与第 " + std::to_string(k + 1) + " 组（" + Num(t.depth[k]) +
             " m）不符，无法插值，请改正后再计算。";
    }
  }
  // A pond that stores less, or a culvert that passes less, at a greater
  // depth has no balance that means anything. Equal neighbours are a level
  // stretch of the curve and stay allowed.
  for (std::size_t k = 1; k < n; ++k) {
    if (t.value[k] < t.value[k - 1]) {
      return "“" + title + "”表中的" + valueWords + "应随上游水深增大而不减小，第 " + std::to_string(k + 1) +
             " 组的" + valueWords + "（" + Num(t.value[k]) + " " + unit + "）小于第 " + std::to_string(k) +
             " 组的（" + Num(t.value[k - 1]) + " " + unit + "），演算无意义，请改正后再计算。";
    }
  }
  return std::nullopt;
}

RoutingResults Failure(std::string message) {
  RoutingResults r;
  r.ok = false;
  r.message = std::move(message);
  return r;
}

}  // namespace

int RowsOfCount(float n) {
  int rows = 0;
  while (rows <= TableRows && static_cast<double>(rows) <= static_cast<double>(n) - 1.0) ++rows;
  return rows;
}

bool IsWholeCount(float n) { return std::isfinite(n) && std::floor(n) == n; }

std::optional<float> TableInterpolation(float h, const DepthTable& t) {
  const std::size_t n = std::min(t.depth.size(), t.value.size());
  for (std::size_t k = 1; k < n; ++k) {
    if (t.depth[k] > h) {
      const double x0 = t.depth[k - 1], x1 = t.depth[k];
      const double y0 = t.value[k - 1], y1 = t.value[k];
      return shell::sgl(y0 + (y1 - y0) / (x1 - x0) * (static_cast<double>(h) - x0));
    }
  }
  // The last depth itself lies within the table: its value is the last row's.
  if (n >= 2 && h == t.depth[n - 1]) return t.value[n - 1];
  return std::nullopt;
}

std::string StorageTableTitle() { return "上游水深～容积关系值"; }
std::string RatingTableTitle() { return "上游水深～涵洞过水流量关系值"; }

RoutingResults FloodRoutingCase(const RoutingInputs& in) {
  if (auto m = CheckTable(in.storage, StorageTableTitle(), "容积", "m³")) return Failure(*m);
  if (auto m = CheckTable(in.rating, RatingTableTitle(), "涵洞泄量", "m³/s")) return Failure(*m);
  if (!(in.dt > 0.0f)) return Failure("时段长应大于 0，请改正后再计算。");

  RoutingResults r;
  r.h[0] = 0.0f;
  r.q[0] = 0.0f;
  r.Vt[0] = in.storage.value[0];
  const double dt = in.dt;

  for (int i = 1; i <= Periods; ++i) {
    bool accepted = false;
    for (int j = 1; j <= TrialSteps && !accepted; ++j) {
      const float h = shell::sgl(j / 1000.0);
      const std::optional<float> q = TableInterpolation(h, in.rating);
      const std::optional<float> v = q ? TableInterpolation(h, in.storage) : std::nullopt;
      if (!q || !v) {
        // Above the last depth of a table there is no value to try: the
        // tables do not cover this flood.
        const bool rating = !q;
        const DepthTable& t = rating ? in.rating : in.storage;
        return Failure("第 " + std::to_string(i) + " 时段的上游水深超出了“" +
                       (rating ? RatingTableTitle() : StorageTableTitle()) + "”表的最大水深 " +
                       Num(t.depth.back()) + " m，表中关系值不足以演算此次洪水，请将该表延伸到更大的水深。");
      }
      const float W = shell::sgl((static_cast<double>(in.inflow[i - 1]) + in.inflow[i]) / 2 * dt * 3600 -
                                 dt * (static_cast<double>(r.q[i - 1]) + *q) / 2 * 3600);
      const float S = shell::sgl(static_cast<double>(*v) - r.Vt[i - 1]);
      if (!std::isfinite(W) || !std::isfinite(S) || !std::isfinite(*q) || !std::isfinite(*v)) {
        return Failure("第 " + std::to_string(i) +
                       " 时段的水量超出了单精度数的范围，无法演算，请检查基本资料。");
      }
      if (S > W) {
        // A culvert passes no negative discharge: below the first depth of a
        // rating that starts above 0 m the straight line of its first two
        // rows falls below zero, and such a period would be shown with the
        // flow running backwards.
        if (*q < 0.0f) {
          const bool extrapolated = h < in.rating.depth.front();
          return Failure("第 " + std::to_string(i) + " 时段演算得出的上游水深为 " + Num(h) + " m，“" +
                         RatingTableTitle() + "”表在此水深的涵洞泄量为负值（" + Num(*q) + " m³/s" +
                         (extrapolated ? "，低于该表第 1 组水深 " + Num(in.rating.depth.front()) +
                                             " m，由第 1、2 组外延得出"
                                       : "") +
                         "），演算无结果；" +
                         (extrapolated ? "上游水深应由涵洞进口底面算起，请将该表补充到 0 m 水深。"
                                       : "请检查该表的涵洞泄量。"));
        }
        // Likewise a pond holds no negative volume: below the first depth
        // of a storage relation that starts above the inlet floor the
        // straight line of its first two rows falls below zero.
        if (*v < 0.0f && h < in.storage.depth.front()) {
          return Failure("第 " + std::to_string(i) + " 时段演算得出的上游水深为 " + Num(h) + " m，“" +
                         StorageTableTitle() + "”表在此水深的容积为负值（" + Num(*v) +
                         " m³，低于该表第 1 组水深 " + Num(in.storage.depth.front()) +
                         " m，由第 1、2 组外延得出），演算无结果；上游水深应由涵洞进口底面算起，"
                         "请将该表补充到 0 m 水深。");
        }
        r.h[i] = h;
        r.q[i] = *q;
        r.Vt[i] = *v;
        accepted = true;
      }
    }
    if (!accepted) {
      return Failure("第 " + std::to_string(i) +
                     " 时段试算到上游水深 20 m 仍未使蓄水增量大于时段净来水量，演算无结果，请检查基本资料。");
    }
  }
  r.ok = true;
  return r;
}

}  // namespace tessarin
