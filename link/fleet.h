#pragma once

#include <atomic>
#include <chrono>
#include <cstddef>
#include <filesystem>
#include <functional>
#include <mutex>
#include <optional>
#include <string>
#include <vector>

#include "link/safe_write.h"
#include "link/transfer_outcome.h"
#include "model/image_diff.h"
#include "model/radio_image.h"

namespace selkan {

class FleetLog;

// What a run over many radios writes into each, and how.
struct FleetOptions {
  RadioImage image{};    // fixed at the start: every radio of the run gets these bytes
  std::string document;  // the document's file name, for the log
  bool backup = true;    // read each radio into a backup first
  bool verify = true;    // read each radio back afterwards and compare
  bool confirm = false;  // the user confirms each next radio instead of taking the last away
  bool stopOnFailure = false;
  static constexpr int kMostCount = 1000000;  // the largest count a run takes
  int count = 0;                              // radios of this type to program; 0: until stopped
  // Keeps a radio's contents read before its write, with the identification
  // it sent; returns where, or nullopt with *error. The run calls it from
  // one loop at a time.
  std::function<std::optional<std::string>(const RadioImage& radio,
                                           const std::string& identification, std::string* error)>
      keep;
};

// A FleetOptions::keep that keeps every radio of a run in a folder of its
// own, none rotated away (the log names each), named after the radio type
// label gives an image.
std::function<std::optional<std::string>(const RadioImage& radio, const std::string& identification,
                                         std::string* error)>
KeepEveryBackupIn(std::filesystem::path folder,
                  std::function<std::string(const RadioImage& radio)> label);

// How one radio went: a line of the log, a row of the table.
struct FleetRecord {
  int number = 0;  // in the order the radios started, from 1
  std::chrono::system_clock::time_point start{};
  double seconds = 0;
  std::string identification;  // what the radio sent, as text
  std::string port;            // as the user named it
  std::string backupPath;      // empty without a backup
  std::string document;
  std::string imageHash;  // short hash of the image written
  bool verify = true;     // the write was to be verified
  // kCompleted, or why not: kRadioMismatch for a radio of another type,
  // kCommunicationError for one that answered the wake-up and then nothing.
  TransferOutcome outcome = TransferOutcome::kCompleted;
  WriteStep step = WriteStep::kBackup;  // the step that ended it
  std::size_t blocksWritten = 0;
  std::vector<ImageDifference> mismatches;  // kVerifyMismatch, in English
  std::optional<RadioImage> readBack;       // kVerifyMismatch: what the radio held
  std::string backupError;                  // kBackupNotSaved

  bool Succeeded() const { return outcome == TransferOutcome::kCompleted; }
  // "verified", "written", "verify failed: Channel 3, Rx Frequency: ...",
  // "broke off at block 212 of 510", "wrong type", "no answer after the
  // wake-up", ... (English, as the log keeps it).
  std::string Result() const;
};

// What a port's loop is doing.
enum class FleetPhase {
  kWaitingForRadio,    // asking about once a second whether a radio is there
  kWriting,            // the radio's backup, write and verify
  kWaitingForRemoval,  // the radio is done and is to be taken away
  kWaitingForNext,     // the radio is done; the user confirms the next one
  kEnded,              // the loop is over
};

struct FleetPortStatus {
  std::string port;
  FleetPhase phase = FleetPhase::kWaitingForRadio;
  int radio = 0;  // kWriting, kWaitingForRemoval, kWaitingForNext: the radio's number
  WriteStep step = WriteStep::kBackup;  // kWriting
  int percent = 0;                      // kWriting: of the step
  // kEnded: kPortError when the port failed, kCancelled when stopped,
  // kCompleted when no more radios were to come.
  TransferOutcome ended = TransferOutcome::kCompleted;
};

// How the run tells its caller what happens. Both are called on the thread
// of the loop concerned, never with the run's lock held.
struct FleetCallbacks {
  std::function<void(const FleetPortStatus& status)> status;
  // A radio is done, after its line went into the log.
  std::function<void(const FleetRecord& record)> done;
};

struct FleetSummary {
  int radios = 0;  // logged
  int succeeded = 0;
  int failed = 0;
  double seconds = 0;  // of all radios together
  // The outcome of the first radio that failed, or of the first port that
  // could not be used.
  std::optional<TransferOutcome> firstFailure;
  std::string logError;  // why the log could not be written, when it could not
  bool stopped = false;  // Stop was called
};

// One run over many radios: what its loops (one per port, each on a thread
// of its own) share, and nothing else: the options with the image, the
// numbering, the count, the log and the summary. Thread-safe.
class Fleet {
 public:
  // log may be null (no log); it must outlive the run.
  Fleet(FleetOptions options, FleetCallbacks callbacks, FleetLog* log = nullptr);

  const FleetOptions& Options() const { return options_; }

  // From any thread. Waits end at once; a write under way is cancelled as a
  // single write's Cancel does (the radio is logged as broken off).
  void Stop();
  bool Stopped() const { return stopped_; }
  // No further radio is to start: stopped, the count reached, a failure
  // with stop-on-failure, or the log could not be written.
  bool Closed() const;
  // The number the next radio will get.
  int NextNumber() const;
  FleetSummary Summary() const;

  // For the loops. A radio that answered gets its number; counted radios
  // (those of this type) take one of the count. nullopt once closed.
  std::optional<int> Claim(bool counted);
  std::optional<std::string> Keep(const RadioImage& radio, const std::string& identification,
                                  std::string* error);
  // Logs the radio, counts it, and tells the caller.
  void Finish(const FleetRecord& record);
  // A port could not be used: its loop ends.
  void PortFailed();
  void Report(const FleetPortStatus& status) const;

 private:
  bool ClosedLocked() const;

  const FleetOptions options_;
  const FleetCallbacks callbacks_;
  FleetLog* log_;
  std::atomic<bool> stopped_{false};
  mutable std::mutex mutex_;
  int numbered_ = 0;
  int counted_ = 0;
  bool failedAndStopping_ = false;
  FleetSummary summary_;
  std::mutex keepMutex_;
};

}  // namespace selkan
