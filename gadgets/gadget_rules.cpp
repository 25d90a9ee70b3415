#include "gadgets/gadget_rules.h"

namespace brindle {

namespace gadget_layer {

ListSpan CutListToHeight(ListSpan list, bool openedUpwards) {
  if (list.height <= kMaxListHeight) return list;
  if (openedUpwards) list.top += list.height - kMaxListHeight;
  list.height = kMaxListHeight;
  return list;
}

bool TakesFirstFocus(ControlKind kind, bool windowHasFocusedControl) {
  // Labels, pictures and links are only read or clicked; every other control
  // takes the keyboard, a read-only field too (for selecting and copying).
  const bool takesFocus = kind != ControlKind::Label && kind != ControlKind::Picture &&
                          kind != ControlKind::Hyperlink && kind != ControlKind::None;
  return takesFocus && !windowHasFocusedControl;
}

}  // namespace gadget_layer

}  // namespace brindle
