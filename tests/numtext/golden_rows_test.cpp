// Every operation of the number text against its golden rows in golden/, under
// the C locale and one that writes "2,5"; then texts the program writes read
// back to the values they show.

#include <gtest/gtest.h>

#include <bit>
#include <charconv>
#include <clocale>
#include <cmath>
#include <cstdint>
#include <map>
#include <optional>
#include <random>
#include <string>
#include <tuple>

#include "numtext/angle_text.h"
#include "numtext/feet_inch_text.h"
#include "numtext/fraction_text.h"
#include "numtext/length_text.h"
#include "numtext/number_model.h"
#include "numtext/number_text.h"
#include "numtext/shop_reading.h"
#include "tests/golden_rows.h"

using namespace brindle;

namespace {

using Text = const std::string&;
using Row = GoldenRow;

// The shortest text that reads back as exactly this value ("-0", "inf"); every NaN is "nan".
std::string Shortest(float value) {
  char text[32];
  return value != value ? "nan" : std::string(text, std::to_chars(text, text + 32, value).ptr);
}
// A value, or a float's bit pattern as 0x and eight hexadecimal digits.
float Float(Text text) {
  return text.starts_with("0x") ? std::bit_cast<float>(GoldenNumber<uint32_t>(text.substr(2), 16))
                                : GoldenNumber<float>(text);
}
const auto Double = [](Text text) { return GoldenNumber<double>(text); };
const auto Whole = [](std::optional<int32_t> v) { return v ? std::to_string(*v) : "none"; };

// A field's text as its kind reads it: the value in its shortest exact form
// (a count as its whole number), 0 for an empty text, or "unreadable".
const std::map<std::string, ShopKind> kKinds = {{"number", ShopKind::kNumber},
                                                {"length", ShopKind::kLength},
                                                {"angle", ShopKind::kAngle},
                                                {"count", ShopKind::kCount}};
std::string Reading(Text text, ShopKind kind) {
  const ShopReading r = ReadShopText(text, kind);
  if (r.Unreadable()) return "unreadable";
  if (kind == ShopKind::kCount) return std::to_string(r.count);
  // Most forms are read in single precision; a unit word's product in double.
  if (r.value != r.value || Single(r.value) == r.value) return Shortest(Single(r.value));
  char digits[32];
  return std::string(digits, std::to_chars(digits, digits + 32, r.value).ptr);
}

// golden/operations.txt: operation | argument | result ("none": nothing returned).
const std::map<std::string, std::string (*)(Text)> kOperations = {
    {"FormatInteger", [](Text a) { return FormatInteger(GoldenNumber<int64_t>(a)); }},
    {"Single", [](Text a) { return Shortest(Single(Double(a))); }},
    {"TruncateToInt32", [](Text a) { return Whole(TruncateToInt32(Double(a))); }},
    {"RoundHalfAway", [](Text a) { return Shortest(RoundHalfAway(Double(a))); }},
    {"OutOfRangeWholeText", [](Text a) { return OutOfRangeWholeText(Double(a)); }},
    {"FormatLength in Decimal", [](Text a) { return FormatLength(Float(a), kDecimal); }},
    {"FormatLength in Fractions", [](Text a) { return FormatLength(Float(a), kFractions); }},
    {"FormatLength in mode 7", [](Text a) { return FormatLength(Float(a), UnitsModeOf(7)); }},
    {"FormatLength in mode 5", [](Text a) { return FormatLength(Float(a), UnitsModeOf(5)); }},
    {"FormatLength in mode 2", [](Text a) { return FormatLength(Float(a), UnitsModeOf(2)); }},
    {"FormatLength in mode 3", [](Text a) { return FormatLength(Float(a), UnitsModeOf(3)); }},
    {"FormatLength in mode 4", [](Text a) { return FormatLength(Float(a), UnitsModeOf(4)); }},
    {"Length field", [](Text a) { return Reading(a, ShopKind::kLength); }},
};

// Each golden file, its number of columns, and what its last column is of the others.
const std::tuple<const char*, size_t, std::string (*)(const Row&)> kGoldenFiles[] = {
    {"format_number.txt", 3,
     [](const Row& r) { return FormatNumber(Float(r[0]), GoldenNumber<int>(r[1])); }},
    {"parse_number.txt", 2, [](const Row& r) { return Shortest(ParseNumber(r[0])); }},
    {"parse_integer.txt", 2, [](const Row& r) { return std::to_string(ParseInteger(r[0])); }},
    {"format_fraction.txt", 2, [](const Row& r) { return FormatFraction(Float(r[0])); }},
    {"parse_fraction.txt", 2, [](const Row& r) { return Reading(r[0], ShopKind::kNumber); }},
    {"format_angle_dms.txt", 2, [](const Row& r) { return FormatAngleDms(Float(r[0])); }},
    {"parse_angle_dms.txt", 2, [](const Row& r) { return Reading(r[0], ShopKind::kAngle); }},
    {"format_feet_inch.txt", 2, [](const Row& r) { return FormatFeetInch(Float(r[0])); }},
    {"parse_feet_inch.txt", 2, [](const Row& r) { return Reading(r[0], ShopKind::kLength); }},
    {"read_field_text.txt", 3, [](const Row& r) { return Reading(r[1], kKinds.at(r[0])); }},
    {"operations.txt", 3, [](const Row& r) { return kOperations.at(r[0])(r[1]); }},
};

// The toolkit sets the C library's locale from the desktop's, which may write
// "2,5": numbers keep "." and a comma still ends a number.
TEST(NumberText, GoldenRows) {
  for (const char* locale : {"C", "de_DE.UTF-8"}) {
    if (std::setlocale(LC_ALL, locale) == nullptr) continue;  // where no such locale is installed
    for (const auto& [file, width, compute] : kGoldenFiles)
      CheckGolden(file, width, compute);
  }
  std::setlocale(LC_ALL, "C");
}

// Every multiple of 1/64 between -1000 and 1000 survives the trip to text and
// back, as a fraction and as feet and inches; written angles read back to
// within half a second, plus the few single-precision steps of the reading
// (near 360 degrees about 0.1 second).
TEST(RoundTrip, SixtyFourthsExactlyAndAnglesWithinHalfASecond) {
  for (float k = -64000; k <= 64000; ++k) {  // whole numbers, exact in a float
    if (ParseFraction(FormatFraction(k / 64)) != k / 64) FAIL() << k << "/64 changed";
    if (ParseFeetInch(FormatFeetInch(k / 64)) != k / 64) FAIL() << k << "/64 in feet changed";
  }
  std::mt19937 random(20111);
  std::uniform_real_distribution<float> angle(-360.0f, 360.0f);
  for (int i = 0; i < 20000; ++i) {
    const float value = angle(random), step = std::nextafter(std::fabs(value), 1e9f);
    EXPECT_NEAR(ParseAngleDms(FormatAngleDms(value)), value,
                0.5 / 3600.0 + 4 * (step - std::fabs(value)))
        << FormatAngleDms(value);
  }
}

}  // namespace
