#include "shell/help_texts.h"

#include <array>
#include <cstddef>

namespace {

// Every text opens with its title and an empty line. The figures are drawn
// with characters for the help window's text area; backslashes are doubled.

// Triangle solver: the three ways to give a triangle, the figure that names
// its sides and angles, and what height, perimeter and acute/obtuse mean.
constexpr std::string_view kTriangleHelp =
    "Triangles Calculator\r\n"
    "\r\n"
    "Use this to obtain all triangle measuments from three known\r\n"
    "values: 3 sides, 2 sides and the angle between them, or 2\r\n"
    "angles and the side between them. Study the figure below.\r\n"
    "\r\n"
    "          AC\r\n"
    "          /\\\r\n"
    "         /  \\\r\n"
    "     A  /    \\  C\r\n"
    "       /      \\\r\n"
    "    AB/________\\BC\r\n"
    "           B\r\n"
    "\r\n"
    "Given the sides A,B,C the angles are identified as\r\n"
    "Angle AB, AC,BC\r\n"
    "\r\n"
    "Height refers to the height from side B to the top of Angle AC.\r\n"
    "Perimeter is the sun of all 3 sides (A+B+C)\r\n"
    "\r\n"
    "An Acute triangle has all angles <= 90 while an Obtuse\r\n"
    "tragnle has one angle > 90\r\n"
    "\r\n"
    "Some values fit more than one triangle. I give one\r\n"
    "answer and do not look for the other\r\n"
    "possibilities. Maybe in a later version I will work more on that.";

// Circle and bolt circle: the plain circle from radius or diameter, then the
// ring of equally spaced holes and the total weight.
constexpr std::string_view kCircleHelp =
    "Circle Calculator\r\n"
    "\r\n"
    "Use this to perform routine calculations on circles.\r\n"
    "\r\n"
    "Required Information : Radius or Diameter.\r\n"
    "Diameter = Radius * 2\r\n"
    "\r\n"
    "From this, I will calculate \r\n"
    "Area = PI * R * R\r\n"
    "Perimeter ( Circumfrence ) = PI * D\r\n"
    "\r\n"
    "Add the Holes (sides) or an Angle and\r\n"
    "I will calculate the bolt locations:\r\n"
    "\r\n"
    "Angle = 360 / Holes or sides\r\n"
    "Cord = Distance between bolts of length of a side\r\n"
    "Perimeter = Holes * Cord\r\n"
    "Area = The area bounded by the sides. Not the same as a circle area\r\n"
    "\r\n"
    "Weight Ea is weight per area.\r\n"
    "Weight Total = Area * Weight Each ";

// Bend calculator: the figure of a strip bent four times, what each field
// means, and its use as an adder of fractions.
constexpr std::string_view kBendHelp =
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
    "Angles are always decimal. Distances may be fractions or decimals,\r\n"
    "as chosen in the Units drop-down.\r\n"
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

// Rectangle and square: the sums behind each result.
constexpr std::string_view kSquareHelp =
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
    "The \"Weight Each\" value is assumed to be a decimal value.";

// Unit converter: the three steps, the families of units, and the text forms
// of fractions, feet and inches, and angles. This one alone ends with a line
// break.
constexpr std::string_view kConverterHelp =
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
    "\r\n"
    "Fractional Angles are expected as\r\n"
    "DsMsS meaning Whole Degree, \"Space\", Minutes, \"Space\", Seconds\r\n";

// Indexed by calculator id.
constexpr std::array<std::string_view, kHelpTextCount> HelpTexts = {
    kTriangleHelp, kCircleHelp, kBendHelp, kSquareHelp, kConverterHelp};

constexpr std::string_view kAboutCredit =
    "Brindle's Math for the welding class, 2011.  Measure twice, cut once. ";

}  // namespace

std::string_view HelpText(int calculatorId) {
  if (calculatorId < 0 || calculatorId >= kHelpTextCount) return HelpTexts[0];
  return HelpTexts[static_cast<std::size_t>(calculatorId)];
}

std::string_view AboutCreditText() {
  return kAboutCredit;
}
