// The five help texts, checked against the rows of golden/help_texts.tsv, and
// the about window's credit line.
#include "shell/help_texts.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <string>
#include <string_view>
#include <vector>

#include "tests/golden_rows.h"

namespace {

// The lines of a text, split at CR LF; a final CR LF ends the last line.
std::vector<std::string_view> Lines(std::string_view text) {
  std::vector<std::string_view> lines;
  while (!text.empty()) {
    const std::size_t end = text.find("\r\n");
    lines.push_back(text.substr(0, end));
    text.remove_prefix(end == std::string_view::npos ? text.size() : end + 2);
  }
  return lines;
}

// How often `word` stands in `line` with no letter or digit touching it.
int CountWord(std::string_view line, std::string_view word) {
  const auto free = [&](std::size_t at) {  // before the line's start, at - 1 wraps past its end
    const char c = at < line.size() ? line[at] : ' ';
    return !((c >= '0' && c <= '9') || (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z'));
  };
  int count = 0;
  for (std::size_t at = line.find(word); at != std::string_view::npos; at = line.find(word, at + 1))
    count += free(at - 1) && free(at + word.size()) ? 1 : 0;
  return count;
}

TEST(HelpTexts, MatchTheGoldenRows) {
  const std::vector<GoldenCells> rows = ReadGoldenCells("help_texts.tsv");
  EXPECT_GE(rows.size(), 80u);
  std::set<std::string, std::less<>> quoted;  // the whole lines the rows give
  int64_t id = -1;
  std::size_t next = 0;  // the line after the one the row before found
  for (const GoldenCells& row : rows) {
    SCOPED_TRACE("help_texts.tsv:" + std::to_string(row.line));
    if (row.Number(0) != id) next = 0;
    id = row.Number(0);
    const std::string_view text = HelpText(static_cast<int>(id));
    const std::vector<std::string_view> lines = Lines(text);
    const std::string& check = row.cells.at(1);
    const std::string value = row.Text(2);
    if (check == "size" || check == "lines") {
      EXPECT_EQ(static_cast<int64_t>(check == "size" ? text.size() : lines.size()),
                GoldenNumber<int64_t>(value));
    } else if (check == "first") {
      EXPECT_TRUE(text.starts_with(value + "\r\n\r\n")) << value;
      next = 1;
    } else if (check == "last") {
      EXPECT_TRUE(text.ends_with("\r\n" + value)) << value;
    } else if (check == "line" || check == "next" || check == "starts") {
      std::size_t found = next;
      while (found < lines.size() &&
             !(check == "starts" ? lines[found].starts_with(value) : lines[found] == value)) {
        ++found;
      }
      EXPECT_LT(found, lines.size()) << "missing, or out of order: " << value;
      EXPECT_TRUE(check != "next" || found == next) << "not on the next line: " << value;
      next = found + 1;
    } else if (check == "count") {
      const std::vector<std::string> range = SplitCell(value, '-');
      int count = 0;
      for (int64_t n = GoldenNumber<int64_t>(range.at(0)); n <= GoldenNumber<int64_t>(range.at(1));
           ++n) {
        count += CountWord(lines.at(static_cast<std::size_t>(n - 1)), row.Text(3));
      }
      EXPECT_EQ(count, row.Number(4)) << row.Text(3);
    } else {
      ADD_FAILURE() << "unknown check " << check;
    }
    quoted.insert(value);
  }
  // Plain ASCII, so no bare CR or LF either; a line that ends in a blank must
  // be one the rows quote, since a trailing blank is easy to lose or to add.
  for (int text = 0; text < kHelpTextCount; ++text) {
    for (const std::string_view line : Lines(HelpText(text))) {
      for (const char c : line)
        EXPECT_TRUE(c >= 0x20 && c <= 0x7E) << text << ": " << int{c};
      EXPECT_TRUE(!line.ends_with(' ') || quoted.contains(line)) << text << ": \"" << line << '"';
    }
  }
}

// "2011." then two blanks, then a phrase, then exactly one trailing blank, all
// short enough for the about window's 400-pixel label in a small font.
TEST(AboutCredit, OneShortLineEndingInOneBlank) {
  const std::string_view credit = AboutCreditText();
  EXPECT_TRUE(credit.starts_with("Brindle's Math"));
  EXPECT_NE(credit.find("welding class"), std::string_view::npos);
  const std::string_view phrase = credit.substr(std::min(credit.find("2011.  "), credit.size()));
  EXPECT_TRUE(phrase.size() >= 9 && phrase[7] != ' ' && phrase.ends_with(' ') &&
              !phrase.ends_with("  "));
  EXPECT_LE(credit.size(), 70u);
  for (const char c : credit)
    EXPECT_TRUE(c >= 0x20 && c <= 0x7E) << int{c};
}

}  // namespace
