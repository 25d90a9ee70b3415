#pragma once
// Inside the gadget layer only: the one font of every control, and the height
// of a menu bar drawn with it.

#include <QFont>

namespace brindle {

namespace gadget_layer {

// The application font: the first installed family of a narrow sans-serif
// chain at the pixel size that lets every caption of the program fit its box.
QFont ChooseGadgetFont();
// The fixed-pitch font of multi-line text areas.
QFont TextAreaFont();
// Height of a one-line menu bar with the application font; every menu bar of
// the program is given exactly this height. 0 before InitGadgets.
int MenuBarPixelHeight();

}  // namespace gadget_layer

}  // namespace brindle
