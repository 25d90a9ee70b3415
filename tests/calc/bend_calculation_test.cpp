#include "calc/bend_calculation.h"

#include <gtest/gtest.h>

namespace {

struct BendRow {
  const char* what;
  BendInput input;
  const char* total;
};

constexpr bool kHard = true;
constexpr bool kSoft = false;

BendInput FourBends(bool hard) {
  return {hard,   {"2", "3", "3", "2", "1"}, {"0.25", "0.25", "0.25", "0.25"},
          "0.25", {"90", "90", "90", "90"},  kDecimal};
}

const BendRow kRows[] = {
    // Worked results: each bend adds 0.3927 of arc and a third (soft) or half
    // (hard) of the thickness.
    {"four bends, soft", FourBends(kSoft), "12.9041"},
    {"four bends, hard", FourBends(kHard), "13.0708"},
    // With no bends it adds the distances, fractions included.
    {"adds fractions", {kSoft, {"1 1/2", "2 1/4"}, {}, "", {}, kFractions}, "3 3/4"},
    {"subtracts", {kSoft, {"5", "-2"}, {}, "", {}, kDecimal}, "3.0000"},
    {"only the last distance", {kSoft, {"", "", "", "", "7 3/8"}, {}, "", {}, kFractions}, "7 3/8"},
    {"decimal reads the whole part", {kSoft, {"1 1/2"}, {}, "", {}, kDecimal}, "1.0000"},
    // An arc of 0.1 or less gets no allowance, hard or soft.
    {"short arc, hard", {kHard, {}, {"0.05"}, "1", {"90"}, kDecimal}, "0.0785"},
    {"short arc, soft", {kSoft, {}, {"0.05"}, "1", {"90"}, kDecimal}, "0.0785"},
    {"one bend, hard", {kHard, {"10"}, {"1"}, "0.125", {"90"}, kDecimal}, "11.6333"},
    // A negative thickness gives a negative allowance, added as it is.
    {"negative thickness", {kSoft, {}, {"1"}, "-0.3", {"90"}, kDecimal}, "1.4708"},
    // A negative arc never gets the allowance.
    {"negative arc", {kHard, {"3"}, {"1"}, "1", {"-90"}, kDecimal}, "1.4292"},
    {"fraction total", {kHard, {"10"}, {"1"}, "1/8", {"90"}, kFractions}, "11 41/64"},
    {"nothing typed", {}, "0"},
    {"infinite distance", {kSoft, {"1e39"}, {}, "", {}, kDecimal}, "+Infinity"},
    {"no radius, infinite angle", {kSoft, {"2"}, {"", "1"}, "", {"1e39", "0"}, kDecimal}, "2.0000"},
    {"infinite radius, no angle", {kSoft, {"2"}, {"1e39"}, "", {""}, kDecimal}, "2.0000"},
    {"infinite bend", {kSoft, {"2"}, {"1e39"}, "", {"90"}, kDecimal}, "+Infinity"},
    {"infinities cancel", {kSoft, {"1e39", "-1e39"}, {}, "", {}, kDecimal}, "NaN"},
};

TEST(CalculateBend, WorkedResultsAndEdges) {
  for (const BendRow& row : kRows) {
    EXPECT_EQ(CalculateBend(row.input), row.total) << row.what;
  }
}

}  // namespace
