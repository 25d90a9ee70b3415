// The settings file's text in memory: reading lines, converting values and
// writing the file back, without touching the disk.
#include "shell/settings_text.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <map>
#include <string>
#include <utility>
#include <vector>

namespace {

using std::string_literals::operator""s;
using Kind = SettingsLineKind;

constexpr int32_t kMax = std::numeric_limits<int32_t>::max();
constexpr int32_t kMin = std::numeric_limits<int32_t>::min();

std::string Lower(std::string text) {
  for (char& c : text) {
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  }
  return text;
}

TEST(SettingValueToInt, ReadsLeadingNumberAndSaturates) {
  const std::vector<std::pair<std::string, int32_t>> rows = {
      {"0", 0},
      {"346", 346},
      {"  42", 42},
      {"\t\v\f 5", 5},
      {"+7", 7},
      {"-13", -13},
      {"3 ", 3},
      {"2 ;remark", 2},
      {"12abc", 12},
      {"abc", 0},
      {"", 0},
      {"-", 0},
      {"+", 0},
      {"- 5", 0},
      {"--5", 0},
      {"0x1A", 0},
      {"1.9", 1},
      {"-000000000000000000000000012", -12},
      {"2147483647", kMax},
      {"2147483648", kMax},
      {"-2147483648", kMin},
      {"-2147483649", kMin},
      {"99999999999999999999999999999999", kMax},
      {"-99999999999999999999999999999999", kMin},
  };
  for (const auto& [text, expected] : rows) {
    EXPECT_EQ(SettingValueToInt(text), expected) << '"' << text << '"';
  }
}

TEST(SettingIntToText, PlainDecimal) {
  const std::vector<std::pair<int32_t, std::string>> rows = {
      {0, "0"}, {7, "7"}, {-1, "-1"}, {120, "120"}, {kMax, "2147483647"}, {kMin, "-2147483648"},
  };
  for (const auto& [value, expected] : rows) {
    EXPECT_EQ(SettingIntToText(value), expected);
    EXPECT_EQ(SettingValueToInt(expected), value);
  }
}

TEST(Latin1ToUtf8, HighBytesBecomeTwoBytes) {
  EXPECT_EQ(Latin1ToUtf8("WinX"), "WinX");
  EXPECT_EQ(Latin1ToUtf8("H\xF6he \xDFt"), "H\xC3\xB6he \xC3\x9Ft");
  EXPECT_EQ(Latin1ToUtf8("\x80\xFF"), "\xC2\x80\xC3\xBF");
  EXPECT_EQ(Latin1ToUtf8(""), "");
}

TEST(SameSettingsKey, IgnoresCaseOfAsciiLettersOnly) {
  EXPECT_TRUE(SameSettingsKey("WinX", "winx"));
  EXPECT_TRUE(SameSettingsKey("HELPH", "HelpH"));
  EXPECT_FALSE(SameSettingsKey("WinX", "WinXX"));
  EXPECT_FALSE(SameSettingsKey("WinX", "Win"));
  EXPECT_FALSE(SameSettingsKey("Win[", "Win{"));  // 0x5B and 0x7B differ by the case bit
  EXPECT_FALSE(SameSettingsKey("\xC4", "\xE4"));
}

struct ParseRow {
  std::string bytes;
  std::vector<SettingsEntry> entries;
};

TEST(SettingsDocument, ParsesLines) {
  const std::vector<ParseRow> rows = {
      {"winx=500\n  WINY   =   60\n", {{Kind::Key, "winx", "500"}, {Kind::Key, "WINY", "60"}}},
      {";note\r\n; kept\r\n;  two\r\n;\r\n",
       {{Kind::Comment, "note", ""},
        {Kind::Comment, "kept", ""},
        {Kind::Comment, " two", ""},
        {Kind::Comment, "", ""}}},
      {"[Group]tail\r\n[open\r\n[]\r\n[a[b]c]",
       {{Kind::Group, "Group", ""},
        {Kind::Group, "open", ""},
        {Kind::Group, "", ""},
        {Kind::Group, "a[b", ""}}},
      {"a=1\r\rb=2\n\n\r\nc=3",
       {{Kind::Key, "a", "1"}, {Kind::Key, "b", "2"}, {Kind::Key, "c", "3"}}},
      {"a=1\0b=2\0\0\0\r\nc"s,
       {{Kind::Key, "a", "1"}, {Kind::Key, "b", "2"}, {Kind::Key, "c", ""}}},
      {"\t  key  \t= \t value  \r\n", {{Kind::Key, "key", "value  "}}},
      {"novalue \r\nnext=1", {{Kind::Key, "novalue", ""}, {Kind::Key, "next", "1"}}},
      {"k = v = w", {{Kind::Key, "k", "v = w"}}},
      {"x=1 ;c", {{Kind::Key, "x", "1 ;c"}}},
      {"=5\r\n  =", {{Kind::Key, "", "5"}, {Kind::Key, "", ""}}},
      {"[a]b=2\r\nc\t=", {{Kind::Group, "a", ""}, {Kind::Key, "c", ""}}},
      {"   \r\n\t\n \0 \n  "s, {}},
      {"", {}},
      {"\xEF\xBB", {{Kind::Key, "\xEF\xBB", ""}}},
      {"\xEF\xBB\xBFk=1", {{Kind::Key, "k", "1"}}},
      {"\xEF\xBB\xBF\xEF\xBB\xBFk=1", {{Kind::Key, "\xEF\xBB\xBFk", "1"}}},
  };
  for (const ParseRow& row : rows) {
    EXPECT_EQ(SettingsDocument(row.bytes).Entries(), row.entries) << '"' << row.bytes << '"';
  }
  EXPECT_TRUE(SettingsDocument("\xEF\xBB\xBF").Utf8());
  EXPECT_FALSE(SettingsDocument("\xEF\xBB").Utf8());
  EXPECT_FALSE(SettingsDocument(" \xEF\xBB\xBF").Utf8());
}

struct ReadRow {
  std::string bytes;
  std::string key;
  int32_t expected;  // with the fallback -99
};

TEST(SettingsDocument, ReadsKeysBeforeTheFirstGroup) {
  const std::vector<ReadRow> rows = {
      {"winx=500\n  WINY   =   60\n", "WinX", 500},
      {"winx=500\n  WINY   =   60\n", "WinY", 60},
      {"CalcW=word\r\n", "CalcW", 0},
      {"CalcW=\r\n", "CalcW", 0},
      {"CalcW\r\n", "CalcW", 0},
      {"CalcW=3 \r\n", "CalcW", 3},
      {"CalcW=2 ;remark\r\n", "CalcW", 2},
      {"WinX=-20\r\n", "WinX", -20},
      {"CalcU=1\r\nCalcU=0\r\n", "CalcU", 1},
      {"[G]\r\nCalcW=3\r\n", "CalcW", -99},
      {"; CalcW=3\r\n", "CalcW", -99},
      {"CalcWX=3\r\n", "CalcW", -99},
      {"Calc=3\r\n", "CalcW", -99},
      {"", "WinX", -99},
      {"a=1\r\n[G\r\nWinX=4", "WinX", -99},
      {"; c\r\nWinX=4\r\n[G]\r\nWinX=5", "WinX", 4},
      {"H\xF6he=4\r\n", "H\xF6he", 4},
      {"\xEF\xBB\xBFH\xC3\xB6he=4\r\n", "H\xF6he", 4},
      {"\xEF\xBB\xBFH\xC3\xB6he=4\r\n", "H\xC3\xB6he", -99},
      {"\xEF\xBB\xBFWinX=1\r\n", "winx", 1},
  };
  for (const ReadRow& row : rows) {
    EXPECT_EQ(SettingsDocument(row.bytes).Read(row.key, -99), row.expected)
        << '"' << row.bytes << "\" key " << row.key;
  }
}

struct WriteRow {
  std::string bytes;
  std::vector<std::pair<std::string, int32_t>> writes;
  std::string expected;
};

// Each row: a file, the writes made to it, and the file as written back. The
// body also checks that every written key reads back its last value and that
// the written text reads back as the same entries.
TEST(SettingsDocument, WritesTheFileBack) {
  const std::vector<WriteRow> rows = {
      {"", {}, ""},
      {"", {{"Winx", 120}, {"WinY", 80}, {"CalcW", 1}}, "Winx = 120\r\nWinY = 80\r\nCalcW = 1\r\n"},
      {";note\r\n\r\n\r\n; kept\r\nA=1\r\n", {{"A", 2}}, "; note\r\n; kept\r\nA = 2\r\n"},
      {"; c\r\n[G]\r\n", {{"X", 1}}, "; c\r\nX = 1\r\n[G]\r\n"},
      {"a=1\r\n[G]\r\nb=2\r\n[H]\r\n",
       {{"Z", 5}, {"Y", 6}, {"z", 7}},
       "a = 1\r\nz = 7\r\nY = 6\r\n[G]\r\nb = 2\r\n[H]\r\n"},
      {"a=1\r\n; c\r\n", {{"B", 2}}, "a = 1\r\n; c\r\nB = 2\r\n"},
      {"CalcW=2 ;remark\r\n", {{"CalcW", 2}}, "CalcW = 2\r\n"},
      {"[open\r\nk", {{"k", 1}}, "k = 1\r\n[open]\r\nk = \r\n"},
      {"\xEF\xBB\xBF", {}, "\xEF\xBB\xBF\r\n"},
      {"\xEF\xBB\xBFH\xC3\xB6he=1\r\n", {{"H\xF6HE", 9}}, "\xEF\xBB\xBF\r\nH\xC3\xB6HE = 9\r\n"},
      {"H\xF6he=1\r\n", {{"H\xD6he", 9}}, "H\xF6he = 1\r\nH\xD6he = 9\r\n"},  // A to Z only
      {"\xEF\xBB\xBF", {{"\xB0", 1}}, "\xEF\xBB\xBF\r\n\xC2\xB0 = 1\r\n"},
      {"H\xF6he=1", {{"h\xF6he", 9}}, "h\xF6he = 9\r\n"},
      {"", {{"WinX", -15}, {"HelpW", kMin}}, "WinX = -15\r\nHelpW = -2147483648\r\n"},
      {"", {{"A", 1}, {"a", 2}}, "a = 2\r\n"},
      {"k=1\r\n", {{"K", 2}, {"k", 3}}, "k = 3\r\n"},
  };
  for (const WriteRow& row : rows) {
    SettingsDocument document(row.bytes);
    std::map<std::string, int32_t> last;
    for (const auto& [key, value] : row.writes) {
      document.Write(key, value);
      last[Lower(key)] = value;
    }
    const std::string written = document.Render();
    EXPECT_EQ(written, row.expected) << '"' << row.bytes << '"';
    for (const auto& [key, value] : row.writes) {
      EXPECT_EQ(document.Read(key, -99), last[Lower(key)]) << key;
    }
    const SettingsDocument reread(written);
    EXPECT_EQ(reread.Entries(), document.Entries()) << '"' << row.bytes << '"';
    EXPECT_EQ(reread.Render(), written);
  }
}

}  // namespace
