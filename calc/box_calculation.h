#pragma once
// The box, a rectangle or square: width and height give the diagonal, its
// angle to the width side, the area, the perimeter and the total weight.
//
// Reads "Width", "Height", "Format" (the units) and "Weight Each" (weight per
// area, always decimal); writes "Diagonal", "Angle", "Area", "Total" and
// "Perimeter", or nothing at all when both sides are zero. Width and Height
// are never rewritten.

#include "calc/calc_result.h"

namespace brindle {

CalcResult CalculateBox(const FieldTexts& fields);

}  // namespace brindle
