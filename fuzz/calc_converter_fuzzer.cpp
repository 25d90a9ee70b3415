// Any text and any pair of drop-down indices give an answer: the text itself
// for the same unit, "Invalid" exactly for pairs outside one family, and a
// number text or nothing (a text that cannot be read) otherwise.
#include <cstdint>
#include <iterator>
#include <string>

#include "calc/unit_conversion.h"
#include "fuzz/calc_fuzz_fields.h"

using namespace brindle;

namespace {

// Length 0, weight 1, temperature 2, angle 3, force 4, torque 5, pressure 6,
// area 7, volume 8, gas flow 9.
constexpr int kFamily[] = {0, 0, 0, 0, 0, 0, 0, 1, 1, 1, 2, 2, 3, 3, 3, 4, 0, 2, 4, 1, 1, 0, 0,
                           0, 4, 5, 5, 5, 6, 6, 6, 6, 7, 7, 7, 7, 7, 8, 8, 8, 8, 8, 1, 9, 9};
static_assert(std::size(kFamily) == kUnitCount);

int Index(uint8_t byte) {
  return static_cast<int>(byte % (kUnitCount + 4)) - 2;  // beyond the list on both sides
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size < 2) return 0;
  const int from = Index(data[0]);
  const int to = Index(data[1]);
  const std::string text(reinterpret_cast<const char*>(data + 2), size - 2);
  const std::optional<std::string> answer = ConvertUnit(text, from, to);
  if (from == to) {
    Require(answer == text);
    return 0;
  }
  const bool listed = from >= 0 && from < kUnitCount && to >= 0 && to < kUnitCount;
  const bool sameFamily = listed && kFamily[from] == kFamily[to];
  if (!answer) {
    Require(sameFamily);
    return 0;
  }
  Require((*answer == "Invalid") != sameFamily);
  Require(!answer->empty());
  return 0;
}
