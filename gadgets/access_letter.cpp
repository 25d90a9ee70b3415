#include "gadgets/access_letter.h"

namespace brindle {

namespace gadget_layer {
namespace {

bool IsLetterOrDigit(char c) {
  return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9');
}

char Upper(char c) {
  return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
}

}  // namespace

std::string MarkAccessLetter(std::string_view text, const std::vector<std::string>& neighbours) {
  std::string taken;
  for (const std::string& shown : neighbours) {
    for (size_t i = 0; i + 1 < shown.size(); ++i) {
      if (shown[i] != '&') continue;
      if (shown[i + 1] != '&') taken += Upper(shown[i + 1]);
      ++i;  // "&&" is a "&" of the text
    }
  }
  std::string marked;
  bool chosen = false;
  for (const char c : text) {
    if (c == '&') {
      marked += "&&";
      continue;
    }
    if (!chosen && IsLetterOrDigit(c) && taken.find(Upper(c)) == std::string::npos) {
      marked += '&';
      chosen = true;
    }
    marked += c;
  }
  return marked;
}

}  // namespace gadget_layer

}  // namespace brindle
