#pragma once
// Inside the gadget layer only: the queue of events that WaitEvent hands out.
// The toolkit's signal handlers only append here; the program takes them out.

#include <optional>

#include "gadgets/gadgets.h"

namespace gadget_layer {

void QueueEvent(const Event& event);
void QueueGadgetEvent(WindowId window, GadgetId gadget, GadgetAction action);
std::optional<Event> TakeQueuedEvent();
// Forget what is queued for a control or a window that no longer exists, so that
// the program never acts on a control id that now names a different control.
void DropGadgetEvents(GadgetId gadget);
void DropWindowEvents(WindowId window);

}  // namespace gadget_layer
