#pragma once
// A fresh directory per test for the settings file tests, and small helpers to
// look at files and to run the settings code in a child process.

#include <fcntl.h>
#include <grp.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <filesystem>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "shell/settings_file.h"

inline std::string ReadBytes(const std::string& path) {
  std::string bytes;
  const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
  if (fd < 0) return "<missing>";
  char chunk[65536];
  ssize_t n;
  while ((n = ::read(fd, chunk, sizeof chunk)) > 0)
    bytes.append(chunk, static_cast<size_t>(n));
  ::close(fd);
  return bytes;
}

inline void WriteBytes(const std::string& path, std::string_view bytes) {
  const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
  ASSERT_GE(fd, 0) << path;
  ASSERT_EQ(::write(fd, bytes.data(), bytes.size()), static_cast<ssize_t>(bytes.size()));
  ::close(fd);
}

inline bool FileExists(const std::string& path) {
  struct stat st;
  return ::lstat(path.c_str(), &st) == 0;
}

inline mode_t FileType(const std::string& path) {
  struct stat st;
  return ::lstat(path.c_str(), &st) == 0 ? (st.st_mode & S_IFMT) : 0;
}
inline bool IsSymbolicLink(const std::string& path) {
  return FileType(path) == S_IFLNK;
}
inline bool IsDirectory(const std::string& path) {
  return FileType(path) == S_IFDIR;
}
inline bool IsPipe(const std::string& path) {
  return FileType(path) == S_IFIFO;
}

// What a rewrite would change: the inode, mode, size and modification time.
struct FileFacts {
  ino_t inode = 0;
  mode_t mode = 0;
  off_t size = 0;
  time_t mtime_sec = 0;
  long mtime_nsec = 0;
  bool operator==(const FileFacts&) const = default;
};

inline FileFacts Facts(const std::string& path) {
  struct stat st;
  if (::stat(path.c_str(), &st) != 0) return {};
  return {st.st_ino, st.st_mode, st.st_size, st.st_mtim.tv_sec, st.st_mtim.tv_nsec};
}

// Puts the modification time back to 2001, so that any write would show.
inline void SetOldModificationTime(const std::string& path) {
  struct timespec times[2] = {{1000000000, 0}, {1000000000, 0}};
  ASSERT_EQ(::utimensat(AT_FDCWD, path.c_str(), times, 0), 0);
}

// Runs `body` in a forked child and returns its exit status (128 + signal if it
// died). With `unprivileged`, a root child first becomes user and group 65534
// ("nobody"), for whom file permissions hold; otherwise it keeps its user.
inline int RunInChild(const std::function<int()>& body, bool unprivileged) {
  const pid_t pid = ::fork();
  if (pid == 0) {
    if (unprivileged && ::geteuid() == 0) {
      if (::setgroups(0, nullptr) != 0 || ::setgid(65534) != 0 || ::setuid(65534) != 0) {
        ::_exit(90);
      }
    }
    ::_exit(body());
  }
  if (pid < 0) return -1;
  int status = 0;
  while (::waitpid(pid, &status, 0) < 0 && errno == EINTR) {
  }
  return WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
}

// Every test gets its own directory under /tmp (which user "nobody" can reach)
// and "VaZizi.ini" in it as `path_`.
class SettingsFilesTest : public ::testing::Test {
 protected:
  void SetUp() override {
    char name[] = "/tmp/brindle-settings-XXXXXX";
    ASSERT_NE(::mkdtemp(name), nullptr);
    dir_ = name;
    path_ = dir_ + "/VaZizi.ini";
  }
  void TearDown() override {
    CloseSettings();
    if (dir_.empty()) return;
    ::chmod(dir_.c_str(), 0700);
    std::error_code ignored;
    std::filesystem::remove_all(dir_, ignored);
  }
  std::vector<std::string> DirectoryNames() const {
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(dir_)) {
      names.push_back(entry.path().filename().string());
    }
    std::sort(names.begin(), names.end());
    return names;
  }

  std::string dir_;
  std::string path_;
};
