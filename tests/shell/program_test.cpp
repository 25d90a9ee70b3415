// The program as a whole, through the real dispatch: start-up, the menu, the
// settings file written as things change, and the end of the program.
#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <string>

#include "shell/about_window.h"
#include "shell/help_window.h"
#include "tests/support/program_fixture.h"

namespace {

using ProgramStartTest = ProgramTest;

TEST_F(ProgramStartTest, FirstRunShowsTheTrianglePageAtTheDefaultCornerAndWritesNothing) {
  Start();
  EXPECT_EQ(Frame(kMainWindowId), (std::array{346, 50, 379, 219 + MenuBarHeight()}));
  EXPECT_EQ(WindowTitle(kMainWindowId), "Triangles");
  EXPECT_EQ(SelectedItem(kUnitsChoice), 0);  // "Fractions"
  EXPECT_FALSE(WindowResizable(kMainWindowId) || WindowHasMinimizeBox(kMainWindowId) ||
               WindowHasMaximizeBox(kMainWindowId));
  // Choosing the calculator shown changes nothing.
  Do("Side A=3");
  Choose(kTriangle);
  EXPECT_EQ(GetText(40), "3");
  EXPECT_EQ(SettingsBytes(), std::nullopt);
}

TEST_F(ProgramStartTest, StartUpReadsEverySettingAndLeavesTheFileUntouched) {
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
  EXPECT_EQ(SettingsBytes(), ini);
}

// The units choice, a move, a page switch that keeps the corner (its own
// resize is no move), a negative corner, and a second start restoring it all.
TEST_F(ProgramStartTest, ChangesAreWrittenAsTheyHappenAndRestoredByTheNextStart) {
  Start();
  Do("Units=Decimal");
  EXPECT_EQ(CurrentSettings().calcU, 1);
  EXPECT_EQ(SettingsBytes(), "CalcU = 1\r\n");
  MoveWindowAsUser(kMainWindowId, 120, 80);
  ASSERT_TRUE(PumpUntil([&] { return CurrentSettings().winX == 120; }));
  EXPECT_EQ(SettingsBytes(), "CalcU = 1\r\nWinx = 120\r\nWinY = 80\r\n");
  Choose(kCircle);
  EXPECT_EQ(WindowLeft(kMainWindowId), 120);
  EXPECT_EQ(WindowTop(kMainWindowId), 80);
  EXPECT_EQ(SelectedItem(kCircleUnitsChoice), 1);
  PumpUntil([] { return false; }, 300);
  Do("Units=Fractions");
  EXPECT_EQ(SettingsBytes(), "CalcU = 0\r\nWinx = 120\r\nWinY = 80\r\nCalcW = 1\r\n");
  Choose(kSquare);
  EXPECT_EQ(SelectedItem(kUnitsChoice), 0);
  Do("Format=Decimal");
  MoveWindowAsUser(kMainWindowId, -40, -12);
  ASSERT_TRUE(PumpUntil([&] { return CurrentSettings().winX == -40; }));
  EXPECT_EQ(SettingsBytes(), "CalcU = 1\r\nWinx = -40\r\nWinY = -12\r\nCalcW = 3\r\n");
  EndProgram();
  StartProgram(path_);
  Pump();
  EXPECT_EQ(WindowLeft(kMainWindowId), -40);
  EXPECT_EQ(WindowTop(kMainWindowId), -12);
  EXPECT_EQ(WindowTitle(kMainWindowId), "Rectangle and Squares");
  EXPECT_EQ(SelectedItem(kUnitsChoice), 1);
}

using ProgramEndTest = ProgramTest;

// "Exit" and the main window's close box are played by the end-to-end tests;
// here the Close button of every page.
TEST_F(ProgramEndTest, EveryPagesCloseButtonEndsTheProgram) {
  for (PageItem page : kAllPages) {
    StartOn(page);
    Click(kCloseButton);
    EXPECT_TRUE(ended_) << "page " << page;
    ended_ = false;
    EndProgram();
  }
}

// A hand-edited CalcW that names no calculator shows no page; the menu still works.
TEST_F(ProgramEndTest, AnUnknownCalculatorShowsNoPageAndTheMenuStillWorks) {
  for (int calcW : {5, 6, 7, 8, 15, -1}) {
    SCOPED_TRACE(calcW);
    Start("CalcW = " + std::to_string(calcW) + "\r\n");
    EXPECT_EQ(WindowTitle(kMainWindowId), "Brindle's Math");
    EXPECT_EQ(InnerWidth(kMainWindowId), 600);
    EXPECT_EQ(InnerHeight(kMainWindowId), 300);
    EXPECT_EQ(ControlCount(kMainWindowId), 0);
    Choose(6);  // Help shows the triangle text
    EXPECT_EQ(GetText(kHelpTextArea).rfind("Triangles Calculator\r\n", 0), 0u);
    Choose(8);  // About
    EXPECT_TRUE(WindowExists(kAboutWindowId));
    Click(kAboutOkButton);
    ended_ = false;
    Choose(5);  // Exit
    EXPECT_TRUE(ended_);
    EndProgram();
  }
}

}  // namespace
