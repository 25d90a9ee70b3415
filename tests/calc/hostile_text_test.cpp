// Text of any shape must read as its number or as 0, and never crash.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "calc/bend_calculation.h"
#include "calc/circle_calculation.h"
#include "calc/square_calculation.h"
#include "calc/triangle_solver.h"
#include "calc/unit_conversion.h"
#include "tests/golden_rows.h"

namespace {

// The texts of one kind in golden/hostile_texts.txt, and those of 100,000 characters.
std::vector<std::string> HostileTexts(const std::string& kind) {
  std::vector<std::string> texts;
  for (const GoldenRow& row : ReadGolden("hostile_texts.txt", {2}))
    if (row[0] == kind) texts.push_back(row[1]);
  if (kind == "zero") {
    texts.insert(texts.end(), {std::string(100000, ' '), std::string(100000, 'x'),
                               "0." + std::string(100000, '0') + "1"});
  } else {
    texts.insert(texts.end(), {std::string(100000, '9'), "-" + std::string(100000, '9')});
  }
  return texts;
}

TEST(HostileText, ZeroTextsCountAsNotTyped) {
  for (UnitsMode mode : {kFractions, kDecimal}) {
    for (const std::string& t : HostileTexts("zero")) {
      const TriangleResult tri = TriangleSolver({t, t, t, t, t, t, t, mode});
      ASSERT_TRUE(tri.error) << t.substr(0, 20);
      EXPECT_EQ(tri.error->text, "Not enough information");
      const auto circle = CalculateCircle({t, t, t, t, t, mode});
      EXPECT_TRUE(std::holds_alternative<CalcMessage>(circle)) << t.substr(0, 20);
      EXPECT_FALSE(CalculateSquare({t, t, t, mode})) << t.substr(0, 20);
      const BendInput bend{true, {t, t, t, t, t}, {t, t, t, t}, t, {t, t, t, t}, mode};
      EXPECT_EQ(CalculateBend(bend), IsFractions(mode) ? "0" : "0.0000") << t.substr(0, 20);
      if (mode == kDecimal) {
        // Decimal Inch to Decimal Feet, Fraction Inch to Fraction Feet, Fractional
        // Angle to Decimal Angle, Decimal Inch to Meters.
        EXPECT_EQ(ConvertUnit(t, 4, 5), "0.0000") << t.substr(0, 20);
        EXPECT_EQ(ConvertUnit(t, 0, 1), "0") << t.substr(0, 20);
        EXPECT_EQ(ConvertUnit(t, 12, 13), "0.0000") << t.substr(0, 20);
        EXPECT_EQ(ConvertUnit(t, 4, 16), "0") << t.substr(0, 20);
      }
    }
  }
}

// Large, infinite and odd numbers in every field: each calculation answers
// with texts (no crash, no sanitizer report) and never an empty result where
// a text is always written.
TEST(HostileText, NumbersOfAnySizeGiveTexts) {
  const std::vector<std::string> numbers = HostileTexts("number");
  std::vector<std::string> texts = HostileTexts("zero");
  texts.insert(texts.end(), numbers.begin(), numbers.end());
  for (UnitsMode mode : {kFractions, kDecimal}) {
    for (const std::string& big : numbers) {
      for (const std::string& other : texts) {
        const TriangleResult tri = TriangleSolver({big, other, big, other, big, other, big, mode});
        EXPECT_TRUE(tri.error || !tri.solution.area.empty());
        const auto circle = CalculateCircle({big, other, big, other, big, mode});
        if (const auto* out = std::get_if<CircleOutput>(&circle)) {
          EXPECT_FALSE(out->weightTotal.empty() || out->area.empty());
        }
        const auto square = CalculateSquare({big, other, big, mode});
        EXPECT_TRUE(!square || !square->angle.empty());
        EXPECT_FALSE(
            CalculateBend({false, {big, other}, {big, other}, other, {big, other}, mode}).empty());
      }
      for (int from = -1; from <= kUnitCount; ++from) {
        for (int to = -1; to <= kUnitCount; ++to) {
          if (from != to) {
            EXPECT_FALSE(ConvertUnit(big, from, to).empty());
          }
        }
      }
    }
  }
}

// The largest hole count: the polygon is the circle itself, within rounding.
TEST(HostileText, LargestHoleCountGivesTheCircle) {
  const auto most =
      std::get<CircleOutput>(CalculateCircle({"", "", "2", "2147483647", "", kDecimal}));
  EXPECT_EQ(most.holes, "2147483647");
  EXPECT_NE(most.area.find("12.5"), std::string::npos) << most.area;
}

}  // namespace
