#pragma once
// The one routine that lays out every calculator page. A page is a frame (the
// main window's title and size below the menu bar) and a table of steps, one
// row per control in creation order, which is also the Tab order. Reading a
// page's table should be like reading the page on the screen.

#include <span>
#include <string>
#include <string_view>

#include "gadgets/gadgets.h"
#include "pages/gadget_ids.h"
#include "pages/pages.h"

// What a row does. Most rows create a control; two small rows repeat an action
// on a control made earlier, where a page does things in that order.
enum class Step {
  kLabel,
  kEditField,
  kButton,
  kCheckBox,
  kComboBox,
  kCheck,    // checks the check box `id`
  kToolTip,  // gives control `id` a new tool tip, replacing the one it had
};

// The entries a drop-down is filled with.
enum class Entries {
  kNone,
  kUnits,      // "Fractions", "Decimal"
  kConverter,  // the converter's 23 units
};

// Drop-down selection that stands for the program's units choice.
inline constexpr int kSelectUnitsMode = -2;

struct ControlRow {
  Step step;
  GadgetId id;
  int x = 0, y = 0, w = 0, h = 0;
  std::string_view text = {};     // caption of a label, button or check box
  std::string_view toolTip = {};  // none when empty
  unsigned flags = 0;             // kSunken for labels, kReadOnly for edit fields
  // What a screen reader calls the control. Empty for a label, button or check
  // box, which go by their caption; an edit field or drop-down names the label
  // that belongs to it.
  std::string_view name = {};
  Entries entries = Entries::kNone;
  int selected = -1;  // drop-down entry selected after filling, or kSelectUnitsMode
};

// A control's place: left, top, width and height in pixels of the main
// window's area below the menu bar.
struct Box {
  int x, y, w, h;
};

// The rows of a page's table, one maker per kind of control as the page shows
// it. `name` is what a screen reader calls a field or drop-down: the text of
// the label beside it.
constexpr ControlRow Placed(Step step, GadgetId id, Box b) {
  return {step, id, b.x, b.y, b.w, b.h};
}
constexpr ControlRow Label(GadgetId id, Box b, std::string_view caption) {
  ControlRow row = Placed(Step::kLabel, id, b);
  row.text = caption;
  return row;
}
// A label in a sunken box, heading the column below it.
constexpr ControlRow SunkenLabel(GadgetId id, Box b, std::string_view caption) {
  ControlRow row = Label(id, b, caption);
  row.flags = kSunken;
  return row;
}
// An edit field the user types into.
constexpr ControlRow Field(GadgetId id, Box b, std::string_view toolTip, std::string_view name) {
  ControlRow row = Placed(Step::kEditField, id, b);
  row.toolTip = toolTip;
  row.name = name;
  return row;
}
// An edit field that only shows a result: read-only, its text can be copied.
constexpr ControlRow ResultField(GadgetId id, Box b, std::string_view toolTip,
                                 std::string_view name) {
  ControlRow row = Field(id, b, toolTip, name);
  row.flags = kReadOnly;
  return row;
}
constexpr ControlRow Button(GadgetId id, Box b, std::string_view caption,
                            std::string_view toolTip) {
  ControlRow row = Placed(Step::kButton, id, b);
  row.text = caption;
  row.toolTip = toolTip;
  return row;
}
constexpr ControlRow CheckBox(GadgetId id, Box b, std::string_view caption,
                              std::string_view toolTip) {
  ControlRow row = Button(id, b, caption, toolTip);
  row.step = Step::kCheckBox;
  return row;
}
// A drop-down filled with `entries`, showing entry `selected`.
constexpr ControlRow DropDown(GadgetId id, Box b, std::string_view toolTip, std::string_view name,
                              Entries entries, int selected) {
  ControlRow row = Placed(Step::kComboBox, id, b);
  row.toolTip = toolTip;
  row.name = name;
  row.entries = entries;
  row.selected = selected;
  return row;
}
// The units drop-down, "Fractions" and "Decimal", showing the program's units choice.
constexpr ControlRow UnitsDropDown(GadgetId id, Box b, std::string_view toolTip,
                                   std::string_view name) {
  return DropDown(id, b, toolTip, name, Entries::kUnits, kSelectUnitsMode);
}
// Checks the check box `id` made earlier.
constexpr ControlRow Check(GadgetId id) {
  return {Step::kCheck, id};
}
// Gives the control `id` made earlier a new tool tip, replacing the one it had.
constexpr ControlRow NewToolTip(GadgetId id, std::string_view toolTip) {
  ControlRow row{Step::kToolTip, id};
  row.toolTip = toolTip;
  return row;
}

struct PageFrame {
  std::string_view title;
  int width;             // inner area of the main window
  int height;            // below the menu bar
  GadgetId enterGadget;  // what Enter in any edit field presses
};

// Places and titles the main window, then walks the rows in order.
void LayOutPage(const PageFrame& frame, std::span<const ControlRow> rows, const PagePlacement& at);

// A field of the page and the text of a calculation's input or output it holds.
template <typename Texts>
struct FieldText {
  GadgetId id;
  std::string Texts::*text;
};

// Reads each field into its text of `into`.
template <typename Texts>
void ReadFields(std::span<const FieldText<Texts>> fields, Texts& into) {
  for (const FieldText<Texts>& field : fields)
    into.*field.text = GetText(field.id);
}

// Writes each text of `from` into its field, in the table's order.
template <typename Texts>
void WriteFields(std::span<const FieldText<Texts>> fields, const Texts& from) {
  for (const FieldText<Texts>& field : fields)
    SetText(field.id, from.*field.text);
}
