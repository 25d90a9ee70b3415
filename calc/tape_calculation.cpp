#include "calc/tape_calculation.h"

#include <cmath>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "calc/tape_expression.h"
#include "numtext/fraction_text.h"
#include "numtext/number_text.h"

namespace brindle {

namespace {

constexpr double kMillimetersPerInch = 25.4;
constexpr double kSquareInchesPerSquareFoot = 144;
constexpr double kSquareMetersPerSquareInch = 0.00064516;  // 0.0254 m squared
constexpr double kCubicInchesPerCubicFoot = 1728;
constexpr double kLitersPerCubicInch = 0.016387064;  // 0.254 dm cubed
constexpr int kTapeLines = 20;
constexpr std::string_view kAreaSuffix = " sq in";
constexpr std::string_view kVolumeSuffix = " cu in";

// The marks to the inch a "Round To" entry names: "1/16" is 16. Anything
// else (no entry selected) is sixteenths, the marks of most shop tapes.
int MarksOf(std::string_view roundTo) {
  for (int marks = 2; marks <= 64; marks *= 2)
    if (roundTo == "1/" + std::to_string(marks)) return marks;
  return 16;
}

// Whole marks nearest to a magnitude, halves away from zero. The largest
// magnitude a reading allows keeps the count exact in a double.
int64_t NearestMarks(double magnitude, int marks) {
  return static_cast<int64_t>(std::floor(magnitude * marks + 0.5));
}

// "55 15/16" for 895 sixteenths: the whole inches, and the marks left in lowest terms.
std::string MixedText(int64_t count, int marks) {
  std::string text = FormatInteger(count / marks);
  int64_t n = count % marks;
  if (n == 0) return text;
  int64_t d = marks;
  while (n % 2 == 0)
    n /= 2, d /= 2;
  return text + " " + FormatInteger(n) + "/" + FormatInteger(d);
}

std::string Signed(bool negative, int64_t count, const std::string& text) {
  return negative && count != 0 ? "-" + text : text;
}

// Four decimals, halves away from zero, with "+" before a value that is not
// negative when `plus` asks for it.
std::string FourDecimals(double value, bool plus = false) {
  const auto tenThousandths = NearestMarks(std::fabs(value), 10000);
  std::string decimals = std::to_string(tenThousandths % 10000);
  decimals.insert(0, 4 - decimals.size(), '0');
  const std::string text = FormatInteger(tenThousandths / 10000) + "." + decimals;
  if (std::signbit(value) && tenThousandths != 0) return "-" + text;
  return plus ? "+" + text : text;
}

struct LengthTexts {
  std::string feetInch, inches;
  double shown;  // the value the fractions show
};

LengthTexts RoundedLength(double inches, int marks) {
  const bool negative = std::signbit(inches);
  const int64_t count = NearestMarks(std::fabs(inches), marks);
  const int64_t perFoot = 12 * static_cast<int64_t>(marks);
  const std::string feetInch =
      FormatInteger(count / perFoot) + "' " + MixedText(count % perFoot, marks) + "\"";
  const double shown = static_cast<double>(count) / marks;
  return {Signed(negative, count, feetInch), Signed(negative, count, MixedText(count, marks)),
          negative ? -shown : shown};
}

// The lines of the tape, without their line ends.
std::vector<std::string_view> TapeLines(std::string_view tape) {
  std::vector<std::string_view> lines;
  while (!tape.empty()) {
    const size_t end = tape.find('\n');
    std::string_view line = tape.substr(0, end);
    if (line.ends_with('\r')) line.remove_suffix(1);
    if (!line.empty()) lines.push_back(line);
    if (end == std::string_view::npos) break;
    tape.remove_prefix(end + 1);
  }
  return lines;
}

// What "ans" stands for: the result on the tape's newest line, read back as
// it is shown there (a length as its Feet-Inch text, to the marks it was
// rounded to), or none.
std::optional<TapeValue> LastResult(std::string_view tape) {
  const std::vector<std::string_view> lines = TapeLines(tape);
  if (lines.empty()) return std::nullopt;
  const size_t equals = lines.front().rfind(" = ");
  if (equals == std::string_view::npos) return std::nullopt;
  std::string_view result = lines.front().substr(equals + 3);
  int power = -1;
  if (result.ends_with(kAreaSuffix)) {
    result.remove_suffix(kAreaSuffix.size()), power = 2;
  } else if (result.ends_with(kVolumeSuffix)) {
    result.remove_suffix(kVolumeSuffix.size()), power = 3;
  }
  const TapeReading reading = ReadTapeExpression(result, std::nullopt);
  if (!reading.error.empty()) return std::nullopt;
  TapeValue value = reading.value;
  if (power >= 0) value.power = power;
  return value;
}

}  // namespace

CalcResult CalculateTapeMath(const FieldTexts& fields) {
  const std::string_view expression = TrimBlanks(TextOf(fields, "Expression"));
  const std::string_view tape = TextOf(fields, "Tape");
  if (expression.empty()) return {};
  const TapeReading reading = ReadTapeExpression(expression, LastResult(tape));
  if (!reading.error.empty()) return CalcResult::Message({"Tape Math Error", reading.error});

  const int marks = MarksOf(TextOf(fields, "Round To"));
  const TapeValue v = reading.value;
  // A plain number from an expression without marks reads as inches too.
  const bool length = v.power == 1 || (v.power == 0 && !reading.marked);
  const LengthTexts shown = RoundedLength(v.amount, marks);
  auto when = [](bool filled, std::string text) { return filled ? text : std::string(); };
  const double x = v.amount;
  FieldTexts writes = {
      {"Feet-Inch", when(length, shown.feetInch)},
      {"Inches", when(length, shown.inches)},
      {"Decimal Inches", when(length, FourDecimals(x))},
      {"Millimeters", when(length, FourDecimals(x * kMillimetersPerInch))},
      {"Rounding Error", when(length, FourDecimals(shown.shown - x, true))},
      {"Number", when(v.power == 0, FourDecimals(x))},
      {"Square Inches", when(v.power == 2, FourDecimals(x))},
      {"Square Feet", when(v.power == 2, FourDecimals(x / kSquareInchesPerSquareFoot))},
      {"Square Meters", when(v.power == 2, FourDecimals(x * kSquareMetersPerSquareInch))},
      {"Cubic Inches", when(v.power == 3, FourDecimals(x))},
      {"Cubic Feet", when(v.power == 3, FourDecimals(x / kCubicInchesPerCubicFoot))},
      {"Liters", when(v.power == 3, FourDecimals(x * kLitersPerCubicInch))},
  };

  // The tape shows a length as Feet-Inch; a plain number keeps its kind
  // there, so that "ans" does too: as its fraction where that is exact (a sum
  // of fractions without marks), else with its decimals.
  std::string tapeResult = FourDecimals(x);
  if (v.power == 1) tapeResult = shown.feetInch;
  if (v.power == 0 && !reading.marked && shown.shown == x) tapeResult = shown.inches;
  if (v.power == 2) tapeResult += kAreaSuffix;
  if (v.power == 3) tapeResult += kVolumeSuffix;

  // The newest line on top; the oldest falls off past twenty.
  std::string newTape = std::string(expression) + " = " + tapeResult;
  const std::vector<std::string_view> lines = TapeLines(tape);
  for (size_t i = 0; i < lines.size() && i + 1 < kTapeLines; ++i)
    newTape += "\r\n" + std::string(lines[i]);
  writes.push_back({"Tape", std::move(newTape)});
  return CalcResult::Written(std::move(writes));
}

}  // namespace brindle
