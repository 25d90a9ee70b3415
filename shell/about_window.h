#pragma once
// The about window: who made the program and for whom, its version and a link
// to the author's web site. The main window takes no input while it is open.

#include "pages/gadget_ids.h"

namespace brindle {

inline constexpr GadgetId kWebsiteLink = kFirstAboutGadget + 3;
inline constexpr GadgetId kAboutOkButton = kFirstAboutGadget + 5;  // "OK", which closes the window

void OpenAbout();
void CloseAbout();
// Opens the author's web site with the desktop's default handler.
void OpenAuthorWebSite();

}  // namespace brindle
