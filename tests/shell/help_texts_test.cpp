// The five help texts, whole and in order, against golden/help_texts.tsv.
#include "shell/help_texts.h"

#include <gtest/gtest.h>

#include <map>
#include <string>

#include "tests/golden_rows.h"

namespace {

TEST(HelpTexts, HoldTheirGoldenLinesFromFirstToLast) {
  std::map<int, size_t> next;  // per text, where the line after the last one found starts
  for (const GoldenRow& row : ReadGolden("help_texts.tsv", {3})) {
    SCOPED_TRACE(row.where);
    const int id = GoldenNumber<int>(row[0]);
    const std::string text(HelpText(id)), lines = text + "\r\n";
    const std::string &check = row[1], &line = row[2];
    if (check == "first") {
      EXPECT_TRUE(text.starts_with(line + "\r\n\r\n")) << line;
    } else if (check == "last") {
      EXPECT_TRUE(text.ends_with("\r\n" + line)) << line;
    } else {
      ASSERT_EQ(check, "line");
      size_t& from = next[id];
      const size_t at = lines.find("\r\n" + line + "\r\n", from);
      EXPECT_NE(at, std::string::npos) << "missing, or out of order: " << line;
      if (at != std::string::npos) from = at + 2;
    }
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
