#include "shell/settings_disk.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdint>
#include <cstdlib>
#include <new>

namespace brindle {

namespace {

// The settings file holds a few short lines. Anything bigger than this is not
// one, and is left alone rather than read into memory and written back.
constexpr off_t kLargestSettingsFile = off_t{256} * 1024 * 1024;

int OpenRetrying(const char* path, int flags, mode_t mode) {
  int fd;
  do {
    fd = ::open(path, flags | O_CLOEXEC | O_NOCTTY, mode);
  } while (fd < 0 && errno == EINTR);
  return fd;
}

bool WriteAll(int fd, std::string_view bytes) {
  while (!bytes.empty()) {
    const ssize_t n = ::write(fd, bytes.data(), bytes.size());
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) return false;
    bytes.remove_prefix(static_cast<std::size_t>(n));
  }
  return true;
}

bool WriteAllAt(int fd, std::string_view bytes) {
  off_t offset = 0;
  while (!bytes.empty()) {
    const ssize_t n = ::pwrite(fd, bytes.data(), bytes.size(), offset);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) return false;
    bytes.remove_prefix(static_cast<std::size_t>(n));
    offset += n;
  }
  return true;
}

// The old way, used only where no temporary file can be made: write from the
// first byte, then cut the file off after the last byte written.
bool RewriteInPlace(int fd, std::string_view bytes) {
  return WriteAllAt(fd, bytes) && ::ftruncate(fd, static_cast<off_t>(bytes.size())) == 0 &&
         ::fsync(fd) == 0;
}

// The file the path finally names, so that replacing a symbolic link's target
// keeps the link.
std::string ResolvedPath(const std::string& path) {
  char* real = ::realpath(path.c_str(), nullptr);
  if (!real) return path;
  std::string resolved(real);
  std::free(real);
  return resolved;
}

// Makes the folders above `path` that are missing, for the user alone, as a
// configuration folder should be. Folders already there are left as they are.
void MakeMissingFolders(const std::string& path) {
  for (size_t end = path.find('/', 1); end != std::string::npos; end = path.find('/', end + 1)) {
    ::mkdir(path.substr(0, end).c_str(), 0700);
  }
}

std::string Variable(const char* name) {
  const char* value = std::getenv(name);
  return value ? value : "";
}

}  // namespace

SettingsFileHandle OpenSettingsFile(const std::string& path, SettingsAccess access) {
  // O_NONBLOCK keeps a named pipe of that name from hanging the open.
  const int flags = access == SettingsAccess::ReadWrite ? O_RDWR : O_RDONLY;
  const int fd = OpenRetrying(path.c_str(), flags | O_NONBLOCK, 0);
  if (fd < 0) return kNoSettingsFile;
  struct stat st;
  // A file without a write permission bit was made read-only on purpose (an
  // instructor's fixed settings): root, whom the bits do not stop, leaves it
  // alone too.
  if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode) ||
      (access == SettingsAccess::ReadWrite && (st.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0)) {
    ::close(fd);
    return kNoSettingsFile;
  }
  return fd;
}

void CloseSettingsFile(SettingsFileHandle file) {
  if (file >= 0) ::close(static_cast<int>(file));
}

bool ReadWholeSettingsFile(SettingsFileHandle file, std::string& bytes) {
  const int fd = static_cast<int>(file);
  bytes.clear();
  struct stat st;
  if (::fstat(fd, &st) != 0 || st.st_size > kLargestSettingsFile) return false;
  try {
    bytes.reserve(static_cast<std::size_t>(st.st_size));
    char chunk[65536];
    for (;;) {
      const ssize_t n = ::read(fd, chunk, sizeof chunk);
      if (n < 0 && errno == EINTR) continue;
      if (n < 0) break;
      if (n == 0) return true;
      // The file may grow while it is read; it stays under the same limit.
      if (bytes.size() + static_cast<std::size_t>(n) >
          static_cast<std::size_t>(kLargestSettingsFile)) {
        break;
      }
      bytes.append(chunk, static_cast<std::size_t>(n));
    }
  } catch (const std::bad_alloc&) {
  }
  bytes.clear();
  return false;
}

bool ReplaceSettingsFile(SettingsFileHandle file, const std::string& path, std::string_view bytes) {
  const int fd = static_cast<int>(file);
  struct stat st;
  if (::fstat(fd, &st) != 0) return false;
  const std::string target = ResolvedPath(path);
  std::string temp = target + ".XXXXXX";
  const int temp_fd = ::mkostemp(temp.data(), O_CLOEXEC);
  if (temp_fd < 0) return RewriteInPlace(fd, bytes);

  // Keeping the owner only works for root or for one's own file; otherwise
  // the new file belongs to whoever rewrote it, with the old permission bits.
  if (st.st_uid != ::geteuid() || st.st_gid != ::getegid()) {
    [[maybe_unused]] const int ignored = ::fchown(temp_fd, st.st_uid, st.st_gid);
  }
  bool ok = WriteAll(temp_fd, bytes) && ::fchmod(temp_fd, st.st_mode & 07777) == 0 &&
            ::fsync(temp_fd) == 0;
  ok = ::close(temp_fd) == 0 && ok;
  if (!ok) {
    ::unlink(temp.c_str());
    return false;  // the disk is full or the size limit is reached: keep the old file
  }
  if (::rename(temp.c_str(), target.c_str()) != 0) {
    // The new text fitted, but it may not take the old file's place: in a
    // shared directory with the sticky bit, only the owner of a file may
    // replace it, while anyone allowed may still write into it.
    ::unlink(temp.c_str());
    return RewriteInPlace(fd, bytes);
  }
  // The directory is not flushed: after a crash the file is the old one or the
  // new one, each complete, and a setting is cheap to choose again. Flushing it
  // would double the time of every page switch on a busy disk.
  return true;
}

SettingsFileCreated CreateSettingsFile(const std::string& path, std::string_view bytes) {
  constexpr int kCreate = O_RDWR | O_CREAT | O_EXCL;
  int fd = OpenRetrying(path.c_str(), kCreate, 0666);
  if (fd < 0 && errno == ENOENT) {
    MakeMissingFolders(path);
    fd = OpenRetrying(path.c_str(), kCreate, 0666);
  }
  if (fd >= 0) {
    bool ok = WriteAll(fd, bytes) && ::fsync(fd) == 0;
    ok = ::close(fd) == 0 && ok;
    if (!ok) ::unlink(path.c_str());
    return ok ? SettingsFileCreated::Written : SettingsFileCreated::Failed;
  }
  return errno == EEXIST ? SettingsFileCreated::AlreadyThere : SettingsFileCreated::Failed;
}

bool SomethingAtPath(const std::string& path) {
  struct stat st;
  return ::lstat(path.c_str(), &st) == 0;
}

bool FolderWritable(const std::string& folder) {
  return ::access(folder.empty() ? "." : folder.c_str(), W_OK) == 0;
}

std::string ConfigHomeVariable() {
  return Variable("XDG_CONFIG_HOME");
}

std::string HomeVariable() {
  return Variable("HOME");
}

}  // namespace brindle
