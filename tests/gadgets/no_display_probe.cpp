// Started with no display: InitGadgets must say so instead of letting the
// toolkit abort the program. Exit status 0 when it answered false.

#include "gadgets/gadgets.h"

using namespace brindle;

int main(int argc, char** argv) {
  return InitGadgets(argc, argv) ? 1 : 0;
}
