// Events and input: what the user does reaches the queue by id, what the
// program does itself does not; Tab and Shift+Tab wrap and queue nothing; and
// message boxes hold back all input while they are open.

#include <functional>
#include <string>
#include <vector>

#include "tests/support/gadget_fixture.h"

namespace {

using EventsTest = GadgetTest;
using KeyboardTest = GadgetTest;
using MessageBoxTest = GadgetTest;

void PressKeyTimes(TestKey key, int times) {
  for (int i = 0; i < times; ++i)
    PressKey(3, key);
}

// Alt and a menu title's access letter, then an item's letter in the open menu.
void PressAccessLetters(char title, char item) {
  PressLetter(3, title, true);
  PressLetter(3, item);
}

TEST_F(EventsTest, UserActionsQueueOneEventForTheirControlAndTheProgramsNone) {
  OpenWindow(3);
  CreateMenuBar(0, 3);
  AddMenuTitle("Calculate");
  AddMenuItem(3, "Box");
  AddMenuItem(2, "Bender");
  AddMenuSeparator();
  AddMenuItem(5, "Exit");
  AddMenuTitle("Help");
  AddMenuItem(6, "R&D notes");
  CreateButton(22, 10, 10, 50, 30, "Calc");
  CreateCheckBox(69, 10, 50, 60, 20, "Hard");
  CreateComboBox(15, 10, 80, 100, 20);
  AddItem(15, -1, "Fractions");
  AddItem(15, -1, "Decimal");
  SelectItem(15, 0);
  CreateEditField(40, 10, 110, 90, 20, "");
  CreateHyperlink(99, 10, 140, 110, 20, "example.org", 0x000000);
  CreateLabel(29, 10, 170, 40, 20, "Units");
  CreateTextArea(108, 150, 10, 200, 100, kReadOnly);
  CreateEditField(41, 10, 200, 90, 20, "", kReadOnly);
  SetEnterGadget(3, 22);
  SettleAndTakeEvents();
  struct Row {
    const char* what;
    std::function<void()> act;
    Reports expected;
  };
  const Row rows[] = {
      // Access letters: the first letter free in its menu, whatever the case. First,
      // while the window is active: offscreen, a closed drop-down list leaves it inactive.
      {"Alt+C, then B", [] { PressAccessLetters('c', 'b'); }, {"menu 3 3"}},
      {"Alt+C, then E", [] { PressAccessLetters('c', 'e'); }, {"menu 3 2"}},
      {"Alt+C, then X", [] { PressAccessLetters('c', 'x'); }, {"menu 3 5"}},
      {"Alt+H, then R", [] { PressAccessLetters('h', 'r'); }, {"menu 3 6"}},
      {"(texts as given)",
       [] { EXPECT_EQ(MenuItemText(3, 6) + MenuItemText(3, 5), "R&D notesExit"); },
       {}},
      {"button click", [] { ClickGadget(22); }, {"gadget 3 22 click"}},
      {"check box click", [] { ClickGadget(69); }, {"gadget 3 69 click"}},
      {"drop-down choice", [] { ChooseComboItem(15, 1); }, {"gadget 3 15 change"}},
      {"same entry chosen again", [] { ChooseComboItem(15, 1); }, {"gadget 3 15 change"}},
      {"link released over it", [] { ClickGadget(99); }, {"gadget 3 99 click"}},
      {"label click", [] { ClickGadget(29); }, {}},
      {"text area click", [] { ClickGadget(108); }, {}},
      {"typing", [] { TypeText(40, "3 1/2"); }, Reports(5, "gadget 3 40 change")},
      {"Enter in the field", [] { PressKey(3, TestKey::Enter); }, {"gadget 3 22 enter"}},
      {"(Enter changed nothing else)", [] { EXPECT_EQ(GetText(40), "3 1/2"); }, {}},
      {"typing into the read-only field", [] { TypeText(41, "12"); }, {}},
      {"Enter there too", [] { PressKey(3, TestKey::Enter); }, {"gadget 3 22 enter"}},
      {"menu choice", [] { ChooseMenuItem(3, 3); }, {"menu 3 3"}},
      {"no such menu item", [] { ChooseMenuItem(3, 42); }, {}},
      {"close box, which leaves the window open", [] { ClickCloseBox(3); }, {"close 3 -1"}},
      {"the program sets a field", [] { SetText(40, "12"); }, {}},
      {"the program sets a caption", [] { SetText(22, "Calculate"); }, {}},
      {"the program sets a link", [] { SetText(99, "example.com"); }, {}},
      {"the program selects an entry", [] { SelectItem(15, 0); }, {}},
      {"the program clears a check box", [] { SelectItem(69, 0); }, {}},
      {"the program adds an entry", [] { AddItem(15, -1, "Meters"); }, {}},
      {"the program sets the text area", [] { SetText(108, "help"); }, {}},
      {"a second check box click", [] { ClickGadget(69); }, {"gadget 3 69 click"}},
      {"the focus moved round every control", [] { PressKeyTimes(TestKey::Tab, 8); }, {}},
      {"the Enter gadget turned off", [] { SetEnterGadget(3, -1); }, {}},
      {"focus to the field", [] { TypeText(40, ""); }, {}},
      {"Enter without an Enter gadget", [] { PressKey(3, TestKey::Enter); }, {}},
  };
  for (const Row& row : rows) {
    row.act();
    EXPECT_EQ(Reported(TakeAllEvents()), row.expected) << row.what;
  }
  EXPECT_EQ(SelectedItem(69), 1) << "the platform toggles a check box on a click";
  EXPECT_EQ(GetText(41), "") << "a read-only field takes the focus, not the typing";
  ProcessPendingEvents();
  EXPECT_TRUE(WindowExists(3));
  EXPECT_EQ(InnerWidth(3), 400);
}

TEST_F(EventsTest, EventsOfDestroyedControlsAndWindowsAreDropped) {
  OpenWindow(0);
  OpenWindow(1);
  UseWindowForControls(0);
  CreateButton(22, 10, 10, 50, 30, "Calc");
  UseWindowForControls(1);
  CreateButton(104, 10, 10, 50, 30, "OK");
  ClickGadget(22);
  ClickGadget(104);
  ClickCloseBox(1);
  ProcessPendingEvents();
  // The page is replaced before the click is taken: its id now names a new control.
  DestroyGadget(22);
  UseWindowForControls(0);
  CreateButton(22, 10, 10, 50, 30, "Calculate");
  DestroyAppWindow(1);
  EXPECT_FALSE(GadgetExists(104));
  EXPECT_TRUE(TakeAllEvents().empty());
  // Controls for a window that is gone go nowhere.
  UseWindowForControls(1);
  CreateButton(50, 0, 0, 10, 10, "x");
  EXPECT_FALSE(GadgetExists(50));
}

TEST_F(EventsTest, WaitEventHandsOutQueuedEventsInOrder) {
  OpenWindow(3);
  CreateButton(22, 10, 10, 50, 30, "Calc");
  CreateButton(9, 10, 50, 50, 30, "Close");
  SettleAndTakeEvents();
  ClickGadget(22);
  ClickGadget(9);
  EXPECT_EQ(Reported({WaitEvent(), WaitEvent()}),
            (Reports{"gadget 3 22 click", "gadget 3 9 click"}));
}

std::vector<GadgetId> FocusWalk(TestKey key, int steps) {
  std::vector<GadgetId> seen;
  for (int i = 0; i < steps; ++i) {
    PressKey(1, key);
    seen.push_back(FocusedGadget());
  }
  return seen;
}

TEST_F(KeyboardTest, TabFollowsCreationOrderWrapsAndSkipsWhatTakesNoFocus) {
  OpenWindow(1);
  // Created in an order that differs from their places on screen.
  CreateLabel(29, 10, 10, 40, 20, "Units");
  CreateEditField(40, 60, 100, 90, 20, "");
  CreateHyperlink(99, 10, 200, 110, 20, "example.org", 0);
  CreateComboBox(15, 60, 10, 90, 20);
  AddItem(15, -1, "Fractions");
  CreateEditField(13, 60, 40, 90, 20, "", kReadOnly);
  CreateButton(22, 330, 10, 40, 30, "Calc");
  CreateCheckBox(47, 230, 160, 50, 20, "Acute");
  CreateTextArea(108, 200, 40, 100, 60, kReadOnly);
  ActivateWindow(1);
  ASSERT_TRUE(WaitUntil([] { return WindowActive(1); }));
  TypeText(40, "");  // start in the first field
  ASSERT_EQ(FocusedGadget(), 40);
  EXPECT_EQ(FocusWalk(TestKey::Tab, 7), (std::vector<GadgetId>{15, 13, 22, 47, 108, 40, 15}));
  EXPECT_EQ(FocusWalk(TestKey::BackTab, 7), (std::vector<GadgetId>{40, 108, 47, 22, 13, 15, 40}));
  EXPECT_TRUE(TakeAllEvents().empty()) << "moving the focus reports nothing";
}

// The program's own messages are checked on its pages.
TEST_F(MessageBoxTest, ShowsTitleAndTextAsGivenWithOneOkAndNoIconAndHoldsBackAllInput) {
  OpenWindow(0);
  CreateMenuBar(0, 0);
  AddMenuTitle("Calculate");
  AddMenuItem(1, "Bolt Circle");
  CreateButton(22, 10, 10, 50, 30, "Calc");
  CreateEditField(40, 10, 50, 90, 20, "");
  OpenWindow(2);
  CreateButton(105, 10, 10, 50, 30, "Help");
  SettleAndTakeEvents();
  const int before = MessageBoxCount();
  MessageBoxView seen;
  bool openWhileHandled = false;
  OnNextMessageBox([&](const MessageBoxView& view) {
    seen = view;
    openWhileHandled = MessageBoxOpen();
    ClickGadget(22);
    ClickGadget(105);
    TypeText(40, "12");
    ChooseMenuItem(0, 1);
    ClickCloseBox(0);
    ClickCloseBox(2);
  });
  ShowMessage("<b>&Title</b>", "a < b & c\r\nline two");  // no markup, no mnemonics
  EXPECT_EQ(seen.title, "<b>&Title</b>");
  EXPECT_EQ(seen.text, "a < b & c\r\nline two");
  EXPECT_EQ(seen.buttons, "OK");
  EXPECT_FALSE(seen.hasIcon);
  EXPECT_TRUE(openWhileHandled);
  EXPECT_FALSE(MessageBoxOpen());
  EXPECT_EQ(MessageBoxCount(), before + 1);
  EXPECT_TRUE(TakeAllEvents().empty());
  EXPECT_EQ(GetText(40), "");
  // Afterwards the windows take input again.
  ClickGadget(22);
  EXPECT_EQ(Reported(TakeAllEvents()), Reports{"gadget 0 22 click"});
}

}  // namespace
