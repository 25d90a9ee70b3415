#include "calc/triangle_solver.h"

#include <string_view>

#include "calc/calc_math.h"
#include "calc/triangle_cases.h"
#include "numtext/angle_text.h"
#include "numtext/number_model.h"
#include "numtext/number_text.h"

namespace {

constexpr float kRightAngle = 90.0f;

// In Fractions mode an angle is normally typed as a mixed number (30 1/2 is
// 30.5 degrees); the degrees-minutes-seconds text an earlier run wrote there
// (36 52' 12") is recognised by its minute and second marks and read as such.
float ReadAngle(std::string_view text, UnitsMode mode) {
  if (IsFractions(mode) && text.find_first_of("'\"") != std::string_view::npos) {
    return ParseAngleDms(text);
  }
  return ParseLength(text, mode);
}

TriangleParts ReadParts(const TriangleInput& in) {
  const UnitsMode mode = in.unitsMode;
  TriangleParts t{};
  t[kSideA] = ParseLength(in.sideA, mode);
  t[kSideB] = ParseLength(in.sideB, mode);
  t[kSideC] = ParseLength(in.sideC, mode);
  t[kAngleAB] = ReadAngle(in.angleAB, mode);
  t[kAngleBC] = ReadAngle(in.angleBC, mode);
  t[kAngleAC] = ReadAngle(in.angleAC, mode);
  return t;
}

std::string AngleText(float degrees, UnitsMode mode) {
  return IsFractions(mode) ? FormatAngleDms(degrees) : FormatNumber(degrees, 4);
}

TriangleSolution Present(const SolvedTriangle& s, float unitWeight, UnitsMode mode) {
  const TriangleParts& p = s.parts;
  // Half the base times the height.
  const float area = Single(static_cast<double>(s.height) * p[kSideB] / 2.0);
  const float totalWeight = Single(static_cast<double>(unitWeight) * area);
  const float perimeter = Single(static_cast<double>(p[kSideA]) + p[kSideB] + p[kSideC]);

  TriangleSolution out;
  out.sideA = FormatLength(p[kSideA], mode);
  out.sideB = FormatLength(p[kSideB], mode);
  out.sideC = FormatLength(p[kSideC], mode);
  out.height = FormatLength(s.height, mode);
  out.perimeter = FormatLength(perimeter, mode);
  out.angleAB = AngleText(p[kAngleAB], mode);
  out.angleBC = AngleText(p[kAngleBC], mode);
  out.angleAC = AngleText(p[kAngleAC], mode);
  out.area = FormatNumber(area, 4);
  out.totalWeight = FormatNumber(totalWeight, 4);
  // A right angle counts as acute; a NaN angle is never above 90.
  out.obtuse = p[kAngleAB] > kRightAngle || p[kAngleBC] > kRightAngle || p[kAngleAC] > kRightAngle;
  out.acute = !out.obtuse;
  return out;
}

}  // namespace

TriangleResult TriangleSolver(const TriangleInput& input) {
  const TriangleParts typed = ReadParts(input);
  const float unitWeight = ParseNumber(input.unitWeight);
  // The first complete combination decides, and what it computes replaces
  // whatever else was typed.
  for (const TriangleCase& c : kTriangleCases) {
    if (!IsGiven(typed[c.needs[0]]) || !IsGiven(typed[c.needs[1]]) || !IsGiven(typed[c.needs[2]])) {
      continue;
    }
    const TriangleCaseResult result = c.solve(typed);
    if (const auto* message = std::get_if<CalcMessage>(&result)) return {*message, {}};
    return {std::nullopt, Present(std::get<SolvedTriangle>(result), unitWeight, input.unitsMode)};
  }
  return {NotEnoughInformationMessage(), {}};
}
