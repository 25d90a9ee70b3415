// Any field texts give the circle message or a full set of texts: a bolt
// circle fills Holes, Angle and Cord together, a plain circle empties all three.
#include <cmath>
#include <cstdint>

#include "calc/circle_calculation.h"
#include "fuzz/calc_fuzz_fields.h"
#include "numtext/fraction_text.h"
#include "numtext/number_text.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const FuzzFields f = SplitFuzzBytes(data, size, 5);
  const CircleInput input{f.texts[0], f.texts[1], f.texts[2],
                          f.texts[3], f.texts[4], FuzzUnitsMode(f.control)};
  const auto result = CalculateCircle(input);
  if (const auto* message = std::get_if<CalcMessage>(&result)) {
    Require(message->title == "Circle Error" && message->text == "Radius or Diameter required");
    return 0;
  }
  const CircleOutput& out = std::get<CircleOutput>(result);
  for (const std::string* text :
       {&out.weightTotal, &out.diameter, &out.radius, &out.area, &out.perimeter}) {
    Require(!text->empty());
  }
  const bool boltCircle = !out.holes.empty();
  Require(out.angle.empty() != boltCircle && out.cord.empty() != boltCircle);
  if (boltCircle) {
    const int64_t holes = ParseInteger(out.holes);
    Require(holes >= 1 && holes <= INT32_MAX);
    // Fewer than three holes bound no area.
    if (holes < 3) Require(out.area == "0" || out.area == "0.0000");
  }
  // The total weight, area times weight each, always has four decimals.
  const std::string& w = out.weightTotal;
  Require(!IsNumberText(w) || (w.size() > 5 && w[w.size() - 5] == '.'));
  // The radius shown is half the diameter shown.
  const bool fractions = IsFractions(input.unitsMode);
  const double d = fractions ? ParseFraction(out.diameter) : ParseNumber(out.diameter);
  const double r = fractions ? ParseFraction(out.radius) : ParseNumber(out.radius);
  if (IsNumberText(out.diameter) && IsNumberText(out.radius) && d < 1e6)
    Require(std::fabs(d / 2 - r) <= 1.0 / 64);
  return 0;
}
