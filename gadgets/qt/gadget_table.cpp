#include "gadgets/qt/gadget_table.h"

#include "gadgets/qt/app_window.h"
#include "gadgets/qt/event_queue.h"

namespace gadget_layer {
namespace {

std::map<GadgetId, GadgetRecord>& Gadgets() {
  static std::map<GadgetId, GadgetRecord> gadgets;
  return gadgets;
}

std::map<WindowId, QPointer<AppWindow>>& Windows() {
  static std::map<WindowId, QPointer<AppWindow>> windows;
  return windows;
}

WindowId g_controlWindow = -1;

}  // namespace

GadgetRecord* FindGadget(GadgetId id) {
  auto it = Gadgets().find(id);
  if (it == Gadgets().end() || it->second.widget.isNull()) return nullptr;
  return &it->second;
}

QWidget* GadgetWidget(GadgetId id, ControlKind kind) {
  GadgetRecord* record = FindGadget(id);
  if (record == nullptr) return nullptr;
  if (kind != ControlKind::None && record->kind != kind) return nullptr;
  return record->widget.data();
}

GadgetId GadgetIdOf(const QWidget* widget) {
  for (const QWidget* w = widget; w != nullptr && !w->isWindow(); w = w->parentWidget()) {
    for (const auto& [id, record] : Gadgets()) {
      if (record.widget.data() == w) return id;
    }
  }
  return -1;
}

void RememberGadget(GadgetId id, GadgetRecord record) {
  DeleteGadget(id);
  Gadgets()[id] = std::move(record);
}

void DeleteGadget(GadgetId id) {
  auto it = Gadgets().find(id);
  if (it == Gadgets().end()) return;
  // Take the widget out of the table before deleting it, so that nothing the
  // toolkit does during the deletion finds a half-destroyed control by its id.
  QPointer<QWidget> widget = it->second.widget;
  Gadgets().erase(it);
  DropGadgetEvents(id);
  delete widget.data();
}

const std::map<GadgetId, GadgetRecord>& AllGadgets() {
  return Gadgets();
}

AppWindow* FindAppWindow(WindowId id) {
  auto it = Windows().find(id);
  if (it == Windows().end()) return nullptr;
  return it->second.data();
}

void RememberAppWindow(WindowId id, AppWindow* window) {
  DeleteAppWindow(id);
  Windows()[id] = window;
}

void DeleteAppWindow(WindowId id) {
  auto it = Windows().find(id);
  if (it == Windows().end()) return;
  QPointer<AppWindow> window = it->second;
  Windows().erase(it);
  // Its controls die with it: free their ids first.
  for (auto g = Gadgets().begin(); g != Gadgets().end();) {
    if (g->second.window == id) {
      DropGadgetEvents(g->first);
      g = Gadgets().erase(g);
    } else {
      ++g;
    }
  }
  DropWindowEvents(id);
  if (g_controlWindow == id) g_controlWindow = -1;
  delete window.data();
}

const std::map<WindowId, QPointer<AppWindow>>& AllAppWindows() {
  return Windows();
}

WindowId WindowIdOf(const QWidget* widget) {
  if (widget == nullptr) return -1;
  const QWidget* top = widget->window();
  for (const auto& [id, window] : Windows()) {
    if (window.data() == top) return id;
  }
  return -1;
}

WindowId ControlWindow() {
  return g_controlWindow;
}
void SetControlWindow(WindowId id) {
  g_controlWindow = id;
}

}  // namespace gadget_layer
