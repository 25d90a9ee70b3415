#include "shell/calc_command.h"

#include <algorithm>
#include <cctype>
#include <istream>
#include <optional>
#include <ostream>
#include <utility>
#include <vector>

#include "calc/range_algorithms.h"
#include "pages/calculator_registry.h"
#include "shell/json_text.h"

namespace brindle {

namespace {

constexpr std::string_view kUsage =
    "Usage: brindles-calc CALCULATOR \"Caption=text\"...   prints each result as Caption = text\n"
    "       brindles-calc --json CALCULATOR \"Caption=text\"...   prints one JSON object\n"
    "       brindles-calc --batch   reads JSON requests, one a line, and answers each\n"
    "       brindles-calc --list    lists the calculators and their fields\n";

// A request: a calculator by its menu text and its fields' texts by caption.
struct Request {
  std::string calculator;
  std::vector<std::pair<std::string, std::string>> fields;
};

// What a request comes to: a calculation's result, or what was wrong with it.
struct Answer {
  const Calculator* calculator = nullptr;
  CalcResult result;
  std::string problem;  // the request named something that does not exist
};

bool SameLetters(std::string_view a, std::string_view b) {
  return ranges::equal(
      a, b, [](unsigned char x, unsigned char y) { return std::tolower(x) == std::tolower(y); });
}

template <typename Names>
std::string Listed(const Names& names) {
  std::string list;
  for (const auto& name : names)
    list += (list.empty() ? "" : ", ") + std::string(name);
  return list;
}

std::string CalculatorNames() {
  std::vector<std::string_view> names;
  for (const Calculator* calculator : Calculators())
    names.push_back(calculator->menuText);
  return Listed(names);
}

// The values a control takes on the command line: a drop-down's entries, a
// check box's yes or no; none for a field, which takes any text.
std::vector<std::string_view> Choices(const ControlRow& row) {
  if (row.step == Step::kCheckBox) return {kChecked, kUnchecked};
  return EntryTexts(row);
}

// Gives the field `caption` its text; a problem when the calculator has no
// such input or the text is not one of its choices. Letter case is ignored
// in captions and choices.
std::string Assign(const Calculator& calculator, FieldTexts& fields, std::string_view caption,
                   std::string_view text) {
  const auto field = ranges::find_if(
      fields, [caption](const FieldText& f) { return SameLetters(f.caption, caption); });
  if (field == fields.end()) {
    return std::string(calculator.menuText) + " has no field \"" + std::string(caption) +
           "\"; its fields are: " + Listed(calculator.inputs);
  }
  const std::vector<std::string_view> choices =
      Choices(*ControlCaptioned(calculator, field->caption));
  if (choices.empty()) {
    field->text = text;
    return {};
  }
  const auto choice =
      ranges::find_if(choices, [text](std::string_view c) { return SameLetters(c, text); });
  if (choice == choices.end()) {
    return field->caption + " cannot be \"" + std::string(text) +
           "\"; it is one of: " + Listed(choices);
  }
  field->text = *choice;
  return {};
}

Answer Calculate(const Request& request) {
  Answer answer;
  answer.calculator = FindCalculator(request.calculator);
  if (!answer.calculator) {
    answer.problem =
        "no calculator \"" + request.calculator + "\"; the calculators are: " + CalculatorNames();
    return answer;
  }
  FieldTexts fields = OpeningTexts(*answer.calculator, kDefaultUnitsMode);
  for (const auto& [caption, text] : request.fields) {
    answer.problem = Assign(*answer.calculator, fields, caption, text);
    if (!answer.problem.empty()) return answer;
  }
  answer.result = answer.calculator->calculate(fields);
  return answer;
}

// The results in the order the page lists its outputs.
std::vector<const FieldText*> InTabOrder(const Answer& answer) {
  std::vector<const FieldText*> written;
  for (std::string_view caption : answer.calculator->outputs) {
    const auto write = ranges::find(answer.result.writes, caption, &FieldText::caption);
    if (write != answer.result.writes.end()) written.push_back(&*write);
  }
  return written;
}

std::string JsonMessage(std::string_view title, std::string_view text) {
  return "{\"title\": " + JsonString(title) + ", \"text\": " + JsonString(text) + "}";
}

// The answer as one JSON object, after `head` (the request's id, or nothing).
std::string JsonAnswer(const Answer& answer, const std::string& head) {
  std::string json = "{" + head;
  const auto member = [&json](const std::string& name, const std::string& value) {
    json += (json.size() > 1 ? ", " : "") + JsonString(name) + ": " + value;
  };
  if (!answer.problem.empty()) {
    member("error", JsonMessage("Request Error", answer.problem));
  } else if (answer.result.message) {
    member("error", JsonMessage(answer.result.message->title, answer.result.message->text));
  } else {
    for (const FieldText* write : InTabOrder(answer)) {
      const bool box =
          ControlCaptioned(*answer.calculator, write->caption)->step == Step::kCheckBox;
      member(write->caption,
             box ? (write->text == kChecked ? "true" : "false") : JsonString(write->text));
    }
  }
  return json + "}";
}

int PrintAnswer(const Answer& answer, bool json, std::ostream& out, std::ostream& err) {
  if (!answer.problem.empty()) {
    err << "brindles-calc: " << answer.problem << '\n';
    return kCalcUsage;
  }
  if (json) {
    out << JsonAnswer(answer, "") << '\n';
    return answer.result.message ? kCalcMessage : kCalcAnswered;
  }
  if (answer.result.message) {
    err << answer.result.message->title << ": " << answer.result.message->text << '\n';
    return kCalcMessage;
  }
  for (const FieldText* write : InTabOrder(answer))
    out << write->caption << " = " << write->text << '\n';
  return kCalcAnswered;
}

void List(std::ostream& out) {
  for (const Calculator* calculator : Calculators()) {
    out << calculator->menuText << '\n';
    for (std::string_view caption : calculator->inputs) {
      const std::vector<std::string_view> choices =
          Choices(*ControlCaptioned(*calculator, caption));
      out << "  " << caption << (choices.empty() ? "" : ": " + Listed(choices)) << '\n';
    }
    out << "  results: " << Listed(calculator->outputs) << '\n';
  }
}

// One request of a batch: {"id": ..., "calculator": "...", "fields": {...}}.
std::optional<Request> ReadRequest(const JsonValue& line, std::string& problem) {
  const auto member = [&line](const char* name) -> const JsonValue* {
    const auto found = line.members.find(name);
    return found == line.members.end() ? nullptr : &found->second;
  };
  const JsonValue* calculator = member("calculator");
  if (!calculator || calculator->kind != JsonValue::Kind::kString) {
    problem = "the request names no \"calculator\"";
    return std::nullopt;
  }
  Request request{calculator->text, {}};
  if (const JsonValue* fields = member("fields")) {
    if (fields->kind != JsonValue::Kind::kObject) {
      problem = "\"fields\" is not an object";
      return std::nullopt;
    }
    for (const auto& [caption, value] : fields->members) {
      using Kind = JsonValue::Kind;
      if (value.kind == Kind::kObject || value.kind == Kind::kArray || value.kind == Kind::kNull) {
        problem = "the field \"" + caption + "\" holds no text";
        return std::nullopt;
      }
      const bool box = value.kind == Kind::kTrue || value.kind == Kind::kFalse;
      request.fields.emplace_back(
          caption,
          box ? std::string(value.kind == Kind::kTrue ? kChecked : kUnchecked) : value.text);
    }
  }
  return request;
}

void RunBatch(std::istream& in, std::ostream& out) {
  std::string line;
  for (long number = 1; std::getline(in, line); ++number) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (line.find_first_not_of(" \t") == std::string::npos) continue;
    const std::optional<JsonValue> json = ReadJson(line);
    std::string head;
    std::string problem = "line " + std::to_string(number) + " is not a JSON object";
    std::optional<Request> request;
    if (json && json->kind == JsonValue::Kind::kObject) {
      const auto id = json->members.find("id");
      if (id != json->members.end() && id->second.kind != JsonValue::Kind::kObject &&
          id->second.kind != JsonValue::Kind::kArray) {
        head =
            "\"id\": " + (id->second.kind == JsonValue::Kind::kString ? JsonString(id->second.text)
                                                                      : id->second.text);
      }
      request = ReadRequest(*json, problem);
    }
    Answer answer;
    if (request) {
      answer = Calculate(*request);
    } else {
      answer.problem = problem;
    }
    out << JsonAnswer(answer, head) << '\n' << std::flush;
  }
}

}  // namespace

int RunCalcCommand(std::span<const std::string> args, std::istream& in, std::ostream& out,
                   std::ostream& err) {
  bool json = false;
  Request request;
  bool named = false;
  for (const std::string& arg : args) {
    if (arg == "--help" || arg == "-h") {
      out << kUsage;
      return kCalcAnswered;
    }
    if (arg == "--list") {
      List(out);
      return kCalcAnswered;
    }
    if (arg == "--batch") {
      RunBatch(in, out);
      return kCalcAnswered;
    }
    if (arg == "--json") {
      json = true;
    } else if (!named) {
      request.calculator = arg;
      named = true;
    } else {
      const size_t equals = arg.find('=');
      if (equals == std::string::npos) {
        err << "brindles-calc: \"" << arg << "\" is not Caption=text\n" << kUsage;
        return kCalcUsage;
      }
      request.fields.emplace_back(arg.substr(0, equals), arg.substr(equals + 1));
    }
  }
  if (!named) {
    err << kUsage << "The calculators are: " << CalculatorNames() << '\n';
    return kCalcUsage;
  }
  return PrintAnswer(Calculate(request), json, out, err);
}

}  // namespace brindle
