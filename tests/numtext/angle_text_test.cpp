#include "numtext/angle_text.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <random>

namespace {

struct AngleRow {
  float degrees;
  const char* text;
};

const AngleRow kFormatRows[] = {
    {30.5f, "30 30' 0\""},    {45.2625f, "45 15' 45\""},     {90.0f, "90 0' 0\""},
    {0.25f, "0 15' 0\""},     {10.99999f, "10 59' 60\""},  // seconds are not carried into the
                                                           // minutes
    {-30.5f, "-30 -30' 0\""},                              // each part carries the sign
    {-0.5f, "0 -30' 0\""},    {36.869896f, "36 52' 12\""},   {53.130104f, "53 7' 48\""},
    {0.0f, "0 0' 0\""},       {1e10f, "10000000000 0' 0\""},
};

TEST(FormatAngleDms, GoldenRows) {
  for (const auto& row : kFormatRows) {
    EXPECT_EQ(FormatAngleDms(row.degrees), row.text) << row.degrees;
  }
  EXPECT_EQ(FormatAngleDms(std::numeric_limits<float>::infinity()), "+Infinity");
  EXPECT_EQ(FormatAngleDms(std::nanf("")), "NaN");
}

struct ParseRow {
  const char* text;
  float degrees;
};

const ParseRow kParseRows[] = {
    {"30 30' 36\"", 30.51f},
    {"45", 45.0f},
    {"45 30", 45.5f},
    {"45.5", 45.5f},
    {"-30 -30' 0\"", -30.5f},
    {"-30 30", -29.5f},
    {"30  15", 30.0f + 15.0f / 3600.0f},  // two blanks make an empty minutes part
    {"  90 0' 0\"  ", 90.0f},
    {"", 0.0f},
    {"abc def ghi", 0.0f},
    {"10 59' 60\"", 11.0f},
};

TEST(ParseAngleDms, GoldenRows) {
  for (const auto& row : kParseRows) {
    EXPECT_FLOAT_EQ(ParseAngleDms(row.text), row.degrees) << '"' << row.text << '"';
  }
}

// Written angles read back to within half a second, plus the few single-precision
// steps of the reading (a float near 360 degrees resolves about 0.1 second).
TEST(AngleRoundTrip, WithinHalfASecond) {
  std::mt19937 random(20111);
  std::uniform_real_distribution<float> angle(-360.0f, 360.0f);
  for (int i = 0; i < 20000; ++i) {
    const float value = angle(random);
    const float back = ParseAngleDms(FormatAngleDms(value));
    EXPECT_NEAR(back, value,
                0.5 / 3600.0 + 4 * (std::nextafter(std::fabs(value), 1e9f) - std::fabs(value)))
        << FormatAngleDms(value);
  }
}

}  // namespace
