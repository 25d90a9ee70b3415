// Test entry point: the gadget layer needs its application object before any test.

#include <gtest/gtest.h>

#include <cstdio>

#include "gadgets/gadgets.h"

int main(int argc, char** argv) {
  testing::InitGoogleTest(&argc, argv);
  if (GTEST_FLAG_GET(list_tests)) return RUN_ALL_TESTS();
  if (!InitGadgets(argc, argv)) {
    std::fprintf(stderr, "no display for the gadget layer\n");
    return 77;
  }
  return RUN_ALL_TESTS();
}
