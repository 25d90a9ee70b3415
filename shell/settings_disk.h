#pragma once
// File access for "VaZizi.ini": opening, reading whole, and putting a new text
// in place so that a failed write never leaves the old file half overwritten.

#include <string>
#include <string_view>

// Opens `path` with `flags` (O_RDWR or O_RDONLY, without O_CREAT) if it is a
// regular file; returns the descriptor or -1. Anything else, a directory or a
// named pipe, counts as a file that cannot be opened.
int OpenSettingsFile(const std::string& path, int flags);

// Reads the whole open file into `bytes`; false on a read error, or when the
// file is too big to be a settings file (then `bytes` is empty).
bool ReadWholeSettingsFile(int fd, std::string& bytes);

// Gives the open, writable file `fd`, which stands at `path`, the content
// `bytes`. The text goes to a temporary file beside it that takes the old
// file's permission bits and then replaces it in one rename, so the old file
// stays whole if anything fails. Only when no temporary file can be made there
// (a directory that is not writable), or when it may not take the old file's
// place, is the file rewritten in place.
bool ReplaceSettingsFile(int fd, const std::string& path, std::string_view bytes);

// Writes `bytes` to `path`, which was missing when the settings were opened:
// creates it, and the folders above it that are missing (the user's
// configuration folder on a first change), or replaces it as above if it has
// appeared since. A file it created and could not fill is removed again.
bool CreateSettingsFile(const std::string& path, std::string_view bytes);
