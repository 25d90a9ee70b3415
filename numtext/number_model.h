#pragma once
// The number model every calculation shares: values are stored in single
// precision, each step is computed in double precision and rounded once when
// its result is stored. The helpers here are the only places where a value
// crosses between the two, or into a whole number, so none of them can
// overflow or lose a NaN silently.

#include <cstdint>
#include <optional>
#include <string>

namespace brindle {

// Rounds a double to single precision, round-to-nearest-even; magnitudes beyond
// the single-precision range become infinities instead of undefined behaviour.
float Single(double x);

// Truncates toward zero to a 32-bit whole number. Empty when the value is NaN,
// infinite or outside the 32-bit range.
std::optional<int32_t> TruncateToInt32(double x);

// Rounds to the nearest whole number, halves away from zero: floor(x + 0.5) for
// x > 0, ceil(x - 0.5) otherwise. The result is single precision.
float RoundHalfAway(double x);

inline constexpr double kDegreesToRadians = 0.017453292519943295;
inline constexpr double kRadiansToDegrees = 57.29577951308232;

// Angle conversions, each product rounded to single precision.
inline float Radians(double degrees) {
  return Single(degrees * kDegreesToRadians);
}
inline float Degrees(double radians) {
  return Single(radians * kRadiansToDegrees);
}

// Text for a whole number that did not fit 32 bits: "+Infinity", "-Infinity",
// "NaN", or the digits of the value as FormatNumber writes them with 0 decimals.
// `wholeValue` is the truncated value in double precision.
std::string OutOfRangeWholeText(double wholeValue);

}  // namespace brindle
