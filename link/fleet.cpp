#include "link/fleet.h"

#include <limits>
#include <memory>

#include "link/backup_store.h"
#include "link/fleet_log.h"
#include "link/fleet_text.h"

namespace selkan {

std::string FleetRecord::Result() const { return EnglishText(FleetResultText(*this, mismatches)); }

std::function<std::optional<std::string>(const RadioImage&, const std::string&, std::string*)>
KeepEveryBackupIn(std::filesystem::path folder,
                  std::function<std::string(const RadioImage& radio)> label) {
  auto store =
      std::make_shared<BackupStore>(std::move(folder), std::numeric_limits<std::size_t>::max());
  return [store, label = std::move(label)](const RadioImage& radio,
                                           const std::string& identification,
                                           std::string* error) -> std::optional<std::string> {
    const auto path =
        store->Save(radio, label(radio), std::chrono::system_clock::now(), error, identification);
    if (!path) return std::nullopt;
    return path->string();
  };
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
