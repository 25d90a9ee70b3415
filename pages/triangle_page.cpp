// The triangle calculator: three of the six parts of a triangle typed in, the
// rest worked out by the triangle solver, with height, area, perimeter, weight
// and whether the triangle is acute or obtuse.

#include <string>

#include "calc/triangle_solver.h"
#include "pages/page_layout.h"
#include "pages/pages.h"

namespace {

constexpr PageFrame kTriangleFrame{
    .title = "Triangles", .width = 379, .height = 219, .enterGadget = kCalcButton};

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
    CheckBox(47, {230, 160, 50, 20}, "Acute", "Acute Triangle (all angles <= 90)"),
    CheckBox(48, {230, 190, 60, 20}, "Obtuse", "Obtuse Triangle (one angle > 90 )"),
    Label(49, {160, 160, 50, 20}, "Triangle"),
    Button(kClearButton, {330, 50, 40, 30}, "Clear", "Clear all fields to prepare for new data"),
    Button(kHelpButton, {330, 90, 40, 30}, "Help", "Show some usefull information"),
    Label(102, {10, 190, 50, 20}, "Perimeter"),
    ResultField(67, {60, 190, 90, 20}, "Perimeter is sum of all sides", "Perimeter"),
};

// Where the solver's input comes from.
constexpr FieldText<TriangleInput> kTriangleReads[] = {
    {40, &TriangleInput::sideA},      {41, &TriangleInput::sideB},   {42, &TriangleInput::sideC},
    {46, &TriangleInput::angleAB},    {45, &TriangleInput::angleBC}, {44, &TriangleInput::angleAC},
    {43, &TriangleInput::unitWeight},
};

// Where a solution goes, in the order it is written.
constexpr FieldText<TriangleSolution> kTriangleWrites[] = {
    {40, &TriangleSolution::sideA},     {41, &TriangleSolution::sideB},
    {42, &TriangleSolution::sideC},     {13, &TriangleSolution::height},
    {67, &TriangleSolution::perimeter}, {46, &TriangleSolution::angleAB},
    {45, &TriangleSolution::angleBC},   {44, &TriangleSolution::angleAC},
    {24, &TriangleSolution::area},      {28, &TriangleSolution::totalWeight},
};

constexpr GadgetId kAcuteBox = 47;
constexpr GadgetId kObtuseBox = 48;

}  // namespace

void TrianglePage(const PagePlacement& at) {
  LayOutPage(kTriangleFrame, kTriangleRows, at);
}

void TriangleCalculator() {
  TriangleInput input;
  ReadFields<TriangleInput>(kTriangleReads, input);
  input.unitsMode = UnitsModeOf(SelectedItem(kUnitsChoice));

  const TriangleResult result = TriangleSolver(input);
  if (result.error) {
    ShowMessage(result.error->title, result.error->text);
    return;
  }
  WriteFields<TriangleSolution>(kTriangleWrites, result.solution);
  SelectItem(kAcuteBox, result.solution.acute ? 1 : 0);
  SelectItem(kObtuseBox, result.solution.obtuse ? 1 : 0);
}
