// Event helpers for tests: let the toolkit work without blocking for ever.

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTimer>
#include <algorithm>

#include "gadgets/event_queue.h"
#include "gadgets/gadget_testing.h"

namespace brindle {

void ProcessPendingEvents() {
  if (QCoreApplication::instance() == nullptr) return;
  QCoreApplication::sendPostedEvents();
  QCoreApplication::processEvents();
}

std::optional<Event> PollEvent() {
  ProcessPendingEvents();
  return gadget_layer::TakeQueuedEvent();
}

bool WaitUntil(const std::function<bool()>& done, int ms) {
  if (QCoreApplication::instance() == nullptr) return done();
  QElapsedTimer clock;
  clock.start();
  // Wakes the blocking wait now and then, so that `done` is asked again even
  // when nothing happens and the time limit is kept.
  QTimer wake;
  wake.setSingleShot(true);
  while (!done()) {
    const qint64 left = ms - clock.elapsed();
    if (left <= 0) return false;
    wake.start(static_cast<int>(std::min<qint64>(left, 50)));
    QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
  }
  return true;
}

}  // namespace brindle
