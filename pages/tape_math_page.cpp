// Tape math: arithmetic on measurements the way a tape reads them, the
// result shown as feet and inches, inches, decimals and millimeters (or as an
// area, a volume or a plain number), rounded to the tape's marks, with the
// tape of the last twenty results.

#include "calc/tape_calculation.h"
#include "pages/calculator_registry.h"

namespace brindle {

namespace {

constexpr PageFrame kTapeMathFrame{
    .title = "Tape Math", .width = 490, .height = 360, .enterGadget = kCalcButton};

constexpr std::string_view kRoundToEntries[] = {"1/2", "1/4", "1/8", "1/16", "1/32", "1/64"};
constexpr int kSixteenths = 3;

// Two columns of results: lengths and the plain number on the left, areas and
// volumes on the right; the buttons down the right edge as on the other pages.
constexpr ControlRow kTapeMathRows[] = {
    Label(110, {10, 10, 85, 20}, "Expression"),
    Field(111, {100, 10, 320, 20}, "Type measurements and operators: 4'-8 3/8\" + 14 3/8",
          "Expression"),
    Label(112, {10, 40, 85, 20}, "Round To"),
    DropDownListing(113, {100, 40, 70, 20}, "The tape's marks: the fractions round to these",
                    "Round To", kRoundToEntries, kSixteenths),
    Button(kCalcButton, {430, 10, 50, 30}, "Calc", "Work out the expression"),
    Label(114, {10, 70, 85, 20}, "Feet-Inch"),
    ResultField(115, {100, 70, 110, 20}, "Feet and inches to the tape's marks", "Feet-Inch"),
    Label(116, {10, 100, 85, 20}, "Inches"),
    ResultField(117, {100, 100, 110, 20}, "Inches to the tape's marks", "Inches"),
    Label(118, {10, 130, 85, 20}, "Decimal Inches"),
    ResultField(119, {100, 130, 110, 20}, "Inches with four decimals", "Decimal Inches"),
    Label(120, {10, 160, 85, 20}, "Millimeters"),
    ResultField(121, {100, 160, 110, 20}, "Millimeters with four decimals", "Millimeters"),
    Label(122, {10, 190, 85, 20}, "Rounding Error"),
    ResultField(123, {100, 190, 110, 20}, "The fraction shown less the true length, in inches",
                "Rounding Error"),
    Label(124, {10, 220, 85, 20}, "Number"),
    ResultField(125, {100, 220, 110, 20}, "A result without a length: how many fit", "Number"),
    Label(126, {220, 70, 85, 20}, "Square Inches"),
    ResultField(127, {310, 70, 110, 20}, "Area in square inches", "Square Inches"),
    Label(128, {220, 100, 85, 20}, "Square Feet"),
    ResultField(129, {310, 100, 110, 20}, "Area in square feet", "Square Feet"),
    Label(130, {220, 130, 85, 20}, "Square Meters"),
    ResultField(131, {310, 130, 110, 20}, "Area in square meters", "Square Meters"),
    Label(132, {220, 160, 85, 20}, "Cubic Inches"),
    ResultField(133, {310, 160, 110, 20}, "Volume in cubic inches", "Cubic Inches"),
    Label(134, {220, 190, 85, 20}, "Cubic Feet"),
    ResultField(135, {310, 190, 110, 20}, "Volume in cubic feet", "Cubic Feet"),
    Label(136, {220, 220, 85, 20}, "Liters"),
    ResultField(137, {310, 220, 110, 20}, "Volume in liters", "Liters"),
    Label(138, {10, 250, 85, 20}, "Tape"),
    Kept(ResultText(139, {100, 250, 320, 100}, "Tape")),
    Button(kClearButton, {430, 50, 50, 30}, "Clear", "Clear all fields to prepare for new data"),
    Button(kHelpButton, {430, 90, 50, 30}, "Help", "Show some usefull information"),
    Button(kCloseButton, {430, 130, 50, 30}, "Close", "Close Program"),
};

// Tape math: what the expression reads, the kinds of values, and the slash
// rules that decide between a fraction and a division.
constexpr std::string_view kTapeMathHelp =
    "Tape Math\r\n"
    "\r\n"
    "Type a sum on measurements as you would say it, then press\r\n"
    "Calc or Enter. Examples:\r\n"
    "\r\n"
    "  (4'-8 3/8\" + 4'-7 1/2\") / 2    midpoint of two lengths\r\n"
    "  20' / (14 3/8\" + 1/8\")         pieces from a stick\r\n"
    "  250mm                          a metric print on a tape\r\n"
    "  4' * 8'                        area of a sheet\r\n"
    "  140 - 10%                      140 less 10 percent\r\n"
    "\r\n"
    "NUMBERS: 3, 3.5, 3/4, 3 3/4 and 3-3/4.\r\n"
    "LENGTHS: 4' (feet), 8 3/8\" (inches), 4'-8 3/8\", 4' 8-3/8\",\r\n"
    "4 ft 8 in, and 25mm, 2.5 cm, 1.2 m.\r\n"
    "OPERATORS: + - * x / ( ), % (percent of), sqrt( ) and ans\r\n"
    "(the last result, as the tape shows it).\r\n"
    "\r\n"
    "THE SLASH: a slash between two whole numbers written\r\n"
    "together is a fraction, and a whole number, a blank and a\r\n"
    "fraction are one mixed number. So 3 3/4 is 3.75, 7/8 + 1/8\r\n"
    "is 1, 3 3/4 / 2 is 1 7/8, and 1/2/2 is 1/4 (the fraction\r\n"
    "1/2 divided by 2). A hyphen written against a whole number\r\n"
    "and a fraction joins them as drawings do: 5-3/4 is 5 3/4.\r\n"
    "To subtract, put blanks around the minus: 5 - 3/4.\r\n"
    "\r\n"
    "KINDS: a sum takes terms of one kind. With no mark or\r\n"
    "metric unit anywhere the sum is plain numbers and is shown\r\n"
    "as inches too. 3' + 2 is an error: write 2\" or 2'. A length\r\n"
    "times or divided by a number is a length; a length divided\r\n"
    "by a length is a number (how many fit); a length times a\r\n"
    "length is an area, times another a volume; sqrt of an area\r\n"
    "is a length.\r\n"
    "\r\n"
    "Round To sets the tape's marks: Feet-Inch and Inches round\r\n"
    "to them, and Rounding Error is the fraction shown less the\r\n"
    "true length, in decimal inches. The tape lists the last 20\r\n"
    "results, newest first, until the program is closed.";

constexpr std::string_view kTapeMathInputs[] = {"Expression", "Round To", "Tape"};
constexpr std::string_view kTapeMathOutputs[] = {
    "Feet-Inch",     "Inches",      "Decimal Inches", "Millimeters",  "Rounding Error", "Number",
    "Square Inches", "Square Feet", "Square Meters",  "Cubic Inches", "Cubic Feet",     "Liters",
    "Tape"};

}  // namespace

extern const Calculator kTapeMathCalculator{
    .id = 5,
    .menuText = "Tape Math",
    .group = MenuGroup::kFractions,
    .helpTitle = "Tape Math",
    .helpText = kTapeMathHelp,
    .frame = kTapeMathFrame,
    .rows = kTapeMathRows,
    .inputs = kTapeMathInputs,
    .outputs = kTapeMathOutputs,
    .calculate = CalculateTapeMath,
};

}  // namespace brindle
