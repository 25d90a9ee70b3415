#pragma once
// Drives the calculator pages through the whole program: the real menu, the
// real fields and buttons, the real dispatch.

#include <functional>
#include <optional>
#include <ostream>
#include <string>
#include <utility>
#include <vector>

#include "gadgets/gadget_testing.h"
#include "gadgets/gadgets.h"
#include "pages/pages.h"
#include "tests/support/program_fixture.h"

// Menu items, which are also the values of CalcW.
enum PageItem : MenuItemId {
  kTriangle = 0,
  kCircle = 1,
  kBender = 2,
  kSquare = 3,
  kConverter = 4,
};
inline constexpr PageItem kAllPages[] = {kTriangle, kCircle, kBender, kSquare, kConverter};

// Buttons every calculator page shares.
inline constexpr GadgetId kCalcButton = 22;
inline constexpr GadgetId kConvertButton = 4;
inline constexpr GadgetId kClearButton = 106;

// A gadget and the text typed into it.
using Typed = std::vector<std::pair<GadgetId, std::string>>;

class PageTest : public ProgramTest {
 protected:
  // Starts the program on `page`, with the units choice saved as `calcU`.
  void StartOn(PageItem page, int calcU = 0);
  // Chooses the page from the menu.
  void Show(PageItem page);

  // Types each text into its empty field, as a user would.
  void Type(const Typed& typed);
  // Clicks a control and lets the program handle what follows.
  void Click(GadgetId id);
  // Clicks a button that is to open a message box, and returns what the box
  // showed; nullopt when none opened.
  std::optional<MessageBoxView> ClickForMessage(GadgetId id);
  // Clicks a calculation's button, expecting results and no message box.
  void Calculate(GadgetId button);

  // The ids in use on the page shown, 0 to 107, in ascending order.
  static std::vector<GadgetId> PageGadgets();
  static std::vector<GadgetId> PageGadgets(ControlKind kind);
};

// What every control of the page shows: its text and its selection.
struct ControlState {
  GadgetId id;
  std::string text;
  int selected;
  bool operator==(const ControlState&) const = default;
};
std::vector<ControlState> PageState();
void PrintTo(const ControlState& state, std::ostream* os);
