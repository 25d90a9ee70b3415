#pragma once
// The fixed texts of the help window and the about window's credit line.
//
// Each help text belongs to one calculator and is indexed by its calculator
// id: 0 triangle, 1 circle and bolt circle, 2 bend, 3 rectangle and square,
// 4 unit converter. The texts are plain single-byte ASCII with CR LF between
// lines, shown as they are, without wrapping, in the help window's text area.

#include <string_view>

inline constexpr int kHelpTextCount = 5;

// The help text of calculator `calculatorId`. Any id outside 0 to 4 (the
// calculator id comes from the settings file, which may be hand-edited) gives
// the triangle text, so the lookup never leaves the five texts.
std::string_view HelpText(int calculatorId);

// The first line of the about window: the program's name, the class it was
// written for and the year, then two blanks, a short saying and one trailing
// blank. One line, short enough for the about window's 400-pixel label.
std::string_view AboutCreditText();
