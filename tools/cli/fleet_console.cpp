#include "tools/cli/fleet_console.h"

#include <cmath>

#include "tools/cli/args.h"

namespace selkan::cli {

namespace {

std::string Fixed(double value) {
  char text[32];
  std::snprintf(text, sizeof text, "%.1f", value);
  return text;
}

const char* StepVerb(WriteStep step) {
  switch (step) {
    case WriteStep::kBackup:
      return "backup";
    case WriteStep::kWrite:
      return "writing";
    case WriteStep::kVerify:
      return "verifying";
  }
  return "";
}

// A word or two on how the radio went, for the status line.
std::string Outcome(const FleetRecord& record) {
  if (record.Succeeded()) return record.Result() + " in " + Fixed(record.seconds) + " s";
  if (record.outcome == TransferOutcome::kRadioMismatch) {
    return "is of another type (" + record.identification + ")";
  }
  return "failed";
}

}  // namespace

std::string FleetStatusText(const FleetPortStatus& status, const FleetRecord* last, int next,
                            bool severalPorts) {
  const std::string radio = "Radio " + std::to_string(status.radio);
  switch (status.phase) {
    case FleetPhase::kWaitingForRadio:
      // With several ports the next number goes to whichever radio comes first.
      return severalPorts ? "connect a radio"
                          : "Radio " + std::to_string(next) + ": connect it and turn it on";
    case FleetPhase::kWriting:
      return radio + ": " + StepVerb(status.step) + " " + std::to_string(status.percent) + " %";
    case FleetPhase::kWaitingForRemoval:
      return radio + " " + (last ? Outcome(*last) : "done") + " \u2014 remove it";
    case FleetPhase::kWaitingForNext:
      return radio + " " + (last ? Outcome(*last) : "done") +
             " \u2014 connect the next radio and press Enter";
    case FleetPhase::kEnded:
      return status.ended == TransferOutcome::kPortError ? "port failed" : "done";
  }
  return "";
}

std::string FleetRecordText(const FleetRecord& record) {
  std::string text = "Radio " + std::to_string(record.number) + " on " + record.port + ": " +
                     record.Result() + " (" + Fixed(record.seconds) + " s)";
  if (!record.backupPath.empty()) text += "\n  backup: " + record.backupPath;
  if (record.step == WriteStep::kWrite && record.blocksWritten > 0 && !record.Succeeded() &&
      !record.backupPath.empty()) {
    text +=
        "\n  the radio is only partly written; to put its backup back:\n    selkan-cli write "
        "--port " +
        ShellWord(record.port) + " --no-backup " + ShellWord(record.backupPath);
  }
  return text;
}

std::string FleetSummaryText(const FleetSummary& summary, bool verify, double wallSeconds) {
  std::string text = std::to_string(summary.radios) +
                     (summary.radios == 1 ? " radio: " : " radios: ") +
                     std::to_string(summary.succeeded) + (verify ? " verified, " : " written, ") +
                     std::to_string(summary.failed) + " failed; ";
  const long tenths = std::lround(wallSeconds * 10);  // so that 59.97 s is 1 min 0.0 s
  const long minutes = tenths / 600;
  const std::string seconds = Fixed((tenths % 600) / 10.0) + " s";
  text += minutes > 0 ? std::to_string(minutes) + " min " + seconds : seconds;
  text += " in all";
  if (summary.radios > 0) text += ", " + Fixed(summary.seconds / summary.radios) + " s a radio";
  return text;
}

FleetCallbacks FleetConsole::Callbacks() {
  FleetCallbacks callbacks;
  callbacks.status = [this](const FleetPortStatus& status) {
    std::lock_guard lock(mutex_);
    statuses_[status.port] = status;
    Draw();
  };
  callbacks.done = [this](const FleetRecord& record) {
    std::lock_guard lock(mutex_);
    last_[record.port] = record;
    if (terminal_ && drawn_) std::fputs("\r\x1b[K", stderr);
    drawn_ = false;
    std::fprintf(out_, "%s\n", FleetRecordText(record).c_str());
    std::fflush(out_);
    if (terminal_) std::fputc('\a', stderr);
  };
  return callbacks;
}

void FleetConsole::ClearStatus() {
  std::lock_guard lock(mutex_);
  if (terminal_ && drawn_) {
    std::fputs("\r\x1b[K", stderr);
    std::fflush(stderr);
  }
  drawn_ = false;
}

void FleetConsole::Say(const std::function<void()>& say) {
  std::lock_guard lock(mutex_);
  if (terminal_ && drawn_) std::fputs("\r\x1b[K", stderr);
  drawn_ = false;
  say();
  std::fflush(stderr);
}

void FleetConsole::Draw() {
  if (!terminal_) return;
  const bool several = statuses_.size() > 1;
  const int next = fleet_ ? fleet_->NextNumber() : 1;
  std::string line;
  for (const auto& [port, status] : statuses_) {
    const auto last = last_.find(port);
    const std::string text =
        FleetStatusText(status, last == last_.end() ? nullptr : &last->second, next, several);
    if (!line.empty()) line += "  |  ";
    line += several ? port + ": " + text : text;
  }
  std::fprintf(stderr, "\r%s\x1b[K", line.c_str());
  std::fflush(stderr);
  drawn_ = true;
}

}  // namespace selkan::cli
