#include "shell/about_window.h"

#include <string>

#include "gadgets/gadgets.h"
#include "pages/page_layout.h"
#include "shell/author_web_address.h"
#include "shell/shell_state.h"

namespace brindle {

void OpenAuthorWebSite() {
  OpenUrl(kAuthorWebAddress);
}

void OpenAbout() {
  SetWindowEnabled(kMainWindowId, false);
  const Settings& s = Shell().settings;
  if (!CreateAppWindow(kAboutWindowId, s.winX, s.winY, 418, 139,
                       WindowTitleOf("About Math Calculator"),
                       kTitleBar | kCloseBox | kSizingBorder)) {
    SetWindowEnabled(kMainWindowId, true);  // never leave the program without a usable window
    return;
  }
  UseWindowForControls(kAboutWindowId);
  CreateLabel(kFirstAboutGadget, 10, 10, 400, 20,
              "Brindle's Math for the welding class, 2011.  Measure twice, cut once. ");
  CreateLabel(kFirstAboutGadget + 1, 10, 40, 400, 20, "Version 1.1 Beta release , Added Radians");
  CreateLabel(kFirstAboutGadget + 2, 10, 70, 80, 20, "Be sure to visit");
  CreateHyperlink(kWebsiteLink, 100, 70, 110, 20, kAuthorWebAddress, 0x000000);
  SetToolTip(kWebsiteLink, "View my website");
  CreateLabel(kFirstAboutGadget + 4, 220, 70, 150, 20, "for more free stuff and games.");
  CreateButton(kAboutOkButton, 160, 100, 70, 30, "OK");
  SetToolTip(kAboutOkButton, "Close About");
  SetEscapeCloses(kAboutWindowId);
  SetDefaultButton(kAboutWindowId, kAboutOkButton);
  UseWindowForControls(kMainWindowId);
  SetWindowTopmost(kAboutWindowId, true);
}

void CloseAbout() {
  DestroyAppWindow(kAboutWindowId);
  SetWindowEnabled(kMainWindowId, true);
  ActivateWindow(kMainWindowId);
}

}  // namespace brindle
