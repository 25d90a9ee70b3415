// The gadget layer's calls into the document (dom_calls.h), handed to the
// BrindleDom object of dom.js with their texts read from UTF-8.
mergeInto(LibraryManager.library, {
  brindle_dom_window: function (id, x, y, w, h, title, flags) {
    BrindleDom.window(id, x, y, w, h, UTF8ToString(title), flags);
  },
  brindle_dom_destroy_window: function (id) { BrindleDom.destroyWindow(id); },
  brindle_dom_window_title: function (id, title) { BrindleDom.windowTitle(id, UTF8ToString(title)); },
  brindle_dom_place_window: function (id, x, y, w, h) { BrindleDom.placeWindow(id, x, y, w, h); },
  brindle_dom_window_enabled: function (id, on) { BrindleDom.windowEnabled(id, on !== 0); },
  brindle_dom_activate: function (id) { BrindleDom.activate(id); },
  brindle_dom_menu_bar_height: function () { return BrindleDom.menuBarHeight(); },
  brindle_dom_view_width: function () { return BrindleDom.viewWidth(); },
  brindle_dom_view_height: function () { return BrindleDom.viewHeight(); },
  brindle_dom_text_width: function (columns) { return BrindleDom.textWidth(columns); },
  brindle_dom_text_height: function (lines) { return BrindleDom.textHeight(lines); },
  brindle_dom_picture_image: function (id, percent, png, size) {
    BrindleDom.pictureImage(id, percent, HEAPU8.slice(png, png + size));
  },
  brindle_dom_menu_bar: function (id) { BrindleDom.menuBar(id); },
  brindle_dom_menu_title: function (text) { BrindleDom.menuTitle(UTF8ToString(text)); },
  brindle_dom_menu_item: function (item, text) { BrindleDom.menuItem(item, UTF8ToString(text)); },
  brindle_dom_menu_separator: function () { BrindleDom.menuSeparator(); },
  brindle_dom_submenu: function (text) { BrindleDom.submenu(UTF8ToString(text)); },
  brindle_dom_end_submenu: function () { BrindleDom.endSubmenu(); },
  brindle_dom_control: function (id, win, kind, x, y, w, h, text, flags, colour) {
    BrindleDom.control(id, win, kind, x, y, w, h, UTF8ToString(text), flags, colour);
  },
  brindle_dom_destroy_control: function (id) { BrindleDom.destroyControl(id); },
  brindle_dom_focus: function (id) { BrindleDom.focus(id); },
  brindle_dom_place: function (id, x, y, w, h) { BrindleDom.place(id, x, y, w, h); },
  brindle_dom_set_text: function (id, text) { BrindleDom.setText(id, UTF8ToString(text)); },
  brindle_dom_get_text: function (id, buffer, size) {
    var text = BrindleDom.getText(id);
    var length = lengthBytesUTF8(text);
    if (length < size) stringToUTF8(text, buffer, size);
    return length;
  },
  brindle_dom_add_item: function (id, text) { BrindleDom.addItem(id, UTF8ToString(text)); },
  brindle_dom_select: function (id, value) { BrindleDom.select(id, value); },
  brindle_dom_selected: function (id) { return BrindleDom.selected(id); },
  brindle_dom_tool_tip: function (id, text) { BrindleDom.toolTip(id, UTF8ToString(text)); },
  brindle_dom_enabled: function (id, on) { BrindleDom.enabled(id, on !== 0); },
  brindle_dom_name: function (id, name) { BrindleDom.name(id, UTF8ToString(name)); },
  brindle_dom_window_key: function (win, key, value) { BrindleDom.windowKey(win, key, value); },
  brindle_dom_message: function (title, text) {
    BrindleDom.message(UTF8ToString(title), UTF8ToString(text));
  },
  brindle_dom_open_url: function (address) { BrindleDom.openUrl(UTF8ToString(address)); },
});
