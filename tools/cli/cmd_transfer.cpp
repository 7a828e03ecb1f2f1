// selkan-cli read / write: move a configuration between a file and a radio.
#include <chrono>
#include <cstdio>
#include <string>

#include "link/backup_store.h"
#include "link/protocol.h"
#include "link/qt/backup_location.h"
#include "link/safe_write.h"
#include "model/product_info.h"
#include "model/radio_image.h"
#include "platform/atomic_file.h"
#include "settings/product_profile.h"
#include "settings/profile_store.h"
#include "tools/cli/args.h"
#include "tools/cli/commands.h"
#include "tools/cli/image_files.h"
#include "tools/cli/transfer_session.h"

namespace selkan::cli {

namespace {

constexpr char kReadUsage[] = "selkan-cli read [--port PORT] [--retries N] -o FILE.dat [--force]";
constexpr char kWriteUsage[] =
    "selkan-cli write [--port PORT] [--retries N] [--no-backup] [--no-verify] FILE.dat";

constexpr OptionDef kReadOptions[] = {
    kPortOption, kRetriesOption, {"-o", true}, {"--force", false}};
constexpr OptionDef kWriteOptions[] = {
    kPortOption, kRetriesOption, {"--no-backup", false}, {"--no-verify", false}};

// The label of the progress bar of each step.
const char* StepLabel(WriteStep step) {
  switch (step) {
    case WriteStep::kBackup:
      return "backup ";
    case WriteStep::kWrite:
      return "write  ";
    case WriteStep::kVerify:
      return "verify ";
  }
  return "";
}

// The command that writes a backup back into the radio.
std::string RestoreCommand(const std::string& port, const std::string& backupPath) {
  return "selkan-cli write --port " + ShellWord(port) + " --no-backup " + ShellWord(backupPath);
}

// Where the radio's contents from before the write are, and how to put
// them back; nothing without a backup.
void PrintRestore(const std::string& port, const std::string& backupPath) {
  if (backupPath.empty()) return;
  std::fprintf(stderr,
               "Its contents before the write are kept in %s\n"
               "To put them back:\n  %s\n",
               backupPath.c_str(), RestoreCommand(port, backupPath).c_str());
}

// Tells the user why a write with its backup and check did not succeed, and
// what the radio holds now.
void ExplainWriteFailure(const SafeWriteResult& result, const TransferRequest& request) {
  constexpr const char* kCommand = "write";
  if (result.outcome == TransferOutcome::kVerifyMismatch) {
    PrintError(kCommand,
               "verify failed: the radio does not hold what was written (written -> in the "
               "radio):");
    for (const ImageDifference& difference : result.mismatches) {
      std::fprintf(stderr, "  %s\n", DifferenceLine(difference).c_str());
    }
    PrintRestore(request.port, result.backupPath);
    return;
  }
  if (result.outcome == TransferOutcome::kBackupNotSaved) {
    PrintError(kCommand, "the radio was read, but its backup could not be kept (" +
                             result.backupError + "); nothing was written");
    return;
  }
  if (result.step == WriteStep::kBackup) {
    PrintError(kCommand, "the radio could not be read for its backup; nothing was written");
  } else if (result.step == WriteStep::kVerify) {
    PrintError(kCommand, "the radio was written, but reading it back to check it failed");
  } else if (result.BrokeOff()) {
    PrintError(kCommand, "the write broke off after " + std::to_string(result.blocksWritten) +
                             " of " + std::to_string(protocol::kWriteBlocks) +
                             " blocks: the radio is only partly written");
    PrintRestore(request.port, result.backupPath);
  }
}

}  // namespace

int RunRead(const Args& args) {
  const std::string help =
      "usage: " + std::string(kReadUsage) +
      "\n\nReads the radio's 4096 bytes into FILE.dat. The file is written\n"
      "only after a complete read.\n\n  -o FILE.dat   the file to write (\"-\": standard output)\n"
      "  --force       replace FILE.dat if it exists (otherwise it is kept)\n" +
      kPortHelp;
  int exitCode = kExitOk;
  const auto parsed = ParseCommandArgs(args, kReadOptions, {"read", kReadUsage, help}, 0,
                                       "unexpected argument", &exitCode);
  if (!parsed) return exitCode;
  const std::string* named = parsed->Value("-o");
  if (named == nullptr || named->empty())
    return UsageError("read", "-o FILE.dat is needed", kReadUsage);
  const std::string output = OutputPath(*named);
  const std::optional<TransferRequest> request = ParseTransferRequest("read", *parsed, kReadUsage);
  if (!request) return kExitUsage;
  // Ten seconds of reading are not spent on a file that cannot be written.
  if (!MayReplaceOrReport("read", output, parsed->Has("--force"), {}, true)) return kExitBadInput;
  if (FileError error; !CheckWritable(output, &error)) {
    PrintError("read", error.text);
    return kExitBadInput;
  }

  RadioImage image = BlankImage();
  TransferSession session("read", *request);
  session.StartBar(protocol::kReadProgressEnd);
  const TransferOutcome outcome =
      session.Engine().Read(session.Device(), image, session.Callbacks());
  session.PrintOutcome(outcome);
  if (outcome != TransferOutcome::kCompleted) return ExitCodeOf(outcome);
  return SaveImageOrReport("read", output, image) ? kExitOk : kExitBadInput;
}

int RunWrite(const Args& args) {
  const std::string help =
      "usage: " + std::string(kWriteUsage) +
      "\n\nWrites FILE.dat into the radio as it stands (addresses 0x000-0xFEF;\n"
      "the last 16 bytes are never sent). First the radio is read into a\n"
      "backup file (the last 20 of each radio type are kept; see\n"
      "'selkan-cli backups'); afterwards it is read back and compared with\n"
      "the file, and a difference ends with exit code 7.\n\n" +
      kPortHelp +
      "  --no-backup   do not read the radio into a backup first\n"
      "  --no-verify   do not read the radio back to check it\n";
  int exitCode = kExitOk;
  const auto parsed = ParseCommandArgs(args, kWriteOptions, {"write", kWriteUsage, help}, 1,
                                       "one FILE.dat is needed", &exitCode);
  if (!parsed) return exitCode;
  const std::optional<TransferRequest> request =
      ParseTransferRequest("write", *parsed, kWriteUsage);
  if (!request) return kExitUsage;
  const std::optional<RadioImage> image = LoadImageOrReport("write", parsed->positionals.front());
  if (!image) return kExitBadInput;

  TransferSession session("write", *request);
  const SafeWriteRequest write{session.Device(), *image, !parsed->Has("--no-backup"),
                               !parsed->Has("--no-verify")};
  BackupStore store(DefaultBackupDirectory());
  std::string keptAt;
  SafeWriteHooks hooks;
  hooks.transfer = session.Callbacks();
  hooks.stepStarted = [&](WriteStep step) {
    const bool read = step != WriteStep::kWrite;
    session.StartBar(read ? protocol::kReadProgressEnd : protocol::kWriteProgressEnd,
                     StepLabel(step));
    if (step == WriteStep::kWrite && !keptAt.empty()) {
      std::printf("Backup of the radio: %s\n", keptAt.c_str());
      std::fflush(stdout);
    }
  };
  hooks.keep = [&](const RadioImage& radio, const std::string& identification,
                   std::string* error) -> std::optional<std::string> {
    const auto path = store.Save(radio, BackupLabelOf(radio), std::chrono::system_clock::now(),
                                 error, identification);
    if (!path) return std::nullopt;
    keptAt = path->string();
    return keptAt;
  };

  const SafeWriteResult result = RunSafeWrite(session.Engine(), write, hooks, Language::English);
  session.PrintOutcome(result.outcome);
  if (result.outcome == TransferOutcome::kCompleted) {
    std::printf(write.verify ? "Written and verified: the radio holds %s\n" : "Written: %s\n",
                parsed->positionals.front().c_str());
    return kExitOk;
  }
  ExplainWriteFailure(result, *request);
  return ExitCodeOf(result.outcome);
}

}  // namespace selkan::cli
