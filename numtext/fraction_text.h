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

// A number as a field of plain numbers reads it ("3 1/2", "3-1/2", "½", a
// decimal: ReadShopText), 0 when it is empty or cannot be read.
float ParseFraction(std::string_view text);

}  // namespace brindle
