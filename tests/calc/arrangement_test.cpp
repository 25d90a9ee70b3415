// What the material pages show as a drop-down changes, from
// golden/arrangement.txt: the fields the choice leaves unused, and the
// density, pipe size or efficiency it fills in.
#include <gtest/gtest.h>

#include "calc/metal_weight_calculation.h"
#include "calc/weld_metal_calculation.h"
#include "tests/golden_rows.h"

using namespace brindle;

namespace {

// "Caption=text; ..." as field texts.
FieldTexts Fields(const std::string& cell) {
  FieldTexts fields;
  for (const std::string& pair : SplitCell(cell, ';')) {
    const size_t eq = pair.find('=');
    fields.push_back({pair.substr(0, eq), eq == std::string::npos ? "" : pair.substr(eq + 1)});
  }
  return fields;
}

TEST(Arrangement, GoldenRows) {
  for (const GoldenRow& row : ReadGolden("arrangement.txt", {4})) {
    SCOPED_TRACE(row.where);
    const FieldTexts chosen = Fields(row[1]);
    const CalcResult arranged =
        row[0] == "Metal Weight" ? ArrangeMetalWeight(chosen) : ArrangeWeldMetal(chosen);
    EXPECT_FALSE(arranged.message);
    EXPECT_EQ(arranged.writes, Fields(row[2]));
    EXPECT_EQ(arranged.disabled, SplitCell(row[3], ';'));
  }
}

}  // namespace
