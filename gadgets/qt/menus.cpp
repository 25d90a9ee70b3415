// Menu bars: titles with drop-down items; choosing an item queues a MenuEvent.
// Every title and item gets an access letter, underlined: Alt and a title's
// letter open its menu, an item's letter in the open menu chooses it.

#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <QPointer>
#include <string>
#include <vector>

#include "gadgets/access_letter.h"
#include "gadgets/gadgets.h"
#include "gadgets/qt/app_window.h"
#include "gadgets/qt/event_queue.h"
#include "gadgets/qt/gadget_table.h"

using namespace gadget_layer;

namespace {

// The menu bar and title that AddMenuTitle and AddMenuItem add to.
WindowId g_menuWindow = -1;
QPointer<QMenu> g_menuTitle;

QMenuBar* CurrentMenuBar() {
  AppWindow* window = FindAppWindow(g_menuWindow);
  return window != nullptr ? window->MenuBar() : nullptr;
}

// The program's text with an access letter marked, among the titles or items
// already there.
QString WithAccessLetter(const std::string& text, const QList<QAction*>& neighbours) {
  std::vector<std::string> marked;
  for (const QAction* action : neighbours)
    marked.push_back(action->text().toStdString());
  return QString::fromStdString(MarkAccessLetter(text, marked));
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
  g_menuTitle = bar->addMenu(WithAccessLetter(text, bar->actions()));
}

void AddMenuItem(MenuItemId item, const std::string& text) {
  AppWindow* window = FindAppWindow(g_menuWindow);
  if (window == nullptr || window->MenuBar() == nullptr || g_menuTitle.isNull()) return;
  QAction* action = g_menuTitle->addAction(WithAccessLetter(text, g_menuTitle->actions()));
  const WindowId windowId = g_menuWindow;
  QObject::connect(action, &QAction::triggered, action, [windowId, item] {
    QueueEvent(Event{EventKind::MenuEvent, windowId, item, GadgetAction::None});
  });
  window->MenuItems()[item] = action;
}

void AddMenuSeparator() {
  if (CurrentMenuBar() != nullptr && !g_menuTitle.isNull()) g_menuTitle->addSeparator();
}
