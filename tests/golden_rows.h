#pragma once
// Golden rows: one case per line of a small text file in the test folder's
// golden/ directory, its columns separated by "|". Blanks around a column are
// not part of it, so columns can be lined up; a line whose first character
// other than a blank is "#" is a comment. Inside a column, \s is a blank (only
// needed at either end), \t \n \r a tab, line feed and carriage return, \| a
// bar, \\ a backslash and \xHH the byte HH.
//
// The folder's test program defines BRINDLE_GOLDEN_DIR.

#include <gtest/gtest.h>

#include <algorithm>
#include <charconv>
#include <cstddef>
#include <cstdint>
#include <fstream>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

// The columns of a row, and "file:line" for SCOPED_TRACE.
struct GoldenRow : std::vector<std::string> {
  std::string where;
};

// The character an escape stands for; `i` is on the letter after the backslash
// and ends on the escape's last character.
inline char Escaped(std::string_view line, size_t& i) {
  const char c = line[i];
  if (c != 'x' || i + 2 >= line.size())
    return c == 's' ? ' ' : c == 't' ? '\t' : c == 'n' ? '\n' : c == 'r' ? '\r' : c;
  unsigned byte = 0;
  std::from_chars(line.data() + i + 1, line.data() + i + 3, byte, 16);
  i += 2;
  return static_cast<char>(byte);
}

inline GoldenRow SplitGolden(std::string_view line) {
  GoldenRow row;
  row.emplace_back();
  size_t kept = 0;  // the column's length without its trailing blanks
  for (size_t i = 0; i < line.size(); ++i) {
    if (line[i] == '|') {
      row.back().resize(kept);
      row.emplace_back();
      kept = 0;
    } else if (line[i] == '\\' && i + 1 < line.size()) {
      row.back() += Escaped(line, ++i);
      kept = row.back().size();
    } else if (line[i] != ' ' || !row.back().empty()) {
      row.back() += line[i];
      if (line[i] != ' ') kept = row.back().size();
    }
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
    GoldenRow row = SplitGolden(line);
    row.where = name + ":" + std::to_string(number);
    if (std::find(widths.begin(), widths.end(), row.size()) == widths.end()) {
      ADD_FAILURE() << row.where << " has " << row.size() << " columns";
    } else {
      rows.push_back(std::move(row));
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

// The shortest text that reads back as exactly this value ("-0", "inf"); every NaN is "nan".
inline std::string Shortest(float value) {
  if (value != value) return "nan";
  char text[32];
  return std::string(text, std::to_chars(text, text + sizeof text, value).ptr);
}

// A number column: decimals, exponents, "inf", "-inf" or "nan", read exactly.
template <typename Number>
Number GoldenNumber(const std::string& text) {
  Number value{};
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  EXPECT_TRUE(error == std::errc() && end == text.data() + text.size()) << "bad number " << text;
  return value;
}

// "a;b; c" as {"a", "b", " c"}: a column split further.
inline std::vector<std::string> SplitCell(std::string_view cell, char separator) {
  std::vector<std::string> parts(1);
  for (const char c : cell)
    c == separator ? parts.emplace_back() : parts.back() += c;
  return parts;
}

// The rows of `name` with their line numbers, for tests that name rows by line.
struct GoldenCells {
  int line = 0;
  GoldenRow cells;
  std::string Text(size_t i) const { return cells.at(i); }
  int64_t Number(size_t i) const { return GoldenNumber<int64_t>(cells.at(i)); }
};
inline std::vector<GoldenCells> ReadGoldenCells(const std::string& name) {
  std::vector<GoldenCells> rows;
  for (GoldenRow& row : ReadGolden(name, {3}))
    rows.push_back({std::stoi(row.where.substr(name.size() + 1)), std::move(row)});
  return rows;
}
