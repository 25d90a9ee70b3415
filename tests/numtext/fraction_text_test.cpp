#include "numtext/fraction_text.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "numtext/number_text.h"

namespace {

struct FractionRow {
  float value;
  const char* text;
};

const FractionRow kFormatRows[] = {
    {3.0f, "3"},
    {3.5f, "3 1/2"},
    {0.5f, "0 1/2"},
    {2.75f, "2 3/4"},
    {10.3f, "10 19/64"},
    {0.1f, "0 3/32"},
    {1.0f / 3.0f, "0 21/64"},
    {1.0078125f, "1 1/64"},  // exactly half a sixty-fourth over 1: rounds up
    {0.0078125f, "0 1/64"},
    {0.00781f, "0"},
    {2.99f, "2 63/64"},
    {2.9921875f, "3"},
    {0.0f, "0"},
    {0.99999f, "1"},
    {64.5f, "64 1/2"},
    {1.5f, "1 1/2"},
    {1.50001f, "1 1/2"},
    // Negative values: one sign and the magnitude's text, so they read back.
    {-2.999f, "-3"},
    {-0.999f, "-1"},
    {-2.5f, "-2 1/2"},
    {-0.25f, "-0 1/4"},
    {-0.001f, "0"},
    {-0.0f, "0"},
    {-40.0f, "-40"},
    // Beyond the 32-bit range a float is a whole number: its digits.
    {1e10f, "10000000000"},
    {-3e9f, "-3000000000"},
    {2147483520.0f, "2147483520"},
};

TEST(FormatFraction, GoldenRows) {
  for (const auto& row : kFormatRows) {
    EXPECT_EQ(FormatFraction(row.value), row.text) << row.value;
  }
}

TEST(FormatFraction, SpecialValues) {
  const float inf = std::numeric_limits<float>::infinity();
  EXPECT_EQ(FormatFraction(inf), "+Infinity");
  EXPECT_EQ(FormatFraction(-inf), "-Infinity");
  EXPECT_EQ(FormatFraction(std::nanf("")), "NaN");
  EXPECT_EQ(FormatFraction(-std::nanf("")), "NaN");
}

struct ParseRow {
  const char* text;
  float value;
};

const ParseRow kParseRows[] = {
    {"3 1/2", 3.5f},
    {"3/4", 0.75f},
    {"-1/2", -0.5f},
    {"-2 1/2", -2.5f},
    {"-2 -1/2", -1.5f},  // the fraction keeps its own sign
    {"-0 1/4", -0.25f},  // "-0" is a negative whole part too
    {"2.5", 2.5f},
    {"2.5 1/4", 2.75f},
    {"1  1/2", 1.5f},
    {"1/2", 0.5f},
    {"0 1/2", 0.5f},
    {"3 1/0", 3.0f},
    {"3 1/", 3.0f},
    {"3 1/0.1", 3.0f},  // a denominator of 0.1 or less is ignored
    {"3 1/-4", 3.0f},
    {"7/8   ", 0.875f},
    {"   7/8", 0.875f},
    {"", 0.0f},
    {"   ", 0.0f},
    {"5 abc", 5.0f},
    {"abc", 0.0f},
    {"3 4", 3.0f},
    {"10 19/64", 10.296875f},
    {"1e39 1/2", std::numeric_limits<float>::infinity()},
    {"/", 0.0f},
    {"1/2/3", 0.5f},
};

TEST(ParseFraction, GoldenRows) {
  for (const auto& row : kParseRows) {
    EXPECT_EQ(ParseFraction(row.text), row.value) << '"' << row.text << '"';
  }
}

// Every multiple of 1/64 between -1000 and 1000 survives the trip to text and back.
TEST(FractionRoundTrip, EverySixtyFourthBetweenMinusAndPlusAThousand) {
  int failures = 0;
  for (int k = -64000; k <= 64000; ++k) {
    const float value = static_cast<float>(k) / 64.0f;
    const std::string text = FormatFraction(value);
    if (ParseFraction(text) != value && ++failures <= 5) {
      ADD_FAILURE() << k << "/64 wrote \"" << text << "\" which reads " << ParseFraction(text);
    }
  }
  EXPECT_EQ(failures, 0);
}

// Any value's text reads back to the sixty-fourth it shows.
TEST(FractionRoundTrip, TextReadsBackToTheValueShown) {
  for (float value : {0.1f, -0.1f, 10.3f, -10.3f, 123.456f, -0.0234f, 999.99f, -1.0f / 3.0f}) {
    const std::string text = FormatFraction(value);
    const float shown = ParseFraction(text);
    EXPECT_LE(std::fabs(shown - value), 1.0f / 128.0f + 1e-4f) << text;
    EXPECT_EQ(FormatFraction(shown), text);
  }
}

}  // namespace
