#include "gadgets/app_window.h"

#include <QCloseEvent>
#include <QMenuBar>
#include <QWindow>
#include <algorithm>

#include "gadgets/event_queue.h"

namespace {

// A move or resize counts once the window has stood still this long: a drag
// becomes one event, and the window manager's bursts are over.
constexpr int kRestMilliseconds = 250;
// How many rest periods a program change waits at most for the window manager
// to show the window where it was asked to (it may refuse, or be slow).
constexpr int kMaxSettleWaits = 12;

Qt::WindowFlags QtFrameFlags(unsigned flags) {
  Qt::WindowFlags f = Qt::Window | Qt::CustomizeWindowHint;
  if (flags & kTitleBar) f |= Qt::WindowTitleHint;
  if (flags & kCloseBox) f |= Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint;
  if (flags & kMinimizeBox) f |= Qt::WindowMinimizeButtonHint;
  if (flags & kMaximizeBox) f |= Qt::WindowMaximizeButtonHint;
  return f;
}

}  // namespace

AppWindow::AppWindow(WindowId id, unsigned frameFlags)
    : QWidget(nullptr, QtFrameFlags(frameFlags)),
      id_(id),
      frameFlags_(frameFlags),
      client_(new QWidget(this)) {
  // Tool tips show whether or not the window is active.
  setAttribute(Qt::WA_AlwaysShowToolTips);
  restTimer_.setSingleShot(true);
  restTimer_.setInterval(kRestMilliseconds);
  QObject::connect(&restTimer_, &QTimer::timeout, this, [this] { CameToRest(); });
}

AppWindow::~AppWindow() = default;

void AppWindow::SetMenuBar(QMenuBar* bar) {
  if (menuBar_ != nullptr) {
    menuItems_.clear();
    delete menuBar_;
  }
  menuBar_ = bar;
  LayOutChildren();
}

int AppWindow::MenuBarPixels() const {
  return menuBar_ != nullptr ? menuBar_->height() : 0;
}

void AppWindow::LayOutChildren() {
  int barHeight = 0;
  if (menuBar_ != nullptr) {
    barHeight = std::min(MenuBarHeight(), height());
    menuBar_->setGeometry(0, 0, width(), barHeight);
  }
  client_->setGeometry(0, barHeight, width(), height() - barHeight);
}

void AppWindow::ApplySizeLimits(int width, int height) {
  if (Resizable()) {
    setMinimumSize(0, 0);
    setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
  } else {
    setFixedSize(width, height);
  }
}

QPoint AppWindow::Corner() const {
  return tracker_.Settling() ? wantedCorner_ : frameGeometry().topLeft();
}

void AppWindow::Place(int left, int top, int width, int height) {
  BeginProgramChange(QPoint(left, top), QSize(width, height), false);
  // Lift a fixed size first so that the new one is not clamped to the old.
  setMinimumSize(0, 0);
  setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
  if (width != this->width() || height != this->height()) resize(width, height);
  // Placed by the frame corner, after the resize and every time: right even
  // before the window manager has framed a new window, where placing the
  // inner area by a frame offset not yet known, or resizing alone, leaves the
  // frame short by its border and title bar.
  if (windowHandle() != nullptr) {
    windowHandle()->setFramePosition(wantedCorner_);
  } else {
    move(wantedCorner_);
  }
  ApplySizeLimits(width, height);
}

void AppWindow::SetTopmost(bool on) {
  if (windowFlags().testFlag(Qt::WindowStaysOnTopHint) == on) return;
  const QPoint framePos = Corner();
  const bool wasVisible = isVisible();
  const bool wasActive = isActiveWindow();
  BeginProgramChange(framePos, size(), wasVisible);
  // Changing the flags hides the window and gives it a new native window.
  setWindowFlag(Qt::WindowStaysOnTopHint, on);
  move(framePos);  // before showing, a move places the frame corner
  if (wasVisible) show();
  if (wasActive) activateWindow();
}

void AppWindow::BeginProgramChange(QPoint corner, QSize size, bool remapped) {
  wantedCorner_ = corner;
  wantedSize_ = size;
  tracker_.ProgramChangeStarted();
  if (remapped) awaitingExpose_ = true;
  settleWaits_ = 0;
  restTimer_.start();
}

void AppWindow::CameToRest() {
  const QRect frame = frameGeometry();
  if (tracker_.Settling()) {
    const bool arrived =
        !awaitingExpose_ && frame.topLeft() == wantedCorner_ && size() == wantedSize_;
    if (!arrived && ++settleWaits_ < kMaxSettleWaits) {
      restTimer_.start();
      return;
    }
    awaitingExpose_ = false;
  }
  if (!isVisible()) return;
  const gadget_layer::UserChanges changes =
      tracker_.CameToRest({frame.left(), frame.top(), width(), height()});
  if (changes.moved) gadget_layer::QueueEvent(Event{EventKind::MoveEvent, id_, -1, {}});
  if (changes.resized) gadget_layer::QueueEvent(Event{EventKind::SizeEvent, id_, -1, {}});
}

void AppWindow::closeEvent(QCloseEvent* event) {
  // The program decides whether the window closes. A disabled window takes no
  // input, its close box included.
  event->ignore();
  if (isEnabled()) gadget_layer::QueueEvent(Event{EventKind::CloseEvent, id_, -1, {}});
}

void AppWindow::moveEvent(QMoveEvent* event) {
  QWidget::moveEvent(event);
  restTimer_.start();
}

void AppWindow::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  LayOutChildren();
  restTimer_.start();
}

void AppWindow::paintEvent(QPaintEvent* event) {
  QWidget::paintEvent(event);
  // The first painting shows the window is mapped: its settling starts now.
  if (awaitingExpose_) {
    awaitingExpose_ = false;
    restTimer_.start();
  }
}
