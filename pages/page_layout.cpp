#include "pages/page_layout.h"

#include <string>

#include "calc/unit_conversion.h"

namespace {

const char* const kUnitsEntries[] = {"Fractions", "Decimal"};

void AddEntries(GadgetId id, Entries entries) {
  switch (entries) {
    case Entries::kNone:
      break;
    case Entries::kUnits:
      for (const char* entry : kUnitsEntries)
        AddItem(id, entry);
      break;
    case Entries::kConverter:
      for (const char* unit : kUnitNames)
        AddItem(id, unit);
      break;
  }
}

// The entry the units drop-down shows for the program's units choice. A choice
// other than "Fractions" (0) or "Decimal" (1), as a hand-edited settings file
// can hold, selects nothing; the calculations then read the drop-down as -1,
// which means Decimal.
int UnitsEntry(int choice) {
  return choice == kFractions || choice == kDecimal ? choice : -1;
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
      CreateCheckBox(row.id, row.x, row.y, row.w, row.h, text);
      break;
    case Step::kComboBox:
      CreateComboBox(row.id, row.x, row.y, row.w, row.h);
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
    AddEntries(row.id, row.entries);
    SelectItem(row.id,
               row.selected == kSelectUnitsMode ? UnitsEntry(at.unitsChoice) : row.selected);
  }
}

}  // namespace

void LayOutPage(const PageFrame& frame, std::span<const ControlRow> rows, const PagePlacement& at) {
  // The main window has a menu bar, which takes its height above the page.
  PlaceWindow(kMainWindowId, at.winX, at.winY, frame.width, frame.height + MenuBarHeight());
  SetWindowTitle(kMainWindowId, std::string(frame.title));
  UseWindowForControls(kMainWindowId);
  for (const ControlRow& row : rows)
    CreateControl(row, at);
  SetEnterGadget(kMainWindowId, frame.enterGadget);
}
