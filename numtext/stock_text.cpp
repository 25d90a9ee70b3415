#include "numtext/stock_text.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>

#include "numtext/feet_inch_text.h"
#include "numtext/fraction_text.h"
#include "numtext/library_gaps.h"
#include "numtext/number_text.h"

namespace brindle {

namespace {

struct LengthUnit {
  std::string_view name;
  double millimeters;
};
// "mm" before "m", so that millimeters are not read as meters.
constexpr LengthUnit kLengthUnits[] = {
    {"mm", 1.0}, {"cm", 10.0}, {"m", 1000.0}, {"in", 25.4}, {"ft", 304.8}};
constexpr double kMillimetersPerInch = 25.4;

bool EndsWithLetters(std::string_view text, std::string_view suffix) {
  if (text.size() < suffix.size()) return false;
  return std::ranges::equal(text.substr(text.size() - suffix.size()), suffix,
                            [](char a, char b) { return (a | 0x20) == b; });
}

bool IsLetter(char c) {
  return (c | 0x20) >= 'a' && (c | 0x20) <= 'z';
}

}  // namespace

std::optional<double> ParseStockLength(std::string_view text, UnitsMode mode) {
  text = TrimBlanks(text);
  if (text.empty()) return std::nullopt;
  if (text.find_first_of("'\"") != std::string_view::npos) return ParseFeetInch(text);
  if (!IsLetter(text.back())) return static_cast<double>(ParseLength(text, mode));
  for (const LengthUnit& unit : kLengthUnits) {
    if (!EndsWithLetters(text, unit.name)) continue;
    const std::string_view number = TrimBlanks(text.substr(0, text.size() - unit.name.size()));
    if (number.empty() || IsLetter(number.back())) return std::nullopt;
    return ParseDecimalField(number) * unit.millimeters / kMillimetersPerInch;
  }
  return std::nullopt;
}

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
