#pragma once
// The tape-math expression reader: arithmetic on measurements as a tape, a
// print or a cut list writes them. Numbers in every form the fields read
// (3, 3.5, 3/4, 3 3/4, 3-3/4); feet and inches with marks (4', 4'-8 3/8",
// 4' 8-3/8", 8 3/8", 4 ft 8 in); metric lengths (25mm, 2.5 cm, 1.2 m); the
// operators + - * x / ( ) with the usual precedence, unary minus, % as
// "percent of" (140 - 10% is 126), sqrt(...) and ans, the last result.
//
// Every value has a kind: a plain number, a length (in inches), an area
// (square inches) or a volume (cubic inches). A sum takes terms of one kind;
// a product adds the kinds' powers and a quotient takes them away, up to a
// volume; sqrt halves an area's.

#include <optional>
#include <string>
#include <string_view>

namespace brindle {

// Powers of the inch: 0 plain, 1 a length, 2 an area, 3 a volume.
struct TapeValue {
  double amount = 0;
  int power = 0;
};

struct TapeReading {
  TapeValue value;
  bool marked = false;  // a length appears somewhere in the expression
  std::string error;    // what is wrong with it, in plain words; empty when read
};

// The longest expression, in characters, and the deepest nesting of
// parentheses read; beyond them the reading is an error.
inline constexpr size_t kLongestTapeExpression = 200;
inline constexpr int kDeepestTapeParentheses = 32;
// The largest magnitude of any value on the way (in inches for a length):
// beyond it a number is too large to show to a sixty-fourth.
inline constexpr double kLargestTapeAmount = 1e11;

// Reads and works out the expression; `ans` is what "ans" stands for, none
// before the first result.
TapeReading ReadTapeExpression(std::string_view text, std::optional<TapeValue> ans);

}  // namespace brindle
