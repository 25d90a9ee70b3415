#pragma once
// Inside the gadget layer only, and free of the toolkit: the program's texts
// are UTF-8, a toolkit's may be UTF-16. Bytes that are no UTF-8 (a settings
// file edited in another encoding, say) and lone UTF-16 surrogates each become
// U+FFFD, the replacement character, one for each longest broken sequence.

#include <string>
#include <string_view>

namespace brindle {

namespace gadget_layer {

std::u16string Utf16(std::string_view utf8);
std::string Utf8(std::u16string_view utf16);

}  // namespace gadget_layer

}  // namespace brindle
