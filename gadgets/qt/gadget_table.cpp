#include "gadgets/qt/gadget_table.h"

#include "gadgets/qt/app_window.h"

namespace brindle {

namespace gadget_layer {

GadgetRecord::~GadgetRecord() {
  delete widget.data();
}

AppWindowRecord::~AppWindowRecord() {
  delete window.data();
}

void AppWindowRecord::ReportPendingUserChange() {
  if (!window.isNull()) window->ReportPendingUserChange();
}

GadgetRecord* FindGadget(GadgetId id) {
  auto* record = static_cast<GadgetRecord*>(FindControl(id));
  return record != nullptr && !record->widget.isNull() ? record : nullptr;
}

QWidget* GadgetWidget(GadgetId id, ControlKind kind) {
  GadgetRecord* record = FindGadget(id);
  if (record == nullptr) return nullptr;
  if (kind != ControlKind::None && record->kind != kind) return nullptr;
  return record->widget.data();
}

GadgetId GadgetIdOf(const QWidget* widget) {
  for (const QWidget* w = widget; w != nullptr && !w->isWindow(); w = w->parentWidget()) {
    for (const auto& [id, control] : AllControls()) {
      if (static_cast<const GadgetRecord&>(*control).widget.data() == w) return id;
    }
  }
  return -1;
}

AppWindow* FindAppWindow(WindowId id) {
  auto* record = static_cast<AppWindowRecord*>(FindWindowEntry(id));
  return record != nullptr ? record->window.data() : nullptr;
}

WindowId WindowIdOf(const QWidget* widget) {
  if (widget == nullptr) return -1;
  const QWidget* top = widget->window();
  for (const auto& [id, entry] : AllWindows()) {
    if (static_cast<const AppWindowRecord&>(*entry).window.data() == top) return id;
  }
  return -1;
}

}  // namespace gadget_layer

}  // namespace brindle
