// The gravity wall's files: the project data "dt.dat" and the results
// "dt.dat2", with the box texts that each fills.
#pragma once

#include "datafile.h"
#include "gravitywall.h"

#include <array>
#include <optional>
#include <string>
#include <vector>

namespace ketrova {

inline constexpr const char* kGravityDataSuffix = "dt.dat";
inline constexpr const char* kGravityResultsSuffix = "dt.dat2";

// "dt.dat": line 1 holds every input but φ (B, B0, B1, B2, B3, H, H1, H2, H3,
// C, f, β, h1, h2, q, γ1, δ, γ2, γbase, γwall, d); line 2 holds φd (empty
// where it could not be formed), the friction angle used, and φ as typed.
// Readers that know only the first two fields of line 2 still find the
// angle used in its place; the typed φ keeps a reopened project from having
// the cohesion applied a second time.
inline constexpr std::size_t kGravityDataFields = 23;  // without the typed φ
std::vector<shell::Line> GravityDataLines(const GravityWallInputs& in,
                                          const FrictionAngle& friction);

// The texts of Text1..Text22 (index 0 = Text1) from the fields of "dt.dat":
// the typed φ where the file has it, else the friction angle used.
std::array<std::string, 22> GravityDataBoxTexts(const std::vector<shell::Field>& fields);

// "dt.dat2": two lines of 18 and 13 fields, each value rounded to its
// decimals before it is written.
inline constexpr std::size_t kGravityResultsFields = 31;
std::vector<shell::Line> GravityResultsLines(const GravityWallResults& r);

// The texts of the results window's boxes Text1..Text35 (index 0 = Text1)
// from the fields of "dt.dat2".
std::array<std::string, 35> GravityResultsBoxTexts(const std::vector<shell::Field>& fields);

}  // namespace ketrova
