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
  // A right angle counts as acute; a NaN angle is never above 90.
  const bool obtuse =
      p[kAngleAB] > kRightAngle || p[kAngleBC] > kRightAngle || p[kAngleAC] > kRightAngle;
  return CalcResult::Written({
      {"Side A", FormatLength(p[kSideA], mode)},
      {"Side B", FormatLength(p[kSideB], mode)},
      {"Side C", FormatLength(p[kSideC], mode)},
      {"Height", FormatLength(s.height, mode)},
      {"Perimeter", FormatLength(perimeter, mode)},
      {"Angle AB", AngleText(p[kAngleAB], mode)},
      {"Angle BC", AngleText(p[kAngleBC], mode)},
      {"Angle AC", AngleText(p[kAngleAC], mode)},
      {"Area", FormatNumber(area, 4)},
      {"Total Weight", FormatNumber(totalWeight, 4)},
      {"Acute", CheckText(!obtuse)},
      {"Obtuse", CheckText(obtuse)},
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
