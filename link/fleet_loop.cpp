#include "link/fleet_loop.h"

#include <algorithm>
#include <thread>

#include "link/fleet_log.h"
#include "link/protocol.h"
#include "platform/sha256.h"

namespace selkan {

namespace {

using Clock = std::chrono::steady_clock;
using Answer = RadioPresence::Answer;

constexpr std::size_t kHashDigits = 12;

class SystemClock final : public FleetClock {
 public:
  Clock::time_point Now() override { return Clock::now(); }
  std::chrono::system_clock::time_point WallNow() override {
    return std::chrono::system_clock::now();
  }
  void Sleep(std::chrono::milliseconds duration) override { std::this_thread::sleep_for(duration); }
};

}  // namespace

FleetClock& SystemFleetClock() {
  static SystemClock clock;
  return clock;
}

FleetLoop::FleetLoop(Fleet& fleet, std::string port, std::string device, FleetClock& clock)
    : fleet_(fleet),
      port_(std::move(port)),
      device_(std::move(device)),
      clock_(clock),
      imageHash_(Sha256Hex(fleet.Options().image, kHashDigits)) {}

void FleetLoop::Run(SerialPort& serialPort) {
  TransferEngine engine(serialPort,
                        [this](int ms) { clock_.Sleep(std::chrono::milliseconds(ms)); });
  for (;;) {
    const std::optional<RadioPresence> found = WaitForRadio(engine);
    if (!found) return;
    const bool identified = found->answer == Answer::kIdentified;
    const bool ours = identified && protocol::IsAcceptedIdentification(found->identification);
    // A radio of another type is logged, but is not one of the count.
    const std::optional<int> number = fleet_.Claim(!identified || ours);
    if (!number) {
      End(fleet_.Stopped() ? TransferOutcome::kCancelled : TransferOutcome::kCompleted);
      return;
    }
    started_ = clock_.Now();
    const std::string identification = protocol::IdentificationText(found->identification);
    FleetRecord record;
    if (ours) {
      record = WriteRadio(engine, *number, identification);
    } else {
      record = NewRecord(*number, identification);
      record.outcome =
          identified ? TransferOutcome::kRadioMismatch : TransferOutcome::kCommunicationError;
    }
    record.seconds = std::chrono::duration<double>(clock_.Now() - started_).count();
    fleet_.Finish(record);
    if (!WaitForRadioToGo(engine, *number)) return;
  }
}

void FleetLoop::Next() {
  std::lock_guard lock(mutex_);
  if (awaitingNext_) nextGiven_ = true;
}

std::optional<RadioPresence> FleetLoop::WaitForRadio(TransferEngine& engine) {
  Report(FleetPhase::kWaitingForRadio, 0);
  for (;;) {
    if (fleet_.Closed()) {
      End(fleet_.Stopped() ? TransferOutcome::kCancelled : TransferOutcome::kCompleted);
      return std::nullopt;
    }
    const Clock::time_point asked = clock_.Now();
    RadioPresence presence = engine.Probe(device_);
    if (presence.answer == Answer::kPortError) {
      fleet_.PortFailed();
      End(TransferOutcome::kPortError);
      return std::nullopt;
    }
    if (presence.answer != Answer::kSilent) return presence;
    PauseUntil(asked + kProbeInterval);
  }
}

bool FleetLoop::WaitForRadioToGo(TransferEngine& engine, int number) {
  if (fleet_.Closed()) {
    End(fleet_.Stopped() ? TransferOutcome::kCancelled : TransferOutcome::kCompleted);
    return false;
  }
  if (fleet_.Options().confirm) return WaitForNext(number);
  Report(FleetPhase::kWaitingForRemoval, number);
  Clock::time_point answered = clock_.Now();  // the radio was just there
  for (;;) {
    const Clock::time_point asked = clock_.Now();
    const RadioPresence presence = engine.Probe(device_);
    if (presence.answer == Answer::kPortError) {
      fleet_.PortFailed();
      End(TransferOutcome::kPortError);
      return false;
    }
    const Clock::time_point now = clock_.Now();
    if (presence.answer != Answer::kSilent) {
      answered = now;
    } else if (now - answered >= kGoneAfter) {
      return true;
    }
    PauseUntil(asked + kProbeInterval);
    if (fleet_.Closed()) {  // a stop closes the run too
      End(fleet_.Stopped() ? TransferOutcome::kCancelled : TransferOutcome::kCompleted);
      return false;
    }
  }
}

bool FleetLoop::WaitForNext(int number) {
  {
    std::lock_guard lock(mutex_);
    awaitingNext_ = true;  // from now on Next counts
  }
  Report(FleetPhase::kWaitingForNext, number);
  for (;;) {
    const bool closed = fleet_.Closed();
    bool given = false;
    {
      std::lock_guard lock(mutex_);
      given = nextGiven_;
      if (given || closed) awaitingNext_ = nextGiven_ = false;
    }
    if (given) return true;
    if (closed) break;
    clock_.Sleep(kPauseSlice);
  }
  End(fleet_.Stopped() ? TransferOutcome::kCancelled : TransferOutcome::kCompleted);
  return false;
}

FleetRecord FleetLoop::NewRecord(int number, const std::string& identification) const {
  const FleetOptions& options = fleet_.Options();
  FleetRecord record;
  record.number = number;
  record.start = clock_.WallNow();
  record.identification = identification;
  record.port = port_;
  record.document = options.document;
  record.imageHash = imageHash_;
  record.verify = options.verify;
  return record;
}

FleetRecord FleetLoop::WriteRadio(TransferEngine& engine, int number,
                                  const std::string& identification) {
  const FleetOptions& options = fleet_.Options();
  FleetRecord record = NewRecord(number, identification);
  WriteStep current = WriteStep::kBackup;
  int end = protocol::kReadProgressEnd;
  int shown = -1;
  SafeWriteHooks hooks;
  hooks.transfer.pump = [this] { return fleet_.Stopped(); };
  hooks.transfer.progress = [&](int position) {
    const int percent = position * 100 / end;
    if (percent == shown) return;
    shown = percent;
    Report(FleetPhase::kWriting, number, current, percent);
  };
  hooks.stepStarted = [&](WriteStep step) {
    current = step;
    end = step == WriteStep::kWrite ? protocol::kWriteProgressEnd : protocol::kReadProgressEnd;
    shown = 0;
    Report(FleetPhase::kWriting, number, step, 0);
  };
  hooks.keep = [this](const RadioImage& radio, const std::string& identification,
                      std::string* error) { return fleet_.Keep(radio, identification, error); };
  const SafeWriteRequest request{device_, options.image, options.backup, options.verify};
  const SafeWriteResult result = RunSafeWrite(engine, request, hooks, Language::English);
  record.outcome = result.outcome;
  record.step = result.step;
  record.blocksWritten = result.blocksWritten;
  record.backupPath = result.backupPath;
  record.backupError = result.backupError;
  record.mismatches = result.mismatches;
  record.readBack = result.readBack;
  return record;
}

void FleetLoop::PauseUntil(Clock::time_point deadline) {
  for (;;) {
    if (fleet_.Stopped()) return;
    const Clock::time_point now = clock_.Now();
    if (now >= deadline) return;
    clock_.Sleep(
        std::min(kPauseSlice, std::chrono::ceil<std::chrono::milliseconds>(deadline - now)));
  }
}

void FleetLoop::Report(FleetPhase phase, int radio, WriteStep step, int percent) {
  FleetPortStatus status;
  status.port = port_;
  status.phase = phase;
  status.radio = radio;
  status.step = step;
  status.percent = percent;
  fleet_.Report(status);
}

void FleetLoop::End(TransferOutcome why) {
  endedBy_ = why;
  FleetPortStatus status;
  status.port = port_;
  status.phase = FleetPhase::kEnded;
  status.ended = why;
  fleet_.Report(status);
}

}  // namespace selkan
