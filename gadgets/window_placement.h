#pragma once
// Inside the gadget layer only, and free of the toolkit: where a window goes
// when the corner the program asks for would leave its title bar out of the
// user's reach, as after a change of monitors since the corner was saved.

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

}  // namespace brindle
