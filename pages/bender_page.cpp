// The bend calculator: the length of flat stock for up to four bends, from
// five straight runs, the bend radii and angles, the material thickness and a
// hard or soft material. With radii and angles left empty it adds fractions.

#include "calc/bender_calculation.h"
#include "pages/calculator_registry.h"

namespace brindle {

namespace {

constexpr PageFrame kBenderFrame{
    .title = "Bend Calculator", .width = 499, .height = 400, .enterGadget = kCalcButton};

constexpr GadgetId kThickness = 72;
constexpr GadgetId kTotal = 28;
constexpr GadgetId kDrawing = 181;

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
    // Below the fields, across the page.
    Drawing(kDrawing, {10, 190, 480, 200}, Diagram::kBender,
            "A channel bent twice: Distance1, Distance2 and Distance3 are the straight "
            "distances along the inside edge, up to where each bend starts. Radius1 and Radius2 "
            "are the inside radius of each bend, Angle1 and Angle2 the angle each bend turns "
            "through. Thick is the thickness of the material."),
};

// Bend calculator: the figure of a strip bent four times, what each field
// means, and its use as an adder of fractions.
constexpr std::string_view kBenderHelp =
    "Material Bender\r\n"
    "\r\n"
    "Use this to help estimate the material required for a series of bends.\r\n"
    "The strip below is bent four times:\r\n"
    "\r\n"
    "  \\  D1\r\n"
    "   \\\r\n"
    "    O            O\r\n"
    "    |            |\\\r\n"
    " D2 |         D4 | \\  D5\r\n"
    "    |            |  \\\r\n"
    "    O------------O\r\n"
    "          D3\r\n"
    "\r\n"
    "Distance 1 to 5 are the straight distances, measured along the inside\r\n"
    "edge of the material, up to the point where each bend starts.\r\n"
    "\r\n"
    "Radius 1 to 4 are the radius of each bend. As a rule the radius\r\n"
    "should not be less than the thickness of the material.\r\n"
    "\r\n"
    "Angle 1 to 4 are the angles of the bends. In the figure above the\r\n"
    "bends are at about 135, 90, 90 and 45 degrees.\r\n"
    "\r\n"
    "Angles may be typed as 45, 22 1/2 or 22 30 (degrees and\r\n"
    "minutes). Distances may be fractions or decimals, with feet\r\n"
    "and inch marks (1'6\") or in mm, in either Units; the Units\r\n"
    "drop-down chooses how the Total is shown. A field that holds\r\n"
    "more than that, such as 3,5, is not read: a message says so.\r\n"
    "\r\n"
    "The Material selector adjusts the bend allowance for harder\r\n"
    "material: each bend adds half the thickness for Hard material,\r\n"
    "and a third of it for Soft material.\r\n"
    "\r\n"
    "Thick is the thickness of the material. Total is the estimated\r\n"
    "length of flat stock to cut before bending.\r\n"
    "\r\n"
    "TIP: If you leave the radius and angles at 0 you can use\r\n"
    "this calculator to add and subtract fractions";

constexpr std::string_view kBenderInputs[] = {"Hard",      "Units",     "Thick",     "Distance1",
                                              "Distance2", "Distance3", "Distance4", "Distance5",
                                              "Radius1",   "Radius2",   "Radius3",   "Radius4",
                                              "Angle1",    "Angle2",    "Angle3",    "Angle4"};
constexpr std::string_view kBenderOutputs[] = {"Total"};

}  // namespace

extern const Calculator kBenderCalculator{
    .id = 2,
    .menuText = "Bender",
    .group = MenuGroup::kTop,
    .helpTitle = "Bender",
    .helpText = kBenderHelp,
    .frame = kBenderFrame,
    .rows = kBenderRows,
    .inputs = kBenderInputs,
    .outputs = kBenderOutputs,
    .calculate = CalculateBender,
};

}  // namespace brindle
