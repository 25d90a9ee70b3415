#include "numtext/number_text.h"

#include <algorithm>
#include <array>
#include <bit>
#include <charconv>
#include <cmath>
#include <cstring>

#include "numtext/library_gaps.h"
#include "numtext/number_model.h"

namespace brindle {

namespace {

constexpr int kDefaultDecimals = 10;
constexpr int kMostDecimals = 512;

// A float is a tie at `decimals` places exactly when it is an odd multiple of
// 2^-(decimals + 1): only then does its decimal expansion end in a single 5
// right after the last kept place.
bool IsTieAt(float value, int decimals) {
  const uint32_t bits = BitCast<uint32_t>(value);
  const int biased = static_cast<int>((bits >> 23) & 0xFF);
  uint32_t mantissa = bits & 0x7FFFFF;
  int exponent;  // value = mantissa * 2^exponent
  if (biased == 0) {
    exponent = -149;
  } else {
    mantissa |= 0x800000;
    exponent = biased - 150;
  }
  if (mantissa == 0) return false;
  while ((mantissa & 1) == 0) {
    mantissa >>= 1;
    ++exponent;
  }
  return exponent == -(decimals + 1);
}

bool IsWhiteSpace(char c) {
  return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\v' || c == '\f';
}
bool IsDigit(char c) {
  return c >= '0' && c <= '9';
}

}  // namespace

void IncrementMagnitude(std::string& text) {
  for (size_t i = text.size(); i-- > 0;) {
    char& c = text[i];
    if (c == '.') continue;
    if (c == '-') {
      text.insert(i + 1, 1, '1');
      return;
    }
    if (c != '9') {
      ++c;
      return;
    }
    c = '0';
  }
  text.insert(0, 1, '1');
}

std::string FormatNumber(float value, int decimals) {
  const uint32_t bits = BitCast<uint32_t>(value);
  if (bits == 0x7F800000u) return "+Infinity";
  if (bits == 0xFF800000u) return "-Infinity";
  if (std::isnan(value)) return "NaN";
  if (decimals == -1) decimals = kDefaultDecimals;
  decimals = std::clamp(decimals, 0, kMostDecimals);
  if (value == 0.0f) value = 0.0f;  // an exact zero never shows a minus sign

  // The widest text: sign, 39 integer digits, point, 513 decimals.
  std::array<char, 600> buffer;
  const double exact = value;
  if (IsTieAt(value, decimals)) {
    // The expansion one place further is exact and ends in 5: drop it and round
    // the magnitude up, halves away from zero.
    char* end = WriteFixed(buffer.data(), buffer.data() + buffer.size(), exact, decimals + 1);
    std::string text(buffer.data(), end);
    text.pop_back();
    if (decimals == 0) text.pop_back();  // the point before the dropped 5
    IncrementMagnitude(text);
    return text;
  }
  // No tie: the correctly rounded fixed text is the nearest neighbour.
  char* end = WriteFixed(buffer.data(), buffer.data() + buffer.size(), exact, decimals);
  return std::string(buffer.data(), end);
}

float ParseNumber(std::string_view text) {
  size_t i = 0;
  const size_t n = text.size();
  while (i < n && IsWhiteSpace(text[i]))
    ++i;
  bool negative = false;
  if (i < n && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';

  // Significant digits without leading zeros, and the power of ten of the last one.
  constexpr size_t kKeptDigits = 1000;  // well past the 768 a double can need
  std::string digits;
  bool droppedNonZero = false;
  int64_t exponent = 0;  // value = 0.digits... adjusted below
  bool anyDigit = false;
  bool seenPoint = false;
  for (; i < n; ++i) {
    const char c = text[i];
    if (c == '.' && !seenPoint) {
      seenPoint = true;
      continue;
    }
    if (!IsDigit(c)) break;
    anyDigit = true;
    if (digits.empty() && c == '0') {
      if (seenPoint) --exponent;  // leading zeros after the point shift the value down
      continue;
    }
    if (digits.size() < kKeptDigits) {
      digits.push_back(c);
      if (seenPoint) --exponent;
    } else {
      droppedNonZero = droppedNonZero || c != '0';
      if (!seenPoint) ++exponent;
    }
  }
  if (!anyDigit) return 0.0f;

  // Exponent: e, E, d or D, an optional sign and at least one digit.
  if (i < n && (text[i] == 'e' || text[i] == 'E' || text[i] == 'd' || text[i] == 'D')) {
    size_t j = i + 1;
    bool expNegative = false;
    if (j < n && (text[j] == '+' || text[j] == '-')) expNegative = text[j++] == '-';
    if (j < n && IsDigit(text[j])) {
      int64_t written = 0;
      for (; j < n && IsDigit(text[j]); ++j) {
        written = std::min<int64_t>(written * 10 + (text[j] - '0'), 100000000);
      }
      exponent += expNegative ? -written : written;
    }
  }

  const float zero = negative ? -0.0f : 0.0f;
  if (digits.empty()) return zero;
  // Position of the leading digit: the value lies in [10^(lead-1), 10^lead).
  const int64_t lead = exponent + static_cast<int64_t>(digits.size());
  if (droppedNonZero) digits.push_back('1');  // keeps the rounding direction of the rest
  if (lead > 400) return negative ? -HUGE_VALF : HUGE_VALF;
  if (lead < -400) return zero;

  std::string clean = std::move(digits);
  clean += 'e';
  std::array<char, 24> expText;
  auto [expEnd, expEc] = std::to_chars(expText.data(), expText.data() + expText.size(),
                                       exponent - (droppedNonZero ? 1 : 0));
  clean.append(expText.data(), expEnd);
  double magnitude = 0.0;
  if (!ReadDouble(clean, magnitude)) magnitude = lead > 0 ? HUGE_VAL : 0.0;
  return Single(negative ? -magnitude : magnitude);
}

std::string FormatInteger(int64_t value) {
  // The magnitude in unsigned arithmetic, so that the most negative value has one too.
  uint64_t magnitude = value < 0 ? 0 - static_cast<uint64_t>(value) : static_cast<uint64_t>(value);
  std::array<char, 24> buffer;
  char* end = buffer.data() + buffer.size();
  char* p = end;
  do {
    *--p = static_cast<char>('0' + magnitude % 10);
    magnitude /= 10;
  } while (magnitude != 0);
  if (value < 0) *--p = '-';
  return std::string(p, end);
}

int64_t ParseInteger(std::string_view text) {
  size_t i = 0;
  const size_t n = text.size();
  while (i < n && (text[i] == ' ' || text[i] == '\t'))
    ++i;
  bool negative = false;
  if (i < n && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';

  unsigned base = 10;
  if (i < n && text[i] == '$') {
    base = 16;
    ++i;
  } else if (i < n && text[i] == '%') {
    base = 2;
    ++i;
  }
  // Unsigned arithmetic wraps without undefined behaviour, as two's complement does.
  uint64_t value = 0;
  for (; i < n; ++i) {
    const char c = text[i];
    unsigned digit;
    if (c >= '0' && c <= '9') {
      digit = static_cast<unsigned>(c - '0');
    } else if (base == 16 && c >= 'a' && c <= 'f') {
      digit = static_cast<unsigned>(c - 'a' + 10);
    } else if (base == 16 && c >= 'A' && c <= 'F') {
      digit = static_cast<unsigned>(c - 'A' + 10);
    } else {
      break;
    }
    if (digit >= base) break;
    value = value * base + digit;
  }
  if (negative) value = 0 - value;
  return static_cast<int64_t>(value);
}

std::string_view TrimBlanks(std::string_view text) {
  const size_t first = text.find_first_not_of(' ');
  if (first == std::string_view::npos) return {};
  return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

}  // namespace brindle
