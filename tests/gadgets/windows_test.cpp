// Which moves are reported, offscreen: a drag is one move however many steps
// it takes, a drag out and back is none, and a page switch at the corner the
// program knows keeps the user's move. wm_geometry_test.cpp checks the rest
// under a real window manager.

#include "tests/support/gadget_fixture.h"

namespace {

using WindowsTest = GadgetTest;

constexpr unsigned kMainFrame = kTitleBar | kCloseBox;

TEST_F(WindowsTest, ADragIsOneMoveAndADragOutAndBackIsNone) {
  ASSERT_TRUE(CreateAppWindow(2, 346, 50, 400, 330, "Math Help",
                              kTitleBar | kCloseBox | kSizingBorder | kMinimizeBox | kMaximizeBox));
  EXPECT_TRUE(SettleAndTakeEvents().empty());
  // Several steps, at rest only at the end.
  for (int step = 1; step <= 5; ++step) {
    MoveWindowAsUser(2, 346 + 10 * step, 50 + 5 * step);
    ProcessPendingEvents();
  }
  EXPECT_EQ(Reported(SettleAndTakeEvents()), Reports{"move 2 -1"});
  EXPECT_EQ(WindowLeft(2), 396);
  // Nothing changed since the last report.
  MoveWindowAsUser(2, 10, 10);
  ProcessPendingEvents();
  MoveWindowAsUser(2, 396, 75);
  EXPECT_TRUE(SettleAndTakeEvents().empty());
}

TEST_F(WindowsTest, PlacingAtTheKnownCornerKeepsAMoveNotReportedYet) {
  ASSERT_TRUE(CreateAppWindow(0, 346, 50, 379, 240, "Triangles", kMainFrame));
  SettleAndTakeEvents();
  MoveWindowAsUser(0, 466, 130);
  ProcessPendingEvents();
  // A page switch with the corner the program knows: the user's move stays
  // and is reported.
  PlaceWindow(0, 346, 50, 361, 162 + MenuBarHeight());
  EXPECT_EQ(Reported(SettleAndTakeEvents()), Reports{"move 0 -1"});
  EXPECT_EQ(WindowLeft(0), 466);
  EXPECT_EQ(InnerWidth(0), 361);
  // A corner that differs from the known one is a real move by the program.
  PlaceWindow(0, 200, 100, kUnchanged, kUnchanged);
  EXPECT_TRUE(SettleAndTakeEvents().empty());
  EXPECT_EQ(WindowLeft(0), 200);
}

}  // namespace
