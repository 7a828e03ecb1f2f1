#pragma once

// Shared by the end-to-end tests: a folder of their own (also the user's
// data folder, where backups go), the virtual radio on an image file, and
// the built programs.

#include <gtest/gtest.h>
#include <stdlib.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <memory>
#include <random>
#include <string>
#include <vector>

#include "model/radio_image.h"
#include "tests/e2e/child_process.h"

namespace selkan::test {

namespace fs = std::filesystem;
using Args = std::vector<std::string>;

inline const std::string kCli = std::string(SELKAN_BIN_DIR) + "/selkan-cli";
inline const std::string kSim = std::string(SELKAN_BIN_DIR) + "/selkan-sim";
inline constexpr double kRunLimit = 30;  // seconds; no run should come near it

inline std::string ReadText(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

inline RadioImage RandomImage(unsigned seed) {
  std::mt19937 random(seed);
  RadioImage image;
  for (auto& byte : image) byte = static_cast<std::uint8_t>(random());
  return image;
}

class TransferE2E : public ::testing::Test {
 protected:
  void SetUp() override {
    dir_ = fs::temp_directory_path() /
           ("selkan-e2e-" + std::to_string(::getpid()) + "-" +
            ::testing::UnitTest::GetInstance()->current_test_info()->name());
    fs::remove_all(dir_);
    fs::create_directories(dir_);
    // Backups of the programs started here go to the test's folder.
    ::setenv("XDG_DATA_HOME", Path("data").c_str(), 1);
  }
  void TearDown() override {
    sim_.reset();
    ::unsetenv("XDG_DATA_HOME");
    fs::remove_all(dir_);
  }

  // Starts the virtual radio on an image file; returns its device path.
  std::string StartSim(const RadioImage& image, std::vector<std::string> args = {}) {
    simImage_ = (dir_ / "radio.dat").string();
    EXPECT_TRUE(SaveDatFile(simImage_, image));
    args.insert(args.begin(), {"--image", simImage_, "--log", (dir_ / "sim.log").string()});
    sim_ = std::make_unique<BackgroundProcess>(kSim, args);
    const std::string device = sim_->ReadLine(10);
    EXPECT_FALSE(device.empty()) << "selkan-sim did not print its device";
    return device;
  }

  std::string Path(const char* name) const { return (dir_ / name).string(); }
  fs::path BackupDir() const { return dir_ / "data" / "Selkan" / "backups"; }

  fs::path dir_;
  std::string simImage_;
  std::unique_ptr<BackgroundProcess> sim_;
};

}  // namespace selkan::test
