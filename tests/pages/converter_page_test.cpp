// The unit converter page.
#include <gtest/gtest.h>

#include <string>

#include "tests/pages/page_test.h"

namespace {

constexpr GadgetId kValue = 1, kFrom = 2, kTo = 5, kAnswer = 7;

enum Unit {
  kFractionInch = 0,
  kFractionFeet = 1,
  kDecimalInch = 4,
  kDecimalFeet = 5,
  kPounds = 8,
  kOunces = 9,
  kFractionFahrenheit = 10,
  kDecimalFahrenheit = 11,
  kFractionalAngle = 12,
  kDecimalAngle = 13,
  kRadian = 14,
  kFootPounds = 15,
  kMeters = 16,
  kCelsius = 17,
  kNewtons = 18,
  kKilligrams = 19,
  kGrams = 20,
};

struct ConversionRow {
  const char* typed;
  Unit from, to;
  const char* answer;
};

const ConversionRow kConversionRows[] = {
    {"1 1/2", kFractionFeet, kDecimalInch, "18.0000"},
    {"18", kDecimalInch, kFractionFeet, "1 1/2"},
    {"100", kDecimalInch, kMeters, "3"},
    {"20", kDecimalInch, kMeters, "1"},
    {"19", kDecimalInch, kMeters, "0"},
    {"1", kMeters, kDecimalInch, "39.3696"},
    {"100", kCelsius, kDecimalFahrenheit, "212.0000"},
    {"212", kDecimalFahrenheit, kCelsius, "100.0000"},
    {"-40", kCelsius, kFractionFahrenheit, "-40"},
    {"1", kPounds, kGrams, "453.5923461914"},
    {"1", kKilligrams, kPounds, "2.2046"},
    {"1", kKilligrams, kOunces, "35.2740"},
    {"1", kDecimalAngle, kRadian, "0.017453"},
    {"30.5", kDecimalAngle, kFractionalAngle, "30 30' 0\""},
    {"45 30", kFractionalAngle, kDecimalAngle, "45.5000"},
    {"5", kPounds, kMeters, "Invalid"},
    {"abc", kDecimalInch, kDecimalFeet, "0.0000"},
    // The same unit on both sides copies the text as typed.
    {"1 1/2", kDecimalInch, kDecimalInch, "1 1/2"},
    {"anything", kOunces, kOunces, "anything"},
};

class ConverterPageTest : public PageTest {};

TEST_F(ConverterPageTest, ConvertsTheWorkedValues) {
  for (const ConversionRow& row : kConversionRows) {
    SCOPED_TRACE(std::string(row.typed) + " from " + std::to_string(row.from) + " to " +
                 std::to_string(row.to));
    StartOn(kConverter);
    Type({{kValue, row.typed}});
    ChooseComboItem(kFrom, row.from);
    ChooseComboItem(kTo, row.to);
    Pump();
    ASSERT_EQ(SelectedItem(kFrom), row.from);
    ASSERT_EQ(SelectedItem(kTo), row.to);
    Calculate(kConvertButton);
    EXPECT_EQ(GetText(kAnswer), row.answer);
    EXPECT_EQ(GetText(kValue), row.typed);
    EndProgram();
  }
}

// One factor serves both ways, the one direction the inverse of the other.
TEST_F(ConverterPageTest, FootPoundsAndNewtonsConvertBothWays) {
  std::string answers[2];
  const Unit pairs[2][2] = {{kFootPounds, kNewtons}, {kNewtons, kFootPounds}};
  for (int i = 0; i < 2; ++i) {
    StartOn(kConverter);
    Type({{kValue, "1"}});
    ChooseComboItem(kFrom, pairs[i][0]);
    ChooseComboItem(kTo, pairs[i][1]);
    Calculate(kConvertButton);
    answers[i] = GetText(kAnswer);
    EndProgram();
  }
  const bool multiplies = answers[0] == "4.4482" && answers[1] == "0.2248";
  const bool divides = answers[0] == "0.2248" && answers[1] == "4.4482";
  EXPECT_TRUE(multiplies || divides) << answers[0] << " and " << answers[1];
}

TEST_F(ConverterPageTest, OpensOnFractionInchToFootPoundsAndAnswersInvalid) {
  StartOn(kConverter);
  EXPECT_EQ(ComboItemText(kFrom, SelectedItem(kFrom)), "Fraction Inch");
  EXPECT_EQ(ComboItemText(kTo, SelectedItem(kTo)), "Foot-Pounds");
  EXPECT_EQ(ToolTipOf(kFrom), "Current format");  // the later tip replaced the first
  Calculate(kConvertButton);
  EXPECT_EQ(GetText(kAnswer), "Invalid");
}

TEST_F(ConverterPageTest, ChoosingUnitsConvertsNothingUntilConvertIsPressed) {
  StartOn(kConverter);
  Type({{kValue, "18"}});
  ChooseComboItem(kFrom, kDecimalInch);
  ChooseComboItem(kTo, kFractionFeet);
  Pump();
  EXPECT_EQ(GetText(kAnswer), "");
  Calculate(kConvertButton);
  EXPECT_EQ(GetText(kAnswer), "1 1/2");
  ChooseComboItem(kTo, kDecimalFeet);
  Pump();
  EXPECT_EQ(GetText(kAnswer), "1 1/2");
  EXPECT_EQ(SettingsBytes(), "CalcW = 4\r\nCalcU = 0\r\n");  // the units are not saved
}

TEST_F(ConverterPageTest, ComingBackForgetsTheValueAndTheUnits) {
  StartOn(kConverter);
  Type({{kValue, "18"}});
  ChooseComboItem(kFrom, kDecimalInch);
  ChooseComboItem(kTo, kFractionFeet);
  Calculate(kConvertButton);
  Show(kTriangle);
  Show(kConverter);
  EXPECT_EQ(GetText(kValue), "");
  EXPECT_EQ(GetText(kAnswer), "");
  EXPECT_EQ(SelectedItem(kFrom), kFractionInch);
  EXPECT_EQ(SelectedItem(kTo), kFootPounds);
}

}  // namespace
