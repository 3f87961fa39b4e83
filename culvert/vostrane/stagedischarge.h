// The stage-discharge relation of a single rectangular culvert of known
// section (Vostrane): for each discharge Q with its outlet depth h, the inlet
// depth H at which the culvert passes Q.
//
// Each row raises a trial inlet depth in steps of 0.001 m until the discharge
// of the flow regime at that depth exceeds Q: free-surface flow (the inlet a
// broad-crested weir, short or long culvert), semi-pressure flow, pressure
// flow with a free or a submerged outlet. The free-surface relations and the
// long-culvert profile are the shared free-surface method
// (freesurface.h); this file holds only what the stage-discharge relation
// does differently.
//
// Number rules: every stored value is a single (float); each formula is
// evaluated in double and rounded to single when stored; the total head
// H + vh of a trial depth is kept in double; the regime thresholds are the
// singles sgl(1.2D) and sgl(1.5D).
#pragma once

#include <string>
#include <vector>

namespace vostrane {

// At most ten rows (the window's tables have ten columns).
inline constexpr int kMaxRows = 10;

// Every search of one row together raises the trial depth by at most this
// many steps of 1 mm (200 m of rise): far beyond any real inlet depth, so
// only data for which the culvert cannot pass Q reach it.
inline constexpr int kRowMaxPasses = 200000;

// The fixed coefficients of the semi-pressure formula.
inline constexpr double kSemiPressureM = 0.67;
inline constexpr double kSemiPressureBeta = 0.74;

struct CulvertData {
  float B = 0, D = 0, L = 0, i = 0, n = 0, V = 0;
  float xi = 0;  // sum of the local loss coefficients without the outlet loss
};

struct Row {
  float Q = 0, h = 0;
};

enum class Regime {
  None,
  ShortCulvert,          // free-surface, sgl(8H) > L
  LongCulvert,           // free-surface, depth inside the inlet from the profile
  SemiPressure,
  NonSubmergedPressure,  // h < D
  SubmergedPressure,     // h ≥ D (h > D at the start)
};

struct RowResult {
  bool ok = false;
  std::string message;  // the reason there is no value (Chinese)
  float H = 0;          // inlet depth
  Regime regime = Regime::None;
  float hs = 0;         // start depth, replaced by the profile depth in a long culvert
  int passes = 0;       // trial steps of 1 mm taken
};

// The pressure-flow coefficient μ = 1/√(1 + ξf + ξ) with the friction loss
// ξf of the full barrel (Manning); nullopt-like `ok` false where it has none.
struct PressureCoefficient {
  bool ok = false;
  float R = 0, Cz = 0, xif = 0, mu = 0;
};
PressureCoefficient PressureFlowCoefficient(const CulvertData& c);

// The approach velocity head vh = 1.1·V²/19.62 (stored).
float ApproachVelocityHead(float V);

// The start depth: hk = RoundTo(0.467·(Q/B)^(2/3), 3); the larger of h − i·L
// (stored) and hk, since the depth inside the inlet cannot lie below the
// critical depth of its flow. `i` is the slope as computed (0 already
// replaced).
float StartDepth(float Q, float h, float B, float i, float L);

// The inlet depth of one row. `c.i` is the slope as computed.
RowResult RowProcedure(const CulvertData& c, const Row& row);

struct StageDischargeResults {
  bool ok = false;
  std::string message;  // why no row could be computed
  std::vector<RowResult> rows;
};

// All rows. A slope of exactly 0 is computed as 0.00001.
StageDischargeResults StageDischargeCase(const CulvertData& c, const std::vector<Row>& rows);

// The number of rows C: a whole number from 0 to 10; false otherwise. A
// count such as 2.5 is a typing slip that names no number of rows, and one
// above 10 names rows the window does not have: both are refused before the
// save rather than read as some other count.
bool ValidRowCount(float C);

namespace messages {
extern const char* const kRowCount;
std::string MustBePositive(const std::string& quantity);  // "<quantity>必须大于 0"
extern const char* const kVelocityHeadOutOfRange;
extern const char* const kNoStartDepth;
extern const char* const kNegativeSlope;
extern const char* const kNormalDepthNotConverged;
extern const char* const kNoProfile;
extern const char* const kNoPressureCoefficient;
extern const char* const kTrialNotConverged;
extern const char* const kTrialStalled;
std::string OfRow(int k, const std::string& message);  // "第 k 组：..."
}  // namespace messages

}  // namespace vostrane
