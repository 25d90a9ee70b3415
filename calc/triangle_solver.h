#pragma once
// Completes a triangle from three sides, two sides and the angle between them,
// or two angles and the side between them; adds height over side B, perimeter,
// area, total weight and the acute/obtuse class.
//
// Sides A, B, C; each angle is named after the two sides that meet at its
// corner (angle AB lies between A and B). Side B is the base; the height is
// measured from the line of B to the corner of angle AC. Angles in degrees.

#include <optional>
#include <string>

#include "calc/calc_message.h"
#include "numtext/length_text.h"

// The texts of the triangle page's fields.
struct TriangleInput {
  std::string sideA, sideB, sideC;
  std::string angleAB, angleBC, angleAC;
  std::string unitWeight;
  UnitsMode unitsMode = kDefaultUnitsMode;  // the page's units drop-down
};

// Display texts, in the order the page writes them.
struct TriangleSolution {
  std::string sideA, sideB, sideC, height, perimeter;
  std::string angleAB, angleBC, angleAC;
  std::string area, totalWeight;
  bool acute = false;
  bool obtuse = false;
  bool operator==(const TriangleSolution&) const = default;
};

// Either a message box to show (nothing written) or the texts to write.
struct TriangleResult {
  std::optional<CalcMessage> error;
  TriangleSolution solution;
};

TriangleResult TriangleSolver(const TriangleInput& input);
