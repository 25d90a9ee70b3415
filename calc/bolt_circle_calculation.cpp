#include "calc/bolt_circle_calculation.h"

#include <cmath>
#include <cstdint>

#include "calc/calc_math.h"
#include "calc/calc_trig.h"
#include "calc/field_reading.h"
#include "numtext/number_model.h"
#include "numtext/number_text.h"

namespace brindle {

namespace {

constexpr double kFullTurn = 360.0;
constexpr float kPi = 3.1415927f;
// Fewer holes than this bound no polygon.
constexpr int32_t kFewestPolygonCorners = 3;

struct Ring {
  float chord = 0.0f;  // straight distance between neighbouring holes
  float area = 0.0f;   // bounded by the polygon through the holes
  float perimeter = 0.0f;
};

Ring BoltCircle(float radius, float angle, int32_t holes) {
  const double r = radius;
  const float rise = Squared(Single(r * SinDegrees(angle)));
  const float run = Squared(Single(r - r * CosDegrees(angle)));
  Ring ring;
  ring.chord = Single(std::sqrt(static_cast<double>(rise) + run));
  ring.perimeter = Single(static_cast<double>(ring.chord) * holes);
  if (holes >= kFewestPolygonCorners) {
    // Distance from the centre to the middle of a side.
    const float apothem = Single(Root(r * r - Squared(Single(ring.chord / 2.0))));
    const float triangle = Single(static_cast<double>(ring.chord) * apothem / 2.0);
    ring.area = Single(static_cast<double>(triangle) * holes);
  }
  return ring;
}

// The whole number of holes that fit at this spacing. An angle of 360/n to the
// precision a single can hold gives n holes, so the angle the program wrote
// for n holes reads back as n, not one fewer.
int32_t HolesAtAngle(float angle) {
  const double fit = kFullTurn / angle;
  const double nearest = std::round(fit);
  constexpr double kSingleStep = 1.0 / (1 << 22);  // two units in a single's last place
  if (std::abs(fit - nearest) <= std::abs(fit) * kSingleStep)
    return TruncateToInt32(nearest).value_or(0);
  return TruncateToInt32(fit).value_or(0);
}

}  // namespace

CalcResult CalculateBoltCircle(const FieldTexts& fields) {
  FieldReader in(fields, "Circle Error");
  const UnitsMode mode = UnitsModeNamed(in.Text("Units"));
  float radius = in.Float("Radius", ShopKind::kLength);
  float diameter = in.Float("Diameter", ShopKind::kLength);
  // Only the low 32 bits of the typed count matter.
  auto holes = static_cast<int32_t>(static_cast<uint32_t>(in.Count("Holes").value_or(0)));
  float angle = in.Float("Angle", ShopKind::kAngle);
  const float weightEach = in.Float("Weight Ea", ShopKind::kNumber);
  if (in.Failed()) return in.Message();
  // The diameter wins when both are typed.
  if (IsGiven(diameter)) {
    radius = Single(diameter / 2.0);
  } else if (IsGiven(radius)) {
    diameter = Single(radius * 2.0);
  } else {
    return CalcResult::Message({"Circle Error", "Radius or Diameter required"});
  }

  // The hole count wins when both are typed.
  if (holes > 0) {
    angle = Single(kFullTurn / holes);
  } else if (IsGiven(angle)) {
    // An angle above a hundredth of a degree gives fewer than 36000 holes, so the
    // count always fits; anything else would mean no bolt circle at all.
    holes = HolesAtAngle(angle);
    if (holes >= 1) angle = Single(kFullTurn / holes);
  }

  std::string holesText, angleText, cordText;  // empty for a plain circle
  std::optional<double> holesValue, angleValue;
  float area;
  float perimeter;
  if (holes >= 1) {
    const Ring ring = BoltCircle(radius, angle, holes);
    area = ring.area;
    perimeter = ring.perimeter;
    holesText = FormatInteger(holes);
    angleText = FormatNumber(angle, 4);
    holesValue = holes;
    angleValue = angle;
    cordText = FormatLength(ring.chord, mode);
  } else {
    area = Single(static_cast<double>(radius) * kPi * radius);
    perimeter = Single(static_cast<double>(diameter) * kPi);
  }
  return CalcResult::Written({
      {"Holes", holesText, holesValue},
      {"Angle", angleText, angleValue},
      {"Cord", cordText},
      {"Weight T", FormatNumber(Single(static_cast<double>(area) * weightEach), 4)},
      {"Diameter", FormatLength(diameter, mode), diameter},
      {"Radius", FormatLength(radius, mode), radius},
      {"Area", FormatLength(area, mode)},
      {"Perimiter", FormatLength(perimeter, mode)},
  });
}

}  // namespace brindle
