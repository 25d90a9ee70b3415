#pragma once
// Reading the fields of the material calculators (Metal Weight and Weld
// Metal): sizes and lengths in every form a length field takes, angles,
// counts, prices and a density, each read whole (calc/field_reading.h) and
// checked as it is read. The first field that cannot be used is the one the
// message box names; after it nothing else is checked.

#include <optional>
#include <string>
#include <string_view>
#include <utility>

#include "calc/calc_result.h"
#include "calc/field_reading.h"
#include "numtext/length_text.h"

namespace brindle {

class MaterialFields {
 public:
  MaterialFields(const FieldTexts& fields, std::string title);

  // A size or length in inches, above 0: "<caption> required" when empty,
  // unreadable or 0, and a message for a negative or endless one too.
  double Length(std::string_view caption);
  // The same, where empty means 0 (a root opening, a reinforcement).
  double LengthOrZero(std::string_view caption);
  // An angle in degrees, above 0: 37.5, 37 1/2, 37°30', 37 30.
  double Angle(std::string_view caption);
  // A percentage, above 0, with or without "%" after it.
  double Percent(std::string_view caption);
  // A whole number of 1 or more; empty means 1.
  double Count(std::string_view caption);
  // A price, a number of 0 or more with or without "$"; nothing when empty.
  std::optional<double> Price(std::string_view caption);
  // Pounds per cubic inch of the drop-down "Material", or for "Custom" of the
  // field "Custom Density": lb/in3 without a unit, or with one of lb/in3,
  // lb/ft3, kg/m3 or g/cm3.
  double Density();

  // Sets the message unless an earlier field set one.
  void Fail(std::string text) { reader_.Fail(std::move(text)); }
  bool Failed() const { return reader_.Failed(); }
  CalcResult Message() const { return reader_.Message(); }
  UnitsMode Mode() const { return mode_; }
  std::string_view Text(std::string_view caption) const { return reader_.Text(caption); }

 private:
  double ReadLength(std::string_view caption, bool zeroAllowed);
  double Checked(std::string_view caption, std::optional<double> value, bool zeroAllowed);

  FieldReader reader_;
  UnitsMode mode_;
};

// Weights, areas, volumes and prices: four decimals in every units mode.
std::string FourDecimals(double value);

}  // namespace brindle
