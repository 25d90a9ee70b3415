// "VaZizi.ini" read and written back: the rows of golden/settings_files.tsv,
// each run on the text in memory and on a real file in a temporary directory;
// the files that are not what they seem (links, directories, pipes, files far
// too big to be settings); and the disk saying no (a write that fails part way,
// a read-only file or directory, another user's file in a shared directory),
// each in a child process so that a size limit or a change of user stays out
// of the test program itself.
#include <fcntl.h>
#include <grp.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <cerrno>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <string>
#include <string_view>
#include <tuple>
#include <vector>

#include "shell/settings_file.h"
#include "shell/settings_path.h"
#include "shell/settings_text.h"
#include "tests/golden_rows.h"

namespace {

std::string ReadBytes(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return in ? std::string(std::istreambuf_iterator<char>(in), {}) : "<missing>";
}

void WriteBytes(const std::string& path, std::string_view bytes) {
  std::ofstream(path, std::ios::binary) << bytes;
}

// What any write would change: inode, mode, size and modification time, in
// that order (all zero for a missing file).
auto Facts(const std::string& path) {
  struct stat st {};
  ::stat(path.c_str(), &st);
  return std::tuple(st.st_ino, st.st_mode, st.st_size, st.st_mtim.tv_sec, st.st_mtim.tv_nsec);
}

// Puts the modification time back to 2001, so that any write would show.
void SetOldModificationTime(const std::string& path) {
  struct timespec times[2] = {{1000000000, 0}, {1000000000, 0}};
  ASSERT_EQ(::utimensat(AT_FDCWD, path.c_str(), times, 0), 0);
}

// Runs `body` in a forked child and returns its exit status (128 + signal if it
// died). With `unprivileged`, a root child first becomes user and group 65534
// ("nobody"), for whom file permissions hold; otherwise it keeps its user.
int RunInChild(const std::function<int()>& body, bool unprivileged) {
  const pid_t pid = ::fork();
  if (pid == 0) {
    const bool as_asked =
        !unprivileged || ::geteuid() != 0 ||
        (::setgroups(0, nullptr) == 0 && ::setgid(65534) == 0 && ::setuid(65534) == 0);
    ::_exit(as_asked ? body() : 90);
  }
  int status = -1;
  while (pid > 0 && ::waitpid(pid, &status, 0) < 0 && errno == EINTR) {
  }
  return pid < 0 ? -1 : WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
}

// Every test gets its own directory under /tmp (which user "nobody" can reach)
// and "VaZizi.ini" in it as `path_`.
class SettingsFileTest : public ::testing::Test {
 protected:
  void SetUp() override {
    char name[] = "/tmp/brindle-settings-XXXXXX";
    ASSERT_NE(::mkdtemp(name), nullptr);
    dir_ = name;
    path_ = dir_ + "/VaZizi.ini";
  }
  void TearDown() override {
    CloseSettings();
    ::chmod(dir_.c_str(), 0700);
    std::error_code ignored;
    if (!dir_.empty()) std::filesystem::remove_all(dir_, ignored);
  }
  // How many files the directory holds: a temporary file left behind shows.
  long FileCount() const { return std::distance(std::filesystem::directory_iterator(dir_), {}); }

  std::string dir_;
  std::string path_;
};

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

// The child's first step makes sure the disk will say no. It returns 0 when
// it will, kNotProtected when the child could write after all (then the row
// would prove nothing), and another code when the check itself failed.
constexpr int kNotProtected = 77;
using Probe = int (*)(const std::string& dir, const std::string& path);

// Files may grow to 8 bytes, fewer than any text written here; writing past
// that fails with EFBIG instead of killing the child.
int LimitFileSize(const std::string&, const std::string&) {
  ::signal(SIGXFSZ, SIG_IGN);
  const struct rlimit limit = {8, 8};
  return ::setrlimit(RLIMIT_FSIZE, &limit) == 0 ? 0 : 20;
}

int CannotOpenForWriting(const std::string&, const std::string& path) {
  const int fd = ::open(path.c_str(), O_WRONLY | O_CLOEXEC);
  if (fd < 0) return errno == EACCES ? 0 : 21;
  ::close(fd);
  return kNotProtected;
}

// No new file may take the settings file's place: none can be made beside it,
// or one can but may not be renamed over it.
int CannotReplace(const std::string& dir, const std::string& path) {
  const std::string probe = dir + "/probe";
  const int fd = ::open(probe.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0644);
  if (fd < 0) return errno == EACCES ? 0 : 22;
  ::close(fd);
  const bool replaced = ::rename(probe.c_str(), path.c_str()) == 0;
  ::unlink(probe.c_str());
  return replaced ? kNotProtected : 0;
}

// Longer than its rewrite, so that a rewrite in place must cut the file off.
constexpr std::string_view kOldText = "CalcW   =   1\r\n\r\n\r\n; old\r\n";
constexpr std::string_view kInPlace = "CalcW = 2\r\n; old\r\n";
constexpr std::string_view kNoFile = "<missing>";

struct DeniedRow {
  const char* name;
  Probe probe;  // all but the size limit run as user "nobody" when root
  mode_t dir_mode;
  mode_t file_mode;  // 0: there is no file
  std::string_view after;
};

const DeniedRow kRows[] = {
    {"size limit, file", LimitFileSize, 0700, 0644, kOldText},
    {"size limit, no file", LimitFileSize, 0700, 0, kNoFile},
    // The directory is open to all: a new file and a rename could replace the
    // read-only file without ever opening it for writing.
    {"read-only file", CannotOpenForWriting, 0777, 0444, kOldText},
    {"read-only directory, no file", CannotReplace, 0555, 0, kNoFile},
    {"read-only directory, writable file", CannotReplace, 0555, 0666, kInPlace},
    {"sticky directory, another's file", CannotReplace, 01777, 0666, kInPlace},
};

TEST_F(SettingsFileTest, RefusedWritesAreDroppedOrMadeInPlace) {
  std::string unproven;  // rows whose child could write after all
  for (const DeniedRow& row : kRows) {
    SCOPED_TRACE(row.name);
    ASSERT_EQ(::chmod(dir_.c_str(), 0700), 0);
    std::filesystem::remove(path_);
    if (row.file_mode != 0) {
      WriteBytes(path_, kOldText);
      ASSERT_EQ(::chmod(path_.c_str(), row.file_mode), 0);
      SetOldModificationTime(path_);
    }
    ASSERT_EQ(::chmod(dir_.c_str(), row.dir_mode), 0);
    const auto before = Facts(path_);
    const int code = RunInChild(
        [&] {
          if (const int probed = row.probe(dir_, path_); probed != 0) return probed;
          OpenSettings(path_);
          if (ReadSetting("CalcW", -99) != (row.file_mode != 0 ? 1 : -99)) return 11;
          WriteSetting("CalcW", 2);
          if (ReadSetting("CalcW", -99) != 2) return 12;  // kept in memory until the close
          CloseSettings();
          return 0;
        },
        row.probe != LimitFileSize);
    // Root drops to "nobody" and must be refused; another user may simply
    // not be bound by the permissions, which leaves the row unproven.
    if (code == kNotProtected && ::geteuid() != 0) {
      unproven += std::string(row.name) + "; ";
      continue;
    }
    EXPECT_EQ(code, 0) << "(" << kNotProtected << ": the child could write after all)";
    EXPECT_EQ(ReadBytes(path_), row.after);
    EXPECT_EQ(FileCount(), row.after == kNoFile ? 0 : 1);       // no temporary file
    EXPECT_EQ(std::get<0>(Facts(path_)), std::get<0>(before));  // the same inode, if any
    EXPECT_TRUE(row.after == kInPlace || Facts(path_) == before) << "a write left its trace";
  }
  if (!unproven.empty()) GTEST_SKIP() << "permissions do not bind this user: " << unproven;
}

}  // namespace
