// The bend page: flat stock for up to four bends, hard or soft material.
#include <gtest/gtest.h>

#include <string>

#include "tests/pages/page_test.h"

namespace {

constexpr GadgetId kHard = 69, kSoft = 70, kThick = 72, kTotal = 28;
constexpr GadgetId kDistance1 = 17, kDistance2 = 18, kDistance3 = 74, kDistance4 = 75,
                   kDistance5 = 76;
constexpr GadgetId kRadius1 = 77, kRadius2 = 78, kRadius3 = 79, kRadius4 = 88;
constexpr GadgetId kAngle1 = 20, kAngle2 = 21, kAngle3 = 90, kAngle4 = 95;

// Four right-angle bends of radius 1/4 in stock 1/4 thick.
const Typed kFourBends = {
    {kDistance1, "2"},  {kDistance2, "3"},  {kDistance3, "3"},  {kDistance4, "2"},
    {kDistance5, "1"},  {kRadius1, "0.25"}, {kRadius2, "0.25"}, {kRadius3, "0.25"},
    {kRadius4, "0.25"}, {kThick, "0.25"},   {kAngle1, "90"},    {kAngle2, "90"},
    {kAngle3, "90"},    {kAngle4, "90"},
};

struct BendRow {
  int calcU;
  bool hard;
  Typed typed;
  const char* total;
};

const BendRow kBendRows[] = {
    {1, false, kFourBends, "12.9041"},
    {1, true, kFourBends, "13.0708"},
    // With no bends the page adds fractions, and subtracts.
    {0, false, {{kDistance1, "1 1/2"}, {kDistance2, "2 1/4"}}, "3 3/4"},
    {1, false, {{kDistance1, "5"}, {kDistance2, "-2"}}, "3.0000"},
    {1, false, {{kDistance5, "7.5"}}, "7.5000"},
    {1, true, {{kDistance1, "10"}, {kRadius1, "1"}, {kAngle1, "90"}, {kThick, "0.125"}}, "11.6333"},
    // An arc of 0.1 or less gets no allowance, however thick the stock.
    {1, true, {{kDistance1, "1"}, {kRadius1, "0.05"}, {kAngle1, "90"}, {kThick, "5"}}, "1.0785"},
    {0, false, {{kDistance1, "2"}, {kRadius1, "1/4"}, {kAngle1, "90"}, {kThick, "1/4"}}, "2 15/32"},
    // Decimals read a mixed fraction only up to the blank.
    {1, false, {{kDistance1, "1 1/2"}}, "1.0000"},
};

class BenderPageTest : public PageTest {};

TEST_F(BenderPageTest, EstimatesTheWorkedLengths) {
  for (const BendRow& row : kBendRows) {
    SCOPED_TRACE(std::string(row.total) + (row.hard ? " hard" : " soft"));
    StartOn(kBender, row.calcU);
    if (row.hard) Click(kHard);
    Type(row.typed);
    const auto before = PageState();
    Calculate(kCalcButton);
    EXPECT_EQ(GetText(kTotal), row.total);
    // Total is the only field written.
    auto after = PageState();
    for (auto& control : after) {
      if (control.id == kTotal) control.text = "";
    }
    EXPECT_EQ(after, before);
    EndProgram();
  }
}

TEST_F(BenderPageTest, HardAndSoftActAsOneChoice) {
  StartOn(kBender);
  EXPECT_EQ(SelectedItem(kHard), 0);
  EXPECT_EQ(SelectedItem(kSoft), 1);
  struct Step {
    GadgetId clicked;
    int hard, soft;
  };
  const Step steps[] = {{kHard, 1, 0}, {kHard, 1, 0}, {kSoft, 0, 1}, {kSoft, 0, 1}, {kHard, 1, 0}};
  for (const Step& step : steps) {
    Click(step.clicked);
    EXPECT_EQ(SelectedItem(kHard), step.hard) << "after clicking " << step.clicked;
    EXPECT_EQ(SelectedItem(kSoft), step.soft) << "after clicking " << step.clicked;
  }
  EXPECT_EQ(SettingsBytes(), "CalcW = 2\r\nCalcU = 0\r\n");  // the material is not saved
}

TEST_F(BenderPageTest, ComingBackShowsSoftAgain) {
  StartOn(kBender);
  Click(kHard);
  Show(kConverter);
  Show(kBender);
  EXPECT_EQ(SelectedItem(kHard), 0);
  EXPECT_EQ(SelectedItem(kSoft), 1);
  Type(kFourBends);
  ChooseComboItem(15, 1);
  Pump();
  Calculate(kCalcButton);
  EXPECT_EQ(GetText(kTotal), "12.9041");  // the soft allowance
}

}  // namespace
