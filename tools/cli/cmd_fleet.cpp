// selkan-cli fleet: program radio after radio with one configuration.
#include <poll.h>
#include <unistd.h>

#include <QtCore/QCoreApplication>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "link/fleet.h"
#include "link/fleet_log.h"
#include "link/port_names.h"
#include "link/qt/backup_location.h"
#include "link/qt/fleet_run.h"
#include "platform/qt/tool_application.h"
#include "tools/cli/args.h"
#include "tools/cli/commands.h"
#include "tools/cli/fleet_console.h"
#include "tools/cli/image_files.h"
#include "tools/cli/transfer_session.h"

namespace selkan::cli {

namespace {

constexpr const char* kCommand = "fleet";
constexpr char kUsage[] =
    "selkan-cli fleet FILE.dat [--port PORT]... [--count N] [--log FILE.csv]\n"
    "                 [--no-backup] [--no-verify] [--confirm] [--stop-on-failure]";
constexpr OptionDef kOptions[] = {
    {"--port", true, true},      {"--count", true},      {"--log", true},
    {"--no-backup", false},      {"--no-verify", false}, {"--confirm", false},
    {"--stop-on-failure", false}};

const std::string kHelp = std::string("usage: ") + kUsage +
                          "\n\n"
                          "Writes FILE.dat into radio after radio, each as 'selkan-cli write'\n"
                          "does (backup, write, verify), for dealers and clubs with many\n"
                          "radios to program alike. Connect a radio and turn it on: it is\n"
                          "found within about a second, written, logged, and then awaited to\n"
                          "be taken away (no answer for about two seconds) before the next is\n"
                          "looked for. A radio of another type is logged and left alone.\n"
                          "Ctrl+C stops: at once between radios, or like a write's Cancel\n"
                          "during one (the radio is logged as broken off, its backup named).\n\n"
                          "  --port PORT        a port to program on (default COM1); give it\n"
                          "                     again for more cables: each port runs on its\n"
                          "                     own, radios are numbered in the order they start\n"
                          "  --count N          stop after N radios of this type\n"
                          "                     (default: until Ctrl+C)\n"
                          "  --log FILE.csv     append a line per radio to this CSV file\n"
                          "                     (default: fleet-YYYYMMDD-HHMMSS.csv here)\n"
                          "  --no-backup        do not read each radio into a backup first\n"
                          "  --no-verify        do not read each radio back to check it\n"
                          "  --confirm          radios stay connected: wait for Enter before\n"
                          "                     each next radio instead of for its removal\n"
                          "  --stop-on-failure  start no further radio after one failed\n\n"
                          "Backups go to a folder of their own for the run, fleet-YYYYMMDD-HHMMSS\n"
                          "in the backup folder, and are all kept. Exit status: 0 when every\n"
                          "radio succeeded, else that of the first failure's kind as for\n"
                          "'write' (5 broke off, 6 another type, 7 verify failed, ...), 130\n"
                          "after Ctrl+C, 2 when the log cannot be written.\n";

// Each Enter on standard input passes the next radio on every port that
// waits for one.
void TakeEnters(FleetRun& run, bool* open) {
  pollfd input{STDIN_FILENO, POLLIN, 0};
  if (!*open || ::poll(&input, 1, 0) <= 0) return;
  char buffer[256];
  const ssize_t got = ::read(STDIN_FILENO, buffer, sizeof buffer);
  if (got <= 0) {
    *open = false;  // the end of the input: no more Enters
    return;
  }
  if (std::find(buffer, buffer + got, '\n') == buffer + got) return;
  run.Next();
}

int FleetExitCode(const FleetSummary& summary) {
  if (!summary.logError.empty()) return kExitBadInput;
  if (summary.firstFailure) return ExitCodeOf(*summary.firstFailure);
  return summary.stopped ? kExitCancelled : kExitOk;
}

}  // namespace

int RunFleet(const Args& args) {
  int exitCode = kExitOk;
  const auto parsed = ParseCommandArgs(args, kOptions, {kCommand, kUsage, kHelp}, 1,
                                       "one FILE.dat is needed", &exitCode);
  if (!parsed) return exitCode;
  std::vector<std::string> ports = parsed->Values("--port");
  if (ports.empty()) ports.push_back("COM1");
  for (const std::string& port : ports)
    if (port.empty()) return UsageError(kCommand, "--port needs a port name", kUsage);
  if (const std::string twice = RepeatedPort(ports); !twice.empty())
    return UsageError(kCommand, "the port " + twice + " is given twice", kUsage);
  FleetOptions options;
  if (const std::string* count = parsed->Value("--count")) {
    const std::optional<int> value = ParseIntInRange(*count, 1, FleetOptions::kMostCount);
    if (!value)
      return UsageError(
          kCommand, "--count takes a number from 1 to " + std::to_string(FleetOptions::kMostCount),
          kUsage);
    options.count = *value;
  }
  const std::string& file = parsed->positionals.front();
  const std::optional<RadioImage> image = LoadImageOrReport(kCommand, file);
  if (!image) return kExitBadInput;

  const auto started = std::chrono::system_clock::now();
  const std::string stamp = FleetStamp(started);
  const std::string* named = parsed->Value("--log");
  const std::string logPath = named ? *named : "fleet-" + stamp + ".csv";
  auto log = std::make_unique<FleetLog>();
  if (std::string error; !log->Open(logPath, &error)) {
    PrintError(kCommand, error);
    return kExitBadInput;
  }
  // With the log on standard output, what is said to the user goes to stderr.
  std::FILE* out = logPath == "-" ? stderr : stdout;
  std::fprintf(out, "Log: %s\n", logPath.c_str());
  std::fflush(out);

  options.image = *image;
  options.document = std::filesystem::path(file).filename().string();
  options.backup = !parsed->Has("--no-backup");
  options.verify = !parsed->Has("--no-verify");
  options.confirm = parsed->Has("--confirm");
  options.stopOnFailure = parsed->Has("--stop-on-failure");
  // Backups of a run are kept together and never rotated away: the log names each.
  options.keep = KeepEveryBackupIn(DefaultBackupDirectory() / ("fleet-" + stamp), BackupLabelOf);

  const std::unique_ptr<QCoreApplication> application =
      ApplicationIfNone(ToolQt::kCore);  // QSerialPort wants one
  FleetConsole console(out, ::isatty(STDERR_FILENO) == 1);
  FleetRun run(options, console.Callbacks(), std::move(log));
  console.Attach(run.GetFleet());
  const InterruptGuard interrupt;
  run.Start(ports, [&console](const std::string& port, const std::string& device,
                              const std::string& reason) {
    console.Say([&] { PrintPortError(kCommand, port, device, reason); });
  });

  bool input = options.confirm;
  while (run.Running()) {
    if (InterruptGuard::Interrupted() && !run.GetFleet().Stopped()) run.Stop();
    TakeEnters(run, &input);
    ::poll(nullptr, 0, 50);
  }
  console.ClearStatus();

  const FleetSummary summary = run.GetFleet().Summary();
  const double wall =
      std::chrono::duration<double>(std::chrono::system_clock::now() - started).count();
  std::fprintf(out, "%s\nLog: %s\n", FleetSummaryText(summary, options.verify, wall).c_str(),
               logPath.c_str());
  std::fflush(out);
  if (!summary.logError.empty())
    PrintError(kCommand, "the log could not be written: " + summary.logError);
  if (summary.stopped) PrintError(kCommand, "stopped");
  return FleetExitCode(summary);
}

}  // namespace selkan::cli
