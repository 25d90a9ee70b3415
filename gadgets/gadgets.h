#pragma once
// The platform layer: windows, menus, controls, events, message boxes and the
// desktop shell, addressed by small integer ids that the program chooses.
//
// Everything here is plain C++. The toolkit behind it stays inside gadgets/,
// so the pages and the shell above it can be built and tested without it.
//
// Model: one global table of controls ("gadgets") keyed by id. Reads of an id
// that names no control give 0 or "", and operations on it do nothing.

#include <cstddef>
#include <span>
#include <string>

namespace brindle {

using WindowId = int;
using GadgetId = int;
using MenuItemId = int;

enum class ControlKind {
  None,
  Label,
  EditField,
  Button,
  CheckBox,
  ComboBox,
  TextArea,
  Hyperlink,
  Picture
};

enum class EventKind { None, GadgetEvent, MenuEvent, CloseEvent, MoveEvent, SizeEvent };

struct Event {
  EventKind kind = EventKind::None;
  WindowId window = -1;
  int item = -1;  // gadget id for a GadgetEvent, menu item id for a MenuEvent
};

// Window frame flags for CreateAppWindow.
enum WindowFlag : unsigned {
  kTitleBar = 1u << 0,
  kCloseBox = 1u << 1,  // system menu with close box
  kSizingBorder = 1u << 2,
  kMinimizeBox = 1u << 3,
  kMaximizeBox = 1u << 4,
};

// Control flags.
enum GadgetFlag : unsigned {
  kSunken = 1u << 0,  // Label: sunken 3-D border
  // EditField, TextArea: selectable and copyable, not editable. CheckBox: shows
  // a result; clicks and keys leave it as the program set it, and a screen
  // reader reads its state as for any check box.
  kReadOnly = 1u << 1,
};

// --- Start-up -------------------------------------------------------------

// Creates the toolkit's application object and chooses the default GUI font.
// Call once, before anything else here. Returns false when no display can be opened.
bool InitGadgets(int& argc, char** argv);

// Full path of the running program file.
std::string ProgramFilePath();

// The picture every window shows in its title bar and task bar entry (PNG bytes).
void SetProgramIcon(const unsigned char* png, std::size_t size);

// --- Windows --------------------------------------------------------------

// Creates a top-level window whose outer (frame) top-left corner is (x, y) and
// whose inner area, menu bar included, is width x height. Shown at once, active.
bool CreateAppWindow(WindowId id, int x, int y, int width, int height, const std::string& title,
                     unsigned flags);
void DestroyAppWindow(WindowId id);
bool WindowExists(WindowId id);
// Moves and sizes a window without activating or raising it. Width and height
// are the inner area without a menu bar, so a caller whose window has one adds
// MenuBarHeight() itself. A window without a sizing border keeps the new size
// fixed. Not reported as a MoveEvent or SizeEvent.
// A corner equal to the one last reported (or set) does not undo a move the
// user has just made and that is not reported yet: the window stays where the
// user put it, and the move is reported as a MoveEvent.
void PlaceWindow(WindowId id, int x, int y, int width, int height);
void SetWindowTitle(WindowId id, const std::string& title);
int WindowLeft(WindowId id);  // outer position on the screen
int WindowTop(WindowId id);
int InnerWidth(WindowId id);
int InnerHeight(WindowId id);  // includes the menu bar when the window has one
void SetWindowEnabled(WindowId id, bool enabled);
void SetWindowTopmost(WindowId id, bool on);
void ActivateWindow(WindowId id);
// A rectangle on the screen in its pixels, as window corners are given.
struct ScreenBox {
  int x = 0, y = 0, w = 0, h = 0;
};
// The window's outer rectangle, frame included.
ScreenBox WindowFrame(WindowId id);
// The work area (the screen less its panels and task bar) of the screen that
// shows the window, or of the primary screen when there is no such window.
ScreenBox WorkAreaOf(WindowId id);
// The outer size (w, h) of a window with these frame flags whose inner area,
// menu bar included, is width x height, as CreateAppWindow would make it.
ScreenBox OuterSizeOf(int width, int height, unsigned flags);
// The size (w, h) a read-only text area needs to show `lines` lines of
// `columns` characters of its fixed-pitch text without scrolling.
ScreenBox TextAreaSizeFor(int columns, int lines);
// Controls created from now on go into this window.
void UseWindowForControls(WindowId id);
// Height of a one-line menu bar with the chosen font.
int MenuBarHeight();

// --- Menus ----------------------------------------------------------------

void CreateMenuBar(WindowId window);
void AddMenuTitle(const std::string& text);
void AddMenuItem(MenuItemId item, const std::string& text);
void AddMenuSeparator();
// Opens a submenu titled `text` in the menu being built; items and separators
// added after it go into the submenu until EndSubmenu().
void AddSubmenu(const std::string& text);
void EndSubmenu();

// --- Controls ---------------------------------------------------------------
// Positions are pixels in the window's inner area below its menu bar.

void CreateLabel(GadgetId id, int x, int y, int w, int h, const std::string& text,
                 unsigned flags = 0);
void CreateEditField(GadgetId id, int x, int y, int w, int h, const std::string& text,
                     unsigned flags = 0);
void CreateButton(GadgetId id, int x, int y, int w, int h, const std::string& caption);
void CreateCheckBox(GadgetId id, int x, int y, int w, int h, const std::string& caption,
                    unsigned flags = 0);
void CreateComboBox(GadgetId id, int x, int y, int w, int h);
void CreateTextArea(GadgetId id, int x, int y, int w, int h, unsigned flags = 0);
// colour is 0xRRGGBB.
void CreateHyperlink(GadgetId id, int x, int y, int w, int h, const std::string& text,
                     unsigned colour);

// One drawing as PNG images at 100 %, 150 % and 200 % of its size on a 96 DPI
// screen. An image left empty is not used. The bytes are the program's own
// and must outlive the picture control that shows them.
// A layer that draws SVG itself (the browser) is given the drawing instead.
struct PictureImages {
  std::span<const unsigned char> at100, at150, at200;
  std::span<const unsigned char> drawing;  // SVG text
};
// A still picture: the image of `images` that suits the screen's scale, made to
// fill w x h exactly. It takes no input or focus; `name` is what a screen
// reader announces (the drawing's words).
void CreatePicture(GadgetId id, int x, int y, int w, int h, const PictureImages& images,
                   const std::string& name);

void SetText(GadgetId id, const std::string& text);
std::string GetText(GadgetId id);
void AddItem(GadgetId id, const std::string& text);  // appends an entry
void SelectItem(GadgetId id, int value);  // ComboBox: index; CheckBox: 1 checks, 0 clears
int SelectedItem(GadgetId id);            // ComboBox: index or -1; CheckBox: 1/0; other kinds: 0
void SetToolTip(GadgetId id, const std::string& text);
// A disabled control is shown greyed and takes no input or focus.
void SetGadgetEnabled(GadgetId id, bool enabled);
// The name a screen reader announces for the control.
void SetAccessibleName(GadgetId id, const std::string& name);
bool GadgetExists(GadgetId id);
ControlKind GadgetKind(GadgetId id);
void DestroyGadget(GadgetId id);
void PlaceGadget(GadgetId id, int x, int y, int w, int h);
// Enter pressed in any EditField of the window reports a GadgetEvent for this
// gadget, as if it had been pressed. -1 turns it off.
void SetEnterGadget(WindowId window, GadgetId gadget);

// --- Keyboard ---------------------------------------------------------------
// Menu titles, submenus and items get an underlined access letter of the
// layer's choosing (the first one free in their menu), without changing their
// texts: Alt and a title's letter open its menu. Tab and Shift+Tab need no call.

// F1 in the window chooses this item of its menu bar, as a click on it does.
void SetHelpKey(WindowId window, MenuItemId item);
// Esc in the window asks to close it, as its close box does: a CloseEvent,
// and the window stays open until the program closes it.
void SetEscapeCloses(WindowId window);
// Enter anywhere in the window presses this button (a GadgetEvent for it),
// which is drawn as the window's default button. For a window without edit
// fields; Enter in a page's fields follows SetEnterGadget.
void SetDefaultButton(WindowId window, GadgetId button);

// --- Events -----------------------------------------------------------------

// Blocks until the next event; never spins. Close boxes report a CloseEvent
// and leave the window open. MoveEvent and SizeEvent report only what the user
// did, ending at a position or size different from the one last reported.
Event WaitEvent();

// --- Messages and the desktop shell ----------------------------------------

// Modal box with title, text, one "OK" button and no icon; every window of the
// program takes no input while it is open.
void ShowMessage(const std::string& title, const std::string& text);

// Opens the address with the desktop's default handler, without waiting;
// silent on failure.
void OpenUrl(const std::string& address);

}  // namespace brindle
