#include <array>
#include <span>

#include "editor/channel_csv.h"
#include "model/channel_codec.h"
#include "platform/atomic_file.h"
#include "tools/cli/args.h"
#include "tools/cli/commands.h"
#include "tools/cli/image_files.h"

namespace selkan::cli {

namespace {

constexpr const char* kCommand = "export";
constexpr const char* kUsage = "selkan-cli export FILE.dat [-o FILE.csv] [--force]";
constexpr const char* kHelp =
    "usage: selkan-cli export FILE.dat [-o FILE.csv] [--force]\n"
    "\n"
    "Writes the 199 channels of a configuration file as CSV (UTF-8, CRLF line\n"
    "ends): the header\n"
    "  CH,Rx Frequency,Tx Frequency,QT/DQT Dec,QT/DQT Enc,Power,Scan,W/N\n"
    "then one line per channel, empty channels with empty cells.\n"
    "\n"
    "  -o FILE.csv   write to this file (replaced as a whole) instead of stdout;\n"
    "                \"-\" is stdout. A configuration file is not replaced by\n"
    "                its channel list unless --force is given.\n"
    "  --force       replace FILE.csv even when it holds a configuration\n";

constexpr std::array<OptionSpec, 2> kOptions{{{"-o", true}, {"--force", false}}};

}  // namespace

int RunExport(const Args& args) {
  int exitCode = kExitOk;
  const auto parsed = ParseCommandArgs(args, kOptions, {kCommand, kUsage, kHelp}, 1,
                                       "expected one file name", &exitCode);
  if (!parsed) return exitCode;
  const std::string* output = parsed->Value("-o");
  if (output != nullptr && output->empty()) {
    return UsageError(kCommand, "-o needs a file name", kUsage);
  }
  if (output != nullptr && !MayReplaceOrReport(kCommand, OutputPath(*output),
                                               parsed->Has("--force"), "channel list", false)) {
    return kExitBadInput;
  }

  const auto image = LoadImageOrReport(kCommand, parsed->positionals[0]);
  if (!image) return kExitBadInput;
  const std::string csv = ChannelsToCsv(DecodeChannels(*image, Language::English));

  if (output == nullptr) return WriteStdoutOrReport(kCommand, csv) ? kExitOk : kExitBadInput;
  const std::span<const std::uint8_t> bytes(reinterpret_cast<const std::uint8_t*>(csv.data()),
                                            csv.size());
  FileError error;
  if (!WriteFileAtomically(OutputPath(*output), bytes, &error)) {
    PrintError(kCommand, error.text);
    return kExitBadInput;
  }
  return kExitOk;
}

}  // namespace selkan::cli
