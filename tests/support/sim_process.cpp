#include "tests/support/sim_process.h"

#include <sstream>

namespace selkan::test {

namespace {
constexpr double kStartLimit = 20;  // seconds; a bound only, it starts at once
constexpr double kStopLimit = 20;
}  // namespace

SimProcess::SimProcess(const RadioImage& image, const std::vector<std::string>& options) {
  if (!SaveDatFile(ImagePath(), image)) return;
  std::vector<std::string> args = {"--image", ImagePath(), "--link",
                                   Link(),    "--log",     dir_ / "sim.log"};
  args.insert(args.end(), options.begin(), options.end());
  process_ = std::make_unique<BackgroundProcess>(kSimProgram, args);
  // The device line comes once the line is ready.
  if (process_->started()) device_ = process_->ReadLine(kStartLimit);
}

SimProcess::~SimProcess() { Stop(); }

std::string SimProcess::Log() const { return ReadBytes(dir_ / "sim.log"); }

int SimProcess::Received(const std::string& firstByte) const {
  // "    0.0123 rx 52 00 10 08"
  std::istringstream lines(Log());
  int count = 0;
  for (std::string line; std::getline(lines, line);) {
    std::istringstream words(line);
    std::string time, direction, first;
    if (words >> time >> direction >> first && direction == "rx" && first == firstByte) ++count;
  }
  return count;
}

bool SimProcess::Saved() const { return Log().find(" saved ") != std::string::npos; }

RadioImage SimProcess::Memory() const { return LoadDatFile(ImagePath()).image; }

int SimProcess::Stop(int signal) { return process_ ? process_->Stop(signal, kStopLimit) : -1; }

}  // namespace selkan::test
