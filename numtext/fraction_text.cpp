#include "numtext/fraction_text.h"

#include <cmath>

#include "numtext/number_model.h"
#include "numtext/number_text.h"
#include "numtext/shop_reading.h"

namespace brindle {

namespace {

// Text of a value that is not negative, to the nearest 1/marksPerInch.
std::string FormatMagnitude(float value, int marksPerInch) {
  const auto whole = TruncateToInt32(value);
  // Past the 32-bit range a float has no fractional part left to show.
  if (!whole) return OutOfRangeWholeText(value);
  const float fraction = Single(static_cast<double>(value) - *whole);
  const int64_t w = *whole;
  // A power of two times a float below 1 is exact: 0..marksPerInch.
  auto n = static_cast<int>(RoundHalfAway(static_cast<double>(fraction) * marksPerInch));
  if (n == marksPerInch) return FormatInteger(w + 1);
  if (n == 0) return FormatInteger(w);
  int d = marksPerInch;
  while (n % 2 == 0) {  // lowest terms
    n /= 2;
    d /= 2;
  }
  return FormatInteger(w) + " " + FormatInteger(n) + "/" + FormatInteger(d);
}

}  // namespace

std::string FormatFraction(float value, int marksPerInch) {
  if (std::isnan(value)) return "NaN";
  if (std::isinf(value)) return value > 0 ? "+Infinity" : "-Infinity";
  // A negative value is its magnitude with one sign, so that the text reads back
  // ("-2 1/2", not "-2 -1/2"); what rounds to 0 shows no sign at all.
  if (std::signbit(value)) {
    std::string magnitude = FormatMagnitude(-value, marksPerInch);
    return magnitude == "0" ? magnitude : "-" + magnitude;
  }
  return FormatMagnitude(value, marksPerInch);
}

float ParseFraction(std::string_view text) {
  return Single(ReadShopText(text, ShopKind::kNumber).value);
}

}  // namespace brindle
