// The bend calculator: the length of flat stock for up to four bends, from
// five straight runs, the bend radii and angles, the material thickness and a
// hard or soft material. With radii and angles left empty it adds fractions.

#include <cstddef>
#include <string>

#include "calc/bend_calculation.h"
#include "pages/page_layout.h"
#include "pages/pages.h"

namespace {

using enum Step;

constexpr PageFrame kBenderFrame{"Bend Calculator", 499, 187, kCalcButton};

constexpr GadgetId kThickness = 72;
constexpr GadgetId kTotal = 28;

// kind, id, x, y, w, h, text, tool tip, flags, name, entries, selected
constexpr ControlRow kBenderRows[] = {
    {kLabel, 68, 10, 10, 50, 20, "Material"},
    {kCheckBox, kHardBox, 70, 10, 50, 20, "Hard", "Calculate for Hard Material"},
    {kCheckBox, kSoftBox, 130, 10, 40, 20, "Soft", "Calculate for Soft Material"},
    {kComboBox, kUnitsChoice, 240, 10, 100, 20, "", "Unit Format", 0, "Units", Entries::kUnits,
     kSelectUnitsMode},
    // The page always opens with soft material, whatever was chosen before.
    {kCheck, kSoftBox},
    {kLabel, 71, 350, 10, 30, 20, "Thick"},
    {kEditField, kThickness, 390, 10, 40, 20, "", "Thickness of material", 0, "Thick"},
    {kLabel, 73, 10, 40, 50, 20, "Distance1"},
    {kEditField, 17, 70, 40, 100, 20, "", "Distance before first bend", 0, "Distance1"},
    {kEditField, 18, 70, 70, 100, 20, "", "Distance between bend 1 and 2", 0, "Distance2"},
    {kEditField, 74, 70, 100, 100, 20, "", "Distance between bend 2 and 3", 0, "Distance3"},
    {kEditField, 75, 70, 130, 100, 20, "", "Distance between bend 3 and 4", 0, "Distance4"},
    {kEditField, 76, 70, 160, 100, 20, "", "Distance after last bend", 0, "Distance5"},
    {kEditField, 77, 240, 40, 100, 20, "", "Radius of Bend 1", 0, "Radius1"},
    {kEditField, 78, 240, 70, 100, 20, "", "Radius of Bend 2", 0, "Radius2"},
    {kEditField, 79, 240, 100, 100, 20, "", "Radius of Bend 3", 0, "Radius3"},
    {kLabel, 80, 10, 70, 50, 20, "Distance2"},
    {kLabel, 81, 10, 100, 50, 20, "Distance3"},
    {kLabel, 82, 10, 130, 50, 20, "Distance4"},
    {kLabel, 83, 10, 160, 50, 20, "Distance5"},
    {kLabel, 84, 180, 40, 50, 20, "Radius1"},
    {kLabel, 85, 180, 70, 50, 20, "Radius2"},
    {kLabel, 86, 180, 100, 50, 20, "Radius3"},
    {kLabel, 87, 180, 130, 50, 20, "Radius4"},
    {kEditField, 88, 240, 130, 100, 20, "", "Radius of Bend 4", 0, "Radius4"},
    {kLabel, 89, 180, 160, 50, 20, "Total"},
    {kEditField, kTotal, 240, 160, 100, 20, "", "Total distance of material (estimated)", kReadOnly,
     "Total"},
    {kEditField, 20, 390, 40, 40, 20, "", "Angle of Bend 1", 0, "Angle1"},
    {kEditField, 21, 390, 70, 40, 20, "", "Angle of Bend 2", 0, "Angle2"},
    {kEditField, 90, 390, 100, 40, 20, "", "Angle of Bend 3", 0, "Angle3"},
    {kLabel, 91, 350, 40, 40, 20, "Angle1"},
    {kLabel, 92, 350, 70, 40, 20, "Angle2"},
    {kLabel, 93, 350, 100, 40, 20, "Angle3"},
    {kLabel, 94, 350, 130, 40, 20, "Angle4"},
    {kEditField, 95, 390, 130, 40, 20, "", "Angle of Bend 4", 0, "Angle4"},
    {kButton, kCalcButton, 440, 10, 50, 30, "Calc", "Calculate Material Length"},
    {kButton, kCloseButton, 440, 130, 50, 30, "Close", "Close Program"},
    {kLabel, 101, 180, 10, 50, 20, "Units"},
    {kButton, kClearButton, 440, 50, 50, 30, "Clear", "Clear fields to prepare for new data"},
    {kButton, kHelpButton, 440, 90, 50, 30, "Help", "Show some usefull information"},
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
