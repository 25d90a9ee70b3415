#pragma once
// Mixed fractions to the nearest sixty-fourth, as read off a tape or rule:
// "3", "3 1/2", "0 21/64", "-2 1/2".

#include <string>
#include <string_view>

namespace brindle {

// Whole part, a blank and the fraction in lowest terms, or the whole part alone,
// to the nearest 1/marksPerInch (a power of two from 2 to 64; halves of a mark
// round away from zero). A negative value is written as "-" and the text of
// its magnitude; a value whose magnitude shows as "0" is written "0".
std::string FormatFraction(float value, int marksPerInch = 64);

// Reads "W N/D", "W-N/D", "N/D", "W" or a plain decimal. A whole part written
// with a leading "-" takes the fraction away from it. A denominator of 0.1 or
// less is ignored.
float ParseFraction(std::string_view text);

// Reads a field that holds decimals: a text that starts as a fraction ("N/D",
// "W N/D" or "W-N/D") is read as one, so that "1/2" typed there is a half and
// not 1; any other text is read by ParseNumber.
float ParseDecimalField(std::string_view text);

}  // namespace brindle
