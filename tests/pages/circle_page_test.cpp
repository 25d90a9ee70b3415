// The circle page: radius or diameter, optionally a bolt circle of holes.
#include <gtest/gtest.h>

#include <array>
#include <string>

#include "tests/pages/page_test.h"

namespace {

constexpr GadgetId kRadius = 51, kDiameter = 54, kHoles = 56, kAngle = 57, kWeightEach = 62;

// Holes, Angle, Cord, Weight T, Diameter, Radius, Area, Perimiter.
constexpr std::array<GadgetId, 8> kResultFields = {kHoles,    kAngle,  58, 28,
                                                   kDiameter, kRadius, 24, 67};

struct CircleRow {
  int calcU;
  Typed typed;
  std::array<const char*, 8> shown;  // in the order of kResultFields
};

const CircleRow kCircleRows[] = {
    {1,
     {{kRadius, "2"}, {kHoles, "6"}, {kWeightEach, "1"}},
     {"6", "60.0000", "2.0000", "10.0000", "4.0000", "2.0000", "10.3923", "12.0000"}},
    {1,
     {{kDiameter, "4"}, {kWeightEach, "1"}},
     {"", "", "", "13.0000", "4.0000", "2.0000", "12.5664", "12.5664"}},
    {1,
     {{kRadius, "5"}, {kAngle, "45"}, {kWeightEach, "2"}},
     {"8", "45.0000", "3.8268", "141.0000", "10.0000", "5.0000", "70.7107", "30.6147"}},
    {1,
     {{kRadius, "2"}, {kAngle, "50"}, {kWeightEach, "1"}},
     {"7", "51.4286", "1.7355", "11.0000", "4.0000", "2.0000", "10.9456", "12.1487"}},
    // The diameter wins over a typed radius; no weight each gives no weight.
    {1,
     {{kDiameter, "10"}, {kRadius, "3"}},
     {"", "", "", "0.0000", "10.0000", "5.0000", "78.5398", "31.4159"}},
    // An angle past a full turn leaves no holes: the plain circle, Holes and Angle emptied.
    {1,
     {{kRadius, "2"}, {kAngle, "400"}, {kWeightEach, "1"}},
     {"", "", "", "13.0000", "4.0000", "2.0000", "12.5664", "12.5664"}},
    // Fractions: every length and the area to the sixty-fourth.
    {0, {{kRadius, "1 1/2"}}, {"", "", "", "0.0000", "3", "1 1/2", "7 1/16", "9 27/64"}},
    {0,
     {{kDiameter, "4"}, {kHoles, "6"}, {kWeightEach, "1"}},
     {"6", "60.0000", "2", "10.0000", "4", "2", "10 25/64", "12"}},
};

class CirclePageTest : public PageTest {};

TEST_F(CirclePageTest, ComputesTheWorkedCirclesAndBoltCircles) {
  for (const CircleRow& row : kCircleRows) {
    SCOPED_TRACE(row.typed.front().second + " in gadget " +
                 std::to_string(row.typed.front().first));
    StartOn(kCircle, row.calcU);
    Type(row.typed);
    Calculate(kCalcButton);
    for (size_t i = 0; i < kResultFields.size(); ++i) {
      EXPECT_EQ(GetText(kResultFields[i]), row.shown[i]) << "gadget " << kResultFields[i];
    }
    std::string weightEach;  // never written by the calculation
    for (const auto& [id, text] : row.typed) {
      if (id == kWeightEach) weightEach = text;
    }
    EXPECT_EQ(GetText(kWeightEach), weightEach);
    EndProgram();
  }
}

TEST_F(CirclePageTest, ClearingHolesAndAngleGoesBackToThePlainCircle) {
  StartOn(kCircle, 1);
  Type({{kRadius, "2"}, {kHoles, "6"}, {kWeightEach, "1"}});
  Calculate(kCalcButton);
  ASSERT_EQ(GetText(24), "10.3923");
  SetText(kHoles, "");
  SetText(kAngle, "");
  Calculate(kCalcButton);
  EXPECT_EQ(GetText(58), "");
  EXPECT_EQ(GetText(24), "12.5664");
  EXPECT_EQ(GetText(67), "12.5664");
}

TEST_F(CirclePageTest, WithoutRadiusOrDiameterAMessageAndNoFieldChanges) {
  const Typed cases[] = {
      {},
      {{kDiameter, "0.01"}, {kHoles, "6"}, {kWeightEach, "2"}},
      {{kRadius, "-4"}, {kAngle, "30"}},
      {{kRadius, "abc"}},
  };
  for (const Typed& typed : cases) {
    StartOn(kCircle, 1);
    Type(typed);
    const auto before = PageState();
    const auto box = ClickForMessage(kCalcButton);
    ASSERT_TRUE(box.has_value());
    EXPECT_EQ(box->title, "Circle Error");
    EXPECT_EQ(box->text, "Radius or Diameter required");
    EXPECT_EQ(PageState(), before);
    EndProgram();
  }
}

}  // namespace
