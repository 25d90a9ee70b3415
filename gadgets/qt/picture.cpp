#include "gadgets/qt/picture.h"

#include <QPixmap>

#include "gadgets/picture_choice.h"

namespace brindle {

namespace gadget_layer {

Picture::Picture(const PictureImages& images, QWidget* parent) : QLabel(parent), images_(images) {
  setFocusPolicy(Qt::NoFocus);
  // The label fits the image to its box, smoothly, where the image was not
  // drawn at the screen's scale; one drawn at it is shown pixel for pixel.
  setScaledContents(true);
  ShowImageFor(devicePixelRatioF());
}

void Picture::paintEvent(QPaintEvent* event) {
  ShowImageFor(devicePixelRatioF());
  QLabel::paintEvent(event);
}

void Picture::ShowImageFor(qreal screenScale) {
  if (screenScale == shownFor_) return;
  shownFor_ = screenScale;
  const ChosenImage image = ImageForScale(images_, screenScale);
  QPixmap pixmap;
  pixmap.loadFromData(image.png.data(), static_cast<uint>(image.png.size()), "PNG");
  pixmap.setDevicePixelRatio(image.scale);
  setPixmap(pixmap);
}

}  // namespace gadget_layer

}  // namespace brindle
