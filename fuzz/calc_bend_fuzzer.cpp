// Any field texts give a Total text; with no radii or angles the Total is the
// sum of the distances.
#include <cmath>
#include <cstdint>

#include "calc/bend_calculation.h"
#include "fuzz/calc_fuzz_fields.h"
#include "numtext/length_text.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const FuzzFields f = SplitFuzzBytes(data, size, 14);
  const std::vector<std::string>& t = f.texts;
  BendInput input{(f.control & 4) != 0,         {t[0], t[1], t[2], t[3], t[4]},
                  {t[5], t[6], t[7], t[8]},     t[9],
                  {t[10], t[11], t[12], t[13]}, FuzzUnitsMode(f.control)};
  const std::string total = CalculateBend(input);
  Require(!total.empty());

  // The same distances without bends simply add up.
  input.radii = {};
  const std::string sum = CalculateBend(input);
  double expected = 0;
  for (const std::string& d : input.distances)
    expected += ParseLength(d, input.unitsMode);
  const double shown = ParseLength(sum, input.unitsMode);
  if (std::isfinite(expected) && std::fabs(expected) < 1e6) {
    Require(std::fabs(shown - expected) <= 1.0 / 128 + std::fabs(expected) * 1e-6);
  }
  return 0;
}
