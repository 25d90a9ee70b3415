#pragma once
// For tests of the Windows program: what a picture shows at any scale.

#include "gadgets/gadgets.h"

namespace brindle {

struct PictureShown {
  int width = 0;  // of its bitmap, in pixels; 0 when it shows none
  int height = 0;
  unsigned corner = 0;  // colour (0xRRGGBB) two pixels in from its top-left corner
};
// The bitmap the picture shows on a monitor of `dpi`. The picture shows it from
// then on, until its window's scale changes.
PictureShown PictureAt(GadgetId id, unsigned dpi);

}  // namespace brindle
