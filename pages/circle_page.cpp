// The circle and bolt-circle calculator: radius or diameter, and optionally a
// ring of equally spaced holes, give the chord between holes ("Cord"), the
// area, the perimeter and the total weight.

#include <string>
#include <variant>

#include "calc/circle_calculation.h"
#include "pages/page_layout.h"
#include "pages/pages.h"

namespace {

constexpr PageFrame kCircleFrame{.title = "Circle, Shapes and Bolt Circle",
                                 .width = 361,
                                 .height = 162,
                                 .enterGadget = kCalcButton};

constexpr ControlRow kCircleRows[] = {
    Label(50, {10, 10, 50, 20}, "Units"),
    Field(51, {70, 40, 80, 20}, "Radius of circle", "Radius"),
    UnitsDropDown(kCircleUnitsChoice, {70, 10, 80, 20}, "Units to use", "Units"),
    Label(53, {160, 40, 50, 20}, "Diameter"),
    Field(54, {220, 40, 80, 20}, "Diameter of circle", "Diameter"),
    Label(55, {10, 40, 50, 20}, "Radius"),
    Field(56, {70, 100, 80, 20}, "Holes in cicle (at radius)", "Holes"),
    Field(57, {70, 130, 80, 20}, "Angle between holes", "Angle"),
    ResultField(58, {220, 100, 80, 20}, "Distance between holes", "Cord"),
    Label(59, {10, 100, 50, 20}, "Holes"),
    Label(60, {10, 130, 50, 20}, "Angle"),
    Label(61, {160, 100, 50, 20}, "Cord"),
    ResultField(24, {70, 70, 80, 20}, "Area of Circle", "Area"),
    Field(62, {220, 10, 80, 20}, "Weight per area", "Weight Ea"),
    Label(63, {10, 70, 50, 20}, "Area"),
    Label(64, {160, 10, 50, 20}, "Weight Ea"),
    Label(65, {160, 70, 50, 20}, "Weight T"),
    ResultField(28, {220, 70, 80, 20}, "Total Weight (Each * Area)", "Weight T"),
    Button(kCalcButton, {310, 10, 40, 30}, "Calc", "Calculate Circles"),
    Button(kCloseButton, {310, 130, 40, 30}, "Close", "Close Program"),
    Label(66, {160, 130, 50, 20}, "Perimiter"),
    // Written by the calculation, yet open to typing.
    Field(67, {220, 130, 80, 20}, "Distance Around Circle or Holes", "Perimiter"),
    Button(kClearButton, {310, 50, 40, 30}, "Clear", "Clear all data to prepare for new data"),
    Button(kHelpButton, {310, 90, 40, 30}, "Help", "Show some usefull information"),
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
