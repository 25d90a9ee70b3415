// Any expression and tape text: the reader stops on its own with a value of a
// known kind within the largest amount, or with words saying why; the tape
// calculation then shows a Feet-Inch text that reads back to within half a
// mark, and keeps at most twenty lines on the tape.
#include <cmath>
#include <cstdint>
#include <string>

#include "calc/tape_calculation.h"
#include "calc/tape_expression.h"
#include "fuzz/calc_fuzz_fields.h"

using namespace brindle;

namespace {

constexpr std::string_view kRoundTo[] = {"1/2", "1/4", "1/8", "1/16", "1/32", "1/64", "", "1/3"};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const FuzzFields f = SplitFuzzBytes(data, size, 2);
  const std::string& expression = f.texts[0];
  const TapeReading reading = ReadTapeExpression(expression, TapeValue{2.5, f.control % 4});
  if (reading.error.empty()) {
    Require(reading.value.power >= 0 && reading.value.power <= 3);
    Require(std::fabs(reading.value.amount) <= kLargestTapeAmount);
    Require(!expression.empty() && expression.size() <= kLongestTapeExpression);
  }

  const std::string_view roundTo = kRoundTo[(f.control >> 2) & 7];
  const CalcResult result = CalculateTapeMath(
      {{"Expression", expression}, {"Round To", std::string(roundTo)}, {"Tape", f.texts[1]}});
  if (result.message) {
    Require(result.message->title == "Tape Math Error" && !result.message->text.empty());
    Require(result.writes.empty());
    return 0;
  }
  if (result.IsNothing()) return 0;
  Require(result.writes.size() == 13 && result.writes.back().caption == "Tape");
  const std::string& tape = result.writes.back().text;
  size_t lines = 1;
  for (size_t at = tape.find('\n'); at != std::string::npos; at = tape.find('\n', at + 1))
    ++lines;
  Require(lines <= 20);
  const std::string& feetInch = result.writes.front().text;
  if (!feetInch.empty()) {
    const TapeReading back = ReadTapeExpression(feetInch, std::nullopt);
    Require(back.error.empty() && back.value.power == 1);
    const TapeReading again = ReadTapeExpression(result.writes[2].text, std::nullopt);
    Require(again.error.empty());
    // Decimal Inches to four places, the fraction to half of 1/2 inch at most.
    Require(std::fabs(back.value.amount - again.value.amount) <= 0.25 + 1e-4);
  }
  return 0;
}
