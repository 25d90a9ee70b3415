#pragma once
// Lengths on the calculator pages follow the units choice: mixed fractions in
// "Fractions" mode, four decimals in "Decimal" mode. A fraction typed in
// "Decimal" mode is still read as one.

#include <string>
#include <string_view>

// 0 is "Fractions"; any other value is "Decimal".
using UnitsMode = int;
inline constexpr UnitsMode kFractions = 0;
inline constexpr UnitsMode kDecimal = 1;

inline bool IsFractions(UnitsMode mode) {
  return mode == kFractions;
}

std::string FormatLength(float value, UnitsMode mode);
float ParseLength(std::string_view text, UnitsMode mode);
