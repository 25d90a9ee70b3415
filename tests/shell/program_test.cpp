// The program through the real dispatch with a settings file naming no
// calculator. Start-up restoring the settings, the first run, the settings
// written as things change and the ways out are played end to end.
#include <gtest/gtest.h>

#include <string>

#include "shell/about_window.h"
#include "shell/help_window.h"
#include "shell/menu_items.h"
#include "tests/support/program_fixture.h"

using namespace brindle;

namespace {

using ProgramRunTest = ProgramTest;

// A hand-edited CalcW that names no calculator shows no page; the menu still works.
TEST_F(ProgramRunTest, AnUnknownCalculatorShowsNoPageAndTheMenuStillWorks) {
  for (int calcW : {-1, 999, 2147483647}) {
    SCOPED_TRACE(calcW);
    Start("CalcW = " + std::to_string(calcW) + "\r\n");
    EXPECT_EQ(WindowTitle(kMainWindowId), "Brindle's Math");
    EXPECT_EQ(ControlCount(kMainWindowId), 0);
    Choose(kHelpItem);  // shows the first calculator's text
    EXPECT_EQ(GetText(kHelpTextArea).rfind("Triangles Calculator\r\n", 0), 0u);
    Choose(kAboutItem);
    Click(kAboutOkButton);
    Choose(kExitItem);
    EXPECT_TRUE(ended_);
    ended_ = false;
    EndProgram();
  }
}

}  // namespace
