// "VaZizi.ini" read and written back: the rows of golden/settings_files.txt,
// each played on the text in memory (plain files) and on a real file in a
// fresh temporary folder, in a child process so that a size limit or a change
// of user stays out of the test program itself.
#include <fcntl.h>
#include <grp.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <set>
#include <string>
#include <tuple>
#include <utility>

#include "shell/settings_file.h"
#include "shell/settings_path.h"
#include "shell/settings_text.h"
#include "tests/golden_rows.h"

using namespace brindle;

namespace {

namespace fs = std::filesystem;

std::string ReadBytes(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), {});
}

// What any write would change: inode, mode, size and modification time (all
// zero for a missing file).
auto Facts(const std::string& path) {
  struct stat st {};
  ::stat(path.c_str(), &st);
  return std::tuple(st.st_ino, st.st_mode, st.st_size, st.st_mtim.tv_sec, st.st_mtim.tv_nsec);
}

// The folder's and the file's modes where the disk refuses writes; the child
// plays these as user "nobody" when root, except where the row is about
// whoever runs the program, root included.
const std::map<std::string, std::pair<mode_t, mode_t>> kRefused = {
    {"read-only file", {0777, 0444}},  // a new file could still take its place
    {"read-only folder", {0555, 0666}},
    {"sticky folder", {01777, 0666}},  // another user's file in a shared folder
    {"read-only to all", {0777, 0444}},
    {"owner read-only", {0777, 0400}},
};
const std::set<std::string> kAsWhoeverRuns = {"read-only to all", "owner read-only"};

// Makes the row's situation in `dir`, leaving `path` and `after` as the row
// means them there.
void Arrange(const std::string& situation, const std::string& dir, std::string& path,
             const std::string& before, std::string& after) {
  if (situation == "no folders") path = dir + "/config/brindles-math/VaZizi.ini";
  const std::string file = situation == "link" ? dir + "/real.ini" : path;
  std::string text = before;
  if (situation == "huge") {
    std::string blob(20 << 20, 'x'), lines, written;
    for (std::size_t i = 0; i < blob.size(); i += 4099)
      blob[i] = static_cast<char>(i % 256 | 0x41);  // never NUL, LF, CR nor "="
    for (int i = 0; i < 1'000'000; ++i)
      lines += "k\n", written += "k = \r\n";
    text = lines + before + blob;
    after = written + after + blob + " = \r\n";
  }
  if (situation == "folder in its place") fs::create_directory(path);
  if (situation == "pipe in its place") ::mkfifo(path.c_str(), 0644);
  const auto refused = kRefused.find(situation);
  const bool as_found = refused == kRefused.end();
  if (before != "(none)") {
    std::ofstream(file, std::ios::binary) << text;
    ::chmod(file.c_str(), as_found ? 0640 : refused->second.second);
    if (situation == "300 MB") fs::resize_file(file, 300 << 20);  // sparse: no disk used
    const struct timespec year_2001[2] = {{1000000000, 0}, {1000000000, 0}};
    ::utimensat(AT_FDCWD, file.c_str(), year_2001, 0);  // so that any write shows
  }
  if (situation == "link") fs::create_symlink("real.ini", path);
  ::chmod(dir.c_str(), as_found ? 0700 : refused->second.first);
}

// Plays the steps on the settings file at `path`; returns 0, or the number of
// the first step that read otherwise.
int Play(const std::string& steps, const std::string& path) {
  int number = 0;
  for (const std::string& step : SplitCell(steps, ' ')) {
    ++number;
    const std::size_t at = step.find_first_of("?=");
    if (at == std::string::npos) {
      if (step == "reopen") OpenSettings(path);
      if (step == "other") OpenSettings(fs::path(path).replace_filename("other.ini"));
      if (step == "close") CloseSettings();
      if (step == "rm") fs::remove(path);
      continue;
    }
    const std::string key = step.substr(0, at);
    const int32_t value = GoldenNumber<int32_t>(step.substr(at + 1));
    if (step[at] == '=') {
      WriteSetting(key, value);
    } else if (ReadSetting(key, -99) != value) {
      return number;
    }
  }
  return 0;
}

// Plays the steps in a forked child, as the row's situation asks, and returns
// its exit status. Root becomes user and group 65534 ("nobody"), whom file
// permissions bind; files may grow to 8 bytes, fewer than any text written,
// and writing past that fails instead of killing the child.
int PlayInChild(const std::string& situation, const std::string& steps, const std::string& path) {
  const pid_t pid = ::fork();
  if (pid == 0) {
    const struct rlimit limit = {8, 8};
    if (situation == "size limit" &&
        (::signal(SIGXFSZ, SIG_IGN) == SIG_ERR || ::setrlimit(RLIMIT_FSIZE, &limit) != 0))
      ::_exit(90);
    if (kRefused.contains(situation) && !kAsWhoeverRuns.contains(situation) && ::geteuid() == 0 &&
        (::setgroups(0, nullptr) != 0 || ::setgid(65534) != 0 || ::setuid(65534) != 0))
      ::_exit(91);
    OpenSettings(path);
    const int failed = Play(steps, path);
    CloseSettings();
    ::_exit(failed);
  }
  int status = -1;
  ::waitpid(pid, &status, 0);
  return WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
}

TEST(SettingsFile, GoldenRows) {
  for (const GoldenRow& row : ReadGolden("settings_files.txt", {5})) {
    SCOPED_TRACE(row.where + " " + row[0]);
    const std::string &situation = row[0], &before = row[1], &steps = row[2], &how = row[4];
    std::string after = row[3];
    // Another user's file in a shared folder only binds when the child is not its owner.
    if (situation == "sticky folder" && ::geteuid() != 0) continue;
    char name[] = "/tmp/brindle-settings-XXXXXX";
    ASSERT_NE(::mkdtemp(name), nullptr);
    const std::string dir = name;
    std::string path = dir + "/VaZizi.ini";
    Arrange(situation, dir, path, before, after);
    const auto old = Facts(path);
    const auto count = std::distance(fs::directory_iterator(dir), {});
    EXPECT_EQ(PlayInChild(situation, steps, path), 0)
        << "the step that read otherwise, or 128+signal";
    const bool written = how != "untouched",
               same_inode = std::get<0>(Facts(path)) == std::get<0>(old);
    EXPECT_TRUE(written || Facts(path) == old) << "the file was touched";
    EXPECT_TRUE(!written || ReadBytes(path) == after) << "wrote " << ReadBytes(path).substr(0, 200);
    EXPECT_TRUE(!written || same_inode == (how == "in place")) << "the same file, or a new one";
    EXPECT_TRUE(how != "replaced" || std::get<1>(Facts(path)) == std::get<1>(old)) << "mode";
    EXPECT_TRUE(how != "created" ||
                fs::status(fs::path(path).parent_path()).permissions() == fs::perms::owner_all);
    EXPECT_EQ(fs::is_symlink(path), situation == "link");
    EXPECT_EQ(std::distance(fs::directory_iterator(dir), {}),
              count + (std::get<0>(old) == 0 && fs::exists(path)))
        << "a file left behind";
    ::chmod(dir.c_str(), 0700);
    fs::remove_all(dir);
  }
}

// A value's whole number, and where the file is kept.
TEST(SettingsFile, ValuesAndPaths) {
  CheckGolden("settings_values.txt", 2,
              [](const GoldenRow& row) { return std::to_string(SettingValueToInt(row[0])); });
  CheckGolden("settings_paths.txt", 6, [](const GoldenRow& row) {
    return ChooseSettingsPath({row[0], row[1] == "yes", row[2] == "yes", row[3], row[4]});
  });
}

}  // namespace
