// Longitudinal steel of eccentric members: the rectangular section under
// eccentric compression or tension (Form3) and the T section under eccentric
// compression with its flange on the compression side (Form6).
//
// Both find the eccentricity, for compression the effective length l0 and
// the eccentricity factor η, decide between large and small eccentricity and
// compute the steel far from N (As) and near N (A's), with the minimum ratio,
// the 2a' rule and, for small eccentricity, the far-side check by formula
// (6.3.2-5). Every working value is a single; capacities and design values
// are compared after rounding both to single precision.
// Units: cm, cm², kN·m, kN, MPa; ratios in percent.
#pragma once

#include "memberstate.h"

#include <string>
#include <utility>
#include <vector>

namespace brasselt {

// EccentricMemberData, in the order of the "xgp.dat" record.
struct RectEccentricInputs {
  float b = 0;       // section width
  float h0 = 0;      // effective depth
  float L = 0;       // distance between supports
  float a = 0;       // cover of the steel far from N
  float ac = 0;      // cover of the steel near N, a'
  float M = 0;       // design moment, kN·m
  float N = 0;       // design axial force, kN
  float gammaD = 0;  // structure coefficient γd
  float S = 0;       // length of the arch axis (0 for a straight member)
};

// TSectionEccentricData, in the order of the "xgt.dat" record; the cover of
// the compression steel a' follows the nine fields of the record.
struct TSectionEccentricInputs {
  float b = 0;    // web width
  float h = 0;    // total height
  float L = 0;    // distance between supports
  float bfc = 0;  // compression flange b'f
  float hfc = 0;  // compression flange h'f
  float a = 0;    // cover of the tension steel
  float M = 0;
  float N = 0;
  float gammaD = 0;
  float ac = 0;   // cover of the compression steel a'
};

// The case shown next to "计算类型".
inline constexpr const char* kLargeCompression = "大偏压";
inline constexpr const char* kSmallCompression = "小偏压";
inline constexpr const char* kLargeTension = "大偏拉";
inline constexpr const char* kSmallTension = "小偏拉";

struct EccentricResult {
  bool ok = false;
  std::string error;  // why nothing was computed (message line)

  float memberKind = 0;  // 2, 3 or 5: the kind computed
  bool tension = false;
  bool small = false;      // SmallEccentricity
  bool symmetric = false;  // symmetric steel arrangement
  bool fellBack = false;   // Form6: designed as the rectangle b'f wide

  // Working values as the output shows them.
  float e0 = 0, e = 0, eta = 0, xib = 0, x = 0, xi = 0, l0 = 0;
  float fc = 0, fy = 0, fyc = 0, sigmaS = 0;
  float As = 0, rho = 0, Asc = 0, rhoc = 0;
  float width = 0;  // the width of the ratios (b, or b'f after the fall-back)
  float h0 = 0;

  // Notes.
  bool tensionMinimum = false;      // TensionMinimumFlag
  bool compressionMinimum = false;  // CompressionMinimumFlag
  int zoneNote = 0;                 // CompressionZoneNote: 1 x = 2a', 2 x cut to h
  float computedX = 0;              // the x before the cut to h
  int farSteelNote = 0;             // FarSteelNote: 4 minimum, 5 formula (6.3.2-5)
  float farMinimum = 0;             // the minimum far-side area
  long rounds = 0;                  // rounds of the stepping loops
};

// The captions and box texts of the output, in the order the window sets
// them; a later entry for the same control replaces an earlier one.
struct EccentricShown {
  std::vector<std::pair<std::string, std::string>> boxes;   // result boxes
  std::vector<std::pair<std::string, std::string>> labels;  // captions, message lines
};

// Form3 for the member kind `kind` (2 compression, 3 tension), with the
// program-wide choices of `state`.
EccentricResult RectEccentricCase(const RectEccentricInputs& in, const MemberState& state, float kind);

// Form6 with the program-wide materials and end restraint of `state`.
EccentricResult TSectionEccentricCase(const TSectionEccentricInputs& in, const MemberState& state);

// What the window shows for a computed result.
EccentricShown ShownOf(const EccentricResult& r);

// The labels that each compute clears before anything is shown.
const std::vector<std::string>& EccentricClearedLabels();

}  // namespace brasselt
