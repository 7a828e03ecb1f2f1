#include "link/qt/fleet_run.h"

#include <QDeadlineTimer>
#include <algorithm>

#include "link/port_names.h"
#include "link/qt/qt_serial_port.h"

namespace selkan {

FleetRun::FleetRun(FleetOptions options, FleetCallbacks callbacks, std::unique_ptr<FleetLog> log)
    : log_(std::move(log)), fleet_(std::move(options), std::move(callbacks), log_.get()) {}

FleetRun::~FleetRun() {
  fleet_.Stop();
  for (const auto& thread : threads_) thread->wait();
}

void FleetRun::Start(const std::vector<std::string>& ports, PortFailed portFailed,
                     const std::function<void(QThread& thread)>& watch) {
  if (!loops_.empty()) return;
  for (const std::string& port : ports) {
    const std::string device = ResolvePortName(port);
    loops_.push_back(std::make_unique<FleetLoop>(fleet_, port, device, SystemFleetClock()));
    FleetLoop* loop = loops_.back().get();
    threads_.emplace_back(QThread::create([loop, port, device, portFailed] {
      QtSerialPort serial(QtSerialPort::Waiting::kBlocking);
      loop->Run(serial);
      if (loop->EndedBy() == TransferOutcome::kPortError && portFailed)
        portFailed(port, device, serial.ErrorText());
    }));
  }
  if (watch)
    for (const auto& thread : threads_) watch(*thread);
  for (const auto& thread : threads_) thread->start();
}

void FleetRun::Next() {
  for (const auto& loop : loops_) loop->Next();
}

bool FleetRun::Running() const {
  return std::any_of(threads_.begin(), threads_.end(),
                     [](const auto& thread) { return !thread->isFinished(); });
}

bool FleetRun::Wait(std::chrono::milliseconds limit) {
  const QDeadlineTimer deadline(limit.count());
  return std::all_of(threads_.begin(), threads_.end(),
                     [&deadline](const auto& thread) { return thread->wait(deadline); });
}

}  // namespace selkan
