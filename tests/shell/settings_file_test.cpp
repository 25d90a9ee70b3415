// "VaZizi.ini" read and written back: the rows of golden/settings_files.tsv,
// each run on the text in memory and on a real file in a temporary directory,
// then the files that are not what they seem: links, directories, pipes, and
// files far too big to be settings.
#include "shell/settings_path.h"
#include "shell/settings_text.h"
#include "tests/golden_rows.h"
#include "tests/shell/settings_test_files.h"

namespace {

namespace fs = std::filesystem;
using Setting = std::pair<std::string, int32_t>;

// "Key=number" items separated by blanks; a lone "|" stays as a key of its own.
std::vector<Setting> Settings(const std::string& cell) {
  std::vector<Setting> settings;
  for (const std::string& item : SplitCell(cell == "-" ? "" : cell, ' ')) {
    const std::size_t equals = item.find('=');
    if (item == "|") settings.emplace_back(item, 0);
    if (equals == std::string::npos) continue;
    settings.emplace_back(GoldenText(item.substr(0, equals)),
                          GoldenNumber<int64_t>(item.substr(equals + 1)));
  }
  return settings;
}

TEST(SettingValueToInt, ReadsLeadingNumberAndSaturates) {
  const std::vector<GoldenCells> rows = ReadGoldenCells("settings_values.tsv");
  EXPECT_GE(rows.size(), 24u);
  for (const GoldenCells& row : rows)
    EXPECT_EQ(SettingValueToInt(row.Text(0)), row.Number(1)) << "settings_values.tsv:" << row.line;
}

TEST_F(SettingsFileTest, ReadsAndWritesBackTheGoldenFiles) {
  const std::vector<GoldenCells> rows = ReadGoldenCells("settings_files.tsv");
  EXPECT_GE(rows.size(), 45u);
  for (const GoldenCells& row : rows) {
    SCOPED_TRACE("settings_files.tsv:" + std::to_string(row.line));
    const bool missing = row.cells.at(0) == "(none)";
    const std::string before = missing ? "" : row.Text(0), after = row.Text(3);
    const std::vector<Setting> reads = Settings(row.cells.at(1));
    const std::vector<Setting> writes = Settings(row.cells.at(2));

    // In memory; the text written must read back as the same entries.
    SettingsDocument document(before);
    for (const auto& [key, value] : reads)
      EXPECT_EQ(document.Read(key, -99), value) << key;
    for (const auto& [key, value] : writes)
      if (key != "|") document.Write(key, value);
    EXPECT_EQ(document.Render(), after);
    EXPECT_TRUE(writes.empty() || SettingsDocument(after).Entries() == document.Entries());

    // On disk, where "|" opens the file again, which first writes it back.
    fs::remove(path_);
    if (!missing) {
      WriteBytes(path_, before);
      fs::permissions(path_, fs::perms(0640));
      SetOldModificationTime(path_);
    }
    const auto old_facts = Facts(path_);
    OpenSettings(path_);
    for (const auto& [key, value] : reads)
      EXPECT_EQ(ReadSetting(key, -99), value) << key;
    for (const auto& [key, value] : writes) {
      if (key == "|") OpenSettings(path_);
      if (key != "|") WriteSetting(key, value);
    }
    CloseSettings();
    // Reading alone never touches the file, nor makes one; a rewrite leaves no
    // temporary file, and puts a new file with the old one's mode in its place.
    EXPECT_EQ(ReadBytes(path_), !writes.empty() ? after : missing ? "<missing>" : before);
    EXPECT_EQ(FileCount(), missing && writes.empty() ? 0 : 1);
    EXPECT_TRUE(!writes.empty() || Facts(path_) == old_facts) << "reading touched the file";
    if (missing || writes.empty()) continue;
    EXPECT_NE(std::get<0>(Facts(path_)), std::get<0>(old_facts));
    EXPECT_EQ(fs::status(path_).permissions(), fs::perms(0640));
  }
}

TEST(SettingsPath, FollowsTheGoldenRows) {
  CheckGolden("settings_paths.txt", 6, [](const GoldenRow& row) {
    return ChooseSettingsPath({row[0], row[1] == "yes", row[2] == "yes", row[3], row[4]});
  });
}

// The user's configuration folder and the program's folder inside it are made
// by the first change, for the user alone; reading alone makes nothing.
TEST_F(SettingsFileTest, FirstChangeMakesTheMissingFolders) {
  const std::string path = dir_ + "/config/brindles-math/VaZizi.ini";
  OpenSettings(path);
  EXPECT_EQ(ReadSetting("CalcW", 7), 7);
  CloseSettings();
  EXPECT_EQ(FileCount(), 0);
  OpenSettings(path);
  WriteSetting("CalcW", 1);
  CloseSettings();
  EXPECT_EQ(ReadBytes(path), "CalcW = 1\r\n");
  EXPECT_EQ(fs::status(dir_ + "/config").permissions(), fs::perms::owner_all);
}

TEST_F(SettingsFileTest, SymbolicLinkStaysALink) {
  WriteBytes(dir_ + "/real.ini", "CalcW=1\r\n");
  fs::create_symlink("real.ini", path_);
  OpenSettings(path_);
  WriteSetting("CalcW", 4);
  CloseSettings();
  EXPECT_TRUE(fs::is_symlink(path_));
  EXPECT_EQ(ReadBytes(dir_ + "/real.ini"), "CalcW = 4\r\n");
  EXPECT_EQ(FileCount(), 2);
}

TEST_F(SettingsFileTest, OneFileOpenAtATime) {
  // Opening another file writes back the one still open and forgets it.
  const std::string other = dir_ + "/other.ini";
  OpenSettings(path_);
  WriteSetting("CalcW", 4);
  OpenSettings(other);
  EXPECT_EQ(ReadSetting("CalcW", -1), -1);
  CloseSettings();
  EXPECT_EQ(ReadBytes(path_), "CalcW = 4\r\n");
  // Once closed, reads give their defaults and writes go nowhere.
  WriteSetting("CalcW", 2);
  EXPECT_EQ(ReadSetting("CalcW", 7), 7);
  CloseSettings();
  EXPECT_EQ(ReadBytes(path_), "CalcW = 4\r\n");
  EXPECT_EQ(ReadBytes(other), "<missing>");
}

// A directory, a named pipe (a plain open for reading would wait for a writer
// forever) and a file far too big to be settings: read as empty, never written.
TEST_F(SettingsFileTest, WhatIsNoSettingsFileIsLeftAlone) {
  const std::function<void()> makers[] = {
      [&] { fs::create_directory(path_); },
      [&] { ::mkfifo(path_.c_str(), 0644); },
      [&] {
        WriteBytes(path_, "CalcW=3\r\n");
        fs::resize_file(path_, 300 << 20);  // sparse: no disk used
      },
  };
  for (const auto& make : makers) {
    fs::remove(path_);
    make();
    const auto before = Facts(path_);
    ASSERT_NE(std::get<1>(before), 0u);  // it is there
    OpenSettings(path_);
    EXPECT_EQ(ReadSetting("CalcW", 7), 7);
    WriteSetting("CalcW", 1);
    CloseSettings();
    EXPECT_EQ(Facts(path_), before);
  }
}

// A million short lines, the key, then 20 MB of binary bytes with no line end
// at all: read whole, the key found, and every line written back.
TEST_F(SettingsFileTest, HugeFileIsReadAndWrittenBackWhole) {
  std::string blob(20 << 20, 'x'), lines, written_lines;
  for (std::size_t i = 0; i < blob.size(); i += 4099) {
    const char c = static_cast<char>(i % 256 | 1);  // odd bytes: no zero byte, no LF
    blob[i] = c == '\r' || c == '=' ? 'y' : c;
  }
  for (int i = 0; i < 1'000'000; ++i) {
    lines += "k\n";
    written_lines += "k = \r\n";
  }
  WriteBytes(path_, lines + "WinX=9\n" + blob);
  OpenSettings(path_);
  EXPECT_EQ(ReadSetting("WinX", 346), 9);
  WriteSetting("WinX", 10);
  CloseSettings();
  const std::string written = ReadBytes(path_);
  // Not EXPECT_EQ: a failure would print megabytes.
  EXPECT_TRUE(written == written_lines + "WinX = 10\r\n" + blob + " = \r\n") << written.size();
}

}  // namespace
