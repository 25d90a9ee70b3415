// Brindle's Math: the program's entry point. No arguments are read; the only
// file is "VaZizi.ini" beside the program file.
#include "gadgets/gadgets.h"
#include "shell/program.h"
#include "shell/window_icon.h"

using namespace brindle;

int main(int argc, char** argv) {
  if (!InitGadgets(argc, argv)) return 1;
  SetProgramIcon(kWindowIconPng, sizeof kWindowIconPng);
  StartProgram(SettingsPathFor(ProgramFilePath()));
  RunEventLoop();
  EndProgram();
  return 0;
}
