// The rectangle and square calculator ("Box"): width and height give the
// diagonal, its angle to the width side, the area, the perimeter and the total
// weight. The width and height fields are never rewritten.

#include <optional>
#include <string>

#include "calc/square_calculation.h"
#include "pages/page_layout.h"
#include "pages/pages.h"

namespace {

using enum Step;

constexpr PageFrame kSquareFrame{"Rectangle and Squares", 369, 158, kCalcButton};

// kind, id, x, y, w, h, text, tool tip, flags, name, entries, selected.
// Ids 18 and 21 are free here, and the page has no Clear button.
constexpr ControlRow kSquareRows[] = {
    {kLabel, 10, 10, 10, 30, 20, "Width"},
    {kLabel, 11, 160, 10, 40, 20, "Height"},
    {kEditField, 12, 60, 10, 90, 20, "", "Width", 0, "Width"},
    {kEditField, 13, 210, 10, 90, 20, "", "Height", 0, "Height"},
    {kLabel, 14, 10, 40, 40, 20, "Format"},
    {kComboBox, kUnitsChoice, 60, 40, 90, 20, "", "Units", 0, "Format", Entries::kUnits,
     kSelectUnitsMode},
    {kLabel, 16, 10, 70, 50, 20, "Diagonal"},
    {kEditField, 17, 60, 70, 90, 20, "", "Diagonal Length 1", kReadOnly, "Diagonal"},
    {kLabel, 19, 160, 70, 40, 20, "Angle"},
    {kEditField, 20, 210, 70, 90, 20, "", "Diagonal Angle 1", kReadOnly, "Angle"},
    {kButton, kCalcButton, 310, 10, 50, 30, "Calculate", "Recalculate Squares"},
    {kButton, kCloseButton, 310, 90, 50, 30, "Close", "Exit Program"},
    {kLabel, 23, 160, 40, 40, 20, "Area"},
    {kEditField, 24, 210, 40, 90, 20, "", "Area of Square", kReadOnly, "Area"},
    {kLabel, 25, 160, 100, 70, 20, "Weight Each"},
    {kEditField, 26, 230, 100, 70, 20, "", "Weight per area", 0, "Weight Each"},
    {kLabel, 27, 160, 130, 40, 20, "Total"},
    {kEditField, 28, 210, 130, 90, 20, "", "Total Weight", kReadOnly, "Total"},
    {kButton, kHelpButton, 310, 50, 50, 30, "Help", "Show some usefull information"},
    {kLabel, 103, 10, 100, 50, 20, "Perimeter"},
    {kEditField, 67, 60, 100, 90, 20, "", "Perimeter is the sum of all sides", kReadOnly,
     "Perimeter"},
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
