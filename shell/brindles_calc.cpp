// brindles-calc: the calculators of Brindle's Math on the command line.
#include <iostream>
#include <string>
#include <vector>

#include "shell/calc_command.h"

using namespace brindle;

int main(int argc, char** argv) {
  const std::vector<std::string> args(argv + 1, argv + argc);
  return RunCalcCommand(args, std::cin, std::cout, std::cerr);
}
