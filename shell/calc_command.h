#pragma once
// brindles-calc, the command-line calculator: any calculator of the registry,
// its fields given as "Caption=text", its results printed as "Caption = text"
// lines, as one JSON object (--json), or for a stream of JSON requests, one a
// line (--batch). No display and no settings file: every calculation starts
// from the page as it first opens.

#include <iosfwd>
#include <span>
#include <string>

namespace brindle {

// Exit statuses: the calculation answered; it answered with a message box;
// the command named a calculator, field or entry that does not exist.
inline constexpr int kCalcAnswered = 0;
inline constexpr int kCalcMessage = 2;
inline constexpr int kCalcUsage = 64;

int RunCalcCommand(std::span<const std::string> args, std::istream& in, std::ostream& out,
                   std::ostream& err);

}  // namespace brindle
