// What every page owes its user whatever it calculates, from golden/pages.txt:
// the menu item shows it in its frame, with every control named for screen
// readers and inside the page, no control over another, result fields looking
// read-only, nothing of the page before left behind, and Tab in order; and the
// drawings labelled with their pages' captions, from golden/drawings.txt.
#include <gtest/gtest.h>

#include <array>
#include <fstream>
#include <iterator>
#include <regex>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "shell/menu_items.h"
#include "tests/golden_rows.h"
#include "tests/support/program_fixture.h"

using namespace brindle;

namespace {

using PageControlsTest = ProgramTest;

std::vector<GadgetId> WalkFocus(TestKey key, size_t steps) {
  std::vector<GadgetId> seen;
  for (size_t i = 0; i < steps; ++i) {
    PressKey(kMainWindowId, key);
    EXPECT_FALSE(PollEvent().has_value()) << "a focus move queued an event";
    seen.push_back(FocusedGadget());
  }
  return seen;
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
    if (id != kUnitsChoice && id != kBoltCircleUnitsChoice) ChooseComboItem(id, 3);
  }
}

TEST_F(PageControlsTest, EachMenuChoiceShowsItsPageAsItFirstOpens) {
  for (const GoldenRow& row : ReadGolden("pages.txt", {5})) {
    SCOPED_TRACE(row.where);
    const PageItem page = kPageItems.at(row[0]);
    StartOn(page);
    const PageView fresh = ViewPage();
    std::set<std::string> labels;
    for (GadgetId id : PageGadgets(ControlKind::Label))
      labels.insert(GetText(id));
    const unsigned background = PaintedColour(kMainWindowId, 0, 0);
    for (GadgetId id : PageGadgets()) {
      SCOPED_TRACE("gadget " + std::to_string(id) + " \"" + GetText(id) + '"');
      const ControlKind kind = GadgetKind(id);
      const std::string name = AccessibleNameOf(id);
      if (kind == ControlKind::Label || kind == ControlKind::Button ||
          kind == ControlKind::CheckBox) {
        EXPECT_EQ(name, GetText(id));
      } else if (kind != ControlKind::Picture) {  // a drawing says more than a caption
        EXPECT_TRUE(labels.contains(name) || name == ToolTipOf(id)) << name;
        // The label beside it is its caption for a screen reader too, which
        // on Linux calls a drop-down by its entry.
        EXPECT_EQ(CaptionLabelOf(id), labels.contains(name) ? name : "");
      }
      const GadgetRect r = GadgetGeometry(id);
      EXPECT_TRUE(r.x >= 0 && r.y >= 0 && r.x + r.w <= InnerWidth(kMainWindowId) &&
                  r.y + r.h <= InnerHeight(kMainWindowId) - MenuBarHeight())
          << r.x << "," << r.y << " " << r.w << "x" << r.h;
      for (GadgetId other : PageGadgets()) {
        const GadgetRect o = GadgetGeometry(other);
        EXPECT_FALSE(other < id && r.x < o.x + o.w && o.x < r.x + r.w && r.y < o.y + o.h &&
                     o.y < r.y + r.h)
            << "over gadget " << other << " \"" << GetText(other) << '"';
      }
      // A result field, or a field the page's choices disabled, shows the window
      // behind its text; a field to type into does not.
      if (kind == ControlKind::EditField) {
        EXPECT_EQ(PaintedColour(kMainWindowId, r.x + r.w / 2, r.y + r.h / 2) == background,
                  GadgetReadOnly(id) || !GadgetEnabled(id));
      }
    }
    EndProgram();

    // Coming from the next page, used, so that nothing of it may stay.
    StartOn(kAllPages[(page + 1) % 5]);
    UsePage();
    Choose(CalculatorItem(page));
    EXPECT_EQ(WindowTitle(kMainWindowId), row[1]);
    EXPECT_EQ(Frame(kMainWindowId), (std::array{346, 50, GoldenNumber<int>(row[2]),
                                                GoldenNumber<int>(row[3]) + MenuBarHeight()}));
    EXPECT_EQ(SettingsBytes(), "CalcW = " + std::to_string(page) + "\r\nCalcU = 0\r\n");
    ExpectPageShows(fresh);

    std::vector<GadgetId> order;
    for (const std::string& name : SplitCell(row[4], ';'))
      order.push_back(Named(name));
    ActivateWindow(kMainWindowId);  // from the drop-down list UsePage opened
    WaitUntil([] { return WindowActive(kMainWindowId); });
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

// A check box that shows a result takes the focus, so that Tab through the
// results reads it out, but Space leaves it as the calculation set it.
TEST_F(PageControlsTest, SpaceLeavesAResultBoxAsTheCalculationSetIt) {
  StartOn(kTriangle);
  for (const char* step : {"Side A=1", "Side B=1", "Side C=1", "Calc"})
    Do(step);
  for (const auto& [name, shown] : {std::pair{"Acute", 1}, std::pair{"Obtuse", 0}}) {
    SCOPED_TRACE(name);
    TypeText(Named(name), "");  // the focus to the box
    ASSERT_EQ(FocusedGadget(), Named(name));
    PressKey(kMainWindowId, TestKey::Space);
    ProcessPendingEvents();
    EXPECT_EQ(SelectedItem(Named(name)), shown);
    EXPECT_FALSE(PollEvent().has_value());
  }
}

TEST_F(PageControlsTest, DrawingsShowThePagesCaptionsAndSayThem) {
  for (const GoldenRow& row : ReadGolden("drawings.txt", {2})) {
    SCOPED_TRACE(row.where);
    StartOn(kPageItems.at(row[0]));
    std::set<std::string> captions;
    for (GadgetId id : PageGadgets(ControlKind::Label))
      captions.insert(GetText(id));
    const std::vector<GadgetId> pictures = PageGadgets(ControlKind::Picture);
    ASSERT_EQ(pictures.size(), 1u);
    const std::string said = AccessibleNameOf(pictures[0]);
    std::ifstream file(std::string(BRINDLE_DIAGRAM_DIR) + "/" + row[1]);
    const std::string svg{std::istreambuf_iterator<char>(file), {}};
    const std::regex text("<text[^>]*>([^<]*)</text>");
    int words = 0;
    for (std::sregex_iterator it(svg.begin(), svg.end(), text), end; it != end; ++it, ++words) {
      const std::string word = (*it)[1];
      EXPECT_TRUE(captions.contains(word)) << word;
      EXPECT_NE(said.find(word), std::string::npos) << word;
    }
    EXPECT_GT(words, 0);
    const GadgetRect r = GadgetGeometry(pictures[0]);
    for (const auto& [x, y] :
         {std::pair{r.x + 2, r.y + 2}, std::pair{r.x + r.w - 3, r.y + r.h - 3}})
      EXPECT_EQ(PaintedColour(kMainWindowId, x, y), 0xFFFFFFu) << x << "," << y;
    EndProgram();
  }
}

// A kept field (the tape of Tape Math) outlives a switch to another page and
// back, and not the program.
TEST_F(PageControlsTest, AKeptFieldOutlivesAPageSwitchButNotTheProgram) {
  const PageItem tapeMath = kPageItems.at("Tape Math");
  StartOn(tapeMath);
  Do("Expression=1/2 + 1/4");
  Do("Calc");
  const std::string tape = GetText(Named("Tape"));
  EXPECT_NE(tape, "");
  Choose(CalculatorItem(kTriangle));
  Choose(CalculatorItem(tapeMath));
  EXPECT_EQ(GetText(Named("Tape")), tape);
  EndProgram();
  StartOn(tapeMath);
  EXPECT_EQ(GetText(Named("Tape")), "");
}

// Choosing the calculator already shown leaves its page as the user left it.
TEST_F(PageControlsTest, ChoosingTheCalculatorShownKeepsWhatWasTyped) {
  StartOn(kBox);
  Do("Width=3");
  Choose(CalculatorItem(kBox));
  EXPECT_EQ(GetText(Named("Width")), "3");
}

}  // namespace
