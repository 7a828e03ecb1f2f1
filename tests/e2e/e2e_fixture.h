#pragma once

// Shared by the end-to-end tests: a folder of their own (also the user's
// data folder, where backups go), the virtual radio, and the built programs.

#include <gtest/gtest.h>
#include <stdlib.h>

#include <filesystem>
#include <memory>
#include <random>
#include <string>
#include <vector>

#include "link/transfer_outcome.h"
#include "model/radio_image.h"
#include "tests/support/child_process.h"
#include "tests/support/file_tests.h"
#include "tests/support/sim_process.h"

namespace selkan::test {

namespace fs = std::filesystem;
using Args = std::vector<std::string>;

inline RadioImage RandomImage(unsigned seed) {
  std::mt19937 random(seed);
  RadioImage image;
  for (auto& byte : image) byte = static_cast<std::uint8_t>(random());
  return image;
}

class TransferE2E : public ::testing::Test {
 protected:
  static constexpr double kRunLimit = 60;  // seconds; a bound only, no run comes near it

  // Backups of the programs started here go to the test's folder.
  void SetUp() override { ::setenv("XDG_DATA_HOME", (dir_ / "data").c_str(), 1); }
  void TearDown() override {
    sim_.reset();
    ::unsetenv("XDG_DATA_HOME");
  }

  // Starts the virtual radio on the image; returns its device path.
  std::string StartSim(const RadioImage& image, const Args& options = {}) {
    sim_ = std::make_unique<SimProcess>(image, options);
    EXPECT_TRUE(sim_->Started()) << "selkan-sim did not print its device";
    return sim_->Device();
  }
  RunResult Cli(const Args& args) { return RunProgram(kCliProgram, args, kRunLimit); }
  // The image the virtual radio has stored, once it has ended.
  RadioImage RadioAfterStop() {
    EXPECT_EQ(sim_->Stop(), 0);
    return sim_->Memory();
  }

  std::string Path(const char* name) const { return dir_ / name; }
  fs::path BackupDir() const { return dir_.path() / "data" / "Selkan" / "backups"; }

  ScratchDir dir_;
  std::unique_ptr<SimProcess> sim_;
};

}  // namespace selkan::test
