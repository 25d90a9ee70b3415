#pragma once
// Free of the toolkit: where a window goes when the corner the program asks
// for would leave its title bar out of the user's reach, as after a change of
// monitors since the corner was saved (inside the gadget layer only); and
// where a window opens beside another (for the shell).

#include <vector>

namespace brindle {

namespace gadget_layer {

struct ScreenRect {
  long long left = 0;
  long long top = 0;
  long long width = 0;
  long long height = 0;
};

struct Corner {
  int left = 0;
  int top = 0;
  bool operator==(const Corner&) const = default;
};

// `frame` is the whole window, frame included, at the corner asked for;
// `titleHeight` the height of its title bar; `workAreas` each screen's area
// that windows may use, the first the primary. A title bar that shows a grip
// of it on some work area keeps its corner; otherwise the window goes onto the
// nearest work area, as far inside it as it fits.
Corner ReachableCorner(const ScreenRect& frame, int titleHeight,
                       const std::vector<ScreenRect>& workAreas);

}  // namespace gadget_layer

// Where a second window of the whole size `width` x `height` (frame included)
// opens beside `anchor`, a window on the work area `area`, without covering
// it: to its right where the area has room, else to its left, else below or
// above it, level with its top (or its left edge) as far as the area allows.
// Where no side has room, it goes against the area's edge on the side with
// the most room, covering as little of the anchor as it can. A window bigger
// than the area keeps the area's top left corner.
gadget_layer::Corner CornerBeside(const gadget_layer::ScreenRect& anchor,
                                  const gadget_layer::ScreenRect& area, long long width,
                                  long long height);

}  // namespace brindle
