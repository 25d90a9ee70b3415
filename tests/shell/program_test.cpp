// The program through the real dispatch: start-up reading every setting, the
// pages' Close buttons, and a settings file naming no calculator. The first
// run and the settings written as things change are played end to end.
#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <string>

#include "shell/about_window.h"
#include "shell/help_window.h"
#include "tests/support/program_fixture.h"

namespace {

using ProgramRunTest = ProgramTest;

TEST_F(ProgramRunTest, StartUpReadsEverySettingAndLeavesTheFileUntouched) {
  const std::string ini =
      "; kept by hand\r\nwinx=120\nWINY = 80\nCalcW = 1\nCalcU = 1\nHelpX=10\nHelpY=20\n"
      "HelpW=500\nHelpH=260\n";
  Start(ini);
  const Settings& s = CurrentSettings();
  EXPECT_EQ((std::array{s.winX, s.winY, s.calcW, s.calcU, s.helpX, s.helpY, s.helpW, s.helpH}),
            (std::array<int32_t, 8>{120, 80, 1, 1, 10, 20, 500, 260}));
  EXPECT_EQ(WindowLeft(kMainWindowId), 120);
  EXPECT_EQ(WindowTitle(kMainWindowId), "Circle, Shapes and Bolt Circle");
  EXPECT_EQ(SelectedItem(kCircleUnitsChoice), 1);  // "Decimal"
  Choose(6);
  EXPECT_EQ(Frame(kHelpWindowId), (std::array{10, 20, 500, 260}));
  EXPECT_EQ(SettingsBytes(), ini);
}

TEST_F(ProgramRunTest, EveryPagesCloseButtonEndsTheProgram) {
  for (PageItem page : kAllPages) {
    StartOn(page);
    Click(kCloseButton);
    EXPECT_TRUE(ended_) << "page " << page;
    ended_ = false;
    EndProgram();
  }
}

// A hand-edited CalcW that names no calculator shows no page; the menu still works.
TEST_F(ProgramRunTest, AnUnknownCalculatorShowsNoPageAndTheMenuStillWorks) {
  for (int calcW : {5, 15, -1}) {
    SCOPED_TRACE(calcW);
    Start("CalcW = " + std::to_string(calcW) + "\r\n");
    EXPECT_EQ(WindowTitle(kMainWindowId), "Brindle's Math");
    EXPECT_EQ(ControlCount(kMainWindowId), 0);
    Choose(6);  // Help shows the triangle text
    EXPECT_EQ(GetText(kHelpTextArea).rfind("Triangles Calculator\r\n", 0), 0u);
    Choose(8);  // About
    Click(kAboutOkButton);
    Choose(5);  // Exit
    EXPECT_TRUE(ended_);
    ended_ = false;
    EndProgram();
  }
}

}  // namespace
