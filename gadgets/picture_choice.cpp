#include "gadgets/picture_choice.h"

#include <array>
#include <cmath>

namespace brindle {

namespace gadget_layer {

ChosenImage ImageForScale(const PictureImages& images, double screenScale) {
  const std::array<ChosenImage, 3> drawn{{
      {images.at100, 1.0},
      {images.at150, 1.5},
      {images.at200, 2.0},
  }};
  // Whole percents: a scale worked out as 144 / 96 and one set as 1.5 may
  // differ in their last bits, and must both find the 150 % image.
  const double percent =
      std::isfinite(screenScale) ? std::round(screenScale * 100.0) : (screenScale > 0 ? 1e9 : 0);
  ChosenImage largest;
  for (const ChosenImage& image : drawn) {
    if (image.png.empty()) continue;
    if (image.scale * 100.0 >= percent) return image;
    largest = image;
  }
  return largest;
}

}  // namespace gadget_layer

}  // namespace brindle
