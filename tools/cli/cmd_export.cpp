#include <array>
#include <span>

#include "editor/channel_csv.h"
#include "editor/radio_list_export.h"
#include "model/channel_codec.h"
#include "platform/atomic_file.h"
#include "tools/cli/args.h"
#include "tools/cli/commands.h"
#include "tools/cli/image_files.h"

namespace selkan::cli {

namespace {

constexpr const char* kCommand = "export";
constexpr const char* kUsage =
    "selkan-cli export FILE.dat [-o FILE.csv] [--format csv|radio-list] [--force]";
constexpr const char* kHelp =
    "usage: selkan-cli export FILE.dat [-o FILE.csv] [--format csv|radio-list]\n"
    "                         [--force]\n"
    "\n"
    "Writes the 199 channels of a configuration file as CSV (UTF-8, CRLF line\n"
    "ends): the header\n"
    "  CH,Rx Frequency,Tx Frequency,QT/DQT Dec,QT/DQT Enc,Power,Scan,W/N\n"
    "then one line per channel, empty channels with empty cells.\n"
    "\n"
    "With --format radio-list it writes the channels in use as the channel\n"
    "list of multi-radio programming programs (header Location,Name,Frequency,\n"
    "Duplex,Offset,Tone,...), which import reads back to the same channels. A\n"
    "channel such a list cannot hold (transmit only, or a QT/DQT tone outside\n"
    "the tone list) is left out and named on stderr.\n"
    "\n"
    "  -o FILE.csv      write to this file (replaced as a whole) instead of\n"
    "                   stdout; \"-\" is stdout. A configuration file is not\n"
    "                   replaced by its channel list unless --force is given.\n"
    "  --format FORMAT  csv (the default, this program's own) or radio-list\n"
    "  --force          replace FILE.csv even when it holds a configuration\n";

constexpr std::array<OptionDef, 3> kOptions{{{"-o", true}, {"--format", true}, {"--force", false}}};

// Writes the text to the -o file, or stdout without one; false (having said
// why) when it cannot.
bool WriteOrReport(const std::string* output, const std::string& text) {
  if (output == nullptr) return WriteStdoutOrReport(kCommand, text);
  const std::span<const std::uint8_t> bytes(reinterpret_cast<const std::uint8_t*>(text.data()),
                                            text.size());
  FileError error;
  if (WriteFileAtomically(OutputPath(*output), bytes, &error)) return true;
  PrintError(kCommand, error.text);
  return false;
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
  const std::string* format = parsed->Value("--format");
  const bool radioList = format != nullptr && *format == "radio-list";
  if (format != nullptr && !radioList && *format != "csv")
    return UsageError(kCommand, "--format is csv or radio-list", kUsage);
  if (output != nullptr && !MayReplaceOrReport(kCommand, OutputPath(*output),
                                               parsed->Has("--force"), "channel list", false)) {
    return kExitBadInput;
  }

  const auto image = LoadImageOrReport(kCommand, parsed->positionals[0]);
  if (!image) return kExitBadInput;
  const ChannelTable table = DecodeChannels(*image, Language::English);
  if (!radioList) return WriteOrReport(output, ChannelsToCsv(table)) ? kExitOk : kExitBadInput;
  const RadioListExport list = ChannelsToRadioList(table);
  if (!WriteOrReport(output, list.csv)) return kExitBadInput;
  // What the list could not hold, once it is written.
  for (const OmittedChannel& omitted : list.omitted) {
    PrintError(kCommand, "channel " + std::to_string(omitted.channel) +
                             " left out: " + std::string(RadioListOmissionText(omitted.reason)));
  }
  return kExitOk;
}

}  // namespace selkan::cli
