#pragma once
// A calculator's page on the screen: laid out in the main window from its
// table, and its calculation run on what the page's fields show.

#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "pages/calculator_registry.h"

namespace brindle {

inline constexpr std::string_view kProgramName = "Brindle's Math";

// A window's title as its title bar and task bar entry show it: what the
// window holds, then the program's name ("Triangles - Brindle's Math"), so that
// Alt+Tab tells which program each window belongs to.
std::string WindowTitleOf(std::string_view what);

// What a page needs from the shell when it is laid out.
struct PagePlacement {
  int winX = 0;  // main window's outer top-left corner
  int winY = 0;
  // The units choice as the settings file holds it (CalcU): the entry the
  // page's units drop-down preselects.
  int unitsChoice = kDefaultUnitsMode;
};

// The page's controls in the order a reader takes them in: line by line from
// the top, left to right along each line, then the buttons in the same order.
// Tab follows this order. Rows that act on a control made earlier are left out.
std::vector<const ControlRow*> InReadingOrder(std::span<const ControlRow> rows);

// Places and titles the main window (window 0), then creates the page's
// controls in it in reading order.
void LayOutPage(const Calculator& calculator, const PagePlacement& at);
// Destroys the page's controls, keeping the texts of its kept fields for the
// next time it is laid out.
void RemovePage(const Calculator& calculator);
// Forgets every kept text (the end of the program).
void ForgetKeptTexts();
// Empties every edit field of the page, result fields included, and unticks
// the check boxes that show results.
void ClearPage(const Calculator& calculator);

// Runs the calculator's arrangement, if it has one: blanks and disables the
// inputs that do not apply to the page's choices, enables the others, and
// writes what follows from the choices. Laying a page out arranges it.
void ArrangePage(const Calculator& calculator);
// Arranges the page again when `changed` is one of its drop-downs.
void ChoiceChanged(const Calculator& calculator, GadgetId changed);

// Reads the page's fields, drop-downs and check boxes, runs the calculation
// and writes what it answers into the page, or shows its message box and
// writes nothing.
void RunCalculation(const Calculator& calculator);

}  // namespace brindle
