// The unit converter: a value in one of 21 units of length, weight,
// temperature, angle or force, shown in another unit of the same family.

#include "calc/unit_conversion.h"
#include "pages/page_layout.h"
#include "pages/pages.h"

namespace {

using enum Step;

constexpr GadgetId kValue = 1;
constexpr GadgetId kFromUnit = 2;
constexpr GadgetId kToUnit = 5;
constexpr GadgetId kAnswer = 7;

constexpr int kFractionInch = 0;
constexpr int kFootPounds = 15;

constexpr PageFrame kConverterFrame{"Unit Converter", 317, 129, kConvertButton};

// kind, id, x, y, w, h, text, tool tip, flags, name, entries, selected.
// The labels head the column below them, each in a sunken box. The value's
// label says "Convert" like the button beside it, so the field goes by its tool tip.
constexpr ControlRow kConverterRows[] = {
    {kLabel, 0, 10, 10, 50, 20, "Convert", "", kSunken},
    {kEditField, kValue, 10, 40, 110, 20, "", "Number to convert", 0, "Number to convert"},
    {kComboBox, kFromUnit, 130, 40, 120, 20, "", "Format to convert from", 0, "From Format",
     Entries::kConverter, kFractionInch},
    // A second tip replaces the first: the user sees this one.
    {kToolTip, kFromUnit, 0, 0, 0, 0, "", "Current format"},
    {kLabel, 3, 130, 10, 120, 20, "From Format", "", kSunken},
    {kButton, kConvertButton, 260, 10, 50, 30, "Convert", "Perform conversion"},
    {kComboBox, kToUnit, 130, 100, 120, 20, "", "Convert format to", 0, "Target Format",
     Entries::kConverter, kFootPounds},
    {kLabel, 6, 130, 70, 120, 20, "Target Format", "", kSunken},
    {kEditField, kAnswer, 10, 100, 110, 20, "", "Answer", kReadOnly, "Answer"},
    {kLabel, 8, 10, 70, 110, 20, "Answer", "", kSunken},
    {kButton, kCloseButton, 260, 90, 50, 30, "Close", "Exit Program"},
    {kButton, kHelpButton, 260, 50, 50, 30, "Help", "Show some usefull information"},
};

}  // namespace

void ConverterPage(const PagePlacement& at) {
  LayOutPage(kConverterFrame, kConverterRows, at);
}

void UnitConverter() {
  SetText(kAnswer, ConvertUnit(GetText(kValue), SelectedItem(kFromUnit), SelectedItem(kToUnit)));
}
