// The unit converter: a value in one of 23 units of length, weight,
// temperature, angle or force, shown in another unit of the same family.

#include "calc/unit_conversion.h"
#include "pages/page_layout.h"
#include "pages/pages.h"

namespace {

constexpr GadgetId kValue = 1;
constexpr GadgetId kFromUnit = 2;
constexpr GadgetId kToUnit = 5;
constexpr GadgetId kAnswer = 7;

constexpr int kFractionInch = 0;
constexpr int kFootPounds = 15;

constexpr PageFrame kConverterFrame{
    .title = "Unit Converter", .width = 317, .height = 129, .enterGadget = kConvertButton};

// The labels head the column below them, each in a sunken box. The value's
// label says "Convert" like the button beside it, so the field goes by its tool tip.
constexpr ControlRow kConverterRows[] = {
    SunkenLabel(0, {10, 10, 50, 20}, "Convert"),
    Field(kValue, {10, 40, 110, 20}, "Number to convert", "Number to convert"),
    DropDown(kFromUnit, {130, 40, 120, 20}, "Format to convert from", "From Format",
             Entries::kConverter, kFractionInch),
    // A second tip replaces the first: the user sees this one.
    NewToolTip(kFromUnit, "Current format"),
    SunkenLabel(3, {130, 10, 120, 20}, "From Format"),
    Button(kConvertButton, {260, 10, 50, 30}, "Convert", "Perform conversion"),
    DropDown(kToUnit, {130, 100, 120, 20}, "Convert format to", "Target Format",
             Entries::kConverter, kFootPounds),
    SunkenLabel(6, {130, 70, 120, 20}, "Target Format"),
    ResultField(kAnswer, {10, 100, 110, 20}, "Answer", "Answer"),
    SunkenLabel(8, {10, 70, 110, 20}, "Answer"),
    Button(kCloseButton, {260, 90, 50, 30}, "Close", "Exit Program"),
    Button(kHelpButton, {260, 50, 50, 30}, "Help", "Show some usefull information"),
};

}  // namespace

void ConverterPage(const PagePlacement& at) {
  LayOutPage(kConverterFrame, kConverterRows, at);
}

void UnitConverter() {
  SetText(kAnswer, ConvertUnit(GetText(kValue), SelectedItem(kFromUnit), SelectedItem(kToUnit)));
}
