// What a golden row cannot say well: NaN bit patterns, the 512-decimal clamp,
// texts of 100,000 characters and a desktop whose locale writes "2,5".

#include "numtext/number_text.h"

#include <gtest/gtest.h>

#include <bit>
#include <clocale>
#include <cstdint>
#include <limits>
#include <string>

namespace {

// Every NaN bit pattern, quiet or signalling, either sign.
TEST(FormatNumber, EveryNaNPattern) {
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

// The toolkit sets the C library's locale from the desktop's; numbers keep "."
// and a comma still ends a number.
TEST(NumberText, IgnoresTheLocalesDecimalComma) {
  if (std::setlocale(LC_ALL, "de_DE.UTF-8") == nullptr) GTEST_SKIP() << "no de_DE.UTF-8 locale";
  ASSERT_STREQ(std::localeconv()->decimal_point, ",");
  EXPECT_EQ(FormatNumber(2.5f, 4), "2.5000");
  EXPECT_EQ(ParseNumber("3.75"), 3.75f);
  EXPECT_EQ(ParseNumber("3,5"), 3.0f);
  std::setlocale(LC_ALL, "C");
}

}  // namespace
