// The calculation cases of the rectangular-culvert calculator Quimbrel: the
// choice of the flow regime from the depths on the main window, and the width
// of the barrel under free-surface, pressure and semi-pressure flow.
//
// Each case takes its inputs as the singles read from the boxes and returns
// either its results or, in `message`, the reason it has none (Chinese, as
// the window's message line shows it).
#pragma once

#include <string>
#include <vector>

namespace quimbrel {

// ---- Regime choice (main window) ----------------------------------------

enum class CaseWindow { FreeSurface, Pressure, SemiPressure };  // Form2, Form3, Form4

// The numbers (1 to 5) of the regime tests that hold for H, h, D, each test
// evaluated on its own with the singles sgl(1.2D) and sgl(1.5D):
// 1 H ≤ 1.2D, h < D free-surface; 2 H ≤ 1.2D, h ≥ D pressure;
// 3 1.2D < H ≤ 1.5D, h < D semi-pressure; 4 1.2D < H ≤ 1.5D, h ≥ D pressure;
// 5 H > 1.5D pressure.
std::vector<int> RegimeTestsHolding(float H, float h, float D);
CaseWindow WindowOfRegimeTest(int test);

struct RegimeChoice {
  bool ok = false;
  std::string message;
  CaseWindow window = CaseWindow::FreeSurface;
};
// D ≤ 0 has no regime (and would make two tests hold): a message instead.
RegimeChoice FlowRegimeSelection(float H, float h, float D);

// ---- Free-surface flow (Form2) ------------------------------------------

struct FreeSurfaceInputs {
  float Q = 0, D = 0, L = 0, i = 0, n = 0, H = 0, h = 0, V = 0;
};
struct FreeSurfaceResults {
  bool ok = false;
  std::string message;
  bool longCulvert = false;
  float hs = 0;     // depth inside the inlet shown (Text9)
  float sigma = 0;  // submergence coefficient (Text14)
  float B = 0;      // width (Text15)
  bool showNormalDepth = false;    // long culvert: h0 row
  float h0 = 0;
  bool showCriticalDepth = false;  // long culvert, or short culvert on the floor
  float hc = 0;
  bool floorNote = false;          // short culvert whose hs was raised to 0.72H
};
FreeSurfaceResults FreeSurfaceFlowCase(const FreeSurfaceInputs& in);

// ---- Pressure flow (Form3) ----------------------------------------------

struct PressureInputs {
  float Q = 0, D = 0, L = 0, i = 0, n = 0, H = 0, h = 0, V = 0;
  float xi1 = 0, xi2 = 0, xi3 = 0, xi4 = 0, xi5 = 0;
};
struct PressureResults {
  bool ok = false;
  std::string message;
  float m = 0;  // discharge coefficient after five friction passes
  float B = 0;
};
// The index shown after the discharge coefficient's symbol: "2:" for a free
// outlet (h < D), "3:" for a submerged one.
std::string PressureIndex(float h, float D);
PressureResults PressureFlowCase(const PressureInputs& in);

// ---- Semi-pressure flow (Form4) -----------------------------------------

struct SemiPressureInputs {
  float Q = 0, D = 0, L = 0, i = 0, H = 0, h = 0, V = 0, m1 = 0, beta1 = 0;
};
struct SemiPressureResults {
  bool ok = false;
  std::string message;
  float B = 0;
};
SemiPressureResults SemiPressureFlowCase(const SemiPressureInputs& in);

// ---- Messages -----------------------------------------------------------

namespace messages {
std::string MustBePositive(const std::string& quantity);  // "<quantity>必须大于 0"
extern const char* const kNoRegime;
extern const char* const kWeirDrowned;
extern const char* const kNegativeSlope;
extern const char* const kNormalDepthNotConverged;
extern const char* const kWidthNotConverged;
extern const char* const kWidthStalled;
extern const char* const kNoProfile;
extern const char* const kLossSumNotPositive;
extern const char* const kPressureHeadNotPositive;
extern const char* const kSemiPressureHeadNotPositive;
extern const char* const kNoResult;
}  // namespace messages

}  // namespace quimbrel
