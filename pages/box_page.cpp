// The rectangle and square calculator ("Box"): width and height give the
// diagonal, its angle to the width side, the area, the perimeter and the total
// weight. The width and height fields are never rewritten.

#include "calc/box_calculation.h"
#include "pages/calculator_registry.h"

namespace brindle {

namespace {

constexpr PageFrame kBoxFrame{
    .title = "Rectangle and Squares", .width = 369, .height = 158, .enterGadget = kCalcButton};

// Ids 18 and 21 are free here, and the page has no Clear button.
constexpr ControlRow kBoxRows[] = {
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

// Rectangle and square: the sums behind each result.
constexpr std::string_view kBoxHelp =
    "Square Calculator\r\n"
    "\r\n"
    "Use this for calculating all information needed for a square.\r\n"
    "\r\n"
    "REQUIRED: Width and Height\r\n"
    "If the Width and Height are not equal it is a rectangle, which\r\n"
    "is treated here like a square; all the same sums apply.\r\n"
    "\r\n"
    "Area = Width * Height\r\n"
    "Diagonal = square root of (width*width + height*height)\r\n"
    "SIN(angle) = Height / Diagonal\r\n"
    "Perimeter = Width*2 + Height*2\r\n"
    "Total Weight = Weight Each * Area\r\n"
    "\r\n"
    "Width and Height may be typed with feet and inch marks\r\n"
    "(1'6\" is 18) or in mm. A field that holds more than a\r\n"
    "number, such as 3,5 or 3x, is not read: a message says so.\r\n"
    "\r\n"
    "The \"Weight Each\" value is assumed to be a decimal value.";

constexpr std::string_view kBoxInputs[] = {"Width", "Height", "Format", "Weight Each"};
constexpr std::string_view kBoxOutputs[] = {"Diagonal", "Angle", "Area", "Total", "Perimeter"};

}  // namespace

extern const Calculator kBoxCalculator{
    .id = 3,
    .menuText = "Box",
    .group = MenuGroup::kTop,
    .helpTitle = "Squares",
    .helpText = kBoxHelp,
    .frame = kBoxFrame,
    .rows = kBoxRows,
    .inputs = kBoxInputs,
    .outputs = kBoxOutputs,
    .calculate = CalculateBox,
};

}  // namespace brindle
