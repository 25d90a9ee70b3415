#pragma once
// The bolt circle: radius or diameter, and optionally a ring of equally spaced
// holes (by count or by the angle between them), give the chord between
// neighbouring holes ("Cord"), the bounded area, the perimeter and the total weight.
//
// Reads "Units", "Weight Ea" (weight per area, always decimal), "Diameter",
// "Radius", "Holes" (a whole number) and "Angle" (decimal degrees); writes
// "Holes", "Angle", "Cord", "Weight T", "Diameter", "Radius", "Area" and
// "Perimiter" (Holes, Angle and Cord empty for a plain circle), or shows a
// message box.

#include "calc/calc_result.h"

namespace brindle {

CalcResult CalculateBoltCircle(const FieldTexts& fields);

}  // namespace brindle
