#pragma once
// A calculator's page as plain data: a frame (the main window's title and size
// below the menu bar) and a table of steps, one row per control. The layout
// makes the controls in reading order (InReadingOrder), which is the Tab
// order, whatever the order of the rows. Nothing here calls the gadget layer; the
// layout routine (page_layout.h) walks the table.

#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "gadgets/gadgets.h"
#include "pages/gadget_ids.h"

namespace brindle {

// What a row does. Most rows create a control; two small rows repeat an action
// on a control made earlier, where a page does things in that order.
enum class Step {
  kLabel,
  kEditField,
  kButton,
  kCheckBox,
  kComboBox,
  kTextArea,  // a read-only text of several lines, its caption in `name`
  kPicture,   // a drawing of what the page's fields mean, its words in `name`
  kCheck,     // checks the check box `id`
  kToolTip,   // gives control `id` a new tool tip, replacing the one it had
};

// The entries a drop-down is filled with.
enum class Entries {
  kNone,
  kListed,     // the row's own `listed` entries
  kUnits,      // "Fractions", "Decimal", then the coarser fractions modes
  kConverter,  // the converter's units
};

// The drawings pages show (pages/diagrams.h has their images).
enum class Diagram { kNone, kTriangle, kBender };

struct ControlRow;
// The texts of a drop-down's entries, in order.
std::vector<std::string_view> EntryTexts(const ControlRow& row);
// The text of the drop-down's entry `index`, or "" for none (nothing selected).
std::string EntryText(const ControlRow& row, int index);

// Drop-down selection that stands for the program's units choice.
inline constexpr int kSelectUnitsMode = -2;

struct ControlRow {
  Step step;
  GadgetId id;
  int x = 0, y = 0, w = 0, h = 0;
  std::string_view text = {};     // caption of a label, button or check box
  std::string_view toolTip = {};  // none when empty
  unsigned flags = 0;             // kSunken for labels, kReadOnly for edit fields and check boxes
  // What a screen reader calls the control. Empty for a label, button or check
  // box, which go by their caption; an edit field or drop-down names the label
  // that belongs to it.
  std::string_view name = {};
  Entries entries = Entries::kNone;
  int selected = -1;  // drop-down entry selected after filling, or kSelectUnitsMode
  std::string_view selectedEntry = {};            // or the entry with this text
  std::span<const std::string_view> listed = {};  // the entries of Entries::kListed
  // The caption shown beside an edit field or drop-down, by which its
  // calculation and the command line know it, where it is not its `name`.
  std::string_view caption = {};
  // An edit field or text area whose text stays while the program runs: a
  // page switch and back finds it as it was left.
  bool kept = false;
  Diagram diagram = Diagram::kNone;  // the drawing of a kPicture row
};

// The caption by which a calculation reads or writes the control: an edit
// field's or drop-down's label, a check box's own caption; empty for labels
// and buttons, which hold no value.
constexpr std::string_view CaptionOf(const ControlRow& row) {
  switch (row.step) {
    case Step::kEditField:
    case Step::kComboBox:
    case Step::kTextArea:
      return row.caption.empty() ? row.name : row.caption;
    case Step::kCheckBox:
      return row.text;
    default:
      return {};
  }
}

// A control's place: left, top, width and height in pixels of the main
// window's area below the menu bar.
struct Rect {
  int x, y, w, h;
};

// The rows of a page's table, one maker per kind of control as the page shows
// it. `name` is what a screen reader calls a field or drop-down: the text of
// the label beside it.
constexpr ControlRow Placed(Step step, GadgetId id, Rect r) {
  return {step, id, r.x, r.y, r.w, r.h};
}
constexpr ControlRow Label(GadgetId id, Rect r, std::string_view caption) {
  ControlRow row = Placed(Step::kLabel, id, r);
  row.text = caption;
  return row;
}
// A label in a sunken box, heading the column below it.
constexpr ControlRow SunkenLabel(GadgetId id, Rect r, std::string_view caption) {
  ControlRow row = Label(id, r, caption);
  row.flags = kSunken;
  return row;
}
// An edit field the user types into.
constexpr ControlRow Field(GadgetId id, Rect r, std::string_view toolTip, std::string_view name) {
  ControlRow row = Placed(Step::kEditField, id, r);
  row.toolTip = toolTip;
  row.name = name;
  return row;
}
// An edit field that only shows a result: read-only, its text can be copied.
constexpr ControlRow ResultField(GadgetId id, Rect r, std::string_view toolTip,
                                 std::string_view name) {
  ControlRow row = Field(id, r, toolTip, name);
  row.flags = kReadOnly;
  return row;
}
constexpr ControlRow Button(GadgetId id, Rect r, std::string_view caption,
                            std::string_view toolTip) {
  ControlRow row = Placed(Step::kButton, id, r);
  row.text = caption;
  row.toolTip = toolTip;
  return row;
}
constexpr ControlRow CheckBox(GadgetId id, Rect r, std::string_view caption,
                              std::string_view toolTip) {
  ControlRow row = Button(id, r, caption, toolTip);
  row.step = Step::kCheckBox;
  return row;
}
// A check box that only shows a result: it takes no clicks and no keys.
constexpr ControlRow ResultCheckBox(GadgetId id, Rect r, std::string_view caption,
                                    std::string_view toolTip) {
  ControlRow row = CheckBox(id, r, caption, toolTip);
  row.flags = kReadOnly;
  return row;
}
// A drop-down filled with `entries`, showing entry `selected`.
constexpr ControlRow DropDown(GadgetId id, Rect r, std::string_view toolTip, std::string_view name,
                              Entries entries, int selected) {
  ControlRow row = Placed(Step::kComboBox, id, r);
  row.toolTip = toolTip;
  row.name = name;
  row.entries = entries;
  row.selected = selected;
  return row;
}
// A drop-down filled with `entries`, showing the entry `shown`.
constexpr ControlRow DropDownShowing(GadgetId id, Rect r, std::string_view toolTip,
                                     std::string_view name, Entries entries,
                                     std::string_view shown) {
  ControlRow row = DropDown(id, r, toolTip, name, entries, -1);
  row.selectedEntry = shown;
  return row;
}
// A drop-down filled with its own `entries`, showing entry `selected`.
constexpr ControlRow DropDownListing(GadgetId id, Rect r, std::string_view toolTip,
                                     std::string_view name,
                                     std::span<const std::string_view> entries, int selected) {
  ControlRow row = DropDown(id, r, toolTip, name, Entries::kListed, selected);
  row.listed = entries;
  return row;
}
// A read-only text of several lines that a calculation writes.
constexpr ControlRow ResultText(GadgetId id, Rect r, std::string_view name) {
  ControlRow row = Placed(Step::kTextArea, id, r);
  row.name = name;
  row.flags = kReadOnly;
  return row;
}
// A drawing of what the page's fields mean, labelled with their captions;
// `words` says in a sentence what it shows, for a screen reader.
constexpr ControlRow Drawing(GadgetId id, Rect r, Diagram diagram, std::string_view words) {
  ControlRow row = Placed(Step::kPicture, id, r);
  row.name = words;
  row.diagram = diagram;
  return row;
}
// The same row, its text kept while the program runs, across page switches.
constexpr ControlRow Kept(ControlRow row) {
  row.kept = true;
  return row;
}
// The units drop-down ("Fractions", "Decimal", "Fractions 1/32", ...), showing
// the program's units choice.
constexpr ControlRow UnitsDropDown(GadgetId id, Rect r, std::string_view toolTip,
                                   std::string_view name) {
  return DropDown(id, r, toolTip, name, Entries::kUnits, kSelectUnitsMode);
}
// The same row, known to its calculation by another caption than its name.
constexpr ControlRow CaptionedAs(ControlRow row, std::string_view caption) {
  row.caption = caption;
  return row;
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

// The entry a drop-down row shows when its page opens, with the program's
// units choice `unitsChoice` (CalcU). A units choice that names no entry, as a
// hand-edited settings file can hold, selects none (-1), which the
// calculations read as "Decimal".
int FirstEntry(const ControlRow& row, int unitsChoice);

}  // namespace brindle
