#include "numtext/length_text.h"

#include "numtext/fraction_text.h"
#include "numtext/number_text.h"

namespace brindle {

std::string FormatLength(float value, UnitsMode mode) {
  return IsFractions(mode) ? FormatFraction(value, MarksPerInch(mode)) : FormatNumber(value, 4);
}

}  // namespace brindle
