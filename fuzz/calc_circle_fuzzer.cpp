// Any field texts give the circle message or a full set of texts: a bolt
// circle fills Holes, Angle and Cord together, a plain circle empties all three.
#include <cmath>
#include <cstdint>

#include "calc/bolt_circle_calculation.h"
#include "fuzz/calc_fuzz_fields.h"
#include "numtext/fraction_text.h"
#include "numtext/number_text.h"

using namespace brindle;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const FuzzFields f = SplitFuzzBytes(data, size, 5);
  const FieldTexts fields =
      FuzzFieldTexts(f, {"Weight Ea", "Diameter", "Radius", "Holes", "Angle"}, "Units");
  const CalcResult result = CalculateBoltCircle(fields);
  if (const auto& message = result.message) {
    Require((message->title == "Circle Error" && message->text == "Radius or Diameter required") ||
            IsCannotRead(*message, "Circle Error", fields));
    Require(result.writes.empty());
    return 0;
  }
  struct {
    std::string holes, angle, cord, weightTotal, diameter, radius, area, perimeter;
  } out{Written(result, "Holes"),    Written(result, "Angle"),    Written(result, "Cord"),
        Written(result, "Weight T"), Written(result, "Diameter"), Written(result, "Radius"),
        Written(result, "Area"),     Written(result, "Perimiter")};
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
  const bool fractions = IsFractions(FuzzUnitsMode(f.control));
  const double d = fractions ? ParseFraction(out.diameter) : ParseNumber(out.diameter);
  const double r = fractions ? ParseFraction(out.radius) : ParseNumber(out.radius);
  if (IsNumberText(out.diameter) && IsNumberText(out.radius) && d < 1e6)
    Require(std::fabs(d / 2 - r) <= 1.0 / 64);
  return 0;
}
