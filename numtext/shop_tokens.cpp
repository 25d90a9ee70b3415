#include "numtext/shop_tokens.h"

#include <limits>

namespace brindle {

namespace {

bool IsDigit(char c) {
  return c >= '0' && c <= '9';
}
bool IsLetter(char c) {
  return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}
bool IsBlank(char c) {
  return c == ' ' || c == '\t';
}

// A decimal number without sign at `i` ("3", "2.5", ".5", "3."), stepping
// over it; `whole` tells whether it had digits only. False, and `i`
// unchanged, where no digit stands.
bool ReadDecimal(std::string_view t, size_t& i, double& value, bool& whole) {
  size_t j = i;
  double digits = 0;  // the first 18 significant digits, exact in a double
  int significant = 0;
  int scale = 0;  // powers of ten to multiply by (digits dropped) or divide by (decimals)
  bool any = false;
  bool point = false;
  for (; j < t.size(); ++j) {
    const char c = t[j];
    if (c == '.' && !point) {
      point = true;
      continue;
    }
    if (!IsDigit(c)) break;
    any = true;
    if (significant < 18) {
      digits = digits * 10 + (c - '0');
      if (digits > 0) ++significant;
      if (point) --scale;
    } else if (!point) {
      ++scale;
    }
  }
  if (!any) return false;
  double power = 1;
  for (int k = scale < 0 ? -scale : scale; k > 0; --k)
    power *= 10;  // exact up to 10^22, which 18 digits of decimals stay within
  value = scale < 0 ? digits / power : digits * power;
  whole = !point;
  i = j;
  return true;
}

// Digits only at `i`: a whole number, stepping over it.
bool ReadWhole(std::string_view t, size_t& i, double& value) {
  size_t j = i;
  bool whole = false;
  if (j >= t.size() || !IsDigit(t[j]) || !ReadDecimal(t, j, value, whole) || !whole) return false;
  i = j;
  return true;
}

// "N/D" at `i`, written together, stepping over it.
bool ReadFraction(std::string_view t, size_t& i, double& value) {
  size_t j = i;
  double numerator = 0, denominator = 0;
  if (!ReadWhole(t, j, numerator) || j >= t.size() || t[j] != '/') return false;
  ++j;
  if (!ReadWhole(t, j, denominator)) return false;
  value = denominator == 0 ? std::numeric_limits<double>::quiet_NaN() : numerator / denominator;
  i = j;
  return true;
}

// The fractions a tape is marked in, as single characters, in UTF-8.
struct FractionCharacter {
  std::string_view text;
  double value;
};
constexpr FractionCharacter kFractionCharacters[] = {
    {"\xC2\xBD", 1.0 / 2},     {"\xC2\xBC", 1.0 / 4},     {"\xC2\xBE", 3.0 / 4},
    {"\xE2\x85\x9B", 1.0 / 8}, {"\xE2\x85\x9C", 3.0 / 8}, {"\xE2\x85\x9D", 5.0 / 8},
    {"\xE2\x85\x9E", 7.0 / 8}};

// A fraction character ("½") at `i`, stepping over it.
bool ReadFractionCharacter(std::string_view t, size_t& i, double& value) {
  for (const FractionCharacter& f : kFractionCharacters) {
    if (t.substr(i).starts_with(f.text)) {
      value = f.value;
      i += f.text.size();
      return true;
    }
  }
  return false;
}

// A number at `i`: a mixed number, a fraction or a decimal; only a decimal
// when the numbers stay separate.
ShopToken ReadNumber(std::string_view t, size_t& i, ShopNumbers numbers) {
  ShopToken token{ShopTokenKind::kNumber, {}, i, false};
  const size_t start = i;
  double value = 0;
  bool whole = false;
  if (ReadFractionCharacter(t, i, value)) {
    token.fraction = true;
  } else {
    ReadDecimal(t, i, value, whole);
  }
  if (whole && numbers == ShopNumbers::kMixed) {
    // "3/4", "3 3/4" or "3-3/4".
    size_t j = start;
    double part = 0;
    if (ReadFraction(t, j, part)) {
      value = part, token.fraction = true, i = j;
    } else {
      j = i;
      if (j < t.size() && t[j] == '-') {
        ++j;
      } else {
        while (j < t.size() && IsBlank(t[j]))
          ++j;
      }
      if (j > i && ReadFraction(t, j, part)) {
        value += part, token.fraction = true, i = j;
      } else if (ReadFractionCharacter(t, j, part)) {
        value += part, token.fraction = true, i = j;  // "3 ½", "3-½" or "3½"
      }
    }
  }
  token.value = value;
  token.text = t.substr(start, i - start);
  return token;
}

}  // namespace

std::vector<ShopToken> ShopTokens(std::string_view t, ShopNumbers numbers) {
  std::vector<ShopToken> tokens;
  size_t i = 0;
  while (true) {
    const size_t blanksFrom = i;
    while (i < t.size() && IsBlank(t[i]))
      ++i;
    if (i >= t.size()) break;
    const bool spaced = i > blanksFrom;
    const char c = t[i];
    ShopToken token{ShopTokenKind::kOther, t.substr(i, 1), i, spaced};
    size_t after = i;
    double part = 0;
    if (IsDigit(c) || (c == '.' && i + 1 < t.size() && IsDigit(t[i + 1])) ||
        ReadFractionCharacter(t, after, part)) {
      token = ReadNumber(t, i, numbers);
      token.spaced = spaced;
      tokens.push_back(token);
      continue;
    }
    if (IsLetter(c)) {
      size_t j = i;
      while (j < t.size() && IsLetter(t[j]))
        ++j;
      token.kind = ShopTokenKind::kWord;
      token.text = t.substr(i, j - i);
    } else if (c == '\'') {
      token.kind = ShopTokenKind::kFootMark;
    } else if (c == '"') {
      token.kind = ShopTokenKind::kInchMark;
    } else if (std::string_view("+-*/()%").find(c) != std::string_view::npos) {
      token.kind = ShopTokenKind::kSymbol;
    } else if (t.substr(i).starts_with("\xC2\xB0")) {
      token.kind = ShopTokenKind::kDegreeMark;
      token.text = t.substr(i, 2);
    } else if (static_cast<unsigned char>(c) >= 0x80) {
      // Any other character beyond ASCII ("×", "é") is one token with its UTF-8 bytes.
      size_t j = i + 1;
      while (j < t.size() && (static_cast<unsigned char>(t[j]) & 0xC0) == 0x80)
        ++j;
      token.text = t.substr(i, j - i);
    }
    i += token.text.size();
    tokens.push_back(token);
  }
  return tokens;
}

}  // namespace brindle
