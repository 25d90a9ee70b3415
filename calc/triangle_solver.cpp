#include "calc/triangle_solver.h"

#include <algorithm>
#include <span>
#include <string>
#include <string_view>

#include "calc/calc_math.h"
#include "calc/field_reading.h"
#include "calc/triangle_cases.h"
#include "numtext/angle_text.h"
#include "numtext/number_model.h"
#include "numtext/number_text.h"

namespace brindle {

namespace {

constexpr float kRightAngle = 90.0f;

// Sides in any length form (3 1/2, 3'6", 89 mm); angles as a number or as
// degrees, minutes and seconds (30 1/2, 36 52' 12", 36°52', 36 52), in
// either units mode.
TriangleParts ReadParts(FieldReader& in) {
  TriangleParts t{};
  t[kSideA] = in.Float("Side A", ShopKind::kLength);
  t[kSideB] = in.Float("Side B", ShopKind::kLength);
  t[kSideC] = in.Float("Side C", ShopKind::kLength);
  t[kAngleAB] = in.Float("Angle AB", ShopKind::kAngle);
  t[kAngleBC] = in.Float("Angle BC", ShopKind::kAngle);
  t[kAngleAC] = in.Float("Angle AC", ShopKind::kAngle);
  return t;
}

std::string AngleText(float degrees, UnitsMode mode) {
  return IsFractions(mode) ? FormatAngleDms(degrees) : FormatNumber(degrees, 4);
}

CalcResult Present(const SolvedTriangle& s, float unitWeight, UnitsMode mode) {
  const TriangleParts& p = s.parts;
  // Half the base times the height.
  const float area = Single(static_cast<double>(s.height) * p[kSideB] / 2.0);
  const float totalWeight = Single(static_cast<double>(unitWeight) * area);
  const float perimeter = Single(static_cast<double>(p[kSideA]) + p[kSideB] + p[kSideC]);
  // The kind of triangle goes by its largest angle as shown: a right triangle
  // when that shows as 90, obtuse above, acute below (a NaN angle is never
  // above 90).
  const float largest = std::max({p[kAngleAB], p[kAngleBC], p[kAngleAC]});
  const bool right = AngleText(largest, mode) == AngleText(kRightAngle, mode);
  const bool obtuse = !right && (p[kAngleAB] > kRightAngle || p[kAngleBC] > kRightAngle ||
                                 p[kAngleAC] > kRightAngle);
  return CalcResult::Written({
      {"Side A", FormatLength(p[kSideA], mode), p[kSideA]},
      {"Side B", FormatLength(p[kSideB], mode), p[kSideB]},
      {"Side C", FormatLength(p[kSideC], mode), p[kSideC]},
      {"Height", FormatLength(s.height, mode)},
      {"Perimeter", FormatLength(perimeter, mode)},
      {"Angle AB", AngleText(p[kAngleAB], mode), p[kAngleAB]},
      {"Angle BC", AngleText(p[kAngleBC], mode), p[kAngleBC]},
      {"Angle AC", AngleText(p[kAngleAC], mode), p[kAngleAC]},
      {"Area", FormatNumber(area, 4)},
      {"Total Weight", FormatNumber(totalWeight, 4)},
      {"Acute", CheckText(!obtuse && !right)},
      {"Obtuse", CheckText(obtuse)},
      {"Right", CheckText(right)},
  });
}

}  // namespace

CalcResult SolveTriangle(const FieldTexts& fields) {
  const UnitsMode mode = UnitsModeNamed(TextOf(fields, "Units"));
  FieldReader in(fields, "Math Triangle Error");
  const TriangleParts typed = ReadParts(in);
  const float unitWeight = in.Float("Unit Weight", ShopKind::kNumber);
  if (in.Failed()) return in.Message();
  // The first complete combination decides, and what it computes replaces
  // whatever else was typed.
  using Cases = std::span<const TriangleCase>;
  for (const Cases cases : {Cases(kTriangleCases), Cases(kMoreTriangleCases)}) {
    for (const TriangleCase& c : cases) {
      if (!IsGiven(typed[c.needs[0]]) || !IsGiven(typed[c.needs[1]]) ||
          !IsGiven(typed[c.needs[2]])) {
        continue;
      }
      const TriangleCaseResult result = c.solve(typed);
      if (const auto* message = std::get_if<CalcMessage>(&result))
        return CalcResult::Message(*message);
      return Present(std::get<SolvedTriangle>(result), unitWeight, mode);
    }
  }
  return CalcResult::Message(NotEnoughInformationMessage());
}

}  // namespace brindle
