// Message boxes: title, text, one "OK", no icon, and no input anywhere else
// while one is open.

#include <string>

#include "gadget_test_support.h"

namespace {

using MessageBoxTest = GadgetTest;

TEST_F(MessageBoxTest, ShowsTitleTextAndOneOkWithoutIcon) {
  OpenWindow(0);
  const int before = MessageBoxCount();
  MessageBoxView seen;
  bool openWhileHandled = false;
  OnNextMessageBox([&](const MessageBoxView& view) {
    seen = view;
    openWhileHandled = MessageBoxOpen();
  });
  ShowMessage("Circle Error", "Radius or Diameter required");
  EXPECT_EQ(seen.title, "Circle Error");
  EXPECT_EQ(seen.text, "Radius or Diameter required");
  EXPECT_EQ(seen.buttons, "OK");
  EXPECT_FALSE(seen.hasIcon);
  EXPECT_TRUE(openWhileHandled);
  EXPECT_FALSE(MessageBoxOpen());
  EXPECT_EQ(MessageBoxCount(), before + 1);
}

TEST_F(MessageBoxTest, EveryWindowTakesNoInputWhileItIsOpen) {
  OpenWindow(0);
  CreateMenuBar(0, 0);
  AddMenuTitle("Calculate");
  AddMenuItem(1, "Bolt Circle");
  CreateButton(22, 10, 10, 50, 30, "Calc");
  CreateEditField(40, 10, 50, 90, 20, "");
  OpenWindow(2);
  CreateButton(105, 10, 10, 50, 30, "Help");
  SettleAndTakeEvents();
  OnNextMessageBox([](const MessageBoxView&) {
    ClickGadget(22);
    ClickGadget(105);
    TypeText(40, "12");
    ChooseMenuItem(0, 1);
    ClickCloseBox(0);
    ClickCloseBox(2);
  });
  ShowMessage("Triangle Error", "x");
  EXPECT_TRUE(TakeAllEvents().empty());
  EXPECT_EQ(GetText(40), "");
  // Afterwards the windows take input again.
  ClickGadget(22);
  EXPECT_EQ(TakeAllEvents().size(), 1u);
}

TEST_F(MessageBoxTest, TextIsShownAsTyped) {
  MessageBoxView seen;
  OnNextMessageBox([&](const MessageBoxView& view) { seen = view; });
  ShowMessage("<b>&Title</b>", "a < b & c\r\nline two");
  EXPECT_EQ(seen.title, "<b>&Title</b>");
  EXPECT_EQ(seen.text, "a < b & c\r\nline two");
}

TEST_F(MessageBoxTest, ABoxWithNoHandlerArmedIsClosedSoNoTestHangs) {
  const int before = MessageBoxCount();
  ShowMessage("Unexpected", "closed by the testing library");
  EXPECT_EQ(MessageBoxCount(), before + 1);
  EXPECT_FALSE(MessageBoxOpen());
}

}  // namespace
