#pragma once

#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "link/qt/qt_serial_port.h"
#include "link/transfer_engine.h"
#include "tools/cli/args.h"

class QCoreApplication;

namespace selkan::cli {

// The options every command that talks to a radio takes.
struct TransferRequest {
  std::string port = "COM1";  // as the user gave it
  int retries = 0;            // how often to answer Retry when the radio is silent
};

// Help lines of --port and --retries.
extern const char kPortHelp[];
// The OptionSpecs of --port and --retries.
inline constexpr OptionDef kPortOption{"--port", true};
inline constexpr OptionDef kRetriesOption{"--retries", true};

// Parses --port and --retries; nullopt after printing a usage error.
std::optional<TransferRequest> ParseTransferRequest(std::string_view command,
                                                    const ParsedArgs& parsed,
                                                    std::string_view usage);

// The exit code of a transfer's outcome.
int ExitCodeOf(TransferOutcome outcome);

// While it lives, Ctrl+C (SIGINT) only raises a flag instead of ending the
// program, and a reader of the output that goes (`| head`) makes writes to it
// fail instead of ending the program: a radio is never left half written.
class InterruptGuard {
 public:
  InterruptGuard();
  ~InterruptGuard();
  InterruptGuard(const InterruptGuard&) = delete;
  InterruptGuard& operator=(const InterruptGuard&) = delete;

  // Ctrl+C was pressed since the guard was made.
  static bool Interrupted();

 private:
  void (*previous_)(int);
  void (*previousPipe_)(int);
};

// The radio-type part of a backup's name for an image: the name of its type
// in the product profile beside the program, or "type<n>" when there is none.
std::string BackupLabelOf(const RadioImage& image);

// Prints that a port could not be opened, with its name, device and
// reason, and what would help when the user may not open the device.
void PrintPortError(std::string_view command, const std::string& port, const std::string& device,
                    const std::string& reason);

// One or more transfers with the real serial port: the progress bar on a
// terminal's stderr, Ctrl+C as Cancel (the port is closed and no partial
// file is left), and --retries as the answers to Retry.
class TransferSession {
 public:
  TransferSession(std::string_view command, TransferRequest request);
  ~TransferSession();
  TransferSession(const TransferSession&) = delete;
  TransferSession& operator=(const TransferSession&) = delete;

  TransferEngine& Engine() { return engine_; }
  // The device the port name stands for.
  const std::string& Device() const { return device_; }
  const TransferCallbacks& Callbacks() const { return callbacks_; }

  // A fresh progress bar for the next transfer, counting to total.
  void StartBar(int total, std::string_view label = {});
  // Prints why a transfer ended (nothing for kCompleted and for the
  // outcomes beyond the radio's own messages, which the command explains).
  void PrintOutcome(TransferOutcome outcome);

 private:
  class ProgressBar;

  std::string command_;
  TransferRequest request_;
  std::string device_;
  std::unique_ptr<QCoreApplication> application_;  // before the port, which needs it
  QtSerialPort port_;
  TransferEngine engine_;
  std::unique_ptr<InterruptGuard> interrupt_;
  std::unique_ptr<ProgressBar> bar_;
  int retriesLeft_;  // set from the request
  TransferCallbacks callbacks_;
};

}  // namespace selkan::cli
