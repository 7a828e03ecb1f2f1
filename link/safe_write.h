#pragma once

#include <cstddef>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "link/transfer_engine.h"
#include "model/image_diff.h"
#include "model/radio_image.h"
#include "platform/language.h"

namespace selkan {

// The steps of a write that keeps the radio's contents first and checks them
// after: each is a whole transfer of its own, handshake included.
enum class WriteStep { kBackup, kWrite, kVerify };

struct SafeWriteRequest {
  std::string port;
  RadioImage image{};  // what the radio is to hold
  bool backup = true;  // read the radio into a backup first
  bool verify = true;  // read it back afterwards and compare
};

struct SafeWriteHooks {
  // Pump, progress and Retry, passed to each step's transfer.
  TransferCallbacks transfer;
  // A step begins; its progress counts from the start again.
  std::function<void(WriteStep step)> stepStarted;
  // Stores what the backup step read, with the identification the radio
  // sent (as IdentificationText); returns where, or nullopt with *error.
  std::function<std::optional<std::string>(const RadioImage& radio,
                                           const std::string& identification, std::string* error)>
      keep;
};

struct SafeWriteResult {
  TransferOutcome outcome = TransferOutcome::kCompleted;
  WriteStep step = WriteStep::kBackup;      // the step that ended the write
  std::optional<RadioImage> backup;         // the radio's contents before the write
  std::string backupPath;                   // where they were kept
  std::string backupError;                  // why they could not be (kBackupNotSaved)
  std::size_t blocksWritten = 0;            // blocks the radio took, from address 0
  std::vector<ImageDifference> mismatches;  // kVerifyMismatch: written -> read back
  std::optional<RadioImage> readBack;       // kVerifyMismatch: what the radio held then

  // The write step began sending blocks and did not finish: the radio may
  // be partly written.
  bool BrokeOff() const;
};

// Runs the steps in order: backup (when asked), write, verify (when asked).
// A failed backup read or a backup that cannot be kept stops before
// anything is written. The verify compares the 4080 bytes a write sends.
SafeWriteResult RunSafeWrite(TransferEngine& engine, const SafeWriteRequest& request,
                             const SafeWriteHooks& hooks, Language language);

}  // namespace selkan
