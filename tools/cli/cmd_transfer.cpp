// selkan-cli read / write: move a configuration between a file and a radio.
#include <unistd.h>

#include <QtCore/QCoreApplication>
#include <atomic>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <string>
#include <thread>

#include "link/port_access.h"
#include "link/port_names.h"
#include "link/protocol.h"
#include "link/qt/qt_serial_port.h"
#include "link/transfer_engine.h"
#include "model/radio_image.h"
#include "platform/atomic_file.h"
#include "tools/cli/args.h"
#include "tools/cli/commands.h"
#include "tools/cli/image_files.h"

namespace selkan::cli {

namespace {

constexpr char kReadUsage[] = "selkan-cli read [--port PORT] [--retries N] -o FILE.dat [--force]";
constexpr char kWriteUsage[] = "selkan-cli write [--port PORT] [--retries N] FILE.dat";
constexpr char kPortHelp[] =
    "  --port PORT   COM1..COM4 or a device path (default COM1). Off Windows,\n"
    "                COMn means $SELKAN_COMn when set, else /dev/ttyUSB(n-1).\n"
    "  --retries N   answer Retry N times when the radio does not answer\n"
    "                (default 0: give up at once)\n";

constexpr OptionSpec kOptions[] = {
    {"--port", true}, {"--retries", true}, {"-o", true}, {"--force", false}};

std::atomic<bool> g_interrupted{false};

extern "C" void OnInterrupt(int) { g_interrupted = true; }

// Ctrl+C cancels the transfer at its next pump instead of killing the
// program, so the port is closed and no partial file is left.
class InterruptGuard {
 public:
  InterruptGuard() {
    g_interrupted = false;
    previous_ = std::signal(SIGINT, OnInterrupt);
  }
  ~InterruptGuard() { std::signal(SIGINT, previous_); }
  InterruptGuard(const InterruptGuard&) = delete;
  InterruptGuard& operator=(const InterruptGuard&) = delete;

 private:
  void (*previous_)(int);
};

// QSerialPort wants an application object.
void EnsureQtApplication() {
  static int argc = 1;
  static char name[] = "selkan-cli";
  static char* argv[] = {name, nullptr};
  if (QCoreApplication::instance() == nullptr) static QCoreApplication app(argc, argv);
}

class ProgressBar {
 public:
  ProgressBar(int total) : total_(total), shown_(::isatty(STDERR_FILENO) == 1) {}
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
    std::fprintf(stderr, "\r[%.*s%*s] %3d/%d  %5.1f s", filled, "################################",
                 kWidth - filled, "", position, total_, seconds);
    std::fflush(stderr);
    drawn_ = true;
  }

 private:
  int total_;
  bool shown_;
  bool drawn_ = false;
  std::chrono::steady_clock::time_point start_ = std::chrono::steady_clock::now();
};

struct TransferRequest {
  std::string port;
  int retries = 0;
};

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
  }
  return kExitUsage;
}

// Parses the options both commands share; nullopt after printing a usage
// error (the exit code is then kExitUsage).
std::optional<TransferRequest> Request(std::string_view command, const ParsedArgs& parsed,
                                       std::string_view usage) {
  TransferRequest request;
  request.port = parsed.Has("--port") ? *parsed.Value("--port") : "COM1";
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

// "COM3 (/dev/ttyUSB2)": the port as given and the device it stands for.
std::string PortAndDevice(const std::string& port, const std::string& device) {
  return device == port ? port : port + " (" + device + ")";
}

// Runs one transfer through the real serial port (call makes the engine's
// Read or Write) and reports its outcome on stderr.
template <typename Call>
int Transfer(std::string_view command, const TransferRequest& request, int total, Call call) {
  EnsureQtApplication();
  QtSerialPort port;
  TransferEngine engine(port,
                        [](int ms) { std::this_thread::sleep_for(std::chrono::milliseconds(ms)); });
  InterruptGuard interrupt;
  ProgressBar bar(total);
  int retriesLeft = request.retries;
  TransferCallbacks callbacks;
  callbacks.pump = [] { return g_interrupted.load(); };
  callbacks.progress = [&bar](int position) { bar.Show(position); };
  callbacks.askRetry = [&] {
    if (retriesLeft == 0) return false;
    --retriesLeft;
    PrintError(command, std::string(kCommunicationErrorText) + " (retrying)");
    return true;
  };
  const std::string device = ResolvePortName(request.port);
  const TransferOutcome outcome = call(engine, device, callbacks);
  if (outcome == TransferOutcome::kCancelled) {
    PrintError(command, "cancelled");
  } else if (outcome == TransferOutcome::kPortError) {
    PrintError(command, std::string(kPortErrorText) + " (" + PortAndDevice(request.port, device) +
                            ": " + port.ErrorText() + ")");
    const DeviceAccess access = ProbeDeviceAccess(device);
    const PortAdvice advice = AdviseOnAccess(access);
    if (advice != PortAdvice::kNone) {
      PrintError(command, FillPortAdvice(advice, device, access.group));
    }
  } else if (outcome != TransferOutcome::kCompleted) {
    PrintError(command, EnglishMessage(outcome));
  }
  return ExitCodeOf(outcome);
}

}  // namespace

int RunRead(const Args& args) {
  const std::string help =
      "usage: " + std::string(kReadUsage) +
      "\n\nReads the radio's 4096 bytes into FILE.dat. The file is written\n"
      "only after a complete read.\n\n  -o FILE.dat   the file to write\n"
      "  --force       replace FILE.dat if it exists (otherwise it is kept)\n" +
      kPortHelp;
  int exitCode = kExitOk;
  const auto parsed = ParseCommandArgs(args, kOptions, {"read", kReadUsage, help}, 0,
                                       "unexpected argument", &exitCode);
  if (!parsed) return exitCode;
  const std::string* output = parsed->Value("-o");
  if (output == nullptr || output->empty())
    return UsageError("read", "-o FILE.dat is needed", kReadUsage);
  const std::optional<TransferRequest> request = Request("read", *parsed, kReadUsage);
  if (!request) return kExitUsage;
  // Ten seconds of reading are not spent on a file that cannot be written.
  if (!MayReplaceOrReport("read", *output, parsed->Has("--force"))) return kExitBadInput;
  if (FileError error; !CheckWritable(*output, &error)) {
    PrintError("read", error.text);
    return kExitBadInput;
  }

  RadioImage image = BlankImage();
  const int status = Transfer(
      "read", *request, protocol::kReadProgressEnd,
      [&](TransferEngine& engine, const std::string& port, const TransferCallbacks& callbacks) {
        return engine.Read(port, image, callbacks);
      });
  if (status != kExitOk) return status;
  return SaveImageOrReport("read", *output, image) ? kExitOk : kExitBadInput;
}

int RunWrite(const Args& args) {
  const std::string help =
      "usage: " + std::string(kWriteUsage) +
      "\n\nWrites FILE.dat into the radio as it stands (addresses 0x000-0xFEF;\n"
      "the last 16 bytes are never sent).\n\n" +
      kPortHelp;
  int exitCode = kExitOk;
  const auto parsed = ParseCommandArgs(args, kOptions, {"write", kWriteUsage, help}, 1,
                                       "one FILE.dat is needed", &exitCode);
  if (!parsed) return exitCode;
  for (const char* option : {"-o", "--force"}) {
    if (parsed->Has(option)) {
      return UsageError("write", "unknown option '" + std::string(option) + "'", kWriteUsage);
    }
  }
  const std::optional<TransferRequest> request = Request("write", *parsed, kWriteUsage);
  if (!request) return kExitUsage;

  const std::optional<RadioImage> image = LoadImageOrReport("write", parsed->positionals.front());
  if (!image) return kExitBadInput;
  return Transfer(
      "write", *request, protocol::kWriteProgressEnd,
      [&](TransferEngine& engine, const std::string& port, const TransferCallbacks& callbacks) {
        return engine.Write(port, *image, callbacks);
      });
}

}  // namespace selkan::cli
