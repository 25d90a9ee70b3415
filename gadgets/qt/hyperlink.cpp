#include "gadgets/qt/hyperlink.h"

#include <QMouseEvent>

namespace brindle {

Hyperlink::Hyperlink(const QString& text, unsigned rgb, QWidget* parent) : QLabel(text, parent) {
  setTextFormat(Qt::PlainText);
  setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
  setFocusPolicy(Qt::NoFocus);
  setCursor(Qt::PointingHandCursor);
  QFont underlined = font();
  underlined.setUnderline(true);
  setFont(underlined);
  // The same colour whatever the state: a link does not light up on hover.
  const QColor colour(QRgb(rgb & 0xFFFFFFu));
  QPalette pal = palette();
  for (QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
    pal.setColor(group, QPalette::WindowText, colour);
  }
  setPalette(pal);
}

void Hyperlink::mousePressEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton) pressed_ = true;
  event->accept();
}

void Hyperlink::mouseReleaseEvent(QMouseEvent* event) {
  const bool wasPressed = pressed_;
  if (event->button() == Qt::LeftButton) pressed_ = false;
  event->accept();
  if (wasPressed && event->button() == Qt::LeftButton &&
      rect().contains(event->position().toPoint()) && onClick) {
    onClick();
  }
}

}  // namespace brindle
