// Triangles whose angles come from an arcsine near its limits (obtuse corners,
// nearly flat triangles) show numbers whose angles add up to 180.

#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "calc/triangle_solver.h"
#include "numtext/number_text.h"
#include "tests/golden_rows.h"

namespace {

double LawOfCosines(double opposite, double s1, double s2) {
  return std::acos((s1 * s1 + s2 * s2 - opposite * opposite) / (2 * s1 * s2)) * 180 / M_PI;
}

TEST(TriangleSolver, AnglesAddUpTo180AndFollowTheLawOfCosines) {
  for (const GoldenRow& r : ReadGolden("triangle_shapes.txt", {7})) {
    SCOPED_TRACE(r.where);
    ASSERT_TRUE(r[0] == "obtuse" || r[0] == "flat") << r[0];
    const TriangleResult t = TriangleSolver({r[1], r[2], r[3], r[4], r[5], r[6], "", kDecimal});
    ASSERT_FALSE(t.error) << t.error->text;
    const TriangleSolution& s = t.solution;
    for (const std::string& text :
         {s.sideA, s.sideB, s.sideC, s.height, s.angleAB, s.angleBC, s.angleAC, s.area}) {
      EXPECT_EQ(text.find("NaN"), std::string::npos) << text;
    }
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
