// Shear design of the inclined sections of a member (the shear window
// Form10): concrete capacity Vc, the section limit, whether stirrups are
// computed, the stirrup spacing with the minimum stirrup ratio, and, where
// the spacing comes out below 10 cm, bent-up bars in a second pass with a
// chosen spacing and bend angle.
//
// Forces are carried in newtons (V and N ×1000; MPa·cm² ×100). Every named
// value is held in single precision.
#pragma once

#include "memberstate.h"

#include <string>

namespace brasselt {

// ShearLoadCase.
inline constexpr float ConcentratedLoad = 1;
inline constexpr float OtherLoads = 2;

// Stirrup steel, stored as the minimum stirrup ratio ρsv,min in percent.
inline constexpr float StirrupGradeI = 0.12f;
inline constexpr float StirrupGradeII = 0.08f;

struct ShearChoices {
  float rhoSvMin = 0;       // StirrupGradeI or StirrupGradeII
  float ShearLoadCase = 0;  // ConcentratedLoad or OtherLoads
};

// The boxes Text1 .. Text10 of Form10.
struct ShearInputs {
  float b = 0;        // web width, cm
  float h0 = 0;       // effective depth, cm
  float V = 0;        // shear, kN
  float N = 0;        // axial force, kN
  float fc = 0;       // MPa
  float fyv = 0;      // stirrups, MPa
  float fy = 0;       // bent-up bars, MPa
  float d = 0;        // stirrup diameter, mm
  float n = 0;        // stirrup legs
  float aLambda = 0;  // concentrated load to the support section, cm

  bool operator==(const ShearInputs&) const = default;
};

// The member values the shear design takes from the member windows.
struct ShearMember {
  float kind = 0;
  float flangeLayout = 0;  // counts only for TSectionFlexural
  float gammaD = 0;        // 1.2 taken while it is 0
  float a = 0;             // cover of the tension steel; 5.0 cm taken while 0
  float hfc = 0;           // compression flange h'f (kinds 4 and 5)
  float hft = 0;           // tension flange hf (kind 4)

  bool operator==(const ShearMember&) const = default;
};

ShearMember ShearMemberOf(const MemberState& state);

// γd and a as the computation uses them.
float GammaDUsed(const ShearMember& m);
float CoverUsed(const ShearMember& m);

// What a first pass leaves for the bent-up pass (BentUpBarPass = 1 while
// `pending`), with the data it was computed from: the second pass is taken
// only for the same data, so that it never mixes two members.
struct BentUpCarry {
  bool pending = false;
  float Vc = 0, Asv = 0, Nprime = 0;
  float rhoSv = 0;  // stirrup ratio of the first pass, before the minimum
  ShearInputs in;
  ShearMember member;
  ShearChoices choices;
};

std::string MissingShearChoices(const ShearChoices& c);

enum class ShearOutcome {
  Failed,           // `error` says why; nothing shown
  SectionTooSmall,  // Label31 section message
  StirrupRules,     // the concrete carries the shear: open Form11
  ConstructionOnly, // the concrete carries the shear: Label31 message (kinds 2, 5)
  BentUpPrompt,     // spacing below 10 cm: ask for spacing and bend angle
  Results,          // fill the results table
};

struct ShearResult {
  ShearOutcome outcome = ShearOutcome::Failed;
  std::string error;

  // Results table (Results).
  float Vc = 0;   // kN, rounded to 0.01
  float Vsv = 0;  // kN, rounded to 0.01
  float Vsb = 0;  // kN, rounded to 0.01; 0: "----"
  float Asb = 0;  // cm², rounded to 0.01; 0: "----"
  float d = 0, n = 0;
  float s = 0;    // spacing shown, cm
  bool stirrupsAlone = false;  // Label55: no bent-up bars needed
  bool belowMinimumRatio = false;  // Label60 with Text21, Text22
  float rhoSvPercent = 0;          // Text21: 100·ρsv rounded to 0.001
  float rhoSvMin = 0;              // Text22
  bool secondPass = false;

  // BentUpPrompt: the computed spacing for Text18.
  float promptSpacing = 0;

  // Working values (newtons, cm).
  float gammaD = 0, a = 0, h = 0, hw = 0, lambda = 0;
  float VcN = 0, Asv = 0, demand = 0, sRaw = 0, VsvN = 0, rhoSv = 0, Nprime = 0;
};

// A first pass (BentUpBarPass 0). A prompt leaves `carry` pending; any other
// outcome clears it.
ShearResult ShearFirstPass(const ShearInputs& in, const ShearMember& member, const ShearChoices& choices,
                           BentUpCarry& carry);

// The second pass with the chosen spacing `sc` (cm) and bend angle (degrees),
// for the pending carry (which must hold the same data). Results clear the
// carry; a failure keeps it, so that corrected numbers can be computed.
ShearResult ShearSecondPass(float sc, float angleDegrees, BentUpCarry& carry);

// Whether a pending carry was computed from these data.
bool SameShearData(const BentUpCarry& carry, const ShearInputs& in, const ShearMember& member,
                   const ShearChoices& choices);

}  // namespace brasselt
