#pragma once
// Inside the gadget layer only, and free of the toolkit: which of a picture's
// images a screen of a given scale shows.

#include <span>

#include "gadgets/gadgets.h"

namespace brindle {

namespace gadget_layer {

struct ChosenImage {
  std::span<const unsigned char> png;  // empty when the picture has no image
  double scale = 1.0;                  // the image's scale: 1.0, 1.5 or 2.0
};

// The image for a screen of `screenScale` (1.0 at 96 DPI): the one drawn at
// that scale, else the smallest drawn larger, shrunk to fit, since shrinking
// keeps lines sharp where enlarging blurs them; above 200 % the largest. A
// scale that is no number, or none above zero, counts as 100 %.
ChosenImage ImageForScale(const PictureImages& images, double screenScale);

}  // namespace gadget_layer

}  // namespace brindle
