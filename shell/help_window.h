#pragma once
// The help window: a calculator's help text in a read-only text area that fills it.

#include "pages/gadget_ids.h"

namespace brindle {

inline constexpr GadgetId kHelpTextArea = kFirstHelpGadget;

// Opens the help window if it is closed, on the text of the calculator shown.
void ShowHelp();
// Shows the help text of the calculator with this id in the open help window.
void ShowHelpText(int calculatorId);
void CloseHelp();
// Keeps the help window's position and size in the settings file and refits its text.
void SaveHelpGeometry();

}  // namespace brindle
