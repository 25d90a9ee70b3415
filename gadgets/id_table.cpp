#include "gadgets/id_table.h"

#include <utility>
#include <vector>

#include "gadgets/event_queue.h"

namespace brindle {

namespace gadget_layer {
namespace {

// Never destroyed: what is still open when the program ends is the toolkit's
// to clean up, not a static destructor's after the toolkit is gone.
ControlTable& Controls() {
  static auto* controls = new ControlTable;
  return *controls;
}

WindowTable& Windows() {
  static auto* windows = new WindowTable;
  return *windows;
}

WindowId g_controlWindow = -1;

}  // namespace

const ControlTable& AllControls() {
  return Controls();
}

const WindowTable& AllWindows() {
  return Windows();
}

ControlEntry* FindControl(GadgetId id) {
  auto it = Controls().find(id);
  return it != Controls().end() ? it->second.get() : nullptr;
}

WindowEntry* FindWindowEntry(WindowId id) {
  auto it = Windows().find(id);
  return it != Windows().end() ? it->second.get() : nullptr;
}

ControlEntry& RememberControl(GadgetId id, std::unique_ptr<ControlEntry> control) {
  ForgetControl(id);
  return *(Controls()[id] = std::move(control));
}

WindowEntry& RememberWindow(WindowId id, std::unique_ptr<WindowEntry> window) {
  ForgetWindow(id);
  g_controlWindow = id;
  return *(Windows()[id] = std::move(window));
}

void ForgetControl(GadgetId id) {
  auto it = Controls().find(id);
  if (it == Controls().end()) return;
  // Out of the table before it is destroyed, so that nothing the toolkit does
  // meanwhile finds a half-destroyed control by its id.
  std::unique_ptr<ControlEntry> control = std::move(it->second);
  Controls().erase(it);
  DropGadgetEvents(id);
  control.reset();
}

void ForgetWindow(WindowId id) {
  auto it = Windows().find(id);
  if (it == Windows().end()) return;
  std::vector<GadgetId> controls;
  for (const auto& [gadget, control] : Controls()) {
    if (control->window == id) controls.push_back(gadget);
  }
  for (GadgetId gadget : controls)
    ForgetControl(gadget);
  std::unique_ptr<WindowEntry> window = std::move(Windows()[id]);
  Windows().erase(id);
  DropWindowEvents(id);
  if (g_controlWindow == id) g_controlWindow = -1;
  window.reset();
}

WindowId ControlWindow() {
  return g_controlWindow;
}

}  // namespace gadget_layer

// The operations by id that need no toolkit.

bool WindowExists(WindowId id) {
  return gadget_layer::FindWindowEntry(id) != nullptr;
}

void DestroyAppWindow(WindowId id) {
  gadget_layer::ForgetWindow(id);
}

void UseWindowForControls(WindowId id) {
  gadget_layer::g_controlWindow = id;
}

bool GadgetExists(GadgetId id) {
  return gadget_layer::FindControl(id) != nullptr;
}

ControlKind GadgetKind(GadgetId id) {
  const gadget_layer::ControlEntry* control = gadget_layer::FindControl(id);
  return control != nullptr ? control->kind : ControlKind::None;
}

void DestroyGadget(GadgetId id) {
  gadget_layer::ForgetControl(id);
}

}  // namespace brindle
