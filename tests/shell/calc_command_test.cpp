// brindles-calc against the calculations' golden rows (the first rows of each
// calculator, run as a user types them), its JSON forms, and its exit
// statuses for a message box and for names that do not exist.
#include "shell/calc_command.h"

#include <gtest/gtest.h>

#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "tests/support/golden_calculations.h"

using namespace brindle;

namespace {

struct CalcRun {
  int status;
  std::string out, err;
};

CalcRun Calc(const std::vector<std::string>& args, const std::string& in = {}) {
  std::istringstream input(in);
  std::ostringstream out, err;
  const int status = RunCalcCommand(args, input, out, err);
  return {status, out.str(), err.str()};
}

TEST(CalcCommand, GivesTheGoldenRowsOfEveryCalculator) {
  std::map<const Calculator*, int> run;
  for (const GoldenRequest& request : GoldenRequests()) {
    // A drop-down with nothing selected cannot be typed on the command line.
    const bool typeable = std::ranges::none_of(request.fields, [&](const FieldText& f) {
      return f.text.empty() &&
             ControlCaptioned(*request.calculator, f.caption)->step == Step::kComboBox;
    });
    if (!typeable || run[request.calculator]++ >= 4) continue;
    SCOPED_TRACE(request.where);
    std::vector<std::string> args{std::string(request.calculator->menuText)};
    for (const FieldText& field : request.fields)
      args.push_back(field.caption + "=" + field.text);
    std::string lines;
    for (std::string_view caption : request.calculator->outputs) {
      const auto write = std::ranges::find(request.expected.writes, caption, &FieldText::caption);
      if (write != request.expected.writes.end())
        lines += write->caption + " = " + write->text + "\n";
    }
    const CalcRun result = Calc(args);
    const auto& message = request.expected.message;
    EXPECT_EQ(result.status, message ? kCalcMessage : kCalcAnswered);
    EXPECT_EQ(result.out, lines);
    EXPECT_EQ(result.err, message ? message->title + ": " + message->text + "\n" : "");
  }
  EXPECT_EQ(run.size(), Calculators().size());
}

TEST(CalcCommand, AnswersInJsonOneRequestOrALineEach) {
  EXPECT_EQ(Calc({"--json", "box", "width=3", "Height=4", "Format=decimal"}).out,
            "{\"Diagonal\": \"5.0000\", \"Angle\": \"53.1301\", \"Area\": \"12.0000\", "
            "\"Total\": \"0.0000\", \"Perimeter\": \"14.0000\"}\n");
  const CalcRun batch = Calc({"--batch"},
                             "{\"id\": 7, \"calculator\": \"Bender\", \"fields\": {\"Distance1\": "
                             "\"3-1/2\", \"Distance2\": \"1 \\u00bd\", \"Hard\": true}}\r\n"
                             "not json\n"
                             "{\"id\": \"x\", \"calculator\": \"Triangle\"}\n"
                             "{\"id\": [1], \"calculator\": \"Triangle\", \"fields\": {\"Side A\": "
                             "\"3\", \"Side B\": \"4\", \"Side C\": \"5\"}}\n");
  EXPECT_EQ(batch.status, kCalcAnswered);
  EXPECT_EQ(
      batch.out,
      "{\"id\": 7, \"Total\": \"5\"}\n"
      "{\"error\": {\"title\": \"Request Error\", \"text\": \"line 2 is not a JSON object\"}}\n"
      "{\"id\": \"x\", \"error\": {\"title\": \"Math Triangle Error\", \"text\": \"Not enough "
      "information\"}}\n"
      "{\"Side A\": \"3\", \"Side B\": \"4\", \"Side C\": \"5\", \"Height\": \"3\", \"Area\": "
      "\"6.0000\", \"Total Weight\": \"0.0000\", \"Angle AC\": \"53 7' 48\\\"\", \"Angle BC\": "
      "\"36 52' 12\\\"\", \"Angle AB\": \"90 0' 0\\\"\", \"Acute\": false, \"Obtuse\": false, "
      "\"Right\": true, "
      "\"Perimeter\": \"12\"}\n");
}

TEST(CalcCommand, NamesThatDoNotExistListTheOnesThatDo) {
  const CalcRun unknown = Calc({"Hexagon", "Side=1"});
  EXPECT_EQ(unknown.status, kCalcUsage);
  EXPECT_NE(unknown.err.find("Triangle, Bolt Circle, Box, Bender, Conversions"), std::string::npos);
  const CalcRun field = Calc({"Bolt Circle", "Diameter=4", "Circumference=1"});
  EXPECT_EQ(field.status, kCalcUsage);
  EXPECT_NE(field.err.find("Radius, Units, Diameter, Holes, Angle, Weight Ea"), std::string::npos);
  const CalcRun entry = Calc({"Conversions", "Convert=1", "From Format=Furlongs"});
  EXPECT_EQ(entry.status, kCalcUsage);
  EXPECT_NE(entry.err.find("Fraction Inch, "), std::string::npos);
  EXPECT_EQ(Calc({"Triangle", "Side A"}).status, kCalcUsage);
  EXPECT_TRUE(unknown.out.empty() && field.out.empty() && entry.out.empty());
}

}  // namespace
