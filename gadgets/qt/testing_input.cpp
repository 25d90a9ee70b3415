// Driving controls and windows from tests the way a user would: through the
// window system's input path, which a modal message box blocks; and looking at
// the next message box while it is open, then closing it with "OK".

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QMessageBox>
#include <QStringList>
#include <QTest>
#include <QTimer>
#include <QWindow>
#include <cstdio>
#include <utility>

#include "gadgets/gadget_testing.h"
#include "gadgets/qt/app_window.h"
#include "gadgets/qt/gadget_table.h"
#include "gadgets/qt/testing_support.h"

namespace brindle {

using namespace gadget_layer;

namespace {

std::function<void(const MessageBoxView&)>& PendingHandler() {
  static std::function<void(const MessageBoxView&)> handler;
  return handler;
}

int g_boxesShown = 0;

MessageBoxView ViewOf(const QMessageBox& box) {
  MessageBoxView view;
  view.title = box.windowTitle().toStdString();
  view.text = box.text().toStdString();
  QStringList texts;
  for (QAbstractButton* button : box.buttons())
    texts << button->text();
  view.buttons = texts.join(QLatin1Char('|')).toStdString();
  view.hasIcon = box.icon() != QMessageBox::NoIcon || !box.iconPixmap().isNull();
  return view;
}

void ClickOk(QMessageBox& box) {
  for (QAbstractButton* button : box.buttons()) {
    if (button->text() != QStringLiteral("OK") || box.windowHandle() == nullptr) continue;
    const QPoint centre = button->mapTo(&box, button->rect().center());
    QTest::mouseClick(box.windowHandle(), Qt::LeftButton, Qt::NoModifier, centre);
  }
  if (box.isVisible()) box.done(QMessageBox::Accepted);  // no OK button: still never hang
}

void WatchMessageBox(QMessageBox& box) {
  const MessageBoxView view = ViewOf(box);
  if (auto handler = std::exchange(PendingHandler(), {})) {
    handler(view);
  } else {
    std::fprintf(stderr, "message box with no handler armed: \"%s\" / \"%s\"\n", view.title.c_str(),
                 view.text.c_str());
  }
  ClickOk(box);
}

// Sees every message box of the program as it is shown, and looks into it
// from inside the box's own loop.
class MessageBoxWatcher : public QObject {
 public:
  using QObject::QObject;
  bool eventFilter(QObject* watched, QEvent* event) override {
    auto* box = qobject_cast<QMessageBox*>(watched);
    if (box != nullptr && event->type() == QEvent::Show) {
      ++g_boxesShown;
      QTimer::singleShot(0, box, [box] { WatchMessageBox(*box); });
    }
    return false;
  }
};

void InstallMessageBoxWatcher() {
  QCoreApplication::instance()->installEventFilter(new MessageBoxWatcher(qApp));
}

// The window system's window holding the control, or null.
QWindow* HandleOf(QWidget* widget) {
  return widget != nullptr ? widget->window()->windowHandle() : nullptr;
}

// Whether a user could reach this window now: it is enabled and no modal
// message box of another window stands in the way.
bool ReachableByUser(const QWidget* window) {
  if (window == nullptr || !window->isEnabled()) return false;
  const QWidget* modal = QApplication::activeModalWidget();
  return modal == nullptr || modal == window;
}

// Where the window system sends the keys pressed in a window: to a menu or
// list open over it, which holds the keyboard while it is open.
QWindow* KeyboardTarget(WindowId windowId) {
  AppWindow* window = FindAppWindow(windowId);
  if (window == nullptr || window->windowHandle() == nullptr) return nullptr;
  QWidget* popup = QApplication::activePopupWidget();
  if (popup != nullptr && popup->windowHandle() != nullptr) return popup->windowHandle();
  return window->windowHandle();
}

Qt::Key KeyOf(QChar c) {
  if (c.isLetter()) return static_cast<Qt::Key>(c.toUpper().unicode());
  if (c.unicode() >= 0x20 && c.unicode() < 0x7F) return static_cast<Qt::Key>(c.unicode());
  return Qt::Key_unknown;
}

}  // namespace

void ClickGadget(GadgetId id) {
  QWidget* widget = GadgetWidget(id);
  if (QWindow* window = HandleOf(widget))
    QTest::mouseClick(window, Qt::LeftButton, Qt::NoModifier,
                      widget->mapTo(widget->window(), widget->rect().center()));
}

void TypeText(GadgetId id, const std::string& text) {
  QWidget* widget = GadgetWidget(id);
  QWindow* window = HandleOf(widget);
  if (window == nullptr || !ReachableByUser(widget->window())) return;
  widget->setFocus(Qt::OtherFocusReason);
  for (QChar c : QString::fromStdString(text))
    QTest::sendKeyEvent(QTest::Click, window, KeyOf(c), QString(c), Qt::NoModifier);
}

void PressKey(WindowId windowId, TestKey key) {
  QWindow* handle = KeyboardTarget(windowId);
  if (handle == nullptr) return;
  // In TestKey's order; Shift+Tab is what the keyboard sends as Backtab.
  static const struct {
    Qt::Key key;
    const char* text;
    Qt::KeyboardModifiers modifiers;
  } kKeys[] = {{Qt::Key_Return, "\r", {}},
               {Qt::Key_Tab, "\t", {}},
               {Qt::Key_Backtab, "", Qt::ShiftModifier},
               {Qt::Key_Space, " ", {}},
               {Qt::Key_Escape, "", {}},
               {Qt::Key_F1, "", {}}};
  const auto& k = kKeys[static_cast<int>(key)];
  QTest::sendKeyEvent(QTest::Click, handle, k.key, QString::fromLatin1(k.text), k.modifiers);
}

void ChooseComboItem(GadgetId id, int index) {
  auto* combo = GadgetAs<QComboBox>(id, ControlKind::ComboBox);
  if (combo == nullptr || !ReachableByUser(combo->window())) return;
  if (index < 0 || index >= combo->count()) return;
  // Open the list, move to the entry and take it with Return, as the keyboard does.
  combo->showPopup();
  QAbstractItemView* list = combo->view();
  list->setCurrentIndex(
      combo->model()->index(index, combo->modelColumn(), combo->rootModelIndex()));
  QTest::keyClick(list, Qt::Key_Return);
  QCoreApplication::processEvents();
}

void ChooseMenuItem(WindowId windowId, MenuItemId item) {
  AppWindow* window = FindAppWindow(windowId);
  if (window == nullptr || !ReachableByUser(window)) return;
  auto found = window->MenuItems().find(item);
  if (found == window->MenuItems().end() || found->second.isNull()) return;
  if (found->second->isEnabled()) found->second->trigger();
}

void ClickCloseBox(WindowId windowId) {
  AppWindow* window = FindAppWindow(windowId);
  // A modal box keeps the window manager's close request from the window, as
  // the toolkit does with the real request (checked under X11 in the tests).
  // QWindow::close would count as the program's own and pass the box. A
  // disabled window still gets the request: the layer itself must drop it.
  const QWidget* modal = QApplication::activeModalWidget();
  if (window == nullptr || (modal != nullptr && modal != window)) return;
  window->close();
}

namespace gadget_testing {

// Once, before main (testing_hooks.cpp): the watcher is installed as soon as
// the application object exists.
void EnsureTestHooks() {
  if (QCoreApplication::instance() != nullptr) {
    InstallMessageBoxWatcher();
  } else {
    qAddPreRoutine(InstallMessageBoxWatcher);
  }
}

}  // namespace gadget_testing

void OnNextMessageBox(std::function<void(const MessageBoxView&)> handler) {
  PendingHandler() = std::move(handler);
}

int MessageBoxCount() {
  return g_boxesShown;
}

}  // namespace brindle
