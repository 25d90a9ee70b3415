// The Win32 gadget layer's tables, its event queue and WaitEvent.

#include "gadgets/win32/win32_state.h"

#include <algorithm>
#include <deque>

namespace gadget_layer {
namespace {

std::map<HWND, GadgetId>& GadgetWindows() {
  static std::map<HWND, GadgetId> table;
  return table;
}

std::deque<Event>& Queue() {
  static std::deque<Event> queue;
  return queue;
}

struct MenuCommand {
  WindowId window;
  MenuItemId item;
};

std::map<WORD, MenuCommand>& MenuCommands() {
  static std::map<WORD, MenuCommand> commands;
  return commands;
}

WindowId g_controlWindow = -1;

}  // namespace

std::wstring Wide(std::string_view utf8) {
  if (utf8.empty()) return {};
  const int size = static_cast<int>(std::min<std::size_t>(utf8.size(), 1u << 30));
  const int n = ::MultiByteToWideChar(CP_UTF8, 0, utf8.data(), size, nullptr, 0);
  std::wstring wide(static_cast<std::size_t>(std::max(n, 0)), L'\0');
  if (n > 0) ::MultiByteToWideChar(CP_UTF8, 0, utf8.data(), size, wide.data(), n);
  return wide;
}

std::string Utf8(std::wstring_view wide) {
  if (wide.empty()) return {};
  const int size = static_cast<int>(std::min<std::size_t>(wide.size(), 1u << 29));
  const int n = ::WideCharToMultiByte(CP_UTF8, 0, wide.data(), size, nullptr, 0, nullptr, nullptr);
  std::string utf8(static_cast<std::size_t>(std::max(n, 0)), '\0');
  if (n > 0) ::WideCharToMultiByte(CP_UTF8, 0, wide.data(), size, utf8.data(), n, nullptr, nullptr);
  return utf8;
}

std::string WindowText(HWND hwnd) {
  const int length = ::GetWindowTextLengthW(hwnd);
  if (length <= 0) return {};
  std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
  const int n = ::GetWindowTextW(hwnd, text.data(), length + 1);
  text.resize(static_cast<std::size_t>(std::max(n, 0)));
  return Utf8(text);
}

std::map<WindowId, WindowRecord>& Windows() {
  static std::map<WindowId, WindowRecord> windows;
  return windows;
}

WindowRecord* FindWindowRecord(WindowId id) {
  auto it = Windows().find(id);
  return it != Windows().end() ? &it->second : nullptr;
}

WindowId WindowIdOf(HWND hwnd) {
  if (hwnd == nullptr) return -1;
  HWND root = ::GetAncestor(hwnd, GA_ROOT);
  for (const auto& [id, record] : Windows()) {
    if (record.hwnd == root) return id;
  }
  return -1;
}

std::map<GadgetId, GadgetRecord>& Gadgets() {
  static std::map<GadgetId, GadgetRecord> gadgets;
  return gadgets;
}

GadgetRecord* FindGadget(GadgetId id) {
  auto it = Gadgets().find(id);
  return it != Gadgets().end() ? &it->second : nullptr;
}

GadgetId GadgetIdOf(HWND hwnd) {
  auto it = GadgetWindows().find(hwnd);
  return it != GadgetWindows().end() ? it->second : -1;
}

void RememberGadgetWindow(HWND hwnd, GadgetId id) {
  GadgetWindows()[hwnd] = id;
}

void ForgetGadgetWindow(HWND hwnd) {
  GadgetWindows().erase(hwnd);
}

void DeleteGadget(GadgetId id) {
  auto it = Gadgets().find(id);
  if (it == Gadgets().end()) return;
  const GadgetRecord record = it->second;
  Gadgets().erase(it);
  ForgetGadgetWindow(record.hwnd);
  DropGadgetEvents(id);
  if (WindowRecord* window = FindWindowRecord(record.window)) {
    if (window->toolTips != nullptr) {
      TOOLINFOW tool{};
      tool.cbSize = sizeof tool;
      tool.hwnd = window->hwnd;
      tool.uId = reinterpret_cast<UINT_PTR>(record.hwnd);
      ::SendMessageW(window->toolTips, TTM_DELTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
    }
    if (window->lastFocus == record.hwnd) window->lastFocus = nullptr;
  }
  ::DestroyWindow(record.hwnd);
}

WindowId ControlWindow() {
  return g_controlWindow;
}

void SetControlWindow(WindowId id) {
  g_controlWindow = id;
}

WORD MenuCommandFor(WindowId window, MenuItemId item) {
  // Far above the control numbers and IDOK/IDCANCEL; a window's menu is made
  // once, so the numbers are not used up.
  static WORD next = 0x8000;
  const WORD command = next++;
  if (next == 0) next = 0x8000;
  MenuCommands()[command] = {window, item};
  return command;
}

WORD CommandOfMenuItem(WindowId window, MenuItemId item) {
  for (const auto& [command, menu] : MenuCommands()) {
    if (menu.window == window && menu.item == item) return command;
  }
  return 0;
}

bool MenuItemOfCommand(WORD command, WindowId& window, MenuItemId& item) {
  auto it = MenuCommands().find(command);
  if (it == MenuCommands().end()) return false;
  window = it->second.window;
  item = it->second.item;
  return true;
}

bool& ProgramSetsText() {
  static bool setting = false;
  return setting;
}

void QueueEvent(const Event& event) {
  // An event may be queued while GetMessageW sleeps in WaitEvent, from a
  // message the system sends the window (a move by the window manager under
  // Wine): a message of no meaning wakes it to hand the event out.
  if (Queue().empty()) ::PostThreadMessageW(::GetCurrentThreadId(), WM_NULL, 0, 0);
  Queue().push_back(event);
}

void QueueGadgetEvent(WindowId window, GadgetId gadget, GadgetAction action) {
  QueueEvent(Event{EventKind::GadgetEvent, window, gadget, action});
}

void DropGadgetEvents(GadgetId gadget) {
  std::erase_if(Queue(), [gadget](const Event& e) {
    return e.kind == EventKind::GadgetEvent && e.item == gadget;
  });
}

void DropWindowEvents(WindowId window) {
  std::erase_if(Queue(), [window](const Event& e) { return e.window == window; });
  std::erase_if(MenuCommands(),
                [window](const auto& entry) { return entry.second.window == window; });
}

}  // namespace gadget_layer

namespace {

// Enter in an edit field of a window that has an Enter gadget: queued as that
// gadget's Enter, and kept from the dialog manager (which would beep).
bool EnterInEditField(const MSG& message) {
  using namespace gadget_layer;
  if (message.message != WM_KEYDOWN || message.wParam != VK_RETURN) return false;
  const GadgetRecord* field = FindGadget(GadgetIdOf(message.hwnd));
  if (field == nullptr || field->kind != ControlKind::EditField) return false;
  const WindowRecord* window = FindWindowRecord(field->window);
  if (window == nullptr || window->enterGadget < 0) return false;
  if (FindGadget(window->enterGadget) != nullptr) {
    QueueGadgetEvent(field->window, window->enterGadget, GadgetAction::Enter);
  }
  return true;
}

}  // namespace

Event WaitEvent() {
  using namespace gadget_layer;
  for (;;) {
    if (!Queue().empty()) {
      Event event = Queue().front();
      Queue().pop_front();
      return event;
    }
    // Sleeps until the system has a message for the program.
    MSG message;
    const BOOL got = ::GetMessageW(&message, nullptr, 0, 0);
    if (got == 0 || got == -1) return Event{};  // WM_QUIT: nothing more comes
    if (EnterInEditField(message) || ProgramKey(message)) continue;
    // Tab, Shift+Tab and the arrow keys move between the controls of a window.
    HWND root = ::GetAncestor(message.hwnd, GA_ROOT);
    if (root != nullptr && WindowIdOf(root) >= 0 && ::IsDialogMessageW(root, &message)) continue;
    ::TranslateMessage(&message);
    ::DispatchMessageW(&message);
  }
}
