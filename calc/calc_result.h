#pragma once
// What every calculation reads and what it answers.
//
// A calculation reads the texts of its page's fields by the caption shown
// beside each field: an edit field by its text, a drop-down by its selected
// entry's text ("" when none is selected), a check box as "yes" or "no". It
// answers with one of three things: the texts to write into fields by
// caption, in the order they are written (a check box takes "yes" or "no");
// a message box, with nothing written; or nothing at all.

#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "calc/calc_message.h"
#include "numtext/length_text.h"

namespace brindle {

struct FieldText {
  std::string caption;
  std::string text;
  // The value behind the text when the program wrote it and it still shows
  // unchanged: read instead of the rounded text. In a write, the value the
  // text shows rounded.
  std::optional<double> exact = std::nullopt;
  bool operator==(const FieldText&) const = default;
};
using FieldTexts = std::vector<FieldText>;

inline constexpr std::string_view kChecked = "yes";
inline constexpr std::string_view kUnchecked = "no";

// The text given for `caption`, or "" when none is.
std::string_view TextOf(const FieldTexts& fields, std::string_view caption);
inline bool IsChecked(const FieldTexts& fields, std::string_view caption) {
  return TextOf(fields, caption) == kChecked;
}
inline std::string CheckText(bool on) {
  return std::string(on ? kChecked : kUnchecked);
}

struct CalcResult {
  FieldTexts writes;                   // in the order they are written
  std::optional<CalcMessage> message;  // shown instead; then nothing is written
  // Input fields that do not apply to the values given (a dimension the shape
  // chosen does not have): the page blanks and disables them, and enables
  // every other input.
  std::vector<std::string> disabled;

  static CalcResult Written(FieldTexts writes) { return {std::move(writes), std::nullopt, {}}; }
  static CalcResult Message(CalcMessage message) { return {{}, std::move(message), {}}; }
  bool IsNothing() const { return writes.empty() && !message; }
  bool operator==(const CalcResult&) const = default;
};

// A calculation as the registry holds it.
using Calculation = CalcResult (*)(const FieldTexts& fields);

}  // namespace brindle
