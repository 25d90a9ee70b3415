#pragma once
// The triangle: completes a triangle from three sides, two sides and the angle
// between them, or two angles and the side between them; adds the height over
// side B, the perimeter, the area, the total weight and the acute/obtuse class.
//
// Sides A, B, C; each angle is named after the two sides that meet at its
// corner (angle AB lies between A and B). Side B is the base; the height is
// measured from the line of B to the corner of angle AC. Angles in degrees.
//
// Reads "Units", "Side A", "Side B", "Side C", "Angle AB", "Angle BC",
// "Angle AC" and "Unit Weight"; writes the sides, "Height", "Perimeter", the
// angles, "Area", "Total Weight" and the check boxes "Acute" and "Obtuse", or
// shows a message box.

#include "calc/calc_result.h"

namespace brindle {

CalcResult SolveTriangle(const FieldTexts& fields);

}  // namespace brindle
