// The Win32 gadget layer's records of windows and controls, its menu
// commands, and WaitEvent.

#include "gadgets/win32/win32_state.h"

#include <algorithm>
#include <map>

#include "gadgets/utf.h"

namespace brindle {

namespace gadget_layer {
namespace {

std::map<HWND, GadgetId>& GadgetWindows() {
  static std::map<HWND, GadgetId> table;
  return table;
}

struct MenuCommand {
  WindowId window;
  MenuItemId item;
};

std::map<WORD, MenuCommand>& MenuCommands() {
  static std::map<WORD, MenuCommand> commands;
  return commands;
}

}  // namespace

std::wstring Wide(std::string_view utf8) {
  const std::u16string wide = Utf16(utf8);
  return std::wstring(wide.begin(), wide.end());
}

std::string Utf8(std::wstring_view wide) {
  return Utf8(std::u16string(wide.begin(), wide.end()));
}

std::string WindowText(HWND hwnd) {
  const int length = ::GetWindowTextLengthW(hwnd);
  if (length <= 0) return {};
  std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
  const int n = ::GetWindowTextW(hwnd, text.data(), length + 1);
  text.resize(static_cast<std::size_t>(std::max(n, 0)));
  return Utf8(text);
}

WindowRecord::~WindowRecord() {
  std::erase_if(MenuCommands(), [this](const auto& entry) { return entry.second.window == id; });
  if (toolTips != nullptr) ::DestroyWindow(toolTips);
  ::DestroyWindow(hwnd);  // its menu goes with it
}

WindowRecord* FindWindowRecord(WindowId id) {
  return static_cast<WindowRecord*>(FindWindowEntry(id));
}

WindowId WindowIdOf(HWND hwnd) {
  if (hwnd == nullptr) return -1;
  HWND root = ::GetAncestor(hwnd, GA_ROOT);
  for (const auto& [id, entry] : AllWindows()) {
    if (static_cast<const WindowRecord&>(*entry).hwnd == root) return id;
  }
  return -1;
}

GadgetRecord::~GadgetRecord() {
  GadgetWindows().erase(hwnd);
  if (WindowRecord* owner = FindWindowRecord(window)) {
    if (owner->toolTips != nullptr) {
      TOOLINFOW tool{};
      tool.cbSize = sizeof tool;
      tool.hwnd = owner->hwnd;
      tool.uId = reinterpret_cast<UINT_PTR>(hwnd);
      ::SendMessageW(owner->toolTips, TTM_DELTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
    }
    if (owner->lastFocus == hwnd) owner->lastFocus = nullptr;
  }
  ::DestroyWindow(hwnd);
  if (bitmap != nullptr) ::DeleteObject(bitmap);  // a static control never deletes its image
}

GadgetRecord* FindGadget(GadgetId id) {
  return static_cast<GadgetRecord*>(FindControl(id));
}

GadgetId GadgetIdOf(HWND hwnd) {
  auto it = GadgetWindows().find(hwnd);
  return it != GadgetWindows().end() ? it->second : -1;
}

void RememberGadgetWindow(HWND hwnd, GadgetId id) {
  GadgetWindows()[hwnd] = id;
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

void WakeForEvent(const Event& /*event*/) {
  // An event may be queued while GetMessageW sleeps in WaitEvent, from a
  // message the system sends the window (a move by the window manager under
  // Wine): a message of no meaning wakes it to hand the event out.
  if (!EventsQueued()) ::PostThreadMessageW(::GetCurrentThreadId(), WM_NULL, 0, 0);
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
  QueueGadgetEvent(field->window, window->enterGadget);
  return true;
}

}  // namespace

Event WaitEvent() {
  using namespace gadget_layer;
  for (;;) {
    if (std::optional<Event> event = TakeQueuedEvent()) return *event;
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

}  // namespace brindle
