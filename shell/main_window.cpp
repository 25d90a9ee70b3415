#include "shell/main_window.h"

#include <iterator>
#include <string>
#include <vector>

#include "gadgets/gadgets.h"
#include "pages/page_layout.h"
#include "shell/menu_items.h"
#include "shell/shell_state.h"

namespace brindle {

namespace {

// The calculator shown, or nullptr when CalcW names none.
const Calculator* Shown() {
  return FindCalculator(Shell().settings.calcW);
}

// The Calculate menu: the first five calculators, then a submenu for each
// group that has calculators, then Exit.
void AddCalculateMenu() {
  AddMenuTitle("Calculate");
  for (const Calculator* calculator : CalculatorsIn(MenuGroup::kTop))
    AddMenuItem(CalculatorItem(calculator->id), std::string(calculator->menuText));
  AddMenuSeparator();
  for (size_t group = 1; group < std::size(kMenuGroupNames); ++group) {
    const std::vector<const Calculator*> calculators = CalculatorsIn(MenuGroup(group));
    if (calculators.empty()) continue;
    AddSubmenu(std::string(kMenuGroupNames[group]));
    for (const Calculator* calculator : calculators)
      AddMenuItem(CalculatorItem(calculator->id), std::string(calculator->menuText));
    EndSubmenu();
  }
  AddMenuItem(kExitItem, "Exit");
}

}  // namespace

void OpenMainWindow() {
  const Settings& s = Shell().settings;
  if (!CreateAppWindow(kMainWindowId, s.winX, s.winY, 600, 300, std::string(kProgramName),
                       kTitleBar | kCloseBox)) {
    return;
  }
  CreateMenuBar(kMainWindowId);
  AddCalculateMenu();
  AddMenuTitle("Help");
  AddMenuItem(kHelpItem, "Help");
  AddMenuItem(kWebsiteItem, "Website");
  AddMenuItem(kAboutItem, "About");
  SetHelpKey(kMainWindowId, kHelpItem);
}

void LayOutCalculator() {
  const Calculator* calculator = Shown();
  if (!calculator || !WindowExists(kMainWindowId)) return;
  const Settings& s = Shell().settings;
  LayOutPage(*calculator, PagePlacement{s.winX, s.winY, s.calcU});
}

void ShowCalculator(int calculatorId) {
  if (const Calculator* old = Shown()) RemovePage(*old);
  Shell().settings.calcW = calculatorId;
  SaveSettings({&Settings::calcW});
  LayOutCalculator();
}

void ArrangeShownPage(int changed) {
  if (const Calculator* calculator = Shown()) ChoiceChanged(*calculator, changed);
}

void RunCalculation() {
  if (const Calculator* calculator = Shown()) RunCalculation(*calculator);
}

void ClearPage() {
  if (const Calculator* calculator = Shown()) ClearPage(*calculator);
}

void SaveMainPosition() {
  Settings& s = Shell().settings;
  s.winX = WindowLeft(kMainWindowId);
  s.winY = WindowTop(kMainWindowId);
  SaveSettings({&Settings::winX, &Settings::winY});
}

}  // namespace brindle
