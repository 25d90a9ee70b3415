#pragma once
// Where "VaZizi.ini" lives. Beside the program file, as always, when a file of
// that name is already there (read-only or not) or when that folder may be
// written; otherwise, for a program installed where its user may not write, in
// the user's own configuration folder, so that settings are still kept.

#include <string>

namespace brindle {

// What the choice depends on, gathered from the disk and the environment.
struct SettingsPlaceFacts {
  std::string programFile;     // the program file's full path
  bool fileBesideProgram;      // a "VaZizi.ini" is in the program file's folder
  bool programFolderWritable;  // the user may make files in that folder
  // The user's configuration folder as the desktop names it: XDG_CONFIG_HOME
  // on Linux, the roaming application-data folder on Windows. Empty when unset.
  std::string configHome;
  std::string home;  // the user's home folder (HOME, USERPROFILE), empty when unset
};

// The settings file's path for these facts. The user's folder is `configHome`
// when it is an absolute path, else `home`/.config; the file is
// "brindles-math/VaZizi.ini" inside it. With neither, the file stays beside
// the program, where writes are then dropped as before.
std::string ChooseSettingsPath(const SettingsPlaceFacts& facts);

// The facts for this program file on this machine: looks at its folder and
// reads XDG_CONFIG_HOME and HOME (APPDATA and USERPROFILE on Windows), which
// nothing else in the program reads.
SettingsPlaceFacts LookAtSettingsPlace(const std::string& programFile);

}  // namespace brindle
