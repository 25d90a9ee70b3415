// Number text conversions. FormatNumber(x, 4) is measured beside std::to_chars
// writing the same values with 4 fixed decimals, the floor it is compared with
// (bench/format_ratio.sh prints the ratio).
#include <benchmark/benchmark.h>

#include <array>
#include <charconv>
#include <string>
#include <vector>

#include "numtext/angle_text.h"
#include "numtext/fraction_text.h"
#include "numtext/number_text.h"

using namespace brindle;

namespace {

// Values a calculator page writes: lengths, angles, areas, a few ties and negatives.
const std::vector<float>& Values() {
  static const std::vector<float> values = {
      2.5f, 0.03125f, 12.3456f, 4.3589f, 36.8699f, 1.0f / 3.0f, 141.0f,    -40.0f,
      0.1f, 10.3f,    453.59f,  0.0f,    90.0f,    -0.00001f,   1234.567f, 0.017453f};
  return values;
}

void BM_FormatNumber4(benchmark::State& state) {
  const auto& values = Values();
  size_t i = 0;
  for (auto _ : state) {
    benchmark::DoNotOptimize(FormatNumber(values[i++ % values.size()], 4));
  }
}
BENCHMARK(BM_FormatNumber4);

void BM_ToCharsFixed4(benchmark::State& state) {
  const auto& values = Values();
  size_t i = 0;
  std::array<char, 64> buffer;
  for (auto _ : state) {
    const double v = values[i++ % values.size()];
    auto [end, ec] =
        std::to_chars(buffer.data(), buffer.data() + buffer.size(), v, std::chars_format::fixed, 4);
    // The same result type as FormatNumber, so the comparison is fair.
    benchmark::DoNotOptimize(std::string(buffer.data(), end));
  }
}
BENCHMARK(BM_ToCharsFixed4);

// The same without building a string: the bare conversion.
void BM_ToCharsFixed4Bare(benchmark::State& state) {
  const auto& values = Values();
  size_t i = 0;
  std::array<char, 64> buffer;
  for (auto _ : state) {
    const double v = values[i++ % values.size()];
    auto result =
        std::to_chars(buffer.data(), buffer.data() + buffer.size(), v, std::chars_format::fixed, 4);
    benchmark::DoNotOptimize(result);
    benchmark::ClobberMemory();
  }
}
BENCHMARK(BM_ToCharsFixed4Bare);

template <typename Parse>
void ParseTexts(benchmark::State& state, const std::vector<std::string>& texts, Parse parse) {
  size_t i = 0;
  for (auto _ : state)
    benchmark::DoNotOptimize(parse(texts[i++ % texts.size()]));
}

void BM_ParseNumber(benchmark::State& state) {
  ParseTexts(state, {"12.5", "  3.75in", "-.5", "2e3", "453.5923461914", "0.017453"},
             [](const std::string& t) { return ParseNumber(t); });
}
BENCHMARK(BM_ParseNumber);

void BM_ParseInteger(benchmark::State& state) {
  ParseTexts(state, {"12", " 7 holes", "-3", "$1F", "%101"},
             [](const std::string& t) { return ParseInteger(t); });
}
BENCHMARK(BM_ParseInteger);

void BM_FormatFraction(benchmark::State& state) {
  const auto& values = Values();
  size_t i = 0;
  for (auto _ : state)
    benchmark::DoNotOptimize(FormatFraction(values[i++ % values.size()]));
}
BENCHMARK(BM_FormatFraction);

void BM_ParseFraction(benchmark::State& state) {
  ParseTexts(state, {"3 1/2", "3/4", "-2 1/2", "10 19/64", "2.75", "1 27/64"},
             [](const std::string& t) { return ParseFraction(t); });
}
BENCHMARK(BM_ParseFraction);

void BM_FormatAngleDms(benchmark::State& state) {
  const auto& values = Values();
  size_t i = 0;
  for (auto _ : state)
    benchmark::DoNotOptimize(FormatAngleDms(values[i++ % values.size()]));
}
BENCHMARK(BM_FormatAngleDms);

void BM_ParseAngleDms(benchmark::State& state) {
  ParseTexts(state, {"30 30' 36\"", "45", "45 30", "36 52' 12\"", "-30 -30' 0\""},
             [](const std::string& t) { return ParseAngleDms(t); });
}
BENCHMARK(BM_ParseAngleDms);

}  // namespace
