// selkan-cli diff: what differs between two configurations, or between a
// configuration and a radio.
#include <cstdio>
#include <string>

#include "link/protocol.h"
#include "model/image_diff.h"
#include "model/radio_image.h"
#include "tools/cli/args.h"
#include "tools/cli/commands.h"
#include "tools/cli/image_files.h"
#include "tools/cli/transfer_session.h"

namespace selkan::cli {

namespace {

constexpr const char* kCommand = "diff";
constexpr char kUsage[] =
    "selkan-cli diff [--lang LANGUAGE] A.dat B.dat\n"
    "       selkan-cli diff --radio [--port PORT] [--retries N] [--lang LANGUAGE] FILE.dat";
constexpr char kHelpText[] =
    "\n\nLists what differs between two configuration files, one line per\n"
    "difference: the channels as the grid shows them, the optional features\n"
    "as the listing does, and any other bytes by address. With --radio the\n"
    "file is compared with the radio (a read; nothing is written) over the\n"
    "4080 bytes a write sends.\n"
    "\n"
    "Exit codes: 0 the same, 1 different, 2 a bad file or bad arguments;\n"
    "with --radio also those of 'selkan-cli read'.\n"
    "\n";
constexpr char kRadioHelp[] = "  --radio          compare FILE.dat with the radio on --port\n";

constexpr OptionDef kOptions[] = {kPortOption, kRetriesOption, {"--radio", false}, kLangOption};

// A difference found is exit code 1, so trouble of any kind is 2, never 1.
constexpr int kExitDifferent = 1;
constexpr int kExitTrouble = 2;

int Report(const RadioImage& a, const RadioImage& b, Language language, std::size_t end) {
  const std::vector<ImageDifference> differences = CompareImages(a, b, language, end);
  for (const ImageDifference& difference : differences) {
    std::printf("%s\n", DifferenceLine(difference).c_str());
  }
  return differences.empty() ? kExitOk : kExitDifferent;
}

}  // namespace

int RunDiff(const Args& args) {
  const std::string help =
      "usage: " + std::string(kUsage) + kHelpText + kLangHelp + kRadioHelp + kPortHelp;
  int exitCode = kExitOk;
  const auto parsed =
      ParseCommandArgs(args, kOptions, {kCommand, kUsage, help}, std::nullopt, {}, &exitCode);
  if (!parsed) return exitCode == kExitUsage ? kExitTrouble : exitCode;
  auto usage = [](std::string_view message) {
    UsageError(kCommand, message, kUsage);
    return kExitTrouble;
  };
  const bool radio = parsed->Has("--radio");
  const std::size_t files = radio ? 1 : 2;
  if (parsed->positionals.size() != files)
    return usage(radio ? "one FILE.dat is needed with --radio" : "two files are needed");
  if (!radio && (parsed->Has("--port") || parsed->Has("--retries")))
    return usage("--port and --retries go with --radio");
  const std::optional<Language> language = LanguageOption(*parsed);
  if (!language) return usage("--lang is English or Chinese");

  std::vector<RadioImage> images;
  for (const std::string& path : parsed->positionals) {
    const std::optional<RadioImage> image = LoadImageOrReport(kCommand, path);
    if (!image) return kExitTrouble;
    images.push_back(*image);
  }
  if (!radio) return Report(images[0], images[1], *language, kImageSize);

  const std::optional<TransferRequest> request = ParseTransferRequest(kCommand, *parsed, kUsage);
  if (!request) return kExitTrouble;
  RadioImage inRadio = BlankImage();
  TransferSession session(kCommand, *request);
  session.StartBar(protocol::kReadProgressEnd);
  const TransferOutcome outcome =
      session.Engine().Read(session.Device(), inRadio, session.Callbacks());
  session.PrintOutcome(outcome);
  if (outcome != TransferOutcome::kCompleted) return ExitCodeOf(outcome);
  // The last 16 bytes are never written, so a write cannot make them agree.
  return Report(images[0], inRadio, *language, offset::kWriteLimit);
}

}  // namespace selkan::cli
