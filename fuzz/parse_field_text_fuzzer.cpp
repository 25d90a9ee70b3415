// Any text reads as each kind of field without undefined behaviour; a text
// that reads as a plain number reads as the same length and the same angle,
// which take every form of a plain number; and any double formats with four
// decimals that read back within half a ten-thousandth.
#include <cmath>
#include <cstdint>
#include <cstring>
#include <string>

#include "fuzz/calc_fuzz_fields.h"
#include "numtext/shop_reading.h"
#include "numtext/stock_text.h"

using namespace brindle;

namespace {

bool Same(const ShopReading& a, const ShopReading& b) {
  return a.outcome == b.outcome &&
         (a.value == b.value || (a.value != a.value && b.value != b.value));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  const ShopReading number = ReadShopText(text, ShopKind::kNumber);
  (void)ReadShopText(text, ShopKind::kCount);
  if (number.Read()) {
    Require(Same(number, ReadShopText(text, ShopKind::kLength)));
    Require(Same(number, ReadShopText(text, ShopKind::kAngle)));
  }
  if (size == sizeof(double)) {
    double value;
    std::memcpy(&value, data, sizeof value);
    const std::string shown = FormatDecimal(value, 4);
    if (std::isfinite(value) && std::fabs(value) < 1e15)
      Require(std::fabs(std::stod(shown) - value) <= 0.00005 + 1e-9 * std::fabs(value));
  }
  return 0;
}
