// Controls on the web: real <input>, <select>, <button>, check boxes, labels
// and text areas in the window's document, kept by id in the core's table.

#include <map>
#include <memory>
#include <span>
#include <string>
#include <utility>
#include <vector>

#include "gadgets/event_queue.h"
#include "gadgets/gadget_rules.h"
#include "gadgets/gadgets.h"
#include "gadgets/id_table.h"
#include "gadgets/web/dom_calls.h"

namespace brindle {

using namespace gadget_layer;

namespace {

// The document's element goes with the entry.
struct WebControl : ControlEntry {
  GadgetId id = -1;
  ~WebControl() override { brindle_dom_destroy_control(id); }
};

// The control each window gave the keyboard to first.
std::map<WindowId, GadgetId>& FocusedControls() {
  static std::map<WindowId, GadgetId> focused;
  return focused;
}

void Create(GadgetId id, ControlKind kind, int x, int y, int w, int h, const std::string& text,
            unsigned flags, unsigned colour = 0) {
  const WindowId window = ControlWindow();
  if (window < 0 || FindWindowEntry(window) == nullptr) return;
  auto control = std::make_unique<WebControl>();
  control->kind = kind;
  control->window = window;
  control->id = id;
  RememberControl(id, std::move(control));
  brindle_dom_control(id, window, static_cast<int>(kind), ClampCoordinate(x), ClampCoordinate(y),
                      ClampSize(w), ClampSize(h), text.c_str(), flags, colour);
  // The first control of a window or page that can take the keyboard has it,
  // so that the user types into the first field at once.
  GadgetId& focused = FocusedControls().try_emplace(window, -1).first->second;
  const ControlEntry* holder = focused != id ? FindControl(focused) : nullptr;
  const bool hasFocused = holder != nullptr && holder->window == window;
  if (TakesFirstFocus(kind, hasFocused)) {
    focused = id;
    brindle_dom_focus(id);
  }
}

}  // namespace

void CreateLabel(GadgetId id, int x, int y, int w, int h, const std::string& text, unsigned flags) {
  Create(id, ControlKind::Label, x, y, w, h, text, flags);
}
void CreateEditField(GadgetId id, int x, int y, int w, int h, const std::string& text,
                     unsigned flags) {
  Create(id, ControlKind::EditField, x, y, w, h, text, flags);
}
void CreateButton(GadgetId id, int x, int y, int w, int h, const std::string& caption) {
  Create(id, ControlKind::Button, x, y, w, h, caption, 0);
}
void CreateCheckBox(GadgetId id, int x, int y, int w, int h, const std::string& caption,
                    unsigned flags) {
  Create(id, ControlKind::CheckBox, x, y, w, h, caption, flags);
}
void CreatePicture(GadgetId id, int x, int y, int w, int h, const PictureImages& images,
                   const std::string& name) {
  Create(id, ControlKind::Picture, x, y, w, h, "", 0);
  if (FindControl(id) == nullptr) return;
  // The browser draws an SVG sharp at any scale; of images, it picks the one
  // for the screen's scale itself.
  if (!images.drawing.empty())
    brindle_dom_picture_image(id, 0, images.drawing.data(),
                              static_cast<int>(images.drawing.size()));
  const std::pair<int, std::span<const unsigned char>> scaled[] = {
      {100, images.at100}, {150, images.at150}, {200, images.at200}};
  for (const auto& [percent, png] : scaled) {
    if (!png.empty())
      brindle_dom_picture_image(id, percent, png.data(), static_cast<int>(png.size()));
  }
  SetAccessibleName(id, name);
}
void CreateComboBox(GadgetId id, int x, int y, int w, int h) {
  Create(id, ControlKind::ComboBox, x, y, w, h, "", 0);
}
void CreateTextArea(GadgetId id, int x, int y, int w, int h, unsigned flags) {
  Create(id, ControlKind::TextArea, x, y, w, h, "", flags);
}
void CreateHyperlink(GadgetId id, int x, int y, int w, int h, const std::string& text,
                     unsigned colour) {
  Create(id, ControlKind::Hyperlink, x, y, w, h, text, 0, colour);
}

void SetText(GadgetId id, const std::string& text) {
  if (FindControl(id) != nullptr) brindle_dom_set_text(id, text.c_str());
}

std::string GetText(GadgetId id) {
  if (FindControl(id) == nullptr) return "";
  std::string text(64, '\0');
  int size = brindle_dom_get_text(id, text.data(), static_cast<int>(text.size()) + 1);
  if (size > static_cast<int>(text.size())) {
    text.resize(static_cast<size_t>(size));
    size = brindle_dom_get_text(id, text.data(), size + 1);
  }
  text.resize(static_cast<size_t>(size));
  return text;
}

void AddItem(GadgetId id, const std::string& text) {
  const ControlEntry* control = FindControl(id);
  if (control != nullptr && control->kind == ControlKind::ComboBox)
    brindle_dom_add_item(id, text.c_str());
}

void SelectItem(GadgetId id, int value) {
  const ControlEntry* control = FindControl(id);
  if (control == nullptr) return;
  if (control->kind == ControlKind::ComboBox || control->kind == ControlKind::CheckBox)
    brindle_dom_select(id, value);
}

int SelectedItem(GadgetId id) {
  const ControlEntry* control = FindControl(id);
  if (control == nullptr) return 0;
  if (control->kind == ControlKind::ComboBox || control->kind == ControlKind::CheckBox)
    return brindle_dom_selected(id);
  return 0;
}

void SetToolTip(GadgetId id, const std::string& text) {
  if (ControlEntry* control = FindControl(id)) {
    control->toolTip = text;
    brindle_dom_tool_tip(id, text.c_str());
  }
}

void SetGadgetEnabled(GadgetId id, bool enabled) {
  if (FindControl(id) != nullptr) brindle_dom_enabled(id, enabled ? 1 : 0);
}

void SetAccessibleName(GadgetId id, const std::string& name) {
  if (FindControl(id) != nullptr) brindle_dom_name(id, name.c_str());
}

void PlaceGadget(GadgetId id, int x, int y, int w, int h) {
  if (FindControl(id) != nullptr)
    brindle_dom_place(id, ClampCoordinate(x), ClampCoordinate(y), ClampSize(w), ClampSize(h));
}

}  // namespace brindle
