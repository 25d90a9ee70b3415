#include "numtext/stock_text.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>

#include "numtext/library_gaps.h"
#include "numtext/number_text.h"

namespace brindle {

std::string FormatDecimal(double value, int decimals) {
  if (std::isnan(value)) return "NaN";
  if (std::isinf(value)) return value > 0 ? "+Infinity" : "-Infinity";
  decimals = std::clamp(decimals, 0, 17);
  if (value == 0.0) value = 0.0;  // never "-0.0000"
  std::array<char, 400> buffer;
  // A double ends in a single 5 right after the last kept place exactly when it
  // is an odd multiple of 2^-(decimals + 1); to_chars would round that tie to
  // even, the program rounds it away from zero.
  const double scaled = std::ldexp(std::fabs(value), decimals + 1);
  const bool tie = scaled < 0x1p53 && std::fmod(scaled, 2.0) == 1.0;
  char* end =
      WriteFixed(buffer.data(), buffer.data() + buffer.size(), value, decimals + (tie ? 1 : 0));
  std::string text(buffer.data(), end);
  if (tie) {
    text.pop_back();
    if (decimals == 0) text.pop_back();
    IncrementMagnitude(text);
  }
  return text;
}

}  // namespace brindle
