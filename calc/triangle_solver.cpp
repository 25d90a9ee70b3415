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

namespace brindle {

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

// A field the program wrote and that still shows its text reads as the exact
// value behind it.
float ReadSide(const FieldTexts& in, std::string_view caption, UnitsMode mode) {
  const std::optional<double> exact = ExactOf(in, caption);
  return exact ? static_cast<float>(*exact) : ParseLength(TextOf(in, caption), mode);
}

float ReadAngleField(const FieldTexts& in, std::string_view caption, UnitsMode mode) {
  const std::optional<double> exact = ExactOf(in, caption);
  return exact ? static_cast<float>(*exact) : ReadAngle(TextOf(in, caption), mode);
}

TriangleParts ReadParts(const FieldTexts& in, UnitsMode mode) {
  TriangleParts t{};
  t[kSideA] = ReadSide(in, "Side A", mode);
  t[kSideB] = ReadSide(in, "Side B", mode);
  t[kSideC] = ReadSide(in, "Side C", mode);
  t[kAngleAB] = ReadAngleField(in, "Angle AB", mode);
  t[kAngleBC] = ReadAngleField(in, "Angle BC", mode);
  t[kAngleAC] = ReadAngleField(in, "Angle AC", mode);
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
  const TriangleParts typed = ReadParts(fields, mode);
  const float unitWeight = ParseDecimalField(TextOf(fields, "Unit Weight"));
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
