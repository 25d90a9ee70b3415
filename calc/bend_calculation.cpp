#include "calc/bend_calculation.h"

#include "numtext/fraction_text.h"
#include "numtext/number_model.h"
#include "numtext/number_text.h"

namespace {

constexpr double kHardDivisor = 2.0;
constexpr double kSoftDivisor = 3.0;
constexpr float kFullCircle = 6.2831855f;  // two pi in single precision
constexpr double kFullTurn = 360.0;
// Shorter arcs are hardly a bend and get no allowance.
constexpr float kArcThreshold = 0.1f;

}  // namespace

std::string CalculateBend(const BendInput& input) {
  const UnitsMode mode = input.unitsMode;
  // Read in the page's field order: distances, radii, thickness, angles.
  std::array<float, 5> distances{};
  for (size_t i = 0; i < distances.size(); ++i) {
    distances[i] = ParseLength(input.distances[i], mode);
  }
  std::array<float, 4> radii{};
  for (size_t i = 0; i < radii.size(); ++i) {
    radii[i] = ParseLength(input.radii[i], mode);
  }
  const float thickness = ParseLength(input.thickness, mode);
  const float allowance = Single(thickness / (input.hard ? kHardDivisor : kSoftDivisor));

  std::array<float, 4> arcs{};
  for (size_t i = 0; i < arcs.size(); ++i) {
    const float angle = ParseDecimalField(input.angles[i]);
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
  return FormatLength(Single(total), mode);
}
