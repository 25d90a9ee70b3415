#include "shell/shell_state.h"

#include "shell/settings_file.h"

ShellState& Shell() {
  static ShellState state;
  return state;
}

void SaveSettings(std::initializer_list<std::pair<const char*, int32_t>> values) {
  OpenSettings(Shell().settingsPath);
  for (const auto& [key, value] : values)
    WriteSetting(key, value);
  CloseSettings();
}
