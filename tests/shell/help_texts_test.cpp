// The five help texts against golden/help_texts.tsv: each the topic's own,
// whole from its first line to its last, in plain ASCII with CR LF line ends.
#include "shell/help_texts.h"

#include <gtest/gtest.h>

#include <string>

#include "tests/golden_rows.h"

namespace {

TEST(HelpTexts, RunFromTheirFirstLineToTheirLast) {
  for (const GoldenRow& row : ReadGolden("help_texts.tsv", {3})) {
    SCOPED_TRACE(row.where);
    const std::string text(HelpText(GoldenNumber<int>(row[0])));
    EXPECT_TRUE(row[1] == "first" ? text.starts_with(row[2] + "\r\n\r\n")
                                  : text.ends_with("\r\n" + row[2]));
  }
  // Plain ASCII with CR LF between lines: no bare CR or LF.
  for (int id = 0; id < kHelpTextCount; ++id) {
    const std::string_view text = HelpText(id);
    for (size_t i = 0; i < text.size(); ++i) {
      const char c = text[i];
      const bool lineEnd =
          (c == '\r' && text.substr(i, 2) == "\r\n") || (c == '\n' && i > 0 && text[i - 1] == '\r');
      EXPECT_TRUE((c >= 0x20 && c <= 0x7E) || lineEnd) << id << " at " << i;
    }
  }
}

}  // namespace
