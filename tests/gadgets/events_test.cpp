// Events through the real WaitEvent: what the user does reaches the queue by
// id; what the program does itself does not.

#include <sys/resource.h>

#include <chrono>
#include <functional>

#include "gadget_test_support.h"

namespace {

using EventsTest = GadgetTest;

double CpuSeconds() {
  rusage usage{};
  getrusage(RUSAGE_SELF, &usage);
  return static_cast<double>(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) +
         static_cast<double>(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
}

// One control of each kind that reports, in window 3.
void MakeControls() {
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
}

TEST_F(EventsTest, UserActionsQueueOneEventForTheirControl) {
  OpenWindow(3);
  MakeControls();
  SettleAndTakeEvents();
  struct Row {
    const char* what;
    std::function<void()> act;
    GadgetId expected;  // -1: nothing
  };
  const Row rows[] = {
      {"button click", [] { ClickGadget(22); }, 22},
      {"check box click", [] { ClickGadget(69); }, 69},
      {"drop-down choice", [] { ChooseComboItem(15, 1); }, 15},
      {"same entry chosen again", [] { ChooseComboItem(15, 1); }, 15},
      {"link released over it", [] { ClickGadget(99); }, 99},
      {"link released away from it", [] { PressGadgetReleaseOutside(99); }, -1},
      {"label click", [] { ClickGadget(29); }, -1},
      {"text area click", [] { ClickGadget(108); }, -1},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.what);
    row.act();
    const std::vector<Event> events = TakeAllEvents();
    if (row.expected < 0) {
      EXPECT_TRUE(events.empty());
      continue;
    }
    ASSERT_EQ(events.size(), 1u);
    EXPECT_TRUE(SameEvent(events[0], {EventKind::GadgetEvent, 3, row.expected, {}}));
  }
  EXPECT_EQ(SelectedItem(69), 1) << "the platform toggles a check box on a click";
  EXPECT_EQ(SelectedItem(15), 1);
}

TEST_F(EventsTest, TypingReportsChangesOfTheField) {
  OpenWindow(3);
  MakeControls();
  TakeAllEvents();
  TypeText(40, "3 1/2");
  EXPECT_EQ(GetText(40), "3 1/2");
  const std::vector<Event> events = TakeAllEvents();
  ASSERT_FALSE(events.empty());
  for (const Event& e : events) {
    EXPECT_TRUE(SameEvent(e, {EventKind::GadgetEvent, 3, 40, {}}));
    EXPECT_EQ(e.action, GadgetAction::Change);
  }
}

TEST_F(EventsTest, ProgramChangesAndFocusQueueNothing) {
  OpenWindow(3);
  MakeControls();
  SetText(40, "12");
  SetText(22, "Calculate");
  SetText(99, "example.com");
  SelectItem(15, 1);
  SelectItem(69, 1);
  AddItem(15, -1, "Meters");
  SetText(108, "help");
  for (int i = 0; i < 8; ++i)
    PressKey(3, TestKey::Tab);  // the focus visits every control
  EXPECT_TRUE(TakeAllEvents().empty());
}

TEST_F(EventsTest, EnterInAnyFieldPressesTheEnterGadget) {
  OpenWindow(3);
  MakeControls();
  CreateEditField(41, 10, 200, 90, 20, "", kReadOnly);
  SetEnterGadget(3, 22);
  TypeText(40, "5");
  TakeAllEvents();
  PressKey(3, TestKey::Enter);
  std::vector<Event> events = TakeAllEvents();
  ASSERT_EQ(events.size(), 1u);
  EXPECT_TRUE(SameEvent(events[0], {EventKind::GadgetEvent, 3, 22, {}}));
  EXPECT_EQ(events[0].action, GadgetAction::Enter);
  EXPECT_EQ(GetText(40), "5") << "nothing else changes";

  TypeText(41, "");  // focus to the read-only field: it counts too
  PressKey(3, TestKey::Enter);
  EXPECT_EQ(TakeAllEvents().size(), 1u);

  SetEnterGadget(3, -1);
  TypeText(40, "");
  PressKey(3, TestKey::Enter);
  EXPECT_TRUE(TakeAllEvents().empty());
}

TEST_F(EventsTest, MenuChoicesAndCloseBoxes) {
  OpenWindow(0);
  CreateMenuBar(0, 0);
  AddMenuTitle("Calculate");
  AddMenuItem(0, "Triangle");
  AddMenuItem(3, "Box");
  AddMenuSeparator();
  AddMenuItem(5, "Exit");
  ChooseMenuItem(0, 3);
  ChooseMenuItem(0, 42);  // no such item
  ClickCloseBox(0);
  const std::vector<Event> events = TakeAllEvents();
  ASSERT_EQ(events.size(), 2u);
  EXPECT_TRUE(SameEvent(events[0], {EventKind::MenuEvent, 0, 3, {}}));
  EXPECT_TRUE(SameEvent(events[1], {EventKind::CloseEvent, 0, -1, {}}));
  EXPECT_TRUE(WindowExists(0));
  ProcessPendingEvents();
  EXPECT_TRUE(WindowExists(0)) << "the close box leaves the window open";
  EXPECT_EQ(InnerWidth(0), 400);
}

TEST_F(EventsTest, DisabledWindowTakesNoInput) {
  OpenWindow(0);
  CreateMenuBar(0, 0);
  AddMenuTitle("Help");
  AddMenuItem(8, "About");
  CreateButton(22, 10, 10, 50, 30, "Calc");
  SetWindowEnabled(0, false);
  EXPECT_FALSE(WindowEnabled(0));
  ClickGadget(22);
  ChooseMenuItem(0, 8);
  ClickCloseBox(0);
  EXPECT_TRUE(TakeAllEvents().empty());
  SetWindowEnabled(0, true);
  ClickGadget(22);
  EXPECT_EQ(TakeAllEvents().size(), 1u);
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

TEST_F(EventsTest, WaitEventBlocksWithoutSpinning) {
  OpenWindow(3);
  SettleAndTakeEvents();
  QueueEventAfter(300, Event{EventKind::MenuEvent, 3, 6, GadgetAction::None});
  const double cpuBefore = CpuSeconds();
  const auto start = std::chrono::steady_clock::now();
  const Event e = WaitEvent();
  const auto waited = std::chrono::steady_clock::now() - start;
  const double cpuUsed = CpuSeconds() - cpuBefore;
  EXPECT_TRUE(SameEvent(e, {EventKind::MenuEvent, 3, 6, {}}));
  EXPECT_GE(waited, std::chrono::milliseconds(250));
  // A busy loop would burn the whole 300 ms.
  EXPECT_LT(cpuUsed, 0.1) << "CPU seconds used while waiting";
}

TEST_F(EventsTest, WaitEventHandsOutQueuedEventsInOrderFirst) {
  OpenWindow(3);
  CreateButton(22, 10, 10, 50, 30, "Calc");
  CreateButton(9, 10, 50, 50, 30, "Close");
  SettleAndTakeEvents();
  ClickGadget(22);
  ClickGadget(9);
  EXPECT_EQ(WaitEvent().item, 22);
  EXPECT_EQ(WaitEvent().item, 9);
}

}  // namespace
