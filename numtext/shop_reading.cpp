#include "numtext/shop_reading.h"

#include <array>
#include <cmath>
#include <optional>
#include <vector>

#include "numtext/number_model.h"
#include "numtext/number_text.h"
#include "numtext/shop_tokens.h"

namespace brindle {

namespace {

constexpr float kLeastDenominator = 0.1f;
constexpr double kInchesPerFoot = 12;
constexpr double kMillimetersPerInch = 25.4;

// A number with a unit word after it is that many of the unit's millimeters
// over 25.4, in double precision (so "6 in" is a hair under 6).
struct UnitWord {
  std::string_view name;
  double millimeters;
};
constexpr UnitWord kUnitWords[] = {
    {"mm", 1.0}, {"cm", 10.0}, {"m", 1000.0}, {"in", 25.4}, {"ft", 304.8}};

bool IsSpace(char c) {
  return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\v' || c == '\f';
}

std::string_view Trimmed(std::string_view t) {
  while (!t.empty() && IsSpace(t.front()))
    t.remove_prefix(1);
  while (!t.empty() && IsSpace(t.back()))
    t.remove_suffix(1);
  return t;
}

bool SameLetters(std::string_view word, std::string_view lower) {
  if (word.size() != lower.size()) return false;
  for (size_t i = 0; i < word.size(); ++i)
    if ((word[i] | 0x20) != lower[i]) return false;
  return true;
}

// A whole part and the fraction after it; a whole part written with "-"
// (even "-0") takes the fraction away from it.
float Mixed(float whole, double part) {
  return Single(std::signbit(whole) ? whole - part : whole + part);
}
float Mixed(float whole, float numerator, float denominator) {
  if (!(denominator > kLeastDenominator)) return whole;
  return Mixed(whole, static_cast<double>(numerator) / denominator);
}

// Feet and the inches after them: feet written with "-" take the inches away.
float FeetAndInches(float feet, float inches) {
  const double feetInInches = feet * kInchesPerFoot;
  return Single(std::signbit(feet) ? feetInInches - inches : feetInInches + inches);
}

class Reader {
 public:
  explicit Reader(std::string_view text)
      : text_(text), tokens_(ShopTokens(text, ShopNumbers::kSeparate)) {}

  bool AtEnd() const { return next_ == tokens_.size(); }

  // A number, or a sign written against one, stands first.
  bool BeginsWithNumber() const {
    const size_t at = Sign(0) ? 1 : 0;
    return at < tokens_.size() && tokens_[at].kind == ShopTokenKind::kNumber;
  }

  std::optional<double> Number() { return Quantity(true); }

  std::optional<double> Length() {
    const std::optional<float> number = Quantity(true);
    const ShopToken* unit = Peek();
    if (!number || unit == nullptr) return number;
    ++next_;
    if (unit->kind == ShopTokenKind::kInchMark) return *number;
    const bool feet = unit->kind == ShopTokenKind::kFootMark || IsWord(unit, "ft");
    if (unit->kind == ShopTokenKind::kWord && (!feet || AtEnd())) {
      for (const UnitWord& u : kUnitWords)
        if (IsWord(unit, u.name)) return *number * u.millimeters / kMillimetersPerInch;
    }
    if (!feet) return std::nullopt;
    if (AtEnd()) return FeetAndInches(*number, 0.0f);
    // The inches after the feet: 4' 8", 4'8, 4'-8 3/8", 4' - 8", 4 ft 8 in.
    if (IsSymbol(Peek(), '-')) ++next_;
    const std::optional<float> inches = Quantity(false);
    if (!inches) return std::nullopt;
    const ShopToken* mark = Peek();
    if (mark && (mark->kind == ShopTokenKind::kInchMark || IsWord(mark, "in"))) ++next_;
    return FeetAndInches(*number, *inches);
  }

  std::optional<double> Angle() {
    // One number, with or without a degree mark.
    if (const std::optional<float> degrees = Quantity(true)) {
      if (Peek() && Peek()->kind == ShopTokenKind::kDegreeMark) ++next_;
      if (AtEnd()) return *degrees;
    }
    // Degrees, minutes and seconds: each part where its mark puts it, or
    // after the part before it when it has none.
    next_ = 0;
    std::array<std::optional<float>, 3> parts;
    int place = -1;
    bool marked = true;
    while (!AtEnd()) {
      if (!marked && !Peek()->spaced) return std::nullopt;
      const std::optional<float> part = Decimal(true);
      if (!part) return std::nullopt;
      int at = place + 1;
      const ShopToken* mark = Peek();
      marked = mark &&
               (mark->kind == ShopTokenKind::kDegreeMark ||
                mark->kind == ShopTokenKind::kFootMark || mark->kind == ShopTokenKind::kInchMark);
      if (marked) {
        at = mark->kind == ShopTokenKind::kDegreeMark ? 0
             : mark->kind == ShopTokenKind::kFootMark ? 1
                                                      : 2;
        ++next_;
      }
      if (at <= place || at > 2) return std::nullopt;
      parts[at] = part;
      place = at;
    }
    const float degrees = parts[0].value_or(0.0f);
    const float minutes = parts[1].value_or(0.0f);
    if (!parts[2]) return Single(degrees + minutes / 60.0);
    const float sofar = Single(degrees + minutes / 60.0);
    return Single(sofar + *parts[2] / 3600.0);
  }

 private:
  const ShopToken* Peek(size_t ahead = 0) const {
    return next_ + ahead < tokens_.size() ? &tokens_[next_ + ahead] : nullptr;
  }
  static bool IsSymbol(const ShopToken* t, char symbol) {
    return t && t->kind == ShopTokenKind::kSymbol && t->text[0] == symbol;
  }
  static bool IsWord(const ShopToken* t, std::string_view lower) {
    return t && t->kind == ShopTokenKind::kWord && SameLetters(t->text, lower);
  }
  static bool IsFractionCharacter(const ShopToken* t) {
    return t && t->kind == ShopTokenKind::kNumber && t->fraction;
  }
  static bool IsDecimal(const ShopToken* t) {
    return t && t->kind == ShopTokenKind::kNumber && !t->fraction;
  }
  // A "+" or "-" written against the number after it, `ahead` tokens on.
  bool Sign(size_t ahead) const {
    const ShopToken* sign = Peek(ahead);
    const ShopToken* number = Peek(ahead + 1);
    return (IsSymbol(sign, '+') || IsSymbol(sign, '-')) && number &&
           number->kind == ShopTokenKind::kNumber && !number->spaced;
  }
  // A token written against the one before it.
  const ShopToken* Against() const {
    const ShopToken* t = Peek();
    return t && !t->spaced ? t : nullptr;
  }

  // A decimal with an optional sign and exponent (-2.5, 1e-3, 2D3), read as
  // ParseNumber reads it.
  std::optional<float> Decimal(bool signed_) {
    const size_t from = next_;
    if (signed_ && Sign(0)) ++next_;
    if (!IsDecimal(Peek()) || (next_ > from && Peek()->spaced)) {
      next_ = from;
      return std::nullopt;
    }
    const size_t start = tokens_[from].at;
    const ShopToken* last = &tokens_[next_++];
    // The exponent: e, E, d or D, a sign and whole digits, all written together.
    const ShopToken* e = Against();
    if (e && e->kind == ShopTokenKind::kWord && e->text.size() == 1 &&
        std::string_view("eEdD").find(e->text[0]) != std::string_view::npos) {
      size_t ahead = 1;
      const ShopToken* sign = Peek(ahead);
      if ((IsSymbol(sign, '+') || IsSymbol(sign, '-')) && !sign->spaced) ++ahead;
      const ShopToken* digits = Peek(ahead);
      if (IsDecimal(digits) && !digits->spaced &&
          digits->text.find('.') == std::string_view::npos) {
        next_ += ahead + 1;
        last = digits;
      }
    }
    return ParseNumber(text_.substr(start, last->at + last->text.size() - start));
  }

  // "N/D" after its numerator: the slash and the denominator, all written together.
  std::optional<float> Denominator() {
    const ShopToken* slash = Against();
    if (!IsSymbol(slash, '/')) return std::nullopt;
    ++next_;
    if (!Against()) {
      --next_;
      return std::nullopt;
    }
    const std::optional<float> denominator = Decimal(false);
    if (!denominator) --next_;
    return denominator;
  }

  // A decimal, a fraction, a mixed number or a fraction character, after a
  // sign where `signed_`. Where a mixed number is not complete, the whole
  // number alone, and the caller sees what follows it.
  std::optional<float> Quantity(bool signed_) {
    if (signed_ && Sign(0) && IsFractionCharacter(Peek(1))) {
      const bool minus = IsSymbol(Peek(), '-');
      next_ += 2;
      return Mixed(minus ? -0.0f : 0.0f, tokens_[next_ - 1].value);
    }
    if (IsFractionCharacter(Peek())) return Mixed(0.0f, tokens_[next_++].value);
    const std::optional<float> whole = Decimal(signed_);
    if (!whole) return std::nullopt;
    if (const std::optional<float> denominator = Denominator())
      return Mixed(0.0f, *whole, *denominator);  // a fraction; a sign is the numerator's

    // What joins the whole number to its fraction: blanks, or a hyphen
    // (3-1/2, 3 - 1/2). A minus after a blank and against the numerator is
    // the fraction's own sign (3 -1/2).
    const size_t afterWhole = next_;
    const ShopToken* t = Peek();
    const bool hyphen = IsSymbol(t, '-') && !(t->spaced && Sign(0));
    if (hyphen) ++next_;
    if (IsFractionCharacter(Peek())) return Mixed(*whole, tokens_[next_++].value);
    if (hyphen || (Peek() && Peek()->spaced)) {
      if (const std::optional<float> numerator = Decimal(!hyphen)) {
        if (const std::optional<float> denominator = Denominator())
          return Mixed(*whole, *numerator, *denominator);
      }
    }
    next_ = afterWhole;
    return whole;
  }

  std::string_view text_;
  std::vector<ShopToken> tokens_;
  size_t next_ = 0;
};

// Decimal, "$" hexadecimal or "%" binary digits after an optional sign, and
// nothing else.
ShopReading ReadCount(std::string_view t) {
  size_t i = 0;
  if (i < t.size() && (t[i] == '+' || t[i] == '-')) ++i;
  std::string_view digits = "0123456789";
  if (i < t.size() && t[i] == '$') {
    digits = "0123456789abcdefABCDEF", ++i;
  } else if (i < t.size() && t[i] == '%') {
    digits = "01", ++i;
  }
  if (i >= t.size() || digits.find(t[i]) == std::string_view::npos) return {};
  if (t.find_first_not_of(digits, i) != std::string_view::npos)
    return {ShopReading::Outcome::kUnreadable};
  const int64_t count = ParseInteger(t);
  return {ShopReading::Outcome::kRead, static_cast<double>(count), count};
}

}  // namespace

ShopReading ReadShopText(std::string_view text, ShopKind kind) {
  const std::string_view t = Trimmed(text);
  if (kind == ShopKind::kCount) return ReadCount(t);
  Reader reader(t);
  if (!reader.BeginsWithNumber()) return {};
  std::optional<double> value;
  switch (kind) {
    case ShopKind::kNumber:
      value = reader.Number();
      break;
    case ShopKind::kLength:
      value = reader.Length();
      break;
    case ShopKind::kAngle:
      value = reader.Angle();
      break;
    case ShopKind::kCount:
      break;
  }
  if (!value || !reader.AtEnd()) return {ShopReading::Outcome::kUnreadable};
  return {ShopReading::Outcome::kRead, *value};
}

}  // namespace brindle
