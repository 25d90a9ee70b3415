// File access for "VaZizi.ini" on Windows: the UTF-16 ("W") functions, so that
// folders with any name work, and a new text put in place by replacing the
// file with a filled temporary file beside it.
#include <windows.h>

#include <cstdint>
#include <new>

#include "shell/settings_disk.h"

namespace brindle {

namespace {

// The settings file holds a few short lines. Anything bigger than this is not
// one, and is left alone rather than read into memory and written back.
constexpr LONGLONG kLargestSettingsFile = LONGLONG{256} * 1024 * 1024;

std::wstring Wide(std::string_view utf8) {
  if (utf8.empty()) return {};
  const int size = static_cast<int>(utf8.size());
  const int n = ::MultiByteToWideChar(CP_UTF8, 0, utf8.data(), size, nullptr, 0);
  std::wstring wide(static_cast<std::size_t>(n > 0 ? n : 0), L'\0');
  if (n > 0) ::MultiByteToWideChar(CP_UTF8, 0, utf8.data(), size, wide.data(), n);
  return wide;
}

std::string Utf8(std::wstring_view wide) {
  if (wide.empty()) return {};
  const int size = static_cast<int>(wide.size());
  const int n = ::WideCharToMultiByte(CP_UTF8, 0, wide.data(), size, nullptr, 0, nullptr, nullptr);
  std::string utf8(static_cast<std::size_t>(n > 0 ? n : 0), '\0');
  if (n > 0) ::WideCharToMultiByte(CP_UTF8, 0, wide.data(), size, utf8.data(), n, nullptr, nullptr);
  return utf8;
}

HANDLE AsHandle(SettingsFileHandle file) {
  return reinterpret_cast<HANDLE>(file);
}

// Other programs may read, write, rename or delete the file while it is open
// here; without FILE_SHARE_DELETE it could not be replaced while open.
constexpr DWORD kShareAll = FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE;

bool WriteAll(HANDLE file, std::string_view bytes) {
  while (!bytes.empty()) {
    const DWORD chunk = bytes.size() > (1u << 30) ? (1u << 30) : static_cast<DWORD>(bytes.size());
    DWORD written = 0;
    if (!::WriteFile(file, bytes.data(), chunk, &written, nullptr) || written == 0) return false;
    bytes.remove_prefix(written);
  }
  return true;
}

// The old way, used only where no temporary file can be made: write from the
// first byte, then cut the file off after the last byte written.
bool RewriteInPlace(HANDLE file, std::string_view bytes) {
  LARGE_INTEGER start{};
  return ::SetFilePointerEx(file, start, nullptr, FILE_BEGIN) && WriteAll(file, bytes) &&
         ::SetEndOfFile(file) && ::FlushFileBuffers(file);
}

// The file the open handle finally names, so that replacing a symbolic link's
// target keeps the link; the path as given when the system cannot tell.
std::wstring ResolvedPath(HANDLE file, const std::string& path) {
  wchar_t buffer[4096];
  const DWORD n = ::GetFinalPathNameByHandleW(file, buffer, 4096, FILE_NAME_NORMALIZED);
  if (n == 0 || n >= 4096) return Wide(path);
  return std::wstring(buffer, n);
}

// A new file beside `target` that no other program has made: its name and
// handle, or INVALID_HANDLE_VALUE when the folder takes no new file.
HANDLE MakeTemporaryFile(const std::wstring& target, std::wstring& name) {
  static unsigned counter = 0;
  for (int attempt = 0; attempt < 16; ++attempt) {
    wchar_t suffix[40];
    ::swprintf(suffix, 40, L".%08lx%04x.tmp", ::GetCurrentProcessId(), ++counter & 0xFFFFu);
    name = target + suffix;
    HANDLE file = ::CreateFileW(name.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                                FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file != INVALID_HANDLE_VALUE || ::GetLastError() != ERROR_FILE_EXISTS) return file;
  }
  return INVALID_HANDLE_VALUE;
}

// Makes the folders above `path` that are missing. Folders already there, and
// a drive or share name that is no folder, are left as they are.
void MakeMissingFolders(const std::wstring& path) {
  for (std::size_t end = path.find_first_of(L"\\/", 1); end != std::wstring::npos;
       end = path.find_first_of(L"\\/", end + 1)) {
    ::CreateDirectoryW(path.substr(0, end).c_str(), nullptr);
  }
}

std::string Variable(const wchar_t* name) {
  wchar_t buffer[32768];
  const DWORD n = ::GetEnvironmentVariableW(name, buffer, 32768);
  return n == 0 || n >= 32768 ? std::string() : Utf8(std::wstring_view(buffer, n));
}

}  // namespace

SettingsFileHandle OpenSettingsFile(const std::string& path, SettingsAccess access) {
  const DWORD rights = GENERIC_READ | (access == SettingsAccess::ReadWrite ? GENERIC_WRITE : 0);
  // A folder of that name does not open without FILE_FLAG_BACKUP_SEMANTICS.
  HANDLE file = ::CreateFileW(Wide(path).c_str(), rights, kShareAll, nullptr, OPEN_EXISTING,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return kNoSettingsFile;
  // A named pipe or a device is no settings file. A file with the read-only
  // attribute was made so on purpose (an instructor's fixed settings): an
  // administrator, or a system that lets the open through, leaves it alone too.
  BY_HANDLE_FILE_INFORMATION info{};
  if (::GetFileType(file) != FILE_TYPE_DISK ||
      (access == SettingsAccess::ReadWrite &&
       (!::GetFileInformationByHandle(file, &info) ||
        (info.dwFileAttributes & FILE_ATTRIBUTE_READONLY) != 0))) {
    ::CloseHandle(file);
    return kNoSettingsFile;
  }
  return reinterpret_cast<SettingsFileHandle>(file);
}

void CloseSettingsFile(SettingsFileHandle file) {
  if (file != kNoSettingsFile) ::CloseHandle(AsHandle(file));
}

bool ReadWholeSettingsFile(SettingsFileHandle file, std::string& bytes) {
  bytes.clear();
  LARGE_INTEGER size{};
  if (!::GetFileSizeEx(AsHandle(file), &size) || size.QuadPart > kLargestSettingsFile) return false;
  try {
    bytes.reserve(static_cast<std::size_t>(size.QuadPart));
    char chunk[65536];
    for (;;) {
      DWORD n = 0;
      if (!::ReadFile(AsHandle(file), chunk, sizeof chunk, &n, nullptr)) break;
      if (n == 0) return true;
      // The file may grow while it is read; it stays under the same limit.
      if (bytes.size() + n > static_cast<std::size_t>(kLargestSettingsFile)) break;
      bytes.append(chunk, n);
    }
  } catch (const std::bad_alloc&) {
  }
  bytes.clear();
  return false;
}

bool ReplaceSettingsFile(SettingsFileHandle file, const std::string& path, std::string_view bytes) {
  const std::wstring target = ResolvedPath(AsHandle(file), path);
  std::wstring temp;
  HANDLE temp_file = MakeTemporaryFile(target, temp);
  if (temp_file == INVALID_HANDLE_VALUE) return RewriteInPlace(AsHandle(file), bytes);
  bool ok = WriteAll(temp_file, bytes) && ::FlushFileBuffers(temp_file);
  ok = ::CloseHandle(temp_file) && ok;
  if (!ok) {
    ::DeleteFileW(temp.c_str());
    return false;  // the disk is full: keep the old file
  }
  // ReplaceFileW gives the new file the old one's permissions and attributes;
  // where it cannot (some network shares), a plain replacing move still keeps
  // the old file whole until the new one is in place.
  if (::ReplaceFileW(target.c_str(), temp.c_str(), nullptr, REPLACEFILE_IGNORE_MERGE_ERRORS,
                     nullptr, nullptr) ||
      ::MoveFileExW(temp.c_str(), target.c_str(),
                    MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
    return true;
  }
  // The new text fitted, but it may not take the old file's place.
  ::DeleteFileW(temp.c_str());
  return RewriteInPlace(AsHandle(file), bytes);
}

SettingsFileCreated CreateSettingsFile(const std::string& path, std::string_view bytes) {
  const std::wstring wide = Wide(path);
  const auto create = [&wide] {
    return ::CreateFileW(wide.c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                         FILE_ATTRIBUTE_NORMAL, nullptr);
  };
  HANDLE file = create();
  if (file == INVALID_HANDLE_VALUE && ::GetLastError() == ERROR_PATH_NOT_FOUND) {
    MakeMissingFolders(wide);
    file = create();
  }
  if (file != INVALID_HANDLE_VALUE) {
    bool ok = WriteAll(file, bytes) && ::FlushFileBuffers(file);
    ok = ::CloseHandle(file) && ok;
    if (!ok) ::DeleteFileW(wide.c_str());
    return ok ? SettingsFileCreated::Written : SettingsFileCreated::Failed;
  }
  const DWORD error = ::GetLastError();
  return error == ERROR_FILE_EXISTS || error == ERROR_ALREADY_EXISTS
             ? SettingsFileCreated::AlreadyThere
             : SettingsFileCreated::Failed;
}

bool SomethingAtPath(const std::string& path) {
  return ::GetFileAttributesW(Wide(path).c_str()) != INVALID_FILE_ATTRIBUTES;
}

bool FolderWritable(const std::string& folder) {
  // Permissions on Windows are lists of rules that only trying can read: make
  // a file there that goes away when closed.
  std::wstring probe = Wide(folder.empty() ? std::string(".\\") : folder);
  HANDLE file = MakeTemporaryFile(probe + L"VaZizi", probe);
  if (file == INVALID_HANDLE_VALUE) return false;
  ::CloseHandle(file);
  ::DeleteFileW(probe.c_str());
  return true;
}

std::string ConfigHomeVariable() {
  return Variable(L"APPDATA");
}

std::string HomeVariable() {
  return Variable(L"USERPROFILE");
}

}  // namespace brindle
