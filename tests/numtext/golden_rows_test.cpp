// Every operation of the number text against its golden rows in golden/; then
// what a golden row cannot say well: NaN bit patterns, the 512-decimal clamp,
// texts of 100,000 characters, a desktop whose locale writes "2,5", and texts
// the program writes read back to the values they show.

#include <gtest/gtest.h>

#include <bit>
#include <clocale>
#include <cmath>
#include <cstdint>
#include <limits>
#include <map>
#include <optional>
#include <random>
#include <string>

#include "numtext/angle_text.h"
#include "numtext/fraction_text.h"
#include "numtext/length_text.h"
#include "numtext/number_model.h"
#include "numtext/number_text.h"
#include "tests/golden_rows.h"

namespace {

using Row = GoldenRow;

float Float(const std::string& text) {
  return GoldenNumber<float>(text);
}
double Double(const std::string& text) {
  return GoldenNumber<double>(text);
}
std::string Whole(std::optional<int32_t> value) {
  return value ? std::to_string(*value) : "none";
}

// golden/operations.txt: operation | argument | result.
using Operation = std::string (*)(const std::string&);
const std::map<std::string, Operation> kOperations = {
    {"FormatInteger", [](const std::string& a) { return FormatInteger(GoldenNumber<int64_t>(a)); }},
    {"Single", [](const std::string& a) { return Shortest(Single(Double(a))); }},
    {"TruncateToInt32", [](const std::string& a) { return Whole(TruncateToInt32(Double(a))); }},
    {"RoundHalfAway", [](const std::string& a) { return Shortest(RoundHalfAway(Double(a))); }},
    {"OutOfRangeWholeText", [](const std::string& a) { return OutOfRangeWholeText(Double(a)); }},
    {"FormatLength in Decimal",
     [](const std::string& a) { return FormatLength(Float(a), kDecimal); }},
    {"FormatLength in Fractions",
     [](const std::string& a) { return FormatLength(Float(a), kFractions); }},
    {"FormatLength in mode 7",
     [](const std::string& a) { return FormatLength(Float(a), UnitsModeOf(7)); }},
    {"ParseLength in Decimal",
     [](const std::string& a) { return Shortest(ParseLength(a, kDecimal)); }},
    {"ParseLength in Fractions",
     [](const std::string& a) { return Shortest(ParseLength(a, kFractions)); }},
};

// Each golden file, its number of columns, and what its last column is of the others.
const struct {
  const char* file;
  size_t width;
  std::string (*compute)(const Row&);
} kGoldenFiles[] = {
    {"format_number.txt", 3,
     [](const Row& r) { return FormatNumber(Float(r[0]), GoldenNumber<int>(r[1])); }},
    {"parse_number.txt", 2, [](const Row& r) { return Shortest(ParseNumber(r[0])); }},
    {"parse_integer.txt", 2, [](const Row& r) { return std::to_string(ParseInteger(r[0])); }},
    {"format_fraction.txt", 2, [](const Row& r) { return FormatFraction(Float(r[0])); }},
    {"parse_fraction.txt", 2, [](const Row& r) { return Shortest(ParseFraction(r[0])); }},
    {"format_angle_dms.txt", 2, [](const Row& r) { return FormatAngleDms(Float(r[0])); }},
    {"parse_angle_dms.txt", 2, [](const Row& r) { return Shortest(ParseAngleDms(r[0])); }},
    {"operations.txt", 3, [](const Row& r) { return kOperations.at(r[0])(r[1]); }},
};

TEST(NumberText, GoldenRows) {
  for (const auto& [file, width, compute] : kGoldenFiles)
    CheckGolden(file, width, compute);
}

// Every NaN bit pattern, quiet or signalling, either sign.
TEST(FormatNumber, EveryNaNPattern) {
  for (uint32_t bits : {0xFFFFFFFFu, 0x7FC00000u, 0xFFC00000u, 0x7F800001u, 0x7FFFFFFFu}) {
    EXPECT_EQ(FormatNumber(std::bit_cast<float>(bits), 4), "NaN") << std::hex << bits;
  }
}

TEST(FormatNumber, DecimalsClampTo512) {
  const std::string text = FormatNumber(1.0f, 600);
  EXPECT_EQ(text.size(), 2u + 512u);
  EXPECT_EQ(text.substr(0, 3), "1.0");
  EXPECT_EQ(text.find_first_not_of('0', 2), std::string::npos);
  // The smallest subnormal has an exact expansion of 149 places, far inside the clamp.
  const std::string tiny = FormatNumber(std::bit_cast<float>(1u), 512);
  EXPECT_EQ(tiny.substr(0, 2 + 45), "0." + std::string(44, '0') + "1");
  EXPECT_EQ(tiny.size(), 2u + 512u);
}

TEST(ParseNumber, VeryLongTextsReadCorrectly) {
  // 100,000 digits: 1 followed by zeros, then past the point.
  std::string big = "1" + std::string(100000, '0');
  EXPECT_EQ(ParseNumber(big), std::numeric_limits<float>::infinity());
  std::string small = "0." + std::string(100000, '0') + "1";
  EXPECT_EQ(ParseNumber(small), 0.0f);
  std::string many = "2." + std::string(100000, '5');
  EXPECT_EQ(ParseNumber(many), 2.5555555f);
  EXPECT_EQ(ParseNumber(std::string(100000, ' ')), 0.0f);
  // A digit far past what a double can hold still decides a halfway case:
  // 1 + 2^-53 is exactly halfway between two doubles.
  std::string halfway = "1.00000000000000011102230246251565404236316680908203125";
  EXPECT_EQ(ParseNumber(halfway + std::string(2000, '0') + "1"), 1.0f);
}

// The toolkit sets the C library's locale from the desktop's; numbers keep "."
// and a comma still ends a number.
TEST(NumberText, IgnoresTheLocalesDecimalComma) {
  if (std::setlocale(LC_ALL, "de_DE.UTF-8") == nullptr) GTEST_SKIP() << "no de_DE.UTF-8 locale";
  ASSERT_STREQ(std::localeconv()->decimal_point, ",");
  EXPECT_EQ(FormatNumber(2.5f, 4), "2.5000");
  EXPECT_EQ(ParseNumber("3.75"), 3.75f);
  EXPECT_EQ(ParseNumber("3,5"), 3.0f);
  std::setlocale(LC_ALL, "C");
}

// Every multiple of 1/64 between -1000 and 1000 survives the trip to text and back.
TEST(FractionRoundTrip, EverySixtyFourthBetweenMinusAndPlusAThousand) {
  int failures = 0;
  for (int k = -64000; k <= 64000; ++k) {
    const float value = static_cast<float>(k) / 64.0f;
    const std::string text = FormatFraction(value);
    if (ParseFraction(text) != value && ++failures <= 5) {
      ADD_FAILURE() << k << "/64 wrote \"" << text << "\" which reads " << ParseFraction(text);
    }
  }
  EXPECT_EQ(failures, 0);
}

// Written angles read back to within half a second, plus the few single-precision
// steps of the reading (a float near 360 degrees resolves about 0.1 second).
TEST(AngleRoundTrip, WithinHalfASecond) {
  std::mt19937 random(20111);
  std::uniform_real_distribution<float> angle(-360.0f, 360.0f);
  for (int i = 0; i < 20000; ++i) {
    const float value = angle(random);
    const float back = ParseAngleDms(FormatAngleDms(value));
    EXPECT_NEAR(back, value,
                0.5 / 3600.0 + 4 * (std::nextafter(std::fabs(value), 1e9f) - std::fabs(value)))
        << FormatAngleDms(value);
  }
}

}  // namespace
