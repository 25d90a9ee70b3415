#pragma once
// Inside the testing library only: shared helpers of the test drivers.

class QWidget;

namespace gadget_testing {

// Installs the message box watcher once (so that no test can hang on a box).
void EnsureTestHooks();
// Whether a user could reach this window now: it is enabled and no modal
// message box of another window stands in the way.
bool ReachableByUser(const QWidget* window);

}  // namespace gadget_testing
