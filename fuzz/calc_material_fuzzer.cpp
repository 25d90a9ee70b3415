// Any field texts on the Metal Weight and Weld Metal pages give a message box
// with nothing written, or every result, each a four-decimal number (or an
// empty cost without a price); and the arrangement of any page disables only
// fields of the page. The control byte picks the calculator, the shape or
// joint, the material and the units.
#include <cstdint>
#include <string>

#include "calc/material_tables.h"
#include "calc/metal_weight_calculation.h"
#include "calc/weld_metal_calculation.h"
#include "fuzz/calc_fuzz_fields.h"

using namespace brindle;

namespace {

constexpr std::string_view kMetalTyped[] = {
    "Width",          "Height", "Thickness", "Wall",           "Diameter",     "Outside Diameter",
    "Across Flats",   "Leg A",  "Leg B",     "Gauge",          "Nominal Size", "Schedule",
    "Custom Density", "Length", "Quantity",  "Price per Pound"};
constexpr std::string_view kWeldTyped[] = {
    "Leg 1",           "Leg 2",        "Thickness",      "Groove Angle",
    "Root Opening",    "Root Face",    "Reinforcement",  "Weld Length",
    "Number of Welds", "Efficiency %", "Custom Density", "Filler Price per Pound"};

template <size_t N>
FieldTexts Typed(const FuzzFields& f, const std::string_view (&captions)[N]) {
  FieldTexts fields;
  for (size_t i = 0; i < N; ++i)
    fields.push_back({std::string(captions[i]), f.texts[i]});
  return fields;
}

void RequireFourDecimals(const CalcResult& result) {
  Require(result.message ? result.writes.empty() : !result.writes.empty());
  for (const FieldText& write : result.writes) {
    if (write.text.empty()) continue;  // a cost without a price
    const size_t point = write.text.find('.');
    Require(!IsNumberText(write.text) ||
            (point != std::string::npos && write.text.size() - point == 5));
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const FuzzFields f = SplitFuzzBytes(data, size, std::size(kMetalTyped));
  const bool weld = f.control & 0x80;
  FieldTexts fields = weld ? Typed(f, kWeldTyped) : Typed(f, kMetalTyped);
  fields.push_back({"Units", std::string(kUnitsModeNames[f.control & 1])});
  fields.push_back(
      {"Material", std::string(kMaterialNames[(f.control >> 1) % kMaterialNames.size()])});
  const int pick = (f.control >> 4) & 7;
  if (weld) {
    fields.push_back({"Joint", std::string(kJointNames[pick % std::size(kJointNames)])});
    fields.push_back({"Process", std::string(kProcessNames[pick % kProcessNames.size()])});
    RequireFourDecimals(CalculateWeldMetal(fields));
    Require(ArrangeWeldMetal(fields).disabled.size() <= std::size(kWeldTyped));
  } else {
    fields.push_back(
        {"Shape", std::string(kShapeNames[(f.control >> 3) % std::size(kShapeNames)])});
    RequireFourDecimals(CalculateMetalWeight(fields));
    Require(ArrangeMetalWeight(fields).disabled.size() <= std::size(kMetalTyped));
  }
  return 0;
}
