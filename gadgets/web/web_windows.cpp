// Windows on the web: the main window is the page itself; the help and about
// windows are panels above it. A browser tab cannot be moved or sized by the
// program's user, so no MoveEvent or SizeEvent is ever reported and the
// positions asked for are kept as given.

#include <emscripten/emscripten.h>

#include <string>
#include <vector>

#include "gadgets/access_letter.h"
#include "gadgets/event_queue.h"
#include "gadgets/gadget_rules.h"
#include "gadgets/gadgets.h"
#include "gadgets/id_table.h"
#include "gadgets/menu_path.h"
#include "gadgets/open_url_hook.h"
#include "gadgets/web/dom_calls.h"

namespace brindle {

using namespace gadget_layer;

namespace {

struct WebWindow : WindowEntry {
  WindowId id = -1;
  int x = 0, y = 0, width = 0, height = 0;
  bool hasMenuBar = false;
  ~WebWindow() override { brindle_dom_destroy_window(id); }
};

WebWindow* Find(WindowId id) {
  return static_cast<WebWindow*>(FindWindowEntry(id));
}

// The menu being built: each open menu is a number, with the texts already in
// it as they were marked, so that access letters are chosen among them.
WindowId g_menuWindow = -1;
MenuPath<int> g_menuPath;
std::vector<std::vector<std::string>> g_menuTexts;  // [0]: the bar's titles

std::string Marked(int menu, const std::string& text) {
  std::string marked = MarkAccessLetter(text, g_menuTexts[static_cast<size_t>(menu)]);
  g_menuTexts[static_cast<size_t>(menu)].push_back(marked);
  return marked;
}

bool BuildingMenu() {
  return Find(g_menuWindow) != nullptr && g_menuPath.Current() > 0;
}

int NewMenu() {
  g_menuTexts.emplace_back();
  return static_cast<int>(g_menuTexts.size()) - 1;
}

}  // namespace

bool InitGadgets(int&, char**) {
  return true;
}

std::string ProgramFilePath() {
  return "/brindles-math";
}

// The browser shows the icons of the web app's manifest; a picture handed over
// at run time has nowhere to go.
void SetProgramIcon(const unsigned char*, std::size_t) {}

bool CreateAppWindow(WindowId id, int x, int y, int width, int height, const std::string& title,
                     unsigned flags) {
  auto window = std::make_unique<WebWindow>();
  window->id = id;
  window->x = ClampCoordinate(x);
  window->y = ClampCoordinate(y);
  window->width = ClampSize(width);
  window->height = ClampSize(height);
  WebWindow& made = static_cast<WebWindow&>(RememberWindow(id, std::move(window)));
  brindle_dom_window(id, made.x, made.y, made.width, made.height, title.c_str(), flags);
  return true;
}

void PlaceWindow(WindowId id, int x, int y, int width, int height) {
  WebWindow* window = Find(id);
  if (window == nullptr) return;
  window->x = ClampCoordinate(x);
  window->y = ClampCoordinate(y);
  window->width = ClampSize(width);
  // The window's inner height counts its menu bar.
  window->height = ClampSize(height) + (window->hasMenuBar ? MenuBarHeight() : 0);
  brindle_dom_place_window(id, window->x, window->y, window->width, ClampSize(height));
}

void SetWindowTitle(WindowId id, const std::string& title) {
  if (Find(id) != nullptr) brindle_dom_window_title(id, title.c_str());
}

int WindowLeft(WindowId id) {
  const WebWindow* window = Find(id);
  return window != nullptr ? window->x : 0;
}
int WindowTop(WindowId id) {
  const WebWindow* window = Find(id);
  return window != nullptr ? window->y : 0;
}
int InnerWidth(WindowId id) {
  const WebWindow* window = Find(id);
  return window != nullptr ? window->width : 0;
}
int InnerHeight(WindowId id) {
  const WebWindow* window = Find(id);
  return window != nullptr ? window->height : 0;
}

void SetWindowEnabled(WindowId id, bool enabled) {
  if (Find(id) != nullptr) brindle_dom_window_enabled(id, enabled ? 1 : 0);
}

// Panels always lie above the page.
void SetWindowTopmost(WindowId, bool) {}

void ActivateWindow(WindowId id) {
  if (Find(id) != nullptr) brindle_dom_activate(id);
}

ScreenBox WindowFrame(WindowId id) {
  const WebWindow* window = Find(id);
  if (window == nullptr) return {};
  return {window->x, window->y, window->width, window->height};
}

// A panel has no frame of its own, and the page's view is the whole screen
// the program has.
ScreenBox WorkAreaOf(WindowId) {
  return {0, 0, brindle_dom_view_width(), brindle_dom_view_height()};
}

ScreenBox OuterSizeOf(int width, int height, unsigned) {
  return {0, 0, width, height};
}

ScreenBox TextAreaSizeFor(int columns, int lines) {
  return {0, 0, brindle_dom_text_width(columns), brindle_dom_text_height(lines)};
}

int MenuBarHeight() {
  return brindle_dom_menu_bar_height();
}

void CreateMenuBar(WindowId id) {
  WebWindow* window = Find(id);
  if (window == nullptr) return;
  window->hasMenuBar = true;
  brindle_dom_menu_bar(id);
  g_menuWindow = id;
  g_menuTexts.clear();
  g_menuTexts.emplace_back();
  g_menuPath.Start(0);
}

void AddMenuTitle(const std::string& text) {
  if (Find(g_menuWindow) == nullptr) return;
  brindle_dom_menu_title(Marked(0, text).c_str());
  g_menuPath.Start(NewMenu());
}

void AddSubmenu(const std::string& text) {
  if (!BuildingMenu()) return;
  brindle_dom_submenu(Marked(g_menuPath.Current(), text).c_str());
  g_menuPath.OpenSubmenu(NewMenu());
}

void EndSubmenu() {
  if (!BuildingMenu()) return;
  const int before = g_menuPath.Current();
  g_menuPath.EndSubmenu();
  if (g_menuPath.Current() != before) brindle_dom_end_submenu();
}

void AddMenuItem(MenuItemId item, const std::string& text) {
  if (BuildingMenu()) brindle_dom_menu_item(item, Marked(g_menuPath.Current(), text).c_str());
}

void AddMenuSeparator() {
  if (BuildingMenu()) brindle_dom_menu_separator();
}

void SetEnterGadget(WindowId window, GadgetId gadget) {
  if (Find(window) != nullptr) brindle_dom_window_key(window, 0, gadget);
}
void SetHelpKey(WindowId window, MenuItemId item) {
  if (Find(window) != nullptr) brindle_dom_window_key(window, 1, item);
}
void SetEscapeCloses(WindowId window) {
  if (Find(window) != nullptr) brindle_dom_window_key(window, 2, 1);
}
void SetDefaultButton(WindowId window, GadgetId button) {
  if (Find(window) != nullptr) brindle_dom_window_key(window, 3, button);
}

// The page never waits: the browser calls brindle_queue_event for each thing
// the user does, and the program then takes what was queued. Nothing queued
// gives an event of kind None.
Event WaitEvent() {
  return TakeQueuedEvent().value_or(Event{});
}

// A <dialog>: the page beneath takes no input while it is open. The program
// goes on at once; the box stays until its OK.
void ShowMessage(const std::string& title, const std::string& text) {
  brindle_dom_message(title.c_str(), text.c_str());
}

void OpenUrl(const std::string& address) {
  if (UrlOpenerHook()) {
    UrlOpenerHook()(address);
    return;
  }
  brindle_dom_open_url(address.c_str());
}

}  // namespace brindle

// What the user did, from the page's script: kind as EventKind's number. A
// control's event for a control that no longer exists is dropped.
extern "C" EMSCRIPTEN_KEEPALIVE void brindle_queue_event(int kind, int window, int item) {
  using namespace brindle;
  using namespace brindle::gadget_layer;
  if (kind == static_cast<int>(EventKind::GadgetEvent)) {
    QueueGadgetEvent(window, item);
  } else if (kind == static_cast<int>(EventKind::MenuEvent) ||
             kind == static_cast<int>(EventKind::CloseEvent)) {
    if (FindWindowEntry(window) != nullptr)
      QueueEvent(Event{static_cast<EventKind>(kind), window, item});
  }
}
