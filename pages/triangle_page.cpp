// The triangle calculator: three of the six parts of a triangle typed in, the
// rest worked out by the triangle solver, with height, area, perimeter, weight
// and whether the triangle is acute, right or obtuse.

#include "calc/triangle_solver.h"
#include "pages/calculator_registry.h"

namespace brindle {

namespace {

constexpr PageFrame kTriangleFrame{
    .title = "Triangles", .width = 590, .height = 219, .enterGadget = kCalcButton};

constexpr GadgetId kDrawing = 180;

constexpr ControlRow kTriangleRows[] = {
    Label(29, {10, 10, 40, 20}, "Units"),
    Label(30, {10, 40, 40, 20}, "Side A"),
    Label(31, {10, 70, 40, 20}, "Side B"),
    Label(32, {10, 100, 40, 20}, "Side C"),
    Label(33, {160, 40, 50, 20}, "Angle AB"),
    Label(34, {160, 70, 50, 20}, "Angle BC"),
    Label(35, {160, 100, 50, 20}, "Angle AC"),
    Label(36, {10, 130, 40, 20}, "Height"),
    Label(37, {10, 160, 40, 20}, "Area"),
    Label(38, {160, 10, 60, 20}, "Unit Weight"),
    Label(39, {160, 130, 70, 20}, "Total Weight"),
    UnitsDropDown(kUnitsChoice, {60, 10, 90, 20}, "Units", "Units"),
    Field(40, {60, 40, 90, 20}, "Side A", "Side A"),
    Field(41, {60, 70, 90, 20}, "Side B", "Side B"),
    Field(42, {60, 100, 90, 20}, "Side C", "Side C"),
    ResultField(13, {60, 130, 90, 20}, "Height", "Height"),
    ResultField(24, {60, 160, 90, 20}, "Area", "Area"),
    Field(43, {230, 10, 90, 20}, "Weight Each", "Unit Weight"),
    ResultField(28, {230, 130, 90, 20}, "Total Weight (Area * Unit Weight)", "Total Weight"),
    Field(44, {230, 100, 90, 20}, "Angle AC", "Angle AC"),
    Field(45, {230, 70, 90, 20}, "Angle BC", "Angle BC"),
    Field(46, {230, 40, 90, 20}, "Angle AB", "Angle AB"),
    Button(kCalcButton, {330, 10, 40, 30}, "Calc", "Calculate"),
    Button(kCloseButton, {330, 130, 40, 30}, "Close", "Close Program"),
    ResultCheckBox(47, {230, 160, 50, 20}, "Acute", "Acute Triangle (all angles < 90)"),
    ResultCheckBox(48, {230, 190, 60, 20}, "Obtuse", "Obtuse Triangle (one angle > 90 )"),
    ResultCheckBox(107, {290, 160, 50, 20}, "Right", "Right Triangle (one angle = 90)"),
    Label(49, {160, 160, 50, 20}, "Triangle"),
    Button(kClearButton, {330, 50, 40, 30}, "Clear", "Clear all fields to prepare for new data"),
    Button(kHelpButton, {330, 90, 40, 30}, "Help", "Show some usefull information"),
    Label(102, {10, 190, 50, 20}, "Perimeter"),
    ResultField(67, {60, 190, 90, 20}, "Perimeter is sum of all sides", "Perimeter"),
    // Right of the buttons, as high as the fields beside it.
    Drawing(kDrawing, {380, 10, 200, 200}, Diagram::kTriangle,
            "Triangle: Side B is the base, Side A and Side C are the other sides. Each angle "
            "is named after the two sides that meet at its corner: Angle AB, Angle BC, and "
            "Angle AC across from Side B. Height is the height from Side B up to the corner "
            "of Angle AC."),
};

// Triangle solver: the three ways to give a triangle, the figure that names
// its sides and angles, and what height, perimeter and acute/obtuse mean.
constexpr std::string_view kTriangleHelp =
    "Triangles Calculator\r\n"
    "\r\n"
    "Use this to obtain all triangle measuments from three known\r\n"
    "values: 3 sides, 2 sides and the angle between them, or 2\r\n"
    "angles and any side. 2 sides and an angle that is not between\r\n"
    "them work too when only one triangle fits. Study the figure below.\r\n"
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
    "Sides may be typed as 3.5, 3 1/2, 3-1/2 or 3 - 1/2, with\r\n"
    "feet and inch marks (3'6\" is 42) or in mm. Angles may be\r\n"
    "typed as 36.87, as degrees minutes seconds (36 52 12, or\r\n"
    "36 52' 12\" as shown), in either Units. A field that holds\r\n"
    "more than that, such as 3,5 or 3x, is not guessed at: a\r\n"
    "message says which field to fix.\r\n"
    "\r\n"
    "Height refers to the height from side B to the top of Angle AC.\r\n"
    "Perimeter is the sun of all 3 sides (A+B+C)\r\n"
    "\r\n"
    "An Acute triangle has all angles < 90, a Right triangle has\r\n"
    "one angle of 90 and an Obtuse tragnle has one angle > 90\r\n"
    "\r\n"
    "Some values fit two triangles. Then I say so and ask for\r\n"
    "one more value.\r\n"
    "\r\n"
    "What I write into a field is an answer, not something you\r\n"
    "typed. Change a value and press Calc again: I work from the\r\n"
    "values you typed and fill in the answers again. Pressing Calc\r\n"
    "twice gives the same answers.";

constexpr std::string_view kTriangleInputs[] = {"Units",       "Side A",   "Side B",   "Side C",
                                                "Unit Weight", "Angle AC", "Angle BC", "Angle AB"};
constexpr std::string_view kTriangleOutputs[] = {
    "Side A",   "Side B",   "Side C", "Height", "Area",  "Total Weight", "Angle AC",
    "Angle BC", "Angle AB", "Acute",  "Obtuse", "Right", "Perimeter"};

}  // namespace

extern const Calculator kTriangleCalculator{
    .id = 0,
    .menuText = "Triangle",
    .group = MenuGroup::kTop,
    .helpTitle = "Triangles",
    .helpText = kTriangleHelp,
    .frame = kTriangleFrame,
    .rows = kTriangleRows,
    .inputs = kTriangleInputs,
    .outputs = kTriangleOutputs,
    .calculate = SolveTriangle,
    .flow = FlowOrder::kColumns,
};

}  // namespace brindle
