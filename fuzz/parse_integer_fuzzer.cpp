// Any text reads as a whole number without fault; the number's text reads back.
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "numtext/number_text.h"

using namespace brindle;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  const int64_t value = ParseInteger(text);
  if (ParseInteger(FormatInteger(value)) != value) std::abort();
  return 0;
}
