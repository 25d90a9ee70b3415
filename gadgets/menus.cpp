// Menu bars: titles with drop-down items; choosing an item queues a MenuEvent.

#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <QPointer>

#include "gadgets/app_window.h"
#include "gadgets/event_queue.h"
#include "gadgets/gadget_table.h"
#include "gadgets/gadgets.h"

using namespace gadget_layer;

namespace {

// The menu bar and title that AddMenuTitle and AddMenuItem add to.
WindowId g_menuWindow = -1;
QPointer<QMenu> g_menuTitle;

QMenuBar* CurrentMenuBar() {
  AppWindow* window = FindAppWindow(g_menuWindow);
  return window != nullptr ? window->MenuBar() : nullptr;
}

}  // namespace

void CreateMenuBar(int /*menuId*/, WindowId windowId) {
  AppWindow* window = FindAppWindow(windowId);
  if (window == nullptr) return;
  auto* bar = new QMenuBar(window);
  bar->setNativeMenuBar(false);
  bar->setFixedHeight(MenuBarHeight());
  window->SetMenuBar(bar);
  bar->show();
  g_menuWindow = windowId;
  g_menuTitle = nullptr;
}

void AddMenuTitle(const std::string& text) {
  QMenuBar* bar = CurrentMenuBar();
  if (bar == nullptr) return;
  g_menuTitle = bar->addMenu(QString::fromStdString(text));
}

void AddMenuItem(MenuItemId item, const std::string& text) {
  AppWindow* window = FindAppWindow(g_menuWindow);
  if (window == nullptr || window->MenuBar() == nullptr || g_menuTitle.isNull()) return;
  QAction* action = g_menuTitle->addAction(QString::fromStdString(text));
  const WindowId windowId = g_menuWindow;
  QObject::connect(action, &QAction::triggered, action, [windowId, item] {
    QueueEvent(Event{EventKind::MenuEvent, windowId, item, GadgetAction::None});
  });
  window->MenuItems()[item] = action;
}

void AddMenuSeparator() {
  if (CurrentMenuBar() != nullptr && !g_menuTitle.isNull()) g_menuTitle->addSeparator();
}
