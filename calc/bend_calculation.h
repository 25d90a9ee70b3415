#pragma once
// Flat stock for up to four bends: five straight runs along the inside edge,
// plus each bend's arc and a bend allowance of half the thickness (hard
// material) or a third of it (soft). With every radius and angle at 0 it simply
// adds the distances, fractions included.

#include <array>
#include <string>

#include "numtext/length_text.h"

struct BendInput {
  bool hard = false;
  std::array<std::string, 5> distances;  // lengths, by the units mode
  std::array<std::string, 4> radii;      // lengths, by the units mode
  std::string thickness;                 // length, by the units mode
  std::array<std::string, 4> angles;     // decimal degrees
  // The program's units setting.
  UnitsMode unitsMode = kDefaultUnitsMode;
};

// The text of the Total field.
std::string CalculateBend(const BendInput& input);
