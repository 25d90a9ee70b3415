// "VaZizi.ini" when the disk says no: a write that fails part way, a read-only
// file, a read-only directory, another user's file in a shared directory. Each
// runs in a child process, so that a size limit or a change of user stays out
// of the test program itself.
#include <signal.h>
#include <sys/resource.h>

#include "tests/shell/settings_test_files.h"

namespace {

using SettingsAccessTest = SettingsFileTest;

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

TEST_F(SettingsAccessTest, RefusedWritesAreDroppedOrMadeInPlace) {
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
