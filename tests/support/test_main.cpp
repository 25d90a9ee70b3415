// Entry point of the tests that drive the gadget layer: it needs its
// application object before any test. Offscreen unless told otherwise; exit
// status 77 (skipped) when no display can be opened.

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>

#include "gadgets/gadgets.h"

using namespace brindle;

int main(int argc, char** argv) {
  setenv("QT_QPA_PLATFORM", "offscreen", 0);
  testing::InitGoogleTest(&argc, argv);
  if (GTEST_FLAG_GET(list_tests)) return RUN_ALL_TESTS();
  if (!InitGadgets(argc, argv)) {
    std::fprintf(stderr, "no display for the gadget layer\n");
    return 77;
  }
  return RUN_ALL_TESTS();
}
