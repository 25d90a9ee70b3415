#include "pages/calculator_registry.h"

#include <algorithm>
#include <cctype>

#include "calc/range_algorithms.h"

namespace brindle {

// Each calculator's entry lives in its page file.
extern const Calculator kTriangleCalculator;
extern const Calculator kBoltCircleCalculator;
extern const Calculator kBoxCalculator;
extern const Calculator kBenderCalculator;
extern const Calculator kConversionsCalculator;
extern const Calculator kTapeMathCalculator;
extern const Calculator kMetalWeightCalculator;
extern const Calculator kWeldMetalCalculator;

namespace {

// In the order of the Calculate menu.
const Calculator* const kCalculators[] = {
    &kTriangleCalculator,    &kBoltCircleCalculator, &kBoxCalculator,         &kBenderCalculator,
    &kConversionsCalculator, &kTapeMathCalculator,   &kMetalWeightCalculator, &kWeldMetalCalculator,
};

// The Help menu has listed the first five topics in an order of its own.
const Calculator* const kTopHelpTopics[] = {
    &kConversionsCalculator, &kBoxCalculator,    &kTriangleCalculator,
    &kBoltCircleCalculator,  &kBenderCalculator,
};

bool SameLetters(std::string_view a, std::string_view b) {
  return ranges::equal(
      a, b, [](unsigned char x, unsigned char y) { return std::tolower(x) == std::tolower(y); });
}

}  // namespace

std::span<const Calculator* const> Calculators() {
  return kCalculators;
}

std::span<const Calculator* const> TopHelpTopics() {
  return kTopHelpTopics;
}

std::vector<const Calculator*> CalculatorsIn(MenuGroup group) {
  std::vector<const Calculator*> in;
  for (const Calculator* calculator : kCalculators)
    if (calculator->group == group) in.push_back(calculator);
  return in;
}

const Calculator* FindCalculator(int id) {
  const auto found = ranges::find(kCalculators, id, &Calculator::id);
  return found == std::end(kCalculators) ? nullptr : *found;
}

const Calculator* FindCalculator(std::string_view menuText) {
  for (const Calculator* calculator : kCalculators) {
    if (SameLetters(calculator->menuText, menuText)) return calculator;
  }
  return nullptr;
}

const ControlRow* ControlCaptioned(const Calculator& calculator, std::string_view caption) {
  const auto row = ranges::find(calculator.rows, caption, CaptionOf);
  return row == calculator.rows.end() ? nullptr : &*row;
}

FieldTexts OpeningTexts(const Calculator& calculator, int unitsChoice) {
  FieldTexts texts;
  for (std::string_view caption : calculator.inputs) {
    const ControlRow& row = *ControlCaptioned(calculator, caption);
    std::string text(row.text);
    if (row.step == Step::kCheckBox) {
      // Checked when a later row of the table checks it.
      const bool checked = ranges::any_of(calculator.rows, [&row](const ControlRow& r) {
        return r.step == Step::kCheck && r.id == row.id;
      });
      text = CheckText(checked);
    } else if (row.step == Step::kComboBox) {
      text = EntryText(row, FirstEntry(row, unitsChoice));
    }
    texts.push_back({std::string(caption), text});
  }
  return texts;
}

}  // namespace brindle
