// The program as a whole, through the real dispatch: start-up, the menu, the
// settings file written as things change, and the end of the program.
#include <gtest/gtest.h>

#include <string>

#include "gadgets/gadget_testing.h"
#include "gadgets/gadgets.h"
#include "shell/program.h"
#include "tests/support/program_fixture.h"

namespace {

using ProgramStartTest = ProgramTest;

TEST_F(ProgramStartTest, FirstRunShowsTheTrianglePageAtTheDefaultCornerAndWritesNothing) {
  Start();
  EXPECT_EQ(WindowLeft(0), 346);
  EXPECT_EQ(WindowTop(0), 50);
  EXPECT_EQ(WindowTitle(0), "Triangles");
  EXPECT_EQ(InnerWidth(0), 379);
  EXPECT_EQ(InnerHeight(0), 219 + MenuBarHeight());
  EXPECT_EQ(SelectedItem(15), 0);  // "Fractions"
  EXPECT_FALSE(WindowResizable(0));
  EXPECT_FALSE(WindowHasMinimizeBox(0));
  EXPECT_FALSE(WindowHasMaximizeBox(0));
  EXPECT_EQ(SettingsBytes(), std::nullopt);
}

TEST_F(ProgramStartTest, StartUpReadsEverySettingAndLeavesTheFileUntouched) {
  const std::string ini =
      "; kept by hand\r\nwinx=120\nWINY = 80\nCalcW = 1\nCalcU = 1\nHelpX=10\nHelpY=20\n"
      "HelpW=500\nHelpH=260\n";
  Start(ini);
  const Settings& s = CurrentSettings();
  EXPECT_EQ(s.winX, 120);
  EXPECT_EQ(s.winY, 80);
  EXPECT_EQ(s.calcW, 1);
  EXPECT_EQ(s.calcU, 1);
  EXPECT_EQ(s.helpX, 10);
  EXPECT_EQ(s.helpY, 20);
  EXPECT_EQ(s.helpW, 500);
  EXPECT_EQ(s.helpH, 260);
  EXPECT_EQ(WindowLeft(0), 120);
  EXPECT_EQ(WindowTitle(0), "Circle, Shapes and Bolt Circle");
  EXPECT_EQ(SelectedItem(52), 1);  // "Decimal"
  EXPECT_EQ(SettingsBytes(), ini);
}

struct PageFrame {
  MenuItemId item;
  const char* title;
  int width;
  int height;  // below the menu bar
};

const PageFrame kFrames[] = {
    {1, "Circle, Shapes and Bolt Circle", 361, 162},
    {3, "Rectangle and Squares", 369, 158},
    {2, "Bend Calculator", 499, 187},
    {4, "Unit Converter", 317, 129},
    {0, "Triangles", 379, 219},
};

TEST_F(ProgramStartTest, EachMenuChoiceShowsItsPageAndWritesCalcW) {
  Start();
  ChooseMenuItem(0, 3);  // leave the triangle page first, so every row is a switch
  Pump();
  for (const PageFrame& frame : kFrames) {
    ChooseMenuItem(0, frame.item);
    Pump();
    EXPECT_EQ(WindowTitle(0), frame.title);
    EXPECT_EQ(InnerWidth(0), frame.width) << frame.title;
    EXPECT_EQ(InnerHeight(0), frame.height + MenuBarHeight()) << frame.title;
    EXPECT_EQ(WindowLeft(0), 346);
    EXPECT_EQ(WindowTop(0), 50);
    EXPECT_EQ(CurrentSettings().calcW, frame.item);
    EXPECT_EQ(SettingsBytes(), "CalcW = " + std::to_string(frame.item) + "\r\n");
  }
}

TEST_F(ProgramStartTest, SwitchingPagesLeavesNoControlOfTheOldPage) {
  Start();
  const int trianglePage = ControlCount(0);
  ChooseMenuItem(0, 4);
  Pump();
  EXPECT_FALSE(GadgetExists(40));  // Side A
  EXPECT_FALSE(GadgetExists(15));  // its units drop-down
  EXPECT_TRUE(GadgetExists(1));
  ChooseMenuItem(0, 0);
  Pump();
  EXPECT_EQ(ControlCount(0), trianglePage);
  EXPECT_FALSE(GadgetExists(1));
}

TEST_F(ProgramStartTest, ChoosingTheCalculatorShownDoesNothing) {
  Start();
  TypeText(40, "3");
  Pump();
  ChooseMenuItem(0, 0);
  Pump();
  EXPECT_EQ(GetText(40), "3");
  EXPECT_EQ(SettingsBytes(), std::nullopt);
}

TEST_F(ProgramStartTest, MovingTheWindowWritesItsCornerAndAPageSwitchKeepsIt) {
  Start();
  MoveWindowAsUser(0, 120, 80);
  ASSERT_TRUE(PumpUntil([&] { return SettingsBytes().has_value(); }));
  EXPECT_EQ(SettingsBytes(), "Winx = 120\r\nWinY = 80\r\n");
  ChooseMenuItem(0, 1);
  Pump();
  EXPECT_EQ(WindowLeft(0), 120);
  EXPECT_EQ(WindowTop(0), 80);
  // The switch's own resize is not a move: no stale position after CalcW.
  PumpUntil([] { return false; }, 300);
  EXPECT_EQ(SettingsBytes(), "Winx = 120\r\nWinY = 80\r\nCalcW = 1\r\n");
}

TEST_F(ProgramStartTest, ANegativeCornerIsWrittenAndReadBack) {
  Start();
  MoveWindowAsUser(0, -40, -12);
  ASSERT_TRUE(PumpUntil([&] { return SettingsBytes().has_value(); }));
  EXPECT_EQ(SettingsBytes(), "Winx = -40\r\nWinY = -12\r\n");
  EndProgram();
  StartProgram(path_);
  EXPECT_EQ(CurrentSettings().winX, -40);
  EXPECT_EQ(CurrentSettings().winY, -12);
}

TEST_F(ProgramStartTest, TheUnitsChoiceIsWrittenAndServesTheNextPage) {
  Start();
  ChooseComboItem(15, 1);
  Pump();
  EXPECT_EQ(CurrentSettings().calcU, 1);
  EXPECT_EQ(SettingsBytes(), "CalcU = 1\r\n");
  ChooseMenuItem(0, 1);
  Pump();
  EXPECT_EQ(SelectedItem(52), 1);
  ChooseComboItem(52, 0);
  Pump();
  EXPECT_EQ(SettingsBytes(), "CalcU = 0\r\nCalcW = 1\r\n");
}

TEST_F(ProgramStartTest, ASecondStartRestoresEverything) {
  Start();
  MoveWindowAsUser(0, 200, 90);
  ASSERT_TRUE(PumpUntil([&] { return SettingsBytes().has_value(); }));
  ChooseMenuItem(0, 3);
  Pump();
  ChooseComboItem(15, 1);
  Pump();
  EndProgram();
  StartProgram(path_);
  Pump();
  EXPECT_EQ(WindowLeft(0), 200);
  EXPECT_EQ(WindowTop(0), 90);
  EXPECT_EQ(WindowTitle(0), "Rectangle and Squares");
  EXPECT_EQ(SelectedItem(15), 1);
}

using ProgramEndTest = ProgramTest;

TEST_F(ProgramEndTest, ExitEndsTheProgram) {
  Start();
  ChooseMenuItem(0, 5);
  Pump();
  EXPECT_TRUE(ended_);
}

TEST_F(ProgramEndTest, EveryPagesCloseButtonEndsTheProgram) {
  for (MenuItemId page : {1, 2, 3, 4, 0}) {
    Start();
    if (page != 0) ChooseMenuItem(0, page);
    Pump();
    ended_ = false;
    ClickGadget(9);
    Pump();
    EXPECT_TRUE(ended_) << "page " << page;
    EndProgram();
  }
}

TEST_F(ProgramEndTest, TheCloseBoxEndsTheProgramWithoutClosingTheWindowItself) {
  Start();
  ClickCloseBox(0);
  Pump();
  EXPECT_TRUE(ended_);
  EXPECT_TRUE(WindowExists(0));  // the program decides; nothing was saved either
  EXPECT_EQ(SettingsBytes(), std::nullopt);
}

// A hand-edited CalcW that names no calculator shows no page; the menu still works.
TEST_F(ProgramEndTest, AnUnknownCalculatorShowsNoPageAndTheMenuStillWorks) {
  for (int calcW : {5, 6, 7, 8, 15, -1}) {
    Start("CalcW = " + std::to_string(calcW) + "\r\n");
    EXPECT_EQ(WindowTitle(0), "Brindle's Math");
    EXPECT_EQ(InnerWidth(0), 600);
    EXPECT_EQ(InnerHeight(0), 300);
    EXPECT_EQ(ControlCount(0), 0);
    ChooseMenuItem(0, 6);  // Help shows the triangle text
    Pump();
    EXPECT_EQ(GetText(108).rfind("Triangles Calculator\r\n", 0), 0u) << calcW;
    ChooseMenuItem(0, 8);  // About
    Pump();
    EXPECT_TRUE(WindowExists(1)) << calcW;
    ClickGadget(104);
    Pump();
    ended_ = false;
    ChooseMenuItem(0, 5);  // Exit
    Pump();
    EXPECT_TRUE(ended_) << calcW;
    EndProgram();
  }
}

TEST_F(ProgramEndTest, AMessageBoxBlocksTheWindowsUntilItIsClosed) {
  Start();
  TypeText(40, "1");
  TypeText(41, "2");
  TypeText(42, "3");
  Pump();
  MessageBoxView seen;
  bool pumpedWhileOpen = false;
  OnNextMessageBox([&](const MessageBoxView& box) {
    seen = box;
    ClickGadget(106);  // Clear: must not reach the program while the box is open
    pumpedWhileOpen = PollEvent().has_value();
  });
  ClickGadget(22);
  Pump();
  EXPECT_EQ(seen.title, "Triangle Math Error");
  EXPECT_EQ(seen.text, "One of the sides is too large");
  EXPECT_EQ(seen.buttons, "OK");
  EXPECT_FALSE(seen.hasIcon);
  EXPECT_FALSE(pumpedWhileOpen);
  EXPECT_FALSE(ended_);
  EXPECT_EQ(GetText(40), "1");
  EXPECT_EQ(GetText(42), "3");
}

}  // namespace

int main(int argc, char** argv) {
  return RunProgramTests(argc, argv);
}
