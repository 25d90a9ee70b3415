#pragma once
// The five calculator pages and the calculations behind their buttons.
//
// A page is not a window: its layout places the main window (window 0) at the
// saved position, gives it the page's size below the menu bar and its title,
// and creates the page's controls in it (gadget ids kFirstPageGadget to
// kLastPageGadget, in creation order, which is also the Tab order). The
// calculation of a page reads the page's fields, calls the matching pure
// function of calc/ and writes the results back, or shows a message box and
// writes nothing.

#include "numtext/length_text.h"

// What a page needs from the shell when it is laid out.
struct PagePlacement {
  int winX = 0;  // main window's outer top-left corner
  int winY = 0;
  // The units choice as the settings file holds it (CalcU): the entry the
  // page's units drop-down preselects. A value that names no entry, as a
  // hand-edited file may hold, selects none, which the calculations read as
  // "Decimal".
  int unitsChoice = kDefaultUnitsMode;
};

void TrianglePage(const PagePlacement& at);
void CirclePage(const PagePlacement& at);
void BenderPage(const PagePlacement& at);
void SquarePage(const PagePlacement& at);
void ConverterPage(const PagePlacement& at);

// The calculations, run by the shell for the Calc or Convert button.
// The circle, triangle and square read the units from their own drop-down; the
// bend calculator takes the program's units setting.
void TriangleCalculator();
void CircleCalculator();
void BendCalculator(UnitsMode unitsMode);
void SquareCalculator();
void UnitConverter();
