#include "shell/json_text.h"

#include <cstdint>

namespace brindle {

namespace {

constexpr int kDeepest = 32;

class JsonReader {
 public:
  explicit JsonReader(std::string_view text) : text_(text) {}

  std::optional<JsonValue> Whole() {
    std::optional<JsonValue> value = Value(0);
    SkipBlanks();
    if (at_ != text_.size()) return std::nullopt;
    return value;
  }

 private:
  void SkipBlanks() {
    while (at_ < text_.size() &&
           (text_[at_] == ' ' || text_[at_] == '\t' || text_[at_] == '\r' || text_[at_] == '\n'))
      ++at_;
  }
  bool Take(char c) {
    SkipBlanks();
    if (at_ < text_.size() && text_[at_] == c) return ++at_, true;
    return false;
  }
  bool TakeWord(std::string_view word) {
    if (text_.substr(at_, word.size()) != word) return false;
    at_ += word.size();
    return true;
  }

  std::optional<JsonValue> Value(int depth) {
    if (depth > kDeepest) return std::nullopt;
    SkipBlanks();
    if (at_ >= text_.size()) return std::nullopt;
    JsonValue value;
    const char c = text_[at_];
    if (c == '{') return Object(depth);
    if (c == '[') return Array(depth);
    if (c == '"') {
      value.kind = JsonValue::Kind::kString;
      if (!String(value.text)) return std::nullopt;
      return value;
    }
    if (TakeWord("true")) return JsonValue{JsonValue::Kind::kTrue, "true", {}};
    if (TakeWord("false")) return JsonValue{JsonValue::Kind::kFalse, "false", {}};
    if (TakeWord("null")) return JsonValue{JsonValue::Kind::kNull, "null", {}};
    return Number();
  }

  std::optional<JsonValue> Number() {
    const size_t start = at_;
    if (at_ < text_.size() && text_[at_] == '-') ++at_;
    const size_t digits = at_;
    while (at_ < text_.size() &&
           ((text_[at_] >= '0' && text_[at_] <= '9') || text_[at_] == '.' || text_[at_] == 'e' ||
            text_[at_] == 'E' || text_[at_] == '+' || text_[at_] == '-'))
      ++at_;
    if (at_ == digits || text_[digits] < '0' || text_[digits] > '9') return std::nullopt;
    return JsonValue{JsonValue::Kind::kNumber, std::string(text_.substr(start, at_ - start)), {}};
  }

  std::optional<JsonValue> Object(int depth) {
    ++at_;  // {
    JsonValue object{JsonValue::Kind::kObject, {}, {}};
    if (Take('}')) return object;
    do {
      SkipBlanks();
      std::string name;
      if (at_ >= text_.size() || text_[at_] != '"' || !String(name) || !Take(':'))
        return std::nullopt;
      std::optional<JsonValue> member = Value(depth + 1);
      if (!member) return std::nullopt;
      object.members[name] = std::move(*member);
    } while (Take(','));
    if (!Take('}')) return std::nullopt;
    return object;
  }

  std::optional<JsonValue> Array(int depth) {
    ++at_;  // [
    JsonValue array{JsonValue::Kind::kArray, {}, {}};
    if (Take(']')) return array;
    do {
      if (!Value(depth + 1)) return std::nullopt;
    } while (Take(','));
    if (!Take(']')) return std::nullopt;
    return array;
  }

  static void AppendUtf8(std::string& out, uint32_t c) {
    if (c < 0x80) {
      out += static_cast<char>(c);
    } else if (c < 0x800) {
      out += static_cast<char>(0xC0 | (c >> 6));
      out += static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
      out += static_cast<char>(0xE0 | (c >> 12));
      out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
      out += static_cast<char>(0x80 | (c & 0x3F));
    } else {
      out += static_cast<char>(0xF0 | (c >> 18));
      out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
      out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
      out += static_cast<char>(0x80 | (c & 0x3F));
    }
  }

  std::optional<uint32_t> Hex4() {
    if (text_.size() - at_ < 4) return std::nullopt;
    uint32_t value = 0;
    for (int i = 0; i < 4; ++i) {
      const char h = text_[at_++];
      const int digit = h >= '0' && h <= '9'   ? h - '0'
                        : h >= 'a' && h <= 'f' ? h - 'a' + 10
                        : h >= 'A' && h <= 'F' ? h - 'A' + 10
                                               : -1;
      if (digit < 0) return std::nullopt;
      value = value * 16 + static_cast<uint32_t>(digit);
    }
    return value;
  }

  bool String(std::string& out) {
    ++at_;  // opening quote
    while (at_ < text_.size()) {
      const char c = text_[at_++];
      if (c == '"') return true;
      if (static_cast<unsigned char>(c) < 0x20) return false;
      if (c != '\\') {
        out += c;
        continue;
      }
      if (at_ >= text_.size()) return false;
      const char e = text_[at_++];
      const size_t simple = std::string_view("\"\\/bfnrt").find(e);
      if (simple != std::string_view::npos) {
        out += "\"\\/\b\f\n\r\t"[simple];
        continue;
      }
      if (e != 'u') return false;
      std::optional<uint32_t> unit = Hex4();
      if (!unit) return false;
      uint32_t code = *unit;
      if (code >= 0xD800 && code < 0xDC00) {  // a high surrogate wants its low half
        if (!TakeWord("\\u")) return false;
        const std::optional<uint32_t> low = Hex4();
        if (!low || *low < 0xDC00 || *low >= 0xE000) return false;
        code = 0x10000 + ((code - 0xD800) << 10) + (*low - 0xDC00);
      } else if (code >= 0xDC00 && code < 0xE000) {
        return false;
      }
      AppendUtf8(out, code);
    }
    return false;
  }

  std::string_view text_;
  size_t at_ = 0;
};

}  // namespace

std::optional<JsonValue> ReadJson(std::string_view line) {
  return JsonReader(line).Whole();
}

std::string JsonString(std::string_view text) {
  std::string out = "\"";
  for (const char c : text) {
    const auto byte = static_cast<unsigned char>(c);
    if (c == '"' || c == '\\') {
      out += '\\';
      out += c;
    } else if (byte < 0x20) {
      constexpr char kHex[] = "0123456789abcdef";
      out += "\\u00";
      out += kHex[byte >> 4];
      out += kHex[byte & 0xF];
    } else {
      out += c;
    }
  }
  return out + '"';
}

}  // namespace brindle
