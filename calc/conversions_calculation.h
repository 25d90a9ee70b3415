#pragma once
// The unit converter's page: "Convert" (the value, typed in the text form of
// its unit), "From Format" and "Target Format" (units by name) give "Answer".

#include "calc/calc_result.h"

namespace brindle {

CalcResult CalculateConversions(const FieldTexts& fields);

}  // namespace brindle
