#pragma once
// The unit converter: a value typed in the text form of its unit (mixed
// fraction, feet and inches, degrees-minutes-seconds or decimal) is brought to
// the base unit of its family and written in the text form of the target unit.
// Units of different families answer "Invalid".

#include <array>
#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace brindle {

// The units by index: the first 23 as the converter has always numbered them,
// the shop units (torque, pressure, area, volume, gas flow and the rest) after
// them.
inline constexpr int kUnitCount = 45;
extern const std::array<const char*, kUnitCount> kUnitNames;

// The order in which the drop-downs show the units: family by family, each
// under its caption, lengths first. Every unit is in exactly one group.
struct UnitGroup {
  const char* family;          // the caption: "Length", "Torque", ...
  std::span<const int> units;  // indices into kUnitNames, in the order shown
};
inline constexpr int kUnitFamilyCount = 10;
extern const std::array<UnitGroup, kUnitFamilyCount> kUnitGroups;

// `from` and `to` are unit indices (-1 when nothing is selected). The same
// unit on both sides copies the text as typed, number or not; units of
// different families, or none, answer "Invalid"; otherwise the answer, or
// nothing when the text cannot be read as the unit's text.
std::optional<std::string> ConvertUnit(std::string_view text, int from, int to);

}  // namespace brindle
