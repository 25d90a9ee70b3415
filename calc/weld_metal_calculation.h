#pragma once
// The weld metal a joint takes and the filler to buy for it.
//
// Reads "Units", "Joint" and the sizes that joint needs (see
// WeldJointDimensions), "Reinforcement" (0 when empty), "Weld Length",
// "Number of Welds" (1 when empty), "Process", "Efficiency %" (the process's
// own when empty), "Material" (and "Custom Density") and "Filler Price per
// Pound". Writes "Density", "Cross Section", "Weld Volume", "Weld Metal",
// "Filler to Buy", "Weight per Foot" and "Filler Cost" (empty without a
// price); or a message box when a size is missing, negative or impossible.

#include <span>
#include <string_view>

#include "calc/calc_result.h"

namespace brindle {

// The joints, as the Joint drop-down lists them.
inline constexpr std::string_view kJointNames[] = {
    "Fillet", "Single-V Groove", "Single-Bevel Groove", "Double-V Groove", "Square Groove"};
// The joint sizes of the page, and those that `joint` reads.
std::span<const std::string_view> WeldDimensions();
std::span<const std::string_view> WeldJointDimensions(std::string_view joint);

CalcResult CalculateWeldMetal(const FieldTexts& fields);

// What the page shows as its joint, process or material changes: the
// process's efficiency and the material's density, and the sizes that the
// joint does not use.
CalcResult ArrangeWeldMetal(const FieldTexts& fields);

}  // namespace brindle
