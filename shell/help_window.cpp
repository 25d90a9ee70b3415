#include "shell/help_window.h"

#include "gadgets/gadgets.h"
#include "shell/help_texts.h"
#include "shell/shell_state.h"

namespace {

// Menu bar 1 of the help window: item id and text; item k + 9 shows help text k.
struct HelpMenuRow {
  MenuItemId item;  // -1 for a separator
  const char* text;
};
constexpr HelpMenuRow kHelpMenu[] = {
    {13, "Conversions"}, {12, "Squares"}, {9, "Triangles"}, {10, "Circles"},
    {11, "Bender"},      {-1, nullptr},   {15, "Close"},
};

void OpenHelpWindow() {
  const Settings& s = Shell().settings;
  if (!CreateAppWindow(kHelpWindowId, s.helpX, s.helpY, s.helpW, s.helpH, "Math Help",
                       kTitleBar | kCloseBox | kSizingBorder | kMinimizeBox | kMaximizeBox)) {
    return;
  }
  CreateMenuBar(kHelpWindowId);
  AddMenuTitle("Help");
  for (const HelpMenuRow& row : kHelpMenu) {
    if (row.item < 0) {
      AddMenuSeparator();
    } else {
      AddMenuItem(row.item, row.text);
    }
  }
  UseWindowForControls(kHelpWindowId);
  CreateTextArea(kHelpTextArea, 0, 0, s.helpW, s.helpH - MenuBarHeight(), kReadOnly);
  SetAccessibleName(kHelpTextArea, "Help text");
  SetEscapeCloses(kHelpWindowId);
  UseWindowForControls(kMainWindowId);
}

}  // namespace

void ShowHelp() {
  ShellState& shell = Shell();
  if (shell.helpTopic < 0) {
    OpenHelpWindow();
    if (!WindowExists(kHelpWindowId)) return;
  }
  ShowHelpText(shell.settings.calcW);
}

void ShowHelpText(int k) {
  Shell().helpTopic = k;
  // A calculator id from a hand-edited settings file may be anything; the
  // lookup stays within the five texts.
  SetText(kHelpTextArea, std::string(HelpText(k)));
}

void CloseHelp() {
  DestroyAppWindow(kHelpWindowId);
  Shell().helpTopic = -1;
}

void SaveHelpGeometry() {
  Settings& s = Shell().settings;
  s.helpX = WindowLeft(kHelpWindowId);
  s.helpY = WindowTop(kHelpWindowId);
  s.helpW = InnerWidth(kHelpWindowId);
  s.helpH = InnerHeight(kHelpWindowId);  // menu bar included, as the window is opened
  PlaceGadget(kHelpTextArea, 0, 0, s.helpW, s.helpH - MenuBarHeight());
  SaveSettings({&Settings::helpX, &Settings::helpY, &Settings::helpW, &Settings::helpH});
}
