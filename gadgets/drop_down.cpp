#include "gadgets/drop_down.h"

#include <QAbstractItemView>

DropDown::DropDown(QWidget* parent) : QComboBox(parent) {
  setEditable(false);
  // Show as many entries as fit in the height limit; showPopup cuts the rest
  // off with a scroll bar.
  setMaxVisibleItems(1000);
  view()->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
}

void DropDown::showPopup() {
  QComboBox::showPopup();
  // The list's frame is the view's window. Cut it to the limit on the side away
  // from the control; the view scrolls to the entries left out.
  QWidget* list = view()->window();
  if (list == this->window() || list->height() <= kMaxListHeight) return;
  QRect frame = list->geometry();
  if (frame.center().y() < mapToGlobal(rect().center()).y()) {
    frame.setTop(frame.bottom() + 1 - kMaxListHeight);  // opened upwards: keep the bottom
  } else {
    frame.setHeight(kMaxListHeight);
  }
  list->setGeometry(frame);
}
