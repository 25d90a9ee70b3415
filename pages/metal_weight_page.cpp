// The weight of stock: plate, bars, tubes, pipe, angle and sheet of a metal,
// by the foot, each and in all, with its cost. The shape decides which size
// fields apply; each size has a field of its own, so that the command line
// names it as the page does ("Nominal Size=4").

#include "calc/material_tables.h"
#include "calc/metal_weight_calculation.h"
#include "pages/calculator_registry.h"

namespace brindle {

namespace {

// An edit field that opens with `text` in it.
constexpr ControlRow Showing(ControlRow row, std::string_view text) {
  row.text = text;
  return row;
}

constexpr PageFrame kMetalWeightFrame{
    .title = "Metal Weight", .width = 630, .height = 404, .enterGadget = kCalcButton};

constexpr ControlRow kMetalWeightRows[] = {
    Label(120, {10, 10, 125, 20}, "Shape"),
    DropDownListing(10, {140, 10, 130, 20}, "The shape of the stock", "Shape", kShapeNames, 0),
    Label(121, {280, 10, 125, 20}, "Units"),
    UnitsDropDown(kUnitsChoice, {410, 10, 130, 20}, "Fractions or decimals", "Units"),
    Label(122, {10, 38, 125, 20}, "Width"),
    Field(11, {140, 38, 130, 20}, "Width across the stock", "Width"),
    Label(123, {280, 38, 125, 20}, "Height"),
    Field(12, {410, 38, 130, 20}, "Height of a rectangular tube", "Height"),
    Label(124, {10, 66, 125, 20}, "Thickness"),
    Field(13, {140, 66, 130, 20}, "Thickness of a plate, flat bar or angle", "Thickness"),
    Label(125, {280, 66, 125, 20}, "Wall"),
    Field(14, {410, 66, 130, 20}, "Wall of a tube", "Wall"),
    Label(126, {10, 94, 125, 20}, "Diameter"),
    Field(16, {140, 94, 130, 20}, "Diameter of a round bar", "Diameter"),
    Label(127, {280, 94, 125, 20}, "Outside Diameter"),
    Field(17, {410, 94, 130, 20}, "Outside diameter of a round tube", "Outside Diameter"),
    Label(128, {10, 122, 125, 20}, "Across Flats"),
    Field(18, {140, 122, 130, 20}, "Across the flats of a hex bar", "Across Flats"),
    Label(129, {280, 122, 125, 20}, "Leg A"),
    Field(19, {410, 122, 130, 20}, "First leg of an angle", "Leg A"),
    Label(130, {10, 150, 125, 20}, "Leg B"),
    Field(20, {140, 150, 130, 20}, "Second leg of an angle", "Leg B"),
    Label(131, {280, 150, 125, 20}, "Gauge"),
    DropDownListing(21, {410, 150, 130, 20}, "Sheet gauge", "Gauge", kGaugeNames, 13),
    Label(132, {10, 178, 125, 20}, "Nominal Size"),
    DropDownListing(23, {140, 178, 130, 20}, "Nominal pipe size", "Nominal Size", kNominalSizes,
                    12),
    Label(133, {280, 178, 125, 20}, "Schedule"),
    DropDownListing(24, {410, 178, 130, 20}, "Pipe schedule", "Schedule", kSchedules, 2),
    Label(134, {10, 206, 125, 20}, "Pipe OD"),
    ResultField(25, {140, 206, 130, 20}, "Outside diameter of the pipe", "Pipe OD"),
    Label(135, {280, 206, 125, 20}, "Pipe Wall"),
    ResultField(26, {410, 206, 130, 20}, "Wall of the pipe", "Pipe Wall"),
    Label(136, {10, 234, 125, 20}, "Material"),
    DropDownListing(27, {140, 234, 130, 20}, "The metal", "Material", kMaterialNames, 0),
    Label(137, {280, 234, 125, 20}, "Density"),
    ResultField(28, {410, 234, 130, 20}, "Pounds per cubic inch", "Density"),
    Label(138, {10, 262, 125, 20}, "Custom Density"),
    Field(29, {140, 262, 130, 20}, "lb/in3, or with a unit: 7850 kg/m3", "Custom Density"),
    Label(139, {280, 262, 125, 20}, "Length"),
    Field(30, {410, 262, 130, 20}, "Length of each piece: 20', 240, 6096 mm", "Length"),
    Label(140, {10, 290, 125, 20}, "Quantity"),
    Showing(Field(31, {140, 290, 130, 20}, "Number of pieces", "Quantity"), "1"),
    Label(141, {280, 290, 125, 20}, "Price per Pound"),
    Field(32, {410, 290, 130, 20}, "Price per pound (optional)", "Price per Pound"),
    Label(142, {10, 318, 125, 20}, "Cross Section"),
    ResultField(33, {140, 318, 130, 20}, "Square inches", "Cross Section"),
    Label(143, {280, 318, 125, 20}, "Weight per Foot"),
    ResultField(34, {410, 318, 130, 20}, "Pounds per foot", "Weight per Foot"),
    Label(144, {10, 346, 125, 20}, "Weight Each"),
    ResultField(35, {140, 346, 130, 20}, "Pounds each", "Weight Each"),
    Label(145, {280, 346, 125, 20}, "Total Weight"),
    ResultField(36, {410, 346, 130, 20}, "Pounds in all", "Total Weight"),
    Label(146, {10, 374, 125, 20}, "Total Kilograms"),
    ResultField(37, {140, 374, 130, 20}, "Kilograms in all", "Total Kilograms"),
    Label(147, {280, 374, 125, 20}, "Total Cost"),
    ResultField(38, {410, 374, 130, 20}, "Total weight x price per pound", "Total Cost"),
    Button(kCalcButton, {550, 10, 70, 30}, "Calc", "Calculate the weight"),
    Button(kClearButton, {550, 50, 70, 30}, "Clear", "Clear fields to prepare for new data"),
    Button(kHelpButton, {550, 90, 70, 30}, "Help", "Shapes, materials and sums"),
    Button(kCloseButton, {550, 130, 70, 30}, "Close", "Close Program"),
};

constexpr std::string_view kMetalWeightHelp =
    "Metal Weight\r\n"
    "\r\n"
    "The weight of a length of stock: plate, bar, tube, pipe,\r\n"
    "angle or sheet, in any of the metals listed.\r\n"
    "\r\n"
    "Pick the Shape first: only the sizes it needs can be typed,\r\n"
    "the others are greyed out. Sizes and the Length read as the\r\n"
    "Units say, and in any form the shop writes them: 2 1/2,\r\n"
    "2.5, 20', 4' 8 3/8\", 508 mm, 50.8 cm, 6.1 m.\r\n"
    "\r\n"
    "  Plate / Flat Bar   Width x Thickness\r\n"
    "  Round Bar          Diameter\r\n"
    "  Square Bar         Width\r\n"
    "  Hex Bar            Across Flats\r\n"
    "  Round Tube         Outside Diameter, Wall\r\n"
    "  Square Tube        Width, Wall\r\n"
    "  Rectangular Tube   Width, Height, Wall\r\n"
    "  Pipe               Nominal Size and Schedule\r\n"
    "  Angle              Leg A, Leg B, Thickness\r\n"
    "  Sheet (Gauge)      Gauge and Width\r\n"
    "\r\n"
    "          Width            Leg A\r\n"
    "     +--------------+      |  |\r\n"
    "     |   +------+   |      |  |\r\n"
    "     |   |      |   |H     |  |\r\n"
    "     |   +------+   |      |  +-------+\r\n"
    "     +--------------+      +----------+ Thickness\r\n"
    "      Wall                     Leg B\r\n"
    "\r\n"
    "Tubes and angles are worked out with sharp corners, as\r\n"
    "their outline draws them; real tube with rounded corners\r\n"
    "weighs a little less. A wall may be at most half the\r\n"
    "section across, and an angle no thicker than its legs.\r\n"
    "\r\n"
    "Pipe sizes are those of the steel pipe standard: the page\r\n"
    "shows the Pipe OD and Pipe Wall of the size and schedule.\r\n"
    "Sheet gauges: steel by the manufacturers' standard gauge,\r\n"
    "aluminum by its own gauge, stainless by the U.S. standard\r\n"
    "gauge.\r\n"
    "\r\n"
    "Density is in pounds per cubic inch. For \"Custom\" type it\r\n"
    "into Custom Density, as lb/in3 or with its unit: 7850 kg/m3,\r\n"
    "7.85 g/cm3, 490 lb/ft3.\r\n"
    "\r\n"
    "Cross Section = area of the shape, in square inches\r\n"
    "Weight per Foot = Cross Section * 12 * Density\r\n"
    "Weight Each = Cross Section * Length * Density\r\n"
    "Total Weight = Weight Each * Quantity\r\n"
    "Total Kilograms = Total Weight * 0.45359237\r\n"
    "Total Cost = Total Weight * Price per Pound\r\n"
    "\r\n"
    "Weights are always shown with four decimals.";

constexpr std::string_view kMetalWeightInputs[] = {
    "Shape",        "Units",    "Width",          "Height",
    "Thickness",    "Wall",     "Diameter",       "Outside Diameter",
    "Across Flats", "Leg A",    "Leg B",          "Gauge",
    "Nominal Size", "Schedule", "Material",       "Custom Density",
    "Length",       "Quantity", "Price per Pound"};
constexpr std::string_view kMetalWeightOutputs[] = {
    "Pipe OD",     "Pipe Wall",    "Density",         "Cross Section", "Weight per Foot",
    "Weight Each", "Total Weight", "Total Kilograms", "Total Cost"};

}  // namespace

extern const Calculator kMetalWeightCalculator{
    .id = 6,
    .menuText = "Metal Weight",
    .group = MenuGroup::kMaterial,
    .helpTitle = "Metal Weight",
    .helpText = kMetalWeightHelp,
    .frame = kMetalWeightFrame,
    .rows = kMetalWeightRows,
    .inputs = kMetalWeightInputs,
    .outputs = kMetalWeightOutputs,
    .calculate = CalculateMetalWeight,
    .arrange = ArrangeMetalWeight,
};

}  // namespace brindle
