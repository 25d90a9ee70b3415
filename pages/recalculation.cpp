#include "pages/recalculation.h"

#include <algorithm>

#include "calc/range_algorithms.h"
#include "numtext/number_text.h"

namespace brindle {

namespace {

bool IsBlank(std::string_view text) {
  return TrimBlanks(text).empty();
}

// The field with this caption, or nullptr; const when `fields` is.
template <class Fields>
auto Find(Fields& fields, std::string_view caption) -> decltype(&fields.front()) {
  const auto field = ranges::find(fields, caption, &FieldText::caption);
  return field == fields.end() ? nullptr : &*field;
}

}  // namespace

bool RecalculationMemory::TypedSince(const FieldText& field) const {
  const auto known = fields_.find(field.caption);
  return known == fields_.end() || known->second.shown != field.text;
}

FieldTexts RecalculationMemory::Prepare(const FieldTexts& shown,
                                        std::span<const CaptionPair> pairs) const {
  FieldTexts read = shown;
  for (FieldText& field : read) {
    if (TypedSince(field)) continue;
    const Written& known = fields_.find(field.caption)->second;
    if (known.result) {
      field.text.clear();
    } else {
      field.exact = known.exact;
    }
  }
  // Where the user typed one of a pair since and not the other, the other
  // gives way, whatever it shows.
  for (const CaptionPair& pair : pairs) {
    const FieldText* first = Find(shown, pair.first);
    const FieldText* second = Find(shown, pair.second);
    if (first == nullptr || second == nullptr) continue;
    const bool firstTyped = TypedSince(*first) && !IsBlank(first->text);
    const bool secondTyped = TypedSince(*second) && !IsBlank(second->text);
    if (firstTyped == secondTyped) continue;
    FieldText& yields = *Find(read, firstTyped ? pair.second : pair.first);
    yields.text.clear();
    yields.exact.reset();
  }
  return read;
}

void RecalculationMemory::Remember(const FieldTexts& read, const CalcResult& result,
                                   const FieldTexts& shown) {
  std::map<std::string, Written, std::less<>> now;
  for (const FieldText& field : shown) {
    Written& entry = now[field.caption];
    entry.shown = field.text;
    const auto before = fields_.find(field.caption);
    if (!TypedSince(field)) {
      entry.exact = before->second.exact;
      entry.result = before->second.result;
    }
    const auto write = ranges::find(result.writes, field.caption, &FieldText::caption);
    if (write == result.writes.end() || write->text != field.text) continue;
    const FieldText* given = Find(read, field.caption);
    entry.exact = write->exact;
    entry.result = given != nullptr && IsBlank(given->text);
  }
  fields_ = std::move(now);
}

}  // namespace brindle
