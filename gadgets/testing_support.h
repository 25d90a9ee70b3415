#pragma once
// Inside the testing library only: shared helpers of the test drivers.

namespace gadget_testing {

// Installs the message box watcher once (so that no test can hang on a box).
void EnsureTestHooks();

}  // namespace gadget_testing
