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

// Reads 4' 8 3/8", 4'-8 3/8" and 4' 8-3/8" as drawings write them, 4'8", 4'
// and 8 3/8"; a text without a foot mark is inches, with or without the inch
// mark. The feet and the inches are each read as ParseFraction reads (4 1/2'
// is 54 inches); feet written with "-" take the inches away (-4' 8" is -56).
// Anything after the inch mark is ignored.
float ParseFeetInch(std::string_view text);

}  // namespace brindle
