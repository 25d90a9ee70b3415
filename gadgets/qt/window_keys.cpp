// Keys of a desktop program that stand for something the mouse does too: F1
// for a help menu item, Esc for the close box, Enter for a default button.

#include <QAction>
#include <QKeySequence>
#include <QPushButton>
#include <QShortcut>

#include "gadgets/event_queue.h"
#include "gadgets/gadgets.h"
#include "gadgets/qt/app_window.h"
#include "gadgets/qt/gadget_table.h"

namespace brindle {

using namespace gadget_layer;

void SetHelpKey(WindowId windowId, MenuItemId item) {
  AppWindow* window = FindAppWindow(windowId);
  if (window == nullptr) return;
  const auto found = window->MenuItems().find(item);
  if (found == window->MenuItems().end() || found->second.isNull()) return;
  // The item's own shortcut: the menu shows "F1" beside it, and a disabled
  // window takes it no more than a click.
  found->second->setShortcut(QKeySequence(Qt::Key_F1));
}

void SetEscapeCloses(WindowId windowId) {
  AppWindow* window = FindAppWindow(windowId);
  if (window == nullptr) return;
  auto* escape = new QShortcut(QKeySequence(Qt::Key_Escape), window);
  // The same request as the close box: a CloseEvent, and the program decides.
  QObject::connect(escape, &QShortcut::activated, window, [window] { window->close(); });
}

void SetDefaultButton(WindowId windowId, GadgetId button) {
  AppWindow* window = FindAppWindow(windowId);
  auto* pushButton = GadgetAs<QPushButton>(button, ControlKind::Button);
  if (window == nullptr || pushButton == nullptr) return;
  pushButton->setDefault(true);  // drawn as the button Enter presses
  for (const Qt::Key key : {Qt::Key_Return, Qt::Key_Enter}) {
    auto* enter = new QShortcut(QKeySequence(key), window);
    QObject::connect(enter, &QShortcut::activated, window,
                     [windowId, button] { QueueGadgetEvent(windowId, button); });
  }
}

}  // namespace brindle
