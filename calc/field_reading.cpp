#include "calc/field_reading.h"

#include <algorithm>
#include <cmath>
#include <utility>

#include "calc/range_algorithms.h"
#include "numtext/number_model.h"

namespace brindle {

namespace {

// Past 2^63 a double holds no whole number of 64 bits.
constexpr double kLargestCount = 0x1p63;

}  // namespace

std::string CannotRead(std::string_view caption, std::string_view text) {
  std::string message = std::string(caption) + ": cannot read \"" + std::string(text) + "\"";
  // "3,5" typed for three and a half: the program reads "." only.
  if (text.find(',') != std::string_view::npos) message += "; use a point for decimals";
  return message;
}

FieldReader::FieldReader(const FieldTexts& fields, std::string title)
    : fields_(fields), title_(std::move(title)) {}

const FieldText* FieldReader::Field(std::string_view caption) const {
  const auto field = ranges::find(fields_, caption, &FieldText::caption);
  return field == fields_.end() ? nullptr : &*field;
}

void FieldReader::Fail(std::string text) {
  if (!message_) message_ = CalcMessage{title_, std::move(text)};
}

std::optional<double> FieldReader::ReadPart(std::string_view caption, std::string_view text,
                                            ShopKind kind) {
  const FieldText* field = Field(caption);
  if (field && field->exact) return *field->exact;
  const ShopReading reading = ReadShopText(text, kind);
  if (reading.Unreadable()) Fail(CannotRead(caption, Text(caption)));
  if (!reading.Read()) return std::nullopt;
  return reading.value;
}

std::optional<double> FieldReader::Read(std::string_view caption, ShopKind kind) {
  return ReadPart(caption, Text(caption), kind);
}

float FieldReader::Float(std::string_view caption, ShopKind kind) {
  return Single(Read(caption, kind).value_or(0.0));
}

std::optional<int64_t> FieldReader::Count(std::string_view caption) {
  const FieldText* field = Field(caption);
  if (field && field->exact) {
    const double exact = std::trunc(*field->exact);
    if (!(std::fabs(exact) < kLargestCount)) return std::nullopt;
    return static_cast<int64_t>(exact);
  }
  const ShopReading reading = ReadShopText(Text(caption), ShopKind::kCount);
  if (reading.Unreadable()) Fail(CannotRead(caption, Text(caption)));
  if (!reading.Read()) return std::nullopt;
  return reading.count;
}

}  // namespace brindle
