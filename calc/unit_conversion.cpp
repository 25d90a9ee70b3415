#include "calc/unit_conversion.h"

#include <array>

#include "numtext/angle_text.h"
#include "numtext/fraction_text.h"
#include "numtext/number_model.h"
#include "numtext/number_text.h"

namespace {

// Every family holds its values in one base unit between reading and writing:
// inches, pounds, degrees Fahrenheit, degrees of angle, newtons.
enum class Family { kLength, kWeight, kTemperature, kAngle, kForce };

// How a unit's value is typed and shown.
enum class Form {
  kFraction,  // mixed fraction to the sixty-fourth
  kDecimal,   // FormatNumber with the unit's decimals
  kDms,       // degrees, minutes and seconds
};

enum class Op { kNone, kTimes, kDivide, kPlus };

// One arithmetic step; `stored` rounds its result to single precision, which
// every listed conversion step does except those inside one written expression.
struct Step {
  Op op = Op::kNone;
  double k = 0.0;
  bool stored = true;
};

struct Unit {
  const char* name;
  Family family;
  Form form;
  int decimals;
  std::array<Step, 2> toBase;    // from the typed value
  std::array<Step, 2> fromBase;  // to the value shown
};

constexpr double kInchesPerFoot = 12;
constexpr double kInchesPerYard = 36;
constexpr double kFeetPerMile = 5280;
constexpr double kPoundsPerTon = 2000;
constexpr double kOuncesPerPound = 16;
constexpr double kFeetPerMeter = 3.2808f;
// An inch is 25.4 millimetres exactly.
constexpr double kMillimetersPerInch = 25.4;
constexpr double kCentimetersPerInch = 2.54;
constexpr double kKilogramsPerPound = 0.45359236f;
constexpr double kGramsPerKilogram = 1000;
constexpr double kFahrenheitPerCelsius = 1.8f;
constexpr double kFahrenheitAtFreezing = 32;
// Newtons in one pound-force: the "Foot-Pounds" entry is a force in pounds.
constexpr double kNewtonsPerPoundForce = 4.448221683502197;

constexpr int kOmittedDecimals = -1;  // FormatNumber's ten-decimal form

constexpr Step Times(double k, bool stored = true) {
  return {Op::kTimes, k, stored};
}
constexpr Step Divide(double k, bool stored = true) {
  return {Op::kDivide, k, stored};
}
constexpr Step Plus(double k, bool stored = true) {
  return {Op::kPlus, k, stored};
}
using F = Family;
using X = Form;

// The drop-down entries, in order ("Killigrams" is the program's own spelling).
constexpr std::array<Unit, kUnitCount> kUnits = {{
    {"Fraction Inch", F::kLength, X::kFraction, 4, {}, {}},
    {"Fraction Feet",
     F::kLength,
     X::kFraction,
     4,
     {Times(kInchesPerFoot)},
     {Divide(kInchesPerFoot)}},
    {"Fraction Yard",
     F::kLength,
     X::kFraction,
     4,
     {Times(kInchesPerYard)},
     {Divide(kInchesPerYard)}},
    {"Fraction Mile",
     F::kLength,
     X::kFraction,
     4,
     {Times(kFeetPerMile), Times(kInchesPerFoot)},
     {Divide(kInchesPerFoot), Divide(kFeetPerMile)}},
    {"Decimal Inch", F::kLength, X::kDecimal, 4, {}, {}},
    {"Decimal Feet", F::kLength, X::kDecimal, 4, {Times(kInchesPerFoot)}, {Divide(kInchesPerFoot)}},
    {"Decimal Mile",
     F::kLength,
     X::kDecimal,
     4,
     {Times(kFeetPerMile), Times(kInchesPerFoot)},
     {Divide(kInchesPerFoot), Divide(kFeetPerMile)}},
    {"Tons", F::kWeight, X::kDecimal, 4, {Times(kPoundsPerTon)}, {Divide(kPoundsPerTon)}},
    {"Pounds", F::kWeight, X::kDecimal, 4, {}, {}},
    {"Ounces", F::kWeight, X::kDecimal, 4, {Divide(kOuncesPerPound)}, {Times(kOuncesPerPound)}},
    {"Fraction Fahrenheit", F::kTemperature, X::kFraction, 4, {}, {}},
    {"Decimal Fahrenheit", F::kTemperature, X::kDecimal, 4, {}, {}},
    {"Fractional Angle", F::kAngle, X::kDms, 4, {}, {}},
    {"Decimal Angle", F::kAngle, X::kDecimal, 4, {}, {}},
    {"Radian", F::kAngle, X::kDecimal, 6, {Times(kRadiansToDegrees)}, {Times(kDegreesToRadians)}},
    {"Foot-Pounds",
     F::kForce,
     X::kDecimal,
     4,
     {Times(kNewtonsPerPoundForce)},
     {Divide(kNewtonsPerPoundForce)}},
    {"Meters",
     F::kLength,
     X::kDecimal,
     4,
     {Times(kFeetPerMeter), Times(kInchesPerFoot)},
     {Divide(kInchesPerFoot), Divide(kFeetPerMeter)}},
    {"Celsius",
     F::kTemperature,
     X::kDecimal,
     4,
     {Times(kFahrenheitPerCelsius), Plus(kFahrenheitAtFreezing)},
     {Plus(-kFahrenheitAtFreezing, false), Divide(kFahrenheitPerCelsius)}},
    {"Newtons", F::kForce, X::kDecimal, 4, {}, {}},
    {"Killigrams",
     F::kWeight,
     X::kDecimal,
     4,
     {Divide(kKilogramsPerPound)},
     {Times(kKilogramsPerPound)}},
    {"Grams",
     F::kWeight,
     X::kDecimal,
     kOmittedDecimals,
     {Divide(kGramsPerKilogram), Divide(kKilogramsPerPound)},
     {Times(kKilogramsPerPound, false), Times(kGramsPerKilogram)}},
    {"Millimeters",
     F::kLength,
     X::kDecimal,
     4,
     {Divide(kMillimetersPerInch)},
     {Times(kMillimetersPerInch)}},
    {"Centimeters",
     F::kLength,
     X::kDecimal,
     4,
     {Divide(kCentimetersPerInch)},
     {Times(kCentimetersPerInch)}},
}};

constexpr int kKilograms = 19;
constexpr int kGrams = 20;

double Apply(const std::array<Step, 2>& steps, double v) {
  for (const Step& s : steps) {
    switch (s.op) {
      case Op::kNone:
        continue;
      case Op::kTimes:
        v *= s.k;
        break;
      case Op::kDivide:
        v /= s.k;
        break;
      case Op::kPlus:
        v += s.k;
        break;
    }
    if (s.stored) v = Single(v);
  }
  return v;
}

float Read(std::string_view text, const Unit& unit) {
  switch (unit.form) {
    case Form::kFraction:
      return ParseFraction(text);
    case Form::kDms:
      return ParseAngleDms(text);
    case Form::kDecimal:
      break;
  }
  return ParseDecimalField(text);
}

std::string Write(double v, const Unit& unit, int decimals) {
  switch (unit.form) {
    case Form::kFraction:
      return FormatFraction(Single(v));
    case Form::kDms:
      return FormatAngleDms(Single(v));
    case Form::kDecimal:
      break;
  }
  return FormatNumber(Single(v), decimals);
}

bool IsUnit(int index) {
  return index >= 0 && index < kUnitCount;
}

}  // namespace

constexpr std::array<const char*, kUnitCount> kUnitNames = [] {
  std::array<const char*, kUnitCount> names{};
  for (int i = 0; i < kUnitCount; ++i)
    names[i] = kUnits[i].name;
  return names;
}();

std::string ConvertUnit(std::string_view text, int from, int to) {
  // The same unit on both sides copies the text as typed, number or not.
  if (from == to) return std::string(text);
  if (!IsUnit(from) || !IsUnit(to)) return "Invalid";
  const Unit& source = kUnits[from];
  const Unit& target = kUnits[to];
  if (source.family != target.family) return "Invalid";

  const double base = Apply(source.toBase, Read(text, source));
  // Grams converted from kilograms keep the four decimals of the kilograms.
  const int decimals = (to == kGrams && from == kKilograms) ? 4 : target.decimals;
  return Write(Apply(target.fromBase, base), target, decimals);
}
