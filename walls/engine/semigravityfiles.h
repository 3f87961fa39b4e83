// The semi-gravity wall's files: the project data "Bdt.dat" and the results
// "Bdt.dat2", with the box texts that each fills.
#pragma once

#include "datafile.h"
#include "semigravity.h"

#include <array>
#include <string>
#include <vector>

namespace ketrova {

inline constexpr const char* kSemiGravityDataSuffix = "Bdt.dat";
inline constexpr const char* kSemiGravityResultsSuffix = "Bdt.dat2";

// "Bdt.dat": line 1 holds every input but φ (B, B0..B6, H, H1..H5, C, f, q,
// h1, h2, d, γ1, Rl, γ2); line 2 holds φd (empty where it could not be
// formed), the friction angle used, and φ as typed (older files end after
// the angle used).
inline constexpr std::size_t kSemiGravityDataFields = 25;  // without the typed φ
std::vector<shell::Line> SemiGravityDataLines(const SemiGravityInputs& in,
                                              const FrictionAngle& friction);

// The texts of the data window's boxes, index 0 = Text1 .. index 23 = Text24:
// the typed φ where the file has it, else the friction angle used.
std::array<std::string, 24> SemiGravityDataBoxTexts(const std::vector<shell::Field>& fields);

// "Bdt.dat2": lines of 18, 13 and 20 fields.
inline constexpr std::size_t kSemiGravityResultsFields = 51;
std::vector<shell::Line> SemiGravityResultsLines(const SemiGravityResults& r);

// The texts of the results window's boxes, index 0 = Text1 .. index 37 =
// Text38 (Text35 is φd).
std::array<std::string, 38> SemiGravityResultsBoxTexts(const std::vector<shell::Field>& fields);

}  // namespace ketrova
