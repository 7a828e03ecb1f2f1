#pragma once

#include <chrono>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "tools/sim/radio_queue.h"
#include "tools/sim/virtual_radio.h"

namespace selkan::sim {

struct SimOptions {
  std::string imagePath;  // empty: a blank image held in memory only
  std::string linkPath;   // empty: no symbolic link
  std::vector<std::uint8_t> id{VirtualRadio::kDefaultId.begin(), VirtualRadio::kDefaultId.end()};
  bool realtime = false;
  std::string logPath;
  Faults faults;
  // A queue of radios (--fleet N): each with its own memory, the faults and
  // the identification above only on radio onRadio (1..N; 0: on all).
  int fleet = 0;  // 0: one radio, there for good
  std::chrono::milliseconds stay{2000};
  std::chrono::milliseconds swapGap{3000};
  std::string dumpDir;  // empty: the radios' memories are not kept
  int onRadio = 0;
  bool help = false;
  bool version = false;
};

// The identification --wrong-id sends: the first four bytes match "KZ904",
// the fifth does not.
inline constexpr char kWrongId[] = "KZ905SK1";

// Parses the command line (without the program name). nullopt with *error
// on a bad option.
std::optional<SimOptions> ParseSimOptions(const std::vector<std::string>& args, std::string* error);
// The queue the options ask for: without --fleet, one radio there for good.
QueueSettings QueueOf(const SimOptions& options);

extern const char kSimHelp[];

}  // namespace selkan::sim
