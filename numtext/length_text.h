#pragma once
// Lengths on the calculator pages follow the units choice: mixed fractions in
// the "Fractions" modes (to the nearest sixty-fourth, or to the coarser marks
// of a tape: 1/32, 1/16 or 1/8), four decimals in "Decimal" mode. Every mode
// reads every form a length field takes (numtext/shop_reading.h).

#include <iterator>
#include <string>
#include <string_view>

namespace brindle {

// How lengths are typed and shown. The values are those of the units
// drop-down's entries and of CalcU in the settings file.
enum UnitsMode : int {
  kFractions = 0,
  kDecimal = 1,
  kFractions32 = 2,
  kFractions16 = 3,
  kFractions8 = 4,
};

// The units until the user chooses others.
inline constexpr UnitsMode kDefaultUnitsMode = kFractions;

// The units drop-down's entries, in the order of their values.
inline constexpr std::string_view kUnitsModeNames[] = {"Fractions", "Decimal", "Fractions 1/32",
                                                       "Fractions 1/16", "Fractions 1/8"};
inline constexpr int kUnitsModeCount = static_cast<int>(std::size(kUnitsModeNames));

// The units that a drop-down's selected entry or a stored CalcU stands for:
// the mode of that value, or "Decimal" for -1 (nothing selected) and any
// value that names no entry.
inline constexpr UnitsMode UnitsModeOf(int choice) {
  return choice >= 0 && choice < kUnitsModeCount ? static_cast<UnitsMode>(choice) : kDecimal;
}

// The units that a units drop-down's entry stands for, or Decimal for any
// other text (nothing selected is "").
inline constexpr UnitsMode UnitsModeNamed(std::string_view entry) {
  for (int mode = 0; mode < kUnitsModeCount; ++mode)
    if (entry == kUnitsModeNames[mode]) return static_cast<UnitsMode>(mode);
  return kDecimal;
}

// Every mode but "Decimal" writes lengths as mixed fractions.
inline constexpr bool IsFractions(UnitsMode mode) {
  return mode != kDecimal;
}

// The marks to the inch that a fractions mode rounds lengths to.
inline constexpr int MarksPerInch(UnitsMode mode) {
  switch (mode) {
    case kFractions32:
      return 32;
    case kFractions16:
      return 16;
    case kFractions8:
      return 8;
    default:
      return 64;
  }
}

std::string FormatLength(float value, UnitsMode mode);

}  // namespace brindle
