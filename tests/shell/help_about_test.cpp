// The help window and the about window, through the real dispatch.
#include <gtest/gtest.h>

#include <array>
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

std::array<int, 4> TextArea() {
  const GadgetRect area = GadgetGeometry(kHelpTextArea);
  return {area.x, area.y, area.w, area.h};
}

using HelpWindowTest = ProgramTest;

TEST_F(HelpWindowTest, FirstHelpOpensAtTheDefaultsOnTheTriangleText) {
  Start();
  PressKey(kMainWindowId, TestKey::F1);  // as Help > Help
  Pump();
  ASSERT_TRUE(WindowExists(kHelpWindowId));
  EXPECT_EQ(WindowTitle(kHelpWindowId), "Math Help");
  EXPECT_EQ(Frame(kHelpWindowId), (std::array{346, 50, 400, 330}));
  EXPECT_EQ(TextArea(), (std::array{0, 0, 400, 330 - MenuBarHeight()}));
  EXPECT_TRUE(WindowResizable(kHelpWindowId) && WindowHasMinimizeBox(kHelpWindowId) &&
              WindowHasMaximizeBox(kHelpWindowId));
  EXPECT_EQ(HelpTopic(), 0);
  EXPECT_TRUE(GadgetReadOnly(kHelpTextArea));
  TypeText(kHelpTextArea, "xyz");
  Pump();
  EXPECT_TRUE(Shows(0));
  EXPECT_EQ(SettingsBytes(), std::nullopt);  // opening writes nothing
}

// The topic does not follow the page; a page's Help button changes it, its
// Clear leaves it alone, and the help window's own menu switches and closes.
TEST_F(HelpWindowTest, ThePagesHelpButtonAndItsOwnMenuChooseTheText) {
  Start("CalcW = 1\r\n");
  Click(kHelpButton);
  EXPECT_TRUE(Shows(1));
  Choose(kBender);
  EXPECT_TRUE(Shows(1));
  Click(kHelpButton);
  EXPECT_TRUE(Shows(2));
  EXPECT_EQ(HelpTopic(), 2);
  Click(kClearButton);
  EXPECT_TRUE(Shows(2));
  for (MenuItemId item : {13, 12, 9, 10, 11}) {
    Choose(item, kHelpWindowId);
    EXPECT_TRUE(Shows(item - 9)) << item;
    EXPECT_EQ(HelpTopic(), item - 9);
  }
  Choose(15, kHelpWindowId);
  EXPECT_FALSE(WindowExists(kHelpWindowId));
  EXPECT_EQ(HelpTopic(), -1);
  EXPECT_FALSE(GadgetExists(kHelpTextArea));
}

// What a move or a resize writes, and the next opening there, are played by the
// end-to-end tests; here the text filling the resized window, and its close box.
TEST_F(HelpWindowTest, TheTextFillsTheResizedWindowAndTheCloseBoxClosesIt) {
  Start();
  Click(kHelpButton);
  ResizeWindowAsUser(kHelpWindowId, 520, 410);
  ASSERT_TRUE(PumpUntil([&] { return CurrentSettings().helpW == 520; }));
  EXPECT_EQ(SettingsBytes(), "HelpX = 346\r\nHelpY = 50\r\nHelpW = 520\r\nHelpH = 410\r\n");
  EXPECT_EQ(TextArea(), (std::array{0, 0, 520, 410 - MenuBarHeight()}));
  ClickCloseBox(kHelpWindowId);
  Pump();
  EXPECT_FALSE(WindowExists(kHelpWindowId));
  Choose(6);
  EXPECT_EQ(Frame(kHelpWindowId), (std::array{346, 50, 520, 410}));
  PressKey(kHelpWindowId, TestKey::Escape);  // as the close box
  Pump();
  EXPECT_FALSE(WindowExists(kHelpWindowId));
  EXPECT_EQ(HelpTopic(), -1);
}

using AboutWindowTest = ProgramTest;

TEST_F(AboutWindowTest, OpensOnTheMainWindowsCornerOverTheDisabledMainWindowAndSavesNothing) {
  Start("Winx = 150\r\nWinY = 70\r\n");
  Choose(8);
  ASSERT_TRUE(WindowExists(kAboutWindowId));
  EXPECT_EQ(WindowTitle(kAboutWindowId), "About Math Calculator");
  EXPECT_EQ(Frame(kAboutWindowId), (std::array{150, 70, 418, 139}));
  EXPECT_FALSE(WindowEnabled(kMainWindowId));
  ClickGadget(kCalcButton);  // the disabled main window takes no input
  ChooseMenuItem(kMainWindowId, 6);
  ClickCloseBox(kMainWindowId);
  EXPECT_FALSE(PollEvent().has_value());
  EXPECT_TRUE(WindowIsTopmost(kAboutWindowId));
  EXPECT_TRUE(WindowResizable(kAboutWindowId));
  EXPECT_FALSE(WindowHasMinimizeBox(kAboutWindowId) || WindowHasMaximizeBox(kAboutWindowId));
  EXPECT_EQ(GetText(97), "Version 1.1 Beta release , Added Radians");
  EXPECT_EQ(ToolTipOf(kWebsiteLink), "View my website");
  EXPECT_EQ(ToolTipOf(kAboutOkButton), "Close About");
  for (GadgetId id : {96, 97, 98, 99, 100, 104}) {
    EXPECT_LE(TextWidthNeeded(id), GadgetGeometry(id).w) << "gadget " << id << " " << GetText(id);
    EXPECT_EQ(AccessibleNameOf(id), GetText(id)) << "screen readers read the caption";
  }
  // Moving or enlarging it writes nothing and moves nothing inside it.
  const GadgetRect ok = GadgetGeometry(kAboutOkButton);
  MoveWindowAsUser(kAboutWindowId, 30, 40);
  ResizeWindowAsUser(kAboutWindowId, 600, 300);
  PumpUntil([] { return false; }, 300);
  EXPECT_EQ(SettingsBytes(), "Winx = 150\r\nWinY = 70\r\n");
  EXPECT_EQ(GadgetGeometry(kAboutOkButton).x, ok.x);
  EXPECT_EQ(GadgetGeometry(kAboutOkButton).y, ok.y);
}

TEST_F(AboutWindowTest, OkItsCloseBoxEscAndEnterAllGiveTheMainWindowBack) {
  const std::pair<const char*, void (*)()> ways[] = {
      {"OK", [] { ClickGadget(kAboutOkButton); }},
      {"close box", [] { ClickCloseBox(kAboutWindowId); }},
      {"Esc", [] { PressKey(kAboutWindowId, TestKey::Escape); }},
      {"Enter, OK being the default button", [] { PressKey(kAboutWindowId, TestKey::Enter); }},
  };
  for (const auto& [way, close] : ways) {
    SCOPED_TRACE(way);
    Start();
    Choose(8);
    close();
    Pump();
    EXPECT_FALSE(WindowExists(kAboutWindowId));
    EXPECT_TRUE(WindowEnabled(kMainWindowId));
    EXPECT_TRUE(WindowActive(kMainWindowId));
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
  const std::string shown = GetText(kWebsiteLink);
  Click(kWebsiteLink);
  SetOpenUrlHandler({});
  ASSERT_EQ(opened.size(), 2u);
  EXPECT_FALSE(shown.empty());
  EXPECT_EQ(opened[0], shown);
  EXPECT_EQ(opened[1], shown);
  EXPECT_TRUE(WindowExists(kAboutWindowId));  // the about window stays
}

}  // namespace
