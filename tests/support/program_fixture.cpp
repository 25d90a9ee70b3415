#include "tests/support/program_fixture.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>

void ProgramTest::SetUp() {
  char pattern[] = "/tmp/brindle-program-XXXXXX";
  ASSERT_NE(mkdtemp(pattern), nullptr);
  dir_ = pattern;
  path_ = dir_ + "/VaZizi.ini";
}

void ProgramTest::TearDown() {
  EndProgram();
  ProcessPendingEvents();
  while (PollEvent()) {
  }
  std::filesystem::remove_all(dir_);
}

void ProgramTest::Start(const std::string& ini) {
  if (!ini.empty()) WriteSettingsBytes(ini);
  StartProgram(path_);
  ProcessPendingEvents();
  Pump();
}

void ProgramTest::Pump() {
  ProcessPendingEvents();
  while (auto event = PollEvent()) {
    if (!DispatchEvent(*event)) ended_ = true;
    ProcessPendingEvents();
  }
}

bool ProgramTest::PumpUntil(const std::function<bool()>& done, int ms) {
  return WaitUntil(
      [&] {
        Pump();
        return done();
      },
      ms);
}

std::optional<std::string> ProgramTest::SettingsBytes() const {
  std::ifstream in(path_, std::ios::binary);
  if (!in) return std::nullopt;
  return std::string(std::istreambuf_iterator<char>(in), {});
}

void ProgramTest::WriteSettingsBytes(const std::string& bytes) const {
  std::ofstream(path_, std::ios::binary) << bytes;
}

int RunProgramTests(int argc, char** argv) {
  setenv("QT_QPA_PLATFORM", "offscreen", 0);
  ::testing::InitGoogleTest(&argc, argv);
  if (!InitGadgets(argc, argv)) return 1;
  return RUN_ALL_TESTS();
}
