#include "calc/bender_calculation.h"

#include <array>
#include <string>

#include "calc/field_reading.h"
#include "numtext/number_model.h"
#include "numtext/number_text.h"

namespace brindle {

namespace {

constexpr double kHardDivisor = 2.0;
constexpr double kSoftDivisor = 3.0;
constexpr float kFullCircle = 6.2831855f;  // two pi in single precision
constexpr double kFullTurn = 360.0;
// Shorter arcs are hardly a bend and get no allowance.
constexpr float kArcThreshold = 0.1f;

// "Distance1" for the first of the distances, and so on.
std::string Numbered(const char* caption, size_t i) {
  return caption + std::to_string(i + 1);
}

}  // namespace

CalcResult CalculateBender(const FieldTexts& fields) {
  FieldReader in(fields, "Bender Error");
  const UnitsMode mode = UnitsModeNamed(in.Text("Units"));
  // Read in the page's field order: distances, radii, thickness, angles.
  std::array<float, 5> distances{};
  for (size_t i = 0; i < distances.size(); ++i)
    distances[i] = in.Float(Numbered("Distance", i), ShopKind::kLength);
  std::array<float, 4> radii{};
  for (size_t i = 0; i < radii.size(); ++i)
    radii[i] = in.Float(Numbered("Radius", i), ShopKind::kLength);
  const float thickness = in.Float("Thick", ShopKind::kLength);
  std::array<float, 4> angles{};
  for (size_t i = 0; i < angles.size(); ++i)
    angles[i] = in.Float(Numbered("Angle", i), ShopKind::kAngle);
  if (in.Failed()) return in.Message();
  // Soft material is simply Hard not checked.
  const bool hard = IsChecked(fields, "Hard");
  const float allowance = Single(thickness / (hard ? kHardDivisor : kSoftDivisor));

  std::array<float, 4> arcs{};
  for (size_t i = 0; i < arcs.size(); ++i) {
    const float angle = angles[i];
    // A bend without a radius or without an angle adds nothing, even when the
    // other field holds a value too large for single precision (0 x infinity).
    if (radii[i] == 0.0f || angle == 0.0f) continue;
    arcs[i] = Single(static_cast<double>(radii[i]) * kFullCircle * angle / kFullTurn);
    if (arcs[i] > kArcThreshold) arcs[i] = Single(static_cast<double>(arcs[i]) + allowance);
  }

  double total = 0.0;  // summed left to right, rounded once
  for (const float d : distances)
    total += d;
  for (const float a : arcs)
    total += a;
  return CalcResult::Written({{"Total", FormatLength(Single(total), mode)}});
}

}  // namespace brindle
