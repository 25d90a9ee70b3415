#pragma once
// Reading a calculation's input fields by caption, each by the kind of value
// it holds (numtext/shop_reading.h): a field's text is read whole, counts as
// empty when it holds no number, or stops the calculation with a message box
// that names the field and shows its text. A field that still shows what the
// program wrote there reads as the exact value behind that text, never as
// its rounded digits.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "calc/calc_result.h"
#include "numtext/shop_reading.h"

namespace brindle {

// The message text for a field that cannot be read:
// Side A: cannot read "3,5"; use a point for decimals.
std::string CannotRead(std::string_view caption, std::string_view text);

class FieldReader {
 public:
  // Messages are shown under `title`.
  FieldReader(const FieldTexts& fields, std::string title);

  // The field's value: nothing when it is empty, and nothing when its text
  // cannot be read, which sets the message (unless an earlier field set one).
  std::optional<double> Read(std::string_view caption, ShopKind kind);
  // The same for `text`, a part of the field's text (a price after its "$");
  // a message shows the field's whole text.
  std::optional<double> ReadPart(std::string_view caption, std::string_view text, ShopKind kind);
  // A value in single precision, as the triangle, circle, box, bender and
  // converter store them; 0 when empty or unreadable.
  float Float(std::string_view caption, ShopKind kind);
  // A whole number, wrapping around past 64 bits as ParseInteger does;
  // nothing when empty or unreadable.
  std::optional<int64_t> Count(std::string_view caption);

  std::string_view Text(std::string_view caption) const { return TextOf(fields_, caption); }
  // Sets the message unless an earlier field set one.
  void Fail(std::string text);
  bool Failed() const { return message_.has_value(); }
  CalcResult Message() const { return CalcResult::Message(*message_); }

 private:
  const FieldText* Field(std::string_view caption) const;

  const FieldTexts& fields_;
  std::string title_;
  std::optional<CalcMessage> message_;
};

}  // namespace brindle
