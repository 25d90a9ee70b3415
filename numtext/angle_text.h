#pragma once
// Degrees, minutes and seconds as read off a protractor: 30 15' 20"

#include <string>
#include <string_view>

namespace brindle {

// Degrees, a blank, minutes, an apostrophe and a blank, seconds, a double quote.
// Each part carries the sign of the value; seconds that round to 60 carry into
// the minutes, and 60 minutes into the degrees (10.99999 is 11 0' 0").
std::string FormatAngleDms(float degrees);

// Degrees as an angle field reads them ("D", "D M", "D M S", 36 52' 12",
// 45°30', decimal degrees: ReadShopText), 0 when the text is empty or cannot
// be read.
float ParseAngleDms(std::string_view text);

}  // namespace brindle
