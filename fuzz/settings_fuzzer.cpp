// Any bytes as "VaZizi.ini": they are read, a few keys are written, the file is
// written back and read again. Aborts when the file written is not the text
// the writes should give, or reads back to other entries or other values.
#include <fcntl.h>
#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

#include "shell/settings_file.h"
#include "shell/settings_text.h"

using namespace brindle;

namespace {

void Check(bool ok, const char* what) {
  if (!ok) {
    std::fputs("settings_fuzzer: ", stderr);
    std::fputs(what, stderr);
    std::fputs("\n", stderr);
    std::abort();
  }
}

std::string& FuzzDirectory() {
  static std::string dir;
  return dir;
}

void RemoveFuzzDirectory() {
  const std::string& dir = FuzzDirectory();
  ::unlink((dir + "/VaZizi.ini").c_str());
  ::rmdir(dir.c_str());
}

// One directory for the whole run, on a memory file system where there is
// one, removed again when the run ends.
const std::string& SettingsPath() {
  static const std::string path = [] {
    for (const char* base : {"/dev/shm", "/tmp"}) {
      std::string name = std::string(base) + "/settings-fuzz-XXXXXX";
      if (::mkdtemp(name.data())) {
        FuzzDirectory() = name;
        std::atexit(RemoveFuzzDirectory);
        return name + "/VaZizi.ini";
      }
    }
    std::abort();
  }();
  return path;
}

void WriteFile(const std::string& path, const uint8_t* data, size_t size) {
  const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
  Check(fd >= 0, "cannot create the input file");
  size_t done = 0;
  while (done < size) {
    const ssize_t n = ::write(fd, data + done, size - done);
    Check(n > 0, "cannot write the input file");
    done += static_cast<size_t>(n);
  }
  ::close(fd);
}

std::string ReadFile(const std::string& path) {
  std::string bytes;
  const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
  Check(fd >= 0, "the settings file is gone");
  char chunk[4096];
  ssize_t n;
  while ((n = ::read(fd, chunk, sizeof chunk)) > 0)
    bytes.append(chunk, static_cast<size_t>(n));
  ::close(fd);
  return bytes;
}

struct KeyWrite {
  std::string key;
  int32_t value;
};

// The keys the program uses, with odd ones beside them: the empty key, a
// one-letter key and a key with letters of ISO 8859-1.
const std::vector<std::string>& UntouchedKeys() {
  static const std::vector<std::string> keys = {"WinY",  "CalcU", "HelpX", "HelpY",
                                                "HelpW", "",      "k",     "\xC4rger"};
  return keys;
}

std::vector<KeyWrite> WritesFor(const uint8_t* data, size_t size) {
  uint32_t bits = 0;
  for (size_t i = 0; i < size && i < 4; ++i)
    bits = (bits << 8) | data[i];
  return {{"Winx", static_cast<int32_t>(bits)},
          {"CalcW", -7},
          {"HelpH", INT32_MIN},
          {"Gr\xF6\xDF"
           "e",
           static_cast<int32_t>(size)},
          {"winx", static_cast<int32_t>(bits ^ 0x5A5A5A5Au)}};
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string& path = SettingsPath();
  const std::string input(reinterpret_cast<const char*>(data), size);
  WriteFile(path, data, size);
  const std::vector<KeyWrite> writes = WritesFor(data, size);
  constexpr int32_t kAbsent = 123456789;

  std::vector<int32_t> before;
  OpenSettings(path);
  for (const std::string& key : UntouchedKeys())
    before.push_back(ReadSetting(key, kAbsent));
  for (const KeyWrite& write : writes) {
    WriteSetting(write.key, write.value);
    Check(ReadSetting(write.key, kAbsent) == write.value, "a write does not read back in memory");
  }
  CloseSettings();

  // The same writes on the text in memory give the file that must be on disk.
  SettingsDocument expected(input);
  for (const KeyWrite& write : writes)
    expected.Write(write.key, write.value);
  const std::string written = ReadFile(path);
  Check(written == expected.Render(), "the file written is not the text of the entries");

  // A file that was not UTF-8 and now starts with a key whose first bytes are
  // the UTF-8 mark is read back as UTF-8; that one shape cannot round-trip.
  if (!expected.Utf8() && std::string_view(written).starts_with(kUtf8Mark)) return 0;

  const SettingsDocument reread(written);
  Check(reread.Entries() == expected.Entries(), "the rewrite reads back to other entries");
  Check(reread.Render() == written, "a second rewrite would change the file");

  OpenSettings(path);
  for (size_t i = 0; i < UntouchedKeys().size(); ++i) {
    Check(ReadSetting(UntouchedKeys()[i], kAbsent) == before[i], "an untouched key changed");
  }
  // "winx" came last and names the same entry as "Winx".
  for (size_t i = 1; i < writes.size(); ++i) {
    Check(ReadSetting(writes[i].key, kAbsent) == writes[i].value, "a written key reads wrong");
  }
  CloseSettings();
  return 0;
}
