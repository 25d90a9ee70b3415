// Compiled into every program that links the testing library: arms the
// message box watcher before main, so that a box opened by a test that armed
// no handler is closed at once instead of waiting for a user who never comes.

#include "gadgets/qt/testing_support.h"

namespace brindle {

namespace {

[[maybe_unused]] const bool kHooksInstalled = [] {
  gadget_testing::EnsureTestHooks();
  return true;
}();

}  // namespace

}  // namespace brindle
