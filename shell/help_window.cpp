#include "shell/help_window.h"

#include <iterator>
#include <string>
#include <vector>

#include "gadgets/gadgets.h"
#include "pages/calculator_registry.h"
#include "shell/menu_items.h"
#include "shell/shell_state.h"

namespace brindle {

namespace {

void OpenHelpWindow() {
  const Settings& s = Shell().settings;
  if (!CreateAppWindow(kHelpWindowId, s.helpX, s.helpY, s.helpW, s.helpH, "Math Help",
                       kTitleBar | kCloseBox | kSizingBorder | kMinimizeBox | kMaximizeBox)) {
    return;
  }
  CreateMenuBar(kHelpWindowId);
  // One topic per calculator, the first five in the order the menu has
  // always had, then a submenu for each group that has calculators, then Close.
  AddMenuTitle("Help");
  for (const Calculator* topic : TopHelpTopics())
    AddMenuItem(HelpTopicItem(topic->id), std::string(topic->helpTitle));
  for (size_t group = 1; group < std::size(kMenuGroupNames); ++group) {
    const std::vector<const Calculator*> topics = CalculatorsIn(MenuGroup(group));
    if (topics.empty()) continue;
    AddSubmenu(std::string(kMenuGroupNames[group]));
    for (const Calculator* topic : topics)
      AddMenuItem(HelpTopicItem(topic->id), std::string(topic->helpTitle));
    EndSubmenu();
  }
  AddMenuSeparator();
  AddMenuItem(kCloseHelpItem, "Close");
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

void ShowHelpText(int calculatorId) {
  Shell().helpTopic = calculatorId;
  // A calculator id from a hand-edited settings file may be anything; an id
  // that names no calculator shows the first calculator's text.
  const Calculator* calculator = FindCalculator(calculatorId);
  if (!calculator) calculator = Calculators().front();
  SetText(kHelpTextArea, std::string(calculator->helpText));
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

}  // namespace brindle
