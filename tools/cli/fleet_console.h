#pragma once

#include <cstdio>
#include <functional>
#include <map>
#include <mutex>
#include <string>
#include <vector>

#include "link/fleet.h"

namespace selkan::cli {

// The status line of one port: "Radio 4: connect it and turn it on",
// "Radio 4: writing 37 %", "Radio 4 verified in 27.8 s — remove it", ...
// last: the port's last radio (for the phases after it); next: the number
// the next radio will get.
std::string FleetStatusText(const FleetPortStatus& status, const FleetRecord* last, int next,
                            bool severalPorts);

// The line printed when a radio is done, and, when its write broke off with
// a backup kept, how to put the backup back.
std::string FleetRecordText(const FleetRecord& record);

// "5 radios: 4 verified, 1 failed; 2 min 20.5 s in all, 28.1 s a radio".
std::string FleetSummaryText(const FleetSummary& summary, bool verify, double wallSeconds);

// What selkan-cli fleet shows while it runs: a line per radio on `out` as
// each is done, and, on a terminal, one status line on stderr for all ports,
// with the bell when a radio is done. Its callbacks may come from any
// loop's thread.
class FleetConsole {
 public:
  FleetConsole(std::FILE* out, bool terminal) : out_(out), terminal_(terminal) {}

  // The fleet the status line asks for the next radio's number.
  void Attach(const Fleet& fleet) { fleet_ = &fleet; }
  FleetCallbacks Callbacks();
  // Clears the status line before other text goes to the terminal.
  void ClearStatus();
  // Runs say (which prints a message) with the status line out of its way.
  void Say(const std::function<void()>& say);

 private:
  void Draw();

  std::FILE* out_;
  bool terminal_;
  const Fleet* fleet_ = nullptr;
  std::mutex mutex_;
  std::map<std::string, FleetPortStatus> statuses_;  // by port, in name order
  std::map<std::string, FleetRecord> last_;
  bool drawn_ = false;
};

}  // namespace selkan::cli
