// The rectangle and square calculator ("Box"): width and height give the
// diagonal, its angle to the width side, the area, the perimeter and the total
// weight. The width and height fields are never rewritten.

#include <optional>
#include <string>

#include "calc/square_calculation.h"
#include "pages/page_layout.h"
#include "pages/pages.h"

namespace {

constexpr PageFrame kSquareFrame{
    .title = "Rectangle and Squares", .width = 369, .height = 158, .enterGadget = kCalcButton};

// Ids 18 and 21 are free here, and the page has no Clear button.
constexpr ControlRow kSquareRows[] = {
    Label(10, {10, 10, 30, 20}, "Width"),
    Label(11, {160, 10, 40, 20}, "Height"),
    Field(12, {60, 10, 90, 20}, "Width", "Width"),
    Field(13, {210, 10, 90, 20}, "Height", "Height"),
    Label(14, {10, 40, 40, 20}, "Format"),
    UnitsDropDown(kUnitsChoice, {60, 40, 90, 20}, "Units", "Format"),
    Label(16, {10, 70, 50, 20}, "Diagonal"),
    ResultField(17, {60, 70, 90, 20}, "Diagonal Length 1", "Diagonal"),
    Label(19, {160, 70, 40, 20}, "Angle"),
    ResultField(20, {210, 70, 90, 20}, "Diagonal Angle 1", "Angle"),
    Button(kCalcButton, {310, 10, 50, 30}, "Calculate", "Recalculate Squares"),
    Button(kCloseButton, {310, 90, 50, 30}, "Close", "Exit Program"),
    Label(23, {160, 40, 40, 20}, "Area"),
    ResultField(24, {210, 40, 90, 20}, "Area of Square", "Area"),
    Label(25, {160, 100, 70, 20}, "Weight Each"),
    Field(26, {230, 100, 70, 20}, "Weight per area", "Weight Each"),
    Label(27, {160, 130, 40, 20}, "Total"),
    ResultField(28, {210, 130, 90, 20}, "Total Weight", "Total"),
    Button(kHelpButton, {310, 50, 50, 30}, "Help", "Show some usefull information"),
    Label(103, {10, 100, 50, 20}, "Perimeter"),
    ResultField(67, {60, 100, 90, 20}, "Perimeter is the sum of all sides", "Perimeter"),
};

// In the order they are written.
constexpr FieldText<SquareOutput> kSquareWrites[] = {
    {17, &SquareOutput::diagonal}, {20, &SquareOutput::angle},     {24, &SquareOutput::area},
    {28, &SquareOutput::total},    {67, &SquareOutput::perimeter},
};

constexpr GadgetId kWeightEach = 26;
constexpr GadgetId kWidth = 12;
constexpr GadgetId kHeight = 13;

}  // namespace

void SquarePage(const PagePlacement& at) {
  LayOutPage(kSquareFrame, kSquareRows, at);
}

void SquareCalculator() {
  SquareInput input;
  input.weightEach = GetText(kWeightEach);
  input.unitsMode = UnitsModeOf(SelectedItem(kUnitsChoice));
  input.width = GetText(kWidth);
  input.height = GetText(kHeight);

  // Nothing to show for a rectangle without sides, and no message either.
  const std::optional<SquareOutput> output = CalculateSquare(input);
  if (!output) return;
  WriteFields<SquareOutput>(kSquareWrites, *output);
}
