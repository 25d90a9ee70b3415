// Each calculation of the registry on a worked example, from field texts to
// result texts, as the page hands them over. Every one should stay well under
// two microseconds, but tape math on its longest expression (under 20).
#include <benchmark/benchmark.h>

#include <string>
#include <string_view>
#include <utility>

#include "pages/calculator_registry.h"

using namespace brindle;

namespace {

void BM_Calculate(benchmark::State& state, const char* calculator, FieldTexts fields) {
  const Calculation calculate = FindCalculator(calculator)->calculate;
  for (auto _ : state)
    benchmark::DoNotOptimize(calculate(fields));
}

BENCHMARK_CAPTURE(BM_Calculate, TriangleThreeSides, "Triangle",
                  {{"Units", "Decimal"},
                   {"Side A", "3"},
                   {"Side B", "4"},
                   {"Side C", "5"},
                   {"Unit Weight", "2"}});
BENCHMARK_CAPTURE(BM_Calculate, TriangleTwoSidesAndAngle, "Triangle",
                  {{"Units", "Decimal"},
                   {"Side A", "2"},
                   {"Side B", "3"},
                   {"Angle AB", "120"},
                   {"Unit Weight", "1.5"}});
BENCHMARK_CAPTURE(BM_Calculate, TriangleTwoAnglesAndSide, "Triangle",
                  {{"Units", "Decimal"}, {"Side A", "6"}, {"Angle AB", "50"}, {"Angle AC", "60"}});
// Mixed numbers in, sixty-fourths and degrees-minutes-seconds out.
BENCHMARK_CAPTURE(BM_Calculate, TriangleFractions, "Triangle",
                  {{"Units", "Fractions"}, {"Side A", "1"}, {"Side B", "1"}, {"Angle AB", "90"}});
BENCHMARK_CAPTURE(BM_Calculate, TriangleNotEnough, "Triangle",
                  {{"Units", "Decimal"}, {"Side A", "3"}, {"Side B", "4"}});
BENCHMARK_CAPTURE(BM_Calculate, CirclePlain, "Bolt Circle",
                  {{"Units", "Decimal"}, {"Weight Ea", "1"}, {"Diameter", "4"}});
BENCHMARK_CAPTURE(BM_Calculate, CircleBoltHoles, "Bolt Circle",
                  {{"Units", "Decimal"}, {"Weight Ea", "1"}, {"Radius", "2"}, {"Holes", "6"}});
BENCHMARK_CAPTURE(BM_Calculate, CircleBoltAngleFractions, "Bolt Circle",
                  {{"Units", "Fractions"}, {"Weight Ea", "2"}, {"Radius", "5"}, {"Angle", "45"}});
BENCHMARK_CAPTURE(BM_Calculate, Box, "Box",
                  {{"Format", "Decimal"}, {"Width", "3"}, {"Height", "4"}, {"Weight Each", "1.5"}});
BENCHMARK_CAPTURE(
    BM_Calculate, BoxFractions, "Box",
    {{"Format", "Fractions"}, {"Width", "1 1/2"}, {"Height", "0.75"}, {"Weight Each", "2"}});
BENCHMARK_CAPTURE(BM_Calculate, BenderFourBends, "Bender",
                  {{"Units", "Decimal"},
                   {"Hard", "no"},
                   {"Distance1", "2"},
                   {"Distance2", "3"},
                   {"Distance3", "3"},
                   {"Distance4", "2"},
                   {"Distance5", "1"},
                   {"Radius1", "0.25"},
                   {"Radius2", "0.25"},
                   {"Radius3", "0.25"},
                   {"Radius4", "0.25"},
                   {"Thick", "0.25"},
                   {"Angle1", "90"},
                   {"Angle2", "90"},
                   {"Angle3", "90"},
                   {"Angle4", "90"}});
BENCHMARK_CAPTURE(BM_Calculate, BenderAddFractions, "Bender",
                  {{"Units", "Fractions"}, {"Distance1", "1 1/2"}, {"Distance2", "2 1/4"}});
// Converter pairs: fraction to decimal, to whole meters, to grams, to
// degrees-minutes-seconds, and a pair across families.
BENCHMARK_CAPTURE(BM_Calculate, FractionFeetToDecimalInch, "Conversions",
                  {{"Convert", "1 1/2"},
                   {"From Format", "Fraction Feet"},
                   {"Target Format", "Decimal Inch"}});
BENCHMARK_CAPTURE(BM_Calculate, DecimalInchToMeters, "Conversions",
                  {{"Convert", "100"},
                   {"From Format", "Decimal Inch"},
                   {"Target Format", "Meters"}});
BENCHMARK_CAPTURE(BM_Calculate, PoundsToGrams, "Conversions",
                  {{"Convert", "1"}, {"From Format", "Pounds"}, {"Target Format", "Grams"}});
BENCHMARK_CAPTURE(BM_Calculate, CelsiusToFractionFahrenheit, "Conversions",
                  {{"Convert", "-40"},
                   {"From Format", "Celsius"},
                   {"Target Format", "Fraction Fahrenheit"}});
BENCHMARK_CAPTURE(BM_Calculate, DecimalToFractionalAngle, "Conversions",
                  {{"Convert", "30.5"},
                   {"From Format", "Decimal Angle"},
                   {"Target Format", "Fractional Angle"}});
BENCHMARK_CAPTURE(BM_Calculate, Invalid, "Conversions",
                  {{"Convert", "5"}, {"From Format", "Pounds"}, {"Target Format", "Meters"}});

// Tape math on an expression of the longest length read, 200 characters,
// every form of a length in it, with a full tape of twenty lines: under 20 us.
constexpr std::string_view kLongestTapeSum =
    "(4'-8 3/8\" + 4'-7 1/2\") / 2 + 12 3/8\" * 3 - 250mm + (2.5 cm + 1.2 m) / 2 + 20"
    "' / (14 3/8\" + 1/8\") * 1\" + 4 ft 8 in - 10% + 3-3/4\" + 1/2\"/2 + 7/8\" + sqr"
    "t(4' * 4') + ans + 0.000000000000000000000000001\"";
static_assert(kLongestTapeSum.size() == 200);
std::string FullTape() {
  std::string tape = "a = 4' 7 15/16\"";
  for (int line = 1; line < 20; ++line)
    tape += "\r\n12 3/8 + 9 11/16 = 22 1/16";
  return tape;
}
// The same, for an example that must be worked out: one that ended in a
// message box would time the wrong path.
void BM_CalculateWritten(benchmark::State& state, const char* calculator, FieldTexts fields) {
  if (FindCalculator(calculator)->calculate(fields).writes.empty())
    state.SkipWithError("the calculation wrote nothing");
  BM_Calculate(state, calculator, std::move(fields));
}

BENCHMARK_CAPTURE(BM_CalculateWritten, TapeMathLongest, "Tape Math",
                  {{"Expression", std::string(kLongestTapeSum)},
                   {"Round To", "1/16"},
                   {"Tape", FullTape()}});

}  // namespace
