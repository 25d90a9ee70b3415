#include "tests/support/program_fixture.h"

int main(int argc, char** argv) {
  return RunProgramTests(argc, argv);
}
