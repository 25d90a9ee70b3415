// The help window and the about window, through the real dispatch. Where the
// help window opens and what moving it writes are played end to end.
#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "shell/about_window.h"
#include "shell/help_texts.h"
#include "shell/help_window.h"
#include "tests/support/program_fixture.h"

namespace {

bool Shows(int k) {
  return GetText(kHelpTextArea) == std::string(HelpText(k));
}

using HelpWindowTest = ProgramTest;

// Opening writes nothing and shows the page's text, which does not follow the
// next page; a page's Help
// button changes it, its Clear leaves it alone, and the help window's own menu
// switches it and closes the window, as does its close box.
TEST_F(HelpWindowTest, TheMenuAndThePagesHelpButtonChooseTheText) {
  Start("CalcW = 1\r\n");
  PressKey(kMainWindowId, TestKey::F1);  // as Help > Help
  Pump();
  EXPECT_EQ(WindowTitle(kHelpWindowId), "Math Help");
  EXPECT_TRUE(Shows(1));  // the page's text
  EXPECT_TRUE(GadgetReadOnly(kHelpTextArea));
  // The text fills the window below its menu bar, scroll bars inside it.
  const GadgetRect text = GadgetGeometry(kHelpTextArea);
  EXPECT_EQ(
      (std::array{text.x, text.y, text.w, text.h}),
      (std::array{0, 0, InnerWidth(kHelpWindowId), InnerHeight(kHelpWindowId) - MenuBarHeight()}));
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
    Choose(item, kHelpWindowId);
    EXPECT_TRUE(Shows(item - 9)) << item;
    EXPECT_EQ(HelpTopic(), item - 9);
  }
  Choose(15, kHelpWindowId);
  EXPECT_FALSE(WindowExists(kHelpWindowId) || GadgetExists(kHelpTextArea));
  EXPECT_EQ(HelpTopic(), -1);
  Click(kHelpButton);
  ClickCloseBox(kHelpWindowId);
  Pump();
  EXPECT_FALSE(WindowExists(kHelpWindowId));
  Click(kHelpButton);
  PressKey(kHelpWindowId, TestKey::Escape);  // as the close box
  Pump();
  EXPECT_FALSE(WindowExists(kHelpWindowId));
  EXPECT_EQ(HelpTopic(), -1);
}

using AboutWindowTest = ProgramTest;

// It opens on the main window's corner over the disabled main window, which
// takes no input; OK, its close box, Esc and Enter give the main window back.
TEST_F(AboutWindowTest, OpensOverTheDisabledMainWindowUntilClosed) {
  const std::pair<const char*, void (*)()> ways[] = {
      {"OK", [] { ClickGadget(kAboutOkButton); }},
      {"close box", [] { ClickCloseBox(kAboutWindowId); }},
      {"Esc", [] { PressKey(kAboutWindowId, TestKey::Escape); }},
      {"Enter, OK being the default button", [] { PressKey(kAboutWindowId, TestKey::Enter); }},
  };
  for (const auto& [way, close] : ways) {
    SCOPED_TRACE(way);
    Start("Winx = 150\r\nWinY = 70\r\n");
    Choose(8);
    EXPECT_EQ(Frame(kAboutWindowId), (std::array{150, 70, 418, 139}));
    ClickCloseBox(kMainWindowId);
    EXPECT_FALSE(WindowEnabled(kMainWindowId) || PollEvent().has_value());
    close();
    Pump();
    EXPECT_FALSE(WindowExists(kAboutWindowId));
    EXPECT_TRUE(WindowEnabled(kMainWindowId) && WindowActive(kMainWindowId));
    EXPECT_FALSE(ended_);
    Click(kHelpButton);  // the main window takes input again
    EXPECT_TRUE(WindowExists(kHelpWindowId));
    EndProgram();
  }
}

TEST_F(AboutWindowTest, TheLinkAndTheWebsiteItemOpenTheSameAddress) {
  std::vector<std::string> opened;
  SetOpenUrlHandler([&](const std::string& address) { opened.push_back(address); });
  Start();
  Choose(7);
  Choose(8);
  Click(kWebsiteLink);
  SetOpenUrlHandler({});
  EXPECT_EQ(opened, (std::vector<std::string>(2, GetText(kWebsiteLink))));
  EXPECT_FALSE(GetText(kWebsiteLink).empty());
  EXPECT_TRUE(WindowExists(kAboutWindowId));  // the about window stays
}

}  // namespace
