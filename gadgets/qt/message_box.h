#pragma once
// Inside the gadget layer only: a look into the message box while it is open,
// for the testing library.

#include <functional>

class QMessageBox;

namespace gadget_layer {

// Called once each time a message box has opened, from inside its own modal
// loop; the box is open and blocks every other window while it runs.
void SetMessageBoxWatcher(std::function<void(QMessageBox&)> watcher);
// The box open now, or nullptr.
QMessageBox* OpenMessageBox();
// How many message boxes ShowMessage has opened so far.
int MessageBoxesShown();

}  // namespace gadget_layer
