#pragma once
// Inside the gadget layer only: a top-level window of the program. Its inner
// area holds an optional menu bar on top and, below it, the client area in
// which the program's controls live at pixel positions.

#include <QPointer>
#include <QTimer>
#include <QWidget>
#include <map>

#include "gadgets/gadgets.h"
#include "gadgets/window_geometry.h"

class QAction;
class QMenu;
class QMenuBar;

class AppWindow : public QWidget {
 public:
  AppWindow(WindowId id, unsigned frameFlags);
  ~AppWindow() override;

  WindowId Id() const { return id_; }
  unsigned FrameFlags() const { return frameFlags_; }
  bool Resizable() const { return (frameFlags_ & kSizingBorder) != 0; }
  QWidget* ClientArea() const { return client_; }

  // Replaces the menu bar (nullptr removes it); the window's size stays, the
  // client area shrinks by the bar's height.
  void SetMenuBar(QMenuBar* bar);
  QMenuBar* MenuBar() const { return menuBar_; }
  int MenuBarPixels() const;
  std::map<MenuItemId, QPointer<QAction>>& MenuItems() { return menuItems_; }

  GadgetId enterGadget = -1;
  bool smartRefresh = false;

  // The outer corner: where the program last put it while the window manager
  // is still carrying that out, else where the window stands.
  QPoint Corner() const;
  // Puts the outer corner at (left, top) and the inner area at width x height,
  // as the program's own change (no MoveEvent or SizeEvent). A window without
  // sizing border keeps the new size fixed.
  void Place(int left, int top, int width, int height);
  // Re-creates the native window with or without "stays on top", keeping its
  // place, size and visibility.
  void SetTopmost(bool on);
  // The program is about to put the window's outer corner at `corner` and size
  // its inner area; `remapped` when the native window will be (re)mapped. The
  // change settles once the window is shown and stands there (or has had
  // ample time to).
  void BeginProgramChange(QPoint corner, QSize size, bool remapped);
  // Whether a change the program made is still being carried out.
  bool Settling() const { return tracker_.Settling(); }

 protected:
  void closeEvent(QCloseEvent* event) override;
  void moveEvent(QMoveEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void paintEvent(QPaintEvent* event) override;

 private:
  void LayOutChildren();
  void ApplySizeLimits(int width, int height);
  void CameToRest();

  WindowId id_;
  unsigned frameFlags_;
  QWidget* client_;
  QMenuBar* menuBar_ = nullptr;
  std::map<MenuItemId, QPointer<QAction>> menuItems_;
  QTimer restTimer_;
  gadget_layer::GeometryTracker tracker_;
  QPoint wantedCorner_;
  QSize wantedSize_;
  bool awaitingExpose_ = false;
  int settleWaits_ = 0;
};
