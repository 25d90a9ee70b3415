// The gadget layer as the pages see it, one action after another on one
// window: what the user does queues one event for its control, what the
// program does queues none; so do typing into a read-only field, a disabled
// window's close box, input while a message box is open and clicks on
// controls or windows destroyed before their events are taken.

#include <gtest/gtest.h>

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "gadgets/gadget_testing.h"
#include "gadgets/gadgets.h"

using namespace brindle;

namespace {

// Everything queued now, after the toolkit delivered what was pending.
std::vector<Event> TakeAllEvents() {
  std::vector<Event> events;
  while (std::optional<Event> e = PollEvent())
    events.push_back(*e);
  return events;
}

// Events as text, "gadget 3 22", "menu 0 6", "close 0 -1" (kind, window,
// item), so that a whole list compares and prints.
using Reports = std::vector<std::string>;
Reports Reported(const std::vector<Event>& events) {
  static const char* const kKinds[] = {"none", "gadget", "menu", "close", "move", "size"};
  Reports reports;
  for (const Event& e : events) {
    reports.push_back(kKinds[static_cast<int>(e.kind)] + (" " + std::to_string(e.window)) + " " +
                      std::to_string(e.item));
  }
  return reports;
}

class EventsTest : public ::testing::Test {
 protected:
  void TearDown() override {
    for (WindowId w : {2, 3})
      DestroyAppWindow(w);
    TakeAllEvents();
  }
  // A fixed-size window with a title bar and close box, ready for controls.
  static void OpenWindow(WindowId id) {
    ASSERT_TRUE(CreateAppWindow(id, 100 + 20 * id, 80 + 20 * id, 400, 300, "Test window",
                                kTitleBar | kCloseBox));
    UseWindowForControls(id);
  }
};

// Everything a user might try while the box is open, and what the box shows.
void ShowBoxAndTryInput() {
  MessageBoxView seen;
  OnNextMessageBox([&](const MessageBoxView& view) {
    seen = view;
    ClickGadget(22);
    ClickGadget(105);
    TypeText(40, "12");
    ChooseMenuItem(3, 3);
    ClickCloseBox(3);
    ClickCloseBox(2);
  });
  const int shown = MessageBoxCount();
  ShowMessage("<b>&Title</b>", "a < b & c\r\nline two");  // no markup, no mnemonics
  EXPECT_EQ(MessageBoxCount(), shown + 1);
  EXPECT_EQ((std::vector{seen.title, seen.text, seen.buttons}),
            (std::vector<std::string>{"<b>&Title</b>", "a < b & c\r\nline two", "OK"}));
  EXPECT_FALSE(seen.hasIcon);
  EXPECT_EQ(GetText(40), "");
}

TEST_F(EventsTest, EachActionQueuesItsEvents) {
  OpenWindow(2);
  CreateButton(105, 10, 10, 50, 30, "Help");
  OpenWindow(3);
  CreateMenuBar(3);
  AddMenuTitle("Calculate");
  AddMenuItem(3, "Box");
  AddMenuItem(2, "Bender");
  AddMenuItem(5, "Exit");
  AddMenuTitle("Help");
  AddSubmenu("Notes");
  AddMenuItem(7, "Shop");
  AddMenuSeparator();
  EndSubmenu();
  AddMenuItem(6, "R&D notes");
  // Created in an order that differs from their places on screen.
  CreateButton(22, 330, 250, 50, 30, "Calc");
  CreateCheckBox(69, 10, 50, 60, 20, "Hard");
  CreateComboBox(15, 10, 80, 100, 20);
  CreateEditField(40, 10, 110, 90, 20, "");
  CreateHyperlink(99, 10, 140, 110, 20, "example.org", 0x000000);
  CreateLabel(29, 10, 170, 40, 20, "Units");
  CreateTextArea(108, 150, 10, 200, 100, kReadOnly);
  CreateEditField(41, 10, 10, 90, 20, "", kReadOnly);
  AddItem(15, "Fractions");
  AddItem(15, "Decimal");
  EXPECT_EQ(SelectedItem(15), -1) << "the program filled it, the user chose nothing";
  EXPECT_EQ(SelectedItem(40), 0);
  SetToolTip(15, "Units");
  SetToolTip(15, "Current format");
  EXPECT_EQ(ToolTipOf(15), "Current format");
  SetEnterGadget(3, 22);
  WaitUntil([] { return false; }, 800);  // the windows come to rest, with room for a slow build
  TakeAllEvents();
  const std::pair<std::function<void()>, Reports> rows[] = {
      {[] { SelectItem(15, 0); }, {}},
      {ShowBoxAndTryInput, {}},
      {[] { ClickGadget(22); }, {"gadget 3 22"}},
      {[] { ClickGadget(69); }, {"gadget 3 69"}},
      {[] { ChooseComboItem(15, 1); }, {"gadget 3 15"}},
      {[] { ChooseComboItem(15, 1); }, {"gadget 3 15"}},  // the same entry again
      {[] { ClickGadget(99); }, {"gadget 3 99"}},
      {[] { ClickGadget(29); }, {}},   // a label
      {[] { ClickGadget(108); }, {}},  // a text area
      {[] { TypeText(40, "3 1/2"); }, Reports(5, "gadget 3 40")},
      {[] { PressKey(3, TestKey::Enter); }, {"gadget 3 22"}},
      {[] { EXPECT_EQ(GetText(40), "3 1/2"); }, {}},
      {[] { TypeText(41, "12"); }, {}},  // read-only: it takes the focus, not the typing
      {[] { EXPECT_EQ(GetText(41), ""); }, {}},
      {[] { PressKey(3, TestKey::Enter); }, {"gadget 3 22"}},
      {[] { ChooseMenuItem(3, 3); }, {"menu 3 3"}},
      {[] { ChooseMenuItem(3, 7); }, {"menu 3 7"}},  // in a submenu
      {[] { ChooseMenuItem(3, 42); }, {}},
      {[] { ClickCloseBox(3); }, {"close 3 -1"}},  // which leaves the window open
      {[] { SetWindowEnabled(3, false); }, {}},
      {[] { ClickCloseBox(3); }, {}},
      {[] { SetWindowEnabled(3, true); }, {}},
      {[] {  // the program's own changes
         SetText(40, "12"), SetText(22, "Calculate"), SetText(99, "example.com");
         SelectItem(69, 0), AddItem(15, "Meters"), SetText(108, "help");
       },
       {}},
      {[] { ClickGadget(69); }, {"gadget 3 69"}},
      {[] { EXPECT_EQ(SelectedItem(69), 1) << "the platform toggles it"; }, {}},
      {[] { SetEnterGadget(3, -1); }, {}},
      {[] { PressKey(3, TestKey::Enter); }, {}},
      {[] {  // what WaitEvent hands out, one after another
         ClickGadget(22), ClickGadget(69);
         EXPECT_EQ(Reported({WaitEvent(), WaitEvent()}), (Reports{"gadget 3 22", "gadget 3 69"}));
       },
       {}},
      // A click on a control replaced, and a click and a close box in a window
      // destroyed, before they are taken; a control for a window that is gone.
      {[] { ClickGadget(22), ProcessPendingEvents(), DestroyGadget(22); }, {}},
      {[] { CreateButton(22, 330, 250, 50, 30, "Calc"); }, {}},
      {[] { ClickGadget(105), ClickCloseBox(2), ProcessPendingEvents(), DestroyAppWindow(2); }, {}},
      {[] { UseWindowForControls(2), CreateButton(50, 0, 0, 10, 10, "x"); }, {}},
      {[] { EXPECT_FALSE(GadgetExists(105) || GadgetExists(50)); }, {}},
      {[] { EXPECT_EQ(ControlCount(3), 8); }, {}},
  };
  for (size_t i = 0; i < std::size(rows); ++i) {
    rows[i].first();
    EXPECT_EQ(Reported(TakeAllEvents()), rows[i].second) << "row " << i;
  }
  EXPECT_TRUE(WindowExists(3));
}

}  // namespace
