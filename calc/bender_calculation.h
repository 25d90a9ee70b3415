#pragma once
// The bender: flat stock for up to four bends: five straight runs along the
// inside edge, plus each bend's arc and a bend allowance of half the thickness
// (hard material) or a third of it (soft). With every radius and angle at 0 it
// simply adds the distances, fractions included.
//
// Reads "Units", "Hard", "Distance1" to "Distance5", "Radius1" to "Radius4"
// and "Thick" (lengths, by the units) and "Angle1" to "Angle4" (decimal
// degrees); writes "Total".

#include "calc/calc_result.h"

namespace brindle {

CalcResult CalculateBender(const FieldTexts& fields);

}  // namespace brindle
