#pragma once
// Shared by the tests that drive the gadget layer: the events it queued, as
// comparable and printable reports, a window's frame, and a fixture that
// cleans up windows and events.

#include <gtest/gtest.h>

#include <array>
#include <optional>
#include <string>
#include <vector>

#include "gadgets/gadget_testing.h"
#include "gadgets/gadgets.h"

// Longer than the layer waits for a window to come to rest, with room for a
// slow (sanitized) build.
inline constexpr int kSettleMs = 800;

// Everything queued now, after the toolkit delivered what was pending.
inline std::vector<Event> TakeAllEvents() {
  std::vector<Event> events;
  while (std::optional<Event> e = PollEvent())
    events.push_back(*e);
  return events;
}

// Lets windows come to rest, then takes every event queued meanwhile.
inline std::vector<Event> SettleAndTakeEvents(int ms = kSettleMs) {
  WaitUntil([] { return false; }, ms);
  return TakeAllEvents();
}

// Events as text, "gadget 3 22 click", "menu 0 6", "close 0 -1", "move 0 -1"
// (kind, window, item, action if any), so that a whole list compares and prints.
using Reports = std::vector<std::string>;
inline Reports Reported(const std::vector<Event>& events) {
  static const char* const kKinds[] = {"none", "gadget", "menu", "close", "move", "size"};
  static const char* const kActions[] = {"", " click", " change", " enter"};
  Reports reports;
  for (const Event& e : events) {
    reports.push_back(kKinds[static_cast<int>(e.kind)] + (" " + std::to_string(e.window)) + " " +
                      std::to_string(e.item) + kActions[static_cast<int>(e.action)]);
  }
  return reports;
}

// A window's outer corner and inner size (menu bar included).
inline std::array<int, 4> Frame(WindowId w) {
  return {WindowLeft(w), WindowTop(w), InnerWidth(w), InnerHeight(w)};
}

class GadgetTest : public ::testing::Test {
 protected:
  void TearDown() override {
    for (WindowId w = 0; w < 10; ++w)
      DestroyAppWindow(w);
    TakeAllEvents();
  }
  // A fixed-size window with a title bar and close box, ready for controls.
  static void OpenWindow(WindowId id, int width = 400, int height = 300) {
    ASSERT_TRUE(CreateAppWindow(id, 100 + 20 * id, 80 + 20 * id, width, height, "Test window",
                                kTitleBar | kCloseBox));
    UseWindowForControls(id);
  }
};
