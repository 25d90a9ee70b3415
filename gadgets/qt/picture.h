#pragma once
// Inside the gadget layer only: a label showing the image of a drawing that
// suits the scale of the screen it stands on, chosen again when the window
// moves to a screen of another scale.

#include <QLabel>

#include "gadgets/gadgets.h"

namespace brindle {

namespace gadget_layer {

class Picture final : public QLabel {
 public:
  Picture(const PictureImages& images, QWidget* parent);

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  void ShowImageFor(qreal screenScale);

  PictureImages images_;
  qreal shownFor_ = 0;
};

}  // namespace gadget_layer

}  // namespace brindle
