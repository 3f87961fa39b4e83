// The flood routing against values worked out independently: the expected
// numbers come from tests/reference/routing_ref.py, which follows the
// method's formulas with IEEE single rounding emulated in Python (struct 'f').
#include "routing.h"

#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <vector>

using namespace tessarin;

namespace {

// The window's sample data.
RoutingInputs Sample() {
  RoutingInputs in;
  in.storage = {{0, 0.5f, 1.0f, 1.5f, 2.0f, 2.5f, 3.0f, 3.5f, 4.0f, 4.5f},
                {0, 2150, 4150, 7500, 11250, 15700, 21250, 29000, 37500, 55000}};
  in.rating = {{0, 1.91f, 2.5f, 3.0f, 3.5f, 3.94f, 4.97f, 7.1f, 9.08f},
               {0, 10, 15, 20, 25, 30, 40, 50, 60}};
  in.inflow = {0, 1, 2, 2, 2.5f, 2.5f, 3.0f, 3.0f, 3.5f, 3.5f, 4.0f, 5.0f, 7.0f,
               10, 22, 40, 15, 8, 5, 4, 3, 2, 1.5f, 1.5f, 1};
  in.dt = 1;
  return in;
}

using Row = std::array<float, Periods>;

void ExpectPeriods(const RoutingResults& r, const Row& h, const Row& q, const Row& V) {
  ASSERT_TRUE(r.ok) << r.message;
  for (int i = 1; i <= Periods; ++i) {
    // Exact single equality: the reference emulates each rounding.
    EXPECT_EQ(r.h[i], h[i - 1]) << "period " << i;
    EXPECT_EQ(r.q[i], q[i - 1]) << "period " << i;
    EXPECT_EQ(r.Vt[i], V[i - 1]) << "period " << i;
  }
}

}  // namespace

TEST(FloodRouting, SampleDataAgainstTheReference) {
  const RoutingResults r = FloodRoutingCase(Sample());
  ExpectPeriods(
      r,
      {0.132f, 0.345f, 0.396f, 0.443f, 0.491f, 0.539f, 0.587f, 0.635f, 0.683f, 0.73f, 0.912f, 1.201f,
       1.686f, 2.772f, 4.112f, 3.752f, 1.671f, 1.178f, 0.767f, 0.629f, 0.419f, 0.303f, 0.281f, 0.223f},
      {0.69109946f, 1.8062828f, 2.0732985f, 2.3193717f, 2.5706806f, 2.8219895f, 3.0732985f,
       3.3246074f, 3.5759165f, 3.8219898f, 4.774869f, 6.287958f, 8.827226f, 17.720001f, 31.669903f,
       27.863638f, 8.748692f, 6.167539f, 4.015707f, 3.2931938f, 2.1937172f, 1.5863875f, 1.4712042f,
       1.1675394f},
      {567.6f, 1483.5f, 1702.8f, 1904.8999f, 2111.3f, 2306, 2498, 2690, 2882, 3070, 3798, 5496.6997f,
       8895, 18719.201f, 41420, 33284, 8782.5f, 5342.5996f, 3218, 2666, 1801.7f, 1302.9f, 1208.2999f,
       958.9f});
  EXPECT_EQ(r.h[0], 0.0f);
  EXPECT_EQ(r.q[0], 0.0f);
  EXPECT_EQ(r.Vt[0], 0.0f);
}

TEST(FloodRouting, HalfHourPeriodsScaleBothVolumes) {
  RoutingInputs in = Sample();
  in.dt = 0.5f;
  ExpectPeriods(
      FloodRoutingCase(in),
      {0.1f, 0.296f, 0.386f, 0.432f, 0.48f, 0.529f, 0.577f, 0.625f, 0.673f, 0.72f, 0.871f, 1.129f,
       1.535f, 2.507f, 3.74f, 3.725f, 2.472f, 1.439f, 0.949f, 0.646f, 0.465f, 0.329f, 0.285f, 0.237f},
      {0.5235602f, 1.5497383f, 2.0209424f, 2.2617803f, 2.513089f, 2.7696335f, 3.0209427f,
       3.2722514f, 3.52356f, 3.7696338f, 4.5602093f, 5.9109945f, 8.036649f, 15.07f, 27.727272f,
       27.556816f, 14.762711f, 7.5340314f, 4.9685864f, 3.382199f, 2.434555f, 1.7225131f, 1.4921466f,
       1.2408377f},
      {430, 1272.8f, 1659.8f, 1857.6001f, 2064, 2266, 2458, 2650, 2842, 3030, 3634, 5014.3f,
       7762.4995f, 15777.699f, 33080, 32825, 15450.799f, 7091.3003f, 3946, 2734, 1999.5f, 1414.7f,
       1225.5f, 1019.10004f});
}

TEST(FloodRouting, TablesStartingAboveTheFloorAreExtrapolatedBelowTheirFirstRow) {
  RoutingInputs in = Sample();
  in.storage = {{0.5f, 1, 2, 5, 10}, {0, 1000, 5000, 40000, 120000}};
  in.rating = {{0.5f, 1, 2, 5, 10}, {0, 2, 8, 30, 70}};
  ExpectPeriods(
      FloodRoutingCase(in),
      {0.696f, 0.977f, 1.009f, 1.057f, 1.096f, 1.139f, 1.18f, 1.222f, 1.263f, 1.305f, 1.468f, 1.758f,
       2.139f, 3.15f, 5.212f, 4.652f, 2.344f, 1.6f, 1.333f, 1.212f, 1.025f, 0.884f, 0.87f, 0.781f},
      {0.7839999f, 1.908f, 2.0539997f, 2.3420002f, 2.5759997f, 2.8340003f, 3.0799997f, 3.332f,
       3.578f, 3.8299997f, 4.8080006f, 6.5480003f, 9.019333f, 16.433334f, 31.696f, 27.448f,
       10.522667f, 5.6000004f, 3.9979997f, 3.272f, 2.1499999f, 1.536f, 1.48f, 1.1240001f},
      {391.99997f, 954, 1035.9998f, 1228.0001f, 1383.9999f, 1556.0002f, 1719.9998f, 1888, 2052,
       2219.9998f, 2872.0002f, 4032, 6621.666f, 18416.668f, 43392, 35940, 9013.335f, 3400,
       2331.9998f, 1848, 1099.9999f, 768, 740, 562.00006f});
}

TEST(FloodRouting, NoInflowAcceptsEveryPeriodAtTheFirstTrial) {
  RoutingInputs in = Sample();
  in.inflow.fill(0.0f);
  const RoutingResults r = FloodRoutingCase(in);
  ASSERT_TRUE(r.ok) << r.message;
  for (int i = 1; i <= Periods; ++i) {
    EXPECT_EQ(r.h[i], 0.001f);
    EXPECT_EQ(r.q[i], 0.0052356026f);  // 10/1.91·0.001
    EXPECT_EQ(r.Vt[i], 4.3f);          // 2150/0.5·0.001
  }
}

// W = 1800 m³ in period 1 (a steady 1 m³/s, a culvert passing nothing). The
// trial depth 0.001 is the single 0.00100000005, so the storage at it is
// 1800.000122 for V1 = 1800000 (S > W: accepted) but exactly 1800 for
// V1 = 1799999.875 (S = W: the strict test takes the next trial).
TEST(FloodRouting, StrictComparisonOfSingleVolumes) {
  struct Case {
    float V1;
    float h1;
    float V;
  };
  for (const Case c : {Case{1800000.0f, 0.001f, 1800.0001220703125f}, Case{1799999.875f, 0.002f, 3600.0f}}) {
    RoutingInputs in;
    in.storage = {{0, 1}, {0, c.V1}};
    in.rating = {{0, 30}, {0, 0}};
    in.inflow.fill(1.0f);
    in.inflow[0] = 0.0f;
    const RoutingResults r = FloodRoutingCase(in);
    ASSERT_TRUE(r.ok) << r.message;
    EXPECT_EQ(r.h[1], c.h1) << "V1 " << c.V1;
    EXPECT_EQ(r.Vt[1], c.V) << "V1 " << c.V1;
  }
}

// Both volumes of the test are rounded to single before they are compared;
// each row is a period 1 in which only that rounding turns the first trial
// down (S = W as singles, S > W in double), so the depth is 0.002, not 0.001.
// Worked out with IEEE binary32 emulated in python3 (struct 'f'):
// - W: Qin 3e-8 and 0.99999994 (1 - 2^-24) give W = 1799.99994671 in double,
//   the single 1800; the storage at 0.001 is exactly 1800 (V1 = 1799999.875).
// - S: a pond holding 0.3 at depth 0 and 1800000 at 1 m stores
//   1800.2998046875 at 0.001, so S = 1799.99980468 in double, the single
//   1799.999755859375; Qin 0 and 0.99999988 (1 - 2^-23) give the single
//   W 1799.999755859375 (1799.99978542 in double).
TEST(FloodRouting, BothVolumesAreComparedAsSingles) {
  struct Case {
    const char* what;
    float V0, V1, Qin0, Qin1;
    float Vt1;  // the storage at the accepted 0.002 m
  };
  const Case cases[] = {
      {"W rounded", 0.0f, 1799999.875f, 3e-8f, 0.99999994f, 3600.0f},
      {"S rounded", 0.3f, 1800000.0f, 0.0f, 0.99999988f, 3600.299560546875f},
  };
  for (const Case& c : cases) {
    RoutingInputs in;
    in.storage = {{0, 1}, {c.V0, c.V1}};
    in.rating = {{0, 30}, {0, 0}};
    in.inflow.fill(1.0f);
    in.inflow[0] = c.Qin0;
    in.inflow[1] = c.Qin1;
    const RoutingResults r = FloodRoutingCase(in);
    ASSERT_TRUE(r.ok) << r.message;
    EXPECT_EQ(r.h[1], 0.002f) << c.what;
    EXPECT_EQ(r.Vt[1], c.Vt1) << c.what;
  }
}

TEST(FloodRouting, FloodBeyondTheTablesIsAMessageNotTheTwentyMetreBound) {
  // Four times the sample flood needs more than the storage table's 4.5 m in
  // period 14 (reference script); the discharge rating reaches 9.08 m.
  RoutingInputs in = Sample();
  for (float& q : in.inflow) q *= 4;
  RoutingResults r = FloodRoutingCase(in);
  EXPECT_FALSE(r.ok);
  EXPECT_NE(r.message.find("第 14 时段"), std::string::npos) << r.message;
  EXPECT_NE(r.message.find("上游水深～容积关系值"), std::string::npos) << r.message;
  EXPECT_NE(r.message.find("4.5 m"), std::string::npos) << r.message;

  // A rating that stops at 1 m while the storage goes on: the stale
  // discharge of the last trial is never used.
  in = Sample();
  in.rating = {{0, 1}, {0, 5}};
  r = FloodRoutingCase(in);
  EXPECT_FALSE(r.ok);
  EXPECT_NE(r.message.find("上游水深～涵洞过水流量关系值"), std::string::npos) << r.message;
  EXPECT_NE(r.message.find("1 m"), std::string::npos) << r.message;
}

// A rating that starts at 0.3 m (no discharge below it) under a small steady
// inflow of 0.1 m³/s. Period 1 by hand: W = 180 − 1800·q with the straight
// line of the first two rows q = 5/0.7·(h − 0.3), S = 5000·h; S > W from
// h > 4037.14/17857.14 = 0.22608, so the balance lies at 0.227 m, where the
// extrapolated discharge is 5/0.7·(−0.073) = −0.5214 m³/s: a culvert running
// backwards, which is no result.
TEST(FloodRouting, NegativeDischargeFromARatingExtrapolatedBelowItsFirstDepthIsAMessage) {
  RoutingInputs in;
  in.storage = {{0, 1, 2, 5}, {0, 5000, 15000, 60000}};
  in.rating = {{0.3f, 1, 2, 5}, {0, 5, 15, 40}};
  in.inflow.fill(0.1f);
  in.inflow[0] = 0.0f;
  RoutingResults r = FloodRoutingCase(in);
  EXPECT_FALSE(r.ok);
  EXPECT_NE(r.message.find("第 1 时段演算得出的上游水深为 0.227 m"), std::string::npos) << r.message;
  EXPECT_NE(r.message.find("涵洞泄量为负值（-0.52142"), std::string::npos) << r.message;
  EXPECT_NE(r.message.find("低于该表第 1 组水深 0.3 m"), std::string::npos) << r.message;

  // The same rating from 0 m routes the flood with the culvert passing 5·h
  // below 1 m: period 1 balances where 5000·h > 180 − 1800·5·h, h > 180/14000
  // = 0.012857, at 0.013 m with q = 0.065 m³/s.
  in.rating = {{0, 1, 2, 5}, {0, 5, 15, 40}};
  r = FloodRoutingCase(in);
  ASSERT_TRUE(r.ok) << r.message;
  EXPECT_EQ(r.h[1], 0.013f);
  EXPECT_FLOAT_EQ(r.q[1], 0.065f);
}

// A steady 4 m³/s into a pond storing 10820·h m³ behind a culvert passing
// 10·h m³/s, with one table or both ending at 0.5 m. Period 1 by hand:
// W = 4·3600 − 3600·(0 + 10h)/2 = 14400 − 18000h, S = 10820h; S > W from
// h > 14400/28820 = 0.499653, so the balance is the trial 0.5 m, the last
// depth of the table, with q = 5 m³/s and V = 5410 m³. Period 2: W = 5400 −
// 18000h, S = 10820h − 5410, h > 10810/28820 = 0.375087: 0.376 m, q = 3.76,
// V = 4068.32. The pond then settles about 4/10 = 0.4 m (reference script).
TEST(FloodRouting, APeriodThatBalancesAtATablesLastDepthIsRouted) {
  struct Case {
    const char* what;
    DepthTable storage;
    DepthTable rating;
  };
  const Case cases[] = {
      {"storage ends at 0.5 m", {{0, 0.5f}, {0, 5410}}, {{0, 1}, {0, 10}}},
      {"rating ends at 0.5 m", {{0, 1}, {0, 10820}}, {{0, 0.5f}, {0, 5}}},
      {"both end at 0.5 m", {{0, 0.5f}, {0, 5410}}, {{0, 0.5f}, {0, 5}}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    RoutingInputs in;
    in.storage = c.storage;
    in.rating = c.rating;
    in.inflow.fill(4.0f);
    const RoutingResults r = FloodRoutingCase(in);
    ASSERT_TRUE(r.ok) << r.message;
    EXPECT_EQ(r.h[1], 0.5f);
    EXPECT_EQ(r.q[1], 5.0f);
    EXPECT_EQ(r.Vt[1], 5410.0f);
    EXPECT_EQ(r.h[2], 0.376f);
    EXPECT_FLOAT_EQ(r.q[2], 3.76f);
    EXPECT_FLOAT_EQ(r.Vt[2], 4068.32f);
    EXPECT_EQ(r.h[23], 0.401f);
    EXPECT_EQ(r.h[24], 0.4f);
  }
}

// A storage relation that starts at 0.45 m (0 m³) and rises 10000 m³ per
// metre to 1 m, with a culvert passing 8·h m³/s, under the sample flood.
// Period 1 by hand: W = 1800 − 1800·8h = 1800 − 14400h, S = 10000·(h −
// 0.45); S > W from h > 6300/24400 = 0.258197, at 0.259 m, where the storage
// extrapolated below the first row is 10000·(0.259 − 0.45) = −1910 m³: a pond
// holding less than nothing, which is no result.
TEST(FloodRouting, NegativeStorageFromARelationExtrapolatedBelowItsFirstDepthIsAMessage) {
  RoutingInputs in = Sample();
  in.storage = {{0.45f, 1, 2, 5}, {0, 5500, 15500, 45500}};
  in.rating = {{0, 1, 10}, {0, 8, 80}};
  const RoutingResults r = FloodRoutingCase(in);
  EXPECT_FALSE(r.ok);
  EXPECT_NE(r.message.find("第 1 时段演算得出的上游水深为 0.259 m"), std::string::npos) << r.message;
  EXPECT_NE(r.message.find("“上游水深～容积关系值”表在此水深的容积为负值（-1909.99"), std::string::npos)
      << r.message;
  EXPECT_NE(r.message.find("低于该表第 1 组水深 0.45 m"), std::string::npos) << r.message;
  EXPECT_NE(r.message.find("请将该表补充到 0 m 水深"), std::string::npos) << r.message;
  // A storage relation from 0.5 m whose balances all lie above its first
  // depth still routes: TablesStartingAboveTheFloorAreExtrapolatedBelowTheirFirstRow.
}

TEST(FloodRouting, ValuesThatFallAsTheDepthRisesAreAMessageAndEqualNeighboursRoute) {
  struct Case {
    const char* what;
    void (*change)(RoutingInputs&);
    const char* words;  // "" where the table routes
    float h14;          // period 14 of a table that routes (reference script)
  };
  const Case cases[] = {
      {"storage falls at row 6", [](RoutingInputs& in) { in.storage.value[5] = 10000; },
       "“上游水深～容积关系值”表中的容积应随上游水深增大而不减小，第 6 组的容积（10000 m³）小于第 5 组的（11250 m³）",
       0},
      {"discharge falls at row 4", [](RoutingInputs& in) { in.rating.value[3] = 12; },
       "“上游水深～涵洞过水流量关系值”表中的涵洞泄量应随上游水深增大而不减小，第 4 组的涵洞泄量（12 m³/s）小于第 3 "
       "组的（15 m³/s）",
       0},
      {"storage falls only in its last row", [](RoutingInputs& in) { in.storage.value[9] = 37499; },
       "第 10 组的容积（37499 m³）小于第 9 组的（37500 m³）", 0},
      // Equal neighbours: a level stretch of 15700 m³ from 2.5 to 3 m, and a
      // culvert passing 15 m³/s from 2.5 to 3 m.
      {"equal storages", [](RoutingInputs& in) { in.storage.value[6] = 15700; }, "", 2.94f},
      {"equal discharges", [](RoutingInputs& in) { in.rating.value[3] = 15; }, "", 3.046f},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    RoutingInputs in = Sample();
    c.change(in);
    const RoutingResults r = FloodRoutingCase(in);
    if (*c.words == '\0') {
      ASSERT_TRUE(r.ok) << r.message;
      EXPECT_EQ(r.h[14], c.h14);
      EXPECT_EQ(r.h[1], 0.132f);  // below the change, as the sample
    } else {
      EXPECT_FALSE(r.ok);
      EXPECT_NE(r.message.find(c.words), std::string::npos) << r.message;
    }
  }
}

TEST(FloodRouting, NoBalanceUpToTwentyMetresIsAMessage) {
  // A tiny pond with a culvert that passes almost nothing under a large
  // flood: no depth up to 20 m stores the period's inflow.
  RoutingInputs in;
  in.storage = {{0, 30}, {0, 100}};
  in.rating = {{0, 30}, {0, 0.001f}};
  in.inflow.fill(1000.0f);
  const RoutingResults r = FloodRoutingCase(in);
  EXPECT_FALSE(r.ok);
  EXPECT_NE(r.message.find("第 1 时段"), std::string::npos) << r.message;
  EXPECT_NE(r.message.find("20 m"), std::string::npos) << r.message;
}

TEST(FloodRouting, DataOutsideTheMethodIsAMessage) {
  struct Case {
    const char* what;
    void (*change)(RoutingInputs&);
    const char* words;
  };
  const Case cases[] = {
      {"one storage row", [](RoutingInputs& in) { in.storage = {{0}, {0}}; }, "至少要有 2 组"},
      {"no rating rows", [](RoutingInputs& in) { in.rating = {{}, {}}; }, "上游水深～涵洞过水流量关系值"},
      {"equal first depths (zero divisor)",
       [](RoutingInputs& in) { in.storage.depth[1] = 0; }, "第 1 组（0 m）与第 2 组（0 m）"},
      {"a depth that falls back",
       [](RoutingInputs& in) { in.rating.depth[5] = 3.2f; }, "第 5 组（3.5 m）与第 6 组（3.2 m）"},
      {"zero period length", [](RoutingInputs& in) { in.dt = 0; }, "时段长应大于 0"},
      {"negative period length", [](RoutingInputs& in) { in.dt = -1; }, "时段长应大于 0"},
      {"inflow beyond the single range",
       [](RoutingInputs& in) { in.inflow[3] = 3e38f; }, "第 3 时段的水量超出了单精度数的范围"},
  };
  for (const Case& c : cases) {
    RoutingInputs in = Sample();
    c.change(in);
    const RoutingResults r = FloodRoutingCase(in);
    EXPECT_FALSE(r.ok) << c.what;
    EXPECT_NE(r.message.find(c.words), std::string::npos) << c.what << ": " << r.message;
  }
}

TEST(TableInterpolation, StraightLinesBetweenRows) {
  const DepthTable t{{0.5f, 1.0f, 2.0f}, {10, 20, 60}};
  struct Case {
    float h;
    std::optional<float> value;
  };
  const Case cases[] = {
      {0.75f, 15.0f},
      {1.0f, 20.0f},   // equal to row 1's depth: row 2 is the first that exceeds it
      {1.5f, 40.0f},
      {0.0f, 0.0f},    // below the first row: extrapolated from rows 0 and 1
      {0.25f, 5.0f},
      {1.999f, 59.96f},
      {2.0f, 60.0f},  // the last depth itself lies within the table
      {2.001f, std::nullopt},  // only a depth above it is beyond
      {25.0f, std::nullopt},
  };
  for (const Case& c : cases) {
    const auto v = TableInterpolation(c.h, t);
    ASSERT_EQ(v.has_value(), c.value.has_value()) << "h " << c.h;
    if (v) {
      EXPECT_FLOAT_EQ(*v, *c.value) << "h " << c.h;
    }
  }
  EXPECT_FALSE(TableInterpolation(0.1f, DepthTable{{0}, {5}}).has_value());
}

TEST(RowsOfCount, ACountReadsTheRowsUpToItsIntegerPart) {
  const std::pair<float, int> cases[] = {{10, 10}, {9.5f, 9}, {9.999f, 9}, {2, 2}, {1, 1},
                                         {0.5f, 0},  {0, 0},    {-3, 0},     {20, 20},
                                         {20.5f, 20}, {21, 21}, {1e30f, 21}, {NAN, 0}};
  for (const auto& [n, rows] : cases) EXPECT_EQ(RowsOfCount(n), rows) << "count " << n;
}

TEST(IsWholeCount, OnlyWholeNumbersAreCounts) {
  for (float n : {0.0f, 1.0f, 2.0f, 10.0f, 20.0f, 21.0f, -3.0f}) EXPECT_TRUE(IsWholeCount(n)) << n;
  for (float n : {2.5f, 9.5f, 9.999f, 20.5f, 0.5f, -0.5f, 10.000001f, NAN, INFINITY})
    EXPECT_FALSE(IsWholeCount(n)) << n;
}
