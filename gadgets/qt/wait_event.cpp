// WaitEvent on the toolkit's event loop.

#include <QCoreApplication>
#include <QEvent>

#include "gadgets/event_queue.h"

namespace brindle {

Event WaitEvent() {
  using namespace gadget_layer;
  if (QCoreApplication::instance() == nullptr) return TakeQueuedEvent().value_or(Event{});
  // Widgets that the toolkit retired with deleteLater (tool tip labels, for
  // instance) are freed here, outside every handler, where it is safe.
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  for (;;) {
    if (std::optional<Event> event = TakeQueuedEvent()) return *event;
    // Sleeps in the toolkit until something arrives: input, a window system
    // message or one of the layer's own single-shot timers.
    QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
  }
}

}  // namespace brindle
