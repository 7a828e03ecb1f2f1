#include "link/fleet_text.h"

#include <cstdio>

#include "link/protocol.h"

namespace selkan {

namespace {

constexpr std::size_t kMismatchesNamed = 3;

FleetText Text(std::string_view source, std::vector<FleetText> args = {}) {
  return {source, {}, std::move(args)};
}

FleetText Number(long long value) { return PlainText(std::to_string(value)); }

FleetText Seconds(double seconds) {
  char text[32];
  std::snprintf(text, sizeof text, "%.1f", seconds);
  return PlainText(text);
}

FleetText BlockOf(std::string_view source, std::size_t blocks) {
  return Text(source, {Number(static_cast<long long>(blocks)), Number(protocol::kWriteBlocks)});
}

FleetText VerifyFailed(const std::vector<ImageDifference>& mismatches) {
  std::string named;
  for (std::size_t i = 0; i < mismatches.size() && i < kMismatchesNamed; ++i) {
    if (i > 0) named += "; ";
    named += DifferenceLine(mismatches[i]);
  }
  if (mismatches.size() <= kMismatchesNamed)
    return Text(SELKAN_TRANSLATE_NOOP("selkan::FleetText", "verify failed: %1"),
                {PlainText(named)});
  return Text(
      SELKAN_TRANSLATE_NOOP("selkan::FleetText", "verify failed: %1; %2 more"),
      {PlainText(named), Number(static_cast<long long>(mismatches.size() - kMismatchesNamed))});
}

// What a radio that is done came to, for its port's status line.
FleetText Outcome(const FleetPortStatus& status, const FleetRecord* last) {
  const FleetText radio = Number(status.radio);
  if (last == nullptr)
    return Text(SELKAN_TRANSLATE_NOOP("selkan::FleetText", "Radio %1 done"), {radio});
  if (last->Succeeded()) {
    return Text(last->verify
                    ? SELKAN_TRANSLATE_NOOP("selkan::FleetText", "Radio %1 verified in %2 s")
                    : SELKAN_TRANSLATE_NOOP("selkan::FleetText", "Radio %1 written in %2 s"),
                {radio, Seconds(last->seconds)});
  }
  if (last->outcome == TransferOutcome::kRadioMismatch) {
    return Text(SELKAN_TRANSLATE_NOOP("selkan::FleetText", "Radio %1 is of another type (%2)"),
                {radio, PlainText(last->identification)});
  }
  return Text(SELKAN_TRANSLATE_NOOP("selkan::FleetText", "Radio %1 failed"), {radio});
}

}  // namespace

FleetText PlainText(std::string value) { return {{}, std::move(value), {}}; }

std::string EnglishText(const FleetText& text) {
  if (text.source.empty()) return text.value;
  std::vector<std::string> args;
  for (const FleetText& arg : text.args) args.push_back(EnglishText(arg));
  return FillArguments(text.source, args);
}

FleetText FleetResultText(const FleetRecord& record,
                          const std::vector<ImageDifference>& mismatches) {
  const bool written = record.step == WriteStep::kVerify;  // the write itself went through
  switch (record.outcome) {
    case TransferOutcome::kCompleted:
      return Text(record.verify ? SELKAN_TRANSLATE_NOOP("selkan::FleetText", "verified")
                                : SELKAN_TRANSLATE_NOOP("selkan::FleetText", "written"));
    case TransferOutcome::kRadioMismatch:
      return Text(SELKAN_TRANSLATE_NOOP("selkan::FleetText", "wrong type"));
    case TransferOutcome::kVerifyMismatch:
      return VerifyFailed(mismatches);
    case TransferOutcome::kBackupNotSaved:
      return Text(
          SELKAN_TRANSLATE_NOOP("selkan::FleetText", "backup not kept (%1); nothing written"),
          {PlainText(record.backupError)});
    case TransferOutcome::kCommunicationError:
      return Text(written
                      ? SELKAN_TRANSLATE_NOOP("selkan::FleetText",
                                              "written; no answer after the wake-up for the "
                                              "verify")
                      : SELKAN_TRANSLATE_NOOP("selkan::FleetText", "no answer after the wake-up"));
    case TransferOutcome::kPortError:
      return Text(written ? SELKAN_TRANSLATE_NOOP("selkan::FleetText",
                                                  "written; the port could not be opened for the "
                                                  "verify")
                          : SELKAN_TRANSLATE_NOOP("selkan::FleetText",
                                                  "the port could not be opened; nothing written"));
    case TransferOutcome::kProgramInterrupt:
      if (record.step == WriteStep::kWrite)
        return BlockOf(SELKAN_TRANSLATE_NOOP("selkan::FleetText", "broke off at block %1 of %2"),
                       record.blocksWritten);
      return Text(
          written ? SELKAN_TRANSLATE_NOOP("selkan::FleetText", "written; the verify read broke off")
                  : SELKAN_TRANSLATE_NOOP("selkan::FleetText",
                                          "the backup read broke off; nothing written"));
    case TransferOutcome::kCancelled:
      if (record.step == WriteStep::kWrite && record.blocksWritten > 0)
        return BlockOf(
            SELKAN_TRANSLATE_NOOP("selkan::FleetText", "broke off at block %1 of %2 (stopped)"),
            record.blocksWritten);
      return Text(
          written ? SELKAN_TRANSLATE_NOOP("selkan::FleetText", "written; stopped during the verify")
                  : SELKAN_TRANSLATE_NOOP("selkan::FleetText", "stopped; nothing written"));
  }
  return PlainText("unknown");
}

std::vector<ImageDifference> MismatchesIn(const FleetRecord& record, const RadioImage& written,
                                          Language language) {
  if (!record.readBack) return record.mismatches;
  return CompareImages(written, *record.readBack, language, offset::kWriteLimit);
}

int WriteSteps(bool backup, bool verify) { return (backup ? 1 : 0) + 1 + (verify ? 1 : 0); }

int WriteStepNumber(WriteStep step, bool backup) {
  if (step == WriteStep::kBackup) return 1;
  return (backup ? 1 : 0) + (step == WriteStep::kWrite ? 1 : 2);
}

FleetText FleetPortText(const FleetPortStatus& status, const FleetRecord* last, bool backup,
                        bool verify) {
  switch (status.phase) {
    case FleetPhase::kWaitingForRadio:
      return Text(SELKAN_TRANSLATE_NOOP("selkan::FleetText", "Connect a radio and turn it on"));
    case FleetPhase::kWriting: {
      std::string_view source;
      switch (status.step) {
        case WriteStep::kBackup:
          source = SELKAN_TRANSLATE_NOOP("selkan::FleetText",
                                         "Radio %1, step %2 of %3: reading it into a backup");
          break;
        case WriteStep::kWrite:
          source =
              SELKAN_TRANSLATE_NOOP("selkan::FleetText", "Radio %1, step %2 of %3: writing it");
          break;
        case WriteStep::kVerify:
          source = SELKAN_TRANSLATE_NOOP("selkan::FleetText",
                                         "Radio %1, step %2 of %3: reading it back to verify it");
          break;
      }
      return Text(source, {Number(status.radio), Number(WriteStepNumber(status.step, backup)),
                           Number(WriteSteps(backup, verify))});
    }
    case FleetPhase::kWaitingForRemoval:
      return Text(SELKAN_TRANSLATE_NOOP("selkan::FleetText", "%1 — remove it"),
                  {Outcome(status, last)});
    case FleetPhase::kWaitingForNext:
      return Text(SELKAN_TRANSLATE_NOOP("selkan::FleetText",
                                        "%1 — connect the next radio and press Next Radio"),
                  {Outcome(status, last)});
    case FleetPhase::kEnded:
      switch (status.ended) {
        case TransferOutcome::kPortError:
          return Text(SELKAN_TRANSLATE_NOOP("selkan::FleetText", "The port could not be opened"));
        case TransferOutcome::kCancelled:
          return Text(SELKAN_TRANSLATE_NOOP("selkan::FleetText", "Stopped"));
        default:
          return Text(SELKAN_TRANSLATE_NOOP("selkan::FleetText", "Done"));
      }
  }
  return PlainText({});
}

}  // namespace selkan
