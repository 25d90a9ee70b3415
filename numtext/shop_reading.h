#pragma once
// A field's text read whole, or not at all. Every field of every calculator
// is read here, by the kind of value it holds; the text is cut into the
// pieces of shop text (numtext/shop_tokens.h) and must be one of the forms
// its kind takes, from its first character to its last (blanks at either end
// aside). A text that does not begin with a number (after one sign) counts as
// empty; one that begins with a number but holds anything its kind does not
// take cannot be read.

#include <cstdint>
#include <string_view>

namespace brindle {

// Every kind takes a plain number with an optional sign: a decimal with an
// optional exponent (2.5, .5, 1e3), a fraction (3/4, 1.5/2), a mixed number
// (3 1/2, 3-1/2, 3 - 1/2; 3 -1/2 is 2 1/2, the fraction keeping its own sign)
// or a tape's fraction character alone or after a whole number (½, 3½, 3 ½:
// ½ ¼ ¾ ⅛ ⅜ ⅝ ⅞). A denominator of 0.1 or less leaves the whole number alone.
enum class ShopKind {
  // A plain number: a weight, a price, a percentage.
  kNumber,
  // Inches. A plain number; with an inch mark or "in" (8 3/8", 20 in); feet
  // with a foot mark or "ft" and the inches after them (4' is 48, 3'6",
  // 3' 6 1/2", 3'-6", 4 ft 8 in; -4' 8" is -56); millimeters, centimeters and
  // meters (508 mm, 50.8 cm, 6.1 m), 25.4 mm to the inch. Letter case of a
  // unit word does not matter.
  kLength,
  // Degrees. A plain number with or without a degree mark (45.5, 30 1/2,
  // 45°); or degrees, minutes and seconds, each a decimal with its own sign,
  // marked (45°30', 36° 52' 12", 36 52' 12" as the program writes it) or
  // following one another after blanks (36 52, 36 52 12).
  kAngle,
  // A whole number: decimal digits, "$" and hexadecimal digits or "%" and
  // binary digits, as ParseInteger reads them, and nothing else.
  kCount,
};

struct ShopReading {
  enum class Outcome { kEmpty, kRead, kUnreadable };
  Outcome outcome = Outcome::kEmpty;
  // What was read, 0 otherwise. Numbers are read in single precision as the
  // calculators store them, and the parts of a fraction, a length in feet
  // and inches or an angle put together in double precision and rounded
  // once; a length with a unit word alone after its number ("508 mm",
  // "20 ft") is the number times the unit's millimeters over 25.4 in double
  // precision.
  double value = 0;
  // For a count: the whole number, wrapping around past 64 bits.
  int64_t count = 0;

  bool Read() const { return outcome == Outcome::kRead; }
  bool Unreadable() const { return outcome == Outcome::kUnreadable; }
};

ShopReading ReadShopText(std::string_view text, ShopKind kind);

}  // namespace brindle
