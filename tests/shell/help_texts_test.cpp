// The calculators' help texts against golden/help_texts.tsv: each the topic's own,
// whole from its first line to its last, in plain ASCII with CR LF line ends.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "pages/calculator_registry.h"
#include "tests/golden_rows.h"

using namespace brindle;

namespace {

TEST(HelpTexts, RunFromTheirFirstLineToTheirLast) {
  for (const GoldenRow& row : ReadGolden("help_texts.tsv", {3})) {
    SCOPED_TRACE(row.where);
    const std::string text(FindCalculator(GoldenNumber<int>(row[0]))->helpText);
    EXPECT_TRUE(row[1] == "first" ? text.starts_with(row[2] + "\r\n\r\n")
                                  : text.ends_with("\r\n" + row[2]));
  }
  // Plain ASCII with CR LF between lines: nothing else is left once the CR LFs are gone.
  for (const Calculator* calculator : Calculators()) {
    std::string text(calculator->helpText);
    for (size_t at; (at = text.find("\r\n")) != std::string::npos;)
      text.erase(at, 2);
    EXPECT_TRUE(std::ranges::all_of(text, [](char c) { return c >= 0x20 && c <= 0x7E; }))
        << calculator->menuText;
  }
}

}  // namespace
