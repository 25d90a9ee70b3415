// Window operations of the gadget layer: top-level windows by id.

#include <QApplication>
#include <QMenuBar>

#include "gadgets/app_window.h"
#include "gadgets/gadget_font.h"
#include "gadgets/gadget_table.h"
#include "gadgets/gadgets.h"

using namespace gadget_layer;

bool CreateAppWindow(WindowId id, int x, int y, int width, int height, const std::string& title,
                     unsigned flags) {
  if (QApplication::instance() == nullptr) return false;
  DeleteAppWindow(id);
  auto* window = new AppWindow(id, flags);
  window->setWindowTitle(QString::fromStdString(title));
  width = ClampSize(width);
  height = ClampSize(height);
  window->resize(width, height);
  if ((flags & kSizingBorder) == 0) window->setFixedSize(width, height);
  // Before the window is shown, a move places its frame corner.
  const QPoint corner(ClampCoordinate(x), ClampCoordinate(y));
  window->move(corner);
  RememberAppWindow(id, window);
  SetControlWindow(id);
  window->Created(corner, QSize(width, height));
  window->show();
  window->WatchNativeWindow();
  window->raise();
  window->activateWindow();
  return true;
}

void DestroyAppWindow(WindowId id) {
  DeleteAppWindow(id);
}

bool WindowExists(WindowId id) {
  return FindAppWindow(id) != nullptr;
}

void PlaceWindow(WindowId id, int x, int y, int width, int height) {
  AppWindow* window = FindAppWindow(id);
  if (window == nullptr) return;
  const QPoint corner = window->Corner();
  const QSize size = window->KnownSize();
  window->Place(x == kUnchanged ? corner.x() : ClampCoordinate(x),
                y == kUnchanged ? corner.y() : ClampCoordinate(y),
                width == kUnchanged ? size.width() : ClampSize(width),
                height == kUnchanged ? size.height() : ClampSize(height));
}

void SetWindowTitle(WindowId id, const std::string& title) {
  if (AppWindow* window = FindAppWindow(id)) window->setWindowTitle(QString::fromStdString(title));
}

std::string WindowTitle(WindowId id) {
  AppWindow* window = FindAppWindow(id);
  return window != nullptr ? window->windowTitle().toStdString() : std::string();
}

int WindowLeft(WindowId id) {
  AppWindow* window = FindAppWindow(id);
  return window != nullptr ? window->OuterCorner().x() : 0;
}

int WindowTop(WindowId id) {
  AppWindow* window = FindAppWindow(id);
  return window != nullptr ? window->OuterCorner().y() : 0;
}

int InnerWidth(WindowId id) {
  AppWindow* window = FindAppWindow(id);
  return window != nullptr ? window->width() : 0;
}

int InnerHeight(WindowId id) {
  // The window's inner area holds the menu bar, so its height already counts it.
  AppWindow* window = FindAppWindow(id);
  return window != nullptr ? window->height() : 0;
}

void SetWindowEnabled(WindowId id, bool enabled) {
  if (AppWindow* window = FindAppWindow(id)) window->setEnabled(enabled);
}

bool WindowEnabled(WindowId id) {
  AppWindow* window = FindAppWindow(id);
  return window != nullptr && window->isEnabled();
}

void SetWindowTopmost(WindowId id, bool on) {
  if (AppWindow* window = FindAppWindow(id)) window->SetTopmost(on);
}

void ActivateWindow(WindowId id) {
  AppWindow* window = FindAppWindow(id);
  if (window == nullptr) return;
  window->raise();
  window->activateWindow();
}

void SetSmartRefresh(WindowId id, bool on) {
  // The toolkit paints every window into a back buffer and shows it whole, so
  // a resize never shows a half-erased window; the setting is only kept.
  if (AppWindow* window = FindAppWindow(id)) window->smartRefresh = on;
}

void UseWindowForControls(WindowId id) {
  SetControlWindow(id);
}

int MenuBarHeight() {
  return gadget_layer::MenuBarPixelHeight();
}
