#pragma once
// Lengths on the calculator pages follow the units choice: mixed fractions in
// "Fractions" mode, four decimals in "Decimal" mode. A fraction typed in
// "Decimal" mode is still read as one.

#include <string>
#include <string_view>

// How lengths are typed and shown. The values are those of the units
// drop-down's entries and of CalcU in the settings file.
enum UnitsMode : int { kFractions = 0, kDecimal = 1 };

// The units until the user chooses others.
inline constexpr UnitsMode kDefaultUnitsMode = kFractions;

// The units that a drop-down's selected entry or a stored CalcU stands for:
// 0 is "Fractions"; 1, -1 (nothing selected) and any other value "Decimal".
inline constexpr UnitsMode UnitsModeOf(int choice) {
  return choice == kFractions ? kFractions : kDecimal;
}

// The units drop-down's entries, in the order of their values.
inline constexpr std::string_view kUnitsModeNames[] = {"Fractions", "Decimal"};

// The units that a units drop-down's entry stands for: "Fractions", or
// Decimal for "Decimal" and anything else (nothing selected is "").
inline constexpr UnitsMode UnitsModeNamed(std::string_view entry) {
  return entry == kUnitsModeNames[kFractions] ? kFractions : kDecimal;
}

inline bool IsFractions(UnitsMode mode) {
  return mode == kFractions;
}

std::string FormatLength(float value, UnitsMode mode);
float ParseLength(std::string_view text, UnitsMode mode);
