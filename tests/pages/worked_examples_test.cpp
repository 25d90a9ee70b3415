// Each page's worked examples and messages, from golden/worked_examples.txt:
// typed into the real fields, calculated through the real dispatch, read back.
#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "tests/golden_rows.h"
#include "tests/support/program_fixture.h"

using namespace brindle;

namespace {

using WorkedExamplesTest = ProgramTest;

TEST_F(WorkedExamplesTest, EveryPageShowsItsWorkedExamplesAndMessages) {
  for (const GoldenRow& row : ReadGolden("worked_examples.txt", {4, 5})) {
    SCOPED_TRACE(row.where);
    const PageItem page = kPageItems.at(row[0]);
    std::string calcU = row[1] == "Fractions" ? "0" : row[1] == "Decimal" ? "1" : row[1];
    StartOn(page, GoldenNumber<int>(calcU));
    const std::vector<std::string> steps = SplitCell(row[2], ';');
    for (size_t i = 0; i + 1 < steps.size(); ++i)
      Do(steps[i]);
    PageView expected = ViewPage();
    const int boxes = MessageBoxCount();
    std::optional<MessageBoxView> box;
    OnNextMessageBox([&box](const MessageBoxView& shown) { box = shown; });
    Do(steps.back());
    if (MessageBoxCount() == boxes) OnNextMessageBox({});
    if (row.size() == 5) {
      ASSERT_TRUE(box.has_value()) << "no message box";
      EXPECT_EQ(box->title, row[3]);
      EXPECT_EQ(box->text, row[4]);
      EXPECT_EQ(box->buttons, "OK");
    } else {
      EXPECT_FALSE(box.has_value()) << box->title << ": " << box->text;
      for (const std::string& shown : SplitCell(row[3], ';')) {
        const size_t equals = shown.find('=');
        const std::string name = shown.substr(0, equals), text = shown.substr(equals + 1);
        if (name == "CalcU") {
          calcU = text;
        } else {
          expected[Named(name)] = text;
        }
      }
    }
    ExpectPageShows(expected);
    EXPECT_EQ(SettingsBytes(), "CalcW = " + std::to_string(page) + "\r\nCalcU = " + calcU + "\r\n");
    EndProgram();
  }
}

}  // namespace
