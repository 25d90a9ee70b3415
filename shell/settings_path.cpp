#include "shell/settings_path.h"

#include <cctype>
#include <string_view>

#include "shell/settings_disk.h"

namespace brindle {

namespace {

constexpr std::string_view kFileName = "VaZizi.ini";
constexpr std::string_view kSeparators = "/\\";

// "/home/ann", "C:\Users\Ann" and "\\server\share" are absolute; a relative
// path would depend on the folder the program was started from.
bool IsAbsolute(std::string_view path) {
  if (!path.empty() && kSeparators.find(path[0]) != std::string_view::npos) return true;
  return path.size() >= 3 && std::isalpha(static_cast<unsigned char>(path[0])) && path[1] == ':' &&
         kSeparators.find(path[2]) != std::string_view::npos;
}

// `folder` and `name` with one separator between them: a backslash in a folder
// written with backslashes, a slash otherwise.
std::string Join(std::string_view folder, std::string_view name) {
  const char separator =
      folder.find('\\') != std::string_view::npos && folder.find('/') == std::string_view::npos
          ? '\\'
          : '/';
  while (!folder.empty() && kSeparators.find(folder.back()) != std::string_view::npos) {
    folder.remove_suffix(1);
  }
  std::string joined(folder);
  joined += separator;
  joined += name;
  return joined;
}

// The program file's folder with its final separator, "" for a bare name.
std::string ProgramFolder(const std::string& programFile) {
  const size_t separator = programFile.find_last_of(kSeparators);
  return separator == std::string::npos ? std::string() : programFile.substr(0, separator + 1);
}

}  // namespace

std::string ChooseSettingsPath(const SettingsPlaceFacts& facts) {
  const std::string beside = ProgramFolder(facts.programFile) + std::string(kFileName);
  if (facts.fileBesideProgram || facts.programFolderWritable) return beside;
  std::string userFolder;
  if (IsAbsolute(facts.configHome)) {
    userFolder = facts.configHome;
  } else if (IsAbsolute(facts.home)) {
    userFolder = Join(facts.home, ".config");
  } else {
    return beside;
  }
  return Join(Join(userFolder, "brindles-math"), kFileName);
}

SettingsPlaceFacts LookAtSettingsPlace(const std::string& programFile) {
  const std::string folder = ProgramFolder(programFile);
  return SettingsPlaceFacts{
      .programFile = programFile,
      // Anything of that name counts, even a file the program cannot read: it
      // was put there on purpose.
      .fileBesideProgram = SomethingAtPath(folder + std::string(kFileName)),
      .programFolderWritable = FolderWritable(folder),
      .configHome = ConfigHomeVariable(),
      .home = HomeVariable(),
  };
}

}  // namespace brindle
