// Brindle's Math in a browser. The page's script starts the program, then
// hands it each thing the user does (brindle_queue_event in the gadget layer)
// and asks it to handle what was queued; between two, the program does not
// run. The settings file is "VaZizi.ini" in the browser's local storage.

#include <emscripten/emscripten.h>

#include "gadgets/gadgets.h"
#include "pages/calculator_registry.h"
#include "shell/program.h"
#include "shell/shell_state.h"

using namespace brindle;

namespace {

// The page's flow on a phone follows the shown calculator's reading order.
EM_JS(void, UseFlowOrder, (int byColumns),
      { BrindleDom.setFlowOrder(byColumns ? "columns" : "rows"); });

void TellFlowOrder() {
  const Calculator* shown = FindCalculator(Shell().settings.calcW);
  UseFlowOrder(shown != nullptr && shown->flow == FlowOrder::kColumns ? 1 : 0);
}

}  // namespace

// Handles every queued event; 0 when the program has ended (Exit, Close).
extern "C" EMSCRIPTEN_KEEPALIVE int brindle_handle_events() {
  for (Event event = WaitEvent(); event.kind != EventKind::None; event = WaitEvent()) {
    if (!DispatchEvent(event)) {
      EndProgram();
      return 0;
    }
  }
  TellFlowOrder();
  return 1;
}

int main(int argc, char** argv) {
  if (!InitGadgets(argc, argv)) return 1;
  StartProgram("VaZizi.ini");
  TellFlowOrder();
  return 0;
}
