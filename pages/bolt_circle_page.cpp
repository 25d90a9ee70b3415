// The circle and bolt-circle calculator: radius or diameter, and optionally a
// ring of equally spaced holes, give the chord between holes ("Cord"), the
// area, the perimeter and the total weight.

#include "calc/bolt_circle_calculation.h"
#include "pages/calculator_registry.h"

namespace brindle {

namespace {

constexpr PageFrame kBoltCircleFrame{.title = "Circle, Shapes and Bolt Circle",
                                     .width = 361,
                                     .height = 162,
                                     .enterGadget = kCalcButton};

constexpr ControlRow kBoltCircleRows[] = {
    Label(50, {10, 10, 50, 20}, "Units"),
    Field(51, {70, 40, 80, 20}, "Radius of circle", "Radius"),
    UnitsDropDown(kBoltCircleUnitsChoice, {70, 10, 88, 20}, "Units to use", "Units"),
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

// Circle and bolt circle: the plain circle from radius or diameter, then the
// ring of equally spaced holes and the total weight.
constexpr std::string_view kBoltCircleHelp =
    "Circle Calculator\r\n"
    "\r\n"
    "Use this to perform routine calculations on circles.\r\n"
    "\r\n"
    "Required Information : Radius or Diameter.\r\n"
    "Diameter = Radius * 2\r\n"
    "If both show a value, I use the one you changed since\r\n"
    "the last Calc.\r\n"
    "Radius and Diameter may be typed with feet and inch marks\r\n"
    "(2' is 24) or in mm, the Angle as 22 1/2 or 22 30 (degrees\r\n"
    "and minutes). Holes is a whole number. A field that holds\r\n"
    "more, such as 3,5 or 6.5 holes, is not read: a message\r\n"
    "says which.\r\n"
    "\r\n"
    "From this, I will calculate \r\n"
    "Area = PI * R * R\r\n"
    "Perimeter ( Circumfrence ) = PI * D\r\n"
    "\r\n"
    "Add the Holes (sides) or an Angle and\r\n"
    "I will calculate the bolt locations:\r\n"
    "\r\n"
    "Angle = 360 / Holes or sides\r\n"
    "Holes and Angle work the same way: the one you changed wins.\r\n"
    "Cord = Distance between bolts of length of a side\r\n"
    "Perimeter = Holes * Cord\r\n"
    "Area = The area bounded by the sides. Not the same as a circle area\r\n"
    "\r\n"
    "Weight Ea is weight per area.\r\n"
    "Weight Total = Area * Weight Each ";

constexpr std::string_view kBoltCircleInputs[] = {"Radius", "Units", "Diameter",
                                                  "Holes",  "Angle", "Weight Ea"};
constexpr std::string_view kBoltCircleOutputs[] = {"Radius", "Diameter", "Holes",    "Angle",
                                                   "Cord",   "Area",     "Weight T", "Perimiter"};

}  // namespace

constexpr CaptionPair kBoltCirclePairs[] = {{"Radius", "Diameter"}, {"Holes", "Angle"}};

extern const Calculator kBoltCircleCalculator{
    .id = 1,
    .menuText = "Bolt Circle",
    .group = MenuGroup::kTop,
    .helpTitle = "Circles",
    .helpText = kBoltCircleHelp,
    .frame = kBoltCircleFrame,
    .rows = kBoltCircleRows,
    .inputs = kBoltCircleInputs,
    .outputs = kBoltCircleOutputs,
    .calculate = CalculateBoltCircle,
    .pairs = kBoltCirclePairs,
};

}  // namespace brindle
