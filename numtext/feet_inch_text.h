#pragma once
// Lengths as a tape reads them: feet, a foot mark, inches to the nearest
// sixty-fourth and an inch mark, 4' 8 3/8". The value is in inches.

#include <string>
#include <string_view>

namespace brindle {

// Feet, "' ", the inches below a foot as FormatFraction writes them, and '"':
// 4' 8 3/8", 0' 7 1/2" below a foot, 5' 0" on a whole foot. The length is
// rounded to the sixty-fourth first, so 11.999 inches show 1' 0", never 0' 12".
// A negative length is "-" and the text of its magnitude; one that rounds to 0
// shows 0' 0". Past a billion miles, where a float holds no inches a tape
// could show, only the whole feet are written, in single precision.
std::string FormatFeetInch(float inches);

// A length in inches as a length field reads it (4' 8 3/8", 4'-8 3/8", 4'
// 8-3/8", 4'8", 4', 8 3/8", 250 mm: ReadShopText), 0 when it is empty or
// cannot be read.
float ParseFeetInch(std::string_view text);

}  // namespace brindle
