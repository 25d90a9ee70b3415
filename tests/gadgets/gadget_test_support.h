#pragma once
// Shared by the gadget layer's tests: a fixture that cleans up windows and
// events, and helpers to collect what the layer queued.

#include <gtest/gtest.h>

#include <vector>

#include "gadgets/gadget_testing.h"

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

inline bool SameEvent(const Event& a, const Event& b) {
  return a.kind == b.kind && a.window == b.window && a.item == b.item;
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
