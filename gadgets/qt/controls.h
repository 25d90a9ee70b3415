#pragma once
// Inside the gadget layer only: helpers shared by the control operations.

#include <QString>
#include <string>

#include "gadgets/qt/gadget_table.h"

namespace brindle {

namespace gadget_layer {

inline QString ToQt(const std::string& text) {
  return QString::fromStdString(text);
}

// Whether the control's own text is what a screen reader should announce.
bool NamedByOwnText(ControlKind kind);
// Gives the control its default accessible name unless the program chose one.
void UpdateDefaultAccessibleName(GadgetRecord& record);

}  // namespace gadget_layer

}  // namespace brindle
