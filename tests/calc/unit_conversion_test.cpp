#include "calc/unit_conversion.h"

#include <gtest/gtest.h>

#include <climits>
#include <string>

namespace {

enum Unit {
  kFractionInch,
  kFractionFeet,
  kFractionYard,
  kFractionMile,
  kDecimalInch,
  kDecimalFeet,
  kDecimalMile,
  kTons,
  kPounds,
  kOunces,
  kFractionFahrenheit,
  kDecimalFahrenheit,
  kFractionalAngle,
  kDecimalAngle,
  kRadian,
  kFootPounds,
  kMeters,
  kCelsius,
  kNewtons,
  kKilograms,
  kGrams,
};

struct ConvertRow {
  const char* text;
  int from;
  int to;
  const char* answer;
};

const ConvertRow kRows[] = {
    // Worked values.
    {"1 1/2", kFractionFeet, kDecimalInch, "18.0000"},
    {"18", kDecimalInch, kFractionFeet, "1 1/2"},
    {"100", kDecimalInch, kMeters, "3"},
    {"1", kMeters, kDecimalInch, "39.3696"},
    {"100", kCelsius, kDecimalFahrenheit, "212.0000"},
    {"212", kDecimalFahrenheit, kCelsius, "100.0000"},
    {"1", kPounds, kGrams, "453.5923461914"},
    {"1", kKilograms, kPounds, "2.2046"},
    {"1", kKilograms, kOunces, "35.2740"},
    {"1", kDecimalAngle, kRadian, "0.017453"},
    {"30.5", kDecimalAngle, kFractionalAngle, "30 30' 0\""},
    {"5", kPounds, kMeters, "Invalid"},
    // The same unit on both sides copies the text as typed.
    {"1 1/2", kDecimalInch, kDecimalInch, "1 1/2"},
    {"abc", kGrams, kGrams, "abc"},
    {"", kFractionInch, kFractionInch, ""},
    // Whole meters, halves to even.
    {"20", kDecimalInch, kMeters, "1"},
    {"19", kDecimalInch, kMeters, "0"},
    {"-20", kDecimalInch, kMeters, "-1"},
    {"1 1/2", kFractionMile, kMeters, "2414"},
    {"1e39", kDecimalInch, kMeters, "+Infinity"},
    {"-1e39", kDecimalInch, kMeters, "-Infinity"},
    {"1e20", kDecimalInch, kMeters, "2540030739592773632"},
    // Grams: ten decimals from pounds, tons and ounces, four from kilograms.
    {"1", kTons, kGrams, "907184.7500000000"},
    {"16", kOunces, kGrams, "453.5923461914"},
    // A kilogram in pounds is held in single precision: 1000.00006 grams.
    {"1", kKilograms, kGrams, "1000.0001"},
    {"2500", kGrams, kKilograms, "2.5000"},
    {"1000", kGrams, kPounds, "2.2046"},
    {"1", kTons, kPounds, "2000.0000"},
    {"1", kPounds, kTons, "0.0005"},
    {"1", kPounds, kOunces, "16.0000"},
    {"1", kPounds, kKilograms, "0.4536"},
    // Temperatures; negative fractions keep one sign.
    {"-40", kCelsius, kFractionFahrenheit, "-40"},
    {"-40", kCelsius, kDecimalFahrenheit, "-40.0000"},
    {"37", kCelsius, kFractionFahrenheit, "98 19/32"},
    {"32", kFractionFahrenheit, kCelsius, "0.0000"},
    {"98 1/2", kFractionFahrenheit, kDecimalFahrenheit, "98.5000"},
    {"-2 1/2", kFractionFahrenheit, kFractionFahrenheit, "-2 1/2"},
    {"-2 1/2", kFractionFahrenheit, kDecimalFahrenheit, "-2.5000"},
    // Angles: degrees-minutes-seconds, decimal degrees and radians.
    {"45.5", kFractionalAngle, kDecimalAngle, "45.5000"},
    {"45 30", kFractionalAngle, kDecimalAngle, "45.5000"},
    {"30 30' 36\"", kFractionalAngle, kDecimalAngle, "30.5100"},
    {"3.14159265", kRadian, kDecimalAngle, "180.0000"},
    {"90", kDecimalAngle, kRadian, "1.570796"},
    {"1", kRadian, kFractionalAngle, "57 17' 45\""},
    // Force: pound-force and newtons.
    {"1", kFootPounds, kNewtons, "4.4482"},
    {"1", kNewtons, kFootPounds, "0.2248"},
    {"100", kNewtons, kFootPounds, "22.4809"},
    // Lengths.
    {"1", kFractionMile, kDecimalInch, "63360.0000"},
    {"63360", kDecimalInch, kFractionMile, "1"},
    {"1 1/2", kFractionYard, kDecimalFeet, "4.5000"},
    {"1", kDecimalMile, kDecimalFeet, "5280.0000"},
    {"10 19/64", kFractionInch, kDecimalInch, "10.2969"},
    {"1", kDecimalInch, kFractionYard, "0 1/32"},
    {"1", kMeters, kFractionFeet, "3 9/32"},
    {"abc", kDecimalInch, kDecimalFeet, "0.0000"},
    {"1e39", kDecimalFeet, kDecimalInch, "+Infinity"},
    // Pairs across families.
    {"1", kFractionInch, kFootPounds, "Invalid"},
    {"1", kFootPounds, kPounds, "Invalid"},
    {"1", kCelsius, kRadian, "Invalid"},
    {"1", kRadian, kNewtons, "Invalid"},
    {"1", kGrams, kDecimalMile, "Invalid"},
    // Drop-down indices outside the list.
    {"1", -1, kDecimalInch, "Invalid"},
    {"1", kDecimalInch, -1, "Invalid"},
    {"1", kUnitCount, kDecimalInch, "Invalid"},
    {"1", kDecimalInch, 99, "Invalid"},
    {"1", INT_MIN, INT_MAX, "Invalid"},
    {"7 apples", -1, -1, "7 apples"},
    {"7", INT_MAX, INT_MAX, "7"},
};

TEST(ConvertUnit, WorkedValuesAndEdges) {
  for (const ConvertRow& row : kRows) {
    EXPECT_EQ(ConvertUnit(row.text, row.from, row.to), row.answer)
        << row.text << " from " << row.from << " to " << row.to;
  }
}

TEST(ConvertUnit, EntryNames) {
  const char* expected[kUnitCount] = {"Fraction Inch",
                                      "Fraction Feet",
                                      "Fraction Yard",
                                      "Fraction Mile",
                                      "Decimal Inch",
                                      "Decimal Feet",
                                      "Decimal Mile",
                                      "Tons",
                                      "Pounds",
                                      "Ounces",
                                      "Fraction Fahrenheit",
                                      "Decimal Fahrenheit",
                                      "Fractional Angle",
                                      "Decimal Angle",
                                      "Radian",
                                      "Foot-Pounds",
                                      "Meters",
                                      "Celsius",
                                      "Newtons",
                                      "Killigrams",
                                      "Grams"};
  for (int i = 0; i < kUnitCount; ++i)
    EXPECT_STREQ(kUnitNames[i], expected[i]) << i;
}

// Every pair within a family answers a number; every pair across families
// answers "Invalid".
TEST(ConvertUnit, FamiliesAreClosed) {
  const int family[kUnitCount] = {0, 0, 0, 0, 0, 0, 0, 1, 1, 1, 2, 2, 3, 3, 3, 4, 0, 2, 4, 1, 1};
  for (int from = 0; from < kUnitCount; ++from) {
    for (int to = 0; to < kUnitCount; ++to) {
      if (from == to) continue;
      const std::string answer = ConvertUnit("2", from, to);
      if (family[from] == family[to]) {
        EXPECT_NE(answer, "Invalid") << from << " to " << to;
        EXPECT_FALSE(answer.empty()) << from << " to " << to;
      } else {
        EXPECT_EQ(answer, "Invalid") << from << " to " << to;
      }
    }
  }
}

}  // namespace
