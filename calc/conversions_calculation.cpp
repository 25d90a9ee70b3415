#include "calc/conversions_calculation.h"

#include <algorithm>

#include "calc/field_reading.h"
#include "calc/range_algorithms.h"
#include "calc/unit_conversion.h"

namespace brindle {

namespace {

// A unit's place in the unit table, or -1 for a name it does not hold
// (nothing selected).
int UnitNamed(std::string_view name) {
  const auto unit = ranges::find(kUnitNames, name);
  return unit == kUnitNames.end() ? -1 : static_cast<int>(unit - kUnitNames.begin());
}

}  // namespace

CalcResult CalculateConversions(const FieldTexts& fields) {
  const int from = UnitNamed(TextOf(fields, "From Format"));
  const int to = UnitNamed(TextOf(fields, "Target Format"));
  const std::string_view text = TextOf(fields, "Convert");
  const std::optional<std::string> answer = ConvertUnit(text, from, to);
  if (!answer) return CalcResult::Message({"Conversion Error", CannotRead("Convert", text)});
  return CalcResult::Written({{"Answer", *answer}});
}

}  // namespace brindle
