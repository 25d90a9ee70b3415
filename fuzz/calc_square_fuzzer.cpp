// Any field texts give nothing (no sides) or all five texts, with the angle of
// the diagonal within a quarter turn of the width side.
#include <cmath>
#include <cstdint>

#include "calc/square_calculation.h"
#include "fuzz/calc_fuzz_fields.h"
#include "numtext/fraction_text.h"
#include "numtext/number_text.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const FuzzFields f = SplitFuzzBytes(data, size, 3);
  const SquareInput input{f.texts[0], f.texts[1], f.texts[2], FuzzUnitsMode(f.control)};
  const auto result = CalculateSquare(input);
  if (!result) return 0;
  for (const std::string* text :
       {&result->diagonal, &result->angle, &result->area, &result->total, &result->perimeter}) {
    Require(!text->empty());
  }
  const double angle =
      IsFractions(input.unitsMode) ? ParseFraction(result->angle) : ParseNumber(result->angle);
  if (!std::isnan(angle)) Require(std::fabs(angle) <= 90.0);
  return 0;
}
