#pragma once
// File access for "VaZizi.ini": opening, reading whole, and putting a new text
// in place so that a failed write never leaves the old file half overwritten;
// and what choosing the file's place asks of the disk and the environment.
// One implementation per system: settings_disk_posix.cpp, settings_disk_win32.cpp.

#include <cstdint>
#include <string>
#include <string_view>

namespace brindle {

// An open settings file: a file descriptor, or a Windows file handle.
using SettingsFileHandle = std::intptr_t;
inline constexpr SettingsFileHandle kNoSettingsFile = -1;

enum class SettingsAccess { ReadWrite, ReadOnly };

// Opens the existing file at `path` if it is a regular file; returns it or
// kNoSettingsFile. Anything else, a directory or a named pipe, counts as a file
// that cannot be opened, and so does a read-only file (no write permission
// bit, or the read-only attribute) for writing, whoever the user is. Paths
// are UTF-8.
SettingsFileHandle OpenSettingsFile(const std::string& path, SettingsAccess access);
void CloseSettingsFile(SettingsFileHandle file);

// Reads the whole open file into `bytes`; false on a read error, or when the
// file is too big to be a settings file (then `bytes` is empty).
bool ReadWholeSettingsFile(SettingsFileHandle file, std::string& bytes);

// Gives the open, writable `file`, which stands at `path`, the content
// `bytes`. The text goes to a temporary file beside it that takes the old
// file's permissions and then replaces it in one step, so the old file stays
// whole if anything fails. Only when no temporary file can be made there (a
// folder that is not writable), or when it may not take the old file's place,
// is the file rewritten in place.
bool ReplaceSettingsFile(SettingsFileHandle file, const std::string& path, std::string_view bytes);

// Writes `bytes` to `path`, which was missing when the settings were opened:
// creates it, and the folders above it that are missing (the user's
// configuration folder on a first change). A file it created and could not
// fill is removed again. A file that has appeared there since is left to the
// caller, to be replaced as above.
enum class SettingsFileCreated { Written, Failed, AlreadyThere };
SettingsFileCreated CreateSettingsFile(const std::string& path, std::string_view bytes);

// Whether anything at all has this name (even a file that cannot be read).
bool SomethingAtPath(const std::string& path);
// Whether the user may make files in `folder` ("" is the current folder).
bool FolderWritable(const std::string& folder);
// The user's configuration folder as the desktop names it (XDG_CONFIG_HOME on
// Linux, APPDATA on Windows) and the user's home folder (HOME, USERPROFILE);
// "" when unset.
std::string ConfigHomeVariable();
std::string HomeVariable();

}  // namespace brindle
