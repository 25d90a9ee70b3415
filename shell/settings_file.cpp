#include "shell/settings_file.h"

#include <exception>
#include <string_view>
#include <utility>

#include "shell/settings_disk.h"
#include "shell/settings_text.h"

namespace brindle {

namespace {

// The one settings file of the process, between OpenSettings and CloseSettings.
struct SettingsSession {
  enum class State {
    Closed,    // no sequence under way: reads give defaults, writes do nothing
    Open,      // `file` is the file, open for reading and writing or read-only
    PathOnly,  // the file could not be opened: the first write creates it
  };
  State state = State::Closed;
  SettingsFileHandle file = kNoSettingsFile;
  bool read_only = false;
  bool changed = false;
  std::string path;
  SettingsDocument document;
};

SettingsSession& Session() {
  static SettingsSession session;
  return session;
}

// Another program made the file after it was found missing: it is replaced
// like any file that was there from the start.
void ReplaceFileThatAppeared(const std::string& path, std::string_view text) {
  const SettingsFileHandle file = OpenSettingsFile(path, SettingsAccess::ReadWrite);
  if (file == kNoSettingsFile) return;
  ReplaceSettingsFile(file, path, text);
  CloseSettingsFile(file);
}

}  // namespace

void OpenSettings(const std::string& path) {
  CloseSettings();
  SettingsSession& session = Session();
  try {
    session.path = path;
    // Other programs may go on reading the file while it is open here; a
    // second read-only attempt with wider sharing has no meaning on this
    // system, so read-only is tried once.
    SettingsFileHandle file = OpenSettingsFile(path, SettingsAccess::ReadWrite);
    if (file == kNoSettingsFile) {
      file = OpenSettingsFile(path, SettingsAccess::ReadOnly);
      session.read_only = true;
    }
    if (file == kNoSettingsFile) {
      session.read_only = false;
      session.state = SettingsSession::State::PathOnly;
      return;
    }
    session.file = file;
    session.state = SettingsSession::State::Open;
    std::string bytes;
    if (!ReadWholeSettingsFile(file, bytes)) {
      // Writing back a file that was not read whole would lose its rest.
      session.read_only = true;
      return;
    }
    session.document = SettingsDocument(std::move(bytes));
  } catch (const std::exception&) {
    session.read_only = true;  // out of memory: keep the defaults, touch nothing
  }
}

int32_t ReadSetting(const std::string& key, int32_t fallback) {
  const SettingsSession& session = Session();
  if (session.state == SettingsSession::State::Closed) return fallback;
  return session.document.Read(key, fallback);
}

bool HasSetting(const std::string& key) {
  // A key that is there reads as its value, whatever the fallback.
  return ReadSetting(key, 0) == ReadSetting(key, 1);
}

void WriteSetting(const std::string& key, int32_t value) {
  SettingsSession& session = Session();
  if (session.state == SettingsSession::State::Closed) return;
  try {
    session.document.Write(key, value);
    session.changed = true;
  } catch (const std::exception&) {
    // Out of memory: the write is dropped like any other that cannot be kept.
  }
}

void CloseSettings() {
  SettingsSession& session = Session();
  if (session.changed && !session.read_only) {
    try {
      if (session.state == SettingsSession::State::Open) {
        ReplaceSettingsFile(session.file, session.path, session.document.Render());
      } else if (session.state == SettingsSession::State::PathOnly) {
        const std::string text = session.document.Render();
        if (CreateSettingsFile(session.path, text) == SettingsFileCreated::AlreadyThere) {
          ReplaceFileThatAppeared(session.path, text);
        }
      }
    } catch (const std::exception&) {
      // Out of memory while building the text: nothing is written.
    }
  }
  if (session.file != kNoSettingsFile) CloseSettingsFile(session.file);
  session = SettingsSession{};
}

}  // namespace brindle
