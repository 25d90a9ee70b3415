#include "calc/conversions_calculation.h"

#include <algorithm>

#include "calc/unit_conversion.h"

namespace brindle {

namespace {

// A unit's place in the unit table, or -1 for a name it does not hold
// (nothing selected).
int UnitNamed(std::string_view name) {
  const auto unit = std::ranges::find(kUnitNames, name);
  return unit == kUnitNames.end() ? -1 : static_cast<int>(unit - kUnitNames.begin());
}

}  // namespace

CalcResult CalculateConversions(const FieldTexts& fields) {
  const int from = UnitNamed(TextOf(fields, "From Format"));
  const int to = UnitNamed(TextOf(fields, "Target Format"));
  return CalcResult::Written({{"Answer", ConvertUnit(TextOf(fields, "Convert"), from, to)}});
}

}  // namespace brindle
