// Every calculation of the registry against its golden rows in golden/: worked
// results, message boxes and edges, field by field, texts of any shape
// included; and what it writes stays within the outputs its page binds.

#include <gtest/gtest.h>

#include <algorithm>

#include "calc/range_algorithms.h"

#include "tests/support/golden_calculations.h"

using namespace brindle;

namespace {

TEST(Calculations, GoldenRows) {
  for (const GoldenRequest& request : GoldenRequests()) {
    SCOPED_TRACE(request.where);
    const CalcResult result = request.calculator->calculate(request.fields);
    EXPECT_EQ(Shown(result), request.expected);
    for (const FieldText& write : result.writes)
      EXPECT_TRUE(brindle::ranges::count(request.calculator->outputs, write.caption))
          << write.caption;
  }
}

}  // namespace
