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
class QMenuBar;
class QWindow;

class AppWindow : public QWidget {
 public:
  AppWindow(WindowId id, unsigned frameFlags);
  ~AppWindow() override;

  bool Resizable() const { return (frameFlags_ & kSizingBorder) != 0; }
  QWidget* ClientArea() const { return client_; }

  // Replaces the menu bar (nullptr removes it); the window's size stays, the
  // client area shrinks by the bar's height.
  void SetMenuBar(QMenuBar* bar);
  QMenuBar* MenuBar() const { return menuBar_; }
  std::map<MenuItemId, QPointer<QAction>>& MenuItems() { return menuItems_; }

  GadgetId enterGadget = -1;
  bool smartRefresh = false;

  // The outer corner the program knows: last reported, or where it put the
  // window itself (while the window manager may still be carrying that out).
  QPoint Corner() const;
  QSize KnownSize() const;
  // The outer corner where the window stands now.
  QPoint OuterCorner() const;
  // Puts the outer corner at (left, top) and the inner area at width x height,
  // as the program's own change (no MoveEvent or SizeEvent). Only what differs
  // from what the program knows is changed: a move the user made and that is
  // not reported yet stays. A window without sizing border keeps the size fixed.
  void Place(int left, int top, int width, int height);
  // Re-creates the native window with or without "stays on top", keeping its
  // place, size and visibility.
  void SetTopmost(bool on);
  // The program has created the window at this corner and size.
  void Created(QPoint corner, QSize size);
  // Whether a change the program made is still being carried out.
  bool Settling() const { return tracker_.Settling(); }
  // Call after showing: follows the native window's exposure from now on.
  void WatchNativeWindow();
  // Whether the window is shown where the program put it, so that a user could
  // take hold of it (and what the user does with it counts as the user's).
  bool ReadyForUser() const {
    return !awaitingExpose_ && isVisible() && (!Settling() || tracker_.Arrived());
  }
  // Reports a move or resize of the user's that is waiting for the window to
  // come to rest, now: the user's actions are reported in the order made.
  void ReportPendingUserChange();

 protected:
  void closeEvent(QCloseEvent* event) override;
  void moveEvent(QMoveEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void paintEvent(QPaintEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void LayOutChildren();
  void ApplySizeLimits(int width, int height);
  void ProgramPlaces(QPoint corner, QSize size, bool moves, bool sizes, bool remapped);
  void CameToRest();
  void GeometryReported();
  gadget_layer::WindowGeometry Current() const;

  WindowId id_;
  unsigned frameFlags_;
  QWidget* client_;
  QMenuBar* menuBar_ = nullptr;
  std::map<MenuItemId, QPointer<QAction>> menuItems_;
  QTimer restTimer_;
  gadget_layer::GeometryTracker tracker_;
  bool awaitingExpose_ = false;
  QPointer<QWindow> watchedNative_;
  int settleWaits_ = 0;
};
