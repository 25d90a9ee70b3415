// Any field texts give a Total text or a field they cannot read; with no radii
// the Total is the sum of the distances.
#include <cmath>
#include <cstdint>

#include "calc/bender_calculation.h"
#include "fuzz/calc_fuzz_fields.h"
#include "numtext/feet_inch_text.h"

using namespace brindle;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const FuzzFields f = SplitFuzzBytes(data, size, 14);
  FieldTexts fields = FuzzFieldTexts(
      f,
      {"Distance1", "Distance2", "Distance3", "Distance4", "Distance5", "Radius1", "Radius2",
       "Radius3", "Radius4", "Thick", "Angle1", "Angle2", "Angle3", "Angle4"},
      "Units");
  fields.push_back({"Hard", CheckText((f.control & 4) != 0)});
  const CalcResult result = CalculateBender(fields);
  if (result.message) {
    Require(IsCannotRead(*result.message, "Bender Error", fields) && result.writes.empty());
    return 0;
  }
  Require(!Written(result, "Total").empty());

  // The same distances without bends simply add up.
  for (FieldText& field : fields)
    if (field.caption.starts_with("Radius")) field.text.clear();
  double expected = 0;
  for (size_t i = 0; i < 5; ++i)
    expected += ParseFeetInch(f.texts[i]);
  const double shown = ParseFeetInch(Written(CalculateBender(fields), "Total"));
  if (std::isfinite(expected) && std::fabs(expected) < 1e6) {
    Require(std::fabs(shown - expected) <= 1.0 / 128 + std::fabs(expected) * 1e-6);
  }
  return 0;
}
