#pragma once
// Inside the gadget layer only, and free of the toolkit: what OpenUrl does in
// place of asking the desktop, when set. Only the testing library sets it
// (SetOpenUrlHandler), so that the tests open no browser.

#include <functional>
#include <string>

namespace brindle {

namespace gadget_layer {

std::function<void(const std::string&)>& UrlOpenerHook();

}  // namespace gadget_layer

}  // namespace brindle
