// "VaZizi.ini" in a browser: the same text, kept in the page's local storage
// under the settings file's name, so that the program reads and writes it with
// the same rules (unknown keys, comments and groups kept). One stored item is
// replaced whole in one step, so no half-written text is ever left.

#include <emscripten/emscripten.h>

#include <cstdlib>
#include <map>
#include <string>

#include "shell/settings_disk.h"

namespace brindle {

namespace {

// clang-format off
// The stored text as UTF-8 in memory from malloc, or null when there is none
// (or storage is off, as in some private windows).
EM_JS(char*, StoredSettingsText, (const char* name), {
  var text = null;
  try {
    text = window.localStorage.getItem(UTF8ToString(name));
  } catch (e) {
  }
  if (text === null) return 0;
  var size = lengthBytesUTF8(text) + 1;
  var bytes = _malloc(size);
  stringToUTF8(text, bytes, size);
  return bytes;
});

EM_JS(int, StoreSettingsText, (const char* name, const char* bytes, int size), {
  try {
    window.localStorage.setItem(UTF8ToString(name), UTF8ToString(bytes, size));
    return 1;
  } catch (e) {
    return 0;
  }
});

EM_JS(int, SettingsStorageWritable, (), {
  try {
    var probe = "brindles-math-probe";
    window.localStorage.setItem(probe, "");
    window.localStorage.removeItem(probe);
    return 1;
  } catch (e) {
    return 0;
  }
});
// clang-format on

// The open "files": a handle is the number of an open name.
std::map<SettingsFileHandle, std::string>& OpenNames() {
  static std::map<SettingsFileHandle, std::string> names;
  return names;
}

bool Store(const std::string& name, std::string_view bytes) {
  return StoreSettingsText(name.c_str(), bytes.data(), static_cast<int>(bytes.size())) != 0;
}

}  // namespace

SettingsFileHandle OpenSettingsFile(const std::string& path, SettingsAccess access) {
  if (!SomethingAtPath(path)) return kNoSettingsFile;
  if (access == SettingsAccess::ReadWrite && SettingsStorageWritable() == 0) return kNoSettingsFile;
  static SettingsFileHandle next = 0;
  OpenNames()[++next] = path;
  return next;
}

void CloseSettingsFile(SettingsFileHandle file) {
  OpenNames().erase(file);
}

bool ReadWholeSettingsFile(SettingsFileHandle file, std::string& bytes) {
  const auto open = OpenNames().find(file);
  if (open == OpenNames().end()) return false;
  char* text = StoredSettingsText(open->second.c_str());
  if (text == nullptr) return false;
  bytes = text;
  std::free(text);
  return true;
}

bool ReplaceSettingsFile(SettingsFileHandle, const std::string& path, std::string_view bytes) {
  return Store(path, bytes);
}

SettingsFileCreated CreateSettingsFile(const std::string& path, std::string_view bytes) {
  if (SomethingAtPath(path)) return SettingsFileCreated::AlreadyThere;
  return Store(path, bytes) ? SettingsFileCreated::Written : SettingsFileCreated::Failed;
}

bool SomethingAtPath(const std::string& path) {
  char* text = StoredSettingsText(path.c_str());
  std::free(text);
  return text != nullptr;
}

bool FolderWritable(const std::string&) {
  return SettingsStorageWritable() != 0;
}

// A browser has no environment: the settings stay under the program's own name.
std::string ConfigHomeVariable() {
  return "";
}
std::string HomeVariable() {
  return "";
}

}  // namespace brindle
