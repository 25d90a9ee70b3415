#include "pages/page_table.h"

#include "calc/unit_conversion.h"
#include "numtext/length_text.h"

std::vector<std::string_view> EntryTexts(Entries entries) {
  switch (entries) {
    case Entries::kUnits:
      return {std::begin(kUnitsModeNames), std::end(kUnitsModeNames)};
    case Entries::kConverter:
      return {kUnitNames.begin(), kUnitNames.end()};
    case Entries::kNone:
      break;
  }
  return {};
}

int FirstEntry(const ControlRow& row, int unitsChoice) {
  if (row.selected != kSelectUnitsMode) return row.selected;
  return unitsChoice == kFractions || unitsChoice == kDecimal ? unitsChoice : -1;
}
