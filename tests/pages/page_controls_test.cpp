// What every page owes its user whatever it calculates: its frame from the
// menu, names for screen readers, texts that fit, Tab in order, and nothing
// left behind when the page goes.
#include <gtest/gtest.h>

#include <array>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "tests/golden_rows.h"
#include "tests/support/program_fixture.h"

namespace {

using PageControlsTest = ProgramTest;

bool HasCaption(ControlKind kind) {
  return kind == ControlKind::Label || kind == ControlKind::Button || kind == ControlKind::CheckBox;
}

TEST_F(PageControlsTest, EveryControlIsNamedFitsItsTextAndLiesInsideThePage) {
  for (PageItem page : kAllPages) {
    StartOn(page);
    const int width = InnerWidth(kMainWindowId);
    const int height = InnerHeight(kMainWindowId) - MenuBarHeight();
    std::set<std::string> labels;
    for (GadgetId id : PageGadgets(ControlKind::Label))
      labels.insert(GetText(id));
    for (GadgetId id : PageGadgets()) {
      SCOPED_TRACE("page " + std::to_string(page) + " gadget " + std::to_string(id) + " \"" +
                   GetText(id) + '"');
      const ControlKind kind = GadgetKind(id);
      const std::string name = AccessibleNameOf(id);
      EXPECT_FALSE(name.empty());
      if (HasCaption(kind)) {
        EXPECT_EQ(name, GetText(id));
      } else {
        EXPECT_TRUE(labels.contains(name) || name == ToolTipOf(id)) << name;
      }
      const GadgetRect r = GadgetGeometry(id);
      if (HasCaption(kind) || kind == ControlKind::ComboBox) {
        EXPECT_LE(TextWidthNeeded(id), r.w);
      }
      EXPECT_TRUE(r.x >= 0 && r.y >= 0 && r.x + r.w <= width && r.y + r.h <= height)
          << r.x << "," << r.y << " " << r.w << "x" << r.h;
      EXPECT_TRUE(GadgetVisible(id));
      if (kind != ControlKind::ComboBox) continue;
      // Not typed into; the converter's 21 units open 350 high with a scroll bar,
      // Fractions and Decimal no higher than they need.
      EXPECT_FALSE(ComboEditable(id));
      if (ComboItemCount(id) == 21) {
        EXPECT_EQ(ComboListHeight(id), 350);
      } else {
        EXPECT_GT(ComboListHeight(id), r.h);
        EXPECT_LT(ComboListHeight(id), 350);
      }
    }
    if (page == kConverter) {
      EXPECT_EQ(ToolTipOf(2), "Current format") << "the later tip replaces the first";
    }
    EndProgram();
  }
}

std::vector<GadgetId> WalkFocus(TestKey key, size_t steps) {
  std::vector<GadgetId> seen;
  for (size_t i = 0; i < steps; ++i) {
    PressKey(kMainWindowId, key);
    ProcessPendingEvents();
    seen.push_back(FocusedGadget());
  }
  return seen;
}

// The menu dispatch, the frame each page gives the main window, CalcW written,
// and the Tab order, from golden/pages.txt.
TEST_F(PageControlsTest, EachMenuChoiceShowsItsPageAndItsTabOrder) {
  for (const GoldenRow& row : ReadGolden("pages.txt", {5})) {
    SCOPED_TRACE(row.where);
    const PageItem page = kPageItems.at(row[0]);
    // Coming from another page, so that its controls are not the first ever made.
    StartOn(page == kConverter ? kTriangle : kConverter);
    Choose(page);
    EXPECT_EQ(WindowTitle(kMainWindowId), row[1]);
    EXPECT_EQ(Frame(kMainWindowId), (std::array{346, 50, GoldenNumber<int>(row[2]),
                                                GoldenNumber<int>(row[3]) + MenuBarHeight()}));
    EXPECT_EQ(CurrentSettings().calcW, page);
    EXPECT_EQ(SettingsBytes(), "CalcW = " + std::to_string(page) + "\r\nCalcU = 0\r\n");
    std::vector<GadgetId> order;
    for (const std::string& name : SplitItems(row[4]))
      order.push_back(Named(name));
    TypeText(order.front(), "");  // the focus to the first control
    ProcessPendingEvents();
    ASSERT_EQ(FocusedGadget(), order.front());
    std::vector<GadgetId> forward(order.begin() + 1, order.end());
    forward.push_back(order.front());
    EXPECT_EQ(WalkFocus(TestKey::Tab, order.size()), forward);
    EXPECT_EQ(WalkFocus(TestKey::BackTab, order.size()),
              std::vector<GadgetId>(order.rbegin(), order.rend()));
    EndProgram();
  }
}

// Every input field typed into, the first check box that is off clicked, and
// the converter's units changed (the units choice belongs to the program).
void UsePage() {
  for (GadgetId id : PageGadgets(ControlKind::EditField)) {
    if (!GadgetReadOnly(id)) TypeText(id, "1");
  }
  for (GadgetId id : PageGadgets(ControlKind::CheckBox)) {
    if (SelectedItem(id) == 1) continue;
    ClickGadget(id);
    break;
  }
  for (GadgetId id : PageGadgets(ControlKind::ComboBox)) {
    if (ComboItemCount(id) > 2) ChooseComboItem(id, 3);
  }
}

TEST_F(PageControlsTest, SwitchingPagesLeavesOnlyTheNewPageAsItFirstOpens) {
  std::map<PageItem, PageView> fresh;
  for (PageItem page : kAllPages) {
    StartOn(page);
    fresh[page] = ViewPage();
    EndProgram();
  }
  for (PageItem from : kAllPages) {
    StartOn(from);
    for (PageItem to : kAllPages) {
      if (to == from) continue;
      SCOPED_TRACE("from page " + std::to_string(from) + " to " + std::to_string(to) + " and back");
      UsePage();
      Pump();
      ASSERT_NE(ViewPage(), fresh[from]);
      for (PageItem shown : {to, from}) {
        Choose(shown);
        ExpectPageShows(fresh[shown]);
      }
    }
    EndProgram();
  }
}

}  // namespace
