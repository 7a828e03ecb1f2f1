#pragma once

#include <unistd.h>

#include <csignal>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "model/radio_image.h"
#include "tests/support/child_process.h"
#include "tests/support/file_tests.h"

namespace selkan::test {

inline const std::string kCliProgram = std::string(SELKAN_BIN_DIR) + "/selkan-cli";
inline const std::string kSimProgram = std::string(SELKAN_BIN_DIR) + "/selkan-sim";
using Args = std::vector<std::string>;  // a program's arguments

// selkan-cli as a user runs it, on a terminal (through script), where it draws its live lines.
inline RunResult CliOnTerminal(const Args& args, double limitSeconds) {
  std::string line = "'" + kCliProgram + "'";
  for (const std::string& arg : args) line += " '" + arg + "'";
  return RunProgram("/usr/bin/script", {"-qec", line, "/dev/null"}, limitSeconds);
}

// selkan-sim in its own process and folder, on a copy of an image, reached through a link.
class SimProcess {
 public:
  // Started() once it has printed its device.
  explicit SimProcess(const RadioImage& image, const Args& options = {}) {
    if (!SaveDatFile(ImagePath(), image)) return;
    Args args = {"--image", ImagePath(), "--link", Link(), "--log", LogPath()};
    args.insert(args.end(), options.begin(), options.end());
    process_ = std::make_unique<BackgroundProcess>(kSimProgram, args, true);
    // The time is a bound only: the line comes at once.
    if (!process_->Read(device_, true, 20)) device_.clear();
  }
  ~SimProcess() { Stop(); }

  bool Started() const { return !device_.empty(); }
  // The pseudo-terminal's device, and a symbolic link to it.
  const std::string& Device() const { return device_; }
  std::string Link() const { return dir_ / "radio-port"; }
  std::string ImagePath() const { return dir_ / "radio.dat"; }
  std::string LogPath() const { return dir_ / "sim.log"; }

  std::string Log() const { return ReadBytes(LogPath()); }
  // Frames the radio received that begin with the byte given in hex ("52"); with way "--", the
  // events of that name.
  int Received(const std::string& firstWord, const char* way = "rx") const {
    std::istringstream lines(Log());  // "    0.0123 rx 52 00 10 08", "    0.5678 -- saved x.dat"
    int count = 0;
    for (std::string line, time, direction, first; std::getline(lines, line);) {
      std::istringstream words(line);
      if (words >> time >> direction >> first && direction == way && first == firstWord) ++count;
    }
    return count;
  }
  // Times it stored the radio's memory.
  int Saves() const { return Received("saved", "--"); }
  RadioImage Memory() const { return LoadDatFile(ImagePath()).image; }

  int Stop(int signal = SIGTERM) { return process_ ? process_->Stop(signal, 20) : -1; }
  // What it said after its device, once stopped.
  std::string Said() {
    std::string said;
    if (Stop() != -1) process_->Read(said, false, 20);
    return said;
  }

 private:
  // The radio stores its memory, flushed to disk, before it answers a write's last block; on a
  // disk busy with builds the flush can outlast the programmer's wait: its folder is in memory.
  ScratchDir dir_{::access("/dev/shm", W_OK | X_OK) == 0 ? std::filesystem::path("/dev/shm")
                                                         : std::filesystem::temp_directory_path()};
  std::unique_ptr<BackgroundProcess> process_;
  std::string device_;
};

}  // namespace selkan::test
