#pragma once

#include <QObject>

namespace selkan {

// Whether a radio transfer is running somewhere in the program. The
// transfer pumps the event queue between blocks, so commands that would
// destroy a document or its view ask here first and refuse while it runs.
class TransferMonitor : public QObject {
  Q_OBJECT
 public:
  static TransferMonitor& Instance();
  bool Running() const { return running_ > 0; }
  // A run over many radios holds ports on threads of its own: no single
  // transfer may start, and what waits for a transfer waits for it too.
  bool FleetRunning() const { return fleets_ > 0; }

  // Marks a transfer as running for its lifetime.
  class Scope {
   public:
    Scope();
    ~Scope();
    Scope(const Scope&) = delete;
    Scope& operator=(const Scope&) = delete;
  };

  // Marks a run over many radios as going for its lifetime.
  class FleetScope {
   public:
    FleetScope();
    ~FleetScope();
    FleetScope(const FleetScope&) = delete;
    FleetScope& operator=(const FleetScope&) = delete;
  };

 signals:
  void runningChanged(bool running);
  void fleetRunningChanged(bool running);

 private:
  TransferMonitor() = default;
  int running_ = 0;
  int fleets_ = 0;
};

// Shorthands for TransferMonitor::Instance().Running() and FleetRunning().
bool TransferRunning();
bool FleetRunning();

}  // namespace selkan
