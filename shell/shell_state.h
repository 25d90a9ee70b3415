#pragma once
// The one instance of the shell's state: the settings held in memory, where the
// settings file is, and which help text the help window shows.

#include <cstdint>
#include <initializer_list>
#include <string>

#include "pages/gadget_ids.h"
#include "shell/program.h"

namespace brindle {

struct ShellState {
  Settings settings;
  std::string settingsPath;
  int helpTopic = -1;  // -1 while the help window is closed
  // Whether the help window's place and size come from the settings file or
  // from the user's moves; else it opens beside the main window.
  bool helpPlaced = false;
};

ShellState& Shell();

// Reads every setting from the settings file, or its first-run value.
void LoadSettings();
// One complete write to the settings file: open, these settings' keys with the
// values held now, in order, close.
void SaveSettings(std::initializer_list<int32_t Settings::*> values);

}  // namespace brindle
