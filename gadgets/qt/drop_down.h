#pragma once
// Inside the gadget layer only: the ComboBox control, a drop-down list that
// cannot be typed into, whose opened list is at most kMaxListHeight pixels
// high (gadget_rules.h).

#include <QComboBox>

namespace brindle {

class DropDown : public QComboBox {
 public:
  explicit DropDown(QWidget* parent);
  void showPopup() override;
};

}  // namespace brindle
