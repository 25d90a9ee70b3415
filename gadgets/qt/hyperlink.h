#pragma once
// Inside the gadget layer only: the Hyperlink control, one underlined line of
// text in a fixed colour with a pointing-hand cursor. A click counts when the
// mouse button that went down on it is let go over it.

#include <QLabel>
#include <functional>

namespace brindle {

class Hyperlink : public QLabel {
 public:
  Hyperlink(const QString& text, unsigned rgb, QWidget* parent);
  std::function<void()> onClick;

 protected:
  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;

 private:
  bool pressed_ = false;
};

}  // namespace brindle
