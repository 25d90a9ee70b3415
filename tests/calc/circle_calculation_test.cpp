#include "calc/circle_calculation.h"

#include <gtest/gtest.h>

#include "tests/calc/calc_printers.h"

namespace {

struct CircleRow {
  const char* what;
  CircleInput input;
  CircleOutput expected;
};

CircleInput Typed(const char* weight, const char* diameter, const char* radius, const char* holes,
                  const char* angle, int mode = kDecimal) {
  return {weight, diameter, radius, holes, angle, mode};
}

// Columns as the page shows them: Holes, Angle, Cord, Weight T, Diameter,
// Radius, Area, Perimiter.
const CircleRow kRows[] = {
    // Worked results.
    {"radius 2, holes 6",
     Typed("1", "", "2", "6", ""),
     {"6", "60.0000", "2.0000", "10.0000", "4.0000", "2.0000", "10.3923", "12.0000"}},
    {"diameter 4",
     Typed("1", "4", "", "", ""),
     {"", "", "", "13.0000", "4.0000", "2.0000", "12.5664", "12.5664"}},
    {"radius 5, angle 45, weight 2",
     Typed("2", "", "5", "", "45"),
     {"8", "45.0000", "3.8268", "141.0000", "10.0000", "5.0000", "70.7107", "30.6147"}},
    {"radius 2, angle 50",
     Typed("1", "", "2", "", "50"),
     {"7", "51.4286", "1.7355", "11.0000", "4.0000", "2.0000", "10.9456", "12.1487"}},
    // The diameter wins over a typed radius; the hole count over a typed angle.
    {"diameter 10 and radius 3",
     Typed("", "10", "3", "", ""),
     {"", "", "", "0.0000", "10.0000", "5.0000", "78.5398", "31.4159"}},
    {"holes 4 and angle 30",
     Typed("", "", "2", "4", "30"),
     {"4", "90.0000", "2.8284", "0.0000", "4.0000", "2.0000", "8.0000", "11.3137"}},
    // An angle above a full turn leaves no holes: the plain circle, fields emptied.
    {"angle 400",
     Typed("1", "", "2", "", "400"),
     {"", "", "", "13.0000", "4.0000", "2.0000", "12.5664", "12.5664"}},
    // 1.2 in single precision is a hair above 1.2: 299.99998 holes truncate to 299.
    {"angle 1.2",
     Typed("", "", "2", "", "1.2"),
     {"299", "1.2040", "0.0420", "0.0000", "4.0000", "2.0000", "12.5654", "12.5661"}},
    {"holes 6.5 read as 6",
     Typed("1", "", "2", "6.5", ""),
     {"6", "60.0000", "2.0000", "10.0000", "4.0000", "2.0000", "10.3923", "12.0000"}},
    {"holes -3",
     Typed("1", "", "2", "-3", ""),
     {"", "", "", "13.0000", "4.0000", "2.0000", "12.5664", "12.5664"}},
    {"angle 0.01 is not given",
     Typed("1", "", "2", "", "0.01"),
     {"", "", "", "13.0000", "4.0000", "2.0000", "12.5664", "12.5664"}},
    // Fewer than three holes bound no polygon: area 0; chord and perimeter stay.
    {"two holes",
     Typed("1", "", "2", "2", ""),
     {"2", "180.0000", "4.0000", "0.0000", "4.0000", "2.0000", "0.0000", "8.0000"}},
    {"one hole",
     Typed("1", "", "2", "1", ""),
     {"1", "360.0000", "0.0000", "0.0000", "4.0000", "2.0000", "0.0000", "0.0000"}},
    {"three holes",
     Typed("1", "", "2", "3", ""),
     {"3", "120.0000", "3.4641", "5.0000", "4.0000", "2.0000", "5.1962", "10.3923"}},
    // Fractions mode: lengths and the area as mixed numbers.
    {"fractions, radius 1 1/2",
     Typed("", "", "1 1/2", "", "", kFractions),
     {"", "", "", "0.0000", "3", "1 1/2", "7 1/16", "9 27/64"}},
    {"fractions, bolt circle",
     Typed("", "4", "", "6", "", kFractions),
     {"6", "60.0000", "2", "0.0000", "4", "2", "10 25/64", "12"}},
    // Halves of the total weight go to the even neighbour: 2.5 gives 2, 3.5 gives 4.
    {"weight 1.25 over area 2",
     Typed("1.25", "", "1", "4", ""),
     {"4", "90.0000", "1.4142", "2.0000", "2.0000", "1.0000", "2.0000", "5.6569"}},
    {"weight 1.75 over area 2",
     Typed("1.75", "", "1", "4", ""),
     {"4", "90.0000", "1.4142", "4.0000", "2.0000", "1.0000", "2.0000", "5.6569"}},
    // Beyond the 32-bit range the total weight keeps its digits.
    {"huge weight",
     Typed("1e9", "4", "", "", ""),
     {"", "", "", "12566371328.0000", "4.0000", "2.0000", "12.5664", "12.5664"}},
    {"infinite weight",
     Typed("1e39", "4", "", "", ""),
     {"", "", "", "+Infinity", "4.0000", "2.0000", "12.5664", "12.5664"}},
    {"infinite negative weight",
     Typed("-1e39", "4", "", "", ""),
     {"", "", "", "-Infinity", "4.0000", "2.0000", "12.5664", "12.5664"}},
    {"infinite area, no weight",
     Typed("", "1e39", "", "", ""),
     {"", "", "", "NaN", "+Infinity", "+Infinity", "+Infinity", "+Infinity"}},
};

TEST(CalculateCircle, WorkedResultsAndEdges) {
  for (const CircleRow& row : kRows) {
    const auto result = CalculateCircle(row.input);
    ASSERT_TRUE(std::holds_alternative<CircleOutput>(result)) << row.what;
    EXPECT_EQ(std::get<CircleOutput>(result), row.expected) << row.what;
  }
}

TEST(CalculateCircle, RadiusOrDiameterRequired) {
  const CalcMessage expected{"Circle Error", "Radius or Diameter required"};
  const CircleInput rows[] = {
      Typed("1", "", "", "6", "60"),
      Typed("1", "0.01", "", "", ""),
      Typed("1", "0.01", "0.01", "", ""),
      Typed("1", "-4", "-2", "", ""),
      Typed("1", "abc", "x", "", ""),
      Typed("1", "1/2", "", "", "", kDecimal),  // the decimal reader stops at the slash... at 1
  };
  for (size_t i = 0; i + 1 < std::size(rows); ++i) {
    const auto result = CalculateCircle(rows[i]);
    ASSERT_TRUE(std::holds_alternative<CalcMessage>(result)) << i;
    EXPECT_EQ(std::get<CalcMessage>(result), expected) << i;
  }
  // "1/2" in Decimal mode reads as 1 and is a diameter; in Fractions mode 0.5.
  EXPECT_EQ(std::get<CircleOutput>(CalculateCircle(rows[5])).radius, "0.5000");
  EXPECT_EQ(
      std::get<CircleOutput>(CalculateCircle(Typed("", "1/2", "", "", "", kFractions))).radius,
      "0 1/4");
}

TEST(CalculateCircle, HugeHoleCountsStaySound) {
  // The low 32 bits of the count: 2^32 + 6 is 6 holes; 2^31 wraps negative.
  EXPECT_EQ(std::get<CircleOutput>(CalculateCircle(Typed("", "", "2", "4294967302", ""))).holes,
            "6");
  EXPECT_EQ(std::get<CircleOutput>(CalculateCircle(Typed("", "", "2", "2147483648", ""))).holes,
            "");
  // The largest count: the polygon is the circle itself, within rounding.
  const auto most = std::get<CircleOutput>(CalculateCircle(Typed("", "", "2", "2147483647", "")));
  EXPECT_EQ(most.holes, "2147483647");
  EXPECT_NE(most.area.find("12.5"), std::string::npos) << most.area;
}

}  // namespace
