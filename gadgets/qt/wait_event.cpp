// WaitEvent on the toolkit's event loop, and the user's moves reported before
// the clicks and keys that follow them.

#include <QCoreApplication>
#include <QEvent>

#include "gadgets/event_queue.h"
#include "gadgets/id_table.h"
#include "gadgets/qt/app_window.h"
#include "gadgets/qt/gadget_table.h"

namespace gadget_layer {

void ReportUserChangesFirst(const Event& event) {
  if (event.kind == EventKind::MoveEvent || event.kind == EventKind::SizeEvent) return;
  // A window the user let go of just before this click or key has not come
  // to rest yet: report its move first, in the order the user acted (the
  // program would otherwise act on a stale position, a page switch putting
  // the window back where it was).
  for (const auto& [id, entry] : AllWindows()) {
    AppWindow* window = static_cast<const AppWindowRecord&>(*entry).window.data();
    if (window != nullptr) window->ReportPendingUserChange();
  }
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
