#pragma once
// Runs the whole program in the test process, with its settings file in a
// fresh temporary directory, and hands the queued events to the real dispatch.
// The shell's and the pages' tests share it; linking it supplies main().

#include <gtest/gtest.h>

#include <array>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "gadgets/gadget_testing.h"
#include "gadgets/gadgets.h"
#include "pages/gadget_ids.h"
#include "shell/program.h"

using namespace brindle;

// The first five calculators by their ids, which are their values of CalcW.
enum PageItem : MenuItemId {
  kTriangle = 0,
  kBoltCircle = 1,
  kBender = 2,
  kBox = 3,
  kConversions = 4
};
inline constexpr PageItem kAllPages[] = {kTriangle, kBoltCircle, kBender, kBox, kConversions};
inline const std::map<std::string, PageItem> kPageItems = {
    {"Triangle", kTriangle},       {"Bolt Circle", kBoltCircle},
    {"Bender", kBender},           {"Box", kBox},
    {"Conversions", kConversions}, {"Tape Math", PageItem{5}},
    {"Metal Weight", PageItem{6}}, {"Weld Metal", PageItem{7}}};

// A window's outer corner and inner size (menu bar included).
inline std::array<int, 4> Frame(WindowId w) {
  return {WindowLeft(w), WindowTop(w), InnerWidth(w), InnerHeight(w)};
}

// What each control of the page shows, by id: a check box "on" or "off", a
// drop-down its selected entry, any other control its text.
using PageView = std::map<GadgetId, std::string>;
PageView ViewPage();
// Checks that the page shows `expected`, control by control, and that the
// main window holds nothing else.
void ExpectPageShows(const PageView& expected);
// The page's controls (kFirstPageGadget to kLastPageGadget) in ascending order, of one kind or all.
std::vector<GadgetId> PageGadgets(ControlKind kind = ControlKind::None);
// The one control of the page a screen reader announces by `name` (labels
// only name others); -1, and a failure, when there is not exactly one.
GadgetId Named(const std::string& name);

class ProgramTest : public ::testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;

  // Writes `ini` as the settings file first, unless it is empty.
  void Start(const std::string& ini = {});
  // Starts on `page` with the units choice `calcU` in the settings file.
  void StartOn(PageItem page, int calcU = 0);
  // Dispatches every queued event; remembers whether the program ended.
  void Pump();

  // The user's actions, each followed by the program handling what they caused.
  void Choose(MenuItemId item, WindowId window = kMainWindowId);
  void Click(GadgetId id);
  // One step on the page's controls, named as a screen reader names them:
  // "Name=text" types into the edit field (emptied first) or picks the
  // drop-down's entry, "Name" clicks, "Enter" presses Enter.
  void Do(const std::string& step);

  // The settings file's bytes, or nullopt when it does not exist.
  std::optional<std::string> SettingsBytes() const;

  std::string dir_;
  std::string path_;
  bool ended_ = false;
};
