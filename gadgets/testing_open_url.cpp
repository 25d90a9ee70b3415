// Opening addresses in tests: the handler sees the address instead of a browser.

#include <utility>

#include "gadgets/gadget_testing.h"
#include "gadgets/open_url_hook.h"

namespace brindle {

void SetOpenUrlHandler(std::function<void(const std::string&)> handler) {
  gadget_layer::UrlOpenerHook() = std::move(handler);
}

}  // namespace brindle
