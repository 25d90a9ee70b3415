#pragma once
// "VaZizi.ini": the small key = value file beside the program that keeps the
// window positions, the help window's size, the calculator shown and the units.
//
// One settings file is open at a time for the whole process, always in a
// complete sequence inside one event: OpenSettings, reads or writes,
// CloseSettings. Every failure is silent: reads fall back to their defaults and
// writes that cannot be stored are dropped.

#include <cstdint>
#include <string>

namespace brindle {

// Closes any file still open (writing it back), then opens and parses `path`.
void OpenSettings(const std::string& path);
// The key's value as a whole number, or `fallback` when the key is absent.
// Keys match regardless of letter case; only keys before the first group count.
int32_t ReadSetting(const std::string& key, int32_t fallback);
// Whether the file holds the key (before the first group), whatever its value.
bool HasSetting(const std::string& key);
// Sets the key to `value` in memory, adding the key when it is absent.
void WriteSetting(const std::string& key, int32_t value);
// Writes the whole file back if anything was written, then forgets everything.
void CloseSettings();

}  // namespace brindle
