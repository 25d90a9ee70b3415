#pragma once
// The little JSON the command-line calculator reads and writes: one object a
// line, of strings, numbers, true, false and null, objects and arrays.

#include <map>
#include <optional>
#include <string>
#include <string_view>

namespace brindle {

// A JSON value as its text: a string's text unescaped (UTF-8), anything
// else as written ("7", "true"); an object's members by name.
struct JsonValue {
  enum class Kind { kString, kNumber, kTrue, kFalse, kNull, kObject, kArray } kind = Kind::kNull;
  std::string text;
  std::map<std::string, JsonValue> members;
};

// The value a whole line holds, or nullopt when it is not one JSON value.
// Nesting deeper than 32 levels is not read.
std::optional<JsonValue> ReadJson(std::string_view line);

// `text` as a JSON string, quotes included.
std::string JsonString(std::string_view text);

}  // namespace brindle
