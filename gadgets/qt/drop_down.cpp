#include "gadgets/qt/drop_down.h"

#include <QAbstractItemView>
#include <QStyle>

#include "gadgets/gadget_rules.h"

namespace brindle {

DropDown::DropDown(QWidget* parent) : QComboBox(parent) {
  setEditable(false);
  // Show as many entries as fit in the height limit; showPopup cuts the rest
  // off with a scroll bar.
  setMaxVisibleItems(1000);
  view()->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
}

void DropDown::showPopup() {
  QComboBox::showPopup();
  // The list's frame is the view's window.
  QWidget* list = view()->window();
  if (list == this->window()) return;
  QRect frame = list->geometry();
  // Cut to the height limit; the view scrolls to the entries left out.
  const bool upwards = frame.center().y() < mapToGlobal(rect().center()).y();
  const gadget_layer::ListSpan cut =
      gadget_layer::CutListToHeight({frame.top(), frame.height()}, upwards);
  frame.setTop(cut.top);
  frame.setHeight(cut.height);
  // Wide enough for the longest entry ("Fraction Fahrenheit"), even where the
  // closed control is narrower.
  const int scrollBar = frame.height() < list->geometry().height()
                            ? style()->pixelMetric(QStyle::PM_ScrollBarExtent)
                            : 0;
  const int wanted = view()->sizeHintForColumn(0) + 2 * view()->frameWidth() + scrollBar +
                     (list->width() - view()->width());
  if (frame.width() < wanted) frame.setWidth(wanted);
  list->setGeometry(frame);
}

}  // namespace brindle
