// Any text reads as a fraction without fault; what FormatFraction writes reads
// back to the sixty-fourth it shows.
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "numtext/fraction_text.h"

using namespace brindle;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  const float value = ParseFraction(text);
  const std::string shown = FormatFraction(value);
  if (shown.empty()) std::abort();
  if (std::isfinite(value) && std::fabs(value) < 1e6f) {
    const float back = ParseFraction(shown);
    if (!(std::fabs(back - value) <= 1.0f / 128.0f + 1e-3f)) std::abort();
    if (FormatFraction(back) != shown) std::abort();
  }
  return 0;
}
