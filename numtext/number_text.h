#pragma once
// Decimal and whole-number text, always with "." as the decimal point and
// without grouping, whatever the desktop's locale.

#include <cstdint>
#include <string>
#include <string_view>

namespace brindle {

// Fixed-point text of a single-precision value: "-" for negatives, never an
// exponent, exactly `decimals` digits after the point (-1 means 10; otherwise
// clamped to 0..512). Rounds on the exact decimal value of the number, halves
// away from zero. Infinities give "+Infinity"/"-Infinity", every NaN gives "NaN",
// and an exact zero never shows a minus sign.
std::string FormatNumber(float value, int decimals = -1);

// Reads leading blanks, a sign, digits with at most one ".", and an exponent
// introduced by e, E, d or D; the rest of the text is ignored. No digits gives 0.
// The text is read as a correctly rounded double, then rounded to single
// precision; magnitudes beyond that range become infinities.
float ParseNumber(std::string_view text);

// Decimal digits of a whole number, "-" for negatives.
std::string FormatInteger(int64_t value);

// Adds one unit in the last place to the digits of a fixed-point text
// ("-12.99" becomes "-13.00"), keeping its sign and point: how a text rounded
// down by one place past its last is rounded half away from zero instead.
void IncrementMagnitude(std::string& text);

// Reads leading blanks and tabs, an optional sign, then "$" and hexadecimal
// digits, "%" and binary digits, or decimal digits. No digit gives 0. Overflow
// wraps around (64-bit two's complement).
int64_t ParseInteger(std::string_view text);

// The text without the blank characters (only ' ') at both ends.
std::string_view TrimBlanks(std::string_view text);

}  // namespace brindle
