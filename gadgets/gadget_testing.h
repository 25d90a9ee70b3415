#pragma once
// Driving the real controls from tests, as a user would: clicks, typing, keys,
// menu choices, close boxes, window moves. Plain C++, so the tests of the pages
// and the shell never touch the toolkit themselves. Linked only into tests
// (library gadgets_testing).

#include <functional>
#include <optional>
#include <string>

#include "gadgets/gadgets.h"

namespace brindle {

enum class TestKey { Enter, Tab, BackTab, Space, Escape, F1 };

// Mouse click (press and release) at the centre of the control.
void ClickGadget(GadgetId id);
// Gives the control the focus and types the text key by key.
void TypeText(GadgetId id, const std::string& text);
// Presses a key in the control that has the focus in the window (or in the window).
void PressKey(WindowId window, TestKey key);
// Opens the combo box's list and picks the entry with the mouse-free keyboard path,
// reporting it as the user's choice.
void ChooseComboItem(GadgetId id, int index);
// Chooses a menu item as the user would.
void ChooseMenuItem(WindowId window, MenuItemId item);
// Clicks the window's close box.
void ClickCloseBox(WindowId window);

// Replaces what OpenUrl does, so that no browser opens; an empty function
// restores the desktop handler.
void SetOpenUrlHandler(std::function<void(const std::string&)> handler);

// Lets the toolkit deliver what is pending (no waiting).
void ProcessPendingEvents();
// Takes the next queued event without waiting, if any.
std::optional<Event> PollEvent();
// Processes pending toolkit events for up to `ms` milliseconds, until `done` holds.
bool WaitUntil(const std::function<bool()>& done, int ms = 2000);

// Inspection.
GadgetId FocusedGadget();  // -1 when no gadget has the focus
bool GadgetReadOnly(GadgetId id);
// Whether the control takes input: false once SetGadgetEnabled turned it off.
bool GadgetEnabled(GadgetId id);
std::string ToolTipOf(GadgetId id);
std::string AccessibleNameOf(GadgetId id);
// The text of the label that a screen reader takes as the control's caption
// (on Linux, AT-SPI's labelled-by), or "" for none.
std::string CaptionLabelOf(GadgetId id);
int ComboItemCount(GadgetId id);
std::string ComboItemText(GadgetId id, int index);
struct GadgetRect {
  int x = 0, y = 0, w = 0, h = 0;  // in the window's inner area below the menu bar
};
GadgetRect GadgetGeometry(GadgetId id);
// The colour (0xRRGGBB) painted at (x, y) of the window's inner area below the
// menu bar, controls included.
unsigned PaintedColour(WindowId window, int x, int y);
bool WindowActive(WindowId id);
bool WindowEnabled(WindowId id);
std::string WindowTitle(WindowId id);
// The window's menus in order: each title with its items in brackets, items
// separated by ", ", "-" for a separator, a submenu as a title with brackets.
std::string MenuTexts(WindowId id);
// Number of child controls the window holds (for checking that a page left nothing behind).
int ControlCount(WindowId window);

// Message boxes. The handler runs once, for the next box that ShowMessage opens,
// while it is open; it sees the title, the text, the button texts and whether an
// icon is shown, can try input elsewhere, and the box is then closed with "OK".
struct MessageBoxView {
  std::string title;
  std::string text;
  std::string buttons;  // button texts joined by "|"
  bool hasIcon = false;
};
void OnNextMessageBox(std::function<void(const MessageBoxView&)> handler);
// How many message boxes ShowMessage has opened since the program started. A box
// opened with no handler armed is closed with "OK" at once (so that no test
// hangs) and reported on the standard error stream.
int MessageBoxCount();

}  // namespace brindle
