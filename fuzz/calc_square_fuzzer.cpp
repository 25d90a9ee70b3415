// Any field texts give nothing (no sides), a field they cannot read or all five texts, with the
// angle of the diagonal within a quarter turn of the width side.
#include <cmath>
#include <cstdint>

#include "calc/box_calculation.h"
#include "fuzz/calc_fuzz_fields.h"
#include "numtext/fraction_text.h"
#include "numtext/number_text.h"

using namespace brindle;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const FuzzFields f = SplitFuzzBytes(data, size, 3);
  const FieldTexts fields = FuzzFieldTexts(f, {"Width", "Height", "Weight Each"}, "Format");
  const CalcResult result = CalculateBox(fields);
  if (result.message) {
    Require(IsCannotRead(*result.message, "Box Error", fields) && result.writes.empty());
    return 0;
  }
  if (result.IsNothing()) return 0;
  for (const char* caption : {"Diagonal", "Angle", "Area", "Total", "Perimeter"})
    Require(!Written(result, caption).empty());
  const std::string shown = Written(result, "Angle");
  const double angle =
      IsFractions(FuzzUnitsMode(f.control)) ? ParseFraction(shown) : ParseNumber(shown);
  if (!std::isnan(angle)) Require(std::fabs(angle) <= 90.0);
  return 0;
}
