#include <array>
#include <filesystem>
#include <span>
#include <string_view>

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

// Standard output, written where it points (a pipe, a terminal, a file the
// shell opened for appending) rather than replaced.
bool IsStandardOutput(const std::string& path) { return path == "-" || path == "/dev/stdout"; }

// A regular file that would open as a radio configuration and is not a
// channel list. Streams are not looked into: reading one would take bytes
// meant for someone else.
bool HoldsConfiguration(const std::filesystem::path& path) {
  std::error_code ec;
  if (!std::filesystem::is_regular_file(path, ec)) return false;
  const DatLoadResult loaded = LoadDatFile(path);
  if (loaded.error != DatLoadError::None) return false;
  return !std::string_view(reinterpret_cast<const char*>(loaded.image.data()), loaded.image.size())
              .starts_with(kChannelCsvHeader);
}

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
  if (output != nullptr && !IsStandardOutput(*output) && !parsed->Has("--force") &&
      HoldsConfiguration(*output)) {
    PrintError(kCommand, *output +
                             " holds a radio configuration; use --force to replace it with the "
                             "channel list");
    return kExitBadInput;
  }

  const auto image = LoadImageOrReport(kCommand, parsed->positionals[0]);
  if (!image) return kExitBadInput;
  const std::string csv = ChannelsToCsv(DecodeChannels(*image, Language::English));

  if (output == nullptr || IsStandardOutput(*output)) {
    return WriteStdoutOrReport(kCommand, csv) ? kExitOk : kExitBadInput;
  }
  const std::span<const std::uint8_t> bytes(reinterpret_cast<const std::uint8_t*>(csv.data()),
                                            csv.size());
  FileError error;
  if (!WriteFileAtomically(*output, bytes, &error)) {
    PrintError(kCommand, error.text);
    return kExitBadInput;
  }
  return kExitOk;
}

}  // namespace selkan::cli
