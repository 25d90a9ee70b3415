#include "gadgets/open_url_hook.h"

namespace brindle {

namespace gadget_layer {

std::function<void(const std::string&)>& UrlOpenerHook() {
  static std::function<void(const std::string&)> hook;
  return hook;
}

}  // namespace gadget_layer

}  // namespace brindle
