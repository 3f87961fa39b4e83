// The number parser on arbitrary text: a number it accepts is finite and its
// plain decimal text reads back to the same single.
#include "numbers.h"

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  const auto v = shell::TextToSingle(text);
  if (!v) return 0;
  if (!std::isfinite(*v)) std::abort();
  const std::string shown = shell::SingleToText(*v);
  if (shown.empty() || shown.find_first_of("eE") != std::string::npos) std::abort();
  const auto back = shell::TextToSingle(shown);
  if (!back || !(*back == *v || (*back == 0.0f && *v == 0.0f))) std::abort();
  (void)shell::ResultText(*v, 3);
  return 0;
}
