// Serviceability checks of a member (the crack-check window Form9): the
// transformed section, the tensile stress at the section edge against its
// limit (crack resistance) and the maximum crack width against its allowable
// value.
//
// Every named value is held in single precision; each formula is evaluated
// in double precision from its single-precision operands and stored back.
// Units: cm, cm², kN·m, kN, MPa; crack widths in mm.
#pragma once

#include "memberstate.h"

#include <string>

namespace brasselt {

// LoadEffectCombination.
inline constexpr float ShortTerm = 1;
inline constexpr float LongTerm = 2;

// BarSurface, stored as the bar surface coefficient α2.
inline constexpr float DeformedBars = 1.0f;
inline constexpr float PlainBars = 1.4f;

// The crack check's own choice families (program-wide, 0 until clicked).
struct CrackChoices {
  float LoadEffectCombination = 0;  // ShortTerm or LongTerm
  float EnvironmentClass = 0;       // 1 .. 4
  float alpha2 = 0;                 // DeformedBars or PlainBars
};

// The boxes of Form9, in the order the compute reads them.
struct CrackInputs {
  float b = 0;    // Text1, width
  float h = 0;    // Text2, height
  float c = 0;    // Text3, cover of the outermost tension bars
  float a = 0;    // Text4, centroid of the tension steel to the tension edge
  float ac = 0;   // Text5, a'
  float d1 = 0;   // Text6, diameter of bar group 1 (cm)
  float n1 = 0;   // Text7, bars of group 1
  float d2 = 0;   // Text8
  float n2 = 0;   // Text9
  float Asc = 0;  // Text10, compression steel A's (cm²)
  float M = 0;    // Text19, kN·m
  float N = 0;    // Text20, kN
  float ftk = 0;  // Text21
  float Ec = 0;   // Text22
  float Es = 0;   // Text23
};

// The member values the crack check takes from the member windows, as they
// count for the member kind in hand.
struct CrackMember {
  float kind = 0;          // MemberKind
  float flangeLayout = 0;  // counts only for TSectionFlexural
  float bfc = 0, hfc = 0;  // compression flange b'f, h'f
  float bft = 0, hft = 0;  // tension flange bf, hf
  float l0 = 0;            // effective length (kinds 2 and 5)
  float e = 0;             // eccentricity about the tension steel (kind 3)
  // The member kind whose compute left l0 and e: an eccentric member is
  // checked only with the values of its own kind's compute.
  float eccentricKind = 0;
};

// The flange sizes, effective length and eccentricity that count for the
// current member kind: T/I flexural members both flanges, T eccentric
// members the compression flange, rectangles none.
CrackMember CrackMemberOf(const MemberState& state);

// Allowable crack width [w] (mm); 0 for an unchosen class or combination.
float AllowableCrackWidth(float environmentClass, float combination);

// The message naming the crack check's choices still unmade ("" where all
// are made).
std::string MissingCrackChoices(const CrackChoices& choices);

enum class CrackVerdict {
  None,               // σ equal to [σct]: no verdict line
  Resists,            // σ < [σct]
  CracksWidthWithin,  // σ > [σct], w < [w]
  CracksWidthBeyond,  // σ > [σct], w > [w]
  CracksWidthEqual,   // σ > [σct], w equal to [w]: only the first line
};

struct CrackResult {
  bool ok = false;
  std::string error;  // why nothing was computed (message line)

  // Result boxes.
  float alpha1 = 0, alpha2 = 0, alpha3 = 0;
  float y0 = 0;        // rounded to 0.1 cm
  float I0 = 0;        // floored, cm⁴
  float W0 = 0;        // floored, cm³
  float rhoTe = 0;     // rounded to 0.001, at least 0.03
  float sigmaS = 0;    // steel stress, not rounded
  float sigma = 0;     // edge tensile stress, rounded to 0.001
  float alphaCt = 0;
  float gammaM = 0;    // rounded to 0.001
  float sigmaCt = 0;   // [σct] = αct·ftk rounded to 0.001
  float w = 0;         // crack width, rounded to 0.001 mm
  float ftk = 0;       // for the [σct] line
  float allowedW = 0;  // [w]
  CrackVerdict verdict = CrackVerdict::None;
  // σs at or below 0: the tension steel is not in tension, and the width
  // computed from it means no crack (said in the message line).
  bool steelInCompression = false;

  // Working values.
  float h0 = 0, k = 0, e0 = 0, alphaE = 0, As = 0;
  float A = 0, yt = 0, yc = 0, Ic = 0, A0 = 0;
  float u = 0, deq = 0, Ate = 0;
  float etaS = 0, eS = 0, z = 0;  // eccentric compression only
};

// CrackCheckCase.
CrackResult CrackCheckCase(const CrackInputs& in, const CrackMember& member, const CrackChoices& choices);

}  // namespace brasselt
