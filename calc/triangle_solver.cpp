#include "calc/triangle_solver.h"

#include <algorithm>
#include <span>
#include <string>
#include <string_view>

#include "calc/calc_math.h"
#include "calc/triangle_cases.h"
#include "numtext/angle_text.h"
#include "numtext/fraction_text.h"
#include "numtext/number_model.h"
#include "numtext/number_text.h"

namespace {

constexpr float kRightAngle = 90.0f;

bool StartsWithNumber(std::string_view word) {
  size_t i = 0;
  if (i < word.size() && (word[i] == '+' || word[i] == '-')) ++i;
  if (i < word.size() && word[i] == '.') ++i;
  return i < word.size() && word[i] >= '0' && word[i] <= '9';
}

// In Fractions mode an angle is typed as a mixed number (30 1/2 is 30.5
// degrees) or as degrees, minutes and seconds: with the marks an earlier run
// wrote there (36 52' 12"), or as two or three plain numbers (36 52 is 36
// degrees 52 minutes, not 36). Blanks between the parts count once.
float ReadAngle(std::string_view text, UnitsMode mode) {
  if (!IsFractions(mode)) return ParseLength(text, mode);
  std::string parts;
  int count = 0;
  bool numbers = true;
  for (size_t i = text.find_first_not_of(' '); i != std::string_view::npos;
       i = text.find_first_not_of(' ', i)) {
    const size_t end = std::min(text.find(' ', i), text.size());
    const std::string_view part = text.substr(i, end - i);
    numbers = numbers && StartsWithNumber(part);
    if (count++ > 0) parts += ' ';
    parts += part;
    i = end;
  }
  const bool marked = text.find_first_of("'\"") != std::string_view::npos;
  const bool plain =
      count >= 2 && count <= 3 && numbers && text.find('/') == std::string_view::npos;
  return marked || plain ? ParseAngleDms(parts) : ParseFraction(text);
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
  const float unitWeight = ParseDecimalField(input.unitWeight);
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
      if (const auto* message = std::get_if<CalcMessage>(&result)) return {*message, {}};
      return {std::nullopt, Present(std::get<SolvedTriangle>(result), unitWeight, input.unitsMode)};
    }
  }
  return {NotEnoughInformationMessage(), {}};
}
