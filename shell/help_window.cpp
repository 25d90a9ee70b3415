#include "shell/help_window.h"

#include <algorithm>
#include <iterator>
#include <string>
#include <string_view>
#include <vector>

#include "gadgets/gadgets.h"
#include "gadgets/window_placement.h"
#include "pages/calculator_registry.h"
#include "pages/page_layout.h"
#include "shell/menu_items.h"
#include "shell/shell_state.h"

namespace brindle {

namespace {

constexpr unsigned kHelpFrame = kTitleBar | kCloseBox | kSizingBorder | kMinimizeBox | kMaximizeBox;
// The help window first opens tall enough for this many lines of help text.
constexpr int kFirstLines = 30;

// The longest line of all the help texts, in characters.
int LongestHelpLine() {
  std::size_t longest = 0;
  for (const Calculator* calculator : Calculators()) {
    std::string_view text = calculator->helpText;
    while (!text.empty()) {
      const std::size_t end = std::min(text.find_first_of("\r\n"), text.size());
      longest = std::max(longest, end);
      text.remove_prefix(std::min(text.size(), end + 1));
    }
  }
  return static_cast<int>(longest);
}

// Before the user has placed the help window: beside the main window where
// the screen has room, as wide as the longest help line and kFirstLines tall.
void PlaceHelpBesideMainWindow(Settings& s) {
  const ScreenBox text = TextAreaSizeFor(LongestHelpLine(), kFirstLines);
  s.helpW = text.w;
  s.helpH = text.h + MenuBarHeight();
  const ScreenBox main = WindowFrame(kMainWindowId);
  const ScreenBox area = WorkAreaOf(kMainWindowId);
  const ScreenBox outer = OuterSizeOf(s.helpW, s.helpH, kHelpFrame);
  const gadget_layer::Corner corner = CornerBeside(
      {main.x, main.y, main.w, main.h}, {area.x, area.y, area.w, area.h}, outer.w, outer.h);
  s.helpX = corner.left;
  s.helpY = corner.top;
}

void OpenHelpWindow() {
  Settings& s = Shell().settings;
  if (!Shell().helpPlaced) PlaceHelpBesideMainWindow(s);
  if (!CreateAppWindow(kHelpWindowId, s.helpX, s.helpY, s.helpW, s.helpH,
                       WindowTitleOf("Math Help"), kHelpFrame)) {
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
  Shell().helpPlaced = true;
  Settings& s = Shell().settings;
  s.helpX = WindowLeft(kHelpWindowId);
  s.helpY = WindowTop(kHelpWindowId);
  s.helpW = InnerWidth(kHelpWindowId);
  s.helpH = InnerHeight(kHelpWindowId);  // menu bar included, as the window is opened
  PlaceGadget(kHelpTextArea, 0, 0, s.helpW, s.helpH - MenuBarHeight());
  SaveSettings({&Settings::helpX, &Settings::helpY, &Settings::helpW, &Settings::helpH});
}

}  // namespace brindle
