#pragma once
// Golden rows: one case per line of a small text file in the test folder's
// golden/ directory, its columns separated by "|". Blanks around a column are
// not part of it, so columns can be lined up; a line whose first character
// other than a blank is "#" is a comment. Inside a column, \s is a blank (only
// needed at either end), \t \n \r a tab, line feed and carriage return, \| a
// bar, \\ a backslash, \xHH the byte HH, and \{N} after a character makes N
// of it in a row ("0.0\{100}1" is a 1 in the hundredth place).
//
// The folder's test program defines BRINDLE_GOLDEN_DIR.

#include <gtest/gtest.h>

#include <algorithm>
#include <charconv>
#include <cstdint>
#include <fstream>
#include <ranges>
#include <string>
#include <string_view>
#include <vector>

// The columns of a row, and "file:line" for SCOPED_TRACE.
struct GoldenRow : std::vector<std::string> {
  std::string where;
};

// A number column: decimals, exponents, "inf", "-inf" or "nan", read exactly;
// whole numbers in `base`.
template <typename Number, typename... Base>
Number GoldenNumber(std::string_view text, Base... base) {
  Number value{};
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value, base...);
  EXPECT_TRUE(error == std::errc() && end == text.data() + text.size()) << "bad number " << text;
  return value;
}

inline GoldenRow SplitGolden(std::string_view line) {
  GoldenRow row;
  row.emplace_back();
  size_t kept = 0;  // the column's length without its trailing blanks
  for (size_t i = 0; i < line.size(); ++i) {
    std::string& cell = row.back();
    const bool escaped = line[i] == '\\' && i + 1 < line.size();
    const char c = line[i += escaped];
    const size_t named = escaped ? std::string_view("stnr").find(c) : line.npos;  // \s \t \n \r
    const size_t end = escaped && c == '{' && !cell.empty() ? line.find('}', i) : line.npos;
    if (end != line.npos) {
      cell.append(GoldenNumber<size_t>(line.substr(i + 1, end - i - 1)) - 1, cell.back()), i = end;
    } else if (escaped && c == 'x') {
      cell += static_cast<char>(GoldenNumber<unsigned>(line.substr(i + 1, 2), 16)), i += 2;
    } else if (!escaped && c == '|') {
      cell.resize(kept), row.emplace_back(), kept = 0;
      continue;
    } else if (escaped || c != ' ' || !cell.empty()) {
      cell += named != line.npos ? " \t\n\r"[named] : c;
    }
    if (escaped || c != ' ') kept = cell.size();
  }
  row.back().resize(kept);
  return row;
}

// The rows of `name`; a row with a number of columns not in `widths` fails the
// test, and so does a missing or empty file.
inline std::vector<GoldenRow> ReadGolden(const std::string& name, std::vector<size_t> widths) {
  std::ifstream file(std::string(BRINDLE_GOLDEN_DIR) + "/" + name);
  std::vector<GoldenRow> rows;
  std::string line;
  for (int number = 1; std::getline(file, line); ++number) {
    const size_t first = line.find_first_not_of(' ');
    if (first == std::string::npos || line[first] == '#') continue;
    rows.push_back(SplitGolden(line));
    rows.back().where = name + ":" + std::to_string(number);
    if (std::find(widths.begin(), widths.end(), rows.back().size()) == widths.end()) {
      ADD_FAILURE() << rows.back().where << " has " << rows.back().size() << " columns";
      rows.pop_back();
    }
  }
  EXPECT_FALSE(rows.empty()) << "no rows read from " << name;
  return rows;
}

// Each row of `name` with `width` columns: `compute` of the row gives its last column.
template <typename Compute>
void CheckGolden(const std::string& name, size_t width, Compute compute) {
  for (const GoldenRow& row : ReadGolden(name, {width})) {
    SCOPED_TRACE(row.where);
    EXPECT_EQ(compute(row), row.back());
  }
}

// "a;b; c;" as {"a", "b", "c"}: a column split further, blanks around each
// part dropped, and empty parts too.
inline std::vector<std::string> SplitCell(std::string_view cell, char separator) {
  std::vector<std::string> parts;
  for (size_t start = 0; start <= cell.size();) {
    const size_t end = std::min(cell.find(separator, start), cell.size());
    const std::string_view part = cell.substr(start, end - start);
    const size_t first = part.find_first_not_of(' ');
    if (first != part.npos)
      parts.emplace_back(part.substr(first, part.find_last_not_of(' ') - first + 1));
    start = end + 1;
  }
  return parts;
}
