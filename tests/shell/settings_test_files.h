#pragma once
// A fresh directory per test for the settings file tests, and small helpers to
// look at files and to run the settings code in a child process.

#include <fcntl.h>
#include <grp.h>
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

inline std::string ReadBytes(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return in ? std::string(std::istreambuf_iterator<char>(in), {}) : "<missing>";
}

inline void WriteBytes(const std::string& path, std::string_view bytes) {
  std::ofstream(path, std::ios::binary) << bytes;
}

// What any write would change: inode, mode, size and modification time, in
// that order (all zero for a missing file).
inline auto Facts(const std::string& path) {
  struct stat st {};
  ::stat(path.c_str(), &st);
  return std::tuple(st.st_ino, st.st_mode, st.st_size, st.st_mtim.tv_sec, st.st_mtim.tv_nsec);
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
