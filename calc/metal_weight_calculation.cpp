#include "calc/metal_weight_calculation.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <numbers>

#include "calc/material_fields.h"
#include "calc/material_tables.h"
#include "calc/range_algorithms.h"

namespace brindle {

namespace {

enum class Shape {
  kPlate,
  kRoundBar,
  kSquareBar,
  kHexBar,
  kRoundTube,
  kSquareTube,
  kRectangularTube,
  kPipe,
  kAngle,
  kSheet
};

constexpr std::string_view kDimensions[] = {
    "Width",        "Height", "Thickness", "Wall",         "Diameter", "Outside Diameter",
    "Across Flats", "Leg A",  "Leg B",     "Nominal Size", "Schedule", "Gauge"};

// The dimensions each shape reads, in the order of kShapeNames.
constexpr std::string_view kPlateFields[] = {"Width", "Thickness"};
constexpr std::string_view kRoundBarFields[] = {"Diameter"};
constexpr std::string_view kSquareBarFields[] = {"Width"};
constexpr std::string_view kHexBarFields[] = {"Across Flats"};
constexpr std::string_view kRoundTubeFields[] = {"Outside Diameter", "Wall"};
constexpr std::string_view kSquareTubeFields[] = {"Width", "Wall"};
constexpr std::string_view kRectangularTubeFields[] = {"Width", "Height", "Wall"};
constexpr std::string_view kPipeFields[] = {"Nominal Size", "Schedule"};
constexpr std::string_view kAngleFields[] = {"Leg A", "Leg B", "Thickness"};
constexpr std::string_view kSheetFields[] = {"Gauge", "Width"};
constexpr std::span<const std::string_view> kShapeFields[] = {
    kPlateFields,      kRoundBarFields,        kSquareBarFields, kHexBarFields, kRoundTubeFields,
    kSquareTubeFields, kRectangularTubeFields, kPipeFields,      kAngleFields,  kSheetFields};

constexpr double kKilogramsPerPound = 0.45359237;
constexpr std::string_view kTitle = "Metal Weight Error";

std::optional<Shape> ShapeNamed(std::string_view name) {
  const auto found = ranges::find(kShapeNames, name);
  if (found == std::end(kShapeNames)) return std::nullopt;
  return static_cast<Shape>(found - std::begin(kShapeNames));
}

// A hollow section's wall may be at most half its width: then it is solid.
void CheckWall(MaterialFields& in, double wall, double across, std::string_view across_name) {
  if (!in.Failed() && wall > across / 2.0)
    in.Fail("Wall must be no more than half the " + std::string(across_name));
}

std::optional<PipeSize> Pipe(MaterialFields& in) {
  const std::string_view size = in.Text("Nominal Size"), schedule = in.Text("Schedule");
  if (size.empty()) in.Fail("Nominal Size required");
  if (schedule.empty()) in.Fail("Schedule required");
  if (in.Failed()) return std::nullopt;
  const std::optional<PipeSize> pipe = FindPipe(size, schedule);
  if (!pipe) in.Fail("NPS " + std::string(size) + " pipe has no schedule " + std::string(schedule));
  return pipe;
}

// The area of the section in square inches; tubes and angles with sharp corners.
double SectionArea(Shape shape, MaterialFields& in) {
  constexpr double pi = std::numbers::pi;
  switch (shape) {
    case Shape::kPlate: {
      const double w = in.Length("Width"), t = in.Length("Thickness");
      return w * t;
    }
    case Shape::kRoundBar: {
      const double d = in.Length("Diameter");
      return pi * d * d / 4.0;
    }
    case Shape::kSquareBar: {
      const double w = in.Length("Width");
      return w * w;
    }
    case Shape::kHexBar: {
      // Six equilateral triangles of height half the distance across flats.
      const double f = in.Length("Across Flats");
      return std::numbers::sqrt3 / 2.0 * f * f;
    }
    case Shape::kRoundTube: {
      const double d = in.Length("Outside Diameter"), t = in.Length("Wall");
      CheckWall(in, t, d, "Outside Diameter");
      return pi * t * (d - t);
    }
    case Shape::kSquareTube: {
      const double w = in.Length("Width"), t = in.Length("Wall");
      CheckWall(in, t, w, "Width");
      return w * w - (w - 2.0 * t) * (w - 2.0 * t);
    }
    case Shape::kRectangularTube: {
      const double w = in.Length("Width"), h = in.Length("Height"), t = in.Length("Wall");
      CheckWall(in, t, std::min(w, h), w <= h ? "Width" : "Height");
      return w * h - (w - 2.0 * t) * (h - 2.0 * t);
    }
    case Shape::kPipe: {
      const std::optional<PipeSize> pipe = Pipe(in);
      return pipe ? pi * pipe->wall * (pipe->outsideDiameter - pipe->wall) : 0.0;
    }
    case Shape::kAngle: {
      const double a = in.Length("Leg A"), b = in.Length("Leg B"), t = in.Length("Thickness");
      if (!in.Failed() && t > std::min(a, b))
        in.Fail("Thickness must be no more than Leg A and Leg B");
      return t * (a + b - t);
    }
    case Shape::kSheet: {
      const std::string_view text = in.Text("Gauge");
      int gauge = 0;
      std::from_chars(text.data(), text.data() + text.size(), gauge);
      const std::optional<double> thickness = GaugeThickness(gauge, in.Text("Material"));
      if (!thickness) in.Fail("Gauge required");
      return in.Length("Width") * thickness.value_or(0.0);
    }
  }
  return 0.0;
}

}  // namespace

std::span<const std::string_view> MetalDimensions() {
  return kDimensions;
}

std::span<const std::string_view> MetalWeightDimensions(std::string_view shape) {
  const std::optional<Shape> s = ShapeNamed(shape);
  return s ? kShapeFields[static_cast<int>(*s)] : std::span<const std::string_view>{};
}

CalcResult CalculateMetalWeight(const FieldTexts& fields) {
  MaterialFields in(fields, std::string(kTitle));
  const std::optional<Shape> shape = ShapeNamed(in.Text("Shape"));
  if (!shape) in.Fail("Shape required");
  const double density = in.Density();
  const double area = shape ? SectionArea(*shape, in) : 0.0;
  const double length = in.Length("Length");
  const double quantity = in.Count("Quantity");
  const std::optional<double> price = in.Price("Price per Pound");
  if (in.Failed()) return in.Message();

  const double each = area * length * density;
  const double total = each * quantity;
  return CalcResult::Written({
      {"Density", FourDecimals(density)},
      {"Cross Section", FourDecimals(area)},
      {"Weight per Foot", FourDecimals(area * 12.0 * density)},
      {"Weight Each", FourDecimals(each)},
      {"Total Weight", FourDecimals(total)},
      {"Total Kilograms", FourDecimals(total * kKilogramsPerPound)},
      {"Total Cost", price ? FourDecimals(total * *price) : ""},
  });
}

CalcResult ArrangeMetalWeight(const FieldTexts& fields) {
  CalcResult arrangement;
  const std::span<const std::string_view> used = MetalWeightDimensions(TextOf(fields, "Shape"));
  for (std::string_view caption : kDimensions) {
    if (ranges::find(used, caption) == used.end()) arrangement.disabled.emplace_back(caption);
  }
  const Material* material = FindMaterial(TextOf(fields, "Material"));
  const bool custom = material != nullptr && material->name == kCustomMaterial;
  if (!custom) arrangement.disabled.emplace_back("Custom Density");
  const std::optional<PipeSize> pipe =
      FindPipe(TextOf(fields, "Nominal Size"), TextOf(fields, "Schedule"));
  const bool isPipe = TextOf(fields, "Shape") == "Pipe" && pipe;
  arrangement.writes = {
      {"Density", material && !custom ? FourDecimals(material->poundsPerCubicInch) : ""},
      {"Pipe OD", isPipe ? FourDecimals(pipe->outsideDiameter) : ""},
      {"Pipe Wall", isPipe ? FourDecimals(pipe->wall) : ""},
  };
  return arrangement;
}

}  // namespace brindle
