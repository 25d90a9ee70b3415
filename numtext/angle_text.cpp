#include "numtext/angle_text.h"

#include <cmath>

#include "numtext/number_model.h"
#include "numtext/number_text.h"
#include "numtext/shop_reading.h"

namespace brindle {

std::string FormatAngleDms(float degrees) {
  if (std::isnan(degrees)) return "NaN";
  if (std::isinf(degrees)) return degrees > 0 ? "+Infinity" : "-Infinity";
  const auto whole = TruncateToInt32(degrees);
  // Past the 32-bit range a float is a whole number of degrees.
  if (!whole) return OutOfRangeWholeText(degrees) + " 0' 0\"";
  const float minutesExact =
      Single(static_cast<double>(Single(static_cast<double>(degrees) - *whole)) * 60);
  const int32_t minutes = *TruncateToInt32(minutesExact);
  const float secondsExact =
      Single(static_cast<double>(Single(static_cast<double>(minutesExact) - minutes)) * 60);
  int64_t seconds = static_cast<int64_t>(RoundHalfAway(secondsExact));
  // Seconds that round to 60 make a whole minute, and 60 minutes a degree: a
  // protractor reads 11 0' 0", never 10 59' 60". The parts share the value's
  // sign, so the carry keeps it.
  int64_t minutesShown = minutes + seconds / 60;
  seconds %= 60;
  const int64_t degreesShown = *whole + minutesShown / 60;
  minutesShown %= 60;
  return FormatInteger(degreesShown) + " " + FormatInteger(minutesShown) + "' " +
         FormatInteger(seconds) + "\"";
}

float ParseAngleDms(std::string_view text) {
  return Single(ReadShopText(text, ShopKind::kAngle).value);
}

}  // namespace brindle
