// Window operations of the gadget layer: top-level windows by id.

#include <QApplication>
#include <QMenuBar>
#include <QScreen>
#include <QWindow>
#include <algorithm>
#include <memory>
#include <vector>

#include "gadgets/gadget_rules.h"
#include "gadgets/gadgets.h"
#include "gadgets/qt/app_window.h"
#include "gadgets/qt/gadget_font.h"
#include "gadgets/qt/gadget_table.h"
#include "gadgets/window_placement.h"

namespace brindle {

using namespace gadget_layer;

namespace {

// The frame of the last window seen framed; a window not framed yet is
// judged with it. Before any, a frame as thick as common window managers'.
QMargins& LastFrame() {
  static QMargins frame(4, 24, 4, 4);
  return frame;
}

// The corner at which a window of this inner size keeps its title bar within
// the user's reach: the one asked for, or one on the nearest screen.
QPoint ReachableCorner(const AppWindow* window, QPoint corner, QSize inner) {
  if (window->windowHandle() != nullptr && window->windowHandle()->handle() != nullptr) {
    const QMargins frame = window->windowHandle()->frameMargins();
    if (!frame.isNull()) LastFrame() = frame;
  }
  const QMargins frame = LastFrame();
  std::vector<ScreenRect> areas;
  for (const QScreen* screen : QGuiApplication::screens()) {
    const QRect area = screen->availableGeometry();
    areas.push_back({area.x(), area.y(), area.width(), area.height()});
  }
  const ScreenRect outer{corner.x(), corner.y(),
                         static_cast<long long>(inner.width()) + frame.left() + frame.right(),
                         static_cast<long long>(inner.height()) + frame.top() + frame.bottom()};
  const Corner reachable = gadget_layer::ReachableCorner(outer, frame.top(), areas);
  return QPoint(reachable.left, reachable.top);
}

}  // namespace

bool CreateAppWindow(WindowId id, int x, int y, int width, int height, const std::string& title,
                     unsigned flags) {
  if (QApplication::instance() == nullptr) return false;
  auto* window = new AppWindow(id, flags);
  window->setWindowTitle(QString::fromStdString(title));
  width = ClampSize(width);
  height = ClampSize(height);
  window->resize(width, height);
  if ((flags & kSizingBorder) == 0) window->setFixedSize(width, height);
  // Before the window is shown, a move places its frame corner.
  const QPoint corner =
      ReachableCorner(window, QPoint(ClampCoordinate(x), ClampCoordinate(y)), QSize(width, height));
  window->move(corner);
  auto record = std::make_unique<AppWindowRecord>();
  record->window = window;
  RememberWindow(id, std::move(record));
  window->Created(corner, QSize(width, height));
  return true;
}

void PlaceWindow(WindowId id, int x, int y, int width, int height) {
  AppWindow* window = FindAppWindow(id);
  if (window == nullptr) return;
  const gadget_layer::WindowGeometry& known = window->Known();
  const QSize size(ClampSize(width), ClampSize(height));
  QPoint corner(ClampCoordinate(x), ClampCoordinate(y));
  // Where the window stands stays; a new corner must leave the title bar in reach.
  if (corner != QPoint(known.left, known.top)) corner = ReachableCorner(window, corner, size);
  window->Place(corner.x(), corner.y(), size.width(), size.height());
}

void SetWindowTitle(WindowId id, const std::string& title) {
  if (AppWindow* window = FindAppWindow(id)) window->setWindowTitle(QString::fromStdString(title));
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

void SetWindowTopmost(WindowId id, bool on) {
  if (AppWindow* window = FindAppWindow(id)) window->SetTopmost(on);
}

void ActivateWindow(WindowId id) {
  AppWindow* window = FindAppWindow(id);
  if (window == nullptr) return;
  window->raise();
  window->activateWindow();
}

ScreenBox WindowFrame(WindowId id) {
  AppWindow* window = FindAppWindow(id);
  if (window == nullptr) return {};
  const QPoint corner = window->OuterCorner();
  QMargins frame = LastFrame();
  if (window->windowHandle() != nullptr && !window->windowHandle()->frameMargins().isNull())
    frame = window->windowHandle()->frameMargins();
  return {corner.x(), corner.y(), window->width() + frame.left() + frame.right(),
          window->height() + frame.top() + frame.bottom()};
}

ScreenBox WorkAreaOf(WindowId id) {
  const AppWindow* window = FindAppWindow(id);
  const QScreen* screen = window != nullptr ? window->screen() : QGuiApplication::primaryScreen();
  if (screen == nullptr) return {};
  const QRect area = screen->availableGeometry();
  return {area.x(), area.y(), area.width(), area.height()};
}

ScreenBox OuterSizeOf(int width, int height, unsigned) {
  // Every window of the program gets the same frame from the window manager.
  const QMargins frame = LastFrame();
  return {0, 0, ClampSize(width) + frame.left() + frame.right(),
          ClampSize(height) + frame.top() + frame.bottom()};
}

int MenuBarHeight() {
  return gadget_layer::MenuBarPixelHeight();
}

}  // namespace brindle
