#include "gadgets/qt/app_window.h"

#include <QCloseEvent>
#include <QMenuBar>
#include <QWindow>
#include <algorithm>

#include "gadgets/event_queue.h"

namespace brindle {

namespace {

// A move or resize counts once the window has stood still this long: a drag
// becomes one event, and the window manager's bursts are over.
constexpr int kRestMilliseconds = 250;

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
  QObject::connect(&restTimer_, &QTimer::timeout, this,
                   [this] { Observe(gadget_layer::GeometryInput::CameToRest); });
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

gadget_layer::FrameOffset AppWindow::Frame() const {
  if (windowHandle() == nullptr || windowHandle()->handle() == nullptr) return {};
  const QMargins frame = windowHandle()->frameMargins();
  return {frame.left(), frame.top()};
}

void AppWindow::Created(QPoint corner, QSize size) {
  tracker_.ProgramCreates({corner.x(), corner.y(), size.width(), size.height()});
  // Shown when the program next waits, so that the window manager maps it
  // once, at the place and size the program's start-up gave it, instead of
  // being asked to move and size a window it is still framing.
  QTimer::singleShot(0, this, [this] { ShowNow(); });
}

void AppWindow::ShowNow() {
  show();
  WatchNativeWindow();
  raise();
  activateWindow();
}

void AppWindow::Place(int left, int top, int width, int height) {
  Carry(tracker_.ProgramPlaces({left, top, width, height}, Current()));
}

void AppWindow::Ask(bool moves, bool sizes) {
  const gadget_layer::WindowGeometry& wanted = tracker_.Known();
  if (sizes) {
    // Lift a fixed size first so that the new one is not clamped to the old.
    setMinimumSize(0, 0);
    setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
    resize(wanted.width, wanted.height);
    ApplySizeLimits(wanted.width, wanted.height);
  }
  if (!moves) return;
  if (windowHandle() == nullptr || !isVisible()) {
    move(wanted.left, wanted.top);  // before showing, a move places the frame corner
    return;
  }
  // Placed by the frame corner, after the resize. Reading the frame first
  // has the toolkit turn the corner into the window manager's terms with the
  // frame as it is now, not with one it noted before the window was framed.
  windowHandle()->frameMargins();
  windowHandle()->setFramePosition(QPoint(wanted.left, wanted.top));
}

void AppWindow::SetTopmost(bool on) {
  if (windowFlags().testFlag(Qt::WindowStaysOnTopHint) == on) return;
  if (!isVisible()) {
    // Not shown yet: the window is mapped with the flag from the start.
    setWindowFlag(Qt::WindowStaysOnTopHint, on);
    return;
  }
  // Flush a pending user move first: the window is re-shown where it stands.
  ReportPendingUserChange();
  const gadget_layer::WindowGeometry now = tracker_.Placing() ? tracker_.Known() : Current();
  const bool wasActive = isActiveWindow();
  // Changing the flags hides the window and gives it a new native window.
  setWindowFlag(Qt::WindowStaysOnTopHint, on);
  tracker_.ProgramCreates(now);
  move(now.left, now.top);  // before showing, a move places the frame corner
  show();
  WatchNativeWindow();
  if (wasActive) activateWindow();
}

void AppWindow::ReportPendingUserChange() {
  Observe(gadget_layer::GeometryInput::InputArrives);
}

void AppWindow::Observe(gadget_layer::GeometryInput input) {
  if (!isVisible()) return;
  // The frame matters only to a placing of the program's own; every key the
  // user types passes here, so it is read only then.
  const bool placing =
      tracker_.Placing() || tracker_.State() == gadget_layer::GeometryState::Hidden;
  Carry(tracker_.Observe(input, Current(), placing ? Frame() : gadget_layer::FrameOffset{}));
}

void AppWindow::Carry(const gadget_layer::GeometryActions& actions) {
  Ask(actions.askMove, actions.askSize);
  if (actions.restartRestTimer) restTimer_.start();
  if (actions.reportMove) gadget_layer::QueueEvent(Event{EventKind::MoveEvent, id_, -1});
  if (actions.reportSize) gadget_layer::QueueEvent(Event{EventKind::SizeEvent, id_, -1});
}

void AppWindow::closeEvent(QCloseEvent* event) {
  // The program decides whether the window closes. A disabled window takes no
  // input, its close box included.
  event->ignore();
  if (isEnabled()) gadget_layer::QueueEvent(Event{EventKind::CloseEvent, id_, -1});
}

void AppWindow::moveEvent(QMoveEvent* event) {
  QWidget::moveEvent(event);
  Observe(gadget_layer::GeometryInput::Reported);
}

void AppWindow::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  LayOutChildren();
  Observe(gadget_layer::GeometryInput::Reported);
}

void AppWindow::paintEvent(QPaintEvent* event) {
  QWidget::paintEvent(event);
  // Painted: shown on the screen.
  if (tracker_.State() == gadget_layer::GeometryState::Hidden) {
    Observe(gadget_layer::GeometryInput::Shown);
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
  if (watched == watchedNative_ && event->type() == QEvent::Expose && watchedNative_->isExposed() &&
      tracker_.State() == gadget_layer::GeometryState::Hidden) {
    Observe(gadget_layer::GeometryInput::Shown);
  }
  return QWidget::eventFilter(watched, event);
}

}  // namespace brindle
