#include "calc/tape_expression.h"

#include <cctype>
#include <cmath>
#include <cstdint>
#include <vector>

#include "numtext/number_text.h"
#include "numtext/shop_tokens.h"

namespace brindle {

namespace {

constexpr double kInchesPerFoot = 12;
constexpr double kMillimetersPerInch = 25.4;
constexpr int kPowerOfVolume = 3;

constexpr std::string_view kKindNames[] = {"a plain number", "a length", "an area", "a volume"};

bool SameLetters(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (size_t i = 0; i < a.size(); ++i)
    if (std::tolower(static_cast<unsigned char>(a[i])) != b[i]) return false;
  return true;
}

// Millimeters in one of a metric word's unit, or 0 for any other word.
double MetricMillimeters(std::string_view word) {
  if (SameLetters(word, "mm")) return 1;
  if (SameLetters(word, "cm")) return 10;
  if (SameLetters(word, "m")) return 1000;
  return 0;
}

bool IsUnitWord(std::string_view word) {
  return SameLetters(word, "ft") || SameLetters(word, "in") || MetricMillimeters(word) > 0;
}

// A value on the way, and whether it is a bare percentage ("10%"), which a
// sum takes as that share of what it adds it to.
struct Operand {
  TapeValue value;
  bool percent = false;
};

class Reader {
 public:
  Reader(std::string_view text, std::optional<TapeValue> ans)
      : tokens_(ShopTokens(text)), ans_(ans) {}

  TapeReading Read() {
    TapeReading reading;
    if (tokens_.empty()) {
      Fail("There is no expression to work out.");
    } else {
      const TapeValue value = Whole(Sum());
      if (!Failed() && next_ < tokens_.size()) Unexpected(tokens_[next_]);
      reading.value = value;
    }
    reading.marked = marked_;
    reading.error = error_;
    return reading;
  }

 private:
  bool Failed() const { return !error_.empty(); }
  void Fail(std::string text) {
    if (!Failed()) error_ = std::move(text);
  }
  static std::string Where(const ShopToken& token) {
    return "at character " + std::to_string(token.at + 1);
  }
  static std::string Quoted(const ShopToken& token) {
    std::string text(1, '"');
    text.append(token.text);
    text += '"';
    return text;
  }

  const ShopToken* Peek(size_t ahead = 0) const {
    return next_ + ahead < tokens_.size() ? &tokens_[next_ + ahead] : nullptr;
  }
  bool PeekSymbol(char symbol) const {
    const ShopToken* t = Peek();
    return t && t->kind == ShopTokenKind::kSymbol && t->text[0] == symbol;
  }
  bool PeekWord(std::string_view word) const {
    const ShopToken* t = Peek();
    return t && t->kind == ShopTokenKind::kWord && SameLetters(t->text, word);
  }

  // Why a token cannot stand where it stands.
  void Unexpected(const ShopToken& t) {
    switch (t.kind) {
      case ShopTokenKind::kNumber:
      case ShopTokenKind::kFootMark:
      case ShopTokenKind::kInchMark:
        return Fail("An operator is missing before " + Quoted(t) + " " + Where(t) + ".");
      case ShopTokenKind::kWord:
        if (IsUnitWord(t.text) || SameLetters(t.text, "sqrt") || SameLetters(t.text, "ans") ||
            SameLetters(t.text, "x"))
          return Fail("The word " + Quoted(t) + " " + Where(t) + " does not belong there.");
        return Fail("Unknown word " + Quoted(t) + " " + Where(t) + ".");
      case ShopTokenKind::kSymbol:
        if (t.text == ")") return Fail("The \")\" " + Where(t) + " closes no \"(\".");
        return Fail("The " + Quoted(t) + " " + Where(t) + " does not belong there.");
      case ShopTokenKind::kDegreeMark:
      case ShopTokenKind::kOther:
        return Fail("The character " + Quoted(t) + " " + Where(t) +
                    " is not part of an expression.");
    }
  }

  // A value past the largest the tape shows, or one that is not a number.
  TapeValue Checked(TapeValue v) {
    if (!(std::fabs(v.amount) <= kLargestTapeAmount))
      Fail("A number is too large: beyond " +
           FormatInteger(static_cast<int64_t>(kLargestTapeAmount)) +
           (v.power == 0 ? "." : " (in inches)."));
    return v;
  }

  // A bare percentage where no sum takes it is that many hundredths.
  static TapeValue Whole(Operand o) {
    if (o.percent) o.value.amount /= 100;
    return o.value;
  }

  Operand Sum() {
    Operand left = Product();
    while (!Failed() && (PeekSymbol('+') || PeekSymbol('-'))) {
      const ShopToken& op = tokens_[next_++];
      const Operand right = Product();
      if (Failed()) break;
      TapeValue a = Whole(left);
      TapeValue b = right.value;
      if (right.percent) {
        b = {a.amount * b.amount / 100, a.power};  // 140 - 10% is 140 - 14
      } else if (a.power != b.power) {
        Fail("Cannot " + std::string(op.text == "+" ? "add " : "subtract ") +
             std::string(kKindNames[b.power]) + (op.text == "+" ? " to " : " from ") +
             std::string(kKindNames[a.power]) + " (the " + Quoted(op) + " " + Where(op) + ")." +
             (a.power + b.power == 1 ? " Give a length its mark: 2\" or 2'." : ""));
        break;
      }
      a.amount = op.text == "+" ? a.amount + b.amount : a.amount - b.amount;
      left = {Checked(a), false};
    }
    return left;
  }

  Operand Product() {
    Operand left = Signed();
    while (!Failed() && (PeekSymbol('*') || PeekSymbol('/') || PeekWord("x"))) {
      const ShopToken& op = tokens_[next_++];
      const TapeValue b = Whole(Signed());
      if (Failed()) break;
      TapeValue a = Whole(left);
      if (op.text == "/") {
        if (b.amount == 0) {
          Fail("Dividing by zero (the \"/\" " + Where(op) + ").");
          break;
        }
        if (a.power < b.power) {
          Fail("Cannot divide " + std::string(kKindNames[a.power]) + " by " +
               std::string(kKindNames[b.power]) + " (the \"/\" " + Where(op) + ").");
          break;
        }
        a = {a.amount / b.amount, a.power - b.power};
      } else {
        if (a.power + b.power > kPowerOfVolume) {
          Fail("The product " + Where(op) + " would be more than a volume.");
          break;
        }
        a = {a.amount * b.amount, a.power + b.power};
      }
      left = {Checked(a), false};
    }
    return left;
  }

  Operand Signed() {
    if (PeekSymbol('-') || PeekSymbol('+')) {
      const bool minus = tokens_[next_++].text == "-";
      Operand o = Signed();
      if (minus) o.value.amount = -o.value.amount;
      return o;
    }
    Operand o{Primary(), false};
    if (!Failed() && PeekSymbol('%')) {
      const ShopToken& percent = tokens_[next_++];
      if (o.value.power != 0)
        Fail("A percentage must be a plain number (the \"%\" " + Where(percent) + ").");
      o.percent = true;
    }
    return o;
  }

  // The inside of parentheses, the "(" just read.
  TapeValue Inside(const ShopToken& open) {
    if (++depth_ > kDeepestTapeParentheses) {
      Fail("More than " + std::to_string(kDeepestTapeParentheses) +
           " parentheses stand inside one another " + Where(open) + ".");
      return {};
    }
    const TapeValue v = Whole(Sum());
    --depth_;
    if (Failed()) return v;
    if (!PeekSymbol(')')) {
      if (Peek() != nullptr) {
        Unexpected(*Peek());
      } else {
        Fail("A \")\" is missing for the \"(\" " + Where(open) + ".");
      }
      return v;
    }
    ++next_;
    return v;
  }

  TapeValue Primary() {
    const ShopToken* t = Peek();
    if (t == nullptr) {
      Fail("A number is missing at the end.");
      return {};
    }
    ++next_;
    switch (t->kind) {
      case ShopTokenKind::kNumber:
        return Quantity(*t);
      case ShopTokenKind::kSymbol:
        if (t->text == "(") return Inside(*t);
        break;
      case ShopTokenKind::kWord:
        if (SameLetters(t->text, "ans")) {
          if (!ans_)
            Fail("\"ans\" " + Where(*t) + " stands for the last result: there is none yet.");
          if (ans_ && ans_->power > 0) marked_ = true;
          return ans_.value_or(TapeValue{});
        }
        if (SameLetters(t->text, "sqrt")) {
          if (!PeekSymbol('(')) {
            Fail("\"sqrt\" " + Where(*t) + " takes its number in parentheses: sqrt(2).");
            return {};
          }
          const TapeValue v = Inside(tokens_[next_++]);
          if (Failed()) return v;
          if (v.power % 2 != 0) {
            Fail("The square root " + Where(*t) + " is of " + std::string(kKindNames[v.power]) +
                 ": only a plain number or an area has one.");
          } else if (v.amount < 0) {
            Fail("The square root " + Where(*t) + " is of a negative number.");
          }
          return {std::sqrt(std::fabs(v.amount)), v.power / 2};
        }
        if (!IsUnitWord(t->text) && !SameLetters(t->text, "x")) break;
        Fail("A number is missing before " + Quoted(*t) + " " + Where(*t) + ".");
        return {};
      default:
        break;
    }
    if (t->kind == ShopTokenKind::kSymbol || t->kind == ShopTokenKind::kFootMark ||
        t->kind == ShopTokenKind::kInchMark) {
      Fail("A number is missing before " + Quoted(*t) + " " + Where(*t) + ".");
    } else {
      Unexpected(*t);
    }
    return {};
  }

  double Number(const ShopToken& t) {
    if (std::isnan(t.value))
      Fail("Dividing by zero in the fraction " + Quoted(t) + " " + Where(t) + ".");
    return t.value;
  }

  // A number and what follows it: a foot mark or "ft" with the inches that
  // may follow, an inch mark or "in", a metric unit, or nothing (a plain number).
  TapeValue Quantity(const ShopToken& number) {
    const double n = Number(number);
    const ShopToken* unit = Peek();
    const bool word = unit && unit->kind == ShopTokenKind::kWord;
    if (unit &&
        (unit->kind == ShopTokenKind::kFootMark || (word && SameLetters(unit->text, "ft")))) {
      ++next_;
      marked_ = true;
      return Checked({n * kInchesPerFoot + Inches(), 1});
    }
    if (unit &&
        (unit->kind == ShopTokenKind::kInchMark || (word && SameLetters(unit->text, "in")))) {
      ++next_;
      marked_ = true;
      return Checked({n, 1});
    }
    if (word && MetricMillimeters(unit->text) > 0) {
      ++next_;
      marked_ = true;
      return Checked({n * MetricMillimeters(unit->text) / kMillimetersPerInch, 1});
    }
    return Checked({n, 0});
  }

  // The inches after feet: 4' 8", 4'-8 3/8" (a hyphen written against both),
  // 4 ft 8 in, or 4' 8 without the inch mark; 0 when none follow.
  double Inches() {
    const size_t from = next_;
    const ShopToken* t = Peek();
    if (t && t->kind == ShopTokenKind::kSymbol && t->text == "-" && !t->spaced) {
      const ShopToken* after = Peek(1);
      if (!after || after->kind != ShopTokenKind::kNumber || after->spaced) return 0;
      ++next_;
      t = after;
    }
    if (!t || t->kind != ShopTokenKind::kNumber) return 0;
    ++next_;
    const ShopToken* mark = Peek();
    // 10'-2' is ten feet less two: a number with its own unit is not inches.
    if (mark && (mark->kind == ShopTokenKind::kFootMark ||
                 (mark->kind == ShopTokenKind::kWord && IsUnitWord(mark->text) &&
                  !SameLetters(mark->text, "in")))) {
      next_ = from;
      return 0;
    }
    const double inches = Number(*t);
    if (mark && (mark->kind == ShopTokenKind::kInchMark ||
                 (mark->kind == ShopTokenKind::kWord && SameLetters(mark->text, "in"))))
      ++next_;
    return inches;
  }

  std::vector<ShopToken> tokens_;
  std::optional<TapeValue> ans_;
  size_t next_ = 0;
  int depth_ = 0;
  bool marked_ = false;
  std::string error_;
};

}  // namespace

TapeReading ReadTapeExpression(std::string_view text, std::optional<TapeValue> ans) {
  if (text.size() > kLongestTapeExpression) {
    TapeReading reading;
    reading.error =
        "The expression is longer than " + std::to_string(kLongestTapeExpression) + " characters.";
    return reading;
  }
  return Reader(text, ans).Read();
}

}  // namespace brindle
