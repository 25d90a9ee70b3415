// Menu bars: titles with drop-down items; choosing an item queues a MenuEvent.
// Every title and item gets an access letter, underlined: Alt and a title's
// letter open its menu, an item's letter in the open menu chooses it.

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

// The text with an access letter marked: the first letter or digit not yet
// taken by `neighbours` (the other titles of the bar, or the other items of the
// menu), any case. A "&" of the program's own is shown as it is. A text whose
// letters are all taken gets none.
QString WithAccessLetter(const std::string& text, const QList<QAction*>& neighbours) {
  QString taken;
  for (const QAction* action : neighbours) {
    const QString shown = action->text();
    for (qsizetype i = 0; i + 1 < shown.size(); ++i) {
      if (shown[i] != QLatin1Char('&')) continue;
      if (shown[i + 1] != QLatin1Char('&')) taken += shown[i + 1].toUpper();
      ++i;
    }
  }
  QString marked;
  bool chosen = false;
  for (const QChar c : QString::fromStdString(text)) {
    if (c == QLatin1Char('&')) {
      marked += QStringLiteral("&&");
      continue;
    }
    if (!chosen && c.isLetterOrNumber() && !taken.contains(c.toUpper())) {
      marked += QLatin1Char('&');
      chosen = true;
    }
    marked += c;
  }
  return marked;
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
