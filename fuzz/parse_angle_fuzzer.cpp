// Any text reads as an angle without fault; what FormatAngleDms writes reads
// back to within half a second (and the float steps of a large angle).
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "numtext/angle_text.h"

using namespace brindle;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  const float value = ParseAngleDms(text);
  const std::string shown = FormatAngleDms(value);
  if (shown.empty()) std::abort();
  if (std::isfinite(value) && std::fabs(value) < 1e4f) {
    const float back = ParseAngleDms(shown);
    const double slack = 0.5 / 3600.0 + 8.0 * std::fabs(value) * 1.2e-7 + 1e-6;
    if (!(std::fabs(back - value) <= slack)) std::abort();
  }
  return 0;
}
