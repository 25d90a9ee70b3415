// The help window and the about window, through the real dispatch. Where the
// help window opens and what moving it writes are played end to end.
#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "pages/calculator_registry.h"
#include "shell/about_window.h"
#include "shell/help_window.h"
#include "shell/menu_items.h"
#include "tests/support/program_fixture.h"

using namespace brindle;

namespace {

bool Shows(int calculatorId) {
  return GetText(kHelpTextArea) == std::string(FindCalculator(calculatorId)->helpText);
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
  EXPECT_EQ(WindowTitle(kHelpWindowId), "Math Help - Brindle's Math");
  EXPECT_TRUE(Shows(1));  // the page's text
  EXPECT_EQ(MenuTexts(kHelpWindowId),
            "Help [Conversions, Squares, Triangles, Circles, Bender, Fractions [Tape Math], "
            "Material [Metal Weight, Weld Metal], -, Close]");
  EXPECT_TRUE(GadgetReadOnly(kHelpTextArea));
  // The text fills the window below its menu bar, scroll bars inside it.
  const GadgetRect text = GadgetGeometry(kHelpTextArea);
  EXPECT_EQ(
      (std::array{text.x, text.y, text.w, text.h}),
      (std::array{0, 0, InnerWidth(kHelpWindowId), InnerHeight(kHelpWindowId) - MenuBarHeight()}));
  EXPECT_EQ(SettingsBytes(), "CalcW = 1\r\n");
  Click(kHelpButton);
  EXPECT_TRUE(Shows(1));
  Choose(CalculatorItem(kBender));
  EXPECT_TRUE(Shows(1));
  Click(kHelpButton);
  Click(kClearButton);
  EXPECT_TRUE(Shows(2));
  for (int topic : {4, 3, 0, 1, 2}) {
    Choose(HelpTopicItem(topic), kHelpWindowId);
    EXPECT_TRUE(Shows(topic)) << topic;
  }
  Choose(kCloseHelpItem, kHelpWindowId);
  EXPECT_FALSE(WindowExists(kHelpWindowId) || GadgetExists(kHelpTextArea));
  Click(kHelpButton);
  EXPECT_TRUE(WindowExists(kHelpWindowId) && Shows(2));  // Help opens it again
  ClickCloseBox(kHelpWindowId);
  Pump();
  EXPECT_FALSE(WindowExists(kHelpWindowId));
  Click(kHelpButton);
  PressKey(kHelpWindowId, TestKey::Escape);  // as the close box
  Pump();
  EXPECT_FALSE(WindowExists(kHelpWindowId));
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
    Choose(kAboutItem);
    EXPECT_EQ(Frame(kAboutWindowId), (std::array{150, 70, 418, 139}));
    // The version line word for word, its blank before the comma included.
    EXPECT_EQ(GetText(kFirstAboutGadget + 1), "Version 1.1 Beta release , Added Radians");
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
  Choose(kWebsiteItem);
  Choose(kAboutItem);
  Click(kWebsiteLink);
  SetOpenUrlHandler({});
  EXPECT_EQ(opened, (std::vector<std::string>(2, GetText(kWebsiteLink))));
  EXPECT_FALSE(GetText(kWebsiteLink).empty());
  EXPECT_TRUE(WindowExists(kAboutWindowId));  // the about window stays
}

}  // namespace
