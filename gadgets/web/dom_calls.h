#pragma once
// Inside the web back end only: the calls into the page's document that the
// back end makes, one per thing it asks of the browser. They are written in
// JavaScript (dom.js, through library_dom.js); texts cross as UTF-8.

namespace brindle {
namespace gadget_layer {

extern "C" {
void brindle_dom_window(int id, int x, int y, int width, int height, const char* title,
                        unsigned flags);
void brindle_dom_destroy_window(int id);
void brindle_dom_window_title(int id, const char* title);
void brindle_dom_place_window(int id, int x, int y, int width, int height);
void brindle_dom_window_enabled(int id, int enabled);
void brindle_dom_activate(int id);
int brindle_dom_menu_bar_height();
// The size of the browser's view of the page, in CSS pixels.
int brindle_dom_view_width();
int brindle_dom_view_height();
// The size a read-only text area needs for `columns` characters of its
// fixed-pitch text, or for `lines` lines, scroll bars and padding included.
int brindle_dom_text_width(int columns);
int brindle_dom_text_height(int lines);

// Menus: a bar in the window, then titles, items, separators and submenus in
// the order they are added. Texts carry "&" before their access letter.
void brindle_dom_menu_bar(int window);
void brindle_dom_menu_title(const char* text);
void brindle_dom_menu_item(int item, const char* text);
void brindle_dom_menu_separator();
void brindle_dom_submenu(const char* text);
void brindle_dom_end_submenu();

void brindle_dom_control(int id, int window, int kind, int x, int y, int width, int height,
                         const char* text, unsigned flags, unsigned colour);
void brindle_dom_destroy_control(int id);
// One image of a picture control: PNG bytes drawn at `percent` % of the
// picture's size on a 96 DPI screen, or at 0 the drawing as SVG text.
void brindle_dom_picture_image(int id, int percent, const unsigned char* png, int size);
// Gives the control the keyboard (not in the phone's flow, where that would
// open the on-screen keyboard unasked).
void brindle_dom_focus(int id);
void brindle_dom_place(int id, int x, int y, int width, int height);
void brindle_dom_set_text(int id, const char* text);
// Copies the control's text into `buffer` when it fits; returns its length in
// bytes either way.
int brindle_dom_get_text(int id, char* buffer, int size);
void brindle_dom_add_item(int id, const char* text);
void brindle_dom_select(int id, int value);
int brindle_dom_selected(int id);
void brindle_dom_tool_tip(int id, const char* text);
void brindle_dom_enabled(int id, int enabled);
void brindle_dom_name(int id, const char* name);

// What a window does with a key: 0 Enter in an edit field presses gadget
// `value`, 1 F1 chooses menu item `value`, 2 Esc closes, 3 Enter presses
// button `value`.
void brindle_dom_window_key(int window, int key, int value);

void brindle_dom_message(const char* title, const char* text);
void brindle_dom_open_url(const char* address);
}

}  // namespace gadget_layer
}  // namespace brindle
