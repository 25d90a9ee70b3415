// Top-level windows and their menu bars on Win32: the window procedure that
// turns the system's messages into the program's events, and the window
// operations by id.

#include <windows.h>
// windows.h first: the others build on it.
#include <commctrl.h>

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

#include "gadgets/access_letter.h"
#include "gadgets/gadgets.h"
#include "gadgets/win32/win32_state.h"
#include "gadgets/window_placement.h"

namespace brindle {

using namespace gadget_layer;

namespace {

DWORD StyleFor(unsigned flags) {
  DWORD style = WS_CLIPCHILDREN;
  // A window without a title bar is a pop-up with a thin border: an
  // overlapped window always gets a caption.
  style |= (flags & kTitleBar) ? WS_OVERLAPPED | WS_CAPTION : WS_POPUP | WS_BORDER;
  if (flags & kCloseBox) style |= WS_SYSMENU;
  if (flags & kSizingBorder) style |= WS_THICKFRAME;
  if (flags & kMinimizeBox) style |= WS_MINIMIZEBOX | WS_SYSMENU;
  if (flags & kMaximizeBox) style |= WS_MAXIMIZEBOX | WS_SYSMENU;
  return style;
}

// Each monitor's work area (the screen without the task bar), the primary first.
std::vector<ScreenRect> WorkAreas() {
  std::vector<ScreenRect> areas;
  ::EnumDisplayMonitors(
      nullptr, nullptr,
      [](HMONITOR monitor, HDC, LPRECT, LPARAM data) -> BOOL {
        MONITORINFO info{};
        info.cbSize = sizeof info;
        if (::GetMonitorInfoW(monitor, &info)) {
          auto& list = *reinterpret_cast<std::vector<ScreenRect>*>(data);
          const RECT& w = info.rcWork;
          const ScreenRect area{w.left, w.top, w.right - w.left, w.bottom - w.top};
          if (info.dwFlags & MONITORINFOF_PRIMARY) {
            list.insert(list.begin(), area);
          } else {
            list.push_back(area);
          }
        }
        return TRUE;
      },
      reinterpret_cast<LPARAM>(&areas));
  return areas;
}

// The outer corner at which a window of this outer size keeps its title bar
// within the user's reach: the one asked for, or one on the nearest monitor.
POINT ReachablePoint(int left, int top, int outerWidth, int outerHeight, int titleHeight) {
  const Corner corner =
      ReachableCorner({left, top, outerWidth, outerHeight}, titleHeight, WorkAreas());
  return POINT{corner.left, corner.top};
}

RECT OuterRect(HWND hwnd) {
  RECT rect{};
  ::GetWindowRect(hwnd, &rect);
  return rect;
}

// The inner area's size, menu bar included: the outer size less the frame.
SIZE InnerSize(const WindowRecord& record) {
  const RECT outer = OuterRect(record.hwnd);
  const RECT frame = FrameFor(record.style, record.exStyle, false, record.hwnd);
  return SIZE{(outer.right - outer.left) - (frame.right - frame.left),
              (outer.bottom - outer.top) - (frame.bottom - frame.top)};
}

// A move or resize counts once the window has stood still this long: a drag
// by the window manager becomes one event, and its bursts are over.
constexpr UINT kRestMilliseconds = 250;
constexpr UINT_PTR kRestTimer = 1;

WindowGeometry Geometry(const WindowRecord& record) {
  const RECT outer = OuterRect(record.hwnd);
  const SIZE inner = InnerSize(record);
  return {outer.left, outer.top, inner.cx, inner.cy};
}

// Carries out what the geometry tracker answered.
void Carry(WindowRecord& record, const GeometryActions& actions) {
  if (actions.askMove || actions.askSize) {
    const WindowGeometry& known = record.tracker.Known();
    const RECT frame = FrameFor(record.style, record.exStyle, false, record.hwnd);
    UINT how = SWP_NOZORDER | SWP_NOACTIVATE;
    if (!actions.askMove) how |= SWP_NOMOVE;
    if (!actions.askSize) how |= SWP_NOSIZE;
    ::SetWindowPos(record.hwnd, nullptr, known.left, known.top,
                   known.width + (frame.right - frame.left),
                   known.height + (frame.bottom - frame.top), how);
  }
  if (actions.restartRestTimer) ::SetTimer(record.hwnd, kRestTimer, kRestMilliseconds, nullptr);
  if (actions.reportMove) QueueEvent(Event{EventKind::MoveEvent, record.id, -1});
  if (actions.reportSize) QueueEvent(Event{EventKind::SizeEvent, record.id, -1});
}

void Observe(WindowRecord& record, GeometryInput input) {
  // A minimized window stands off the screen, where no user put it.
  if (!::IsWindowVisible(record.hwnd) || ::IsIconic(record.hwnd)) return;
  // The system draws the frame around the corner it was given: no frame
  // offset, so never misframed.
  Carry(record, record.tracker.Observe(input, Geometry(record), {}));
}

HWND FirstTabStop(HWND hwnd) {
  return ::GetNextDlgTabItem(hwnd, nullptr, FALSE);
}

void ChildCommand(WindowId windowId, HWND control, WORD code) {
  const GadgetId id = GadgetIdOf(control);
  const GadgetRecord* record = FindGadget(id);
  if (record == nullptr) return;
  switch (record->kind) {
    case ControlKind::Button:
    case ControlKind::CheckBox:
      if (code == BN_CLICKED && !record->readOnly) QueueGadgetEvent(windowId, id);
      break;
    case ControlKind::Hyperlink:
      if (code == STN_CLICKED) QueueGadgetEvent(windowId, id);
      break;
    case ControlKind::EditField:
      // The control tells of the program's own SetText too; only the user's
      // typing counts.
      if (code == EN_CHANGE && !ProgramSetsText()) {
        QueueGadgetEvent(windowId, id);
      }
      break;
    case ControlKind::ComboBox:
      // The user's choice from the open list, the same entry again included,
      // or with the arrow keys on the closed control.
      if (code == CBN_SELENDOK ||
          (code == CBN_SELCHANGE && ::SendMessageW(control, CB_GETDROPPEDSTATE, 0, 0) == 0)) {
        QueueGadgetEvent(windowId, id);
      }
      break;
    default:
      break;
  }
}

}  // namespace

namespace gadget_layer {

void WindowRecord::ReportPendingUserChange() {
  Observe(*this, GeometryInput::InputArrives);
}

UINT DpiOf(HWND hwnd) {
  using GetDpiForWindowFn = UINT(WINAPI*)(HWND);
  static const auto getDpi = reinterpret_cast<GetDpiForWindowFn>(reinterpret_cast<void*>(
      ::GetProcAddress(::GetModuleHandleW(L"user32.dll"), "GetDpiForWindow")));
  if (hwnd != nullptr && getDpi != nullptr) return getDpi(hwnd);
  HDC screen = ::GetDC(nullptr);
  const int dpi = ::GetDeviceCaps(screen, LOGPIXELSY);
  ::ReleaseDC(nullptr, screen);
  return dpi > 0 ? static_cast<UINT>(dpi) : 96;
}

const wchar_t* AppWindowClass() {
  return L"BrindlesMathWindow";
}

RECT FrameFor(DWORD style, DWORD exStyle, bool menu, HWND hwnd) {
  RECT rect{0, 0, 0, 0};
  using AdjustForDpiFn = BOOL(WINAPI*)(LPRECT, DWORD, BOOL, DWORD, UINT);
  static const auto adjust = reinterpret_cast<AdjustForDpiFn>(reinterpret_cast<void*>(
      ::GetProcAddress(::GetModuleHandleW(L"user32.dll"), "AdjustWindowRectExForDpi")));
  if (adjust != nullptr) {
    adjust(&rect, style, menu, exStyle, DpiOf(hwnd));
  } else {
    ::AdjustWindowRectEx(&rect, style, menu, exStyle);
  }
  return rect;
}

LRESULT CALLBACK AppWindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  const WindowId id = WindowIdOf(hwnd);
  WindowRecord* record = FindWindowRecord(id);
  if (record == nullptr || record->hwnd != hwnd) {
    return ::DefWindowProcW(hwnd, message, wParam, lParam);
  }
  switch (message) {
    case WM_CLOSE:
      // The program decides whether the window closes. A disabled window
      // takes no input, its close box included.
      if (::IsWindowEnabled(hwnd)) QueueEvent(Event{EventKind::CloseEvent, id, -1});
      return 0;
    case WM_COMMAND: {
      MenuItemId item = -1;
      WindowId menuWindow = -1;
      if (lParam == 0 && HIWORD(wParam) == 0 &&
          MenuItemOfCommand(LOWORD(wParam), menuWindow, item)) {
        QueueEvent(Event{EventKind::MenuEvent, menuWindow, item});
      } else if (lParam != 0) {
        ChildCommand(id, reinterpret_cast<HWND>(lParam), HIWORD(wParam));
      }
      return 0;
    }
    case WM_ENTERSIZEMOVE:
      record->inMoveLoop = true;
      break;
    case WM_EXITSIZEMOVE:
      record->inMoveLoop = false;
      ::KillTimer(hwnd, kRestTimer);
      Observe(*record, GeometryInput::CameToRest);
      break;
    case WM_WINDOWPOSCHANGED:
      // The program's own SetWindowPos, the user's drag, the keyboard's window
      // menu, a window manager under Wine: the tracker tells them apart.
      Observe(*record, GeometryInput::Reported);
      break;
    case WM_TIMER:
      if (wParam != kRestTimer) break;
      ::KillTimer(hwnd, kRestTimer);
      if (!record->inMoveLoop) Observe(*record, GeometryInput::CameToRest);
      return 0;
    case WM_ACTIVATE:
      // The focus stays with the control that had it when the user comes back.
      if (LOWORD(wParam) == WA_INACTIVE) {
        HWND focus = ::GetFocus();
        if (focus != nullptr && ::IsChild(hwnd, focus)) record->lastFocus = focus;
      } else if (!::IsIconic(hwnd)) {
        HWND focus = record->lastFocus != nullptr && ::IsWindow(record->lastFocus)
                         ? record->lastFocus
                         : FirstTabStop(hwnd);
        if (focus != nullptr) ::SetFocus(focus);
        return 0;
      }
      break;
    case WM_CTLCOLORSTATIC: {
      const GadgetRecord* control = FindGadget(GadgetIdOf(reinterpret_cast<HWND>(lParam)));
      if (control != nullptr && control->kind == ControlKind::Hyperlink) {
        HDC dc = reinterpret_cast<HDC>(wParam);
        const unsigned c = control->colour;
        // The same colour whatever the state: a link does not light up.
        ::SetTextColor(dc, RGB((c >> 16) & 0xFF, (c >> 8) & 0xFF, c & 0xFF));
        ::SetBkColor(dc, ::GetSysColor(COLOR_BTNFACE));
        return reinterpret_cast<LRESULT>(::GetSysColorBrush(COLOR_BTNFACE));
      }
      break;
    }
    case WM_SETCURSOR: {
      const GadgetRecord* control = FindGadget(GadgetIdOf(reinterpret_cast<HWND>(wParam)));
      if (control != nullptr && control->kind == ControlKind::Hyperlink &&
          LOWORD(lParam) == HTCLIENT) {
        ::SetCursor(::LoadCursorW(nullptr, IDC_HAND));
        return TRUE;
      }
      break;
    }
    case WM_DPICHANGED: {
      // Moved to a monitor of another scale: take the size the system proposes.
      const RECT* suggested = reinterpret_cast<const RECT*>(lParam);
      const RECT frame = FrameFor(record->style, record->exStyle, false, hwnd);
      const WindowGeometry wanted{
          suggested->left, suggested->top,
          (suggested->right - suggested->left) - (frame.right - frame.left),
          (suggested->bottom - suggested->top) - (frame.bottom - frame.top)};
      Carry(*record, record->tracker.ProgramPlaces(wanted, Geometry(*record)));
      ScaleControls(id);
      return 0;
    }
    default:
      break;
  }
  return ::DefWindowProcW(hwnd, message, wParam, lParam);
}

}  // namespace gadget_layer

bool CreateAppWindow(WindowId id, int x, int y, int width, int height, const std::string& title,
                     unsigned flags) {
  DestroyAppWindow(id);
  auto made = std::make_unique<WindowRecord>();
  WindowRecord& record = *made;
  record.id = id;
  record.style = StyleFor(flags);
  record.exStyle = WS_EX_CONTROLPARENT;
  width = ToPixels(ClampSize(width), DpiOf(nullptr));
  height = ToPixels(ClampSize(height), DpiOf(nullptr));
  const RECT frame = FrameFor(record.style, record.exStyle, false, nullptr);
  const int outerWidth = width + (frame.right - frame.left);
  const int outerHeight = height + (frame.bottom - frame.top);
  const POINT corner =
      ReachablePoint(ClampCoordinate(x), ClampCoordinate(y), outerWidth, outerHeight, -frame.top);
  record.hwnd = ::CreateWindowExW(record.exStyle, AppWindowClass(), Wide(title).c_str(),
                                  record.style, corner.x, corner.y, outerWidth, outerHeight,
                                  nullptr, nullptr, ::GetModuleHandleW(nullptr), nullptr);
  if (record.hwnd == nullptr) return false;
  if (HICON icon = ProgramIcon()) {
    ::SendMessageW(record.hwnd, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(icon));
    ::SendMessageW(record.hwnd, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(icon));
  }
  RememberWindow(id, std::move(made));
  record.tracker.ProgramCreates(Geometry(record));
  ::ShowWindow(record.hwnd, SW_SHOW);
  ::SetForegroundWindow(record.hwnd);
  Observe(record, GeometryInput::Shown);
  return true;
}

void PlaceWindow(WindowId id, int x, int y, int width, int height) {
  WindowRecord* record = FindWindowRecord(id);
  if (record == nullptr) return;
  const WindowGeometry& known = record->tracker.Known();
  const UINT dpi = DpiOf(record->hwnd);
  const int w = ToPixels(ClampSize(width), dpi);
  const int h = ToPixels(ClampSize(height), dpi);
  const RECT frame = FrameFor(record->style, record->exStyle, false, record->hwnd);
  const int outerWidth = w + (frame.right - frame.left);
  const int outerHeight = h + (frame.bottom - frame.top);
  POINT corner{ClampCoordinate(x), ClampCoordinate(y)};
  // The corner last reported or set is where the program believes the window
  // is: it stays where it stands, as the user may have moved it since. A new
  // corner must leave the title bar in reach.
  if (corner.x != known.left || corner.y != known.top) {
    corner = ReachablePoint(corner.x, corner.y, outerWidth, outerHeight, -frame.top);
  }
  Carry(*record, record->tracker.ProgramPlaces({corner.x, corner.y, w, h}, Geometry(*record)));
}

void SetWindowTitle(WindowId id, const std::string& title) {
  if (WindowRecord* record = FindWindowRecord(id))
    ::SetWindowTextW(record->hwnd, Wide(title).c_str());
}

int WindowLeft(WindowId id) {
  WindowRecord* record = FindWindowRecord(id);
  return record != nullptr ? static_cast<int>(OuterRect(record->hwnd).left) : 0;
}

int WindowTop(WindowId id) {
  WindowRecord* record = FindWindowRecord(id);
  return record != nullptr ? static_cast<int>(OuterRect(record->hwnd).top) : 0;
}

int InnerWidth(WindowId id) {
  WindowRecord* record = FindWindowRecord(id);
  return record != nullptr ? ToLogical(InnerSize(*record).cx, DpiOf(record->hwnd)) : 0;
}

int InnerHeight(WindowId id) {
  WindowRecord* record = FindWindowRecord(id);
  return record != nullptr ? ToLogical(InnerSize(*record).cy, DpiOf(record->hwnd)) : 0;
}

void SetWindowEnabled(WindowId id, bool enabled) {
  if (WindowRecord* record = FindWindowRecord(id)) ::EnableWindow(record->hwnd, enabled);
}

void SetWindowTopmost(WindowId id, bool on) {
  if (WindowRecord* record = FindWindowRecord(id)) {
    ::SetWindowPos(record->hwnd, on ? HWND_TOPMOST : HWND_NOTOPMOST, 0, 0, 0, 0,
                   SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
  }
}

void ActivateWindow(WindowId id) {
  WindowRecord* record = FindWindowRecord(id);
  if (record == nullptr) return;
  if (::IsIconic(record->hwnd)) ::ShowWindow(record->hwnd, SW_RESTORE);
  ::SetForegroundWindow(record->hwnd);
  ::BringWindowToTop(record->hwnd);
}

ScreenBox WindowFrame(WindowId id) {
  WindowRecord* record = FindWindowRecord(id);
  if (record == nullptr) return {};
  const RECT outer = OuterRect(record->hwnd);
  return {outer.left, outer.top, outer.right - outer.left, outer.bottom - outer.top};
}

ScreenBox WorkAreaOf(WindowId id) {
  WindowRecord* record = FindWindowRecord(id);
  MONITORINFO info{};
  info.cbSize = sizeof info;
  const HMONITOR monitor = record != nullptr
                               ? ::MonitorFromWindow(record->hwnd, MONITOR_DEFAULTTOPRIMARY)
                               : ::MonitorFromPoint(POINT{0, 0}, MONITOR_DEFAULTTOPRIMARY);
  if (!::GetMonitorInfoW(monitor, &info)) return {};
  const RECT& w = info.rcWork;
  return {w.left, w.top, w.right - w.left, w.bottom - w.top};
}

ScreenBox OuterSizeOf(int width, int height, unsigned flags) {
  const RECT frame = FrameFor(StyleFor(flags), WS_EX_CONTROLPARENT, false, nullptr);
  const UINT dpi = DpiOf(nullptr);
  return {0, 0, ToPixels(ClampSize(width), dpi) + (frame.right - frame.left),
          ToPixels(ClampSize(height), dpi) + (frame.bottom - frame.top)};
}

int MenuBarHeight() {
  // What a menu bar adds to a window's frame, at the primary monitor's scale.
  const DWORD style = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU;
  const RECT with = FrameFor(style, 0, true, nullptr);
  const RECT without = FrameFor(style, 0, false, nullptr);
  return ToLogical((with.bottom - with.top) - (without.bottom - without.top), DpiOf(nullptr));
}

// --- Menus -------------------------------------------------------------------

namespace {

WindowId g_menuWindow = -1;

// The texts of the menu's titles or items as shown, access letters marked.
std::vector<std::string> MenuTexts(HMENU menu) {
  std::vector<std::string> texts;
  for (int i = 0; i < ::GetMenuItemCount(menu); ++i) {
    wchar_t text[256];
    const int length = ::GetMenuStringW(menu, static_cast<UINT>(i), text, 256, MF_BYPOSITION);
    if (length > 0) texts.push_back(Utf8(std::wstring_view(text, static_cast<size_t>(length))));
  }
  return texts;
}

// A new drop-down menu under `text` at the end of `menu` (a menu bar or a
// menu), its access letter marked among the others there.
HMENU AppendPopup(HMENU menu, const std::string& text) {
  const std::wstring marked = Wide(MarkAccessLetter(text, MenuTexts(menu)));
  HMENU popup = ::CreatePopupMenu();
  ::AppendMenuW(menu, MF_POPUP | MF_STRING, reinterpret_cast<UINT_PTR>(popup), marked.c_str());
  return popup;
}

}  // namespace

void CreateMenuBar(WindowId windowId) {
  WindowRecord* record = FindWindowRecord(windowId);
  if (record == nullptr) return;
  HMENU old = record->menuBar;
  record->menuBar = ::CreateMenu();
  record->menuPath.Start(nullptr);
  // The window keeps its size; its client area gives the bar its height.
  const RECT outer = OuterRect(record->hwnd);
  ::SetMenu(record->hwnd, record->menuBar);
  ::SetWindowPos(record->hwnd, nullptr, 0, 0, outer.right - outer.left, outer.bottom - outer.top,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  if (old != nullptr) ::DestroyMenu(old);
  g_menuWindow = windowId;
}

void AddMenuTitle(const std::string& text) {
  WindowRecord* record = FindWindowRecord(g_menuWindow);
  if (record == nullptr || record->menuBar == nullptr) return;
  record->menuPath.Start(AppendPopup(record->menuBar, text));
  ::DrawMenuBar(record->hwnd);
}

void AddSubmenu(const std::string& text) {
  WindowRecord* record = FindWindowRecord(g_menuWindow);
  if (record != nullptr && record->menuPath.Current() != nullptr)
    record->menuPath.OpenSubmenu(AppendPopup(record->menuPath.Current(), text));
}

void EndSubmenu() {
  if (WindowRecord* record = FindWindowRecord(g_menuWindow)) record->menuPath.EndSubmenu();
}

void AddMenuItem(MenuItemId item, const std::string& text) {
  WindowRecord* record = FindWindowRecord(g_menuWindow);
  if (record == nullptr || record->menuPath.Current() == nullptr) return;
  HMENU menu = record->menuPath.Current();
  const std::wstring marked = Wide(MarkAccessLetter(text, MenuTexts(menu)));
  ::AppendMenuW(menu, MF_STRING, MenuCommandFor(g_menuWindow, item), marked.c_str());
}

void AddMenuSeparator() {
  WindowRecord* record = FindWindowRecord(g_menuWindow);
  if (record != nullptr && record->menuPath.Current() != nullptr) {
    ::AppendMenuW(record->menuPath.Current(), MF_SEPARATOR, 0, nullptr);
  }
}

}  // namespace brindle
