#pragma once
// Every caption the program shows in a box of fixed width: the labels, buttons,
// check boxes and drop-down entries of the five calculator pages and of the
// about window, with the box each one gets.

#include <string>
#include <vector>

#include "gadgets/gadgets.h"

struct Caption {
  ControlKind kind;
  int width;
  int height;
  std::string text;
  unsigned flags = 0;
};

inline std::vector<Caption> PageCaptions() {
  using K = ControlKind;
  std::vector<Caption> rows = {
      // Triangles
      {K::Label, 40, 20, "Units"},
      {K::Label, 40, 20, "Side A"},
      {K::Label, 40, 20, "Side B"},
      {K::Label, 40, 20, "Side C"},
      {K::Label, 50, 20, "Angle AB"},
      {K::Label, 50, 20, "Angle BC"},
      {K::Label, 50, 20, "Angle AC"},
      {K::Label, 40, 20, "Height"},
      {K::Label, 40, 20, "Area"},
      {K::Label, 60, 20, "Unit Weight"},
      {K::Label, 70, 20, "Total Weight"},
      {K::Label, 50, 20, "Triangle"},
      {K::Label, 50, 20, "Perimeter"},
      {K::Button, 40, 30, "Calc"},
      {K::Button, 40, 30, "Close"},
      {K::Button, 40, 30, "Clear"},
      {K::Button, 40, 30, "Help"},
      {K::CheckBox, 50, 20, "Acute"},
      {K::CheckBox, 60, 20, "Obtuse"},
      // Circle, Shapes and Bolt Circle
      {K::Label, 50, 20, "Units"},
      {K::Label, 50, 20, "Diameter"},
      {K::Label, 50, 20, "Radius"},
      {K::Label, 50, 20, "Holes"},
      {K::Label, 50, 20, "Angle"},
      {K::Label, 50, 20, "Cord"},
      {K::Label, 50, 20, "Area"},
      {K::Label, 50, 20, "Weight Ea"},
      {K::Label, 50, 20, "Weight T"},
      {K::Label, 50, 20, "Perimiter"},
      // Rectangle and Squares
      {K::Label, 30, 20, "Width"},
      {K::Label, 40, 20, "Height"},
      {K::Label, 40, 20, "Format"},
      {K::Label, 50, 20, "Diagonal"},
      {K::Label, 40, 20, "Angle"},
      {K::Label, 40, 20, "Area"},
      {K::Label, 70, 20, "Weight Each"},
      {K::Label, 40, 20, "Total"},
      {K::Label, 50, 20, "Perimeter"},
      {K::Button, 50, 30, "Calculate"},
      {K::Button, 50, 30, "Close"},
      {K::Button, 50, 30, "Help"},
      // Unit Converter
      {K::Label, 50, 20, "Convert", kSunken},
      {K::Label, 120, 20, "From Format", kSunken},
      {K::Label, 120, 20, "Target Format", kSunken},
      {K::Label, 110, 20, "Answer", kSunken},
      {K::Button, 50, 30, "Convert"},
      // Bend Calculator
      {K::Label, 50, 20, "Material"},
      {K::CheckBox, 50, 20, "Hard"},
      {K::CheckBox, 40, 20, "Soft"},
      {K::Label, 30, 20, "Thick"},
      {K::Label, 50, 20, "Distance1"},
      {K::Label, 50, 20, "Distance2"},
      {K::Label, 50, 20, "Distance3"},
      {K::Label, 50, 20, "Distance4"},
      {K::Label, 50, 20, "Distance5"},
      {K::Label, 50, 20, "Radius1"},
      {K::Label, 50, 20, "Radius4"},
      {K::Label, 50, 20, "Total"},
      {K::Label, 40, 20, "Angle1"},
      {K::Label, 40, 20, "Angle4"},
      {K::Label, 50, 20, "Units"},
      // About Math Calculator
      {K::Label, 400, 20, "Version 1.1 Beta release , Added Radians"},
      {K::Label, 80, 20, "Be sure to visit"},
      {K::Hyperlink, 110, 20, "brindlesmath.org"},
      {K::Label, 150, 20, "for more free stuff and games."},
      {K::Button, 70, 30, "OK"},
  };
  // The units drop-downs (80 to 120 wide) and the converter's two lists of units.
  const std::vector<std::string> units = {"Fractions", "Decimal"};
  for (int width : {80, 90, 100}) {
    for (const std::string& unit : units)
      rows.push_back({K::ComboBox, width, 20, unit});
  }
  for (const char* unit : {"Fraction Inch",
                           "Fraction Feet",
                           "Fraction Yard",
                           "Fraction Mile",
                           "Decimal Inch",
                           "Decimal Feet",
                           "Decimal Mile",
                           "Tons",
                           "Pounds",
                           "Ounces",
                           "Fraction Fahrenheit",
                           "Decimal Fahrenheit",
                           "Fractional Angle",
                           "Decimal Angle",
                           "Radian",
                           "Foot-Pounds",
                           "Meters",
                           "Celsius",
                           "Newtons",
                           "Killigrams",
                           "Grams"}) {
    rows.push_back({K::ComboBox, 120, 20, unit});
  }
  return rows;
}
