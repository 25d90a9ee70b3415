#include "calc/calc_result.h"

#include <algorithm>

#include "calc/range_algorithms.h"

namespace brindle {

std::string_view TextOf(const FieldTexts& fields, std::string_view caption) {
  const auto field = ranges::find(fields, caption, &FieldText::caption);
  return field == fields.end() ? std::string_view() : std::string_view(field->text);
}

}  // namespace brindle
