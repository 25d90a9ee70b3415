#include "shell/settings_text.h"

#include <algorithm>
#include <charconv>
#include <limits>
#include <utility>

namespace brindle {

namespace {

// A line ends at CR, at LF or at a zero byte.
constexpr std::string_view kLineEnds("\r\n\0", 3);

bool IsBlank(char c) {
  return c == ' ' || c == '\t';
}

std::size_t SkipBlanks(std::string_view text, std::size_t pos, std::size_t end) {
  while (pos < end && IsBlank(text[pos]))
    ++pos;
  return pos;
}

// Steps over the character that ended a line, then over any run of CR and LF,
// so CR LF, LF and CR endings all read alike and blank lines vanish.
std::size_t SkipLineEnd(std::string_view text, std::size_t pos) {
  if (pos < text.size() && text[pos] == '\0') ++pos;
  while (pos < text.size() && (text[pos] == '\r' || text[pos] == '\n'))
    ++pos;
  return pos;
}

char AsciiLower(char c) {
  return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}

void AppendLine(std::string& out, SettingsLineKind kind, std::string_view text,
                std::string_view value) {
  switch (kind) {
    case SettingsLineKind::Group:
      out += '[';
      out += text;
      out += ']';
      break;
    case SettingsLineKind::Comment:
      out += "; ";
      out += text;
      break;
    case SettingsLineKind::Key:
      out += text;
      out += " = ";
      out += value;
      break;
  }
  out += "\r\n";
}

}  // namespace

bool NextSettingsLine(std::string_view text, std::size_t& pos, SettingsLine& line) {
  const std::size_t size = text.size();
  while (pos < size) {
    pos = SkipBlanks(text, pos, size);
    if (pos == size) return false;
    std::size_t end = text.find_first_of(kLineEnds, pos);
    if (end == std::string_view::npos) end = size;
    if (end == pos) {  // an empty line: nothing is remembered
      pos = SkipLineEnd(text, pos);
      continue;
    }
    const std::string_view rest = text.substr(pos, end - pos);
    line.start = pos;
    line.value = {};
    if (rest.front() == ';') {
      line.kind = SettingsLineKind::Comment;
      const std::size_t skip = (rest.size() > 1 && rest[1] == ' ') ? 2 : 1;
      line.text = rest.substr(skip);
    } else if (rest.front() == '[') {
      line.kind = SettingsLineKind::Group;
      line.text = rest.substr(1, rest.find(']', 1) - 1);  // npos: to the line's end
    } else {
      line.kind = SettingsLineKind::Key;
      const std::size_t equals = rest.find('=');
      std::string_view key = rest.substr(0, equals);
      while (!key.empty() && IsBlank(key.back()))
        key.remove_suffix(1);
      line.text = key;
      if (equals != std::string_view::npos) {
        line.value = rest.substr(SkipBlanks(rest, equals + 1, rest.size()));
      }
    }
    pos = SkipLineEnd(text, end);
    return true;
  }
  return false;
}

int32_t SettingValueToInt(std::string_view value) {
  std::size_t i = 0;
  while (i < value.size() && (value[i] == ' ' || (value[i] >= '\t' && value[i] <= '\r')))
    ++i;
  bool negative = false;
  if (i < value.size() && (value[i] == '+' || value[i] == '-')) {
    negative = value[i] == '-';
    ++i;
  }
  // The magnitude stops growing just past the 32-bit range, so that any
  // number of digits reads without overflow and saturates below.
  constexpr int64_t kCap = int64_t{std::numeric_limits<int32_t>::max()} + 1;
  int64_t magnitude = 0;
  for (; i < value.size() && value[i] >= '0' && value[i] <= '9'; ++i) {
    magnitude = std::min(magnitude * 10 + (value[i] - '0'), kCap);
  }
  if (negative) return static_cast<int32_t>(-magnitude);  // -kCap is INT32_MIN
  return static_cast<int32_t>(std::min(magnitude, kCap - 1));
}

std::string SettingIntToText(int32_t value) {
  char digits[16];
  const auto result = std::to_chars(digits, digits + sizeof digits, value);
  return std::string(digits, result.ptr);
}

std::string Latin1ToUtf8(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  for (const char c : text) {
    const auto byte = static_cast<unsigned char>(c);
    if (byte < 0x80) {
      out += c;
    } else {
      out += static_cast<char>(0xC0 | (byte >> 6));
      out += static_cast<char>(0x80 | (byte & 0x3F));
    }
  }
  return out;
}

bool SameSettingsKey(std::string_view a, std::string_view b) {
  return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
           return AsciiLower(x) == AsciiLower(y);
         });
}

SettingsDocument::SettingsDocument(std::string file_bytes) : text_(std::move(file_bytes)) {
  if (text_.starts_with(kUtf8Mark)) {
    utf8_ = true;
    text_.erase(0, kUtf8Mark.size());
  }
}

std::string SettingsDocument::FileKey(std::string_view key) const {
  return utf8_ ? Latin1ToUtf8(key) : std::string(key);
}

const SettingsDocument::Edit* SettingsDocument::EditAt(std::size_t start) const {
  const auto it = std::lower_bound(edits_.begin(), edits_.end(), start,
                                   [](const Edit& e, std::size_t s) { return e.start < s; });
  return (it != edits_.end() && it->start == start) ? &*it : nullptr;
}

SettingsDocument::Found SettingsDocument::Find(std::string_view file_key) const {
  Found found;
  std::size_t pos = 0;
  SettingsLine line;
  while (NextSettingsLine(text_, pos, line) && line.kind != SettingsLineKind::Group) {
    if (line.kind == SettingsLineKind::Key && SameSettingsKey(line.text, file_key)) {
      const Edit* edit = EditAt(line.start);
      found.where = Found::InFile;
      found.start = line.start;
      found.value = edit ? std::string_view(edit->value) : line.value;
      return found;
    }
  }
  // Keys added by earlier writes stand after every key of the file that
  // precedes the first group line, so they are searched last.
  for (std::size_t i = 0; i < added_.size(); ++i) {
    if (SameSettingsKey(added_[i].text, file_key)) {
      found.where = Found::InAdded;
      found.index = i;
      found.value = added_[i].value;
      return found;
    }
  }
  return found;
}

int32_t SettingsDocument::Read(std::string_view key, int32_t fallback) const {
  const Found found = Find(FileKey(key));
  return found.where == Found::Nowhere ? fallback : SettingValueToInt(found.value);
}

void SettingsDocument::Write(std::string_view key, int32_t value) {
  std::string file_key = FileKey(key);
  std::string text = SettingIntToText(value);
  const Found found = Find(file_key);
  switch (found.where) {
    case Found::InFile: {
      const auto it = std::lower_bound(edits_.begin(), edits_.end(), found.start,
                                       [](const Edit& e, std::size_t s) { return e.start < s; });
      if (it != edits_.end() && it->start == found.start) {
        it->key = std::move(file_key);
        it->value = std::move(text);
      } else {
        edits_.insert(it, Edit{found.start, std::move(file_key), std::move(text)});
      }
      break;
    }
    case Found::InAdded:
      added_[found.index].text = std::move(file_key);
      added_[found.index].value = std::move(text);
      break;
    case Found::Nowhere:
      added_.push_back({SettingsLineKind::Key, std::move(file_key), std::move(text)});
      break;
  }
}

// Calls visit(kind, text, value) for every entry in file order: the file's
// lines with their edits, and the added keys just before the first group line.
template <typename Visit>
void SettingsDocument::Walk(Visit visit) const {
  bool added_done = false;
  auto visit_added = [&] {
    for (const SettingsEntry& entry : added_)
      visit(entry.kind, entry.text, entry.value);
    added_done = true;
  };
  std::size_t pos = 0;
  SettingsLine line;
  while (NextSettingsLine(text_, pos, line)) {
    if (line.kind == SettingsLineKind::Group && !added_done) visit_added();
    const Edit* edit = line.kind == SettingsLineKind::Key ? EditAt(line.start) : nullptr;
    if (edit) {
      visit(line.kind, std::string_view(edit->key), std::string_view(edit->value));
    } else {
      visit(line.kind, line.text, line.value);
    }
  }
  if (!added_done) visit_added();
}

std::string SettingsDocument::Render() const {
  std::string out;
  if (utf8_) {
    out += kUtf8Mark;
    out += "\r\n";
  }
  Walk([&out](SettingsLineKind kind, std::string_view text, std::string_view value) {
    AppendLine(out, kind, text, value);
  });
  return out;
}

std::vector<SettingsEntry> SettingsDocument::Entries() const {
  std::vector<SettingsEntry> entries;
  Walk([&entries](SettingsLineKind kind, std::string_view text, std::string_view value) {
    entries.push_back({kind, std::string(text), std::string(value)});
  });
  return entries;
}

}  // namespace brindle
