#pragma once
// The text of "VaZizi.ini" in memory: the line reader, the key lookup and the
// writer, with no file access. settings_file.cpp puts a file around it.
//
// The document keeps the file's bytes as read and notes the writes beside
// them. Only keys before the first group line are ever read or written, and
// new keys always go just before that group line (or at the end when there is
// none), so the untouched rest of the file never needs a record of its own:
// it is read again line by line when the file is written back. That keeps a
// hostile file of millions of short lines at the size of its own bytes.

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace brindle {

// The three kinds of remembered line; blank lines are not remembered.
enum class SettingsLineKind { Group, Comment, Key };

// One line as read or as it will be written. For a group, `text` is its name;
// for a comment, its text; for a key line, the key, with `value` its value.
struct SettingsEntry {
  SettingsLineKind kind = SettingsLineKind::Key;
  std::string text;
  std::string value;
  bool operator==(const SettingsEntry&) const = default;
};

// One line as read, its views pointing into the text read. `start` is where
// the line's first character stands, which tells the lines of one text apart.
struct SettingsLine {
  SettingsLineKind kind = SettingsLineKind::Key;
  std::string_view text;
  std::string_view value;
  std::size_t start = 0;
};
// Reads the next remembered line of `text` from `pos` on, skipping blank lines,
// and moves `pos` past its line end. Returns false when no line is left.
bool NextSettingsLine(std::string_view text, std::size_t& pos, SettingsLine& line);

// A value's whole number: leading white space skipped, an optional sign, the
// decimal digits up to the first other character. No digits gives 0; digits
// beyond the 32-bit range give the nearest limit.
int32_t SettingValueToInt(std::string_view value);
// Plain decimal: a minus sign when negative, no plus sign, no leading zeros.
std::string SettingIntToText(int32_t value);
// Each byte of 128 or more becomes its two-byte UTF-8 form, as if the text
// were ISO 8859-1; the keys of a UTF-8 file are compared in that form.
std::string Latin1ToUtf8(std::string_view text);
// Letter for letter, ignoring the case of the letters A to Z.
bool SameSettingsKey(std::string_view a, std::string_view b);

// The bytes EF BB BF that mark a UTF-8 file.
inline constexpr std::string_view kUtf8Mark = "\xEF\xBB\xBF";

class SettingsDocument {
 public:
  SettingsDocument() = default;
  // Takes the whole file; a leading UTF-8 mark sets the UTF-8 flag.
  explicit SettingsDocument(std::string file_bytes);

  bool Utf8() const { return utf8_; }
  // The value of the first `key` before the first group line, or `fallback`.
  int32_t Read(std::string_view key, int32_t fallback) const;
  // Sets the first `key` before the first group line, taking the letter case
  // of `key`, or adds it after the last entry before the first group line.
  void Write(std::string_view key, int32_t value);
  // The whole file as written back: CR LF line ends, " = ", "; ", "[name]".
  std::string Render() const;
  // Every entry in file order, writes included (for checks, not for lookups).
  std::vector<SettingsEntry> Entries() const;

 private:
  // A key line of the file that a write changed, named by its `start`.
  struct Edit {
    std::size_t start;
    std::string key;
    std::string value;
  };
  // Where a key lives: a line of the file (maybe edited) or an added entry.
  struct Found {
    enum { Nowhere, InFile, InAdded } where = Nowhere;
    std::size_t start = 0;  // InFile: the line's start
    std::size_t index = 0;  // InAdded: its place in added_
    std::string_view value;
  };
  Found Find(std::string_view file_key) const;
  const Edit* EditAt(std::size_t start) const;
  std::string FileKey(std::string_view key) const;
  template <typename Visit>
  void Walk(Visit visit) const;

  std::string text_;  // the file's bytes after the UTF-8 mark
  bool utf8_ = false;
  std::vector<Edit> edits_;  // in the order of their lines in text_
  std::vector<SettingsEntry> added_;
};

}  // namespace brindle
