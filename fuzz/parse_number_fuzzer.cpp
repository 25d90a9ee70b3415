// Any text reads as a number without fault, and every finite number's exact
// text reads back to the same number.
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "numtext/number_text.h"

using namespace brindle;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  const float value = ParseNumber(text);
  if (std::isnan(value)) std::abort();  // no text reads as NaN
  const std::string four = FormatNumber(value, 4);
  if (four.empty()) std::abort();
  if (std::isfinite(value)) {
    // 149 places hold the exact expansion of every float.
    if (ParseNumber(FormatNumber(value, 149)) != value) std::abort();
  }
  return 0;
}
