#pragma once
// The weight of stock: a plate, bar, tube, pipe, angle or sheet of a material,
// by the foot, each and in total, with its cost.
//
// Reads "Units", "Shape" and the dimensions that shape needs (see
// MetalWeightDimensions), "Material" (and "Custom Density" for "Custom"),
// "Length", "Quantity" and "Price per Pound". Writes "Density" (pounds per
// cubic inch, a custom density's too), "Cross Section", "Weight per Foot", "Weight Each", "Total
// Weight", "Total Kilograms" and "Total Cost" (empty without a price); or a message box when a
// dimension is missing, negative or impossible.

#include <span>
#include <string_view>

#include "calc/calc_result.h"

namespace brindle {

// The shapes, as the Shape drop-down lists them.
inline constexpr std::string_view kShapeNames[] = {
    "Plate / Flat Bar", "Round Bar",        "Square Bar", "Hex Bar", "Round Tube",
    "Square Tube",      "Rectangular Tube", "Pipe",       "Angle",   "Sheet (Gauge)"};
// Every dimension field of the page, and those that `shape` reads.
std::span<const std::string_view> MetalDimensions();
std::span<const std::string_view> MetalWeightDimensions(std::string_view shape);

CalcResult CalculateMetalWeight(const FieldTexts& fields);

// What the page shows as its shape or material changes, before Calc: the
// density of the material and a pipe's outside diameter and wall as writes,
// and the fields that do not apply to the shape and material chosen as
// disabled.
CalcResult ArrangeMetalWeight(const FieldTexts& fields);

}  // namespace brindle
