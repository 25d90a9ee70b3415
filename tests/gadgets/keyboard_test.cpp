// Tab and Shift+Tab: creation order among focusable, enabled, visible controls,
// wrapping at both ends, in every window.

#include <vector>

#include "gadget_test_support.h"
#include "gadgets/gadget_table.h"

namespace {

using KeyboardTest = GadgetTest;

std::vector<GadgetId> FocusWalk(WindowId window, TestKey key, int steps) {
  std::vector<GadgetId> seen;
  for (int i = 0; i < steps; ++i) {
    PressKey(window, key);
    seen.push_back(FocusedGadget());
  }
  return seen;
}

// Created in an order that differs from their places on screen; the labels and
// the link take no focus.
void MakeTabPage() {
  CreateLabel(29, 10, 10, 40, 20, "Units");
  CreateEditField(40, 60, 100, 90, 20, "");
  CreateHyperlink(99, 10, 200, 110, 20, "example.org", 0);
  CreateComboBox(15, 60, 10, 90, 20);
  AddItem(15, -1, "Fractions");
  CreateEditField(13, 60, 40, 90, 20, "", kReadOnly);
  CreateButton(22, 330, 10, 40, 30, "Calc");
  CreateCheckBox(47, 230, 160, 50, 20, "Acute");
  CreateTextArea(108, 200, 40, 100, 60, kReadOnly);
}

TEST_F(KeyboardTest, TabFollowsCreationOrderAndWraps) {
  OpenWindow(0);
  MakeTabPage();
  ActivateWindow(0);
  ASSERT_TRUE(WaitUntil([] { return WindowActive(0); }));
  TypeText(40, "");  // start in the first field
  ASSERT_EQ(FocusedGadget(), 40);
  const std::vector<GadgetId> forward = {15, 13, 22, 47, 108, 40, 15};
  EXPECT_EQ(FocusWalk(0, TestKey::Tab, 7), forward);
  const std::vector<GadgetId> backward = {40, 108, 47, 22, 13, 15, 40};
  EXPECT_EQ(FocusWalk(0, TestKey::BackTab, 7), backward);
  EXPECT_TRUE(TakeAllEvents().empty()) << "moving the focus reports nothing";
}

TEST_F(KeyboardTest, DisabledControlsAreSkipped) {
  OpenWindow(0);
  MakeTabPage();
  ActivateWindow(0);
  ASSERT_TRUE(WaitUntil([] { return WindowActive(0); }));
  // The program has no call for this; the toolkit's rule is checked directly.
  gadget_layer::GadgetWidget(22)->setEnabled(false);
  TypeText(13, "");
  EXPECT_EQ(FocusWalk(0, TestKey::Tab, 2), (std::vector<GadgetId>{47, 108}));
  EXPECT_EQ(FocusWalk(0, TestKey::BackTab, 3), (std::vector<GadgetId>{47, 13, 15}));
}

TEST_F(KeyboardTest, EveryWindowHasItsOwnOrder) {
  OpenWindow(1);
  CreateButton(104, 160, 100, 70, 30, "OK");
  CreateHyperlink(99, 100, 70, 110, 20, "example.org", 0);
  CreateEditField(5, 10, 10, 60, 20, "");
  ActivateWindow(1);
  ASSERT_TRUE(WaitUntil([] { return WindowActive(1); }));
  TypeText(104, "");
  EXPECT_EQ(FocusWalk(1, TestKey::Tab, 3), (std::vector<GadgetId>{5, 104, 5}));
  // Space on a focused button presses it.
  PressKey(1, TestKey::Tab);
  ASSERT_EQ(FocusedGadget(), 104);
  PressKey(1, TestKey::Space);
  const std::vector<Event> events = TakeAllEvents();
  ASSERT_EQ(events.size(), 1u);
  EXPECT_EQ(events[0].item, 104);
}

}  // namespace
