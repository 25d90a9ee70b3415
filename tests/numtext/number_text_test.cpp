#include "numtext/number_text.h"

#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <cstdint>
#include <limits>
#include <string>

#include "numtext/length_text.h"
#include "numtext/number_model.h"

namespace {

struct FormatRow {
  float value;
  int decimals;
  const char* text;
};

// Each row can be checked with a pocket calculator and the single-precision
// value of the number (2.54 is held as 2.5399999618530273).
const FormatRow kFormatRows[] = {
    {2.5f, 4, "2.5000"},
    {0.03125f, 4, "0.0313"},  // a tie: halves away from zero
    {0.09375f, 4, "0.0938"},
    {0.015625f, 4, "0.0156"},
    {-1.0f, 4, "-1.0000"},
    {1.0f / 3.0f, 4, "0.3333"},
    {12.3456f, 4, "12.3456"},
    {0.1f, 4, "0.1000"},
    {-0.00001f, 4, "-0.0000"},  // only an exact zero loses its sign
    {-0.0f, 4, "0.0000"},
    {0.0f, 0, "0"},
    {2.5f, 0, "3"},
    {-2.5f, 0, "-3"},
    {3.5f, 0, "4"},
    {0.5f, 0, "1"},
    {-0.03125f, 4, "-0.0313"},
    {2.54f, 10, "2.5399999619"},
    {2.54f, -1, "2.5399999619"},  // omitted means 10 decimals
    {1.0f, -5, "1"},              // negative counts give no point
    {123.456f, 1, "123.5"},
    {0.000244140625f, 4, "0.0002"},  // 2^-12, not a tie at 4 places
    {0.0009765625f, 10, "0.0009765625"},
    {1e10f, 0, "10000000000"},
    {3.4028235e38f, 0, "340282346638528859811704183484516925440"},
    {16777216.0f, 2, "16777216.00"},
    {-123456.7890625f, 4, "-123456.7891"},  // a tie at 4 places rounds away from zero
    {99.99996f, 4, "100.0000"},             // the carry runs through every digit
};

TEST(FormatNumber, GoldenRows) {
  for (const auto& row : kFormatRows) {
    EXPECT_EQ(FormatNumber(row.value, row.decimals), row.text)
        << "value " << row.value << " decimals " << row.decimals;
  }
}

TEST(FormatNumber, SpecialValuesIgnoreDecimals) {
  const float inf = std::numeric_limits<float>::infinity();
  for (int decimals : {-1, 0, 4, 512}) {
    EXPECT_EQ(FormatNumber(inf, decimals), "+Infinity");
    EXPECT_EQ(FormatNumber(-inf, decimals), "-Infinity");
  }
  // Every NaN bit pattern, quiet or signalling, either sign.
  for (uint32_t bits : {0xFFFFFFFFu, 0x7FC00000u, 0xFFC00000u, 0x7F800001u, 0x7FFFFFFFu}) {
    EXPECT_EQ(FormatNumber(std::bit_cast<float>(bits), 4), "NaN") << std::hex << bits;
  }
}

TEST(FormatNumber, DecimalsClampTo512) {
  const std::string text = FormatNumber(1.0f, 600);
  EXPECT_EQ(text.size(), 2u + 512u);
  EXPECT_EQ(text.substr(0, 3), "1.0");
  EXPECT_EQ(text.find_first_not_of('0', 2), std::string::npos);
  // The smallest subnormal has an exact expansion of 149 places, far inside the clamp.
  const std::string tiny = FormatNumber(std::bit_cast<float>(1u), 512);
  EXPECT_EQ(tiny.substr(0, 2 + 45), "0." + std::string(44, '0') + "1");
  EXPECT_EQ(tiny.size(), 2u + 512u);
}

TEST(FormatNumber, NeverUsesTheLocaleOrAnExponent) {
  for (float v : {1e-30f, 1e30f, -7.25f}) {
    const std::string text = FormatNumber(v, 4);
    EXPECT_EQ(text.find_first_of("eE,"), std::string::npos) << text;
  }
}

// Ties: an odd multiple of 2^-(decimals + 1) ends in a single 5 right after the
// last kept place. Each rounds away from zero, also when the carry runs through
// every digit.
TEST(FormatNumber, TiesRoundAwayFromZero) {
  const FormatRow ties[] = {
      {1.5f, 0, "2"},          {0.75f, 1, "0.8"},
      {0.375f, 2, "0.38"},     {0.1875f, 3, "0.188"},
      {1.0625f, 3, "1.063"},   {99.5f, 0, "100"},
      {9.96875f, 4, "9.9688"}, {0.00048828125f, 10, "0.0004882813"},
      {-0.5f, 0, "-1"},        {-9.5f, 0, "-10"},
      {-0.125f, 2, "-0.13"},
  };
  for (const auto& row : ties) {
    EXPECT_EQ(FormatNumber(row.value, row.decimals), row.text) << row.value;
  }
}

struct ParseRow {
  const char* text;
  float value;
};

const ParseRow kParseRows[] = {
    {"12.5", 12.5f},
    {"  3.75in", 3.75f},
    {"-.5", -0.5f},
    {"2e3", 2000.0f},
    {"2E3", 2000.0f},
    {"2d3", 2000.0f},
    {"2D-1", 0.2f},
    {"3,5", 3.0f},
    {"1/2", 1.0f},
    {"15' ", 15.0f},
    {"20\"", 20.0f},
    {"", 0.0f},
    {"abc", 0.0f},
    {"-", 0.0f},
    {"\t\n -7", -7.0f},
    {"+8", 8.0f},
    {"5.", 5.0f},
    {"1e", 1.0f},
    {"1e+", 1.0f},
    {"7..5", 7.0f},
    {"0.000", 0.0f},
    {"1e-50", 0.0f},
    {"3.4028235e38", 3.4028235e38f},
    // Read as a double first, then rounded to single: reading straight to single
    // would give the float above 1 for this text.
    {"1.00000005960464477539062500000001", 1.0f},
    {"$FFFFFFFFFFFFFFFFFF", 0.0f},
    {"nan", 0.0f},
    {"inf", 0.0f},
    {"0x10", 0.0f},
};

TEST(ParseNumber, GoldenRows) {
  for (const auto& row : kParseRows) {
    EXPECT_EQ(ParseNumber(row.text), row.value) << '"' << row.text << '"';
  }
}

TEST(ParseNumber, OutOfRangeBecomesInfinity) {
  const float inf = std::numeric_limits<float>::infinity();
  EXPECT_EQ(ParseNumber("1e40"), inf);
  EXPECT_EQ(ParseNumber("1e39"), inf);
  EXPECT_EQ(ParseNumber("-1e39"), -inf);
  EXPECT_EQ(ParseNumber("1e999999999999999999999"), inf);
  EXPECT_EQ(ParseNumber("1e-999999999999999999999"), 0.0f);
  EXPECT_TRUE(std::signbit(ParseNumber("-0")));
}

TEST(ParseNumber, VeryLongTextsReadCorrectly) {
  // 100,000 digits: 1 followed by zeros, then past the point.
  std::string big = "1" + std::string(100000, '0');
  EXPECT_EQ(ParseNumber(big), std::numeric_limits<float>::infinity());
  std::string small = "0." + std::string(100000, '0') + "1";
  EXPECT_EQ(ParseNumber(small), 0.0f);
  std::string many = "2." + std::string(100000, '5');
  EXPECT_EQ(ParseNumber(many), 2.5555555f);
  EXPECT_EQ(ParseNumber(std::string(100000, ' ')), 0.0f);
  // A digit far past what a double can hold still decides a halfway case:
  // 1 + 2^-53 is exactly halfway between two doubles.
  std::string halfway = "1.00000000000000011102230246251565404236316680908203125";
  EXPECT_EQ(ParseNumber(halfway + std::string(2000, '0') + "1"), 1.0f);
}

struct IntegerRow {
  const char* text;
  int64_t value;
};

const IntegerRow kIntegerRows[] = {
    {"12", 12},
    {" 7 holes", 7},
    {"-3", -3},
    {"$1F", 31},
    {"$ff", 255},
    {"%101", 5},
    {"x5", 0},
    {"4.9", 4},
    {"-$10", -16},
    {"$", 0},
    {"%2", 0},
    {"+9", 9},
    {"\t\t42", 42},
    {"\n5", 0},  // line breaks are not skipped
    {"", 0},
    {"9223372036854775807", INT64_MAX},
    {"-9223372036854775808", INT64_MIN},
    {"9223372036854775808", INT64_MIN},  // wraps
    {"18446744073709551617", 1},         // wraps twice round
    {"$FFFFFFFFFFFFFFFFFF", -1},
};

TEST(ParseInteger, GoldenRows) {
  for (const auto& row : kIntegerRows) {
    EXPECT_EQ(ParseInteger(row.text), row.value) << '"' << row.text << '"';
  }
}

TEST(FormatInteger, GoldenRows) {
  EXPECT_EQ(FormatInteger(0), "0");
  EXPECT_EQ(FormatInteger(-2147483648LL), "-2147483648");
  EXPECT_EQ(FormatInteger(2147483647), "2147483647");
  EXPECT_EQ(FormatInteger(INT64_MIN), "-9223372036854775808");
  EXPECT_EQ(FormatInteger(INT64_MAX), "9223372036854775807");
  EXPECT_EQ(FormatInteger(-7), "-7");
}

TEST(NumberModel, SingleRoundsAndSaturatesToInfinity) {
  EXPECT_EQ(Single(2.54), 2.54f);
  EXPECT_EQ(Single(1e300), std::numeric_limits<float>::infinity());
  EXPECT_EQ(Single(-1e300), -std::numeric_limits<float>::infinity());
  // Just above the largest float still rounds down to it.
  EXPECT_EQ(Single(3.40282350e38), 3.4028234663852886e38f);
  // Exactly halfway to the next power of two rounds to infinity.
  EXPECT_EQ(Single(3.4028235677973366e38), std::numeric_limits<float>::infinity());
  EXPECT_TRUE(std::isnan(Single(std::nan(""))));
}

TEST(NumberModel, WholeNumberConversionsRefuseWhatDoesNotFit) {
  EXPECT_EQ(TruncateToInt32(2.7), 2);
  EXPECT_EQ(TruncateToInt32(-2.7), -2);
  EXPECT_EQ(TruncateToInt32(2147483647.9), 2147483647);
  EXPECT_EQ(TruncateToInt32(-2147483648.9), -2147483647 - 1);
  EXPECT_FALSE(TruncateToInt32(2147483648.0));
  EXPECT_FALSE(TruncateToInt32(std::nan("")));
  EXPECT_FALSE(TruncateToInt32(HUGE_VAL));
  EXPECT_EQ(RoundHalfAway(2.5), 3.0f);
  EXPECT_EQ(RoundHalfAway(-2.5), -3.0f);
  EXPECT_EQ(RoundHalfEvenToInt32(12.5), 12);
  EXPECT_EQ(RoundHalfEvenToInt32(13.5), 14);
  EXPECT_EQ(RoundHalfEvenToInt32(-2.5), -2);
  EXPECT_EQ(RoundHalfEvenToInt32(-2.6), -3);
  EXPECT_FALSE(RoundHalfEvenToInt32(3e9));
  EXPECT_EQ(OutOfRangeWholeText(1e10), "10000000000");
  EXPECT_EQ(OutOfRangeWholeText(-HUGE_VAL), "-Infinity");
  EXPECT_EQ(OutOfRangeWholeText(std::nan("")), "NaN");
}

TEST(LengthText, FollowsTheUnitsMode) {
  EXPECT_EQ(FormatLength(2.5f, kDecimal), "2.5000");
  EXPECT_EQ(FormatLength(2.5f, kFractions), "2 1/2");
  EXPECT_EQ(FormatLength(2.5f, 7), "2.5000");  // any value but 0 is Decimal
  EXPECT_EQ(ParseLength("2 1/2", kDecimal), 2.0f);
  EXPECT_EQ(ParseLength("2 1/2", kFractions), 2.5f);
}

}  // namespace
