// Longitudinal steel of flexural members: the rectangular section (Form2)
// and the T and I sections (Form4).
//
// Both step the tension steel As up by 0.05 cm² in single precision until the
// section carries the design moment, take ξb·h0 as the limit beyond which
// compression steel A's is computed, apply the 2a' rule and the minimum
// reinforcement ratio. Units: cm, cm², kN·m, MPa; ratios in percent.
#pragma once

#include "memberstate.h"

#include <string>

namespace brasselt {

// RectFlexuralData, in the order of the "xgj.dat" record.
struct RectFlexuralInputs {
  float b = 0;       // section width
  float h0 = 0;      // effective depth
  float Asc = 0;     // given compression steel A's (0: singly reinforced)
  float a = 0;       // cover of the tension steel (handed on, not used here)
  float ac = 0;      // cover of the compression steel a'
  float M = 0;       // design moment, kN·m
  float gammaD = 0;  // structure coefficient γd
};

// TSectionFlexuralData, in the order of the "xg.dat" record.
struct TSectionFlexuralInputs {
  float b = 0;    // web width
  float h = 0;    // overall height
  float bft = 0;  // tension flange bf (handed on, not used here)
  float hft = 0;  // tension flange hf (handed on, not used here)
  float bfc = 0;  // compression flange b'f
  float hfc = 0;  // compression flange h'f
  float Asc = 0;
  float a = 0;
  float ac = 0;
  float M = 0;
  float gammaD = 0;
};

// The verdict line under the results table (Label59).
inline constexpr const char* kBelowMinimumVerdict =
    "  计算配筋率小于最小配筋率，受拉钢筋面积按最小配筋率计算。";
inline constexpr const char* kWithinBalancedVerdict = "  混凝土受压区高度 x 符合 x≤ξb·ho 要求。";
inline constexpr const char* kLeverVerdict =
    "  考虑受压钢筋作用，且计算混凝土受压区高度 x < 2a' ，采用 x = 2a' 。";
inline constexpr const char* kBeyondBalancedVerdict =
    "  按单筋计算混凝土受压区高度 x 不符合 x≤ξb·ho 要求，采用 x = ξb·ho，";

// Upper bound on the rounds of the steel stepping: 2 000 000 rounds are
// 100 000 cm² of steel above the starting area, far beyond any member.
inline constexpr long kMaxSteelRounds = 2'000'000;

struct FlexuralResult {
  bool ok = false;
  std::string error;  // why nothing was computed (message line)

  // Result boxes, as the window shows them.
  float fc = 0, fy = 0, fyc = 0, xib = 0;  // Text7, Text8, Text9, Text10 (as stored)
  float x = 0;        // Text11, cm
  float xibh0 = 0;    // Text12, ξb·h0 rounded to 0.01 cm
  float As = 0;       // Text13, cm²
  float ratio = 0;    // Text14: ρ, or ρmin where the minimum governs, %
  float Asc = 0;      // Text20 (Form4) and Text16: compression steel, cm²

  bool belowMinimum = false;        // Label52 reads "最  小配筋率" instead of "计  算配筋率"
  std::string verdict;              // Label59
  bool showRequiredCompression = false;  // the line Label60, Text16, Label63, Label61

  // Working values of the computation.
  float rho = 0;     // the computed ratio ρ, %
  float rhoMin = 0;  // MinimumReinforcementRatio, %
  bool doublyReinforced = false;   // DoublyReinforcedFlag
  bool compressionLever = false;   // CompressionSteelLeverFlag
  long rounds = 0;                 // rounds of the steel stepping
};

// The minimum ratio (%) of an element and steel grade: the beam's for beams
// and columns (0.2 for grade Ⅰ, 0.15 above), the slab's 0.15 for slabs and
// walls; 0 for an unchosen element.
float MinimumReinforcementRatio(float structuralElement, float steelGrade);

// The message naming the choices still unmade ("" where all are made).
std::string MissingChoicesMessage(const Materials& m, bool needsElement, float structuralElement);

// Form2. `structuralElement` is the program-wide choice.
FlexuralResult RectFlexuralCase(const RectFlexuralInputs& in, const Materials& m,
                                float structuralElement);

// Form4: always designed with the beam's minimum ratio, whatever the
// program-wide element.
FlexuralResult TSectionFlexuralCase(const TSectionFlexuralInputs& in, const Materials& m);

}  // namespace brasselt
