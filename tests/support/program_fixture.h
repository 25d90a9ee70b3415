#pragma once
// Runs the whole program in the test process, with its settings file in a
// fresh temporary directory, and hands the queued events to the real dispatch.

#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "gadgets/gadget_testing.h"
#include "gadgets/gadgets.h"
#include "shell/program.h"

class ProgramTest : public ::testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;

  // Writes `ini` as the settings file first, unless it is empty.
  void Start(const std::string& ini = {});
  // Dispatches every queued event; remembers whether the program ended.
  void Pump();
  // Dispatches events until `done` holds (or the time runs out).
  bool PumpUntil(const std::function<bool()>& done, int ms = 2000);

  // The settings file's bytes, or nullopt when it does not exist.
  std::optional<std::string> SettingsBytes() const;
  void WriteSettingsBytes(const std::string& bytes) const;

  std::string dir_;
  std::string path_;
  bool ended_ = false;
};

// Installs the gadget layer once for the whole test program.
int RunProgramTests(int argc, char** argv);
