// Any text reads as a length or as nothing, in both units modes, without
// undefined behaviour; a length with a metric unit is that many millimeters
// over 25.4, and any double formats with four decimals that read back within
// half a ten-thousandth.
#include <cmath>
#include <cstdint>
#include <cstring>
#include <string>

#include "fuzz/calc_fuzz_fields.h"
#include "numtext/number_text.h"
#include "numtext/stock_text.h"

using namespace brindle;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  for (UnitsMode mode : {kFractions, kDecimal})
    (void)ParseStockLength(text, mode);
  if (size == sizeof(double)) {
    double value;
    std::memcpy(&value, data, sizeof value);
    const std::string shown = FormatDecimal(value, 4);
    if (std::isfinite(value) && std::fabs(value) < 1e15)
      Require(std::fabs(std::stod(shown) - value) <= 0.00005 + 1e-9 * std::fabs(value));
  }
  return 0;
}
