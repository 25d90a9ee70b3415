// Each calculation on a worked example, from field texts to result texts.
// Every one should stay well under two microseconds.
#include <benchmark/benchmark.h>

#include "calc/bend_calculation.h"
#include "calc/circle_calculation.h"
#include "calc/square_calculation.h"
#include "calc/triangle_solver.h"
#include "calc/unit_conversion.h"

namespace {

void BM_TriangleThreeSides(benchmark::State& state) {
  const TriangleInput input{"3", "4", "5", "", "", "", "2", kDecimal};
  for (auto _ : state)
    benchmark::DoNotOptimize(TriangleSolver(input));
}
BENCHMARK(BM_TriangleThreeSides);

void BM_TriangleTwoSidesAndAngle(benchmark::State& state) {
  const TriangleInput input{"2", "3", "", "120", "", "", "1.5", kDecimal};
  for (auto _ : state)
    benchmark::DoNotOptimize(TriangleSolver(input));
}
BENCHMARK(BM_TriangleTwoSidesAndAngle);

void BM_TriangleTwoAnglesAndSide(benchmark::State& state) {
  const TriangleInput input{"6", "", "", "50", "", "60", "", kDecimal};
  for (auto _ : state)
    benchmark::DoNotOptimize(TriangleSolver(input));
}
BENCHMARK(BM_TriangleTwoAnglesAndSide);

// Mixed numbers in, sixty-fourths and degrees-minutes-seconds out.
void BM_TriangleFractions(benchmark::State& state) {
  const TriangleInput input{"1", "1", "", "90", "", "", "", kFractions};
  for (auto _ : state)
    benchmark::DoNotOptimize(TriangleSolver(input));
}
BENCHMARK(BM_TriangleFractions);

void BM_TriangleNotEnough(benchmark::State& state) {
  const TriangleInput input{"3", "4", "", "", "", "", "", kDecimal};
  for (auto _ : state)
    benchmark::DoNotOptimize(TriangleSolver(input));
}
BENCHMARK(BM_TriangleNotEnough);

void BM_CirclePlain(benchmark::State& state) {
  const CircleInput input{"1", "4", "", "", "", kDecimal};
  for (auto _ : state)
    benchmark::DoNotOptimize(CalculateCircle(input));
}
BENCHMARK(BM_CirclePlain);

void BM_CircleBoltHoles(benchmark::State& state) {
  const CircleInput input{"1", "", "2", "6", "", kDecimal};
  for (auto _ : state)
    benchmark::DoNotOptimize(CalculateCircle(input));
}
BENCHMARK(BM_CircleBoltHoles);

void BM_CircleBoltAngleFractions(benchmark::State& state) {
  const CircleInput input{"2", "", "5", "", "45", kFractions};
  for (auto _ : state)
    benchmark::DoNotOptimize(CalculateCircle(input));
}
BENCHMARK(BM_CircleBoltAngleFractions);

void BM_Square(benchmark::State& state) {
  const SquareInput input{"3", "4", "1.5", kDecimal};
  for (auto _ : state)
    benchmark::DoNotOptimize(CalculateSquare(input));
}
BENCHMARK(BM_Square);

void BM_SquareFractions(benchmark::State& state) {
  const SquareInput input{"1 1/2", "0.75", "2", kFractions};
  for (auto _ : state)
    benchmark::DoNotOptimize(CalculateSquare(input));
}
BENCHMARK(BM_SquareFractions);

void BM_BendFourBends(benchmark::State& state) {
  const BendInput input{false,  {"2", "3", "3", "2", "1"}, {"0.25", "0.25", "0.25", "0.25"},
                        "0.25", {"90", "90", "90", "90"},  kDecimal};
  for (auto _ : state)
    benchmark::DoNotOptimize(CalculateBend(input));
}
BENCHMARK(BM_BendFourBends);

void BM_BendAddFractions(benchmark::State& state) {
  const BendInput input{false, {"1 1/2", "2 1/4"}, {}, "", {}, kFractions};
  for (auto _ : state)
    benchmark::DoNotOptimize(CalculateBend(input));
}
BENCHMARK(BM_BendAddFractions);

// Converter pairs: fraction to decimal, to whole meters, to ten-decimal grams,
// to degrees-minutes-seconds, and a pair across families.
void BM_Convert(benchmark::State& state, const char* text, int from, int to) {
  for (auto _ : state)
    benchmark::DoNotOptimize(ConvertUnit(text, from, to));
}
BENCHMARK_CAPTURE(BM_Convert, FractionFeetToDecimalInch, "1 1/2", 1, 4);
BENCHMARK_CAPTURE(BM_Convert, DecimalInchToMeters, "100", 4, 16);
BENCHMARK_CAPTURE(BM_Convert, PoundsToGrams, "1", 8, 20);
BENCHMARK_CAPTURE(BM_Convert, CelsiusToFractionFahrenheit, "-40", 17, 10);
BENCHMARK_CAPTURE(BM_Convert, DecimalToFractionalAngle, "30.5", 13, 12);
BENCHMARK_CAPTURE(BM_Convert, Invalid, "5", 8, 16);

}  // namespace
