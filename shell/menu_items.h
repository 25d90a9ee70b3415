#pragma once
// The menu items of both menu bars, each in a range of its own: the shell's
// own items, then one item per calculator in the Calculate menu and one per
// help topic in the help window's menu, numbered from the calculator's id.

#include "gadgets/gadgets.h"

namespace brindle {

inline constexpr MenuItemId kExitItem = 5;
inline constexpr MenuItemId kHelpItem = 6;  // "Help", which F1 chooses too
inline constexpr MenuItemId kWebsiteItem = 7;
inline constexpr MenuItemId kAboutItem = 8;
inline constexpr MenuItemId kCloseHelpItem = 15;  // the help window's "Close"

inline constexpr MenuItemId kFirstCalculatorItem = 1000;
inline constexpr MenuItemId kFirstHelpTopicItem = 2000;
inline constexpr MenuItemId kMenuItemRange = 1000;  // calculators each range holds

inline constexpr MenuItemId CalculatorItem(int calculatorId) {
  return kFirstCalculatorItem + calculatorId;
}
inline constexpr MenuItemId HelpTopicItem(int calculatorId) {
  return kFirstHelpTopicItem + calculatorId;
}

}  // namespace brindle
