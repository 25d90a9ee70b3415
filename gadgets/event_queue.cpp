#include "gadgets/event_queue.h"

#include <deque>

#include "gadgets/id_table.h"

namespace brindle {

namespace gadget_layer {
namespace {

std::deque<Event>& Queue() {
  static std::deque<Event> queue;
  return queue;
}

void (*g_beforeQueue)(const Event&) = nullptr;

}  // namespace

void SetBeforeQueue(void (*beforeQueue)(const Event& event)) {
  g_beforeQueue = beforeQueue;
}

void QueueEvent(const Event& event) {
  if (event.kind != EventKind::MoveEvent && event.kind != EventKind::SizeEvent) {
    // A window the user let go of just before this click or key has not come
    // to rest yet: report its move first, in the order the user acted (the
    // program would otherwise act on a stale position, a page switch putting
    // the window back where it was).
    for (const auto& [id, window] : AllWindows())
      window->ReportPendingUserChange();
  }
  if (g_beforeQueue != nullptr) g_beforeQueue(event);
  Queue().push_back(event);
}

void QueueGadgetEvent(WindowId window, GadgetId gadget) {
  if (FindControl(gadget) != nullptr) QueueEvent(Event{EventKind::GadgetEvent, window, gadget});
}

std::optional<Event> TakeQueuedEvent() {
  if (Queue().empty()) return std::nullopt;
  Event event = Queue().front();
  Queue().pop_front();
  return event;
}

bool EventsQueued() {
  return !Queue().empty();
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

}  // namespace brindle
