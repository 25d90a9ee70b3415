// The rectangle and square page ("Box").
#include <gtest/gtest.h>

#include <array>
#include <string>

#include "tests/pages/page_test.h"

namespace {

constexpr GadgetId kWidth = 12, kHeight = 13, kWeightEach = 26;

// Diagonal, Angle, Area, Total, Perimeter.
constexpr std::array<GadgetId, 5> kResultFields = {17, 20, 24, 28, 67};

struct SquareRow {
  int calcU;
  Typed typed;
  std::array<const char*, 5> shown;  // in the order of kResultFields
};

const SquareRow kSquareRows[] = {
    {0,
     {{kWidth, "3"}, {kHeight, "4"}, {kWeightEach, "1.5"}},
     {"5", "53 1/8", "12", "18.0000", "14"}},
    {1,
     {{kWidth, "3"}, {kHeight, "4"}, {kWeightEach, "1.5"}},
     {"5.0000", "53.1301", "12.0000", "18.0000", "14.0000"}},
    {1, {{kWidth, "2"}, {kHeight, "2"}}, {"2.8284", "45.0000", "4.0000", "0.0000", "8.0000"}},
    {0, {{kWidth, "2"}, {kHeight, "2"}}, {"2 53/64", "45", "4", "0.0000", "8"}},
    {1, {{kWidth, "0"}, {kHeight, "5"}}, {"5.0000", "90.0000", "0.0000", "0.0000", "10.0000"}},
    {0,
     {{kWidth, "1 1/2"}, {kHeight, "0.75"}, {kWeightEach, "2"}},
     {"1 43/64", "26 9/16", "1 1/8", "2.2500", "4 1/2"}},
    // A negative height is shown as computed.
    {1, {{kWidth, "3"}, {kHeight, "-4"}}, {"5.0000", "-53.1301", "-12.0000", "0.0000", "-2.0000"}},
};

class SquarePageTest : public PageTest {};

TEST_F(SquarePageTest, ComputesTheWorkedRectangles) {
  for (const SquareRow& row : kSquareRows) {
    SCOPED_TRACE(row.typed[0].second + " by " + row.typed[1].second);
    StartOn(kSquare, row.calcU);
    Type(row.typed);
    Calculate(kCalcButton);
    for (size_t i = 0; i < kResultFields.size(); ++i) {
      EXPECT_EQ(GetText(kResultFields[i]), row.shown[i]) << "gadget " << kResultFields[i];
    }
    // Width and height are never rewritten.
    EXPECT_EQ(GetText(kWidth), row.typed[0].second);
    EXPECT_EQ(GetText(kHeight), row.typed[1].second);
    EndProgram();
  }
}

TEST_F(SquarePageTest, NoSidesChangeNothingAndShowNoMessage) {
  StartOn(kSquare, 1);
  Type({{kWidth, "3"}, {kHeight, "4"}});
  Calculate(kCalcButton);
  ASSERT_EQ(GetText(17), "5.0000");
  SetText(kWidth, "");
  SetText(kHeight, "");
  Type({{kWidth, "0"}, {kHeight, "none"}, {kWeightEach, "7"}});
  const auto before = PageState();
  Calculate(kCalcButton);
  EXPECT_EQ(PageState(), before);
}

}  // namespace
