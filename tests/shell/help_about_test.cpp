// The help window and the about window, through the real dispatch.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "gadgets/gadget_testing.h"
#include "gadgets/gadgets.h"
#include "shell/help_texts.h"
#include "shell/program.h"
#include "tests/support/program_fixture.h"

namespace {

bool Shows(int k) {
  return GetText(108) == std::string(HelpText(k));
}

using HelpWindowTest = ProgramTest;

TEST_F(HelpWindowTest, FirstHelpOpensAtTheDefaultsOnTheTriangleText) {
  Start();
  ChooseMenuItem(0, 6);
  Pump();
  ASSERT_TRUE(WindowExists(2));
  EXPECT_EQ(WindowTitle(2), "Math Help");
  EXPECT_EQ(WindowLeft(2), 346);
  EXPECT_EQ(WindowTop(2), 50);
  EXPECT_EQ(InnerWidth(2), 400);
  EXPECT_EQ(InnerHeight(2), 330);
  const GadgetRect area = GadgetGeometry(108);
  EXPECT_EQ(area.x, 0);
  EXPECT_EQ(area.y, 0);
  EXPECT_EQ(area.w, 400);
  EXPECT_EQ(area.h, 330 - MenuBarHeight());
  EXPECT_TRUE(Shows(0));
  EXPECT_TRUE(GadgetReadOnly(108));
  EXPECT_TRUE(WindowResizable(2));
  EXPECT_TRUE(WindowHasMinimizeBox(2));
  EXPECT_TRUE(WindowHasMaximizeBox(2));
  EXPECT_EQ(HelpTopic(), 0);
  EXPECT_EQ(SettingsBytes(), std::nullopt);  // opening writes nothing
}

TEST_F(HelpWindowTest, ItsMenuSwitchesTextsAndCloses) {
  Start();
  ClickGadget(105);
  Pump();
  const MenuItemId items[] = {13, 12, 9, 10, 11};
  for (MenuItemId item : items) {
    ChooseMenuItem(2, item);
    Pump();
    EXPECT_TRUE(Shows(item - 9)) << item;
    EXPECT_EQ(HelpTopic(), item - 9);
  }
  ChooseMenuItem(2, 15);
  Pump();
  EXPECT_FALSE(WindowExists(2));
  EXPECT_EQ(HelpTopic(), -1);
  EXPECT_FALSE(GadgetExists(108));
}

TEST_F(HelpWindowTest, TheTextStaysOnAPageSwitchAndTheHelpButtonChangesIt) {
  Start("CalcW = 1\r\n");
  ClickGadget(105);
  Pump();
  EXPECT_TRUE(Shows(1));
  ChooseMenuItem(0, 2);
  Pump();
  EXPECT_TRUE(Shows(1));  // the help topic does not follow the page
  ClickGadget(105);
  Pump();
  EXPECT_TRUE(Shows(2));
  EXPECT_EQ(HelpTopic(), 2);
}

TEST_F(HelpWindowTest, ClearLeavesTheHelpTextAlone) {
  Start();
  ClickGadget(105);
  Pump();
  ClickGadget(106);
  Pump();
  EXPECT_TRUE(Shows(0));
}

TEST_F(HelpWindowTest, MovesAndResizesAreWrittenAndTheNextOpeningUsesThem) {
  Start();
  ClickGadget(105);
  Pump();
  MoveWindowAsUser(2, 500, 120);
  ASSERT_TRUE(PumpUntil([&] { return SettingsBytes().has_value(); }));
  EXPECT_EQ(SettingsBytes(), "HelpX = 500\r\nHelpY = 120\r\nHelpW = 400\r\nHelpH = 330\r\n");

  ResizeWindowAsUser(2, 520, 410);
  ASSERT_TRUE(PumpUntil([&] { return CurrentSettings().helpW == 520; }));
  EXPECT_EQ(SettingsBytes(), "HelpX = 500\r\nHelpY = 120\r\nHelpW = 520\r\nHelpH = 410\r\n");
  const GadgetRect area = GadgetGeometry(108);  // the text still fills the window
  EXPECT_EQ(area.w, 520);
  EXPECT_EQ(area.h, 410 - MenuBarHeight());

  ClickCloseBox(2);
  Pump();
  EXPECT_FALSE(WindowExists(2));
  ChooseMenuItem(0, 6);
  Pump();
  EXPECT_EQ(WindowLeft(2), 500);
  EXPECT_EQ(WindowTop(2), 120);
  EXPECT_EQ(InnerWidth(2), 520);
  EXPECT_EQ(InnerHeight(2), 410);
}

TEST_F(HelpWindowTest, TypingIntoTheTextChangesNothing) {
  Start();
  ClickGadget(105);
  Pump();
  TypeText(108, "xyz");
  Pump();
  EXPECT_TRUE(Shows(0));
}

using AboutWindowTest = ProgramTest;

TEST_F(AboutWindowTest, OpensOnTheMainWindowsCornerOverTheDisabledMainWindow) {
  Start("Winx = 150\r\nWinY = 70\r\n");
  ChooseMenuItem(0, 8);
  Pump();
  ASSERT_TRUE(WindowExists(1));
  EXPECT_EQ(WindowTitle(1), "About Math Calculator");
  EXPECT_EQ(WindowLeft(1), 150);
  EXPECT_EQ(WindowTop(1), 70);
  EXPECT_EQ(InnerWidth(1), 418);
  EXPECT_EQ(InnerHeight(1), 139);
  EXPECT_FALSE(WindowEnabled(0));
  EXPECT_TRUE(WindowIsTopmost(1));
  EXPECT_TRUE(WindowResizable(1));
  EXPECT_FALSE(WindowHasMinimizeBox(1));
  EXPECT_FALSE(WindowHasMaximizeBox(1));
  EXPECT_EQ(GetText(97), "Version 1.1 Beta release , Added Radians");
  EXPECT_EQ(ToolTipOf(99), "View my website");
  EXPECT_EQ(ToolTipOf(104), "Close About");
}

TEST_F(AboutWindowTest, OkAndTheCloseBoxBothGiveTheMainWindowBack) {
  for (bool byCloseBox : {false, true}) {
    Start();
    ChooseMenuItem(0, 8);
    Pump();
    if (byCloseBox) {
      ClickCloseBox(1);
    } else {
      ClickGadget(104);
    }
    Pump();
    EXPECT_FALSE(WindowExists(1));
    EXPECT_TRUE(WindowEnabled(0));
    EXPECT_TRUE(WindowActive(0));
    EXPECT_FALSE(ended_);
    EndProgram();
  }
}

TEST_F(AboutWindowTest, MovingOrEnlargingItWritesNothing) {
  Start();
  ChooseMenuItem(0, 8);
  Pump();
  const GadgetRect ok = GadgetGeometry(104);
  MoveWindowAsUser(1, 30, 40);
  ResizeWindowAsUser(1, 600, 300);
  PumpUntil([] { return false; }, 300);
  EXPECT_EQ(SettingsBytes(), std::nullopt);
  EXPECT_EQ(GadgetGeometry(104).x, ok.x);
  EXPECT_EQ(GadgetGeometry(104).y, ok.y);
}

TEST_F(AboutWindowTest, TheLinkAndTheWebsiteItemOpenTheSameAddress) {
  std::vector<std::string> opened;
  SetOpenUrlHandler([&](const std::string& address) { opened.push_back(address); });
  Start();
  ChooseMenuItem(0, 7);
  Pump();
  ChooseMenuItem(0, 8);
  Pump();
  const std::string shown = GetText(99);
  ClickGadget(99);
  Pump();
  SetOpenUrlHandler({});
  ASSERT_EQ(opened.size(), 2u);
  EXPECT_FALSE(shown.empty());
  EXPECT_EQ(opened[0], shown);
  EXPECT_EQ(opened[1], shown);
  EXPECT_TRUE(WindowExists(1));  // the about window stays
}

TEST_F(AboutWindowTest, EveryTextFitsItsBox) {
  Start();
  ChooseMenuItem(0, 8);
  Pump();
  for (GadgetId id : {96, 97, 98, 99, 100, 104}) {
    EXPECT_LE(TextWidthNeeded(id), GadgetGeometry(id).w)
        << "gadget " << id << " \"" << GetText(id) << '"';
  }
}

}  // namespace

int main(int argc, char** argv) {
  return RunProgramTests(argc, argv);
}
