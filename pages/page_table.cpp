#include "pages/page_table.h"

#include <algorithm>

#include "calc/unit_conversion.h"
#include "numtext/length_text.h"

namespace brindle {

std::vector<std::string_view> EntryTexts(const ControlRow& row) {
  switch (row.entries) {
    case Entries::kListed:
      return {row.listed.begin(), row.listed.end()};
    case Entries::kUnits:
      return {std::begin(kUnitsModeNames), std::end(kUnitsModeNames)};
    case Entries::kConverter: {
      // Family by family, as the unit groups list them.
      std::vector<std::string_view> names;
      for (const UnitGroup& group : kUnitGroups)
        for (const int unit : group.units)
          names.push_back(kUnitNames[static_cast<size_t>(unit)]);
      return names;
    }
    case Entries::kNone:
      break;
  }
  return {};
}

std::string EntryText(const ControlRow& row, int index) {
  const std::vector<std::string_view> entries = EntryTexts(row);
  const bool listed = index >= 0 && index < static_cast<int>(entries.size());
  return listed ? std::string(entries[static_cast<size_t>(index)]) : std::string();
}

int FirstEntry(const ControlRow& row, int unitsChoice) {
  if (!row.selectedEntry.empty()) {
    const std::vector<std::string_view> entries = EntryTexts(row);
    const auto shown = std::find(entries.begin(), entries.end(), row.selectedEntry);
    return shown == entries.end() ? -1 : static_cast<int>(shown - entries.begin());
  }
  if (row.selected != kSelectUnitsMode) return row.selected;
  return unitsChoice >= 0 && unitsChoice < kUnitsModeCount ? unitsChoice : -1;
}

}  // namespace brindle
