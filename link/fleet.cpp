#include "link/fleet.h"

#include "link/fleet_log.h"
#include "link/protocol.h"

namespace selkan {

namespace {

constexpr std::size_t kMismatchesNamed = 3;

std::string BrokeOff(std::size_t blocks) {
  return "broke off at block " + std::to_string(blocks) + " of " +
         std::to_string(protocol::kWriteBlocks);
}

std::string VerifyFailed(const std::vector<ImageDifference>& mismatches) {
  std::string text = "verify failed: ";
  for (std::size_t i = 0; i < mismatches.size() && i < kMismatchesNamed; ++i) {
    if (i > 0) text += "; ";
    text += DifferenceLine(mismatches[i]);
  }
  if (mismatches.size() > kMismatchesNamed) {
    text += "; " + std::to_string(mismatches.size() - kMismatchesNamed) + " more";
  }
  return text;
}

}  // namespace

std::string FleetRecord::Result() const {
  const bool written = step == WriteStep::kVerify;  // the write itself went through
  switch (outcome) {
    case TransferOutcome::kCompleted:
      return verify ? "verified" : "written";
    case TransferOutcome::kRadioMismatch:
      return "wrong type";
    case TransferOutcome::kVerifyMismatch:
      return VerifyFailed(mismatches);
    case TransferOutcome::kBackupNotSaved:
      return "backup not kept (" + backupError + "); nothing written";
    case TransferOutcome::kCommunicationError:
      return written ? "written; no answer after the wake-up for the verify"
                     : "no answer after the wake-up";
    case TransferOutcome::kPortError:
      return written ? "written; the port could not be opened for the verify"
                     : "the port could not be opened; nothing written";
    case TransferOutcome::kProgramInterrupt:
      if (step == WriteStep::kWrite) return BrokeOff(blocksWritten);
      return written ? "written; the verify read broke off"
                     : "the backup read broke off; nothing written";
    case TransferOutcome::kCancelled:
      if (step == WriteStep::kWrite && blocksWritten > 0)
        return BrokeOff(blocksWritten) + " (stopped)";
      return written ? "written; stopped during the verify" : "stopped; nothing written";
  }
  return "unknown";
}

Fleet::Fleet(FleetOptions options, FleetCallbacks callbacks, FleetLog* log)
    : options_(std::move(options)), callbacks_(std::move(callbacks)), log_(log) {}

void Fleet::Stop() {
  stopped_ = true;
  std::lock_guard lock(mutex_);
  summary_.stopped = true;
}

bool Fleet::ClosedLocked() const {
  return stopped_ || failedAndStopping_ || !summary_.logError.empty() ||
         (options_.count > 0 && counted_ >= options_.count);
}

bool Fleet::Closed() const {
  std::lock_guard lock(mutex_);
  return ClosedLocked();
}

int Fleet::NextNumber() const {
  std::lock_guard lock(mutex_);
  return numbered_ + 1;
}

FleetSummary Fleet::Summary() const {
  std::lock_guard lock(mutex_);
  return summary_;
}

std::optional<int> Fleet::Claim(bool counted) {
  std::lock_guard lock(mutex_);
  if (ClosedLocked()) return std::nullopt;
  if (counted) ++counted_;
  return ++numbered_;
}

std::optional<std::string> Fleet::Keep(const RadioImage& radio, const std::string& identification,
                                       std::string* error) {
  if (!options_.keep) {
    if (error) *error = "no place to keep it";
    return std::nullopt;
  }
  std::lock_guard lock(keepMutex_);
  return options_.keep(radio, identification, error);
}

void Fleet::Finish(const FleetRecord& record) {
  {
    std::lock_guard lock(mutex_);
    std::string error;
    if (log_ != nullptr && summary_.logError.empty() && !log_->Append(record, &error)) {
      summary_.logError = error;
    }
    ++summary_.radios;
    summary_.seconds += record.seconds;
    if (record.Succeeded()) {
      ++summary_.succeeded;
    } else {
      ++summary_.failed;
      if (!summary_.firstFailure) summary_.firstFailure = record.outcome;
      if (options_.stopOnFailure) failedAndStopping_ = true;
    }
  }
  if (callbacks_.done) callbacks_.done(record);
}

void Fleet::PortFailed() {
  std::lock_guard lock(mutex_);
  if (!summary_.firstFailure) summary_.firstFailure = TransferOutcome::kPortError;
}

void Fleet::Report(const FleetPortStatus& status) const {
  if (callbacks_.status) callbacks_.status(status);
}

}  // namespace selkan
