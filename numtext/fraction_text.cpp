#include "numtext/fraction_text.h"

#include <cmath>

#include "numtext/number_model.h"
#include "numtext/number_text.h"

namespace brindle {

namespace {

constexpr float kLeastDenominator = 0.1f;

bool IsDigit(char c) {
  return c >= '0' && c <= '9';
}

// Where the whole part of a mixed fraction ends: at the first blank ("3 1/2"),
// or at a hyphen that joins it to the fraction as shop drawings write it
// ("3-1/2"): one right after a digit or point, before any "/". A leading "-"
// is the sign, and one after an exponent's "e" belongs to the exponent.
size_t WholePartEnd(std::string_view t) {
  const size_t slash = t.find('/');
  for (size_t i = 0; i < t.size(); ++i) {
    if (t[i] == ' ') return i;
    if (t[i] == '-' && i > 0 && i < slash && (IsDigit(t[i - 1]) || t[i - 1] == '.')) return i;
  }
  return std::string_view::npos;
}

// Steps over a decimal number without sign or exponent ("3", "2.5", ".5").
bool SkipNumber(std::string_view t, size_t& i) {
  bool digits = false;
  bool point = false;
  for (; i < t.size(); ++i) {
    if (IsDigit(t[i])) {
      digits = true;
    } else if (t[i] == '.' && !point) {
      point = true;
    } else {
      break;
    }
  }
  return digits;
}

// "N/D", "W N/D" or "W-N/D" at the start of the text, with an optional sign.
bool HoldsFraction(std::string_view text) {
  const std::string_view t = TrimBlanks(text);
  size_t i = 0;
  if (i < t.size() && (t[i] == '+' || t[i] == '-')) ++i;
  if (!SkipNumber(t, i)) return false;
  if (i < t.size() && (t[i] == ' ' || t[i] == '-')) {
    // The whole part, then blanks or one hyphen before the numerator, which
    // may carry its own sign.
    if (t[i] == '-') ++i;
    while (i < t.size() && t[i] == ' ')
      ++i;
    if (i < t.size() && (t[i] == '+' || t[i] == '-')) ++i;
    if (!SkipNumber(t, i)) return false;
  }
  if (i >= t.size() || t[i] != '/') return false;
  ++i;
  return SkipNumber(t, i);
}

// Text of a value that is not negative, to the nearest 1/marksPerInch.
std::string FormatMagnitude(float value, int marksPerInch) {
  const auto whole = TruncateToInt32(value);
  // Past the 32-bit range a float has no fractional part left to show.
  if (!whole) return OutOfRangeWholeText(value);
  const float fraction = Single(static_cast<double>(value) - *whole);
  const int64_t w = *whole;
  // A power of two times a float below 1 is exact: 0..marksPerInch.
  auto n = static_cast<int>(RoundHalfAway(static_cast<double>(fraction) * marksPerInch));
  if (n == marksPerInch) return FormatInteger(w + 1);
  if (n == 0) return FormatInteger(w);
  int d = marksPerInch;
  while (n % 2 == 0) {  // lowest terms
    n /= 2;
    d /= 2;
  }
  return FormatInteger(w) + " " + FormatInteger(n) + "/" + FormatInteger(d);
}

}  // namespace

std::string FormatFraction(float value, int marksPerInch) {
  if (std::isnan(value)) return "NaN";
  if (std::isinf(value)) return value > 0 ? "+Infinity" : "-Infinity";
  // A negative value is its magnitude with one sign, so that the text reads back
  // ("-2 1/2", not "-2 -1/2"); what rounds to 0 shows no sign at all.
  if (std::signbit(value)) {
    std::string magnitude = FormatMagnitude(-value, marksPerInch);
    return magnitude == "0" ? magnitude : "-" + magnitude;
  }
  return FormatMagnitude(value, marksPerInch);
}

float ParseFraction(std::string_view text) {
  const std::string_view t = TrimBlanks(text);
  const size_t wholeEnd = WholePartEnd(t);
  float whole = 0.0f;
  size_t fractionStart = 0;
  if (wholeEnd != std::string_view::npos) {
    whole = ParseNumber(t.substr(0, wholeEnd));
    fractionStart = wholeEnd + 1;
  } else if (t.find('/') == std::string_view::npos) {
    return ParseNumber(t);  // a plain decimal
  }
  const size_t slash = t.find('/', fractionStart);
  if (slash == std::string_view::npos) return whole;
  const float numerator = ParseNumber(t.substr(fractionStart, slash - fractionStart));
  const float denominator = ParseNumber(t.substr(slash + 1));
  if (!(denominator > kLeastDenominator)) return whole;
  const double part = static_cast<double>(numerator) / denominator;
  // A whole part written with "-" (even "-0") takes the fraction away from it.
  return Single(std::signbit(whole) ? whole - part : whole + part);
}

float ParseDecimalField(std::string_view text) {
  return HoldsFraction(text) ? ParseFraction(text) : ParseNumber(text);
}

}  // namespace brindle
