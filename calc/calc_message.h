#pragma once
// The message box a calculation asks for instead of writing results.

#include <string>

struct CalcMessage {
  std::string title;
  std::string text;
  bool operator==(const CalcMessage&) const = default;
};
