#pragma once
// Inside the gadget layer only: the underlined access letters of menu titles
// and items, chosen the same way on every platform and free of any toolkit.

#include <string>
#include <string_view>
#include <vector>

namespace brindle {

namespace gadget_layer {

// `text` as a menu shows it, "&" marking its access letter: the first letter
// or digit whose letter (any case) no neighbour has marked yet, the neighbours
// being the other titles of the menu bar or the other items of the drop-down,
// as they were marked. A "&" of the text itself is doubled, so that it shows
// as it is. A text whose letters are all taken gets none.
std::string MarkAccessLetter(std::string_view text, const std::vector<std::string>& neighbours);

}  // namespace gadget_layer

}  // namespace brindle
