#pragma once
// Inside the gadget layer only, and free of the toolkit: the queue of events
// that WaitEvent hands out. The toolkit's handlers only append here; the
// program takes them out.

#include <optional>

#include "gadgets/gadgets.h"

namespace brindle {

namespace gadget_layer {

// What the back end does before an event joins the queue: wake its wait for
// input, say.
void SetBeforeQueue(void (*beforeQueue)(const Event& event));

void QueueEvent(const Event& event);
// A control's event; none for a control that does not exist (any more).
void QueueGadgetEvent(WindowId window, GadgetId gadget);
std::optional<Event> TakeQueuedEvent();
bool EventsQueued();
// Forget what is queued for a control or a window that no longer exists.
void DropGadgetEvents(GadgetId gadget);
void DropWindowEvents(WindowId window);

}  // namespace gadget_layer

}  // namespace brindle
