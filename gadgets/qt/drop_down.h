#pragma once
// Inside the gadget layer only: the ComboBox control, a drop-down list that
// cannot be typed into, whose opened list is at most 350 pixels high.

#include <QComboBox>

class DropDown : public QComboBox {
 public:
  static constexpr int kMaxListHeight = 350;

  explicit DropDown(QWidget* parent);
  void showPopup() override;
};
