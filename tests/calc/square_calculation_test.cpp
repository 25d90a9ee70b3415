#include "calc/square_calculation.h"

#include <gtest/gtest.h>

#include "tests/calc/calc_printers.h"

namespace {

struct SquareRow {
  const char* what;
  SquareInput input;
  SquareOutput expected;  // Diagonal, Angle, Area, Total, Perimeter
};

const SquareRow kRows[] = {
    {"3 by 4, fractions", {"3", "4", "1.5", kFractions}, {"5", "53 1/8", "12", "18.0000", "14"}},
    {"3 by 4, decimal",
     {"3", "4", "1.5", kDecimal},
     {"5.0000", "53.1301", "12.0000", "18.0000", "14.0000"}},
    {"2 by 2, decimal",
     {"2", "2", "", kDecimal},
     {"2.8284", "45.0000", "4.0000", "0.0000", "8.0000"}},
    {"2 by 2, fractions", {"2", "2", "", kFractions}, {"2 53/64", "45", "4", "0.0000", "8"}},
    {"width 0", {"0", "5", "", kDecimal}, {"5.0000", "90.0000", "0.0000", "0.0000", "10.0000"}},
    {"height 0", {"5", "", "", kDecimal}, {"5.0000", "0.0000", "0.0000", "0.0000", "10.0000"}},
    {"mixed numbers",
     {"1 1/2", "0.75", "2", kFractions},
     {"1 43/64", "26 9/16", "1 1/8", "2.2500", "4 1/2"}},
    // A negative height gives a negative angle and area, as computed.
    {"negative height",
     {"3", "-4", "1", kDecimal},
     {"5.0000", "-53.1301", "-12.0000", "-12.0000", "-2.0000"}},
    // The total weight is not rounded to a whole number here.
    {"unrounded total",
     {"1", "1", "0.3", kDecimal},
     {"1.4142", "45.0000", "1.0000", "0.3000", "4.0000"}},
    // Decimal mode reads "1 1/2" as 1.
    {"decimal reads the whole part",
     {"1 1/2", "1", "", kDecimal},
     {"1.4142", "45.0000", "1.0000", "0.0000", "4.0000"}},
    // An infinite area times an empty weight is not a number.
    {"infinite width",
     {"1e39", "1", "", kDecimal},
     {"+Infinity", "0.0000", "+Infinity", "NaN", "+Infinity"}},
    {"infinite width, weight 2",
     {"1e39", "1", "2", kDecimal},
     {"+Infinity", "0.0000", "+Infinity", "+Infinity", "+Infinity"}},
};

TEST(CalculateSquare, WorkedResultsAndEdges) {
  for (const SquareRow& row : kRows) {
    const auto result = CalculateSquare(row.input);
    ASSERT_TRUE(result) << row.what;
    EXPECT_EQ(*result, row.expected) << row.what;
  }
}

TEST(CalculateSquare, NoSidesWritesNothing) {
  const SquareInput rows[] = {
      {"", "", "2", kDecimal},    {"", "", "", kFractions},    {"0", "-0", "1", kDecimal},
      {"abc", "x", "", kDecimal}, {"1/0", "", "", kFractions},
  };
  for (const SquareInput& in : rows) {
    EXPECT_FALSE(CalculateSquare(in)) << in.width << "|" << in.height;
  }
}

}  // namespace
