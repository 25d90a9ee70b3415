// The help window and the about window, through the real dispatch. Where the
// help window opens and what moving it writes are played end to end.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "shell/help_texts.h"
#include "tests/support/program_fixture.h"

namespace {

bool Shows(int k) {
  return GetText(108) == std::string(HelpText(k));
}

using HelpWindowTest = ProgramTest;

// Opening writes nothing and shows the page's text, which does not follow the
// next page; a page's Help
// button changes it, its Clear leaves it alone, and the help window's own menu
// switches it and closes the window, as does its close box.
TEST_F(HelpWindowTest, TheMenuAndThePagesHelpButtonChooseTheText) {
  Start("CalcW = 1\r\n");
  Choose(6);
  EXPECT_EQ(WindowTitle(2), "Math Help");
  EXPECT_TRUE(Shows(1));  // the page's text
  EXPECT_TRUE(GadgetReadOnly(108));
  EXPECT_EQ(SettingsBytes(), "CalcW = 1\r\n");
  Click(kHelpButton);
  EXPECT_TRUE(Shows(1));
  Choose(kBender);
  EXPECT_TRUE(Shows(1));
  Click(kHelpButton);
  EXPECT_EQ(HelpTopic(), 2);
  Click(kClearButton);
  EXPECT_TRUE(Shows(2));
  for (MenuItemId item : {13, 12, 9, 10, 11}) {
    Choose(item, 2);
    EXPECT_TRUE(Shows(item - 9)) << item;
    EXPECT_EQ(HelpTopic(), item - 9);
  }
  Choose(15, 2);
  EXPECT_FALSE(WindowExists(2) || GadgetExists(108));
  EXPECT_EQ(HelpTopic(), -1);
  Click(kHelpButton);
  ClickCloseBox(2);
  Pump();
  EXPECT_FALSE(WindowExists(2));
}

using AboutWindowTest = ProgramTest;

// It opens on the main window's corner over the disabled main window, which
// takes no input; moving it writes nothing.
TEST_F(AboutWindowTest, OpensOverTheDisabledMainWindowAndSavesNothing) {
  Start("Winx = 150\r\nWinY = 70\r\n");
  Choose(8);
  EXPECT_EQ(WindowTitle(1), "About Math Calculator");
  EXPECT_EQ(Frame(1), (std::array{150, 70, 418, 139}));
  EXPECT_FALSE(WindowEnabled(0));
  ClickGadget(kCalcButton);
  ChooseMenuItem(0, 6);
  ClickCloseBox(0);
  EXPECT_FALSE(PollEvent().has_value());
  MoveWindowAsUser(1, 30, 40);
  PumpUntil([] { return false; }, 300);
  EXPECT_EQ(SettingsBytes(), "Winx = 150\r\nWinY = 70\r\n");
}

TEST_F(AboutWindowTest, OkAndTheCloseBoxBothGiveTheMainWindowBack) {
  for (bool byCloseBox : {false, true}) {
    Start();
    Choose(8);
    byCloseBox ? ClickCloseBox(1) : ClickGadget(104);
    Pump();
    EXPECT_FALSE(WindowExists(1));
    EXPECT_TRUE(WindowEnabled(0) && WindowActive(0));
    EXPECT_FALSE(ended_);
    Click(kHelpButton);  // the main window takes input again
    EXPECT_TRUE(WindowExists(2));
    EndProgram();
  }
}

TEST_F(AboutWindowTest, TheLinkAndTheWebsiteItemOpenTheSameAddress) {
  std::vector<std::string> opened;
  SetOpenUrlHandler([&](const std::string& address) { opened.push_back(address); });
  Start();
  Choose(7);
  Choose(8);
  Click(99);
  SetOpenUrlHandler({});
  EXPECT_EQ(opened, (std::vector<std::string>(2, GetText(99))));
  EXPECT_FALSE(GetText(99).empty());
  EXPECT_TRUE(WindowExists(1));  // the about window stays
}

}  // namespace
