#pragma once
// The program's life: start-up, the one event loop and its dispatch, the end.

#include <cstdint>
#include <string>

#include "gadgets/gadgets.h"
#include "numtext/length_text.h"

namespace brindle {

// The eight whole numbers kept in "VaZizi.ini", with their first-run values.
struct Settings {
  int32_t winX = 346;  // main window's outer top-left corner
  int32_t winY = 50;
  int32_t calcW = 0;  // calculator shown: 0 triangle, 1 circle, 2 bend, 3 box, 4 converter
  // The units as stored: 0 "Fractions", 1 (or any other value) "Decimal".
  int32_t calcU = kDefaultUnitsMode;
  int32_t helpX = 346;  // help window's outer top-left corner
  int32_t helpY = 50;
  int32_t helpW = 400;  // help window's inner size, menu bar included
  int32_t helpH = 330;
};

// "VaZizi.ini" beside the program file, or in the user's configuration
// folder when the program's folder may not be written (see settings_path.h).
std::string SettingsPathFor(const std::string& programFile);

// Start-up after the gadget layer is initialised: reads the settings at
// `settingsPath`, opens the main window with its menu and lays out the page of
// CalcW. Nothing is written.
void StartProgram(const std::string& settingsPath);
// Handles one event. False when the program is to end.
bool DispatchEvent(const Event& event);
// Waits for events and handles them until the program ends.
void RunEventLoop();
// Destroys every window and forgets the shell state (the end of the program;
// tests start afresh after it).
void EndProgram();

}  // namespace brindle
