#pragma once
// What a page showed after its last calculation, so that the next one reads
// what the user meant: a value the program wrote is a result, not something
// the user typed.
//
// - A field that still shows exactly what the program wrote there is read as
//   the exact value behind that text, not as the rounded text.
// - A field the program filled in as a result (it was empty when the
//   calculation ran) counts as empty until the user types into it.
// - Of two fields that give one value two ways (a radius or a diameter), the
//   one typed since the last calculation wins: the other counts as empty.
// So Calc pressed again without typing gives the same results, and changing
// one value recomputes from the values the user typed.

#include <map>
#include <span>
#include <string>

#include "calc/calc_result.h"
#include "pages/calculator_registry.h"

namespace brindle {

class RecalculationMemory {
 public:
  // The fields a calculation reads, from the texts the page shows now.
  FieldTexts Prepare(const FieldTexts& shown, std::span<const CaptionPair> pairs) const;
  // After a calculation: `read` is what it read (from Prepare), `result` what
  // it wrote, and `shown` what the page's inputs show now.
  void Remember(const FieldTexts& read, const CalcResult& result, const FieldTexts& shown);
  // A new page, or a cleared one: every field counts as typed.
  void Forget() { fields_.clear(); }

 private:
  struct Written {
    std::string shown;            // the text the field showed after the calculation
    std::optional<double> exact;  // the value behind it, when the program wrote it
    bool result = false;          // the program filled it in; it was empty
  };
  bool TypedSince(const FieldText& field) const;
  std::map<std::string, Written, std::less<>> fields_;
};

}  // namespace brindle
