// Windows: frames, inner sizes with and without a menu bar, fixed sizes, and
// which moves and resizes are reported (offscreen; see wm_geometry_test.cpp
// for the same under a real window manager).

#include <string>

#include "gadget_test_support.h"

namespace {

using WindowsTest = GadgetTest;

constexpr unsigned kMainFrame = kTitleBar | kCloseBox;
constexpr unsigned kHelpFrame = kTitleBar | kCloseBox | kSizingBorder | kMinimizeBox | kMaximizeBox;

TEST_F(WindowsTest, NewWindowStandsWhereAskedAndIsActive) {
  ASSERT_TRUE(CreateAppWindow(0, 346, 50, 600, 300, "Brindle's Math", kMainFrame));
  EXPECT_TRUE(WindowExists(0));
  EXPECT_EQ(WindowTitle(0), "Brindle's Math");
  EXPECT_EQ(WindowLeft(0), 346);
  EXPECT_EQ(WindowTop(0), 50);
  EXPECT_EQ(InnerWidth(0), 600);
  EXPECT_EQ(InnerHeight(0), 300);
  EXPECT_TRUE(WaitUntil([] { return WindowActive(0); }));
  EXPECT_TRUE(WindowEnabled(0));
  SetWindowTitle(0, "Triangles");
  EXPECT_EQ(WindowTitle(0), "Triangles");
  EXPECT_TRUE(SettleAndTakeEvents().empty()) << "creating a window is no user move";
  EXPECT_EQ(WindowLeft(0), 346);
  EXPECT_EQ(WindowTop(0), 50);
}

TEST_F(WindowsTest, MenuBarTakesItsHeightFromTheInnerArea) {
  ASSERT_TRUE(CreateAppWindow(0, 346, 50, 600, 300, "Brindle's Math", kMainFrame));
  CreateMenuBar(0, 0);
  AddMenuTitle("Calculate");
  AddMenuItem(0, "Triangle");
  const int bar = MenuBarHeight();
  EXPECT_GE(bar, 12);
  EXPECT_LE(bar, 40);
  EXPECT_EQ(InnerHeight(0), 300) << "the menu bar lies inside the 300 pixels";
  // A page frame: 379 x 219 below the bar.
  PlaceWindow(0, 346, 50, 379, 219 + bar);
  EXPECT_EQ(InnerWidth(0), 379);
  EXPECT_EQ(InnerHeight(0), 219 + bar);
  // Controls start below the bar: a button in the top row takes clicks, it is
  // not covered by the bar.
  UseWindowForControls(0);
  CreateButton(22, 0, 0, 50, bar, "Calc");
  ClickGadget(22);
  const std::vector<Event> events = TakeAllEvents();
  ASSERT_EQ(events.size(), 1u);
  EXPECT_EQ(events[0].item, 22);
  EXPECT_EQ(GadgetGeometry(22).y, 0);
}

TEST_F(WindowsTest, PlaceWindowKeepsWhatIsUnchanged) {
  ASSERT_TRUE(CreateAppWindow(2, 346, 50, 400, 330, "Math Help", kHelpFrame));
  PlaceWindow(2, kUnchanged, kUnchanged, 500, kUnchanged);
  EXPECT_EQ(InnerWidth(2), 500);
  EXPECT_EQ(InnerHeight(2), 330);
  PlaceWindow(2, 200, kUnchanged, kUnchanged, 250);
  WaitUntil([] { return WindowLeft(2) == 200; });
  EXPECT_EQ(WindowLeft(2), 200);
  EXPECT_EQ(WindowTop(2), 50);
  EXPECT_EQ(InnerWidth(2), 500);
  EXPECT_EQ(InnerHeight(2), 250);
  EXPECT_TRUE(SettleAndTakeEvents().empty()) << "the program's own placing is no event";
}

TEST_F(WindowsTest, FrameFlagsDecideResizingAndBoxes) {
  ASSERT_TRUE(CreateAppWindow(0, 346, 50, 600, 300, "Main", kMainFrame));
  ASSERT_TRUE(CreateAppWindow(2, 346, 50, 400, 330, "Math Help", kHelpFrame));
  EXPECT_FALSE(WindowResizable(0));
  EXPECT_FALSE(WindowHasMinimizeBox(0));
  EXPECT_FALSE(WindowHasMaximizeBox(0));
  EXPECT_TRUE(WindowResizable(2));
  EXPECT_TRUE(WindowHasMinimizeBox(2));
  EXPECT_TRUE(WindowHasMaximizeBox(2));
  // A page switch gives the fixed window a new size, which stays fixed.
  PlaceWindow(0, 346, 50, 317, 129 + MenuBarHeight());
  EXPECT_FALSE(WindowResizable(0));
  EXPECT_EQ(InnerWidth(0), 317);
  SettleAndTakeEvents();
  ResizeWindowAsUser(0, 700, 500);
  EXPECT_TRUE(SettleAndTakeEvents().empty());
  EXPECT_EQ(InnerWidth(0), 317);
}

TEST_F(WindowsTest, OnlyTheUsersMovesAndResizesAreReported) {
  ASSERT_TRUE(CreateAppWindow(0, 346, 50, 379, 240, "Triangles", kMainFrame));
  ASSERT_TRUE(CreateAppWindow(2, 346, 50, 400, 330, "Math Help", kHelpFrame));
  EXPECT_TRUE(SettleAndTakeEvents().empty());

  MoveWindowAsUser(0, 420, 130);
  std::vector<Event> events = SettleAndTakeEvents();
  ASSERT_EQ(events.size(), 1u);
  EXPECT_TRUE(SameEvent(events[0], {EventKind::MoveEvent, 0, -1, {}}));
  EXPECT_EQ(WindowLeft(0), 420);
  EXPECT_EQ(WindowTop(0), 130);

  // A drag in several steps, at rest only at its end, is one move.
  for (int step = 1; step <= 5; ++step) {
    MoveWindowAsUser(2, 346 + 10 * step, 50 + 5 * step);
    ProcessPendingEvents();
  }
  events = SettleAndTakeEvents();
  ASSERT_EQ(events.size(), 1u);
  EXPECT_TRUE(SameEvent(events[0], {EventKind::MoveEvent, 2, -1, {}}));
  EXPECT_EQ(WindowLeft(2), 396);

  // Out and back before coming to rest: nothing changed since the last report.
  MoveWindowAsUser(2, 10, 10);
  ProcessPendingEvents();
  MoveWindowAsUser(2, 396, 75);
  EXPECT_TRUE(SettleAndTakeEvents().empty());

  ResizeWindowAsUser(2, 450, 360);
  events = SettleAndTakeEvents();
  ASSERT_EQ(events.size(), 1u);
  EXPECT_TRUE(SameEvent(events[0], {EventKind::SizeEvent, 2, -1, {}}));
  EXPECT_EQ(InnerWidth(2), 450);
  EXPECT_EQ(InnerHeight(2), 360);

  // The program moving the window back is not reported.
  PlaceWindow(0, 346, 50, kUnchanged, kUnchanged);
  EXPECT_TRUE(SettleAndTakeEvents().empty());
  EXPECT_EQ(WindowLeft(0), 346);
}

TEST_F(WindowsTest, AMoveRightAfterOpeningIsTheUsers) {
  // Start-up places the first page at once; the user drags as soon as it shows.
  ASSERT_TRUE(CreateAppWindow(0, 346, 50, 600, 300, "Brindle's Math", kMainFrame));
  PlaceWindow(0, 346, 50, 379, 240);
  MoveWindowAsUser(0, 466, 130);
  const std::vector<Event> events = SettleAndTakeEvents();
  ASSERT_EQ(events.size(), 1u);
  EXPECT_TRUE(SameEvent(events[0], {EventKind::MoveEvent, 0, -1, {}}));
  EXPECT_EQ(WindowLeft(0), 466);
  EXPECT_EQ(WindowTop(0), 130);
}

TEST_F(WindowsTest, AMoveIsReportedBeforeTheClickThatFollowsIt) {
  ASSERT_TRUE(CreateAppWindow(0, 346, 50, 379, 240, "Triangles", kMainFrame));
  CreateMenuBar(0, 0);
  AddMenuTitle("Calculate");
  AddMenuItem(3, "Box");
  SettleAndTakeEvents();
  // Let go of the window and choose a calculator in one breath.
  MoveWindowAsUser(0, 466, 130);
  ProcessPendingEvents();
  ChooseMenuItem(0, 3);
  std::vector<Event> events = TakeAllEvents();
  ASSERT_EQ(events.size(), 2u);
  EXPECT_TRUE(SameEvent(events[0], {EventKind::MoveEvent, 0, -1, {}}));
  EXPECT_TRUE(SameEvent(events[1], {EventKind::MenuEvent, 0, 3, {}}));
  // The program then lays out the page where the move put the window.
  PlaceWindow(0, WindowLeft(0), WindowTop(0), 369, 158 + MenuBarHeight());
  EXPECT_TRUE(SettleAndTakeEvents().empty());
  EXPECT_EQ(WindowLeft(0), 466);
  EXPECT_EQ(WindowTop(0), 130);
}

TEST_F(WindowsTest, PlacingAtTheKnownCornerKeepsAMoveNotReportedYet) {
  ASSERT_TRUE(CreateAppWindow(0, 346, 50, 379, 240, "Triangles", kMainFrame));
  SettleAndTakeEvents();
  MoveWindowAsUser(0, 466, 130);
  ProcessPendingEvents();
  // A page switch with the corner the program knows: the user's move stays
  // and is reported.
  PlaceWindow(0, 346, 50, 361, 162 + MenuBarHeight());
  const std::vector<Event> events = SettleAndTakeEvents();
  ASSERT_EQ(events.size(), 1u);
  EXPECT_TRUE(SameEvent(events[0], {EventKind::MoveEvent, 0, -1, {}}));
  EXPECT_EQ(WindowLeft(0), 466);
  EXPECT_EQ(InnerWidth(0), 361);
  // A corner that differs from the known one is a real move by the program.
  PlaceWindow(0, 200, 100, kUnchanged, kUnchanged);
  EXPECT_TRUE(SettleAndTakeEvents().empty());
  EXPECT_EQ(WindowLeft(0), 200);
}

TEST_F(WindowsTest, TopmostKeepsPlaceAndSizeAndIsNoEvent) {
  ASSERT_TRUE(CreateAppWindow(1, 300, 60, 418, 139, "About Math Calculator",
                              kTitleBar | kCloseBox | kSizingBorder));
  UseWindowForControls(1);
  CreateButton(104, 160, 100, 70, 30, "OK");
  SettleAndTakeEvents();
  SetWindowTopmost(1, true);
  EXPECT_TRUE(WindowIsTopmost(1));
  EXPECT_TRUE(SettleAndTakeEvents().empty());
  EXPECT_EQ(WindowLeft(1), 300);
  EXPECT_EQ(WindowTop(1), 60);
  EXPECT_EQ(InnerWidth(1), 418);
  EXPECT_EQ(InnerHeight(1), 139);
  EXPECT_TRUE(GadgetVisible(104));
  ClickGadget(104);
  EXPECT_EQ(TakeAllEvents().size(), 1u) << "the re-shown window still works";
  SetWindowTopmost(1, false);
  EXPECT_FALSE(WindowIsTopmost(1));
  EXPECT_TRUE(SettleAndTakeEvents().empty());
}

TEST_F(WindowsTest, DestroyingAWindowTakesItsControlsAndMenu) {
  ASSERT_TRUE(CreateAppWindow(2, 346, 50, 400, 330, "Math Help", kHelpFrame));
  CreateMenuBar(1, 2);
  AddMenuTitle("Help");
  AddMenuItem(15, "Close");
  UseWindowForControls(2);
  CreateTextArea(108, 0, 0, 400, 330 - MenuBarHeight(), kReadOnly);
  DestroyAppWindow(2);
  EXPECT_FALSE(WindowExists(2));
  EXPECT_FALSE(GadgetExists(108));
  ChooseMenuItem(2, 15);
  EXPECT_TRUE(TakeAllEvents().empty());
  // Opened again from scratch, at the same id.
  ASSERT_TRUE(CreateAppWindow(2, 346, 50, 400, 330, "Math Help", kHelpFrame));
  EXPECT_EQ(ControlCount(2), 0);
}

TEST_F(WindowsTest, ActivationAndEnabling) {
  ASSERT_TRUE(CreateAppWindow(0, 346, 50, 379, 240, "Triangles", kMainFrame));
  ASSERT_TRUE(CreateAppWindow(1, 346, 50, 418, 139, "About", kTitleBar | kCloseBox));
  EXPECT_TRUE(WaitUntil([] { return WindowActive(1); }));
  SetWindowEnabled(0, false);
  DestroyAppWindow(1);
  SetWindowEnabled(0, true);
  ActivateWindow(0);
  EXPECT_TRUE(WaitUntil([] { return WindowActive(0); }));
  EXPECT_TRUE(WindowEnabled(0));
}

TEST_F(WindowsTest, GrabWindowWritesAPicture) {
  ASSERT_TRUE(CreateAppWindow(0, 346, 50, 200, 100, "Grab", kMainFrame));
  const std::string path = testing::TempDir() + "gadgets_grab.png";
  EXPECT_TRUE(GrabWindow(0, path));
  EXPECT_FALSE(GrabWindow(7, path));
  EXPECT_FALSE(GrabWindow(0, "/nonexistent-dir/x.png"));
}

TEST(ProgramTest, ProgramFilePathNamesThisTest) {
  const std::string path = ProgramFilePath();
  ASSERT_FALSE(path.empty());
  EXPECT_EQ(path.front(), '/');
  EXPECT_NE(path.find("gadgets_test"), std::string::npos);
}

TEST(ProgramTest, OpenUrlGoesToTheHandler) {
  std::vector<std::string> opened;
  SetOpenUrlHandler([&opened](const std::string& address) { opened.push_back(address); });
  OpenUrl("brindlesmath.org");
  OpenUrl("");
  SetOpenUrlHandler({});
  ASSERT_EQ(opened.size(), 2u);
  EXPECT_EQ(opened[0], "brindlesmath.org");
  EXPECT_EQ(opened[1], "");
}

}  // namespace
