#include "tests/pages/page_test.h"

#include <gtest/gtest.h>

// The highest gadget id a page may use.
constexpr GadgetId kLastPageGadget = 107;

void PageTest::StartOn(PageItem page, int calcU) {
  Start("CalcW = " + std::to_string(page) + "\r\nCalcU = " + std::to_string(calcU) + "\r\n");
  ASSERT_GT(ControlCount(kMainWindow), 0) << "page " << page << " was not laid out";
}

void PageTest::Show(PageItem page) {
  ChooseMenuItem(kMainWindow, page);
  Pump();
}

void PageTest::Type(const Typed& typed) {
  for (const auto& [id, text] : typed) {
    ASSERT_EQ(GetText(id), "") << "gadget " << id << " is not empty";
    TypeText(id, text);
    Pump();
    ASSERT_EQ(GetText(id), text) << "gadget " << id << " did not take the typing";
  }
}

void PageTest::Click(GadgetId id) {
  ClickGadget(id);
  Pump();
}

std::optional<MessageBoxView> PageTest::ClickForMessage(GadgetId id) {
  const int boxesBefore = MessageBoxCount();
  std::optional<MessageBoxView> seen;
  OnNextMessageBox([&](const MessageBoxView& box) { seen = box; });
  Click(id);
  // Nothing opened: take the handler back so that it cannot answer a later box.
  if (MessageBoxCount() == boxesBefore) OnNextMessageBox({});
  return seen;
}

void PageTest::Calculate(GadgetId button) {
  const int boxesBefore = MessageBoxCount();
  Click(button);
  EXPECT_EQ(MessageBoxCount(), boxesBefore) << "the calculation showed a message box";
}

std::vector<GadgetId> PageTest::PageGadgets() {
  std::vector<GadgetId> ids;
  for (GadgetId id = 0; id <= kLastPageGadget; ++id) {
    if (GadgetExists(id)) ids.push_back(id);
  }
  return ids;
}

std::vector<GadgetId> PageTest::PageGadgets(ControlKind kind) {
  std::vector<GadgetId> ids;
  for (GadgetId id : PageGadgets()) {
    if (GadgetKind(id) == kind) ids.push_back(id);
  }
  return ids;
}

std::vector<ControlState> PageState() {
  std::vector<ControlState> state;
  for (GadgetId id = 0; id <= kLastPageGadget; ++id) {
    if (GadgetExists(id)) state.push_back({id, GetText(id), SelectedItem(id)});
  }
  return state;
}

void PrintTo(const ControlState& state, std::ostream* os) {
  *os << "gadget " << state.id << " \"" << state.text << "\" selected " << state.selected;
}
