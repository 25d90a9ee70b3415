// Any field texts give either one of the four triangle messages with nothing
// to write, or a full solution whose angles read back and add up to 180.
#include <cmath>
#include <cstdint>

#include "calc/triangle_solver.h"
#include "fuzz/calc_fuzz_fields.h"
#include "numtext/angle_text.h"
#include "numtext/number_text.h"

namespace {

bool IsTriangleMessage(const CalcMessage& m) {
  return (m.title == "Triangle Math Error" &&
          (m.text == "One of the sides is too large" || m.text == "The angles are too large" ||
           m.text == "Two triangles fit these values: please give one more value")) ||
         (m.title == "Math Triangle Error" && m.text == "Not enough information");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const FuzzFields f = SplitFuzzBytes(data, size, 7);
  const TriangleInput input{f.texts[0], f.texts[1], f.texts[2], f.texts[3],
                            f.texts[4], f.texts[5], f.texts[6], FuzzUnitsMode(f.control)};
  const TriangleResult result = TriangleSolver(input);
  if (result.error) {
    Require(IsTriangleMessage(*result.error));
    Require(result.solution == TriangleSolution{});
    return 0;
  }
  const TriangleSolution& s = result.solution;
  for (const std::string* text : {&s.sideA, &s.sideB, &s.sideC, &s.height, &s.perimeter, &s.angleAB,
                                  &s.angleBC, &s.angleAC, &s.area, &s.totalWeight}) {
    Require(!text->empty());
  }
  Require(s.acute != s.obtuse);
  // Decimal angles carry 4 decimals; degrees-minutes-seconds are whole seconds.
  const bool fractions = IsFractions(input.unitsMode);
  const double tolerance = fractions ? 3.0 / 3600 + 1e-4 : 1e-3;
  const auto read = [fractions](const std::string& t) {
    return fractions ? ParseAngleDms(t) : ParseNumber(t);
  };
  const double ab = read(s.angleAB), bc = read(s.angleBC), ac = read(s.angleAC);
  // Infinite sides give "NaN" angles, which would read back as 0.
  if (IsNumberText(s.angleAB) && IsNumberText(s.angleBC) && IsNumberText(s.angleAC)) {
    Require(std::fabs(ab + bc + ac - 180.0) <= tolerance);
    // The boxes follow the angles shown (a shown 90 may hide a hair either way).
    const double largest = std::fmax(ab, std::fmax(bc, ac));
    if (largest > 90.0 + tolerance) Require(s.obtuse);
    if (largest < 90.0 - tolerance) Require(s.acute);
  }
  return 0;
}
