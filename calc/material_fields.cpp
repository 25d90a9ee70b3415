#include "calc/material_fields.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <utility>

#include "calc/material_tables.h"
#include "calc/range_algorithms.h"
#include "numtext/number_text.h"
#include "numtext/stock_text.h"

namespace brindle {

namespace {

// Pounds per cubic inch in one of each density unit: a pound is 0.45359237 kg
// and an inch 0.0254 m exactly.
struct DensityUnit {
  std::string_view name;
  double poundsPerCubicInch;
};
constexpr double kKilogramsPerCubicMeter = 0.0254 * 0.0254 * 0.0254 / 0.45359237;
constexpr DensityUnit kDensityUnits[] = {
    {"", 1.0},
    {"lb/in3", 1.0},
    {"lb/ft3", 1.0 / 1728.0},
    {"kg/m3", kKilogramsPerCubicMeter},
    {"g/cm3", kKilogramsPerCubicMeter * 1000.0},
};

std::string Lower(std::string_view text) {
  std::string lower(text);
  std::transform(lower.begin(), lower.end(), lower.begin(), [](unsigned char c) {
    return static_cast<char>(c >= 'A' && c <= 'Z' ? c + ('a' - 'A') : c);
  });
  return lower;
}

}  // namespace

MaterialFields::MaterialFields(const FieldTexts& fields, std::string title)
    : reader_(fields, std::move(title)), mode_(UnitsModeNamed(TextOf(fields, "Units"))) {}

double MaterialFields::Checked(std::string_view caption, std::optional<double> read,
                               bool zeroAllowed) {
  if (Failed()) return 0.0;
  const double value = read.value_or(0.0);  // empty is 0
  const std::string name(caption);
  if (std::isnan(value) || std::isinf(value)) {
    Fail(name + " is too large");
  } else if (value < 0.0) {
    Fail(name + " cannot be negative");
  } else if (value == 0.0 && !zeroAllowed) {
    Fail(name + " required");
  }
  return Failed() ? 0.0 : value;
}

double MaterialFields::ReadLength(std::string_view caption, bool zeroAllowed) {
  return Checked(caption, reader_.Read(caption, ShopKind::kLength), zeroAllowed);
}

double MaterialFields::Length(std::string_view caption) {
  return ReadLength(caption, false);
}

double MaterialFields::LengthOrZero(std::string_view caption) {
  return ReadLength(caption, true);
}

double MaterialFields::Angle(std::string_view caption) {
  return Checked(caption, reader_.Read(caption, ShopKind::kAngle), false);
}

double MaterialFields::Percent(std::string_view caption) {
  std::string_view text = TrimBlanks(Text(caption));
  if (text.ends_with('%')) text.remove_suffix(1);
  return Checked(caption, reader_.ReadPart(caption, text, ShopKind::kNumber), false);
}

double MaterialFields::Count(std::string_view caption) {
  if (TrimBlanks(Text(caption)).empty()) return 1.0;
  // A text without a number is no count of 1 or more.
  const int64_t count = reader_.Count(caption).value_or(0);
  if (Failed()) return 0.0;
  if (count < 1) {
    Fail(std::string(caption) + " must be a whole number of 1 or more");
    return 0.0;
  }
  return static_cast<double>(count);
}

std::optional<double> MaterialFields::Price(std::string_view caption) {
  std::string_view text = TrimBlanks(Text(caption));
  if (text.empty()) return std::nullopt;
  if (text.front() == '$') text.remove_prefix(1);
  // A text without a number is a price of 0.
  const double price = reader_.ReadPart(caption, text, ShopKind::kNumber).value_or(0.0);
  if (std::isnan(price) || std::isinf(price)) {
    Fail(std::string(caption) + " is too large");
  } else if (price < 0.0) {
    Fail(std::string(caption) + " cannot be negative");
  }
  return price;
}

double MaterialFields::Density() {
  const std::string_view name = Text("Material");
  const Material* material = FindMaterial(name);
  if (material == nullptr) {
    Fail("Material required");
    return 0.0;
  }
  if (material->name != kCustomMaterial) return material->poundsPerCubicInch;
  const std::string_view text = TrimBlanks(Text("Custom Density"));
  const size_t unitAt = text.find_first_of("abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ");
  const std::string unit = Lower(TrimBlanks(text.substr(std::min(unitAt, text.size()))));
  const auto found = ranges::find(kDensityUnits, unit, &DensityUnit::name);
  if (found == std::end(kDensityUnits)) {
    Fail("Custom Density must be lb/in3, or a number with lb/in3, lb/ft3, kg/m3 or g/cm3");
    return 0.0;
  }
  const std::optional<double> value =
      reader_.ReadPart("Custom Density", text.substr(0, unitAt), ShopKind::kNumber);
  if (Failed()) return 0.0;
  return Checked("Custom Density", value.value_or(0.0) * found->poundsPerCubicInch, false);
}

std::string FourDecimals(double value) {
  return FormatDecimal(value, 4);
}

}  // namespace brindle
