// "VaZizi.ini" when the disk says no: a write that fails part way, a read-only
// file, a read-only directory. Run in child processes so that a size limit or
// a change of user stays out of the test program itself.
#include <signal.h>
#include <stdlib.h>
#include <sys/resource.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "shell/settings_file.h"
#include "tests/shell/settings_test_files.h"

namespace {

// Child exit codes: 0 all went as expected; kNotProtected the file or
// directory could be written after all, so the test would prove nothing.
constexpr int kNotProtected = 77;

class SettingsAccessTest : public SettingsFilesTest {
 protected:
  // A child's verdict on protection it could not get is a failure for root,
  // which drops to "nobody" and must be refused, and a skip otherwise.
  void ExpectChildPassed(int code) {
    if (code == kNotProtected) {
      if (::geteuid() == 0) {
        FAIL() << "user nobody could write where it should not: the test proves nothing";
      }
      GTEST_SKIP() << "file permissions are not enforced for this user";
    }
    EXPECT_EQ(code, 0);
  }
};

// Writes twenty keys with long values: far more text than the size limit.
void WriteManyKeys() {
  for (char c = 'A'; c < 'A' + 20; ++c)
    WriteSetting(std::string("LongKeyName") + c, 1000000000);
}

// In the child: files may grow to `limit` bytes; writing past it fails
// with EFBIG instead of killing the process.
bool LimitFileSize(rlim_t limit) {
  ::signal(SIGXFSZ, SIG_IGN);
  const struct rlimit rl = {limit, limit};
  return ::setrlimit(RLIMIT_FSIZE, &rl) == 0;
}

TEST_F(SettingsAccessTest, FailedRewriteLeavesTheOldFileWhole) {
  const std::string old_text = "WinX=1\r\nWinY=2\r\n[Group]\r\nKept=yes\r\n";
  WriteBytes(path_, old_text);
  SetOldModificationTime(path_);
  const FileFacts before = Facts(path_);
  // Rewriting in place would overwrite the first 64 bytes and then fail.
  const int code = RunInChild(
      [this] {
        if (!LimitFileSize(64)) return 20;
        OpenSettings(path_);
        if (ReadSetting("WinY", 0) != 2) return 21;
        WriteManyKeys();
        CloseSettings();
        return 0;
      },
      false);
  EXPECT_EQ(code, 0);
  EXPECT_EQ(ReadBytes(path_), old_text);
  EXPECT_EQ(Facts(path_), before);
  EXPECT_EQ(DirectoryNames(), std::vector<std::string>{"VaZizi.ini"});
}

TEST_F(SettingsAccessTest, FailedFirstWriteLeavesNoFile) {
  const int code = RunInChild(
      [this] {
        if (!LimitFileSize(16)) return 20;
        OpenSettings(path_);
        WriteManyKeys();
        CloseSettings();
        return 0;
      },
      false);
  EXPECT_EQ(code, 0);
  EXPECT_EQ(DirectoryNames(), std::vector<std::string>{});
}

TEST_F(SettingsAccessTest, ReadOnlyFileIsReadAndNeverChanged) {
  const std::string text = "winx=500\r\nCalcW=2\r\n";
  WriteBytes(path_, text);
  SetOldModificationTime(path_);
  ASSERT_EQ(::chmod(path_.c_str(), 0444), 0);
  // The directory is open to everyone: a temporary file and a rename could
  // replace the file without ever opening it for writing.
  ASSERT_EQ(::chmod(dir_.c_str(), 0777), 0);
  const FileFacts before = Facts(path_);
  const int code = RunInChild(
      [this] {
        const int fd = ::open(path_.c_str(), O_WRONLY | O_CLOEXEC);
        if (fd >= 0) {
          ::close(fd);
          return kNotProtected;
        }
        if (errno != EACCES) return 10;
        OpenSettings(path_);
        if (ReadSetting("WinX", 346) != 500) return 11;
        if (ReadSetting("CalcW", 0) != 2) return 12;
        WriteSetting("CalcW", 3);
        WriteSetting("CalcU", 1);
        if (ReadSetting("CalcW", 0) != 3) return 13;  // kept in memory until the close
        CloseSettings();
        return 0;
      },
      true);
  ExpectChildPassed(code);
  if (IsSkipped()) return;
  EXPECT_EQ(ReadBytes(path_), text);
  EXPECT_EQ(Facts(path_), before);
  EXPECT_EQ(DirectoryNames(), std::vector<std::string>{"VaZizi.ini"});
}

TEST_F(SettingsAccessTest, MissingFileInReadOnlyDirectoryDropsTheWrite) {
  ASSERT_EQ(::chmod(dir_.c_str(), 0555), 0);
  const int code = RunInChild(
      [this] {
        const std::string probe = dir_ + "/probe";
        const int fd = ::open(probe.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0644);
        if (fd >= 0) {
          ::close(fd);
          ::unlink(probe.c_str());
          return kNotProtected;
        }
        OpenSettings(path_);
        if (ReadSetting("WinX", 346) != 346) return 11;
        WriteSetting("Winx", 10);
        CloseSettings();
        return 0;
      },
      true);
  ExpectChildPassed(code);
  if (IsSkipped()) return;
  EXPECT_EQ(DirectoryNames(), std::vector<std::string>{});
}

TEST_F(SettingsAccessTest, WritableFileInReadOnlyDirectoryIsRewrittenInPlace) {
  WriteBytes(path_, "CalcW   =   1\r\n\r\n\r\n\r\n\r\n\r\n; old\r\n");
  ASSERT_EQ(::chmod(path_.c_str(), 0666), 0);
  ASSERT_EQ(::chmod(dir_.c_str(), 0555), 0);
  const FileFacts before = Facts(path_);
  const int code = RunInChild(
      [this] {
        std::string probe = dir_ + "/probe.XXXXXX";
        const int fd = ::mkstemp(probe.data());
        if (fd >= 0) {
          ::close(fd);
          ::unlink(probe.c_str());
          return kNotProtected;
        }
        OpenSettings(path_);
        WriteSetting("CalcW", 2);
        CloseSettings();
        return 0;
      },
      true);
  ExpectChildPassed(code);
  if (IsSkipped()) return;
  EXPECT_EQ(ReadBytes(path_), "CalcW = 2\r\n; old\r\n");
  EXPECT_EQ(Facts(path_).inode, before.inode);
  EXPECT_EQ(DirectoryNames(), std::vector<std::string>{"VaZizi.ini"});
}

TEST_F(SettingsAccessTest, OthersFileInStickyDirectoryIsRewrittenInPlace) {
  WriteBytes(path_, "CalcW=1\r\n; old\r\n");
  const std::string probe_target = dir_ + "/probe-target";
  WriteBytes(probe_target, "");
  ASSERT_EQ(::chmod(path_.c_str(), 0666), 0);
  ASSERT_EQ(::chmod(probe_target.c_str(), 0666), 0);
  ASSERT_EQ(::chmod(dir_.c_str(), 01777), 0);
  const FileFacts before = Facts(path_);
  const int code = RunInChild(
      [&] {
        // A temporary file can be made, but not renamed over another's file.
        const std::string probe = dir_ + "/probe";
        const int fd = ::open(probe.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0644);
        if (fd < 0) return 10;
        ::close(fd);
        const bool replaced = ::rename(probe.c_str(), probe_target.c_str()) == 0;
        ::unlink(probe.c_str());
        if (replaced) return kNotProtected;
        OpenSettings(path_);
        WriteSetting("CalcW", 2);
        CloseSettings();
        return 0;
      },
      true);
  ExpectChildPassed(code);
  if (IsSkipped()) return;
  EXPECT_EQ(ReadBytes(path_), "CalcW = 2\r\n; old\r\n");
  EXPECT_EQ(Facts(path_).inode, before.inode);
  EXPECT_EQ(DirectoryNames(), (std::vector<std::string>{"VaZizi.ini", "probe-target"}));
}

}  // namespace
