// The circle and bolt-circle calculator: radius or diameter, and optionally a
// ring of equally spaced holes, give the chord between holes ("Cord"), the
// area, the perimeter and the total weight.

#include <string>
#include <variant>

#include "calc/circle_calculation.h"
#include "pages/page_layout.h"
#include "pages/pages.h"

namespace {

using enum Step;

constexpr PageFrame kCircleFrame{"Circle, Shapes and Bolt Circle", 361, 162, kCalcButton};

// kind, id, x, y, w, h, text, tool tip, flags, name, entries, selected
constexpr ControlRow kCircleRows[] = {
    {kLabel, 50, 10, 10, 50, 20, "Units"},
    {kEditField, 51, 70, 40, 80, 20, "", "Radius of circle", 0, "Radius"},
    {kComboBox, kCircleUnitsChoice, 70, 10, 80, 20, "", "Units to use", 0, "Units", Entries::kUnits,
     kSelectUnitsMode},
    {kLabel, 53, 160, 40, 50, 20, "Diameter"},
    {kEditField, 54, 220, 40, 80, 20, "", "Diameter of circle", 0, "Diameter"},
    {kLabel, 55, 10, 40, 50, 20, "Radius"},
    {kEditField, 56, 70, 100, 80, 20, "", "Holes in cicle (at radius)", 0, "Holes"},
    {kEditField, 57, 70, 130, 80, 20, "", "Angle between holes", 0, "Angle"},
    {kEditField, 58, 220, 100, 80, 20, "", "Distance between holes", kReadOnly, "Cord"},
    {kLabel, 59, 10, 100, 50, 20, "Holes"},
    {kLabel, 60, 10, 130, 50, 20, "Angle"},
    {kLabel, 61, 160, 100, 50, 20, "Cord"},
    {kEditField, 24, 70, 70, 80, 20, "", "Area of Circle", kReadOnly, "Area"},
    {kEditField, 62, 220, 10, 80, 20, "", "Weight per area", 0, "Weight Ea"},
    {kLabel, 63, 10, 70, 50, 20, "Area"},
    {kLabel, 64, 160, 10, 50, 20, "Weight Ea"},
    {kLabel, 65, 160, 70, 50, 20, "Weight T"},
    {kEditField, 28, 220, 70, 80, 20, "", "Total Weight (Each * Area)", kReadOnly, "Weight T"},
    {kButton, kCalcButton, 310, 10, 40, 30, "Calc", "Calculate Circles"},
    {kButton, kCloseButton, 310, 130, 40, 30, "Close", "Close Program"},
    {kLabel, 66, 160, 130, 50, 20, "Perimiter"},
    // Written by the calculation, yet open to typing.
    {kEditField, 67, 220, 130, 80, 20, "", "Distance Around Circle or Holes", 0, "Perimiter"},
    {kButton, kClearButton, 310, 50, 40, 30, "Clear", "Clear all data to prepare for new data"},
    {kButton, kHelpButton, 310, 90, 40, 30, "Help", "Show some usefull information"},
};

constexpr FieldText<CircleInput> kCircleReads[] = {
    {62, &CircleInput::weightEach}, {54, &CircleInput::diameter}, {51, &CircleInput::radius},
    {56, &CircleInput::holes},      {57, &CircleInput::angle},
};

// In the order they are written.
constexpr FieldText<CircleOutput> kCircleWrites[] = {
    {56, &CircleOutput::holes},       {57, &CircleOutput::angle},     {58, &CircleOutput::cord},
    {28, &CircleOutput::weightTotal}, {54, &CircleOutput::diameter},  {51, &CircleOutput::radius},
    {24, &CircleOutput::area},        {67, &CircleOutput::perimeter},
};

}  // namespace

void CirclePage(const PagePlacement& at) {
  LayOutPage(kCircleFrame, kCircleRows, at);
}

void CircleCalculator() {
  CircleInput input;
  ReadFields<CircleInput>(kCircleReads, input);
  input.unitsMode = UnitsModeOf(SelectedItem(kCircleUnitsChoice));

  const auto result = CalculateCircle(input);
  if (const auto* message = std::get_if<CalcMessage>(&result)) {
    ShowMessage(message->title, message->text);
    return;
  }
  const auto& output = std::get<CircleOutput>(result);
  WriteFields<CircleOutput>(kCircleWrites, output);
}
