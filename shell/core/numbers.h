// Number text and rounding shared by every calculator of the suite.
//
// Box texts and stored values are single-precision numbers; the helpers here
// convert between the two and apply the result rounding of the result boxes.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace shell {

// The single-precision number that a box's text spells: an optional sign,
// digits with an optional decimal point, an optional exponent (e or E), with
// blanks allowed around it. Anything else ("", "abc", "nan", "inf", "1,5",
// a value beyond the single range) is not a number and yields nullopt.
std::optional<float> TextToSingle(std::string_view text);

// Plain decimal text of a single: the shortest digits that read back to the
// same single, with a point where there is a fraction, never an exponent and
// no leading blank (0.014, 1.5, 55000, -0.25, 0.00001). Minus zero is "0".
// A non-finite value has no text and yields "".
std::string SingleToText(float value);

// Plain decimal text of a double shown in full in a box: its value to 15
// significant digits (the default decimal text of a double), trailing zeros
// dropped, never an exponent, no leading blank (5.55, 9.49281279201282,
// -164.612859081757, 0.0000001). Minus zero is "0". A non-finite value has
// no text and yields "".
std::string DoubleToText(double value);

// Plain decimal text of a double as a data-file field: the shortest digits
// that read back to the same double, never an exponent; "" where non-finite.
std::string DoubleFieldText(double value);

// floor(x * 10^k + 0.5) / 10^k in double precision: half-up rounding of a
// result to k decimals before it is shown.
double RoundTo(double x, int k);

// x rounded to the nearest single (the stored value of a computed number).
inline float sgl(double x) { return static_cast<float>(x); }

// The text a result box shows: SingleToText(RoundTo(x, k)).
std::string ResultText(double x, int k);

// True where every value is finite (no NaN, no infinity).
bool AllFinite(std::initializer_list<double> values);

}  // namespace shell
