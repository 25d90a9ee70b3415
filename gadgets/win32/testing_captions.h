#pragma once
// For tests of the Windows program: whether a control's caption fits its box.

#include "gadgets/gadgets.h"

namespace brindle {

// How many pixels the control's caption lacks at a screen of `dpi` (0 when it
// fits), measured with the font the control shows it in at that scale against
// the room the control leaves for it: a label's box, a button's less its
// border, a check box's less its box, a drop-down's less its arrow button,
// for the longest of its entries. Other controls hold no caption: 0.
int CaptionShortfall(GadgetId id, unsigned dpi);

}  // namespace brindle
