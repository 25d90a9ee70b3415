// Keys of a desktop program that stand for something the mouse does too: F1
// for a help menu item, Esc for the close box, Enter for a default button.
// They are taken in WaitEvent before the dialog manager sees them.

#include <windows.h>
// windows.h first: the others build on it.
#include <commctrl.h>

#include <string>

#include "gadgets/gadgets.h"
#include "gadgets/win32/win32_state.h"

namespace brindle {

using namespace gadget_layer;

void SetHelpKey(WindowId windowId, MenuItemId item) {
  WindowRecord* window = FindWindowRecord(windowId);
  if (window == nullptr || window->menuBar == nullptr) return;
  const WORD command = CommandOfMenuItem(windowId, item);
  wchar_t text[256];
  if (command == 0 || ::GetMenuStringW(window->menuBar, command, text, 256, MF_BYCOMMAND) <= 0) {
    return;
  }
  // The menu shows the key beside the item.
  const std::wstring shown = std::wstring(text) + L"\tF1";
  ::ModifyMenuW(window->menuBar, command, MF_BYCOMMAND | MF_STRING, command, shown.c_str());
  window->helpItem = item;
}

void SetEscapeCloses(WindowId windowId) {
  if (WindowRecord* window = FindWindowRecord(windowId)) window->escapeCloses = true;
}

void SetDefaultButton(WindowId windowId, GadgetId button) {
  WindowRecord* window = FindWindowRecord(windowId);
  const GadgetRecord* control = FindGadget(button);
  if (window == nullptr || control == nullptr || control->kind != ControlKind::Button) return;
  // Drawn with the heavier border of the button Enter presses.
  ::SendMessageW(control->hwnd, BM_SETSTYLE, BS_DEFPUSHBUTTON, TRUE);
  window->defaultButton = button;
}

namespace gadget_layer {

bool ProgramKey(const MSG& message) {
  if (message.message != WM_KEYDOWN) return false;
  HWND root = ::GetAncestor(message.hwnd, GA_ROOT);
  const WindowId id = WindowIdOf(root);
  const WindowRecord* window = FindWindowRecord(id);
  if (window == nullptr || !::IsWindowEnabled(root)) return false;
  switch (message.wParam) {
    case VK_F1:
      if (window->helpItem < 0) return false;
      QueueEvent(Event{EventKind::MenuEvent, id, window->helpItem});
      return true;
    case VK_ESCAPE: {
      // An open drop-down list closes first.
      const GadgetRecord* focus = FindGadget(GadgetIdOf(message.hwnd));
      if (!window->escapeCloses || (focus != nullptr && focus->kind == ControlKind::ComboBox &&
                                    ::SendMessageW(focus->hwnd, CB_GETDROPPEDSTATE, 0, 0) != 0)) {
        return false;
      }
      // The same request as the close box: the program decides.
      QueueEvent(Event{EventKind::CloseEvent, id, -1});
      return true;
    }
    case VK_RETURN:
      if (window->defaultButton < 0 || FindGadget(window->defaultButton) == nullptr) return false;
      QueueGadgetEvent(id, window->defaultButton);
      return true;
    default:
      return false;
  }
}

}  // namespace gadget_layer

}  // namespace brindle
