// The weld metal a joint takes, fillet or groove, and the filler to buy for
// it by the process's deposition efficiency, with its cost.

#include "calc/material_tables.h"
#include "calc/weld_metal_calculation.h"
#include "pages/calculator_registry.h"

namespace brindle {

namespace {

// An edit field that opens with `text` in it.
constexpr ControlRow Showing(ControlRow row, std::string_view text) {
  row.text = text;
  return row;
}

constexpr PageFrame kWeldMetalFrame{
    .title = "Weld Metal", .width = 630, .height = 348, .enterGadget = kCalcButton};

constexpr ControlRow kWeldMetalRows[] = {
    Label(120, {10, 10, 125, 20}, "Joint"),
    DropDownListing(10, {140, 10, 130, 20}, "The kind of weld", "Joint", kJointNames, 0),
    Label(121, {280, 10, 125, 20}, "Units"),
    UnitsDropDown(kUnitsChoice, {410, 10, 130, 20}, "Fractions or decimals", "Units"),
    Label(122, {10, 38, 125, 20}, "Leg 1"),
    Field(11, {140, 38, 130, 20}, "First leg of the fillet", "Leg 1"),
    Label(123, {280, 38, 125, 20}, "Leg 2"),
    Field(12, {410, 38, 130, 20}, "Second leg; empty for equal legs", "Leg 2"),
    Label(124, {10, 66, 125, 20}, "Thickness"),
    Field(13, {140, 66, 130, 20}, "Thickness of the plate at the groove", "Thickness"),
    Label(125, {280, 66, 125, 20}, "Groove Angle"),
    Field(14, {410, 66, 130, 20}, "Included angle of a V, or the bevel angle, in degrees",
          "Groove Angle"),
    Label(126, {10, 94, 125, 20}, "Root Opening"),
    Field(16, {140, 94, 130, 20}, "Gap between the plates at the root", "Root Opening"),
    Label(127, {280, 94, 125, 20}, "Root Face"),
    Field(17, {410, 94, 130, 20}, "Land left unbevelled at the root", "Root Face"),
    Label(128, {10, 122, 125, 20}, "Reinforcement"),
    Field(18, {140, 122, 130, 20}, "Height of the cap or of the convexity; 0 when empty",
          "Reinforcement"),
    Label(129, {280, 122, 125, 20}, "Weld Length"),
    Field(19, {410, 122, 130, 20}, "Length of each weld", "Weld Length"),
    Label(130, {10, 150, 125, 20}, "Number of Welds"),
    Showing(Field(20, {140, 150, 130, 20}, "How many such welds", "Number of Welds"), "1"),
    Label(131, {10, 178, 125, 20}, "Process"),
    DropDownListing(21, {140, 178, 130, 20}, "The welding process", "Process", kProcessNames, 1),
    Label(132, {280, 178, 125, 20}, "Efficiency %"),
    Field(23, {410, 178, 130, 20}, "Share of the filler that becomes weld metal", "Efficiency %"),
    Label(133, {10, 206, 125, 20}, "Material"),
    DropDownListing(24, {140, 206, 130, 20}, "The metal", "Material", kMaterialNames, 0),
    Label(134, {280, 206, 125, 20}, "Density"),
    ResultField(25, {410, 206, 130, 20}, "Pounds per cubic inch", "Density"),
    Label(135, {10, 234, 125, 20}, "Custom Density"),
    Field(26, {140, 234, 130, 20}, "lb/in3, or with a unit: 7850 kg/m3", "Custom Density"),
    Label(136, {280, 234, 125, 20}, "Filler Price per Pound"),
    Field(27, {410, 234, 130, 20}, "Price of the filler per pound (optional)",
          "Filler Price per Pound"),
    Label(137, {10, 262, 125, 20}, "Cross Section"),
    ResultField(28, {140, 262, 130, 20}, "Square inches", "Cross Section"),
    Label(138, {280, 262, 125, 20}, "Weld Volume"),
    ResultField(29, {410, 262, 130, 20}, "Cubic inches", "Weld Volume"),
    Label(139, {10, 290, 125, 20}, "Weld Metal"),
    ResultField(30, {140, 290, 130, 20}, "Pounds of weld metal", "Weld Metal"),
    Label(140, {280, 290, 125, 20}, "Filler to Buy"),
    ResultField(31, {410, 290, 130, 20}, "Pounds of filler", "Filler to Buy"),
    Label(141, {10, 318, 125, 20}, "Weight per Foot"),
    ResultField(32, {140, 318, 130, 20}, "Pounds of weld metal per foot of weld",
                "Weight per Foot"),
    Label(142, {280, 318, 125, 20}, "Filler Cost"),
    ResultField(33, {410, 318, 130, 20}, "Filler to buy x price per pound", "Filler Cost"),
    Button(kCalcButton, {550, 10, 70, 30}, "Calc", "Calculate the weld metal"),
    Button(kClearButton, {550, 50, 70, 30}, "Clear", "Clear fields to prepare for new data"),
    Button(kHelpButton, {550, 90, 70, 30}, "Help", "Joints and sums"),
    Button(kCloseButton, {550, 130, 70, 30}, "Close", "Close Program"),
};

constexpr std::string_view kWeldMetalHelp =
    "Weld Metal\r\n"
    "\r\n"
    "The weld metal in a joint and the filler to buy for it.\r\n"
    "\r\n"
    "Pick the Joint first: only the sizes it needs can be typed.\r\n"
    "Sizes read as the Units say: 3/8, 0.375, 9.5 mm.\r\n"
    "\r\n"
    "Fillet: Leg 1 and Leg 2 (empty Leg 2: equal legs).\r\n"
    "\r\n"
    "     |\\\r\n"
    "     | \\\r\n"
    "Leg 1|  \\)  Reinforcement: how far the face bulges\r\n"
    "     |   \\\r\n"
    "     +----+----\r\n"
    "      Leg 2\r\n"
    "\r\n"
    "Single-V Groove: Groove Angle is the angle between the two\r\n"
    "bevels. Single-Bevel Groove: the angle of the one bevel.\r\n"
    "\r\n"
    "      \\ Angle /            | Angle/\r\n"
    "       \\     /             |     /\r\n"
    "        \\   /  Thickness   |    /\r\n"
    "        |   |  Root Face   |   |\r\n"
    "        |<->| Root Opening |<->|\r\n"
    "\r\n"
    "Double-V Groove: a V from each side, each half as deep\r\n"
    "(Thickness less Root Face), a cap on each side.\r\n"
    "Square Groove: Thickness and Root Opening only.\r\n"
    "\r\n"
    "Reinforcement is the height of the cap (or of a fillet's\r\n"
    "convexity), 0 when empty. It counts as a parabolic\r\n"
    "segment: 2/3 * width * height.\r\n"
    "\r\n"
    "Cross Section = area of the weld, in square inches\r\n"
    "Weld Volume = Cross Section * Weld Length * Number of Welds\r\n"
    "Weld Metal = Weld Volume * Density, in pounds\r\n"
    "Filler to Buy = Weld Metal / (Efficiency % / 100)\r\n"
    "Weight per Foot = Cross Section * 12 * Density\r\n"
    "Filler Cost = Filler to Buy * Filler Price per Pound\r\n"
    "\r\n"
    "Efficiency % is filled in for the Process picked; type the\r\n"
    "shop's own figure over it. Material and Custom Density work\r\n"
    "as on the Metal Weight page.";

constexpr std::string_view kWeldMetalInputs[] = {
    "Joint",         "Units",        "Leg 1",           "Leg 2",
    "Thickness",     "Groove Angle", "Root Opening",    "Root Face",
    "Reinforcement", "Weld Length",  "Number of Welds", "Process",
    "Efficiency %",  "Material",     "Custom Density",  "Filler Price per Pound"};
constexpr std::string_view kWeldMetalOutputs[] = {"Density",    "Cross Section", "Weld Volume",
                                                  "Weld Metal", "Filler to Buy", "Weight per Foot",
                                                  "Filler Cost"};

}  // namespace

extern const Calculator kWeldMetalCalculator{
    .id = 7,
    .menuText = "Weld Metal",
    .group = MenuGroup::kMaterial,
    .helpTitle = "Weld Metal",
    .helpText = kWeldMetalHelp,
    .frame = kWeldMetalFrame,
    .rows = kWeldMetalRows,
    .inputs = kWeldMetalInputs,
    .outputs = kWeldMetalOutputs,
    .calculate = CalculateWeldMetal,
    .arrange = ArrangeWeldMetal,
};

}  // namespace brindle
