// Flood routing through a drainage culvert: the upstream pond stores part of
// the inflow flood while the culvert passes the rest. From the pond's
// depth ～ storage relation, the culvert's depth ～ discharge rating and the
// inflow hydrograph of 24 periods, each period's upstream depth, culvert
// discharge and stored volume are found by trial depths in 1 mm steps.
#pragma once

#include "project.h"

#include <array>
#include <optional>
#include <string>
#include <vector>

namespace tessarin {

inline constexpr int TableRows = 20;  // rows of each relation table on the window
inline constexpr int Periods = 24;    // periods of the inflow hydrograph
inline constexpr int TrialSteps = 20000;  // trial depths 0.001 m ... 20 m

// The program-wide values of Tessarin: the shell's project values only (no
// case choice). Nothing else carries from one computation to the next.
struct Module1 : shell::ProjectValues {};

// The rows that a typed count reads: k = 0, 1, ... while k <= n - 1, so a
// count that is not whole reads the rows up to its integer part and a count
// below 1 reads none. The answer is capped at TableRows + 1, enough to tell
// that the window has too few rows.
int RowsOfCount(float n);

// True where a typed row count is a whole number. A count such as 2.5 would
// read only the rows up to its integer part and route the flood on fewer
// rows than meant, so the window takes only whole counts.
bool IsWholeCount(float n);

// A relation table: depths above the culvert inlet floor (m), increasing from
// row to row, and the value at each depth (storage m³ or discharge m³/s).
struct DepthTable {
  std::vector<float> depth;
  std::vector<float> value;
};

// The value at depth h by straight lines between rows: the first row k >= 1
// whose depth exceeds h (strictly) and the row before it; a depth below row
// 1 is extrapolated from rows 0 and 1. A depth equal to the last row's lies
// within the table and gives that row's value; nullopt only above it (the
// table does not reach that depth). Computed in double precision from the
// single values, stored as a single.
std::optional<float> TableInterpolation(float h, const DepthTable& table);

struct RoutingInputs {
  DepthTable storage;               // StorageRelation: h (m), V (m³)
  DepthTable rating;                // DischargeRating: h (m), Q (m³/s)
  std::array<float, Periods + 1> inflow{};  // Qin at the period boundaries 0..24 (m³/s)
  float dt = 1.0f;                  // period length (hours)
};

struct RoutingResults {
  bool ok = false;
  std::string message;  // why nothing was computed, in the words shown to the engineer
  // Index 0 holds the start values (h 0, q 0, V the storage of the first
  // table row); 1..24 the periods.
  std::array<float, Periods + 1> h{};
  std::array<float, Periods + 1> q{};
  std::array<float, Periods + 1> Vt{};
};

// The titles of the two relation tables, as the messages name them.
std::string StorageTableTitle();  // 上游水深～容积关系值
std::string RatingTableTitle();   // 上游水深～涵洞过水流量关系值

// The routing of all 24 periods. Each period takes the first trial depth
// j/1000 m (j = 1 ... 20000) at which the storage increase Vt(i) - Vt(i-1)
// exceeds the net inflow volume of the period,
//   W = (Qin(i-1) + Qin(i))/2·Δt·3600 - Δt·(q(i-1) + q(i))/2·3600,
// both rounded to single precision and compared as singles.
// Fails with a message (and no results) where a table has fewer than two
// rows, depths that do not increase or values that fall as the depth rises,
// the period length is not positive, a period needs depths above the last
// depth of either table, no trial up to 20 m balances, a period balances at
// a negative culvert discharge (a rating extrapolated below its first depth)
// or at a negative storage extrapolated below the first depth of a storage
// relation, or a value leaves the single range.
RoutingResults FloodRoutingCase(const RoutingInputs& in);

}  // namespace tessarin
