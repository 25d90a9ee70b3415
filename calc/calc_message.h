#pragma once
// The message box a calculation asks for instead of writing results.

#include <string>

namespace brindle {

struct CalcMessage {
  std::string title;
  std::string text;
  bool operator==(const CalcMessage&) const = default;
};

}  // namespace brindle
