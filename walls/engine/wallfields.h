// The fields of the walls' data and results files: how a value is written
// and how a stored field reads back into a box.
#pragma once

#include "datafile.h"
#include "earthpressure.h"
#include "numbers.h"

#include <string>
#include <vector>

namespace ketrova::fields {

// A value rounded to k decimals, or as it is, kept as a single.
inline shell::Field Rounded(double x, int k) {
  return shell::Field::Num(shell::sgl(shell::RoundTo(x, k)));
}
inline shell::Field Plain(double x) { return shell::Field::Num(shell::sgl(x)); }

inline bool IsNumber(const std::vector<shell::Field>& f, std::size_t i) {
  return i < f.size() && f[i].kind == shell::Field::Kind::Number;
}

// The text of a stored number; anything else in its place (an empty field,
// a text, "nan") shows as a blank box, never as a number it is not.
inline std::string Stored(const std::vector<shell::Field>& f, std::size_t i) {
  return IsNumber(f, i) ? shell::SingleToText(f[i].number) : std::string();
}

// A stored number rounded again to k decimals for display.
inline std::string Again(const std::vector<shell::Field>& f, std::size_t i, int k) {
  return IsNumber(f, i) ? shell::ResultText(f[i].number, k) : std::string();
}

// Line 2 of a data file: φd (empty where it could not be formed), the
// friction angle used, and φ as typed.
inline shell::Line FrictionLine(const FrictionAngle& friction, float typedPhi) {
  return {friction.ok ? Plain(friction.phid) : shell::Field::None(),
          shell::Field::Num(friction.ok ? friction.phiUsed : typedPhi), shell::Field::Num(typedPhi)};
}

// The text of the φ box from line 2 of a data file whose angle used stands
// at field `used`: the typed φ after it where the file has it, else the
// angle used (older files end there).
inline std::string TypedPhiText(const std::vector<shell::Field>& f, std::size_t used) {
  const bool typed = f.size() > used + 1 && f[used + 1].kind != shell::Field::Kind::Empty;
  return Stored(f, typed ? used + 1 : used);
}

}  // namespace ketrova::fields
