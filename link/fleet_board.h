#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

#include "link/fleet.h"
#include "link/fleet_text.h"

namespace selkan {

// What the program's window shows of a run while it goes: each port's
// status line and progress, a headline for the whole run with its
// progress, and the counts. Fed, on one thread, with what the run reports.
class FleetBoard {
 public:
  FleetBoard(std::vector<std::string> ports, bool backup, bool verify);

  // A port's status; one the run does not use is ignored.
  void Update(const FleetPortStatus& status);
  // A radio is done.
  void Add(const FleetRecord& record);
  // The user stopped the run: the headline says so until it has ended.
  void Stop() { stopping_ = true; }

  std::size_t PortCount() const { return ports_.size(); }
  const std::string& PortName(std::size_t port) const { return ports_[port].name; }
  FleetText PortText(std::size_t port) const;
  // The progress of the step a port is at, in percent; 100 while a radio
  // that succeeded waits to go; -1 otherwise.
  int PortPercent(std::size_t port) const;

  // Every port's loop has ended.
  bool Ended() const;
  // What the user is to do, or what goes on: a radio to take away (or to
  // confirm the next of) first, then a radio being written (the lowest
  // number first), then the wait for a radio; once every port has ended,
  // the counts.
  FleetText Headline() const;
  int HeadlinePercent() const;
  // Some port waits for the user to confirm its next radio.
  bool WaitsForNext() const;

  int Radios() const { return succeeded_ + failed_; }
  int Succeeded() const { return succeeded_; }
  int Failed() const { return failed_; }

 private:
  struct Port {
    std::string name;
    std::optional<FleetPortStatus> status;
    std::optional<FleetRecord> last;
  };
  // The port the headline is about; nullptr when none stands out.
  const Port* Headed() const;
  FleetText Counts() const;

  std::vector<Port> ports_;
  bool backup_;
  bool verify_;
  bool stopping_ = false;
  int succeeded_ = 0;
  int failed_ = 0;
  int highest_ = 0;  // the highest radio number seen
};

}  // namespace selkan
