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

namespace brindle {

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

  // The outer corner and inner size the program knows: asked for, or last
  // reported.
  const gadget_layer::WindowGeometry& Known() const { return tracker_.Known(); }
  // The outer corner where the window stands now.
  QPoint OuterCorner() const;
  // Puts the outer corner at (left, top) and the inner area at width x height,
  // as the program's own change (no MoveEvent or SizeEvent). A move the user
  // made and that is not reported yet is reported now and stays: the program
  // never puts back a window the user moved. A window without sizing border
  // keeps the size fixed.
  void Place(int left, int top, int width, int height);
  // Keeps the window above all others or stops doing so. A shown window is
  // re-created by the toolkit for it, where it stands.
  void SetTopmost(bool on);
  // The program has created the window at this corner and size; it is shown
  // once the program next waits for input, with the geometry it has by then.
  void Created(QPoint corner, QSize size);
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
  void ShowNow();
  void LayOutChildren();
  void ApplySizeLimits(int width, int height);
  // Asks the window system for the known corner and/or size.
  void Ask(bool moves, bool sizes);
  void Observe(gadget_layer::GeometryInput input);
  // Carries out what the geometry tracker answered.
  void Carry(const gadget_layer::GeometryActions& actions);
  gadget_layer::WindowGeometry Current() const;
  gadget_layer::FrameOffset Frame() const;
  void WatchNativeWindow();

  WindowId id_;
  unsigned frameFlags_;
  QWidget* client_;
  QMenuBar* menuBar_ = nullptr;
  std::map<MenuItemId, QPointer<QAction>> menuItems_;
  QTimer restTimer_;
  gadget_layer::GeometryTracker tracker_;
  QPointer<QWindow> watchedNative_;
};

}  // namespace brindle
