#pragma once
// The pieces of shop text, as a tape, a print or a cut list writes them:
// numbers ("3", "3.5", ".5"), fractions ("3/4", "½"), mixed numbers ("3 3/4"
// and "3-3/4" as drawings write them, "3½"), the foot, inch and degree marks
// (', " and °), words (units such as ft, in, mm, cm, m, and names such as
// sqrt) and the symbols between them. Each reader of shop text decides which
// pieces it accepts.

#include <cstddef>
#include <string_view>
#include <vector>

namespace brindle {

enum class ShopTokenKind {
  kNumber,
  kFootMark,    // '
  kInchMark,    // "
  kDegreeMark,  // °
  kWord,        // letters only: "ft", "mm", "sqrt"
  kSymbol,      // one of + - * / ( ) %
  kOther,       // any other character, which no reader of shop text accepts
};

struct ShopToken {
  ShopTokenKind kind;
  std::string_view text;  // the characters it is made of
  size_t at;              // where they start in the text read
  bool spaced;            // blanks stand right before it
  // For a number: its value, and whether it was written as a fraction or a
  // mixed number (with a slash or a fraction character such as "½"). A
  // fraction over 0 has no value (NaN).
  double value = 0;
  bool fraction = false;
};

// Whether a slash or hyphen between numbers joins them into fractions and
// mixed numbers, or every number is a token of its own (a decimal, or a
// fraction character alone) for a reader that puts them together itself.
enum class ShopNumbers { kMixed, kSeparate };

// The tokens of the text, in order; blanks and tabs only part them. A slash
// between two whole numbers written together makes a fraction ("3/4"); a
// whole number, one blank or more and such a fraction make one mixed number
// ("3 3/4"), and so does a whole number joined to a fraction by a hyphen
// with no blanks ("3-3/4"); a whole number and a fraction character, with
// or without blanks or a hyphen between, are one mixed number too ("3½",
// "3 ½"). Any other slash or hyphen is a symbol. With ShopNumbers::kSeparate
// nothing is joined: "3 3/4" is the numbers 3, 3 and 4 with a slash between.
// A number is read from its digits exactly up to 18 significant digits;
// further digits count for their place only.
std::vector<ShopToken> ShopTokens(std::string_view text, ShopNumbers numbers = ShopNumbers::kMixed);

}  // namespace brindle
