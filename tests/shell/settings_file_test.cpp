// "VaZizi.ini" on real files in a temporary directory: reading, writing back,
// creating, and the files and directories that cannot be written.
#include "shell/settings_file.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "tests/shell/settings_test_files.h"

namespace {

using std::string_literals::operator""s;

class SettingsFileTest : public SettingsFilesTest {};

TEST_F(SettingsFileTest, MissingFileGivesDefaultsAndIsNotCreatedByReading) {
  OpenSettings(path_);
  EXPECT_EQ(ReadSetting("WinX", 346), 346);
  EXPECT_EQ(ReadSetting("HelpH", 330), 330);
  CloseSettings();
  EXPECT_FALSE(FileExists(path_));
  EXPECT_EQ(DirectoryNames(), std::vector<std::string>{});
}

TEST_F(SettingsFileTest, FirstWriteCreatesTheFileWithExactBytes) {
  OpenSettings(path_);
  WriteSetting("Winx", 120);
  WriteSetting("WinY", 80);
  CloseSettings();
  OpenSettings(path_);
  WriteSetting("CalcW", 1);
  CloseSettings();
  OpenSettings(path_);
  WriteSetting("CalcU", 1);
  CloseSettings();
  EXPECT_EQ(ReadBytes(path_), "Winx = 120\r\nWinY = 80\r\nCalcW = 1\r\nCalcU = 1\r\n");
  EXPECT_EQ(DirectoryNames(), std::vector<std::string>{"VaZizi.ini"});

  OpenSettings(path_);
  EXPECT_EQ(ReadSetting("WinX", 346), 120);
  EXPECT_EQ(ReadSetting("WinY", 50), 80);
  EXPECT_EQ(ReadSetting("CalcW", 0), 1);
  EXPECT_EQ(ReadSetting("CalcU", 0), 1);
  CloseSettings();
}

// A file as found, the values read from it (fallback -99), the writes of one
// sequence and the file they leave.
struct RewriteRow {
  const char* name;
  std::string before;
  std::vector<std::pair<std::string, int32_t>> reads;
  std::vector<std::pair<std::string, int32_t>> writes;
  std::string after;
};

// The body also reads every written value back from the file, then writes the
// same values again: a file the program wrote comes through that unchanged.
TEST_F(SettingsFileTest, RewritesFilesByteForByte) {
  const std::vector<RewriteRow> rows = {
      {"hand edited",
       "winx=500\n  WINY   =   60\n;note\n\n; spaced\n\tCalcW=2 ;remark\nCalcU=1 \n"
       "junk\n[Group\nCalcW=4\n",
       {{"WinX", 500}, {"WinY", 60}, {"CalcW", 2}, {"CalcU", 1}, {"junk", 0}},
       {{"Winx", -30}, {"WinY", -5}},
       "Winx = -30\r\nWinY = -5\r\n; note\r\n; spaced\r\nCalcW = 2 ;remark\r\n"
       "CalcU = 1 \r\njunk = \r\n[Group]\r\nCalcW = 4\r\n"},
      {"key inside a group",
       "[Old]\r\nCalcW=3\r\n",
       {{"CalcW", -99}},
       {{"CalcW", 2}},
       "CalcW = 2\r\n[Old]\r\nCalcW = 3\r\n"},
      {"duplicate keys",
       "CalcU=1\r\nCalcU=0\r\n",
       {{"CalcU", 1}},
       {{"calcu", 4}},
       "calcu = 4\r\nCalcU = 0\r\n"},
      {"UTF-8 mark",
       "\xEF\xBB\xBFWinY=1\r\nH\xC3\xB6he=7\r\n",
       {{"WinY", 1}, {"H\xF6he", 7}},  // the key as ISO 8859-1
       {{"CalcW", 2}},
       "\xEF\xBB\xBF\r\nWinY = 1\r\nH\xC3\xB6he = 7\r\nCalcW = 2\r\n"},
      {"zero bytes and bare CR",
       "WinX=5\rWinY=6\0CalcW=2\r\r\r\0\0HelpW=9"s,
       {{"WinX", 5}, {"WinY", 6}, {"CalcW", 2}, {"HelpW", 9}},
       {{"CalcU", 1}},
       "WinX = 5\r\nWinY = 6\r\nCalcW = 2\r\nHelpW = 9\r\nCalcU = 1\r\n"},
      {"trailing blank",
       "CalcW=3 \nCalcU=0\n",
       {{"CalcW", 3}},
       {{"CalcU", 1}},
       "CalcW = 3 \r\nCalcU = 1\r\n"},
      {"beyond 32 bits",
       "WinX=99999999999\r\nWinY=-99999999999\r\nHelpX=2147483648\r\n",
       {{"WinX", INT32_MAX}, {"WinY", INT32_MIN}, {"HelpX", INT32_MAX}},
       {{"HelpY", INT32_MIN}},
       "WinX = 99999999999\r\nWinY = -99999999999\r\nHelpX = 2147483648\r\n"
       "HelpY = -2147483648\r\n"},
  };
  for (const RewriteRow& row : rows) {
    WriteBytes(path_, row.before);
    OpenSettings(path_);
    for (const auto& [key, expected] : row.reads) {
      EXPECT_EQ(ReadSetting(key, -99), expected) << row.name << ": " << key;
    }
    for (const auto& [key, value] : row.writes) {
      WriteSetting(key, value);
    }
    CloseSettings();
    EXPECT_EQ(ReadBytes(path_), row.after) << row.name;

    OpenSettings(path_);
    for (const auto& [key, value] : row.writes) {
      EXPECT_EQ(ReadSetting(key, -99), value) << row.name << ": " << key;
      WriteSetting(key, value);
    }
    CloseSettings();
    EXPECT_EQ(ReadBytes(path_), row.after) << row.name << ", written again";
    EXPECT_EQ(DirectoryNames(), std::vector<std::string>{"VaZizi.ini"}) << row.name;
  }
}

TEST_F(SettingsFileTest, OpenReadCloseLeavesTheFileUntouched) {
  const std::string text = "winx=500\n\n;c\n[G\n";
  WriteBytes(path_, text);
  SetOldModificationTime(path_);
  const FileFacts before = Facts(path_);
  OpenSettings(path_);
  for (const char* key : {"WinX", "WinY", "CalcW", "CalcU", "HelpX", "HelpY", "HelpW", "HelpH"}) {
    ReadSetting(key, 0);
  }
  CloseSettings();
  EXPECT_EQ(Facts(path_), before);
  EXPECT_EQ(ReadBytes(path_), text);
}

TEST_F(SettingsFileTest, RewriteKeepsPermissionBitsAndLeavesNoTemporaryFile) {
  WriteBytes(path_, "CalcW=1\r\n");
  ASSERT_EQ(::chmod(path_.c_str(), 0640), 0);
  const FileFacts before = Facts(path_);
  OpenSettings(path_);
  WriteSetting("CalcW", 2);
  CloseSettings();
  const FileFacts after = Facts(path_);
  EXPECT_EQ(after.mode & 07777, 0640u);
  EXPECT_NE(after.inode, before.inode);  // a new file took the old one's place
  EXPECT_EQ(ReadBytes(path_), "CalcW = 2\r\n");
  EXPECT_EQ(DirectoryNames(), std::vector<std::string>{"VaZizi.ini"});
}

TEST_F(SettingsFileTest, SymbolicLinkStaysALink) {
  const std::string target = dir_ + "/real.ini";
  WriteBytes(target, "CalcW=1\r\n");
  ASSERT_EQ(::symlink("real.ini", path_.c_str()), 0);
  OpenSettings(path_);
  WriteSetting("CalcW", 4);
  CloseSettings();
  EXPECT_TRUE(IsSymbolicLink(path_));
  EXPECT_EQ(ReadBytes(target), "CalcW = 4\r\n");
  EXPECT_EQ(DirectoryNames(), (std::vector<std::string>{"VaZizi.ini", "real.ini"}));
}

TEST_F(SettingsFileTest, OpeningAgainWritesBackTheFileStillOpen) {
  const std::string other = dir_ + "/other.ini";
  OpenSettings(path_);
  WriteSetting("CalcW", 3);
  OpenSettings(other);
  EXPECT_EQ(ReadSetting("CalcW", -1), -1);
  CloseSettings();
  EXPECT_EQ(ReadBytes(path_), "CalcW = 3\r\n");
  EXPECT_FALSE(FileExists(other));
}

TEST_F(SettingsFileTest, NothingOpenMeansDefaultsAndNoWrites) {
  WriteBytes(path_, "CalcW=3\r\n");
  EXPECT_EQ(ReadSetting("CalcW", 7), 7);
  WriteSetting("CalcW", 1);
  CloseSettings();
  OpenSettings(path_);
  CloseSettings();
  WriteSetting("CalcW", 2);
  EXPECT_EQ(ReadSetting("CalcW", 7), 7);
  CloseSettings();
  EXPECT_EQ(ReadBytes(path_), "CalcW=3\r\n");
}

TEST_F(SettingsFileTest, DirectoryOrPipeInPlaceOfTheFileIsLeftAlone) {
  ASSERT_EQ(::mkdir(path_.c_str(), 0755), 0);
  OpenSettings(path_);
  EXPECT_EQ(ReadSetting("CalcW", 7), 7);
  WriteSetting("CalcW", 1);
  CloseSettings();
  EXPECT_TRUE(IsDirectory(path_));
  ASSERT_EQ(::rmdir(path_.c_str()), 0);

  // A named pipe would block a plain open for reading until a writer came.
  ASSERT_EQ(::mkfifo(path_.c_str(), 0644), 0);
  OpenSettings(path_);
  EXPECT_EQ(ReadSetting("CalcW", 7), 7);
  WriteSetting("CalcW", 1);
  CloseSettings();
  EXPECT_TRUE(IsPipe(path_));
}

TEST_F(SettingsFileTest, FiftyMegabytesWithoutLineEnds) {
  std::string text(50 * 1024 * 1024, 'x');
  for (std::size_t i = 0; i < text.size(); i += 4099)
    text[i] = static_cast<char>(i % 256 | 1);
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '\r' || text[i] == '\n' || text[i] == '=') text[i] = 'y';
  }
  WriteBytes(path_, text);
  OpenSettings(path_);
  EXPECT_EQ(ReadSetting("WinX", 346), 346);
  WriteSetting("WinX", 1);
  CloseSettings();
  // The whole file is one key without a value; its ends are neither blanks nor tabs.
  const std::string written = ReadBytes(path_);
  EXPECT_TRUE(written == text + " = \r\nWinX = 1\r\n") << "size " << written.size();
}

TEST_F(SettingsFileTest, MillionsOfShortLines) {
  constexpr std::size_t kLines = 5'000'000;
  std::string text;
  text.reserve(kLines * 2 + 16);
  for (std::size_t i = 0; i < kLines; ++i)
    text += "k\n";
  text += "WinX=9\n";
  WriteBytes(path_, text);
  OpenSettings(path_);
  EXPECT_EQ(ReadSetting("WinX", 346), 9);
  WriteSetting("WinX", 10);
  CloseSettings();
  const std::string written = ReadBytes(path_);
  EXPECT_EQ(written.size(), kLines * 6 + 11);
  EXPECT_TRUE(written.starts_with("k = \r\nk = \r\n"));
  EXPECT_TRUE(written.ends_with("k = \r\nWinX = 10\r\n"));
}

TEST_F(SettingsFileTest, OversizedFileIsReadAsEmptyAndNeverWritten) {
  WriteBytes(path_, "CalcW=3\r\n");
  ASSERT_EQ(::truncate(path_.c_str(), off_t{300} * 1024 * 1024), 0);  // sparse: no disk used
  const FileFacts before = Facts(path_);
  OpenSettings(path_);
  EXPECT_EQ(ReadSetting("CalcW", 7), 7);
  WriteSetting("CalcW", 1);
  CloseSettings();
  EXPECT_EQ(Facts(path_), before);
}

}  // namespace
