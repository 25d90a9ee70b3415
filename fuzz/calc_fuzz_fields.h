#pragma once
// Turns fuzz bytes into what a calculator page hands its calculation: the
// first byte chooses the units mode and other switches, the rest is split on
// '|' into the field texts (missing fields are empty, extra ones ignored).

#include <cstdint>
#include <cstdlib>
#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>

#include "calc/calc_result.h"
#include "numtext/length_text.h"

using namespace brindle;

struct FuzzFields {
  uint8_t control = 0;
  std::vector<std::string> texts;
};

inline FuzzFields SplitFuzzBytes(const uint8_t* data, size_t size, size_t fieldCount) {
  FuzzFields f;
  f.texts.resize(fieldCount);
  if (size == 0) return f;
  f.control = data[0];
  const std::string_view rest(reinterpret_cast<const char*>(data + 1), size - 1);
  size_t start = 0;
  for (size_t i = 0; i < fieldCount && start <= rest.size(); ++i) {
    const size_t bar = rest.find('|', start);
    const size_t end = bar == std::string_view::npos ? rest.size() : bar;
    f.texts[i] = std::string(rest.substr(start, end - start));
    if (bar == std::string_view::npos) break;
    start = bar + 1;
  }
  return f;
}

// The units index a page may hand over: 0 Fractions, 1 Decimal, -1 nothing
// selected, or something stranger.
inline UnitsMode FuzzUnitsMode(uint8_t control) {
  constexpr int kChoices[4] = {0, 1, -1, 7};
  return UnitsModeOf(kChoices[control & 3]);
}

// What the units drop-down hands over for the units index of FuzzUnitsMode:
// an entry's text, or nothing selected.
inline std::string FuzzUnitsEntry(uint8_t control) {
  constexpr int kChoices[4] = {0, 1, -1, 7};
  const int choice = kChoices[control & 3];
  return choice == 0 || choice == 1 ? std::string(kUnitsModeNames[choice]) : std::string();
}

// The field texts a page hands its calculation: the split texts under
// `captions` in order, and the units drop-down `units` from the control byte.
inline FieldTexts FuzzFieldTexts(const FuzzFields& f, std::initializer_list<const char*> captions,
                                 const char* units) {
  FieldTexts fields{{units, FuzzUnitsEntry(f.control)}};
  size_t i = 0;
  for (const char* caption : captions)
    fields.push_back({caption, f.texts.at(i++)});
  return fields;
}

// The text written under `caption` ("" when none is).
inline std::string Written(const CalcResult& result, std::string_view caption) {
  return std::string(TextOf(result.writes, caption));
}

// False for the texts of infinities and NaN, which would read back as 0.
inline bool IsNumberText(const std::string& text) {
  return text != "NaN" && text != "+Infinity" && text != "-Infinity";
}

// A message under `title` that one of the fields cannot be read, showing
// that field's text as typed.
inline bool IsCannotRead(const CalcMessage& m, std::string_view title, const FieldTexts& fields) {
  if (m.title != title) return false;
  for (const FieldText& field : fields) {
    const std::string said = field.caption + ": cannot read \"" + field.text + "\"";
    if (m.text == said || m.text == said + "; use a point for decimals") return true;
  }
  return false;
}

// Stops the fuzzer on a broken invariant.
inline void Require(bool holds) {
  if (!holds) std::abort();
}
