// Looking at controls and windows from tests.

#include <QApplication>
#include <QComboBox>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>

#include "gadgets/gadget_testing.h"
#include "gadgets/qt/app_window.h"
#include "gadgets/qt/gadget_table.h"

namespace brindle {

using namespace gadget_layer;

GadgetId FocusedGadget() {
  QWidget* focus = QApplication::focusWidget();
  if (focus == nullptr && QApplication::activeWindow() != nullptr) {
    focus = QApplication::activeWindow()->focusWidget();
  }
  return focus != nullptr ? GadgetIdOf(focus) : -1;
}

bool GadgetReadOnly(GadgetId id) {
  if (auto* edit = GadgetAs<QLineEdit>(id, ControlKind::EditField)) return edit->isReadOnly();
  if (auto* area = GadgetAs<QPlainTextEdit>(id, ControlKind::TextArea)) return area->isReadOnly();
  const GadgetRecord* record = FindGadget(id);
  return record != nullptr && record->readOnly;
}

std::string CaptionLabelOf(GadgetId id) {
  const GadgetRecord* record = FindGadget(id);
  if (record == nullptr || record->widget->parentWidget() == nullptr) return {};
  for (const QLabel* label :
       record->widget->parentWidget()->findChildren<QLabel*>(Qt::FindDirectChildrenOnly)) {
    if (label->buddy() == record->widget) return label->text().toStdString();
  }
  return {};
}

bool GadgetEnabled(GadgetId id) {
  GadgetRecord* record = FindGadget(id);
  return record != nullptr && record->widget != nullptr && record->widget->isEnabled();
}

std::string ToolTipOf(GadgetId id) {
  GadgetRecord* record = FindGadget(id);
  return record != nullptr ? record->toolTip : std::string();
}

std::string AccessibleNameOf(GadgetId id) {
  QWidget* widget = GadgetWidget(id);
  return widget != nullptr ? widget->accessibleName().toStdString() : std::string();
}

int ComboItemCount(GadgetId id) {
  auto* combo = GadgetAs<QComboBox>(id, ControlKind::ComboBox);
  return combo != nullptr ? combo->count() : 0;
}

std::string ComboItemText(GadgetId id, int index) {
  auto* combo = GadgetAs<QComboBox>(id, ControlKind::ComboBox);
  if (combo == nullptr || index < 0 || index >= combo->count()) return {};
  return combo->itemText(index).toStdString();
}

GadgetRect GadgetGeometry(GadgetId id) {
  QWidget* widget = GadgetWidget(id);
  if (widget == nullptr) return {};
  const QRect r = widget->geometry();
  return {r.x(), r.y(), r.width(), r.height()};
}

unsigned PaintedColour(WindowId windowId, int x, int y) {
  AppWindow* window = FindAppWindow(windowId);
  if (window == nullptr) return 0;
  const QImage image = window->ClientArea()->grab().toImage();
  return image.valid(x, y) ? image.pixel(x, y) & 0xFFFFFFu : 0;
}

bool WindowActive(WindowId id) {
  AppWindow* window = FindAppWindow(id);
  return window != nullptr && window->isActiveWindow();
}

bool WindowEnabled(WindowId id) {
  AppWindow* window = FindAppWindow(id);
  return window != nullptr && window->isEnabled();
}

std::string WindowTitle(WindowId id) {
  AppWindow* window = FindAppWindow(id);
  return window != nullptr ? window->windowTitle().toStdString() : std::string();
}

namespace {

// A menu's items in order, their access-letter marks left out: "-" for a
// separator, a submenu as its title with its items in brackets.
std::string MenuItemTexts(const QList<QAction*>& actions) {
  std::string texts;
  for (const QAction* action : actions) {
    if (!texts.empty()) texts += ", ";
    if (action->isSeparator()) {
      texts += "-";
      continue;
    }
    texts += action->text().remove('&').toStdString();
    if (action->menu() != nullptr) texts += " [" + MenuItemTexts(action->menu()->actions()) + "]";
  }
  return texts;
}

}  // namespace

std::string MenuTexts(WindowId id) {
  AppWindow* window = FindAppWindow(id);
  if (window == nullptr || window->MenuBar() == nullptr) return {};
  return MenuItemTexts(window->MenuBar()->actions());
}

int ControlCount(WindowId id) {
  AppWindow* window = FindAppWindow(id);
  if (window == nullptr) return 0;
  return static_cast<int>(
      window->ClientArea()->findChildren<QWidget*>(Qt::FindDirectChildrenOnly).size());
}

}  // namespace brindle
