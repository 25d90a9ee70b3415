#pragma once
// The unit converter: a value typed in the text form of its unit (mixed
// fraction, degrees-minutes-seconds or decimal) is brought to the base unit of
// its family and written in the text form of the target unit. Units of
// different families answer "Invalid".

#include <array>
#include <string>
#include <string_view>

// The 23 units, in the order of both drop-downs.
inline constexpr int kUnitCount = 23;
extern const std::array<const char*, kUnitCount> kUnitNames;

// `from` and `to` are drop-down indices (-1 when nothing is selected).
std::string ConvertUnit(std::string_view text, int from, int to);
