// Every calculation against its golden rows in golden/: worked results,
// message boxes and edges, field by field; texts of any shape; and the
// angles of nearly flat and obtuse triangles.

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>
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

int UnitIndex(const std::string& unit) {
  static const std::vector<GoldenRow> units = ReadGolden("units.txt", {2});
  for (size_t i = 0; i < units.size(); ++i)
    if (units[i][0] == unit) return static_cast<int>(i);
  return GoldenNumber<int>(unit);
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

TEST(Calculations, GoldenRows) {
  for (const auto& [file, inputs, outputs, other, calculate] : kCalculations) {
    for (const GoldenRow& row : ReadGolden(file, {inputs + outputs, inputs + other})) {
      SCOPED_TRACE(row.where);
      EXPECT_EQ(calculate(row), Texts(row.begin() + static_cast<long>(inputs), row.end()));
    }
  }
}

// The drop-down entries in order; every pair of units within a family answers
// a number, every pair across families "Invalid".
TEST(ConvertUnit, EntriesAndFamilies) {
  const std::vector<GoldenRow> units = ReadGolden("units.txt", {2});
  ASSERT_EQ(units.size(), size_t{kUnitCount});
  for (int from = 0; from < kUnitCount; ++from) {
    EXPECT_EQ(kUnitNames[from], units[from][0]);
    for (int to = 0; to < kUnitCount; ++to) {
      if (from == to) continue;
      const std::string answer = ConvertUnit("2", from, to);
      if (units[from][1] == units[to][1]) {
        EXPECT_TRUE(answer != "Invalid" && !answer.empty()) << from << " to " << to;
      } else {
        EXPECT_EQ(answer, "Invalid") << from << " to " << to;
      }
    }
  }
}

// The texts in golden/hostile_texts.txt that read as 0, and some of 100,000
// characters. (Huge numbers are golden rows of each calculation; the fuzzers
// feed every calculation any text.)
std::vector<std::string> ZeroTexts() {
  std::vector<std::string> texts;
  for (const GoldenRow& row : ReadGolden("hostile_texts.txt", {2}))
    if (row[0] == "zero") texts.push_back(row[1]);
  texts.insert(texts.end(), {std::string(100000, ' '), std::string(100000, 'x'),
                             "0." + std::string(100000, '0') + "1"});
  return texts;
}

TEST(HostileText, ZeroTextsCountAsNotTyped) {
  for (UnitsMode mode : {kFractions, kDecimal}) {
    for (const std::string& t : ZeroTexts()) {
      SCOPED_TRACE(t.substr(0, 20));
      const TriangleResult tri = TriangleSolver({t, t, t, t, t, t, t, mode});
      ASSERT_TRUE(tri.error);
      EXPECT_EQ(tri.error->text, "Not enough information");
      const auto circle = CalculateCircle({t, t, t, t, t, mode});
      EXPECT_TRUE(std::holds_alternative<CalcMessage>(circle));
      EXPECT_FALSE(CalculateSquare({t, t, t, mode}));
      const BendInput bend{true, {t, t, t, t, t}, {t, t, t, t}, t, {t, t, t, t}, mode};
      EXPECT_EQ(CalculateBend(bend), IsFractions(mode) ? "0" : "0.0000");
      if (mode == kDecimal) {
        // Decimal Inch to Decimal Feet, Fraction Inch to Fraction Feet, Fractional
        // Angle to Decimal Angle, Decimal Inch to Meters.
        EXPECT_EQ(ConvertUnit(t, 4, 5), "0.0000");
        EXPECT_EQ(ConvertUnit(t, 0, 1), "0");
        EXPECT_EQ(ConvertUnit(t, 12, 13), "0.0000");
        EXPECT_EQ(ConvertUnit(t, 4, 16), "0.0000");
      }
    }
  }
}

// The largest hole count: the polygon is the circle itself, within rounding.
TEST(HostileText, LargestHoleCountGivesTheCircle) {
  const auto most =
      std::get<CircleOutput>(CalculateCircle({"", "", "2", "2147483647", "", kDecimal}));
  EXPECT_EQ(most.holes, "2147483647");
  EXPECT_NE(most.area.find("12.5"), std::string::npos) << most.area;
}

double LawOfCosines(double opposite, double s1, double s2) {
  return std::acos((s1 * s1 + s2 * s2 - opposite * opposite) / (2 * s1 * s2)) * 180 /
         std::numbers::pi;
}

// Triangles whose angles come from an arcsine near its limits (obtuse corners,
// nearly flat triangles) show numbers whose angles add up to 180.
TEST(TriangleSolver, AnglesAddUpTo180AndFollowTheLawOfCosines) {
  for (const GoldenRow& r : ReadGolden("triangle_shapes.txt", {7})) {
    SCOPED_TRACE(r.where);
    ASSERT_TRUE(r[0] == "obtuse" || r[0] == "flat") << r[0];
    const TriangleResult t = TriangleSolver({r[1], r[2], r[3], r[4], r[5], r[6], "", kDecimal});
    ASSERT_FALSE(t.error) << t.error->text;
    const TriangleSolution& s = t.solution;
    const double a = ParseNumber(s.sideA), b = ParseNumber(s.sideB), c = ParseNumber(s.sideC);
    const double ab = ParseNumber(s.angleAB), bc = ParseNumber(s.angleBC);
    EXPECT_NEAR(ab + bc + ParseNumber(s.angleAC), 180.0, 1e-3);
    if (r[0] == "obtuse") {
      EXPECT_NEAR(ab, LawOfCosines(c, a, b), 2e-3);
      EXPECT_NEAR(bc, LawOfCosines(a, b, c), 2e-3);
      EXPECT_TRUE(s.obtuse && !s.acute);
    }
  }
}

}  // namespace
