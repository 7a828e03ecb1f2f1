#include "tools/cli/transfer_session.h"

#include <unistd.h>

#include <QtCore/QCoreApplication>
#include <atomic>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <thread>

#include "link/port_access.h"
#include "link/port_names.h"
#include "tools/cli/commands.h"

namespace selkan::cli {

const char kPortHelp[] =
    "  --port PORT   COM1..COM4 or a device path (default COM1). Off Windows,\n"
    "                COMn means $SELKAN_COMn when set, else /dev/ttyUSB(n-1).\n"
    "  --retries N   answer Retry N times when the radio does not answer\n"
    "                (default 0: give up at once)\n";

namespace {

std::atomic<bool> g_interrupted{false};

extern "C" void OnInterrupt(int) { g_interrupted = true; }

}  // namespace

std::unique_ptr<QCoreApplication> ApplicationIfNone() {
  static int argc = 1;
  static char name[] = "selkan-cli";
  static char* argv[] = {name, nullptr};
  if (QCoreApplication::instance() != nullptr) return nullptr;
  return std::make_unique<QCoreApplication>(argc, argv);
}

InterruptGuard::InterruptGuard() {
  g_interrupted = false;
  previous_ = std::signal(SIGINT, OnInterrupt);
}

InterruptGuard::~InterruptGuard() { std::signal(SIGINT, previous_); }

bool InterruptGuard::Interrupted() { return g_interrupted.load(); }

void PrintPortError(std::string_view command, const std::string& port, const std::string& device,
                    const std::string& reason) {
  PrintError(command,
             std::string(kPortErrorText) + " (" + PortLabel(port, device) + ": " + reason + ")");
  // A device the user may not open: say what would help.
  const DeviceAccess access = ProbeDeviceAccess(device);
  const PortAdvice advice = AdviseOnAccess(access);
  if (advice != PortAdvice::kNone)
    PrintError(command, FillPortAdvice(advice, device, access.group));
}

class TransferSession::ProgressBar {
 public:
  ProgressBar(int total, std::string label)
      : total_(total), label_(std::move(label)), shown_(::isatty(STDERR_FILENO) == 1) {}
  ~ProgressBar() {
    if (shown_ && drawn_) std::fputc('\n', stderr);
  }
  ProgressBar(const ProgressBar&) = delete;
  ProgressBar& operator=(const ProgressBar&) = delete;

  void Show(int position) {
    if (!shown_) return;
    constexpr int kWidth = 32;
    const int filled = position * kWidth / total_;
    const double seconds =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - start_).count();
    std::fprintf(stderr, "\r%s[%.*s%*s] %3d/%d  %5.1f s", label_.c_str(), filled,
                 "################################", kWidth - filled, "", position, total_,
                 seconds);
    std::fflush(stderr);
    drawn_ = true;
  }

 private:
  int total_;
  std::string label_;
  bool shown_;
  bool drawn_ = false;
  std::chrono::steady_clock::time_point start_ = std::chrono::steady_clock::now();
};

std::optional<TransferRequest> ParseTransferRequest(std::string_view command,
                                                    const ParsedArgs& parsed,
                                                    std::string_view usage) {
  TransferRequest request;
  if (const std::string* port = parsed.Value("--port")) request.port = *port;
  if (request.port.empty()) {
    UsageError(command, "--port needs a port name", usage);
    return std::nullopt;
  }
  if (const std::string* retries = parsed.Value("--retries")) {
    const std::optional<int> value = ParseIntInRange(*retries, 0, 1000);
    if (!value) {
      UsageError(command, "--retries takes a number from 0 to 1000", usage);
      return std::nullopt;
    }
    request.retries = *value;
  }
  return request;
}

int ExitCodeOf(TransferOutcome outcome) {
  switch (outcome) {
    case TransferOutcome::kCompleted:
      return kExitOk;
    case TransferOutcome::kPortError:
      return kExitPortError;
    case TransferOutcome::kCommunicationError:
      return kExitCommunicationError;
    case TransferOutcome::kProgramInterrupt:
      return kExitProgramInterrupt;
    case TransferOutcome::kRadioMismatch:
      return kExitRadioMismatch;
    case TransferOutcome::kCancelled:
      return kExitCancelled;
    case TransferOutcome::kVerifyMismatch:
      return kExitVerifyFailed;
    case TransferOutcome::kBackupNotSaved:
      return kExitBackupNotSaved;
  }
  return kExitUsage;
}

TransferSession::TransferSession(std::string_view command, TransferRequest request)
    : command_(command),
      request_(std::move(request)),
      device_(ResolvePortName(request_.port)),
      application_(ApplicationIfNone()),
      // A tool without a window has no event loop to keep alive: its reads
      // block.
      port_(QtSerialPort::Waiting::kBlocking),
      engine_(port_, [](int ms) { std::this_thread::sleep_for(std::chrono::milliseconds(ms)); }),
      interrupt_(std::make_unique<InterruptGuard>()),
      retriesLeft_(request_.retries) {
  callbacks_.pump = [] { return g_interrupted.load(); };
  callbacks_.progress = [this](int position) {
    if (bar_) bar_->Show(position);
  };
  callbacks_.askRetry = [this] {
    if (retriesLeft_ == 0) return false;
    --retriesLeft_;
    PrintError(command_, std::string(kCommunicationErrorText) + " (retrying)");
    return true;
  };
}

TransferSession::~TransferSession() = default;

void TransferSession::StartBar(int total, std::string_view label) {
  bar_.reset();  // ends the line of the one before
  bar_ = std::make_unique<ProgressBar>(total, std::string(label));
}

void TransferSession::PrintOutcome(TransferOutcome outcome) {
  bar_.reset();  // the message starts on a line of its own
  if (outcome == TransferOutcome::kCancelled) {
    PrintError(command_, "cancelled");
  } else if (outcome == TransferOutcome::kPortError) {
    PrintPortError(command_, request_.port, device_, port_.ErrorText());
  } else if (!EnglishMessage(outcome).empty()) {
    PrintError(command_, EnglishMessage(outcome));
  }
}

}  // namespace selkan::cli
