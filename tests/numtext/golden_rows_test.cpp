// Every operation of the number text against its golden rows in golden/.

#include <gtest/gtest.h>

#include <map>
#include <optional>
#include <string>

#include "numtext/angle_text.h"
#include "numtext/fraction_text.h"
#include "numtext/length_text.h"
#include "numtext/number_model.h"
#include "numtext/number_text.h"
#include "tests/golden_rows.h"

namespace {

using Row = GoldenRow;

TEST(FormatNumber, GoldenRows) {
  CheckGolden("format_number.txt", 3, [](const Row& r) {
    return FormatNumber(GoldenNumber<float>(r[0]), GoldenNumber<int>(r[1]));
  });
}

TEST(ParseNumber, GoldenRows) {
  CheckGolden("parse_number.txt", 2, [](const Row& r) { return Shortest(ParseNumber(r[0])); });
}

TEST(ParseInteger, GoldenRows) {
  CheckGolden("parse_integer.txt", 2,
              [](const Row& r) { return std::to_string(ParseInteger(r[0])); });
}

TEST(FormatFraction, GoldenRows) {
  CheckGolden("format_fraction.txt", 2,
              [](const Row& r) { return FormatFraction(GoldenNumber<float>(r[0])); });
}

TEST(ParseFraction, GoldenRows) {
  CheckGolden("parse_fraction.txt", 2, [](const Row& r) { return Shortest(ParseFraction(r[0])); });
}

TEST(FormatAngleDms, GoldenRows) {
  CheckGolden("format_angle_dms.txt", 2,
              [](const Row& r) { return FormatAngleDms(GoldenNumber<float>(r[0])); });
}

TEST(ParseAngleDms, GoldenRows) {
  CheckGolden("parse_angle_dms.txt", 2, [](const Row& r) { return Shortest(ParseAngleDms(r[0])); });
}

std::string Whole(std::optional<int32_t> value) {
  return value ? std::to_string(*value) : "none";
}
double Double(const std::string& text) {
  return GoldenNumber<double>(text);
}
float Float(const std::string& text) {
  return GoldenNumber<float>(text);
}

using Operation = std::string (*)(const std::string&);
const std::map<std::string, Operation> kOperations = {
    {"FormatInteger", [](const std::string& a) { return FormatInteger(GoldenNumber<int64_t>(a)); }},
    {"Single", [](const std::string& a) { return Shortest(Single(Double(a))); }},
    {"TruncateToInt32", [](const std::string& a) { return Whole(TruncateToInt32(Double(a))); }},
    {"RoundHalfAway", [](const std::string& a) { return Shortest(RoundHalfAway(Double(a))); }},
    {"RoundHalfEvenToInt32",
     [](const std::string& a) { return Whole(RoundHalfEvenToInt32(Double(a))); }},
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

TEST(NumberOperations, GoldenRows) {
  CheckGolden("operations.txt", 3, [](const Row& r) { return kOperations.at(r[0])(r[1]); });
}

}  // namespace
