#pragma once
// Inside the gadget layer only, and free of the toolkit: rules every back end
// follows the same way for the controls it makes.

#include <algorithm>

#include "gadgets/gadgets.h"

namespace brindle {

namespace gadget_layer {

// Positions and sizes beyond these are no real screen's; keeping within them
// keeps the toolkit's arithmetic on them far from overflow.
inline int ClampCoordinate(int v) {
  return std::clamp(v, -(1 << 20), 1 << 20);
}
inline int ClampSize(int v) {
  return std::clamp(v, 0, 1 << 15);
}

// The open list of a drop-down is at most this high (pixels of a 96 DPI
// screen); it scrolls to the entries left out.
inline constexpr int kMaxListHeight = 350;

// An open list's extent from `top`, `height` high, cut to kMaxListHeight on
// the side away from the control: a list opened upwards keeps its bottom.
struct ListSpan {
  int top = 0;
  int height = 0;
};
ListSpan CutListToHeight(ListSpan list, bool openedUpwards);

// Whether a new control of this kind takes the focus: the first one that can
// has it when the window shows or a page is laid out in it, so that the user
// types into the first field at once.
bool TakesFirstFocus(ControlKind kind, bool windowHasFocusedControl);

}  // namespace gadget_layer

}  // namespace brindle
