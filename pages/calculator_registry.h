#pragma once
// The calculator registry: every calculator of the program is one entry here,
// holding all that the program knows of it. The menus, the dispatch, the help
// window, the command-line calculator and the tests walk the registry; nobody
// else counts calculators.
//
// Adding a calculator: its calculation in calc/, its page file in pages/
// (table, frame, help text and entry), and one line in the list in
// calculator_registry.cpp.

#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "calc/calc_result.h"
#include "pages/page_table.h"

namespace brindle {

// Where a calculator stands in the Calculate and Help menus: the five of the
// first version at the top, the others in a submenu of their group.
enum class MenuGroup { kTop, kFractions, kMaterial, kPipe, kLayout, kWelding };
inline constexpr std::string_view kMenuGroupNames[] = {"",     "Fractions", "Material",
                                                       "Pipe", "Layout",    "Welding"};

// Two inputs that give one value two ways, as a radius and a diameter do.
struct CaptionPair {
  std::string_view first;
  std::string_view second;
};

// The order in which a narrow screen (a phone) lists the page's fields, one
// under the other: along the page's rows, or down its columns in turn.
enum class FlowOrder { kRows, kColumns };

struct Calculator {
  // Its value of CalcW in the settings file: stable, never reused. The first
  // five keep 0 to 4; later calculators take 5, 6, ... as they are added.
  int id;
  // Its item in the Calculate menu, and its name on the command line.
  std::string_view menuText;
  MenuGroup group;
  // Its item in the Help menu, and the text the help window shows for it.
  std::string_view helpTitle;
  std::string_view helpText;
  const PageFrame& frame;
  std::span<const ControlRow> rows;
  // The captions of the page's controls that its calculation reads, and of
  // those it may write, each in the order brindles-calc lists them.
  std::span<const std::string_view> inputs;
  std::span<const std::string_view> outputs;
  // Run by the page's Calc (or Convert) button and by Enter in its fields.
  Calculation calculate;
  // Where the page's fields depend on its choices: run when the page opens
  // and whenever one of its drop-downs changes, with the page's inputs. What
  // it writes (a value that follows from a choice) is written, and the
  // inputs it names disabled are blanked and disabled. None for most pages.
  Calculation arrange = nullptr;
  // Inputs that give one value two ways: of the two, the one the user typed
  // since the last calculation wins.
  std::span<const CaptionPair> pairs = {};

  FlowOrder flow = FlowOrder::kRows;
};

// Every calculator, in the order of the Calculate menu.
std::span<const Calculator* const> Calculators();
// The Help menu's order for the five topics at its top.
std::span<const Calculator* const> TopHelpTopics();
// The calculators of a menu group, in the order of the Calculate menu.
std::vector<const Calculator*> CalculatorsIn(MenuGroup group);
// The calculator with this CalcW value, or nullptr (a hand-edited settings
// file may hold any number).
const Calculator* FindCalculator(int id);
// The calculator with this menu text, letter case ignored, or nullptr.
const Calculator* FindCalculator(std::string_view menuText);

// The control of the calculator's page with this caption, or nullptr.
const ControlRow* ControlCaptioned(const Calculator& calculator, std::string_view caption);

// What each of the calculation's inputs holds when the page opens, with the
// program's units choice `unitsChoice` (CalcU).
FieldTexts OpeningTexts(const Calculator& calculator, int unitsChoice);

}  // namespace brindle
