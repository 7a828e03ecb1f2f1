#include "tools/cli/transfer_session.h"

#include <unistd.h>

#include <atomic>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <thread>

#include "link/backup_store.h"
#include "link/port_access.h"
#include "link/port_names.h"
#include "model/product_info.h"
#include "platform/qt/tool_application.h"
#include "settings/product_profile.h"
#include "settings/profile_store.h"
#include "tools/cli/commands.h"

namespace selkan::cli {

const char kPortHelp[] =
    "  --port PORT   COM1..COM4 or a device path (default COM1); COMn means\n"
    "                $SELKAN_COMn when set, else /dev/ttyUSB(n-1).\n"
    "  --retries N   answer Retry N times when the radio does not answer\n"
    "                (default 0: give up at once)\n";

namespace {

std::atomic<bool> g_interrupted{false};

extern "C" void OnInterrupt(int) { g_interrupted = true; }

}  // namespace

InterruptGuard::InterruptGuard() {
  g_interrupted = false;
  previous_ = std::signal(SIGINT, OnInterrupt);
  previousPipe_ = std::signal(SIGPIPE, SIG_IGN);
}

InterruptGuard::~InterruptGuard() {
  std::signal(SIGPIPE, previousPipe_);
  std::signal(SIGINT, previous_);
}

bool InterruptGuard::Interrupted() { return g_interrupted.load(); }

// The radio-type part of a backup's name for an image: the name of its type
// in the product profile, or "type<n>" when there is none.
std::string BackupLabelOf(const RadioImage& image) {
  const int type = image[offset::kRadioType];
  CProfileStore profile;
  return BackupTypeLabel(type, ReadProductProfile(profile) ? RadioTypeName(profile, type) : "");
}

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
      application_(ApplicationIfNone(ToolQt::kCore)),  // QSerialPort wants one
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
  // The bar before goes as this one comes, and ends its line: a bar draws
  // nothing until it is shown.
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
