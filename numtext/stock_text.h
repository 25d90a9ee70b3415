#pragma once
// Sizes and lengths of stock as the shop writes them, in inches, and weights
// with a fixed number of decimals from a double.

#include <optional>
#include <string>
#include <string_view>

#include "numtext/length_text.h"

namespace brindle {

// Reads a length in inches: with a foot or inch mark as a tape reads it (20',
// 4' 8 3/8", 6"); with a unit after the number (508 mm, 50.8 cm, 6.1 m,
// 20 in, 20 ft), letter case ignored; otherwise as ParseLength reads it in
// `mode`. A text ending in letters that name no unit gives nothing; so does
// an empty text.
std::optional<double> ParseStockLength(std::string_view text, UnitsMode mode);

// Fixed-point text of a double with `decimals` places (0 to 17), halves away
// from zero, "." as the point, no minus sign on a zero; "+Infinity",
// "-Infinity" and "NaN" as FormatNumber writes them.
std::string FormatDecimal(double value, int decimals);

}  // namespace brindle
