#include <array>
#include <cstdio>
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
constexpr const char* kUsage = "selkan-cli export FILE.dat [-o FILE.csv]";
constexpr const char* kHelp =
    "usage: selkan-cli export FILE.dat [-o FILE.csv]\n"
    "\n"
    "Writes the 199 channels of a configuration file as CSV (UTF-8, CRLF line\n"
    "ends): the header\n"
    "  CH,Rx Frequency,Tx Frequency,QT/DQT Dec,QT/DQT Enc,Power,Scan,W/N\n"
    "then one line per channel, empty channels with empty cells.\n"
    "\n"
    "  -o FILE.csv   write to this file (replaced as a whole) instead of stdout\n";

constexpr std::array<OptionSpec, 1> kOptions{{{"-o", true}}};

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

  const auto image = LoadImageOrReport(kCommand, parsed->positionals[0]);
  if (!image) return kExitBadInput;
  const std::string csv = ChannelsToCsv(DecodeChannels(*image, Language::English));

  if (output == nullptr) {
    const bool written =
        std::fwrite(csv.data(), 1, csv.size(), stdout) == csv.size() && std::fflush(stdout) == 0;
    if (!written) {
      PrintError(kCommand, "cannot write to standard output");
      return kExitBadInput;
    }
    return kExitOk;
  }
  const std::span<const std::uint8_t> bytes(reinterpret_cast<const std::uint8_t*>(csv.data()),
                                            csv.size());
  std::string error;
  if (!WriteFileAtomically(*output, bytes, &error)) {
    PrintError(kCommand, "cannot write " + *output + ": " + error);
    return kExitBadInput;
  }
  return kExitOk;
}

}  // namespace selkan::cli
