#include "link/gui/transfer_monitor.h"

namespace selkan {

TransferMonitor& TransferMonitor::Instance() {
  static TransferMonitor monitor;
  return monitor;
}

TransferMonitor::Scope::Scope() {
  TransferMonitor& monitor = Instance();
  if (monitor.running_++ == 0) emit monitor.runningChanged(true);
}

TransferMonitor::Scope::~Scope() {
  TransferMonitor& monitor = Instance();
  if (--monitor.running_ == 0) emit monitor.runningChanged(false);
}

TransferMonitor::FleetScope::FleetScope() {
  TransferMonitor& monitor = Instance();
  if (monitor.fleets_++ == 0) emit monitor.fleetRunningChanged(true);
}

TransferMonitor::FleetScope::~FleetScope() {
  TransferMonitor& monitor = Instance();
  if (--monitor.fleets_ == 0) emit monitor.fleetRunningChanged(false);
}

bool TransferRunning() { return TransferMonitor::Instance().Running(); }

bool FleetRunning() { return TransferMonitor::Instance().FleetRunning(); }

}  // namespace selkan
