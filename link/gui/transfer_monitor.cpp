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

bool TransferRunning() { return TransferMonitor::Instance().Running(); }

}  // namespace selkan
