#include "numtext/number_model.h"

#include <cfloat>
#include <cmath>

#include "numtext/number_text.h"

namespace brindle {

float Single(double x) {
  if (std::isnan(x)) return static_cast<float>(x);
  // Halfway between FLT_MAX and the next power of two: from here on the nearest
  // single-precision value is an infinity.
  constexpr double kOverflow = 0x1.ffffffp127;
  const double magnitude = std::fabs(x);
  if (magnitude >= kOverflow) return x < 0 ? -HUGE_VALF : HUGE_VALF;
  if (magnitude > FLT_MAX) return x < 0 ? -FLT_MAX : FLT_MAX;
  return static_cast<float>(x);
}

std::optional<int32_t> TruncateToInt32(double x) {
  // The open interval keeps NaN out too: every comparison with NaN is false.
  if (!(x > -2147483649.0 && x < 2147483648.0)) return std::nullopt;
  return static_cast<int32_t>(x);
}

float RoundHalfAway(double x) {
  return Single(x > 0 ? std::floor(x + 0.5) : std::ceil(x - 0.5));
}

std::string OutOfRangeWholeText(double wholeValue) {
  return FormatNumber(Single(std::trunc(wholeValue)), 0);
}

}  // namespace brindle
