// Any field texts give either one of the triangle messages with nothing
// to write, or a full solution whose angles read back and add up to 180.
#include <cmath>
#include <cstdint>

#include "calc/triangle_solver.h"
#include "fuzz/calc_fuzz_fields.h"
#include "numtext/angle_text.h"
#include "numtext/number_text.h"

using namespace brindle;

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
  const FieldTexts fields = FuzzFieldTexts(
      f, {"Side A", "Side B", "Side C", "Angle AB", "Angle BC", "Angle AC", "Unit Weight"},
      "Units");
  const CalcResult result = SolveTriangle(fields);
  if (result.message) {
    Require(IsTriangleMessage(*result.message) ||
            IsCannotRead(*result.message, "Math Triangle Error", fields));
    Require(result.writes.empty());
    return 0;
  }
  for (const char* caption : {"Side A", "Side B", "Side C", "Height", "Perimeter", "Angle AB",
                              "Angle BC", "Angle AC", "Area", "Total Weight"}) {
    Require(!Written(result, caption).empty());
  }
  const bool acute = IsChecked(result.writes, "Acute");
  const bool obtuse = IsChecked(result.writes, "Obtuse");
  const bool right = IsChecked(result.writes, "Right");
  Require(acute + obtuse + right == 1);
  struct {
    std::string angleAB, angleBC, angleAC;
  } s{Written(result, "Angle AB"), Written(result, "Angle BC"), Written(result, "Angle AC")};
  // Decimal angles carry 4 decimals; degrees-minutes-seconds are whole seconds.
  const bool fractions = IsFractions(FuzzUnitsMode(f.control));
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
    if (largest > 90.0 + tolerance) Require(obtuse);
    if (largest < 90.0 - tolerance) Require(acute);
    // Right exactly when the largest angle shows as 90.
    const std::string& shownLargest = largest == ab   ? s.angleAB
                                      : largest == bc ? s.angleBC
                                                      : s.angleAC;
    Require(right == (shownLargest == (fractions ? "90 0' 0\"" : "90.0000")));
  }
  return 0;
}
