// Every calculation against its golden rows in golden/: worked results,
// message boxes and edges, field by field, texts of any shape included.

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "calc/bend_calculation.h"
#include "calc/circle_calculation.h"
#include "calc/square_calculation.h"
#include "calc/triangle_solver.h"
#include "calc/unit_conversion.h"
#include "numtext/number_text.h"
#include "tests/golden_rows.h"

namespace {

using Texts = std::vector<std::string>;

UnitsMode Units(const std::string& text) {
  return text == "Fractions" ? kFractions
         : text == "Decimal" ? kDecimal
                             : UnitsModeOf(GoldenNumber<int>(text));
}

Texts MessageTexts(const CalcMessage& message) {
  return {message.title, message.text};
}

Texts SolveTriangle(const GoldenRow& r, UnitsMode mode) {
  const TriangleResult result = TriangleSolver({r[1], r[2], r[3], r[4], r[5], r[6], r[7], mode});
  const TriangleSolution& s = result.solution;
  if (result.error) {
    EXPECT_TRUE(s == TriangleSolution{}) << "a message box writes nothing";
    return MessageTexts(*result.error);
  }
  const char* box = s.acute == s.obtuse ? "both or neither" : s.acute ? "Acute" : "Obtuse";
  return Texts{s.sideA,   s.sideB,   s.sideC, s.height,      s.perimeter, s.angleAB,
               s.angleBC, s.angleAC, s.area,  s.totalWeight, box};
}

// A unit by its drop-down entry's name, or by its number.
int UnitIndex(const std::string& unit) {
  const auto named = std::ranges::find(kUnitNames, unit);
  return named != kUnitNames.end() ? static_cast<int>(named - kUnitNames.begin())
                                   : GoldenNumber<int>(unit);
}

// Each golden file: its first `inputs` columns typed, then the `outputs`
// columns (or `other`, a message box's) that `calculate` answers for them.
const struct {
  const char* file;
  size_t inputs, outputs, other;
  Texts (*calculate)(const GoldenRow&);
} kCalculations[] = {
    {"triangle.txt", 8, 11, 2,
     [](const GoldenRow& r) {
       if (r[0] != "Both") return SolveTriangle(r, Units(r[0]));
       const Texts fractions = SolveTriangle(r, kFractions);
       EXPECT_EQ(SolveTriangle(r, kDecimal), fractions) << "the modes differ";
       return fractions;
     }},
    {"circle.txt", 6, 8, 2,
     [](const GoldenRow& r) {
       const auto result = CalculateCircle({r[1], r[2], r[3], r[4], r[5], Units(r[0])});
       if (const auto* message = std::get_if<CalcMessage>(&result)) return MessageTexts(*message);
       const CircleOutput& o = std::get<CircleOutput>(result);
       return Texts{o.holes,    o.angle,  o.cord, o.weightTotal,
                    o.diameter, o.radius, o.area, o.perimeter};
     }},
    {"square.txt", 4, 5, 1,
     [](const GoldenRow& r) {
       const auto o = CalculateSquare({r[1], r[2], r[3], Units(r[0])});
       return o ? Texts{o->diagonal, o->angle, o->area, o->total, o->perimeter} : Texts{"nothing"};
     }},
    {"bend.txt", 16, 1, 1,
     [](const GoldenRow& r) {
       EXPECT_TRUE(r[1] == "Hard" || r[1] == "Soft") << r[1];
       return Texts{CalculateBend({r[1] == "Hard",
                                   {r[2], r[3], r[4], r[5], r[6]},
                                   {r[7], r[8], r[9], r[10]},
                                   r[11],
                                   {r[12], r[13], r[14], r[15]},
                                   Units(r[0])})};
     }},
    {"convert.txt", 3, 1, 1,
     [](const GoldenRow& r) { return Texts{ConvertUnit(r[0], UnitIndex(r[1]), UnitIndex(r[2]))}; }},
};

// A row typing "(zero)" stands for one row per text of golden/hostile_texts.txt
// that reads as 0, typed wherever it stands.
TEST(Calculations, GoldenRows) {
  Texts zeros;
  for (const GoldenRow& row : ReadGolden("hostile_texts.txt", {2}))
    if (row[0] == "zero") zeros.push_back(row[1]);
  for (const auto& [file, inputs, outputs, other, calculate] : kCalculations) {
    for (const GoldenRow& row : ReadGolden(file, {inputs + outputs, inputs + other})) {
      SCOPED_TRACE(row.where);
      for (const std::string& zero : std::ranges::count(row, "(zero)") ? zeros : Texts{""}) {
        GoldenRow typed = row;
        std::ranges::replace(typed, std::string("(zero)"), zero);
        EXPECT_EQ(calculate(typed), Texts(row.begin() + static_cast<long>(inputs), row.end()))
            << zero.substr(0, 20);
      }
    }
  }
}

}  // namespace
