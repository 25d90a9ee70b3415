#include "calc/unit_conversion.h"

#include <algorithm>
#include <array>
#include <utility>

#include "calc/range_algorithms.h"
#include "numtext/angle_text.h"
#include "numtext/feet_inch_text.h"
#include "numtext/fraction_text.h"
#include "numtext/number_model.h"
#include "numtext/number_text.h"
#include "numtext/shop_reading.h"

namespace brindle {

namespace {

// Every family holds its values in one base unit between reading and writing:
// inches, pounds, degrees Fahrenheit, degrees of angle, newtons, newton-meters,
// kilopascals, square inches, cubic inches, liters per minute.
enum class Family {
  kLength,
  kWeight,
  kTemperature,
  kAngle,
  kForce,
  kTorque,
  kPressure,
  kArea,
  kVolume,
  kFlow,
};

// How a unit's value is typed and shown.
enum class Form {
  kFraction,  // mixed fraction to the sixty-fourth
  kFeetInch,  // feet and inches as a tape reads them
  kDecimal,   // FormatNumber with the unit's decimals
  kDms,       // degrees, minutes and seconds
};

enum class Op { kNone, kTimes, kDivide, kPlus };

// One arithmetic step; `stored` rounds its result to single precision. Most
// units store the value in the base unit after every step. The metric weights
// hold their pounds in double precision, so that a kilogram shows as 1000
// grams and not as a pound rounded twice; so do the units of the shop
// families (torque, pressure, area, volume, flow), so that a conversion
// between two of them is one expression, rounded once when the answer is
// written.
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

// The factors, in double precision from the definitions of the units as NIST
// Special Publication 811 (appendix B) gives them: the international inch of
// 25.4 mm (a foot of 0.3048 m), the pound of 0.45359237 kg, the
// kilogram-force of 9.80665 N and the US gallon of 231 cubic inches. Each
// stored value is rounded to single precision once.
constexpr double kInchesPerFoot = 12;
constexpr double kInchesPerYard = 36;
constexpr double kFeetPerMile = 5280;
constexpr double kMillimetersPerInch = 25.4;
constexpr double kCentimetersPerInch = 2.54;
constexpr double kMetersPerInch = 0.0254;
constexpr double kPoundsPerTon = 2000;
constexpr double kOuncesPerPound = 16;
constexpr double kKilogramsPerPound = 0.45359237;
constexpr double kGramsPerKilogram = 1000;
constexpr double kKilogramsPerTonne = 1000;
// Held in single precision as the converter has always held it.
constexpr double kFahrenheitPerCelsius = 1.8f;
constexpr double kFahrenheitAtFreezing = 32;
constexpr double kNewtonsPerKilogramForce = 9.80665;
// The weight of a pound: 4.4482216152605 N.
constexpr double kNewtonsPerPoundForce = kKilogramsPerPound * kNewtonsPerKilogramForce;
// A pound-force on a one-foot lever, 4.4482216152605 N x 0.3048 m to the
// nearest double; on a one-inch lever a twelfth of it.
constexpr double kNewtonMetersPerFootPound = 1.3558179483314004;
constexpr double kNewtonMetersPerInchPound = kNewtonMetersPerFootPound / kInchesPerFoot;
// A pound-force on a square inch, 4.4482216152605 N / 0.00064516 m^2.
constexpr double kKilopascalsPerPsi = 6.894757293168361;
constexpr double kKilopascalsPerBar = 100;
constexpr double kKilopascalsPerMegapascal = 1000;
constexpr double kSquareInchesPerSquareFoot = kInchesPerFoot * kInchesPerFoot;
constexpr double kSquareInchesPerSquareYard = kInchesPerYard * kInchesPerYard;
constexpr double kSquareMillimetersPerSquareInch = kMillimetersPerInch * kMillimetersPerInch;
constexpr double kSquareMetersPerSquareInch = kMetersPerInch * kMetersPerInch;
constexpr double kCubicInchesPerCubicFoot = kSquareInchesPerSquareFoot * kInchesPerFoot;
constexpr double kCubicInchesPerGallon = 231;
// A cubic inch is 16.387064 cubic centimeters.
constexpr double kLitersPerCubicInch =
    kCentimetersPerInch * kCentimetersPerInch * kCentimetersPerInch / 1000;
constexpr double kCubicMetersPerCubicInch = kSquareMetersPerSquareInch * kMetersPerInch;
// Shielding gas: a cubic foot an hour is 28.316846592 liters in 60 minutes.
constexpr double kLitersPerMinutePerCubicFootPerHour =
    kCubicInchesPerCubicFoot * kLitersPerCubicInch / 60;

constexpr Step Times(double k, bool stored = true) {
  return {Op::kTimes, k, stored};
}
constexpr Step Divide(double k, bool stored = true) {
  return {Op::kDivide, k, stored};
}
constexpr Step Plus(double k, bool stored = true) {
  return {Op::kPlus, k, stored};
}
// A shop unit: `toBase` brings it to its family's base unit, which is held
// in double precision, and the inverse step brings it back.
constexpr Unit ShopUnit(const char* name, Family family, Step toBase) {
  const Op inverse = toBase.op == Op::kTimes ? Op::kDivide : Op::kTimes;
  return {name,
          family,
          Form::kDecimal,
          4,
          {Step{toBase.op, toBase.k, false}},
          {Step{inverse, toBase.k, true}}};
}
// A shop unit that is its family's base unit.
constexpr Unit ShopBase(const char* name, Family family) {
  return {name, family, Form::kDecimal, 4, {}, {}};
}
using F = Family;
using X = Form;

// The units by index ("Killigrams" is the program's own spelling).
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
    {"Pound-Force",
     F::kForce,
     X::kDecimal,
     4,
     {Times(kNewtonsPerPoundForce)},
     {Divide(kNewtonsPerPoundForce)}},
    {"Meters", F::kLength, X::kDecimal, 4, {Divide(kMetersPerInch)}, {Times(kMetersPerInch)}},
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
     {Divide(kKilogramsPerPound, false)},
     {Times(kKilogramsPerPound)}},
    {"Grams",
     F::kWeight,
     X::kDecimal,
     4,
     {Divide(kGramsPerKilogram, false), Divide(kKilogramsPerPound, false)},
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
    // The shop units.
    {"Feet-Inch", F::kLength, X::kFeetInch, 4, {}, {}},
    {"Kilogram-Force",
     F::kForce,
     X::kDecimal,
     4,
     {Times(kNewtonsPerKilogramForce)},
     {Divide(kNewtonsPerKilogramForce)}},
    ShopUnit("Foot-Pounds", F::kTorque, Times(kNewtonMetersPerFootPound)),
    ShopUnit("Inch-Pounds", F::kTorque, Times(kNewtonMetersPerInchPound)),
    ShopBase("Newton-Meters", F::kTorque),
    ShopUnit("PSI", F::kPressure, Times(kKilopascalsPerPsi)),
    ShopBase("kPa", F::kPressure),
    ShopUnit("Bar", F::kPressure, Times(kKilopascalsPerBar)),
    ShopUnit("MPa", F::kPressure, Times(kKilopascalsPerMegapascal)),
    ShopBase("Square Inches", F::kArea),
    ShopUnit("Square Feet", F::kArea, Times(kSquareInchesPerSquareFoot)),
    ShopUnit("Square Yards", F::kArea, Times(kSquareInchesPerSquareYard)),
    ShopUnit("Square Millimeters", F::kArea, Divide(kSquareMillimetersPerSquareInch)),
    ShopUnit("Square Meters", F::kArea, Divide(kSquareMetersPerSquareInch)),
    ShopBase("Cubic Inches", F::kVolume),
    ShopUnit("Cubic Feet", F::kVolume, Times(kCubicInchesPerCubicFoot)),
    ShopUnit("Gallons", F::kVolume, Times(kCubicInchesPerGallon)),
    ShopUnit("Liters", F::kVolume, Divide(kLitersPerCubicInch)),
    ShopUnit("Cubic Meters", F::kVolume, Divide(kCubicMetersPerCubicInch)),
    {"Tonnes",
     F::kWeight,
     X::kDecimal,
     4,
     {Times(kKilogramsPerTonne, false), Divide(kKilogramsPerPound, false)},
     {Times(kKilogramsPerPound, false), Divide(kKilogramsPerTonne)}},
    ShopUnit("Cubic Feet per Hour", F::kFlow, Times(kLitersPerMinutePerCubicFootPerHour)),
    ShopBase("Liters per Minute", F::kFlow),
}};

// Index of the unit named `name`; a name not in the table stops the build.
consteval int Index(std::string_view name) {
  for (int i = 0; i < kUnitCount; ++i)
    if (name == kUnits[i].name) return i;
  throw "no unit of that name";
}

// The drop-downs' groups, as they read from top to bottom.
constexpr int kLengths[] = {
    Index("Fraction Inch"), Index("Fraction Feet"), Index("Feet-Inch"),    Index("Fraction Yard"),
    Index("Fraction Mile"), Index("Decimal Inch"),  Index("Decimal Feet"), Index("Decimal Mile"),
    Index("Millimeters"),   Index("Centimeters"),   Index("Meters"),
};
constexpr int kAreas[] = {Index("Square Inches"), Index("Square Feet"), Index("Square Yards"),
                          Index("Square Millimeters"), Index("Square Meters")};
constexpr int kVolumes[] = {Index("Cubic Inches"), Index("Cubic Feet"), Index("Gallons"),
                            Index("Liters"), Index("Cubic Meters")};
constexpr int kWeights[] = {Index("Ounces"), Index("Pounds"),     Index("Tons"),
                            Index("Grams"),  Index("Killigrams"), Index("Tonnes")};
constexpr int kForces[] = {Index("Pound-Force"), Index("Kilogram-Force"), Index("Newtons")};
constexpr int kTorques[] = {Index("Inch-Pounds"), Index("Foot-Pounds"), Index("Newton-Meters")};
constexpr int kPressures[] = {Index("PSI"), Index("kPa"), Index("Bar"), Index("MPa")};
constexpr int kFlows[] = {Index("Cubic Feet per Hour"), Index("Liters per Minute")};
constexpr int kTemperatures[] = {Index("Fraction Fahrenheit"), Index("Decimal Fahrenheit"),
                                 Index("Celsius")};
constexpr int kAngles[] = {Index("Fractional Angle"), Index("Decimal Angle"), Index("Radian")};

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

// What a unit's text holds: inches and degrees (of the units that are
// their family's base) in every form a length or an angle field takes, so
// that 3' 6" or 250 mm typed as Decimal Inch is 42 or 9.8425 inches; any
// other unit a plain number, its marks and units being the unit's own.
ShopKind TextKind(const Unit& unit) {
  if (unit.form == Form::kFeetInch) return ShopKind::kLength;
  if (unit.form == Form::kDms) return ShopKind::kAngle;
  const bool base = unit.toBase[0].op == Op::kNone;
  if (base && unit.family == Family::kLength) return ShopKind::kLength;
  if (base && unit.family == Family::kAngle) return ShopKind::kAngle;
  return ShopKind::kNumber;
}

// The value typed, rounded to single precision; nothing when the text cannot
// be read (an empty text is 0).
std::optional<float> Read(std::string_view text, const Unit& unit) {
  const ShopReading reading = ReadShopText(text, TextKind(unit));
  if (reading.Unreadable()) return std::nullopt;
  return Single(reading.value);
}

std::string Write(double v, const Unit& unit) {
  switch (unit.form) {
    case Form::kFraction:
      return FormatFraction(Single(v));
    case Form::kFeetInch:
      return FormatFeetInch(Single(v));
    case Form::kDms:
      return FormatAngleDms(Single(v));
    case Form::kDecimal:
      break;
  }
  return FormatNumber(Single(v), unit.decimals);
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

constexpr std::array<UnitGroup, kUnitFamilyCount> kUnitGroups = {{
    {"Length", kLengths},
    {"Area", kAreas},
    {"Volume", kVolumes},
    {"Weight", kWeights},
    {"Force", kForces},
    {"Torque", kTorques},
    {"Pressure", kPressures},
    {"Gas Flow", kFlows},
    {"Temperature", kTemperatures},
    {"Angle", kAngles},
}};

namespace {

// Each group holds the units of one family, no two groups the same family, and
// every unit is shown exactly once.
constexpr bool GroupsShowEveryUnitOnce() {
  std::array<int, kUnitCount> shown{};
  std::array<bool, kUnitFamilyCount> familyShown{};
  for (const UnitGroup& group : kUnitGroups) {
    if (group.units.empty()) return false;
    const Family family = kUnits[group.units.front()].family;
    if (std::exchange(familyShown[static_cast<size_t>(family)], true)) return false;
    for (const int unit : group.units) {
      if (kUnits[unit].family != family) return false;
      ++shown[unit];
    }
  }
  return ranges::all_of(shown, [](int times) { return times == 1; });
}
static_assert(GroupsShowEveryUnitOnce());

}  // namespace

std::optional<std::string> ConvertUnit(std::string_view text, int from, int to) {
  // The same unit on both sides copies the text as typed, number or not.
  if (from == to) return std::string(text);
  if (!IsUnit(from) || !IsUnit(to)) return "Invalid";
  const Unit& source = kUnits[from];
  const Unit& target = kUnits[to];
  if (source.family != target.family) return "Invalid";
  const std::optional<float> value = Read(text, source);
  if (!value) return std::nullopt;
  return Write(Apply(target.fromBase, Apply(source.toBase, *value)), target);
}

}  // namespace brindle
