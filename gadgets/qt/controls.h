#pragma once
// Inside the gadget layer only: helpers shared by the control operations.

#include <QCheckBox>
#include <QString>
#include <string>

#include "gadgets/qt/gadget_table.h"

namespace brindle {

namespace gadget_layer {

inline QString ToQt(const std::string& text) {
  return QString::fromStdString(text);
}

// A check box that shows a result: it keeps the state the program gives it
// with Show. A click or Space comes to nextCheckState, which does nothing; a
// screen reader's toggle action, which sets the state directly, is undone.
// It still takes the focus, as a read-only field does, so that Tab through
// the results reads it out with its state.
class ResultBox : public QCheckBox {
 public:
  using QCheckBox::QCheckBox;
  void Show(bool checked);

 protected:
  void nextCheckState() override {}
  void checkStateSet() override;

 private:
  bool shown_ = false;
};

// Whether the control's own text is what a screen reader should announce.
bool NamedByOwnText(ControlKind kind);
// Gives the control its default accessible name unless the program chose one.
void UpdateDefaultAccessibleName(GadgetRecord& record);

}  // namespace gadget_layer

}  // namespace brindle
