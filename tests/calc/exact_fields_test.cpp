// A field that still shows what the program wrote reads as the exact value
// behind its text, from golden/exact_fields.txt: the same fields with and
// without that value give the answers of the first and of the rounded texts.
#include <gtest/gtest.h>

#include "pages/calculator_registry.h"
#include "tests/golden_rows.h"

using namespace brindle;

namespace {

// "Caption=text; Caption=text=exact; ..." as field texts.
FieldTexts Fields(const std::string& cell) {
  FieldTexts fields;
  for (const std::string& part : SplitCell(cell, ';')) {
    const size_t eq = part.find('='), exact = part.find('=', eq + 1);
    fields.push_back({part.substr(0, eq), part.substr(eq + 1, exact - eq - 1)});
    if (exact != std::string::npos)
      fields.back().exact = GoldenNumber<double>(part.substr(exact + 1));
  }
  return fields;
}

TEST(ExactFields, GoldenRows) {
  for (const GoldenRow& row : ReadGolden("exact_fields.txt", {4})) {
    SCOPED_TRACE(row.where);
    const CalcResult result = FindCalculator(row[0])->calculate(Fields(row[1]));
    EXPECT_EQ(result.message ? result.message->title + ": " + result.message->text
                             : std::string(TextOf(result.writes, row[2])),
              row[3]);
  }
}

}  // namespace
