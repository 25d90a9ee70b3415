#pragma once
// The about window: who made the program and for whom, its version and a link
// to the author's web site. The main window takes no input while it is open.

#include "gadgets/gadgets.h"

inline constexpr GadgetId kWebsiteLink = 99;
inline constexpr GadgetId kAboutOkButton = 104;  // "OK", which closes the window

void OpenAbout();
void CloseAbout();
// Opens the author's web site with the desktop's default handler.
void OpenAuthorWebSite();
