#pragma once
// Inside the gadget layer only, and free of the toolkit: the one table of the
// program's window and control ids that every back end keeps its controls in.
// A back end records what it made for an id in a type derived from these
// entries; destroying the entry destroys what it made. Forgetting an id drops
// the events queued for it, so that the program never acts on an id that now
// names a different control or window.

#include <map>
#include <memory>
#include <string>

#include "gadgets/gadgets.h"

namespace brindle {

namespace gadget_layer {

struct ControlEntry {
  virtual ~ControlEntry() = default;
  ControlKind kind = ControlKind::None;
  WindowId window = -1;
  std::string toolTip;  // as the program gave it
};

struct WindowEntry {
  virtual ~WindowEntry() = default;
  // Reports now a move or resize of the user's that waits for the window to
  // come to rest, as a click or key of the user's is about to be queued.
  virtual void ReportPendingUserChange() {}
};

using ControlTable = std::map<GadgetId, std::unique_ptr<ControlEntry>>;
using WindowTable = std::map<WindowId, std::unique_ptr<WindowEntry>>;

const ControlTable& AllControls();
const WindowTable& AllWindows();
ControlEntry* FindControl(GadgetId id);
WindowEntry* FindWindowEntry(WindowId id);

// Records the control under its id, destroying a control that had it.
ControlEntry& RememberControl(GadgetId id, std::unique_ptr<ControlEntry> control);
// Records the window under its id and makes it the one that receives new
// controls, destroying a window that had the id.
WindowEntry& RememberWindow(WindowId id, std::unique_ptr<WindowEntry> window);
// Takes the control out of the table, drops its queued events and destroys it.
void ForgetControl(GadgetId id);
// Destroys the window's controls, then the window; its queued events are dropped.
void ForgetWindow(WindowId id);

// The window that receives newly created controls, or -1.
WindowId ControlWindow();

}  // namespace gadget_layer

}  // namespace brindle
