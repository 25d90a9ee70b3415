#pragma once
// Rectangle and square: width and height give the diagonal, its angle to the
// width side, the area, the perimeter and the total weight.

#include <optional>
#include <string>

#include "numtext/length_text.h"

struct SquareInput {
  std::string width, height;
  std::string weightEach;  // weight per area, always decimal
  // The page's units drop-down.
  UnitsMode unitsMode = kDefaultUnitsMode;
};

struct SquareOutput {
  std::string diagonal, angle, area, total, perimeter;
  bool operator==(const SquareOutput&) const = default;
};

// Empty when both sides are zero: nothing is written and no message is shown.
std::optional<SquareOutput> CalculateSquare(const SquareInput& input);
