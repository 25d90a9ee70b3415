// Menu bars: titles with drop-down items and submenus; choosing an item queues
// a MenuEvent. Every title, submenu and item gets an access letter, underlined:
// Alt and a title's letter open its menu, an item's letter in the open menu
// chooses it.

#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <QPointer>
#include <string>
#include <vector>

#include "gadgets/access_letter.h"
#include "gadgets/event_queue.h"
#include "gadgets/gadgets.h"
#include "gadgets/menu_path.h"
#include "gadgets/qt/app_window.h"
#include "gadgets/qt/gadget_table.h"

namespace brindle {

using namespace gadget_layer;

namespace {

// The menu bar that AddMenuTitle adds to, and the menu that takes items.
WindowId g_menuWindow = -1;
MenuPath<QPointer<QMenu>> g_menuPath;

QMenuBar* CurrentMenuBar() {
  AppWindow* window = FindAppWindow(g_menuWindow);
  return window != nullptr ? window->MenuBar() : nullptr;
}

// The menu that takes items now, when its window's menu bar is still there.
QMenu* CurrentMenu() {
  return CurrentMenuBar() != nullptr ? g_menuPath.Current().data() : nullptr;
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

void CreateMenuBar(WindowId windowId) {
  AppWindow* window = FindAppWindow(windowId);
  if (window == nullptr) return;
  auto* bar = new QMenuBar(window);
  bar->setNativeMenuBar(false);
  bar->setFixedHeight(MenuBarHeight());
  window->SetMenuBar(bar);
  bar->show();
  g_menuWindow = windowId;
  g_menuPath.Start(nullptr);
}

void AddMenuTitle(const std::string& text) {
  QMenuBar* bar = CurrentMenuBar();
  if (bar == nullptr) return;
  g_menuPath.Start(bar->addMenu(WithAccessLetter(text, bar->actions())));
}

void AddSubmenu(const std::string& text) {
  if (QMenu* menu = CurrentMenu())
    g_menuPath.OpenSubmenu(menu->addMenu(WithAccessLetter(text, menu->actions())));
}

void EndSubmenu() {
  g_menuPath.EndSubmenu();
}

void AddMenuItem(MenuItemId item, const std::string& text) {
  QMenu* menu = CurrentMenu();
  if (menu == nullptr) return;
  QAction* action = menu->addAction(WithAccessLetter(text, menu->actions()));
  const WindowId windowId = g_menuWindow;
  QObject::connect(action, &QAction::triggered, action, [windowId, item] {
    QueueEvent(Event{EventKind::MenuEvent, windowId, item});
  });
  FindAppWindow(g_menuWindow)->MenuItems()[item] = action;
}

void AddMenuSeparator() {
  if (QMenu* menu = CurrentMenu()) menu->addSeparator();
}

}  // namespace brindle
