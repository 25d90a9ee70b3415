#pragma once
// Inside the Win32 gadget layer only: the native windows kept for the program's
// window and gadget ids in the layer's id table, and the helpers the window
// and control operations share.

#include <windows.h>
// windows.h first: the others build on it.
#include <commctrl.h>

#include <string>
#include <string_view>
#include <vector>

#include "gadgets/event_queue.h"
#include "gadgets/gadget_rules.h"
#include "gadgets/gadgets.h"
#include "gadgets/id_table.h"
#include "gadgets/menu_path.h"
#include "gadgets/window_geometry.h"

namespace brindle {

namespace gadget_layer {

struct WindowRecord : WindowEntry {
  // Destroys the window with its menu and tool tips.
  ~WindowRecord() override;
  WindowId id = -1;
  HWND hwnd = nullptr;
  DWORD style = 0;
  DWORD exStyle = 0;
  HMENU menuBar = nullptr;
  MenuPath<HMENU> menuPath;  // the menu that AddMenuItem adds to
  HWND toolTips = nullptr;
  HWND lastFocus = nullptr;  // given back when the window is activated again
  GadgetId enterGadget = -1;
  MenuItemId helpItem = -1;     // chosen by F1 (SetHelpKey)
  bool escapeCloses = false;    // Esc asks to close (SetEscapeCloses)
  GadgetId defaultButton = -1;  // pressed by Enter (SetDefaultButton)
  // Inside the system's move and size loop the user holds the window, which
  // has not come to rest however long it stands still.
  bool inMoveLoop = false;
  // Tells the user's moves and resizes from the program's own, which under
  // Wine the window system confirms late and in parts.
  GeometryTracker tracker;
  void ReportPendingUserChange() override;
};

// The fonts of the controls: captions and fields, links, the help text.
enum class FontKind { Gadget, Link, TextArea };

struct GadgetRecord : ControlEntry {
  // Destroys the control.
  ~GadgetRecord() override;
  HWND hwnd = nullptr;
  FontKind font = FontKind::Gadget;
  // Where the program put it, in pixels of a 96 DPI screen, as laid out; the
  // control stands there scaled to its window's monitor (x, y, w, h).
  RECT logical{};
  std::string accessibleName;
  unsigned colour = 0;    // Hyperlink: 0xRRGGBB
  bool readOnly = false;  // CheckBox: shows a result, reports no clicks
  // TextArea: the text last given by the program, handed back by GetText while
  // the user has not changed it (the control keeps CR LF line ends only).
  std::string textAreaText;
  // Picture: its images, and the bitmap shown at its window's scale.
  PictureImages picture;
  HBITMAP bitmap = nullptr;
};

// The program's UTF-8 as Windows' UTF-16, and back (gadgets/utf.h).
std::wstring Wide(std::string_view utf8);
std::string Utf8(std::wstring_view wide);
std::string WindowText(HWND hwnd);

WindowRecord* FindWindowRecord(WindowId id);
WindowId WindowIdOf(HWND hwnd);  // the top-level window's id, or -1
GadgetRecord* FindGadget(GadgetId id);
GadgetId GadgetIdOf(HWND hwnd);  // -1 when the control is none of the program's
void RememberGadgetWindow(HWND hwnd, GadgetId id);

// Menu item commands: WM_COMMAND numbers of their own, so that they never meet
// a control's notification or the dialog manager's IDOK and IDCANCEL.
WORD MenuCommandFor(WindowId window, MenuItemId item);
bool MenuItemOfCommand(WORD command, WindowId& window, MenuItemId& item);
// The command MenuCommandFor gave the item, or 0.
WORD CommandOfMenuItem(WindowId window, MenuItemId item);

// F1, Esc or Enter in a window that gave it a meaning: queued as the menu
// choice, close request or button press it stands for. False for any other
// message, which then goes its usual way.
bool ProgramKey(const MSG& message);

// True while SetText changes a control, whose notifications are then no event.
bool& ProgramSetsText();

// Wakes WaitEvent for an event queued while it sleeps (installed by InitGadgets).
void WakeForEvent(const Event& event);

// A drop-down's entry (empty for an index that names none), and all of them.
std::string ComboEntry(HWND combo, LRESULT index);
std::vector<std::wstring> ComboEntries(HWND combo);
// The width in pixels of the widest of the texts in this font.
int WidestText(const std::vector<std::wstring>& texts, HFONT font);

// The program lays out in pixels of a 96 DPI screen; the layer scales them
// to the window's monitor (and back for what it reports).
UINT DpiOf(HWND hwnd);  // the window's, or the primary monitor's for null
inline int ToPixels(int logical, UINT dpi) {
  return ::MulDiv(logical, static_cast<int>(dpi), 96);
}
inline int ToLogical(int pixels, UINT dpi) {
  return ::MulDiv(pixels, 96, static_cast<int>(dpi));
}

// A control font at a monitor's scale, made once for each scale.
HFONT FontAt(FontKind kind, UINT dpi);
// Puts the window's controls where the program laid them out, at its
// monitor's scale, with their fonts at that scale: after a move to a
// monitor of another scale.
void ScaleControls(WindowId window);
HICON ProgramIcon();
// Shows the picture's image for a monitor of `dpi` at the picture's size there.
void ShowPictureAt(GadgetRecord& record, UINT dpi);

// The window class of the program's top-level windows and its procedure.
const wchar_t* AppWindowClass();
LRESULT CALLBACK AppWindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);

// Sizes of the frame around an inner area of this style, with or without menu
// bar, at the window's monitor's scale.
RECT FrameFor(DWORD style, DWORD exStyle, bool menu, HWND hwnd);

}  // namespace gadget_layer

}  // namespace brindle
