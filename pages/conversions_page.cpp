// The unit converter: a value in one of the units of length, area, volume,
// weight, force, torque, pressure, gas flow, temperature or angle, shown in
// another unit of the same family.

#include "calc/conversions_calculation.h"
#include "pages/calculator_registry.h"

namespace brindle {

namespace {

constexpr GadgetId kValue = 1;
constexpr GadgetId kFromUnit = 2;
constexpr GadgetId kToUnit = 5;
constexpr GadgetId kAnswer = 7;

constexpr PageFrame kConversionsFrame{
    .title = "Unit Converter", .width = 317, .height = 129, .enterGadget = kConvertButton};

// The labels head the column below them, each in a sunken box. The value's
// label says "Convert" like the button beside it, so a screen reader calls the
// field by its tool tip; its calculation still knows it as "Convert".
constexpr ControlRow kConversionsRows[] = {
    SunkenLabel(0, {10, 10, 50, 20}, "Convert"),
    CaptionedAs(Field(kValue, {10, 40, 110, 20}, "Number to convert", "Number to convert"),
                "Convert"),
    DropDownShowing(kFromUnit, {130, 40, 120, 20}, "Format to convert from", "From Format",
                    Entries::kConverter, "Fraction Inch"),
    // A second tip replaces the first: the user sees this one.
    NewToolTip(kFromUnit, "Current format"),
    SunkenLabel(3, {130, 10, 120, 20}, "From Format"),
    Button(kConvertButton, {260, 10, 50, 30}, "Convert", "Perform conversion"),
    DropDownShowing(kToUnit, {130, 100, 120, 20}, "Convert format to", "Target Format",
                    Entries::kConverter, "Pound-Force"),
    SunkenLabel(6, {130, 70, 120, 20}, "Target Format"),
    ResultField(kAnswer, {10, 100, 110, 20}, "Answer", "Answer"),
    SunkenLabel(8, {10, 70, 110, 20}, "Answer"),
    Button(kCloseButton, {260, 90, 50, 30}, "Close", "Exit Program"),
    Button(kHelpButton, {260, 50, 50, 30}, "Help", "Show some usefull information"),
};

// Unit converter: the three steps, the families of units, and the text forms
// of fractions, feet and inches, and angles. This one alone ends with a line
// break.
constexpr std::string_view kConversionsHelp =
    "Unit Convertion Tool:\r\n"
    "\r\n"
    "Use this to convert between different unit types.\r\n"
    "\r\n"
    "1. Enter a value under the \"Convert\" label.\r\n"
    "2. Select the \"From Format\" and the \"Target Format\".\r\n"
    "3. Click the \"Convert\" button.\r\n"
    "\r\n"
    "The lists group the units by family: Length, Area, Volume,\r\n"
    "Weight, Force, Torque, Pressure, Gas Flow, Temperature and Angle.\r\n"
    "Only units of one family convert; any other pair shows \"Invalid\".\r\n"
    "Foot-Pounds and Inch-Pounds are torque, Pound-Force is a force.\r\n"
    "\r\n"
    "NOTE:\r\n"
    "Decimal values are typed as usual, for example 12.375 or 0.5\r\n"
    "\r\n"
    "Complex fractions (Fraction Inch) are expected in the format\r\n"
    "WsN/D meaning that the whole number is first, followed be a space,\r\n"
    "followed by the Numerator(N) , divided by sign (/) and the Denominator (D).\r\n"
    "For example 3 1/2 is three and one half inches.\r\n"
    "\r\n"
    "Feet-Inch is typed as a tape reads: 4' 8 3/8\" or 4'-8 3/8\"\r\n"
    "(feet, an apostrophe, inches and a double quote).\r\n"
    "Feet-Inch, Fraction Inch and Decimal Inch also read 250 mm.\r\n"
    "A value that holds more than its unit takes, such as 3,5\r\n"
    "or 3x, is not converted: a message says so.\r\n"
    "\r\n"
    "Fractional Angles are expected as\r\n"
    "DsMsS meaning Whole Degree, \"Space\", Minutes, \"Space\", Seconds\r\n";

constexpr std::string_view kConversionsInputs[] = {"Convert", "From Format", "Target Format"};
constexpr std::string_view kConversionsOutputs[] = {"Answer"};

}  // namespace

extern const Calculator kConversionsCalculator{
    .id = 4,
    .menuText = "Conversions",
    .group = MenuGroup::kTop,
    .helpTitle = "Conversions",
    .helpText = kConversionsHelp,
    .frame = kConversionsFrame,
    .rows = kConversionsRows,
    .inputs = kConversionsInputs,
    .outputs = kConversionsOutputs,
    .calculate = CalculateConversions,
};

}  // namespace brindle
