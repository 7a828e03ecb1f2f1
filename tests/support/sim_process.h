#pragma once

// The virtual radio in a process of its own, as every test program that
// talks to a radio over a real port starts it: selkan-sim on a copy of an
// image in a folder of its own, reached through a symbolic link, with its
// frame log.

#include <csignal>
#include <memory>
#include <string>
#include <vector>

#include "model/radio_image.h"
#include "tests/support/child_process.h"
#include "tests/support/file_tests.h"

namespace selkan::test {

// The built programs.
inline const std::string kCliProgram = std::string(SELKAN_BIN_DIR) + "/selkan-cli";
inline const std::string kSimProgram = std::string(SELKAN_BIN_DIR) + "/selkan-sim";

class SimProcess {
 public:
  // Starts selkan-sim on a copy of image; options are its fault options and
  // the like. Started() once it has printed its device.
  explicit SimProcess(const RadioImage& image, const std::vector<std::string>& options = {});
  ~SimProcess();
  SimProcess(const SimProcess&) = delete;
  SimProcess& operator=(const SimProcess&) = delete;

  bool Started() const { return !device_.empty(); }
  // The pseudo-terminal's device, and a symbolic link to it.
  const std::string& Device() const { return device_; }
  std::string Link() const { return dir_ / "radio-port"; }
  std::string ImagePath() const { return dir_ / "radio.dat"; }

  std::string Log() const;
  // Frames the radio received that begin with the byte given in hex ("52").
  int Received(const std::string& firstByte) const;
  // True once the radio has stored its memory after a write.
  bool Saved() const;
  // The memory as last stored.
  RadioImage Memory() const;

  // Sends the signal and waits for the radio to end; its exit code.
  int Stop(int signal = SIGTERM);

 private:
  ScratchDir dir_;
  std::unique_ptr<BackgroundProcess> process_;
  std::string device_;
};

}  // namespace selkan::test
