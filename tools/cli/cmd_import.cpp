#include <array>
#include <cstdio>

#include "editor/channel_csv.h"
#include "model/channel_codec.h"
#include "tools/cli/args.h"
#include "tools/cli/commands.h"
#include "tools/cli/image_files.h"

namespace selkan::cli {

namespace {

constexpr const char* kCommand = "import";
constexpr const char* kUsage = "selkan-cli import FILE.csv FILE.dat [--band LOW-HIGH]";
constexpr const char* kHelp =
    "usage: selkan-cli import FILE.csv FILE.dat [--band LOW-HIGH]\n"
    "\n"
    "Puts the channels of a CSV file, in the form export writes, into a\n"
    "configuration file. Each row is taken as if typed into an empty row of\n"
    "the channel grid; channels the file does not list become empty. Every\n"
    "other byte of FILE.dat is kept; a missing FILE.dat is made as by new.\n"
    "Rows may come in any order; words may be English or Chinese. When any\n"
    "line is bad, every bad line is reported and FILE.dat is not touched.\n"
    "\n"
    "Channel lists of multi-radio programming programs and repeater\n"
    "directories are read too: their header names the columns (Location,\n"
    "Name, Frequency, Duplex, Offset, Tone, rToneFreq, cToneFreq, DtcsCode,\n"
    "DtcsPolarity, RxDtcsCode, CrossMode, Mode, TStep, Skip, Power, Comment)\n"
    "in any order. Location picks the channel when every row's is 1 to 199,\n"
    "otherwise the rows fill channels 1, 2, 3... in file order.\n"
    "\n"
    "  --band LOW-HIGH   accept only frequencies from LOW to HIGH MHz, whole\n"
    "                    numbers, e.g. 400-470 (default: any frequency the\n"
    "                    radio can store, 10 to 999.99999)\n";

constexpr std::array<OptionSpec, 1> kOptions{{{"--band", true}}};

// Without a band, every frequency a channel record can hold: 8 digits, and
// a top byte other than 0x00, which would read back as no frequency.
constexpr BandLimits kRecordLimits{1000000, 99999999};

}  // namespace

int RunImport(const Args& args) {
  int exitCode = kExitOk;
  const auto parsed = ParseCommandArgs(args, kOptions, {kCommand, kUsage, kHelp}, 2,
                                       "expected a CSV file and a configuration file", &exitCode);
  if (!parsed) return exitCode;
  BandLimits limits = kRecordLimits;
  if (const std::string* band = parsed->Value("--band")) {
    const auto range = ParseMhzRange(*band);
    if (!range) {
      return UsageError(kCommand, "--band must be LOW-HIGH in whole MHz, such as 400-470", kUsage);
    }
    limits = *range;
  }
  const std::string& csvPath = parsed->positionals[0];
  const std::filesystem::path datPath = parsed->positionals[1];

  std::string error;
  const auto text = ReadWholeFile(csvPath, &error);
  if (!text) {
    PrintError(kCommand, "cannot open " + csvPath + ": " + error);
    return kExitBadInput;
  }
  const ChannelCsvImport imported = ImportChannelCsv(*text, limits);
  if (!imported.errors.empty()) {
    for (const CsvError& bad : imported.errors) {
      PrintError(kCommand, csvPath + ":" + std::to_string(bad.line) + ": " + bad.reason);
    }
    PrintError(kCommand, datPath.string() + " is left unchanged");
    return kExitBadInput;
  }

  std::optional<RadioImage> image;
  if (PathIsTaken(datPath)) {
    image = LoadImageOrReport(kCommand, datPath);
    if (!image) return kExitBadInput;
  } else {
    image = NewImage(0, 0);
  }
  EncodeChannels(imported.table, *image);
  return SaveImageOrReport(kCommand, datPath, *image) ? kExitOk : kExitBadInput;
}

}  // namespace selkan::cli
