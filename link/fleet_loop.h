#pragma once

#include <chrono>
#include <cstdint>
#include <mutex>
#include <optional>
#include <string>
#include <vector>

#include "link/fleet.h"
#include "link/serial_port.h"
#include "link/transfer_engine.h"

namespace selkan {

// The time a loop waits by, and reads: the steady clock for the waits, the
// wall clock for the log's start times.
class FleetClock {
 public:
  virtual ~FleetClock() = default;
  virtual std::chrono::steady_clock::time_point Now() = 0;
  virtual std::chrono::system_clock::time_point WallNow() = 0;
  virtual void Sleep(std::chrono::milliseconds duration) = 0;
};

// The clocks of the system, and a sleep of the calling thread.
FleetClock& SystemFleetClock();

// One port's loop of a run: wait for a radio, write it safely, log it,
// wait for it to go (or for the user's Next), and again, until the run
// closes. Run it on a thread of its own, one per port, with a port made on
// that thread; everything else of it may be called from any thread.
class FleetLoop {
 public:
  // How often the port is asked whether a radio is there.
  static constexpr std::chrono::milliseconds kProbeInterval{900};
  // A radio counts as gone once a wake-up went unanswered and none has been
  // answered for this long.
  static constexpr std::chrono::milliseconds kGoneAfter{2000};
  // The longest sleep between two looks at Stop and Next.
  static constexpr std::chrono::milliseconds kPauseSlice{100};

  // port: as the user named it (status, log); device: what is opened.
  FleetLoop(Fleet& fleet, std::string port, std::string device, FleetClock& clock);

  // Runs until the run closes, is stopped, or the port fails.
  void Run(SerialPort& serialPort);
  // The user confirms the next radio (confirm mode). Counts only while the
  // loop waits for it: a press during a write does not pass the next radio.
  void Next();

  const std::string& Port() const { return port_; }
  // Why the loop ended (as FleetPortStatus::ended), once Run has returned.
  TransferOutcome EndedBy() const { return endedBy_; }

 private:
  // Asks until a radio answers; nullopt when the run closed or the port
  // failed first.
  std::optional<RadioPresence> WaitForRadio(TransferEngine& engine);
  // The radio on the port is done: until it has gone, or until Next in
  // confirm mode. False when the loop is to end.
  bool WaitForRadioToGo(TransferEngine& engine, int number);
  bool WaitForNext(int number);
  FleetRecord WriteRadio(TransferEngine& engine, int number, const std::string& identification);
  FleetRecord NewRecord(int number, const std::string& identification) const;
  // Sleeps until the deadline, or until Stop; the caller then sees Closed().
  void PauseUntil(std::chrono::steady_clock::time_point deadline);
  void Report(FleetPhase phase, int radio, WriteStep step = WriteStep::kBackup, int percent = 0);
  void End(TransferOutcome why);

  Fleet& fleet_;
  std::string port_;
  std::string device_;
  FleetClock& clock_;
  std::string imageHash_;
  std::chrono::steady_clock::time_point started_{};  // of the radio being written
  TransferOutcome endedBy_ = TransferOutcome::kCompleted;

  std::mutex mutex_;
  bool awaitingNext_ = false;
  bool nextGiven_ = false;
};

}  // namespace selkan
