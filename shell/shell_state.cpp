#include "shell/shell_state.h"

#include "shell/settings_file.h"

namespace brindle {

namespace {

// Each setting's key in the settings file, and where the shell keeps it.
struct SettingKey {
  int32_t Settings::*value;
  const char* key;
  // How a change writes the key. The main window's left edge is written
  // "Winx"; keys match regardless of case, so it is the entry read as "WinX".
  const char* writtenAs;
};

// In the order start-up reads them.
constexpr SettingKey kSettingKeys[] = {
    {&Settings::winX, "WinX", "Winx"},    {&Settings::winY, "WinY", "WinY"},
    {&Settings::calcW, "CalcW", "CalcW"}, {&Settings::calcU, "CalcU", "CalcU"},
    {&Settings::helpX, "HelpX", "HelpX"}, {&Settings::helpY, "HelpY", "HelpY"},
    {&Settings::helpW, "HelpW", "HelpW"}, {&Settings::helpH, "HelpH", "HelpH"},
};

}  // namespace

ShellState& Shell() {
  static ShellState state;
  return state;
}

void LoadSettings() {
  Settings& s = Shell().settings;
  const Settings firstRun;
  OpenSettings(Shell().settingsPath);
  for (const SettingKey& setting : kSettingKeys)
    s.*setting.value = ReadSetting(setting.key, firstRun.*setting.value);
  Shell().helpPlaced =
      HasSetting("HelpX") || HasSetting("HelpY") || HasSetting("HelpW") || HasSetting("HelpH");
  CloseSettings();  // nothing was written, so the file is left untouched
}

void SaveSettings(std::initializer_list<int32_t Settings::*> values) {
  const Settings& s = Shell().settings;
  OpenSettings(Shell().settingsPath);
  for (int32_t Settings::*value : values) {
    for (const SettingKey& setting : kSettingKeys) {
      if (setting.value == value) WriteSetting(setting.writtenAs, s.*value);
    }
  }
  CloseSettings();
}

}  // namespace brindle
