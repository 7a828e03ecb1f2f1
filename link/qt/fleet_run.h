#pragma once

#include <QThread>
#include <chrono>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "link/fleet.h"
#include "link/fleet_log.h"
#include "link/fleet_loop.h"

namespace selkan {

// A run over many radios as selkan-cli and the program drive it: the Fleet
// with its log, and a FleetLoop per port, each on a thread of its own with
// a serial port made there. The fleet's callbacks come on those threads.
// Made and driven on one thread; Stop and Next may come from any.
class FleetRun {
 public:
  // A port's loop ended because its port failed: the port as named, the
  // device it stands for and the system's reason. On the loop's thread.
  using PortFailed = std::function<void(const std::string& port, const std::string& device,
                                        const std::string& reason)>;

  // log may be null (no log).
  FleetRun(FleetOptions options, FleetCallbacks callbacks, std::unique_ptr<FleetLog> log);
  // Stops the run and waits for its threads: the loops go before the fleet.
  ~FleetRun();
  FleetRun(const FleetRun&) = delete;
  FleetRun& operator=(const FleetRun&) = delete;

  // Starts a loop for each port (as the user named them), once. watch sees
  // each loop's thread before any starts (to be told when it finishes).
  void Start(const std::vector<std::string>& ports, PortFailed portFailed = {},
             const std::function<void(QThread& thread)>& watch = {});

  Fleet& GetFleet() { return fleet_; }
  void Stop() { fleet_.Stop(); }
  // Passes the next radio on every port that waits for the user to.
  void Next();
  // Some loop's thread has not ended yet.
  bool Running() const;
  // Waits until every thread has ended, for at most the time given; whether
  // they have.
  bool Wait(std::chrono::milliseconds limit);

 private:
  std::unique_ptr<FleetLog> log_;
  Fleet fleet_;
  std::vector<std::unique_ptr<FleetLoop>> loops_;
  std::vector<std::unique_ptr<QThread>> threads_;
};

}  // namespace selkan
