#include "shell/program.h"

#include "gadgets/gadgets.h"
#include "pages/page_layout.h"
#include "shell/about_window.h"
#include "shell/help_window.h"
#include "shell/main_window.h"
#include "shell/menu_items.h"
#include "shell/settings_path.h"
#include "shell/shell_state.h"

namespace brindle {

namespace {

// Whether the loop goes on after an event.
enum class Next { Continue, End };

void ChooseUnits(GadgetId choice) {
  Settings& s = Shell().settings;
  s.calcU = SelectedItem(choice);
  SaveSettings({&Settings::calcU});
}

// Hard and Soft act as one two-way choice: the box clicked ends up checked.
void ChooseMaterial(bool hard) {
  SelectItem(kHardBox, hard ? 1 : 0);
  SelectItem(kSoftBox, hard ? 0 : 1);
}

// A dispatch row: an id, and either its handler or the end of the program.
struct Row {
  int id;
  void (*handle)();  // nullptr: the program ends at once
};

// Gadget ids are global: the window that reported the event does not matter.
constexpr Row kGadgetTable[] = {
    {kConvertButton, RunCalculation},
    {kCloseButton, nullptr},
    {kUnitsChoice, [] { ChooseUnits(kUnitsChoice); }},
    {kCalcButton, RunCalculation},
    {kBoltCircleUnitsChoice, [] { ChooseUnits(kBoltCircleUnitsChoice); }},
    {kHardBox, [] { ChooseMaterial(true); }},
    {kSoftBox, [] { ChooseMaterial(false); }},
    {kWebsiteLink, OpenAuthorWebSite},
    {kAboutOkButton, CloseAbout},
    {kHelpButton, ShowHelp},
    {kClearButton, ClearPage},
};

// Both menu bars share one numbering; the calculators' items and the help
// topics are found in the registry.
constexpr Row kMenuTable[] = {
    {kExitItem, nullptr},    {kHelpItem, ShowHelp},       {kWebsiteItem, OpenAuthorWebSite},
    {kAboutItem, OpenAbout}, {kCloseHelpItem, CloseHelp},
};

template <size_t N>
Next Dispatch(const Row (&table)[N], int id) {
  for (const Row& row : table) {
    if (row.id != id) continue;
    if (!row.handle) return Next::End;
    row.handle();
    break;
  }
  return Next::Continue;
}

// The calculator whose id is `item` counted from `first`, if there is one.
const Calculator* CalculatorOfItem(MenuItemId item, MenuItemId first) {
  const bool inRange = item >= first && item < first + kMenuItemRange;
  return inRange ? FindCalculator(item - first) : nullptr;
}

Next DispatchMenu(MenuItemId item) {
  if (const Calculator* calculator = CalculatorOfItem(item, kFirstCalculatorItem)) {
    // Choosing the calculator already shown does nothing.
    if (calculator->id != Shell().settings.calcW) ShowCalculator(calculator->id);
    return Next::Continue;
  }
  if (const Calculator* calculator = CalculatorOfItem(item, kFirstHelpTopicItem)) {
    ShowHelpText(calculator->id);
    return Next::Continue;
  }
  return Dispatch(kMenuTable, item);
}

Next DispatchClose(WindowId window) {
  if (window == kMainWindowId) return Next::End;
  if (window == kAboutWindowId) CloseAbout();
  if (window == kHelpWindowId) CloseHelp();
  return Next::Continue;
}

}  // namespace

std::string SettingsPathFor(const std::string& programFile) {
  return ChooseSettingsPath(LookAtSettingsPlace(programFile));
}

void StartProgram(const std::string& settingsPath) {
  ShellState& shell = Shell();
  shell = ShellState{};
  shell.settingsPath = settingsPath;
  LoadSettings();
  OpenMainWindow();
  LayOutCalculator();
}

bool DispatchEvent(const Event& event) {
  Next next = Next::Continue;
  switch (event.kind) {
    case EventKind::MenuEvent:
      next = DispatchMenu(event.item);
      break;
    case EventKind::GadgetEvent:
      next = Dispatch(kGadgetTable, event.item);
      if (next == Next::Continue) ArrangeShownPage(event.item);
      break;
    case EventKind::CloseEvent:
      next = DispatchClose(event.window);
      break;
    case EventKind::MoveEvent:
      if (event.window == kMainWindowId) SaveMainPosition();
      if (event.window == kHelpWindowId) SaveHelpGeometry();
      break;
    case EventKind::SizeEvent:
      if (event.window == kHelpWindowId) SaveHelpGeometry();
      break;
    case EventKind::None:
      break;
  }
  return next == Next::Continue;
}

void RunEventLoop() {
  while (DispatchEvent(WaitEvent())) {
  }
}

void EndProgram() {
  // Every setting was written when it changed: nothing is saved here.
  for (WindowId window : {kHelpWindowId, kAboutWindowId, kMainWindowId}) {
    if (WindowExists(window)) DestroyAppWindow(window);
  }
  Shell() = ShellState{};
  ForgetKeptTexts();
}

}  // namespace brindle
