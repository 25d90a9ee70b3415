#pragma once
// The window and gadget ids that the pages, the shell's dispatch and the tests
// share. Gadget ids are global: the shell acts on a press of the Calc button
// whatever page or window reported it, so one id means one control everywhere.

#include "gadgets/gadgets.h"

namespace brindle {

// The program's windows.
inline constexpr WindowId kMainWindowId = 0;
inline constexpr WindowId kAboutWindowId = 1;
inline constexpr WindowId kHelpWindowId = 2;

// Each window's controls have ids in a range of their own: a calculator
// page's in the main window, then the help window's, then the about window's.
inline constexpr GadgetId kFirstPageGadget = 0;
inline constexpr GadgetId kLastPageGadget = 199;
inline constexpr GadgetId kFirstHelpGadget = 200;
inline constexpr GadgetId kFirstAboutGadget = 300;

// Controls that several pages have, or that the shell dispatches on.
inline constexpr GadgetId kConvertButton = 4;  // the converter page's "Convert"
inline constexpr GadgetId kCloseButton = 9;    // "Close" on every page: ends the program
inline constexpr GadgetId kUnitsChoice = 15;   // units drop-down: triangle, bend and box pages
inline constexpr GadgetId kCalcButton = 22;    // "Calc" or "Calculate": all but the converter
inline constexpr GadgetId kBoltCircleUnitsChoice = 52;  // units drop-down of the bolt circle page
inline constexpr GadgetId kHardBox = 69;                // the bend page's "Hard" and "Soft"
inline constexpr GadgetId kSoftBox = 70;
inline constexpr GadgetId kHelpButton = 105;   // "Help" on every page
inline constexpr GadgetId kClearButton = 106;  // "Clear": empties every edit field of the page

}  // namespace brindle
