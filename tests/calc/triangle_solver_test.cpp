#include "calc/triangle_solver.h"

#include <gtest/gtest.h>

#include "tests/calc/calc_printers.h"

#include <cmath>
#include <string>

#include "numtext/angle_text.h"
#include "numtext/number_text.h"

namespace {

struct Typed {
  const char *a, *b, *c, *ab, *bc, *ac, *weight;
};

TriangleInput Input(const Typed& t, int mode) {
  return {t.a, t.b, t.c, t.ab, t.bc, t.ac, t.weight, mode};
}

struct SolvedRow {
  const char* what;
  int mode;
  Typed typed;
  TriangleSolution expected;
};

constexpr bool kAcute = true;

TriangleSolution Shown(const char* a, const char* b, const char* c, const char* h, const char* p,
                       const char* ab, const char* bc, const char* ac, const char* area,
                       const char* weight, bool acute) {
  return {a, b, c, h, p, ab, bc, ac, area, weight, acute, !acute};
}

const SolvedRow kSolvedRows[] = {
    // Worked results in Decimal mode, one per way of completing the triangle.
    {"three sides",
     kDecimal,
     {"3", "4", "5", "", "", "", "2"},
     Shown("3.0000", "4.0000", "5.0000", "3.0000", "12.0000", "90.0000", "36.8699", "53.1301",
           "6.0000", "12.0000", kAcute)},
    {"three sides, turned",
     kDecimal,
     {"5", "4", "3", "", "", "", ""},
     Shown("5.0000", "4.0000", "3.0000", "3.0000", "12.0000", "36.8699", "90.0000", "53.1301",
           "6.0000", "0.0000", kAcute)},
    {"A, AB, B",
     kDecimal,
     {"2", "3", "", "120", "", "", "1.5"},
     Shown("2.0000", "3.0000", "4.3589", "1.7321", "9.3589", "120.0000", "23.4132", "36.5868",
           "2.5981", "3.8971", !kAcute)},
    {"B, BC, C",
     kDecimal,
     {"", "5", "4", "", "30", "", ""},
     Shown("2.5217", "5.0000", "4.0000", "2.0000", "11.5217", "52.4776", "30.0000", "97.5224",
           "5.0000", "0.0000", !kAcute)},
    {"C, AC, A",
     kDecimal,
     {"6", "", "5", "", "", "40", ""},
     Shown("6.0000", "3.8778", "5.0000", "4.9728", "14.8778", "55.9761", "84.0239", "40.0000",
           "9.6418", "0.0000", kAcute)},
    {"AB, B, BC",
     kDecimal,
     {"", "10", "", "30", "60", "", ""},
     Shown("8.6603", "10.0000", "5.0000", "4.3301", "23.6603", "30.0000", "60.0000", "90.0000",
           "21.6506", "0.0000", kAcute)},
    {"BC, C, AC",
     kDecimal,
     {"", "", "7", "", "40", "70", ""},
     Shown("4.7883", "7.0000", "7.0000", "4.4995", "18.7883", "70.0000", "40.0000", "70.0000",
           "15.7483", "0.0000", kAcute)},
    {"AC, A, AB",
     kDecimal,
     {"6", "", "", "50", "", "60", ""},
     Shown("6.0000", "5.5296", "4.8912", "4.5963", "16.4209", "50.0000", "70.0000", "60.0000",
           "12.7078", "0.0000", kAcute)},
    // Worked results in Fractions mode: sixty-fourths and degrees-minutes-seconds.
    {"three sides, fractions",
     kFractions,
     {"3", "4", "5", "", "", "", ""},
     Shown("3", "4", "5", "3", "12", "90 0' 0\"", "36 52' 12\"", "53 7' 48\"", "6.0000", "0.0000",
           kAcute)},
    {"right isosceles, fractions",
     kFractions,
     {"1", "1", "", "90", "", "", ""},
     Shown("1", "1", "1 27/64", "1", "3 27/64", "90 0' 0\"", "45 0' 0\"", "45 0' 0\"", "0.5000",
           "0.0000", kAcute)},
    // Three sides win over typed angles, which are replaced.
    {"three sides over angles",
     kDecimal,
     {"3", "4", "5", "10", "10", "10", ""},
     Shown("3.0000", "4.0000", "5.0000", "3.0000", "12.0000", "90.0000", "36.8699", "53.1301",
           "6.0000", "0.0000", kAcute)},
    // A, AB, B comes before AB, B, BC: the typed BC of 45 is replaced.
    {"two sides over two angles",
     kDecimal,
     {"2", "3", "", "120", "45", "", ""},
     Shown("2.0000", "3.0000", "4.3589", "1.7321", "9.3589", "120.0000", "23.4132", "36.5868",
           "2.5981", "0.0000", !kAcute)},
    // A side of 0.01 is not typed: the angles decide.
    {"0.01 is not given",
     kDecimal,
     {"6", "", "0.01", "50", "", "60", ""},
     Shown("6.0000", "5.5296", "4.8912", "4.5963", "16.4209", "50.0000", "70.0000", "60.0000",
           "12.7078", "0.0000", kAcute)},
    // The foot of the height beyond side B still gives the whole triangle:
    // C = sqrt(25 + 4 - 10) and an obtuse angle BC.
    {"A, AB, B with the foot beyond B",
     kDecimal,
     {"5", "2", "", "60", "", "", ""},
     Shown("5.0000", "2.0000", "4.3589", "4.3301", "11.3589", "60.0000", "96.5868", "23.4132",
           "4.3301", "0.0000", !kAcute)},
    // Angles read back from an earlier run's degrees-minutes-seconds text, and
    // a mixed-number angle (30 1/2 degrees).
    {"angle as degrees-minutes-seconds",
     kFractions,
     {"2", "3", "", "120 0' 0\"", "", "", ""},
     Shown("2", "3", "4 23/64", "1 47/64", "9 23/64", "120 0' 0\"", "23 24' 48\"", "36 35' 12\"",
           "2.5981", "0.0000", !kAcute)},
    {"angle as a mixed number",
     kFractions,
     {"", "10", "", "30 1/2", "59 1/2", "", ""},
     Shown("8 39/64", "10", "5 5/64", "4 3/8", "23 11/16", "30 30' 0\"", "59 30' 0\"", "90 0' 0\"",
           "21.8655", "0.0000", kAcute)},
    // Obtuse at AB: the law of cosines gives 127.1689, not its supplement 52.83.
    {"three sides, obtuse AB",
     kDecimal,
     {"2", "3", "4.5", "", "", "", ""},
     Shown("2.0000", "3.0000", "4.5000", "1.5937", "9.5000", "127.1689", "20.7419", "32.0892",
           "2.3906", "0.0000", !kAcute)},
    // A units index of -1 (nothing selected) is Decimal.
    {"no units selected",
     -1,
     {"3", "4", "5", "", "", "", ""},
     Shown("3.0000", "4.0000", "5.0000", "3.0000", "12.0000", "90.0000", "36.8699", "53.1301",
           "6.0000", "0.0000", kAcute)},
};

TEST(TriangleSolver, WorkedResults) {
  for (const SolvedRow& row : kSolvedRows) {
    const TriangleResult result = TriangleSolver(Input(row.typed, row.mode));
    ASSERT_FALSE(result.error) << row.what << ": " << result.error->text;
    EXPECT_EQ(result.solution, row.expected) << row.what;
  }
}

struct ErrorRow {
  const char* what;
  Typed typed;
  CalcMessage expected;
};

const CalcMessage kSidesTooLarge{"Triangle Math Error", "One of the sides is too large"};
const CalcMessage kAnglesTooLarge{"Triangle Math Error", "The angles are too large"};
const CalcMessage kNotEnough{"Math Triangle Error", "Not enough information"};

const ErrorRow kErrorRows[] = {
    {"flat: 1 + 2 = 3", {"1", "2", "3", "", "", "", ""}, kSidesTooLarge},
    {"A too long", {"9", "2", "3", "", "", "", ""}, kSidesTooLarge},
    {"B too long", {"2", "9", "3", "", "", "", ""}, kSidesTooLarge},
    {"too long, angles typed too", {"1", "2", "3", "30", "60", "90", ""}, kSidesTooLarge},
    {"only two sides", {"3", "4", "", "", "", "", ""}, kNotEnough},
    {"side A with angles AB, BC", {"3", "", "", "30", "60", "", ""}, kNotEnough},
    {"two sides, angle not between", {"3", "4", "", "", "", "30", ""}, kNotEnough},
    {"third side 0.01", {"3", "4", "0.01", "", "", "", ""}, kNotEnough},
    {"nothing typed", {"", "", "", "", "", "", "5"}, kNotEnough},
    {"unreadable and negative", {"abc", "-3", "0", "", "", "", ""}, kNotEnough},
    {"included AB of 180", {"2", "3", "", "180", "", "", ""}, kAnglesTooLarge},
    {"included BC of 200", {"", "5", "4", "", "200", "", ""}, kAnglesTooLarge},
    {"included AC of 1e39", {"6", "", "5", "", "", "1e39", ""}, kAnglesTooLarge},
    {"AB + BC = 180", {"", "10", "", "100", "80", "", ""}, kAnglesTooLarge},
    {"BC + AC > 180", {"", "", "7", "", "120", "90", ""}, kAnglesTooLarge},
    {"AC + AB = 180", {"6", "", "", "1", "", "179", ""}, kAnglesTooLarge},
};

TEST(TriangleSolver, Messages) {
  for (const ErrorRow& row : kErrorRows) {
    for (int mode : {kFractions, kDecimal}) {
      const TriangleResult result = TriangleSolver(Input(row.typed, mode));
      ASSERT_TRUE(result.error) << row.what;
      EXPECT_EQ(*result.error, row.expected) << row.what;
      EXPECT_EQ(result.solution, TriangleSolution{}) << row.what;
    }
  }
}

// Obtuse corners at either end of the base, from three sides and from B, BC, C:
// every angle agrees with the law of cosines, and the boxes follow.
double LawOfCosines(double opposite, double s1, double s2) {
  return std::acos((s1 * s1 + s2 * s2 - opposite * opposite) / (2 * s1 * s2)) * 180 / M_PI;
}

TEST(TriangleSolver, ObtuseCornersAgreeWithLawOfCosines) {
  const Typed rows[] = {
      {"2", "3", "4.5", "", "", "", ""},  // obtuse AB (foot before the corner AB)
      {"4.5", "3", "2", "", "", "", ""},  // obtuse BC (foot beyond corner BC)
      {"", "2", "4", "", "30", "", ""},   // B, BC, C with obtuse AB
      {"7", "5", "3", "", "", "", ""},    // 120 degrees at BC
      {"1", "1", "1.9", "", "", "", ""},  // nearly flat
  };
  for (const Typed& t : rows) {
    const TriangleResult r = TriangleSolver(Input(t, kDecimal));
    ASSERT_FALSE(r.error);
    const double a = ParseNumber(r.solution.sideA);
    const double b = ParseNumber(r.solution.sideB);
    const double c = ParseNumber(r.solution.sideC);
    const double ab = ParseNumber(r.solution.angleAB);
    const double bc = ParseNumber(r.solution.angleBC);
    const double ac = ParseNumber(r.solution.angleAC);
    EXPECT_NEAR(ab, LawOfCosines(c, a, b), 2e-3) << t.a << " " << t.b << " " << t.c;
    EXPECT_NEAR(bc, LawOfCosines(a, b, c), 2e-3) << t.a << " " << t.b << " " << t.c;
    EXPECT_NEAR(ab + bc + ac, 180.0, 1e-3);
    EXPECT_TRUE(r.solution.obtuse);
    EXPECT_FALSE(r.solution.acute);
  }
}

TEST(TriangleSolver, NearlyFlatTrianglesShowNumbers) {
  const Typed rows[] = {
      {"1", "1", "1.9999999", "", "", "", ""},
      {"1", "1.9999999", "1", "", "", "", ""},
      {"1000000", "1000000", "1999999.9", "", "", "", ""},
      {"", "5", "4", "", "179.99", "", ""},
      {"", "10", "", "0.02", "179.9", "", ""},
  };
  for (const Typed& t : rows) {
    const TriangleResult r = TriangleSolver(Input(t, kDecimal));
    ASSERT_FALSE(r.error);
    for (const std::string* text :
         {&r.solution.sideA, &r.solution.sideB, &r.solution.sideC, &r.solution.height,
          &r.solution.angleAB, &r.solution.angleBC, &r.solution.angleAC, &r.solution.area}) {
      EXPECT_EQ(text->find("NaN"), std::string::npos) << *text;
    }
    EXPECT_NEAR(ParseNumber(r.solution.angleAB) + ParseNumber(r.solution.angleBC) +
                    ParseNumber(r.solution.angleAC),
                180.0, 1e-3);
  }
}

}  // namespace
