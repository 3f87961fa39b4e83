#include "numbers.h"

#include <charconv>
#include <cmath>
#include <system_error>

namespace shell {

namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; }

// The shortest digits that read back to the same value, as a plain decimal
// (fixed notation never takes an exponent); "0" for either zero, "" where
// the value is not finite.
template <typename Number>
std::string ShortestPlainDecimal(Number value) {
  if (!std::isfinite(value)) return std::string();
  if (value == 0) return "0";
  char buffer[400];  // room for the largest double in fixed notation
  const auto [end, ec] =
      std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed);
  if (ec != std::errc()) return std::string();
  return std::string(buffer, end);
}

}  // namespace

std::optional<float> TextToSingle(std::string_view text) {
  while (!text.empty() && IsBlank(text.front())) text.remove_prefix(1);
  while (!text.empty() && IsBlank(text.back())) text.remove_suffix(1);
  if (text.empty()) return std::nullopt;

  bool negative = false;
  if (text.front() == '+' || text.front() == '-') {
    negative = text.front() == '-';
    text.remove_prefix(1);
  }
  // Mantissa: digits with at most one point and at least one digit; then an
  // optional exponent with at least one digit. Checked here so that the
  // parser below never sees "nan", "inf", hex or a second sign.
  std::size_t i = 0;
  std::size_t digits = 0;
  bool point = false;
  for (; i < text.size(); ++i) {
    const char c = text[i];
    if (c >= '0' && c <= '9') {
      ++digits;
    } else if (c == '.' && !point) {
      point = true;
    } else {
      break;
    }
  }
  if (digits == 0) return std::nullopt;
  if (i < text.size()) {
    if (text[i] != 'e' && text[i] != 'E') return std::nullopt;
    ++i;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) ++i;
    std::size_t expDigits = 0;
    for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i) ++expDigits;
    if (expDigits == 0 || i != text.size()) return std::nullopt;
  }

  // std::from_chars does not take a leading '+', and rounds the decimal
  // straight to the nearest single.
  std::string_view body = text;
  if (!body.empty() && body.front() == '+') body.remove_prefix(1);
  float value = 0.0f;
  const auto [end, ec] = std::from_chars(body.data(), body.data() + body.size(), value,
                                         std::chars_format::general);
  if (ec == std::errc::result_out_of_range) {
    // Underflow reads as zero; overflow is beyond the single range.
    double wide = 0.0;
    const auto [e2, ec2] = std::from_chars(body.data(), body.data() + body.size(), wide,
                                           std::chars_format::general);
    if (ec2 == std::errc() && std::fabs(wide) < 1.0) {
      value = 0.0f;
    } else {
      return std::nullopt;
    }
  } else if (ec != std::errc() || end != body.data() + body.size()) {
    return std::nullopt;
  }
  if (!std::isfinite(value)) return std::nullopt;
  return negative ? -value : value;
}

std::string SingleToText(float value) { return ShortestPlainDecimal(value); }

std::string DoubleToText(double value) {
  if (!std::isfinite(value)) return std::string();
  if (value == 0.0) return "0";
  // Fifteen significant digits in exponent form give the digits and the
  // decimal exponent; they are then laid out as a plain decimal.
  char buffer[64];
  const auto [end, ec] =
      std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::scientific, 14);
  if (ec != std::errc()) return std::string();
  const std::string text(buffer, end);
  const std::size_t ePos = text.find('e');
  const bool negative = text.front() == '-';
  std::string digits;
  for (std::size_t i = negative ? 1 : 0; i < ePos; ++i)
    if (text[i] != '.') digits += text[i];
  const int exponent = std::stoi(text.substr(ePos + 1));
  while (digits.size() > 1 && digits.back() == '0') digits.pop_back();
  std::string out;
  if (exponent < 0) {
    out = "0." + std::string(static_cast<std::size_t>(-exponent - 1), '0') + digits;
  } else if (static_cast<std::size_t>(exponent) + 1 >= digits.size()) {
    out = digits + std::string(static_cast<std::size_t>(exponent) + 1 - digits.size(), '0');
  } else {
    out = digits.substr(0, static_cast<std::size_t>(exponent) + 1) + "." +
          digits.substr(static_cast<std::size_t>(exponent) + 1);
  }
  return negative ? "-" + out : out;
}

std::string DoubleFieldText(double value) { return ShortestPlainDecimal(value); }

double RoundTo(double x, int k) {
  const double scale = std::pow(10.0, k);
  return std::floor(x * scale + 0.5) / scale;
}

std::string ResultText(double x, int k) {
  if (!std::isfinite(x)) return std::string();
  return SingleToText(sgl(RoundTo(x, k)));
}

bool AllFinite(std::initializer_list<double> values) {
  for (double v : values)
    if (!std::isfinite(v)) return false;
  return true;
}

}  // namespace shell
