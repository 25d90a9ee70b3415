#include "calc/square_calculation.h"

#include <cmath>

#include "calc/calc_trig.h"
#include "numtext/fraction_text.h"
#include "numtext/number_model.h"
#include "numtext/number_text.h"

std::optional<SquareOutput> CalculateSquare(const SquareInput& input) {
  const float weightEach = ParseDecimalField(input.weightEach);
  const UnitsMode mode = input.unitsMode;
  const double w = ParseLength(input.width, mode);
  const double h = ParseLength(input.height, mode);
  const float diagonal = Single(std::sqrt(w * w + h * h));
  // Nothing to show for a rectangle without sides (or with unreadable ones).
  if (!(diagonal > 0.0f)) return std::nullopt;

  // The diagonal's angle to the width side.
  const float angle = Degrees(ArcSine(h / diagonal));
  const float area = Single(w * h);
  const float total = Single(static_cast<double>(area) * weightEach);
  const float perimeter = Single(w * 2.0 + h * 2.0);
  // In Fractions mode the angle too is shown as degrees and sixty-fourths; the
  // total weight is always a plain decimal.
  return SquareOutput{FormatLength(diagonal, mode), FormatLength(angle, mode),
                      FormatLength(area, mode), FormatNumber(total, 4),
                      FormatLength(perimeter, mode)};
}
