// What every page owes its user whatever it calculates: names for screen
// readers, texts that fit, Tab in order, Enter, Clear, the units choice, and
// nothing left behind when the page goes.
#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "tests/pages/page_test.h"

namespace {

class PageControlsTest : public PageTest {};

bool HasCaption(ControlKind kind) {
  return kind == ControlKind::Label || kind == ControlKind::Button || kind == ControlKind::CheckBox;
}

TEST_F(PageControlsTest, EveryControlIsNamedByItsCaptionItsLabelOrItsToolTip) {
  for (PageItem page : kAllPages) {
    SCOPED_TRACE("page " + std::to_string(page));
    StartOn(page);
    std::set<std::string> labels;
    for (GadgetId id : PageGadgets(ControlKind::Label))
      labels.insert(GetText(id));
    for (GadgetId id : PageGadgets()) {
      const std::string name = AccessibleNameOf(id);
      EXPECT_FALSE(name.empty()) << "gadget " << id;
      if (HasCaption(GadgetKind(id))) {
        EXPECT_EQ(name, GetText(id)) << "gadget " << id;
      } else {
        EXPECT_TRUE(labels.contains(name) || name == ToolTipOf(id))
            << "gadget " << id << " is called \"" << name << '"';
      }
    }
    EndProgram();
  }
}

// A caption, a label or a drop-down entry cut off at its box's edge.
TEST_F(PageControlsTest, NoTextIsClipped) {
  std::vector<std::string> clipped;
  for (PageItem page : kAllPages) {
    StartOn(page);
    for (GadgetId id : PageGadgets()) {
      const ControlKind kind = GadgetKind(id);
      if (!HasCaption(kind) && kind != ControlKind::ComboBox) continue;
      const int needed = TextWidthNeeded(id);
      const int width = GadgetGeometry(id).w;
      if (needed > width) {
        clipped.push_back("page " + std::to_string(page) + " gadget " + std::to_string(id) + " \"" +
                          GetText(id) + "\" needs " + std::to_string(needed) + " of " +
                          std::to_string(width));
      }
    }
    EndProgram();
  }
  for (const std::string& text : clipped)
    ADD_FAILURE() << text;
}

TEST_F(PageControlsTest, EveryControlLiesInsideThePage) {
  for (PageItem page : kAllPages) {
    StartOn(page);
    const int width = InnerWidth(kMainWindow);
    const int height = InnerHeight(kMainWindow) - MenuBarHeight();
    for (GadgetId id : PageGadgets()) {
      const GadgetRect r = GadgetGeometry(id);
      EXPECT_TRUE(r.x >= 0 && r.y >= 0 && r.x + r.w <= width && r.y + r.h <= height)
          << "page " << page << " gadget " << id << " at " << r.x << "," << r.y << " " << r.w << "x"
          << r.h;
      EXPECT_TRUE(GadgetVisible(id)) << "page " << page << " gadget " << id;
    }
    EndProgram();
  }
}

// The controls that take the focus, in the order each page creates them.
const std::map<PageItem, std::vector<GadgetId>> kTabOrders = {
    {kTriangle, {15, 40, 41, 42, 13, 24, 43, 28, 44, 45, 46, 22, 9, 47, 48, 106, 105, 67}},
    {kCircle, {51, 52, 54, 56, 57, 58, 24, 62, 28, 22, 9, 67, 106, 105}},
    {kBender,
     {69, 70, 15, 72, 17, 18, 74, 75, 76, 77, 78, 79, 88, 28, 20, 21, 90, 95, 22, 9, 106, 105}},
    {kSquare, {12, 13, 15, 17, 20, 22, 9, 24, 26, 28, 105, 67}},
    {kConverter, {1, 2, 4, 5, 7, 9, 105}},
};

std::vector<GadgetId> WalkFocus(TestKey key, size_t steps) {
  std::vector<GadgetId> seen;
  for (size_t i = 0; i < steps; ++i) {
    PressKey(kMainWindow, key);
    ProcessPendingEvents();
    seen.push_back(FocusedGadget());
  }
  return seen;
}

TEST_F(PageControlsTest, TabWalksThePageInCreationOrderAndWraps) {
  for (const auto& [page, order] : kTabOrders) {
    SCOPED_TRACE("page " + std::to_string(page));
    // Coming to a page after another, so that its controls are not the first ever made.
    StartOn(page == kConverter ? kTriangle : kConverter);
    Show(page);
    TypeText(order.front(), "");  // the focus to the first control
    ProcessPendingEvents();
    ASSERT_EQ(FocusedGadget(), order.front());
    std::vector<GadgetId> forward(order.begin() + 1, order.end());
    forward.push_back(order.front());
    EXPECT_EQ(WalkFocus(TestKey::Tab, order.size()), forward);
    std::vector<GadgetId> backward(order.rbegin(), order.rend());
    EXPECT_EQ(WalkFocus(TestKey::BackTab, order.size()), backward);
    EndProgram();
  }
}

TEST_F(PageControlsTest, SwitchingPagesLeavesOnlyTheNewPagesControls) {
  // What each page holds when the program starts on it.
  std::map<PageItem, std::vector<GadgetId>> fresh;
  for (PageItem page : kAllPages) {
    StartOn(page);
    fresh[page] = PageGadgets();
    EXPECT_EQ(ControlCount(kMainWindow), static_cast<int>(fresh[page].size()));
    EndProgram();
  }
  for (PageItem from : kAllPages) {
    StartOn(from);
    for (PageItem to : kAllPages) {
      if (to == from) continue;
      Show(to);
      EXPECT_EQ(PageGadgets(), fresh[to]) << from << " to " << to;
      EXPECT_EQ(ControlCount(kMainWindow), static_cast<int>(fresh[to].size()))
          << from << " to " << to;
      Show(from);
      EXPECT_EQ(PageGadgets(), fresh[from]) << to << " back to " << from;
      EXPECT_EQ(ControlCount(kMainWindow), static_cast<int>(fresh[from].size()))
          << to << " back to " << from;
    }
    EndProgram();
  }
}

struct EnterRow {
  PageItem page;
  Typed typed;  // Enter is pressed in the last field typed
  GadgetId result;
  const char* shown;
};

const EnterRow kEnterRows[] = {
    {kTriangle, {{40, "3"}, {41, "4"}, {42, "5"}}, 13, "3.0000"},
    {kTriangle, {{43, "2"}, {46, "30"}, {41, "10"}, {45, "60"}}, 24, "21.6506"},
    {kCircle, {{51, "2"}}, 54, "4.0000"},
    {kCircle, {{51, "2"}, {62, "1"}}, 28, "13.0000"},
    {kBender, {{17, "2"}, {18, "1.5"}}, 28, "3.5000"},
    {kBender, {{95, "90"}, {88, "1"}, {72, "0.3"}}, 28, "1.6708"},
    {kSquare, {{12, "3"}, {13, "4"}}, 17, "5.0000"},
    {kSquare, {{13, "4"}, {26, "2"}, {12, "3"}}, 28, "24.0000"},
    {kConverter, {{1, "1 1/2"}}, 7, "Invalid"},
};

TEST_F(PageControlsTest, EnterInAFieldRunsThePagesCalculation) {
  for (const EnterRow& row : kEnterRows) {
    SCOPED_TRACE("page " + std::to_string(row.page) + " result " + std::to_string(row.result));
    StartOn(row.page, 1);
    Type(row.typed);
    ASSERT_EQ(FocusedGadget(), row.typed.back().first);
    PressKey(kMainWindow, TestKey::Enter);
    Pump();
    EXPECT_EQ(GetText(row.result), row.shown);
    EndProgram();
  }
}

TEST_F(PageControlsTest, EnterInAReadOnlyFieldAlsoCalculates) {
  StartOn(kSquare, 1);
  Type({{12, "3"}, {13, "4"}});
  TypeText(20, "");  // the focus to the read-only angle
  PressKey(kMainWindow, TestKey::Enter);
  Pump();
  EXPECT_EQ(GetText(20), "53.1301");
}

// The fields a page fills with results, which the user can select but not type into.
const std::map<PageItem, std::set<GadgetId>> kReadOnlyFields = {
    {kTriangle, {13, 24, 28, 67}},   {kCircle, {58, 24, 28}}, {kBender, {28}},
    {kSquare, {17, 20, 24, 28, 67}}, {kConverter, {7}},
};

TEST_F(PageControlsTest, OnlyTheInputFieldsTakeTyping) {
  for (const auto& [page, readOnly] : kReadOnlyFields) {
    StartOn(page);
    for (GadgetId id : PageGadgets(ControlKind::EditField)) {
      TypeText(id, "12");
      Pump();
      EXPECT_EQ(GetText(id), readOnly.contains(id) ? "" : "12")
          << "page " << page << " gadget " << id;
    }
    EndProgram();
  }
}

struct ClearRow {
  PageItem page;
  std::vector<GadgetId> otherChoices;  // check boxes to click before clearing
};

const ClearRow kClearRows[] = {
    {kTriangle, {}},
    {kCircle, {}},
    {kBender, {69}},
};

// Every field filled, the inputs by typing and the results by calculating;
// then Clear.
TEST_F(PageControlsTest, ClearEmptiesEveryFieldAndNothingElse) {
  for (const ClearRow& row : kClearRows) {
    SCOPED_TRACE("page " + std::to_string(row.page));
    StartOn(row.page);
    for (GadgetId id : PageGadgets(ControlKind::EditField)) {
      if (!GadgetReadOnly(id)) Type({{id, "1"}});
    }
    Calculate(kCalcButton);
    for (GadgetId id : row.otherChoices)
      Click(id);
    ChooseComboItem(row.page == kCircle ? 52 : 15, 1);
    Pump();

    std::vector<ControlState> expected = PageState();
    for (ControlState& control : expected) {
      if (GadgetKind(control.id) != ControlKind::EditField) continue;
      EXPECT_NE(control.text, "") << "gadget " << control.id << " was not filled";
      control.text = "";
    }
    Click(kClearButton);
    EXPECT_EQ(PageState(), expected);
    EndProgram();
  }
}

struct UnitsRow {
  PageItem page;
  GadgetId choice;
  Typed typed;
  GadgetId result;
  const char* inFractions;
  const char* inDecimals;      // after a first run in fractions
  const char* onlyInDecimals;  // with nothing run before
};

const UnitsRow kUnitsRows[] = {
    {kTriangle, 15, {{40, "3"}, {41, "4"}, {42, "5 1/2"}}, 42, "5 1/2", "5.0000", "5.0000"},
    {kCircle, 52, {{51, "1 1/2"}}, 54, "3", "3.0000", "2.0000"},
    {kSquare, 15, {{12, "1 1/2"}, {13, "2"}}, 67, "7", "6.0000", "6.0000"},
    {kBender, 15, {{17, "1 1/2"}}, 28, "1 1/2", "1.0000", "1.0000"},
};

TEST_F(PageControlsTest, TheUnitsChoiceIsSavedAndTakesEffectAtTheNextCalculation) {
  for (const UnitsRow& row : kUnitsRows) {
    SCOPED_TRACE("page " + std::to_string(row.page));
    StartOn(row.page);
    ASSERT_EQ(SelectedItem(row.choice), 0);
    Type(row.typed);
    Calculate(kCalcButton);
    EXPECT_EQ(GetText(row.result), row.inFractions);

    const auto shown = PageState();
    ChooseComboItem(row.choice, 1);
    Pump();
    EXPECT_EQ(CurrentSettings().calcU, 1);
    EXPECT_EQ(SettingsBytes(), "CalcW = " + std::to_string(row.page) + "\r\nCalcU = 1\r\n");
    // The numbers shown are not converted.
    auto now = PageState();
    for (auto& control : now) {
      if (control.id == row.choice) control = {row.choice, "Fractions", 0};
    }
    EXPECT_EQ(now, shown);

    Calculate(kCalcButton);
    EXPECT_EQ(GetText(row.result), row.inDecimals);
    EndProgram();
  }
}

// A hand-edited units choice that is neither "Fractions" nor "Decimal".
TEST_F(PageControlsTest, AnUnknownUnitsChoiceSelectsNothingAndCalculatesInDecimals) {
  for (const UnitsRow& row : kUnitsRows) {
    SCOPED_TRACE("page " + std::to_string(row.page));
    for (int calcU : {7, -1}) {
      StartOn(row.page, calcU);
      EXPECT_EQ(SelectedItem(row.choice), -1);
      Type(row.typed);
      Calculate(kCalcButton);
      EXPECT_EQ(GetText(row.result), row.onlyInDecimals);
      EXPECT_EQ(CurrentSettings().calcU, calcU);
      EXPECT_EQ(SettingsBytes(), "CalcW = " + std::to_string(row.page) +
                                     "\r\nCalcU = " + std::to_string(calcU) + "\r\n");
      EndProgram();
    }
  }
}

}  // namespace
