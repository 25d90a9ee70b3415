#include "calc/box_calculation.h"

#include <cmath>

#include "calc/calc_trig.h"
#include "calc/field_reading.h"
#include "numtext/number_model.h"
#include "numtext/number_text.h"

namespace brindle {

CalcResult CalculateBox(const FieldTexts& fields) {
  FieldReader in(fields, "Box Error");
  const UnitsMode mode = UnitsModeNamed(in.Text("Format"));
  const double w = in.Float("Width", ShopKind::kLength);
  const double h = in.Float("Height", ShopKind::kLength);
  const float weightEach = in.Float("Weight Each", ShopKind::kNumber);
  if (in.Failed()) return in.Message();
  const float diagonal = Single(std::sqrt(w * w + h * h));
  // Nothing to show for a rectangle without sides.
  if (!(diagonal > 0.0f)) return {};

  // The diagonal's angle to the width side.
  const float angle = Degrees(ArcSine(h / diagonal));
  const float area = Single(w * h);
  const float total = Single(static_cast<double>(area) * weightEach);
  const float perimeter = Single(w * 2.0 + h * 2.0);
  // In Fractions mode the angle too is shown as degrees and sixty-fourths; the
  // total weight is always a plain decimal.
  return CalcResult::Written({
      {"Diagonal", FormatLength(diagonal, mode)},
      {"Angle", FormatLength(angle, mode)},
      {"Area", FormatLength(area, mode)},
      {"Total", FormatNumber(total, 4)},
      {"Perimeter", FormatLength(perimeter, mode)},
  });
}

}  // namespace brindle
