#include "numtext/feet_inch_text.h"

#include <cmath>
#include <cstdint>

#include "numtext/fraction_text.h"
#include "numtext/number_model.h"
#include "numtext/number_text.h"
#include "numtext/shop_reading.h"

namespace brindle {

namespace {

constexpr double kSixtyFourthsPerInch = 64;
constexpr int64_t kSixtyFourthsPerFoot = 12 * 64;
// Below 2^46 inches a length in sixty-fourths plus a half is exact in double
// precision, and the count fits a 64-bit whole number.
constexpr double kMostInches = 0x1p46;

}  // namespace

std::string FormatFeetInch(float inches) {
  if (std::isnan(inches)) return "NaN";
  if (std::isinf(inches)) return inches > 0 ? "+Infinity" : "-Infinity";
  const double magnitude = std::fabs(static_cast<double>(inches));
  const std::string sign = std::signbit(inches) ? "-" : "";
  if (magnitude >= kMostInches) return sign + OutOfRangeWholeText(magnitude / 12) + "' 0\"";
  // Halves of a sixty-fourth round up, as FormatFraction rounds them.
  const auto sixtyFourths =
      static_cast<int64_t>(std::floor(magnitude * kSixtyFourthsPerInch + 0.5));
  if (sixtyFourths == 0) return "0' 0\"";
  const int64_t feet = sixtyFourths / kSixtyFourthsPerFoot;
  // Fewer than 768 sixty-fourths: exact in a float.
  const auto rest = static_cast<float>(sixtyFourths % kSixtyFourthsPerFoot);
  return sign + FormatInteger(feet) + "' " + FormatFraction(rest / 64) + "\"";
}

float ParseFeetInch(std::string_view text) {
  return Single(ReadShopText(text, ShopKind::kLength).value);
}

}  // namespace brindle
