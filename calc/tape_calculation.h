#pragma once
// Tape math: an expression on measurements worked out and shown the ways a
// shop reads it, with the tape of the last results.
//
// Reads "Expression", "Round To" (the tape's marks: "1/2" to "1/64") and
// "Tape" (the last results, newest first, one "expression = result" a line;
// "ans" is the newest line's result, as shown). Writes every result field,
// those of the result's kind filled and the others emptied, and the tape with
// the new line on top; or a "Tape Math Error" message, with nothing written.

#include "calc/calc_result.h"

namespace brindle {

CalcResult CalculateTapeMath(const FieldTexts& fields);

}  // namespace brindle
