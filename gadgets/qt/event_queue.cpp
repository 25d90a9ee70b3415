#include "gadgets/qt/event_queue.h"

#include <QCoreApplication>
#include <QEvent>
#include <algorithm>
#include <deque>

#include "gadgets/qt/app_window.h"
#include "gadgets/qt/gadget_table.h"

namespace gadget_layer {
namespace {

std::deque<Event>& Queue() {
  static std::deque<Event> queue;
  return queue;
}

}  // namespace

void QueueEvent(const Event& event) {
  if (event.kind != EventKind::MoveEvent && event.kind != EventKind::SizeEvent) {
    // A window the user let go of just before this click or key has not come
    // to rest yet: report its move first, in the order the user acted (the
    // program would otherwise act on a stale position, a page switch putting
    // the window back where it was).
    for (const auto& [id, window] : AllAppWindows()) {
      if (!window.isNull()) window->ReportPendingUserChange();
    }
  }
  Queue().push_back(event);
}

void QueueGadgetEvent(WindowId window, GadgetId gadget, GadgetAction action) {
  QueueEvent(Event{EventKind::GadgetEvent, window, gadget, action});
}

std::optional<Event> TakeQueuedEvent() {
  if (Queue().empty()) return std::nullopt;
  Event event = Queue().front();
  Queue().pop_front();
  return event;
}

void DropGadgetEvents(GadgetId gadget) {
  std::erase_if(Queue(), [gadget](const Event& e) {
    return e.kind == EventKind::GadgetEvent && e.item == gadget;
  });
}

void DropWindowEvents(WindowId window) {
  std::erase_if(Queue(), [window](const Event& e) { return e.window == window; });
}

}  // namespace gadget_layer

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
