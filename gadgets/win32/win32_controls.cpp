// Controls on Win32: one operation per kind to create them, in the window
// chosen with UseWindowForControls, at pixel positions of its client area
// (below the menu bar), and the operations on them by id.

#include <windows.h>
// windows.h first: the others build on it.
#include <commctrl.h>
#include <initguid.h>  // the annotation service's ids are defined here, once
#include <oleacc.h>

#include <algorithm>
#include <memory>

#include "gadgets/gadgets.h"
#include "gadgets/win32/win32_state.h"

namespace brindle {

using namespace gadget_layer;

namespace {

// A control's place as laid out, and as it stands at a monitor's scale.
RECT LogicalRect(int x, int y, int w, int h) {
  return RECT{ClampCoordinate(x), ClampCoordinate(y), ClampSize(w), ClampSize(h)};
}
RECT PixelRect(const RECT& logical, UINT dpi) {
  return RECT{ToPixels(logical.left, dpi), ToPixels(logical.top, dpi), ToPixels(logical.right, dpi),
              ToPixels(logical.bottom, dpi)};
}

// Creates the control in the current control window, replacing a control of
// the same id, and records it.
HWND Install(GadgetId id, ControlKind kind, const wchar_t* windowClass, const std::wstring& text,
             DWORD style, DWORD exStyle, int x, int y, int w, int h, FontKind font) {
  WindowRecord* window = FindWindowRecord(ControlWindow());
  if (window == nullptr) return nullptr;
  ForgetControl(id);
  const UINT dpi = DpiOf(window->hwnd);
  const RECT logical = LogicalRect(x, y, w, h), at = PixelRect(logical, dpi);
  HWND hwnd = ::CreateWindowExW(exStyle, windowClass, text.c_str(), WS_CHILD | WS_VISIBLE | style,
                                at.left, at.top, at.right, at.bottom, window->hwnd, nullptr,
                                ::GetModuleHandleW(nullptr), nullptr);
  if (hwnd == nullptr) return nullptr;
  ::SendMessageW(hwnd, WM_SETFONT, reinterpret_cast<WPARAM>(FontAt(font, dpi)), FALSE);
  auto record = std::make_unique<GadgetRecord>();
  record->hwnd = hwnd;
  record->kind = kind;
  record->font = font;
  record->logical = logical;
  record->window = ControlWindow();
  RememberControl(id, std::move(record));
  RememberGadgetWindow(hwnd, id);
  // Focus goes to a control of the window in the foreground only: SetFocus
  // would bring a window in the background forward.
  HWND focus = ::GetFocus();
  if (TakesFirstFocus(kind, focus != nullptr && ::IsChild(window->hwnd, focus)) &&
      ::GetForegroundWindow() == window->hwnd) {
    ::SetFocus(hwnd);
  }
  return hwnd;
}

// Line ends as the edit control shows them: CR LF only.
std::wstring CrLfLines(const std::string& text) {
  const std::wstring wide = Wide(text);
  std::wstring lines;
  lines.reserve(wide.size() + wide.size() / 16);
  for (std::size_t i = 0; i < wide.size(); ++i) {
    if (wide[i] == L'\r' || wide[i] == L'\n') {
      lines += L"\r\n";
      if (wide[i] == L'\r' && i + 1 < wide.size() && wide[i + 1] == L'\n') ++i;
    } else {
      lines += wide[i];
    }
  }
  return lines;
}

// Wide enough for the longest entry, even where the closed control is
// narrower; as many entries as fit in the height limit.
void FitComboList(HWND combo) {
  const UINT dpi = DpiOf(combo);
  const int widest = WidestText(ComboEntries(combo), FontAt(FontKind::Gadget, dpi));
  const int scrollBar = ::GetSystemMetrics(SM_CXVSCROLL);
  ::SendMessageW(combo, CB_SETDROPPEDWIDTH, static_cast<WPARAM>(widest + scrollBar + 8), 0);
  const LRESULT itemHeight = std::max<LRESULT>(1, ::SendMessageW(combo, CB_GETITEMHEIGHT, 0, 0));
  ::SendMessageW(combo, CB_SETMINVISIBLE,
                 static_cast<WPARAM>(ToPixels(kMaxListHeight, dpi) / itemHeight), 0);
}

void SetToolTipText(GadgetRecord& record) {
  WindowRecord* window = FindWindowRecord(record.window);
  if (window == nullptr) return;
  if (window->toolTips == nullptr) {
    // One tool tip control per window, shown whether or not it is active;
    // "&" is shown as typed.
    window->toolTips = ::CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr,
                                         WS_POPUP | TTS_ALWAYSTIP | TTS_NOPREFIX, CW_USEDEFAULT,
                                         CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, window->hwnd,
                                         nullptr, ::GetModuleHandleW(nullptr), nullptr);
    // Lines of a tip break where the text breaks them.
    ::SendMessageW(window->toolTips, TTM_SETMAXTIPWIDTH, 0, 600);
  }
  std::wstring text = Wide(record.toolTip);
  TOOLINFOW tool{};
  tool.cbSize = sizeof tool;
  tool.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
  tool.hwnd = window->hwnd;
  tool.uId = reinterpret_cast<UINT_PTR>(record.hwnd);
  tool.lpszText = text.data();
  ::SendMessageW(window->toolTips, TTM_DELTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
  if (!text.empty())
    ::SendMessageW(window->toolTips, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
}

// Labels and links: one line, vertically centred, "&" shown as typed. With
// SS_NOTIFY they take the mouse, for their tool tips and the link's click.
constexpr DWORD kStaticStyle = SS_LEFTNOWORDWRAP | SS_CENTERIMAGE | SS_NOPREFIX | SS_NOTIFY;

}  // namespace

void CreateLabel(GadgetId id, int x, int y, int w, int h, const std::string& text, unsigned flags) {
  Install(id, ControlKind::Label, WC_STATICW, Wide(text), kStaticStyle,
          (flags & kSunken) ? WS_EX_STATICEDGE : 0, x, y, w, h, FontKind::Gadget);
}

void CreateEditField(GadgetId id, int x, int y, int w, int h, const std::string& text,
                     unsigned flags) {
  ProgramSetsText() = true;
  HWND edit = Install(id, ControlKind::EditField, WC_EDITW, Wide(text),
                      WS_TABSTOP | ES_AUTOHSCROLL | ES_LEFT, WS_EX_CLIENTEDGE, x, y, w, h,
                      FontKind::Gadget);
  ProgramSetsText() = false;
  // Read-only still lets the user select, copy and tab into the field.
  if (edit != nullptr && (flags & kReadOnly)) ::SendMessageW(edit, EM_SETREADONLY, TRUE, 0);
}

void CreateButton(GadgetId id, int x, int y, int w, int h, const std::string& caption) {
  Install(id, ControlKind::Button, WC_BUTTONW, Wide(caption), WS_TABSTOP | BS_PUSHBUTTON, 0, x, y,
          w, h, FontKind::Gadget);
}

void CreateCheckBox(GadgetId id, int x, int y, int w, int h, const std::string& caption,
                    unsigned flags) {
  // A box that shows a result is a plain BS_CHECKBOX: a click, Space or a
  // screen reader's default action reports BN_CLICKED and changes nothing.
  // It keeps its Tab stop, as a read-only field does, so that Tab through the
  // results reads it out with its state.
  const bool readOnly = (flags & kReadOnly) != 0;
  if (Install(id, ControlKind::CheckBox, WC_BUTTONW, Wide(caption),
              WS_TABSTOP | (readOnly ? BS_CHECKBOX : BS_AUTOCHECKBOX), 0, x, y, w, h,
              FontKind::Gadget) != nullptr) {
    FindGadget(id)->readOnly = readOnly;
  }
}

void CreateComboBox(GadgetId id, int x, int y, int w, int h) {
  // The height given to a drop-down is its open list's; the closed control
  // takes the height asked for through its selection field.
  HWND combo = Install(id, ControlKind::ComboBox, WC_COMBOBOXW, L"",
                       WS_TABSTOP | WS_VSCROLL | CBS_DROPDOWNLIST, 0, x, y, w,
                       ClampSize(h) + kMaxListHeight, FontKind::Gadget);
  if (combo == nullptr) return;
  RECT closed{};
  ::GetWindowRect(combo, &closed);
  const LRESULT field = ::SendMessageW(combo, CB_GETITEMHEIGHT, static_cast<WPARAM>(-1), 0);
  const int extra = (closed.bottom - closed.top) - static_cast<int>(field);
  const int height = ToPixels(ClampSize(h), DpiOf(combo));
  if (height - extra > 0) {
    ::SendMessageW(combo, CB_SETITEMHEIGHT, static_cast<WPARAM>(-1), height - extra);
  }
  FitComboList(combo);
}

void CreateTextArea(GadgetId id, int x, int y, int w, int h, unsigned flags) {
  HWND area = Install(id, ControlKind::TextArea, WC_EDITW, L"",
                      WS_TABSTOP | WS_VSCROLL | WS_HSCROLL | ES_MULTILINE | ES_AUTOVSCROLL |
                          ES_AUTOHSCROLL | ES_NOHIDESEL,
                      WS_EX_CLIENTEDGE, x, y, w, h, FontKind::TextArea);
  if (area == nullptr) return;
  ::SendMessageW(area, EM_SETLIMITTEXT, 0x7FFFFFFE, 0);
  if (flags & kReadOnly) ::SendMessageW(area, EM_SETREADONLY, TRUE, 0);
}

ScreenBox TextAreaSizeFor(int columns, int lines) {
  // Measured at 96 DPI, where the program lays out; the sunken edge, the
  // edit control's margins and the scroll bars, which a text area always
  // shows, come on top of the text.
  HDC dc = ::GetDC(nullptr);
  HGDIOBJ old = ::SelectObject(dc, FontAt(FontKind::TextArea, 96));
  TEXTMETRICW metrics{};
  ::GetTextMetricsW(dc, &metrics);
  ::SelectObject(dc, old);
  ::ReleaseDC(nullptr, dc);
  const int edges = 2 * ::GetSystemMetrics(SM_CXEDGE) + 8;
  return {0, 0,
          ClampSize(columns) * metrics.tmAveCharWidth + edges + ::GetSystemMetrics(SM_CXVSCROLL),
          ClampSize(lines) * metrics.tmHeight + edges + ::GetSystemMetrics(SM_CYHSCROLL)};
}

void CreateHyperlink(GadgetId id, int x, int y, int w, int h, const std::string& text,
                     unsigned colour) {
  if (Install(id, ControlKind::Hyperlink, WC_STATICW, Wide(text), kStaticStyle, 0, x, y, w, h,
              FontKind::Link) != nullptr) {
    FindGadget(id)->colour = colour & 0xFFFFFFu;
  }
}

void CreatePicture(GadgetId id, int x, int y, int w, int h, const PictureImages& images,
                   const std::string& name) {
  HWND hwnd = Install(id, ControlKind::Picture, WC_STATICW, L"", SS_BITMAP | SS_REALSIZECONTROL, 0,
                      x, y, w, h, FontKind::Gadget);
  if (hwnd == nullptr) return;
  GadgetRecord& record = *FindGadget(id);
  record.picture = images;
  ShowPictureAt(record, DpiOf(hwnd));
  SetAccessibleName(id, name);
}

void SetText(GadgetId id, const std::string& text) {
  GadgetRecord* record = FindGadget(id);
  // A drop-down's text is its entry; a picture's words are its accessible name.
  if (record == nullptr || record->kind == ControlKind::ComboBox ||
      record->kind == ControlKind::Picture) {
    return;
  }
  ProgramSetsText() = true;
  if (record->kind == ControlKind::TextArea) {
    ::SetWindowTextW(record->hwnd, CrLfLines(text).c_str());
    ::SendMessageW(record->hwnd, EM_SETMODIFY, FALSE, 0);
    record->textAreaText = text;
  } else {
    ::SetWindowTextW(record->hwnd, Wide(text).c_str());
  }
  if (record->kind == ControlKind::EditField) {
    // A long result shows its beginning.
    ::SendMessageW(record->hwnd, EM_SETSEL, 0, 0);
    ::SendMessageW(record->hwnd, EM_SCROLLCARET, 0, 0);
  }
  ProgramSetsText() = false;
}

std::string GetText(GadgetId id) {
  GadgetRecord* record = FindGadget(id);
  if (record == nullptr) return {};
  switch (record->kind) {
    case ControlKind::ComboBox:
      return ComboEntry(record->hwnd, ::SendMessageW(record->hwnd, CB_GETCURSEL, 0, 0));
    case ControlKind::TextArea:
      // Unchanged by the user: the text as the program gave it; else the
      // control's, whose lines end in CR LF as the program's own texts do.
      if (::SendMessageW(record->hwnd, EM_GETMODIFY, 0, 0) == 0) return record->textAreaText;
      return WindowText(record->hwnd);
    case ControlKind::None:
      return {};
    default:
      return WindowText(record->hwnd);
  }
}

void AddItem(GadgetId id, const std::string& text) {
  GadgetRecord* record = FindGadget(id);
  if (record == nullptr || record->kind != ControlKind::ComboBox) return;
  const std::wstring entry = Wide(text);
  ::SendMessageW(record->hwnd, CB_INSERTSTRING, static_cast<WPARAM>(-1),
                 reinterpret_cast<LPARAM>(entry.c_str()));
  FitComboList(record->hwnd);
}

void SelectItem(GadgetId id, int value) {
  GadgetRecord* record = FindGadget(id);
  if (record == nullptr) return;
  if (record->kind == ControlKind::ComboBox) {
    // An index that names no entry leaves none selected.
    const LRESULT count = ::SendMessageW(record->hwnd, CB_GETCOUNT, 0, 0);
    ::SendMessageW(
        record->hwnd, CB_SETCURSEL,
        value >= 0 && value < count ? static_cast<WPARAM>(value) : static_cast<WPARAM>(-1), 0);
  } else if (record->kind == ControlKind::CheckBox) {
    ::SendMessageW(record->hwnd, BM_SETCHECK, value != 0 ? BST_CHECKED : BST_UNCHECKED, 0);
  }
}

int SelectedItem(GadgetId id) {
  GadgetRecord* record = FindGadget(id);
  if (record == nullptr) return 0;
  if (record->kind == ControlKind::ComboBox) {
    const LRESULT index = ::SendMessageW(record->hwnd, CB_GETCURSEL, 0, 0);
    return index < 0 ? -1 : static_cast<int>(index);
  }
  if (record->kind == ControlKind::CheckBox) {
    return ::SendMessageW(record->hwnd, BM_GETCHECK, 0, 0) == BST_CHECKED ? 1 : 0;
  }
  return 0;
}

void SetToolTip(GadgetId id, const std::string& text) {
  GadgetRecord* record = FindGadget(id);
  if (record == nullptr) return;
  record->toolTip = text;
  SetToolTipText(*record);
}

void SetGadgetEnabled(GadgetId id, bool enabled) {
  if (const GadgetRecord* record = FindGadget(id)) ::EnableWindow(record->hwnd, enabled);
}

void SetAccessibleName(GadgetId id, const std::string& name) {
  GadgetRecord* record = FindGadget(id);
  if (record == nullptr) return;
  record->accessibleName = name;
  // Active Accessibility's annotation service gives the control the name
  // screen readers announce, in place of the one they would guess from the
  // label before it. Made once; without it the controls keep their guess.
  static IAccPropServices* const service = [] {
    IAccPropServices* made = nullptr;
    if (SUCCEEDED(::CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED))) {
      ::CoCreateInstance(CLSID_AccPropServices, nullptr, CLSCTX_INPROC_SERVER, IID_IAccPropServices,
                         reinterpret_cast<void**>(&made));
    }
    return made;
  }();
  if (service == nullptr) return;
  std::wstring wide = Wide(name);
  service->SetHwndPropStr(record->hwnd, static_cast<DWORD>(OBJID_CLIENT), CHILDID_SELF,
                          PROPID_ACC_NAME, wide.data());
}

void PlaceGadget(GadgetId id, int x, int y, int w, int h) {
  GadgetRecord* record = FindGadget(id);
  if (record == nullptr) return;
  if (record->kind == ControlKind::ComboBox) h = ClampSize(h) + kMaxListHeight;
  record->logical = LogicalRect(x, y, w, h);
  const RECT at = PixelRect(record->logical, DpiOf(record->hwnd));
  ::SetWindowPos(record->hwnd, nullptr, at.left, at.top, at.right, at.bottom,
                 SWP_NOZORDER | SWP_NOACTIVATE);
}

namespace gadget_layer {

std::string ComboEntry(HWND combo, LRESULT index) {
  if (index < 0) return {};
  const LRESULT length = ::SendMessageW(combo, CB_GETLBTEXTLEN, static_cast<WPARAM>(index), 0);
  if (length < 0) return {};
  std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
  ::SendMessageW(combo, CB_GETLBTEXT, static_cast<WPARAM>(index),
                 reinterpret_cast<LPARAM>(text.data()));
  text.resize(static_cast<std::size_t>(length));
  return Utf8(text);
}

std::vector<std::wstring> ComboEntries(HWND combo) {
  std::vector<std::wstring> entries;
  const LRESULT count = ::SendMessageW(combo, CB_GETCOUNT, 0, 0);
  for (LRESULT i = 0; i < count; ++i)
    entries.push_back(Wide(ComboEntry(combo, i)));
  return entries;
}

int WidestText(const std::vector<std::wstring>& texts, HFONT font) {
  HDC dc = ::GetDC(nullptr);
  HGDIOBJ old = ::SelectObject(dc, font);
  LONG widest = 0;
  for (const std::wstring& text : texts) {
    SIZE size{};
    ::GetTextExtentPoint32W(dc, text.c_str(), static_cast<int>(text.size()), &size);
    widest = std::max(widest, size.cx);
  }
  ::SelectObject(dc, old);
  ::ReleaseDC(nullptr, dc);
  return static_cast<int>(widest);
}

void ScaleControls(WindowId window) {
  for (const auto& [id, entry] : AllControls()) {
    auto& record = static_cast<GadgetRecord&>(*entry);
    if (record.window != window) continue;
    const UINT dpi = DpiOf(record.hwnd);
    const RECT at = PixelRect(record.logical, dpi);
    ::SendMessageW(record.hwnd, WM_SETFONT, reinterpret_cast<WPARAM>(FontAt(record.font, dpi)),
                   FALSE);
    ::SetWindowPos(record.hwnd, nullptr, at.left, at.top, at.right, at.bottom,
                   SWP_NOZORDER | SWP_NOACTIVATE);
    if (record.kind == ControlKind::ComboBox) FitComboList(record.hwnd);
    if (record.kind == ControlKind::Picture) ShowPictureAt(record, dpi);
  }
}

}  // namespace gadget_layer

void SetEnterGadget(WindowId window, GadgetId gadget) {
  if (WindowRecord* record = FindWindowRecord(window)) record->enterGadget = gadget;
}

}  // namespace brindle
