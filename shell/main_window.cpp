#include "shell/main_window.h"

#include <array>

#include "gadgets/gadgets.h"
#include "pages/pages.h"
#include "shell/shell_state.h"

namespace {

// Menu bar 0 of the main window. A calculator's item id is its calculator id,
// which is why "Box" (3) stands before "Bender" (2).
struct MenuRow {
  const char* title;  // opens a new drop-down title when set
  MenuItemId item;    // -1 for a separator
  const char* text;
};
// "Help", which F1 chooses too: the help window on the calculator shown.
constexpr MenuItemId kHelpItem = 6;
constexpr MenuRow kMainMenu[] = {
    {"Calculate", 0, "Triangle"}, {nullptr, 1, "Bolt Circle"}, {nullptr, 3, "Box"},
    {nullptr, 2, "Bender"},       {nullptr, 4, "Conversions"}, {nullptr, -1, nullptr},
    {nullptr, 5, "Exit"},         {"Help", kHelpItem, "Help"}, {nullptr, 7, "Website"},
    {nullptr, 8, "About"},
};

// The calculators by calculator id: the page's layout and the Calc button's calculation.
struct Calculator {
  void (*layOut)(const PagePlacement&);
  void (*calculate)();
};
const std::array<Calculator, 5> kCalculators = {{
    {TrianglePage, TriangleCalculator},
    {CirclePage, CircleCalculator},
    {BenderPage, [] { BendCalculator(UnitsModeOf(Shell().settings.calcU)); }},
    {SquarePage, SquareCalculator},
    {ConverterPage, nullptr},  // the converter has its own Convert button
}};

const Calculator* FindCalculator(int calculatorId) {
  if (calculatorId < 0 || calculatorId >= static_cast<int>(kCalculators.size())) return nullptr;
  return &kCalculators[static_cast<size_t>(calculatorId)];
}

}  // namespace

void OpenMainWindow() {
  const Settings& s = Shell().settings;
  if (!CreateAppWindow(kMainWindowId, s.winX, s.winY, 600, 300, "Brindle's Math",
                       kTitleBar | kCloseBox)) {
    return;
  }
  CreateMenuBar(kMainWindowId);
  for (const MenuRow& row : kMainMenu) {
    if (row.title) AddMenuTitle(row.title);
    if (row.item < 0) {
      AddMenuSeparator();
    } else {
      AddMenuItem(row.item, row.text);
    }
  }
  SetHelpKey(kMainWindowId, kHelpItem);
}

void LayOutCalculator(int calculatorId) {
  const Calculator* calculator = FindCalculator(calculatorId);
  if (!calculator || !WindowExists(kMainWindowId)) return;
  const Settings& s = Shell().settings;
  calculator->layOut(PagePlacement{s.winX, s.winY, s.calcU});
}

void ShowCalculator(int calculatorId) {
  Shell().settings.calcW = calculatorId;
  SaveSettings({&Settings::calcW});
  RemovePage();
  LayOutCalculator(calculatorId);
}

void RunCalculation(int calculatorId) {
  const Calculator* calculator = FindCalculator(calculatorId);
  if (calculator && calculator->calculate) calculator->calculate();
}

void RemovePage() {
  for (GadgetId id = kFirstPageGadget; id <= kLastPageGadget; ++id) {
    if (GadgetExists(id)) DestroyGadget(id);
  }
}

void ClearPage() {
  for (GadgetId id = kFirstPageGadget; id <= kLastPageGadget; ++id) {
    if (GadgetKind(id) == ControlKind::EditField) SetText(id, "");
  }
}

void SaveMainPosition() {
  Settings& s = Shell().settings;
  s.winX = WindowLeft(kMainWindowId);
  s.winY = WindowTop(kMainWindowId);
  SaveSettings({&Settings::winX, &Settings::winY});
}
