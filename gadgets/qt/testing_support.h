#pragma once

namespace brindle {

// Inside the testing library only: shared helpers of the test drivers.

namespace gadget_testing {

// Installs the message box watcher, so that no test can hang on a box; run
// once before main in every test program (testing_hooks.cpp).
void EnsureTestHooks();

}  // namespace gadget_testing

}  // namespace brindle
