#include "calc/weld_metal_calculation.h"

#include <algorithm>
#include <cmath>
#include <string>

#include "calc/material_fields.h"
#include "calc/material_tables.h"
#include "calc/range_algorithms.h"
#include "numtext/number_text.h"
#include "numtext/stock_text.h"

namespace brindle {

namespace {

enum class Joint { kFillet, kSingleV, kSingleBevel, kDoubleV, kSquareGroove };

constexpr std::string_view kDimensions[] = {"Leg 1",        "Leg 2",        "Thickness",
                                            "Groove Angle", "Root Opening", "Root Face"};

constexpr std::string_view kFilletFields[] = {"Leg 1", "Leg 2"};
constexpr std::string_view kGrooveFields[] = {"Thickness", "Groove Angle", "Root Opening",
                                              "Root Face"};
constexpr std::string_view kSquareGrooveFields[] = {"Thickness", "Root Opening"};
constexpr std::span<const std::string_view> kJointFields[] = {
    kFilletFields, kGrooveFields, kGrooveFields, kGrooveFields, kSquareGrooveFields};

constexpr std::string_view kTitle = "Weld Metal Error";

std::optional<Joint> JointNamed(std::string_view name) {
  const auto found = ranges::find(kJointNames, name);
  if (found == std::end(kJointNames)) return std::nullopt;
  return static_cast<Joint>(found - std::begin(kJointNames));
}

// A cap or a convex fillet face: a parabolic segment of its width and height.
double Cap(double width, double height) {
  return 2.0 / 3.0 * width * height;
}

// The section of the weld in square inches, cap or convexity included.
double WeldSection(Joint joint, MaterialFields& in) {
  if (joint == Joint::kFillet) {
    const double leg1 = in.Length("Leg 1");
    const bool equalLegs = TrimBlanks(in.Text("Leg 2")).empty();
    const double leg2 = equalLegs ? leg1 : in.Length("Leg 2");
    const double convexity = in.LengthOrZero("Reinforcement");
    return leg1 * leg2 / 2.0 + Cap(std::hypot(leg1, leg2), convexity);
  }
  const double t = in.Length("Thickness");
  double angle = 0.0;
  if (joint != Joint::kSquareGroove) {
    angle = in.Angle("Groove Angle");
    const double most = joint == Joint::kSingleBevel ? 90.0 : 180.0;
    if (!in.Failed() && angle >= most)
      in.Fail("Groove Angle must be less than " + std::to_string(static_cast<int>(most)) +
              " degrees");
  }
  const double gap = in.LengthOrZero("Root Opening");
  const double face = joint == Joint::kSquareGroove ? 0.0 : in.LengthOrZero("Root Face");
  const double cap = in.LengthOrZero("Reinforcement");
  if (!in.Failed() && face > t) in.Fail("Root Face must be no more than the Thickness");
  if (in.Failed()) return 0.0;

  // The gap the full thickness, then the bevelled faces above the root face:
  // each a triangle as deep as the bevel, its width depth x tan(bevel angle).
  const double depth = t - face;
  switch (joint) {
    case Joint::kSingleV: {
      const double spread = TanDegrees(angle / 2.0);
      return gap * t + depth * depth * spread + Cap(gap + 2.0 * depth * spread, cap);
    }
    case Joint::kSingleBevel: {
      const double spread = TanDegrees(angle);
      return gap * t + depth * depth * spread / 2.0 + Cap(gap + depth * spread, cap);
    }
    case Joint::kDoubleV: {
      // A V from each side, half the depth each, and a cap on each side.
      const double half = depth / 2.0, spread = TanDegrees(angle / 2.0);
      return gap * t + 2.0 * half * half * spread + 2.0 * Cap(gap + 2.0 * half * spread, cap);
    }
    default:
      return gap * t + Cap(gap, cap);
  }
}

}  // namespace

std::span<const std::string_view> WeldDimensions() {
  return kDimensions;
}

std::span<const std::string_view> WeldJointDimensions(std::string_view joint) {
  const std::optional<Joint> j = JointNamed(joint);
  return j ? kJointFields[static_cast<int>(*j)] : std::span<const std::string_view>{};
}

CalcResult CalculateWeldMetal(const FieldTexts& fields) {
  MaterialFields in(fields, std::string(kTitle));
  const std::optional<Joint> joint = JointNamed(in.Text("Joint"));
  if (!joint) in.Fail("Joint required");
  const double area = joint ? WeldSection(*joint, in) : 0.0;
  const double length = in.Length("Weld Length");
  const double welds = in.Count("Number of Welds");
  const WeldingProcess* process = FindWeldingProcess(in.Text("Process"));
  if (!process) in.Fail("Process required");
  double efficiency = process ? process->efficiencyPercent : 0.0;
  if (!TrimBlanks(in.Text("Efficiency %")).empty()) efficiency = in.Percent("Efficiency %");
  if (!in.Failed() && efficiency > 100.0) in.Fail("Efficiency % must be 100 or less");
  const double density = in.Density();
  const std::optional<double> price = in.Price("Filler Price per Pound");
  if (in.Failed()) return in.Message();

  const double volume = area * length * welds;
  const double metal = volume * density;
  const double filler = metal / (efficiency / 100.0);
  return CalcResult::Written({
      {"Density", FourDecimals(density)},
      {"Cross Section", FourDecimals(area)},
      {"Weld Volume", FourDecimals(volume)},
      {"Weld Metal", FourDecimals(metal)},
      {"Filler to Buy", FourDecimals(filler)},
      {"Weight per Foot", FourDecimals(area * 12.0 * density)},
      {"Filler Cost", price ? FourDecimals(filler * *price) : ""},
  });
}

CalcResult ArrangeWeldMetal(const FieldTexts& fields) {
  CalcResult arrangement;
  const std::span<const std::string_view> used = WeldJointDimensions(TextOf(fields, "Joint"));
  for (std::string_view caption : kDimensions) {
    if (ranges::find(used, caption) == used.end()) arrangement.disabled.emplace_back(caption);
  }
  const Material* material = FindMaterial(TextOf(fields, "Material"));
  const bool custom = material != nullptr && material->name == kCustomMaterial;
  if (!custom) arrangement.disabled.emplace_back("Custom Density");
  const WeldingProcess* process = FindWeldingProcess(TextOf(fields, "Process"));
  arrangement.writes = {
      {"Efficiency %", process ? FormatDecimal(process->efficiencyPercent, 0) : ""},
      {"Density", material && !custom ? FourDecimals(material->poundsPerCubicInch) : ""},
  };
  return arrangement;
}

}  // namespace brindle
