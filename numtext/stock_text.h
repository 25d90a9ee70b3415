#pragma once
// Weights, sizes and prices of stock with a fixed number of decimals from a
// double.

#include <string>

namespace brindle {

// Fixed-point text of a double with `decimals` places (0 to 17), halves away
// from zero, "." as the point, no minus sign on a zero; "+Infinity",
// "-Infinity" and "NaN" as FormatNumber writes them.
std::string FormatDecimal(double value, int decimals);

}  // namespace brindle
