#include "pages/page_layout.h"

#include <algorithm>
#include <map>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

#include "calc/range_algorithms.h"
#include "pages/diagrams.h"
#include "pages/recalculation.h"

namespace brindle {

namespace {

// The texts of the kept fields of pages not shown, by calculator and gadget.
std::map<std::pair<int, GadgetId>, std::string>& KeptTexts() {
  static std::map<std::pair<int, GadgetId>, std::string> texts;
  return texts;
}

void CreateControl(const ControlRow& row, const PagePlacement& at) {
  const std::string text(row.text);
  switch (row.step) {
    case Step::kLabel:
      CreateLabel(row.id, row.x, row.y, row.w, row.h, text, row.flags);
      break;
    case Step::kEditField:
      CreateEditField(row.id, row.x, row.y, row.w, row.h, text, row.flags);
      break;
    case Step::kButton:
      CreateButton(row.id, row.x, row.y, row.w, row.h, text);
      break;
    case Step::kCheckBox:
      CreateCheckBox(row.id, row.x, row.y, row.w, row.h, text, row.flags);
      break;
    case Step::kComboBox:
      CreateComboBox(row.id, row.x, row.y, row.w, row.h);
      break;
    case Step::kTextArea:
      CreateTextArea(row.id, row.x, row.y, row.w, row.h, row.flags);
      break;
    case Step::kPicture:
      CreatePicture(row.id, row.x, row.y, row.w, row.h, DiagramImages(row.diagram),
                    std::string(row.name));
      break;
    case Step::kCheck:
      SelectItem(row.id, 1);
      return;
    case Step::kToolTip:
      SetToolTip(row.id, std::string(row.toolTip));
      return;
  }

  const std::string_view name = !row.name.empty()   ? row.name
                                : !row.text.empty() ? row.text
                                                    : row.toolTip;
  SetAccessibleName(row.id, std::string(name));
  if (!row.toolTip.empty()) SetToolTip(row.id, std::string(row.toolTip));
  if (row.step == Step::kComboBox) {
    for (std::string_view entry : EntryTexts(row))
      AddItem(row.id, std::string(entry));
    SelectItem(row.id, FirstEntry(row, at.unitsChoice));
  }
}

// What the control shows, as its calculation reads it.
std::string ReadControl(const ControlRow& row) {
  switch (row.step) {
    case Step::kCheckBox:
      return CheckText(SelectedItem(row.id) == 1);
    case Step::kComboBox:
      return EntryText(row, SelectedItem(row.id));
    default:
      return GetText(row.id);
  }
}

void WriteControl(const ControlRow& row, const std::string& text) {
  if (row.step == Step::kCheckBox) {
    SelectItem(row.id, text == kChecked ? 1 : 0);
  } else {
    SetText(row.id, text);
  }
}

// What the page shown calculated last.
RecalculationMemory& Memory() {
  static RecalculationMemory memory;
  return memory;
}

}  // namespace

std::string WindowTitleOf(std::string_view what) {
  return std::string(what) + " - " + std::string(kProgramName);
}

std::vector<const ControlRow*> InReadingOrder(std::span<const ControlRow> rows) {
  std::vector<const ControlRow*> controls;
  for (const ControlRow& row : rows) {
    if (row.step != Step::kCheck && row.step != Step::kToolTip) controls.push_back(&row);
  }
  std::stable_sort(controls.begin(), controls.end(),
                   [](const ControlRow* a, const ControlRow* b) { return a->y < b->y; });
  // A line of the page begins with its highest control; the controls whose
  // tops are less than half a field's height below it stand on that line.
  constexpr int kLevel = 10;
  std::map<const ControlRow*, int> lineTop;
  int top = 0;
  for (const ControlRow* row : controls) {
    if (row == controls.front() || row->y >= top + kLevel) top = row->y;
    lineTop[row] = top;
  }
  const auto place = [&lineTop](const ControlRow* row) {
    return std::tuple(row->step == Step::kButton, lineTop[row], row->x);
  };
  std::stable_sort(
      controls.begin(), controls.end(),
      [&place](const ControlRow* a, const ControlRow* b) { return place(a) < place(b); });
  return controls;
}

void LayOutPage(const Calculator& calculator, const PagePlacement& at) {
  const PageFrame& frame = calculator.frame;
  // The main window has a menu bar, which takes its height above the page.
  PlaceWindow(kMainWindowId, at.winX, at.winY, frame.width, frame.height + MenuBarHeight());
  SetWindowTitle(kMainWindowId, WindowTitleOf(frame.title));
  UseWindowForControls(kMainWindowId);
  Memory().Forget();
  // Tab visits the controls in the order they are made.
  for (const ControlRow* row : InReadingOrder(calculator.rows)) {
    CreateControl(*row, at);
    const auto kept = KeptTexts().find({calculator.id, row->id});
    if (row->kept && kept != KeptTexts().end()) SetText(row->id, kept->second);
  }
  for (const ControlRow& row : calculator.rows) {
    if (row.step == Step::kCheck || row.step == Step::kToolTip) CreateControl(row, at);
  }
  SetEnterGadget(kMainWindowId, frame.enterGadget);
  ArrangePage(calculator);
}

void RemovePage(const Calculator& calculator) {
  for (const ControlRow& row : calculator.rows) {
    if (!GadgetExists(row.id)) continue;
    if (row.kept) KeptTexts()[{calculator.id, row.id}] = GetText(row.id);
    DestroyGadget(row.id);
  }
}

void ForgetKeptTexts() {
  KeptTexts().clear();
}

void ClearPage(const Calculator& calculator) {
  Memory().Forget();
  for (const ControlRow& row : calculator.rows) {
    if (row.step == Step::kEditField) SetText(row.id, "");
    // What the boxes said was about the values just cleared.
    if (row.step == Step::kCheckBox && (row.flags & kReadOnly)) SelectItem(row.id, 0);
  }
}

namespace {

FieldTexts ReadInputs(const Calculator& calculator) {
  FieldTexts fields;
  for (std::string_view caption : calculator.inputs) {
    if (const ControlRow* row = ControlCaptioned(calculator, caption))
      fields.push_back({std::string(caption), ReadControl(*row)});
  }
  return fields;
}

// The inputs the user types into: a field the program keeps for itself, such as
// the tape, is read back as it shows.
FieldTexts TypedInputs(const Calculator& calculator) {
  FieldTexts fields = ReadInputs(calculator);
  std::erase_if(fields, [&calculator](const FieldText& field) {
    const ControlRow* row = ControlCaptioned(calculator, field.caption);
    return row->step != Step::kEditField || (row->flags & kReadOnly) != 0;
  });
  return fields;
}

void WriteResult(const Calculator& calculator, const CalcResult& result) {
  for (const FieldText& write : result.writes) {
    if (const ControlRow* row = ControlCaptioned(calculator, write.caption))
      WriteControl(*row, write.text);
  }
}

}  // namespace

void ChoiceChanged(const Calculator& calculator, GadgetId changed) {
  const auto row = ranges::find(calculator.rows, changed, &ControlRow::id);
  if (row != calculator.rows.end() && row->step == Step::kComboBox) ArrangePage(calculator);
}

void ArrangePage(const Calculator& calculator) {
  if (!calculator.arrange) return;
  const CalcResult result = calculator.arrange(ReadInputs(calculator));
  for (std::string_view caption : calculator.inputs) {
    const ControlRow* input = ControlCaptioned(calculator, caption);
    const bool off = ranges::count(result.disabled, caption) > 0;
    if (off && input->step == Step::kEditField) SetText(input->id, "");
    SetGadgetEnabled(input->id, !off);
  }
  WriteResult(calculator, result);
}

void RunCalculation(const Calculator& calculator) {
  const FieldTexts read = Memory().Prepare(ReadInputs(calculator), calculator.pairs);
  const CalcResult result = calculator.calculate(read);
  if (result.message) {
    ShowMessage(result.message->title, result.message->text);
    return;
  }
  WriteResult(calculator, result);
  Memory().Remember(read, result, TypedInputs(calculator));
}

}  // namespace brindle
