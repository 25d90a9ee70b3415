#pragma once
// Degrees, minutes and seconds as read off a protractor: 30 15' 20"

#include <string>
#include <string_view>

namespace brindle {

// Degrees, a blank, minutes, an apostrophe and a blank, seconds, a double quote.
// Each part carries the sign of the value; seconds that round to 60 carry into
// the minutes, and 60 minutes into the degrees (10.99999 is 11 0' 0").
std::string FormatAngleDms(float degrees);

// Reads "D", "D M" or "D M S" separated by single blanks (decimal degrees too).
float ParseAngleDms(std::string_view text);

}  // namespace brindle
