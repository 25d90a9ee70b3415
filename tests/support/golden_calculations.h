#pragma once
// The calculations' golden files (tests/calc/golden/) read as requests to the
// registry's calculators: each file's columns are fields of one calculator by
// caption, then either what it writes or its message box. The calculation
// tests and the command-line calculator's tests read the same rows.
//
// A units or unit column holds an entry's text, or a number: the entry at that
// index, or nothing selected when there is none. "Both" in the units column
// means the row holds in Fractions and in Decimal alike. A column captioned
// "A/B" names the one of the check boxes A and B that is on. A row typing
// "(zero)" stands for one row per text of golden/hostile_texts.txt that reads
// as 0, typed wherever it stands.

#include <algorithm>
#include <charconv>
#include <ostream>
#include <string>
#include <string_view>
#include <vector>

#include "calc/range_algorithms.h"

#include "pages/calculator_registry.h"
#include "tests/golden_rows.h"

using namespace brindle;

struct GoldenCalculation {
  const char* file;
  std::string_view calculator;
  std::vector<std::string_view> inputs, outputs;
};

inline const GoldenCalculation kGoldenCalculations[] = {
    {"triangle.txt",
     "Triangle",
     {"Units", "Side A", "Side B", "Side C", "Angle AB", "Angle BC", "Angle AC", "Unit Weight"},
     {"Side A", "Side B", "Side C", "Height", "Perimeter", "Angle AB", "Angle BC", "Angle AC",
      "Area", "Total Weight", "Acute/Obtuse/Right"}},
    {"circle.txt",
     "Bolt Circle",
     {"Units", "Weight Ea", "Diameter", "Radius", "Holes", "Angle"},
     {"Holes", "Angle", "Cord", "Weight T", "Diameter", "Radius", "Area", "Perimiter"}},
    {"square.txt",
     "Box",
     {"Format", "Width", "Height", "Weight Each"},
     {"Diagonal", "Angle", "Area", "Total", "Perimeter"}},
    {"bend.txt",
     "Bender",
     {"Units", "Hard/Soft", "Distance1", "Distance2", "Distance3", "Distance4", "Distance5",
      "Radius1", "Radius2", "Radius3", "Radius4", "Thick", "Angle1", "Angle2", "Angle3", "Angle4"},
     {"Total"}},
    {"convert.txt", "Conversions", {"Convert", "From Format", "Target Format"}, {"Answer"}},
    {"tape_math.txt",
     "Tape Math",
     {"Round To", "Expression", "Tape"},
     {"Feet-Inch", "Inches", "Decimal Inches", "Millimeters", "Rounding Error", "Number",
      "Square Inches", "Square Feet", "Square Meters", "Cubic Inches", "Cubic Feet", "Liters",
      "Tape"}},
    {"metal_weight.txt",
     "Metal Weight",
     {"Units", "Shape", "Width", "Height", "Thickness", "Wall", "Diameter", "Outside Diameter",
      "Across Flats", "Leg A", "Leg B", "Gauge", "Material", "Custom Density", "Length", "Quantity",
      "Price per Pound"},
     {"Density", "Cross Section", "Weight per Foot", "Weight Each", "Total Weight",
      "Total Kilograms", "Total Cost"}},
    {"metal_weight_pipe.txt",
     "Metal Weight",
     {"Units", "Shape", "Nominal Size", "Schedule", "Material", "Length", "Quantity",
      "Price per Pound"},
     {"Density", "Cross Section", "Weight per Foot", "Weight Each", "Total Weight",
      "Total Kilograms", "Total Cost"}},
    {"weld_metal.txt",
     "Weld Metal",
     {"Units", "Joint", "Leg 1", "Leg 2", "Thickness", "Groove Angle", "Root Opening", "Root Face",
      "Reinforcement", "Weld Length", "Number of Welds", "Process", "Efficiency %", "Material",
      "Custom Density", "Filler Price per Pound"},
     {"Density", "Cross Section", "Weld Volume", "Weld Metal", "Filler to Buy", "Weight per Foot",
      "Filler Cost"}},
};

// One golden row as a request: the fields it types, and the answer it expects.
struct GoldenRequest {
  std::string where;
  const Calculator* calculator;
  FieldTexts fields;
  CalcResult expected;
};

// The field texts a column gives its caption ("A/B": the check box A).
inline FieldText GoldenField(const Calculator& calculator, std::string_view caption,
                             const std::string& text) {
  const size_t slash = caption.find('/');
  if (slash != std::string_view::npos)
    return {std::string(caption.substr(0, slash)), CheckText(text == caption.substr(0, slash))};
  const ControlRow* row = ControlCaptioned(calculator, caption);
  EXPECT_NE(row, nullptr) << caption;
  const std::vector<std::string_view> entries =
      row ? EntryTexts(*row) : std::vector<std::string_view>{};
  int index = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), index);
  if (entries.empty() || brindle::ranges::find(entries, text) != entries.end() ||
      error != std::errc() || end != text.data() + text.size()) {
    return {std::string(caption), text};
  }
  const bool listed = index >= 0 && index < static_cast<int>(entries.size());
  return {std::string(caption), listed ? std::string(entries[index]) : std::string()};
}

// Every row of every golden calculation file, "(zero)" and "Both" unfolded.
inline std::vector<GoldenRequest> GoldenRequests() {
  std::vector<std::string> zeros;
  for (const GoldenRow& row : ReadGolden("hostile_texts.txt", {2}))
    if (row[0] == "zero") zeros.push_back(row[1]);
  std::vector<GoldenRequest> requests;
  for (const GoldenCalculation& golden : kGoldenCalculations) {
    const Calculator* calculator = FindCalculator(golden.calculator);
    const size_t in = golden.inputs.size(), out = golden.outputs.size();
    for (const GoldenRow& row : ReadGolden(golden.file, {in + out, in + 2, in + 1})) {
      CalcResult expected;
      if (row.size() == in + out) {
        for (size_t i = 0; i < out; ++i) {
          const std::string_view caption = golden.outputs[i];
          const size_t slash = caption.find('/');
          if (slash == std::string_view::npos) {
            expected.writes.push_back({std::string(caption), row[in + i]});
            continue;
          }
          for (const std::string& box : SplitCell(caption, '/'))
            expected.writes.push_back({box, CheckText(row[in + i] == box)});
        }
      } else if (row.size() == in + 2) {
        expected.message = CalcMessage{row[in], row[in + 1]};
      } else {
        EXPECT_EQ(row[in], "nothing") << row.where;
      }
      const bool both = row[0] == "Both";
      for (const std::string& units : both ? std::vector<std::string>{"Fractions", "Decimal"}
                                           : std::vector<std::string>{row[0]}) {
        const bool typesZero = brindle::ranges::count(row, "(zero)") > 0;
        for (const std::string& zero : typesZero ? zeros : std::vector<std::string>{""}) {
          GoldenRequest request{row.where + (both ? " " + units : "") +
                                    (typesZero ? " zero " + zero.substr(0, 20) : ""),
                                calculator,
                                {},
                                expected};
          for (size_t i = 0; i < in; ++i) {
            const std::string& text = i == 0 ? (both ? units : row[0]) : row[i];
            request.fields.push_back(
                GoldenField(*calculator, golden.inputs[i], text == "(zero)" ? zero : text));
          }
          requests.push_back(std::move(request));
        }
      }
    }
  }
  return requests;
}

// Found by argument-dependent lookup, beside the result it prints.
namespace brindle {
// What a result shows: its texts, without the exact values behind them.
inline CalcResult Shown(CalcResult result) {
  for (FieldText& write : result.writes)
    write.exact.reset();
  return result;
}

inline void PrintTo(const CalcResult& result, std::ostream* out) {
  if (result.message) *out << "message " << result.message->title << ": " << result.message->text;
  for (const FieldText& write : result.writes)
    *out << "\n  " << write.caption << " = \"" << write.text << '"';
}
}  // namespace brindle
