// Text of any shape must read as its number or as 0, and never crash.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "calc/bend_calculation.h"
#include "calc/circle_calculation.h"
#include "calc/square_calculation.h"
#include "calc/triangle_solver.h"
#include "calc/unit_conversion.h"

namespace {

// Texts that read as 0 (or as nothing typed) in both modes.
std::vector<std::string> ZeroTexts() {
  std::vector<std::string> texts = {
      "",
      "   ",
      "\t\n",
      "-0",
      "nan",
      "NaN",
      "inf",
      "-inf",
      "Infinity",
      "$FFFFFFFFFFFFFFFFFF",
      "\x01\x02\x7f",
      "\xff\xfe\x80",
      "\xc3\xa9",
      "e5",
      ".",
      "-",
      "+",
      "/",
      " / ",
      "0 0/0",
      "--1",
      "0x10",
      "%",
      "$",
      std::string(3, '\0') + "5",
  };
  texts.push_back(std::string(100000, ' '));
  texts.push_back(std::string(100000, 'x'));
  texts.push_back("0." + std::string(100000, '0') + "1");
  return texts;
}

// Texts that read as a number of some size (often infinite).
std::vector<std::string> NumberTexts() {
  return {"1e39",
          "-1e39",
          "1e-39",
          "3.4e38",
          "1e308",
          "1e-400",
          "99999999999999999999",
          "1 1/2",
          "-2 1/2",
          "1e39/1e39",
          "1e39 1e39/1e39",
          "3 1e-39/1e-39",
          std::string(100000, '9'),
          "-" + std::string(100000, '9'),
          "45 30' 15\"",
          "1 2 3 4 5",
          "2147483648",
          "-2147483649"};
}

TEST(HostileText, ZeroTextsCountAsNotTyped) {
  for (int mode : {kFractions, kDecimal}) {
    for (const std::string& t : ZeroTexts()) {
      const TriangleResult tri = TriangleSolver({t, t, t, t, t, t, t, mode});
      ASSERT_TRUE(tri.error) << t.substr(0, 20);
      EXPECT_EQ(tri.error->text, "Not enough information");
      const auto circle = CalculateCircle({t, t, t, t, t, mode});
      EXPECT_TRUE(std::holds_alternative<CalcMessage>(circle)) << t.substr(0, 20);
      EXPECT_FALSE(CalculateSquare({t, t, t, mode})) << t.substr(0, 20);
      const BendInput bend{true, {t, t, t, t, t}, {t, t, t, t}, t, {t, t, t, t}, mode};
      EXPECT_EQ(CalculateBend(bend), IsFractions(mode) ? "0" : "0.0000") << t.substr(0, 20);
    }
  }
}

TEST(HostileText, ZeroTextsConvertAsZero) {
  for (const std::string& t : ZeroTexts()) {
    EXPECT_EQ(ConvertUnit(t, 4, 5), "0.0000") << t.substr(0, 20);
    EXPECT_EQ(ConvertUnit(t, 0, 1), "0") << t.substr(0, 20);
    EXPECT_EQ(ConvertUnit(t, 12, 13), "0.0000") << t.substr(0, 20);
    EXPECT_EQ(ConvertUnit(t, 4, 16), "0") << t.substr(0, 20);
  }
}

// Large, infinite and odd numbers in every field: each calculation answers
// with texts (no crash, no sanitizer report) and never an empty result where
// a text is always written.
TEST(HostileText, NumbersOfAnySizeGiveTexts) {
  std::vector<std::string> texts = NumberTexts();
  for (const std::string& z : ZeroTexts())
    texts.push_back(z);
  for (int mode : {kFractions, kDecimal}) {
    for (const std::string& big : NumberTexts()) {
      for (const std::string& other : texts) {
        const TriangleResult tri = TriangleSolver({big, other, big, other, big, other, big, mode});
        if (!tri.error) {
          EXPECT_FALSE(tri.solution.area.empty());
        }
        const auto circle = CalculateCircle({big, other, big, other, big, mode});
        if (const auto* out = std::get_if<CircleOutput>(&circle)) {
          EXPECT_FALSE(out->weightTotal.empty());
          EXPECT_FALSE(out->area.empty());
        }
        if (const auto sq = CalculateSquare({big, other, big, mode})) {
          EXPECT_FALSE(sq->angle.empty());
        }
        const BendInput bend{false, {big, other}, {big, other}, other, {big, other}, mode};
        EXPECT_FALSE(CalculateBend(bend).empty());
      }
      for (int from = -1; from <= kUnitCount; ++from) {
        for (int to = -1; to <= kUnitCount; ++to) {
          if (from == to) continue;
          EXPECT_FALSE(ConvertUnit(big, from, to).empty());
        }
      }
    }
  }
}

}  // namespace
