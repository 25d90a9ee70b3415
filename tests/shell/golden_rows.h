#pragma once
// Golden rows of the shell's tests: small tab-separated text files in
// tests/shell/golden, one row per line. Empty lines and lines beginning with
// "#" are notes for the reader. In a cell, a backslash starts an escape: \r,
// \n, \t, \\ or \xHH (two hex digits); a cell holding only "-" is empty.

#include <gtest/gtest.h>

#include <charconv>
#include <cstdint>
#include <fstream>
#include <string>
#include <string_view>
#include <vector>

inline std::vector<std::string> SplitCell(std::string_view cell, char separator) {
  std::vector<std::string> parts(1);
  for (const char c : cell) {
    if (c == separator) parts.emplace_back();
    if (c != separator) parts.back() += c;
  }
  return parts;
}

inline int64_t GoldenNumber(std::string_view cell, int base = 10) {
  int64_t number = 0;
  const auto [end, error] = std::from_chars(cell.data(), cell.data() + cell.size(), number, base);
  if (error != std::errc{} || end != cell.data() + cell.size()) ADD_FAILURE() << "bad: " << cell;
  return number;
}

// The cell with its escapes undone.
inline std::string GoldenText(std::string_view cell) {
  std::string text;
  for (std::size_t i = 0; i < cell.size() && cell != "-"; ++i) {
    const char kind = cell[i] == '\\' && i + 1 < cell.size() ? cell[i + 1] : '\0';
    const std::size_t plain = std::string_view("rnt\\").find(kind);
    if (kind == '\0') {
      text += cell[i];
    } else if (kind == 'x') {
      text += static_cast<char>(GoldenNumber(cell.substr(i + 2, 2), 16));
      i += 3;
    } else {
      if (plain == std::string_view::npos) ADD_FAILURE() << "bad escape in " << cell;
      text += plain == std::string_view::npos ? '?' : "\r\n\t\\"[plain];
      i += 1;
    }
  }
  return text;
}

struct GoldenRow {
  int line = 0;                    // in the data file, for messages
  std::vector<std::string> cells;  // as written, escapes not yet undone
  std::string Text(std::size_t i) const { return GoldenText(cells.at(i)); }
  int64_t Number(std::size_t i) const { return GoldenNumber(cells.at(i)); }
};

// The rows of tests/shell/golden/`name`; a file that cannot be read fails the test.
inline std::vector<GoldenRow> ReadGoldenRows(const std::string& name) {
  std::vector<GoldenRow> rows;
  std::ifstream in(std::string(BRINDLE_SHELL_GOLDEN) + "/" + name, std::ios::binary);
  if (!in) ADD_FAILURE() << "cannot read golden/" << name;
  std::string line;
  for (int number = 1; std::getline(in, line); ++number) {
    if (!line.empty() && line[0] != '#') rows.push_back({number, SplitCell(line, '\t')});
  }
  return rows;
}
