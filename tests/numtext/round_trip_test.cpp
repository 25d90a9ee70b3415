// Texts the program writes read back to the values they show.

#include <gtest/gtest.h>

#include <cmath>
#include <random>

#include "numtext/angle_text.h"
#include "numtext/fraction_text.h"

namespace {

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
