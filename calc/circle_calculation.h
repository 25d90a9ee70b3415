#pragma once
// Circle and bolt circle: radius or diameter, and optionally a ring of equally
// spaced holes (by count or by the angle between them), give the chord between
// neighbouring holes ("Cord"), the bounded area, the perimeter and the total weight.

#include <string>
#include <variant>

#include "calc/calc_message.h"
#include "numtext/length_text.h"

struct CircleInput {
  std::string weightEach;  // weight per area, always decimal
  std::string diameter, radius;
  std::string holes;  // whole number
  std::string angle;  // decimal degrees
  // The page's units drop-down.
  UnitsMode unitsMode = kDefaultUnitsMode;
};

// The texts to write, in the order the page writes them. Holes, Angle and Cord
// are empty for a plain circle.
struct CircleOutput {
  std::string holes, angle, cord, weightTotal;
  std::string diameter, radius, area, perimeter;
  bool operator==(const CircleOutput&) const = default;
};

std::variant<CircleOutput, CalcMessage> CalculateCircle(const CircleInput& input);
