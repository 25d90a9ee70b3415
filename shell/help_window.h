#pragma once
// The help window: one of five help texts in a read-only text area that fills it.

#include "gadgets/gadgets.h"

// Outside the range of a page's gadgets, so that page switches and Clear leave it.
inline constexpr GadgetId kHelpTextArea = 108;

// Opens the help window if it is closed, on the text of the calculator shown.
void ShowHelp();
// Shows help text k (a calculator id) in the open help window.
void ShowHelpText(int k);
void CloseHelp();
// Keeps the help window's position and size in the settings file and refits its text.
void SaveHelpGeometry();
