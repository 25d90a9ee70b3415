// Start-up of the Win32 gadget layer (common controls, the window class, the
// fonts), the program file and its icon, message boxes and opening addresses.

#include <windows.h>
// windows.h first: the others build on it.
#include <commctrl.h>
#include <shellapi.h>

#include <map>
#include <utility>
#include <vector>

#include "gadgets/gadgets.h"
#include "gadgets/open_url_hook.h"
#include "gadgets/win32/win32_state.h"

namespace brindle {

using namespace gadget_layer;

namespace {

HICON g_icon = nullptr;
// Whether the window class shows the program file's own icon.
bool g_fileIcon = false;

// The ICON resource of brindles-math.rc.in.
constexpr WORD kProgramIconId = 1;

// The program file's icon at a size the system asks for, from the nearest of
// its 16, 32, 48 and 256 pixel pictures; null when the file has none, as the
// test programs have not.
HICON LoadProgramFileIcon(HINSTANCE instance, int widthMetric, int heightMetric) {
  return static_cast<HICON>(::LoadImageW(instance, MAKEINTRESOURCEW(kProgramIconId), IMAGE_ICON,
                                         ::GetSystemMetrics(widthMetric),
                                         ::GetSystemMetrics(heightMetric), LR_DEFAULTCOLOR));
}

struct FontChoice {
  const wchar_t* face;
  LONG pixels;
};

// The captions were laid out for a small, narrow dialog font. MS Sans Serif at
// 8 points (11 pixels), the dialog font of older Windows, is on every Windows;
// Nimbus Sans Narrow is the one a Linux desktop gives Wine. The desktop's
// message font (Segoe UI, Tahoma) is wider and cuts the longer captions.
constexpr FontChoice kFontChain[] = {{L"MS Sans Serif", 11}, {L"Nimbus Sans Narrow", 12}};
constexpr FontChoice kFallbackFont{L"Tahoma", 11};

bool FontInstalled(const wchar_t* face) {
  LOGFONTW wanted{};
  wanted.lfCharSet = DEFAULT_CHARSET;
  ::lstrcpynW(wanted.lfFaceName, face, LF_FACESIZE);
  HDC screen = ::GetDC(nullptr);
  bool found = false;
  ::EnumFontFamiliesExW(
      screen, &wanted,
      [](const LOGFONTW*, const TEXTMETRICW*, DWORD, LPARAM data) -> int {
        *reinterpret_cast<bool*>(data) = true;
        return 0;
      },
      reinterpret_cast<LPARAM>(&found), 0);
  ::ReleaseDC(nullptr, screen);
  return found;
}

FontChoice ChooseGadgetFont() {
  for (const FontChoice& choice : kFontChain) {
    if (FontInstalled(choice.face)) return choice;
  }
  return kFallbackFont;
}

HFONT MakeFont(const wchar_t* face, LONG pixels, bool underline, BYTE pitch) {
  LOGFONTW font{};
  ::lstrcpynW(font.lfFaceName, face, LF_FACESIZE);
  font.lfHeight = -pixels;
  font.lfWeight = FW_NORMAL;
  font.lfUnderline = underline ? TRUE : FALSE;
  font.lfCharSet = DEFAULT_CHARSET;
  font.lfQuality = CLEARTYPE_QUALITY;
  font.lfPitchAndFamily = pitch;
  return ::CreateFontIndirectW(&font);
}

}  // namespace

namespace gadget_layer {

HFONT FontAt(FontKind kind, UINT dpi) {
  static std::map<std::pair<FontKind, UINT>, HFONT> made;
  HFONT& font = made[{kind, dpi}];
  if (font != nullptr) return font;
  if (kind == FontKind::TextArea) {
    // Fixed-pitch, so that the figures drawn with characters in the help
    // texts keep their shape.
    font = MakeFont(L"Consolas", ToPixels(13, dpi), false, FIXED_PITCH | FF_MODERN);
  } else {
    static const FontChoice choice = ChooseGadgetFont();
    font = MakeFont(choice.face, ToPixels(static_cast<int>(choice.pixels), dpi),
                    kind == FontKind::Link, VARIABLE_PITCH | FF_SWISS);
  }
  return font;
}

HICON ProgramIcon() {
  return g_icon;
}

}  // namespace gadget_layer

bool InitGadgets(int& /*argc*/, char** /*argv*/) {
  static bool done = false;
  if (done) return true;
  INITCOMMONCONTROLSEX controls{};
  controls.dwSize = sizeof controls;
  controls.dwICC = ICC_STANDARD_CLASSES | ICC_WIN95_CLASSES;
  ::InitCommonControlsEx(&controls);
  WNDCLASSEXW windowClass{};
  windowClass.cbSize = sizeof windowClass;
  windowClass.lpfnWndProc = AppWindowProc;
  windowClass.hInstance = ::GetModuleHandleW(nullptr);
  windowClass.hIcon = LoadProgramFileIcon(windowClass.hInstance, SM_CXICON, SM_CYICON);
  windowClass.hIconSm = LoadProgramFileIcon(windowClass.hInstance, SM_CXSMICON, SM_CYSMICON);
  g_fileIcon = windowClass.hIcon != nullptr;
  windowClass.hCursor = ::LoadCursorW(nullptr, IDC_ARROW);
  windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
  windowClass.lpszClassName = AppWindowClass();
  if (::RegisterClassExW(&windowClass) == 0) return false;
  SetBeforeQueue(WakeForEvent);
  done = true;
  return true;
}

std::string ProgramFilePath() {
  std::vector<wchar_t> path(MAX_PATH);
  for (;;) {
    const DWORD n = ::GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
    if (n == 0) return {};
    if (n < path.size()) return Utf8(std::wstring_view(path.data(), n));
    path.resize(path.size() * 2);
  }
}

void SetProgramIcon(const unsigned char* png, std::size_t size) {
  // A window's own icon would stand in for the class's, which is sharper.
  if (g_fileIcon) return;
  // Icons may be PNG pictures since Windows Vista.
  HICON icon = ::CreateIconFromResourceEx(const_cast<PBYTE>(png), static_cast<DWORD>(size), TRUE,
                                          0x00030000, 0, 0, LR_DEFAULTCOLOR);
  if (icon == nullptr) return;
  g_icon = icon;
  for (const auto& [id, entry] : AllWindows()) {
    HWND hwnd = static_cast<const WindowRecord&>(*entry).hwnd;
    ::SendMessageW(hwnd, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(icon));
    ::SendMessageW(hwnd, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(icon));
  }
}

void ShowMessage(const std::string& title, const std::string& text) {
  // Owned by the program's window in the foreground, if any, so that it stands
  // over that window; every window of the program waits until it is closed.
  HWND foreground = ::GetForegroundWindow();
  HWND owner = WindowIdOf(foreground) >= 0 ? foreground : nullptr;
  std::vector<HWND> disabled;
  for (const auto& [id, entry] : AllWindows()) {
    HWND hwnd = static_cast<const WindowRecord&>(*entry).hwnd;
    if (hwnd != owner && ::IsWindowEnabled(hwnd)) {
      ::EnableWindow(hwnd, FALSE);
      disabled.push_back(hwnd);
    }
  }
  ::MessageBoxW(owner, Wide(text).c_str(), Wide(title).c_str(), MB_OK | MB_APPLMODAL);
  for (HWND hwnd : disabled) {
    if (::IsWindow(hwnd)) ::EnableWindow(hwnd, TRUE);
  }
}

void OpenUrl(const std::string& address) {
  if (const auto& hook = UrlOpenerHook()) return hook(address);
  // "example.org" has no scheme: read it as a web address. The desktop starts
  // its handler on its own; nothing waits for it and a failure stays silent.
  const std::string url = address.find("://") == std::string::npos ? "http://" + address : address;
  ::ShellExecuteW(nullptr, L"open", Wide(url).c_str(), nullptr, nullptr, SW_SHOWNORMAL);
}

}  // namespace brindle
