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
  const gadget_layer::WindowGeometry& known = tracker_.Known();
  return QPoint(known.left, known.top);
}

QSize AppWindow::KnownSize() const {
  const gadget_layer::WindowGeometry& known = tracker_.Known();
  return QSize(known.width, known.height);
}

QPoint AppWindow::OuterCorner() const {
  // The native window's own frame position is kept up to date with the frame
  // the window manager adds; the widget's copy may lag behind it.
  if (windowHandle() != nullptr && windowHandle()->handle() != nullptr) {
    return windowHandle()->framePosition();
  }
  return frameGeometry().topLeft();
}

gadget_layer::WindowGeometry AppWindow::Current() const {
  const QPoint corner = OuterCorner();
  return {corner.x(), corner.y(), width(), height()};
}

void AppWindow::Created(QPoint corner, QSize size) {
  ProgramPlaces(corner, size, true, true, true);
}

void AppWindow::Place(int left, int top, int width, int height) {
  const QPoint corner(left, top);
  const QSize size(width, height);
  // While an earlier change is still under way, the window may not stand
  // where it was asked to yet: ask again.
  const bool moves = corner != Corner() || Settling();
  const bool sizes = size != KnownSize() || Settling();
  ProgramPlaces(corner, size, moves, sizes, false);
  if (sizes) {
    // Lift a fixed size first so that the new one is not clamped to the old.
    setMinimumSize(0, 0);
    setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
    resize(size);
    ApplySizeLimits(width, height);
  }
  // Placed by the frame corner, after the resize: right even before the window
  // manager has framed a new window, where placing the inner area by a frame
  // offset not yet known, or resizing alone, leaves the frame short by its
  // border and title bar.
  if (moves) {
    if (windowHandle() != nullptr) {
      windowHandle()->setFramePosition(corner);
    } else {
      move(corner);
    }
  }
}

void AppWindow::SetTopmost(bool on) {
  if (windowFlags().testFlag(Qt::WindowStaysOnTopHint) == on) return;
  // Flush a pending user move first: the window is re-shown where it stands.
  ReportPendingUserChange();
  const QPoint corner = Settling() ? Corner() : OuterCorner();
  const bool wasVisible = isVisible();
  const bool wasActive = isActiveWindow();
  ProgramPlaces(corner, size(), true, true, wasVisible);
  // Changing the flags hides the window and gives it a new native window.
  setWindowFlag(Qt::WindowStaysOnTopHint, on);
  move(corner);  // before showing, a move places the frame corner
  if (wasVisible) show();
  WatchNativeWindow();
  if (wasActive) activateWindow();
}

void AppWindow::ProgramPlaces(QPoint corner, QSize size, bool moves, bool sizes, bool remapped) {
  if (!moves && !sizes && !remapped) return;
  tracker_.ProgramPlaces({corner.x(), corner.y(), size.width(), size.height()}, moves, sizes);
  if (remapped) awaitingExpose_ = true;
  settleWaits_ = 0;
  restTimer_.start();
}

void AppWindow::ReportPendingUserChange() {
  // Only a user's change can be pending outside the program's own changes.
  if (!restTimer_.isActive() || Settling()) return;
  restTimer_.stop();
  CameToRest();
}

void AppWindow::CameToRest() {
  if (!isVisible() && !Settling()) return;
  gadget_layer::UserChanges changes;
  const bool mayWait = ++settleWaits_ < kMaxSettleWaits;
  const bool shown = !awaitingExpose_ && isVisible();
  if (tracker_.CameToRest(Current(), shown, mayWait, changes) ==
      gadget_layer::GeometryTracker::Rest::WaitLonger) {
    // A window placed while the window manager was still framing it can stand
    // with its inner corner where its frame corner belongs: place it again,
    // now that the frame is known.
    if (shown && windowHandle() != nullptr && tracker_.MoveOutstanding(Current())) {
      // By the inner corner: a frame-corner request the window manager already
      // answered wrongly once would be answered the same way again.
      const QMargins frame = windowHandle()->frameMargins();
      windowHandle()->setPosition(Corner() + QPoint(frame.left(), frame.top()));
    }
    restTimer_.start();
    return;
  }
  settleWaits_ = 0;
  awaitingExpose_ = false;
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
  GeometryReported();
}

void AppWindow::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  LayOutChildren();
  GeometryReported();
}

void AppWindow::paintEvent(QPaintEvent* event) {
  QWidget::paintEvent(event);
  // Painted: shown on the screen.
  if (awaitingExpose_) {
    awaitingExpose_ = false;
    GeometryReported();
  }
}

void AppWindow::WatchNativeWindow() {
  QWindow* native = windowHandle();
  if (native == nullptr || native == watchedNative_) return;
  native->installEventFilter(this);
  watchedNative_ = native;
}

bool AppWindow::eventFilter(QObject* watched, QEvent* event) {
  // Exposed: mapped and shown on the screen, which the painting follows.
  if (watched == watchedNative_ && event->type() == QEvent::Expose && awaitingExpose_ &&
      watchedNative_->isExposed()) {
    awaitingExpose_ = false;
    GeometryReported();
  }
  return QWidget::eventFilter(watched, event);
}

void AppWindow::GeometryReported() {
  if (!awaitingExpose_ && isVisible()) tracker_.Observe(Current());
  restTimer_.start();
}
