// The bend calculator: the length of flat stock for up to four bends, from
// five straight runs, the bend radii and angles, the material thickness and a
// hard or soft material. With radii and angles left empty it adds fractions.

#include <cstddef>
#include <string>

#include "calc/bend_calculation.h"
#include "pages/page_layout.h"
#include "pages/pages.h"

namespace {

constexpr PageFrame kBenderFrame{
    .title = "Bend Calculator", .width = 499, .height = 187, .enterGadget = kCalcButton};

constexpr GadgetId kThickness = 72;
constexpr GadgetId kTotal = 28;

constexpr ControlRow kBenderRows[] = {
    Label(68, {10, 10, 50, 20}, "Material"),
    CheckBox(kHardBox, {70, 10, 50, 20}, "Hard", "Calculate for Hard Material"),
    CheckBox(kSoftBox, {130, 10, 40, 20}, "Soft", "Calculate for Soft Material"),
    UnitsDropDown(kUnitsChoice, {240, 10, 100, 20}, "Unit Format", "Units"),
    // The page always opens with soft material, whatever was chosen before.
    Check(kSoftBox),
    Label(71, {350, 10, 30, 20}, "Thick"),
    Field(kThickness, {390, 10, 40, 20}, "Thickness of material", "Thick"),
    Label(73, {10, 40, 50, 20}, "Distance1"),
    Field(17, {70, 40, 100, 20}, "Distance before first bend", "Distance1"),
    Field(18, {70, 70, 100, 20}, "Distance between bend 1 and 2", "Distance2"),
    Field(74, {70, 100, 100, 20}, "Distance between bend 2 and 3", "Distance3"),
    Field(75, {70, 130, 100, 20}, "Distance between bend 3 and 4", "Distance4"),
    Field(76, {70, 160, 100, 20}, "Distance after last bend", "Distance5"),
    Field(77, {240, 40, 100, 20}, "Radius of Bend 1", "Radius1"),
    Field(78, {240, 70, 100, 20}, "Radius of Bend 2", "Radius2"),
    Field(79, {240, 100, 100, 20}, "Radius of Bend 3", "Radius3"),
    Label(80, {10, 70, 50, 20}, "Distance2"),
    Label(81, {10, 100, 50, 20}, "Distance3"),
    Label(82, {10, 130, 50, 20}, "Distance4"),
    Label(83, {10, 160, 50, 20}, "Distance5"),
    Label(84, {180, 40, 50, 20}, "Radius1"),
    Label(85, {180, 70, 50, 20}, "Radius2"),
    Label(86, {180, 100, 50, 20}, "Radius3"),
    Label(87, {180, 130, 50, 20}, "Radius4"),
    Field(88, {240, 130, 100, 20}, "Radius of Bend 4", "Radius4"),
    Label(89, {180, 160, 50, 20}, "Total"),
    ResultField(kTotal, {240, 160, 100, 20}, "Total distance of material (estimated)", "Total"),
    Field(20, {390, 40, 40, 20}, "Angle of Bend 1", "Angle1"),
    Field(21, {390, 70, 40, 20}, "Angle of Bend 2", "Angle2"),
    Field(90, {390, 100, 40, 20}, "Angle of Bend 3", "Angle3"),
    Label(91, {350, 40, 40, 20}, "Angle1"),
    Label(92, {350, 70, 40, 20}, "Angle2"),
    Label(93, {350, 100, 40, 20}, "Angle3"),
    Label(94, {350, 130, 40, 20}, "Angle4"),
    Field(95, {390, 130, 40, 20}, "Angle of Bend 4", "Angle4"),
    Button(kCalcButton, {440, 10, 50, 30}, "Calc", "Calculate Material Length"),
    Button(kCloseButton, {440, 130, 50, 30}, "Close", "Close Program"),
    Label(101, {180, 10, 50, 20}, "Units"),
    Button(kClearButton, {440, 50, 50, 30}, "Clear", "Clear fields to prepare for new data"),
    Button(kHelpButton, {440, 90, 50, 30}, "Help", "Show some usefull information"),
};

// The straight runs, before the first bend to after the last.
constexpr GadgetId kDistances[] = {17, 18, 74, 75, 76};
// Each bend's radius and angle, bends 1 to 4.
constexpr GadgetId kRadii[] = {77, 78, 79, 88};
constexpr GadgetId kAngles[] = {20, 21, 90, 95};

}  // namespace

void BenderPage(const PagePlacement& at) {
  LayOutPage(kBenderFrame, kBenderRows, at);
}

void BendCalculator(UnitsMode unitsMode) {
  BendInput input;
  // Soft material is simply Hard not checked; the Soft box is not read.
  input.hard = SelectedItem(kHardBox) == 1;
  for (std::size_t i = 0; i < input.distances.size(); ++i)
    input.distances[i] = GetText(kDistances[i]);
  for (std::size_t i = 0; i < input.radii.size(); ++i)
    input.radii[i] = GetText(kRadii[i]);
  input.thickness = GetText(kThickness);
  for (std::size_t i = 0; i < input.angles.size(); ++i)
    input.angles[i] = GetText(kAngles[i]);
  input.unitsMode = unitsMode;

  SetText(kTotal, CalculateBend(input));
}
