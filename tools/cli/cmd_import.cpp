#include <algorithm>
#include <array>
#include <cerrno>
#include <cstring>

#include "editor/channel_list_import.h"
#include "model/channel_codec.h"
#include "model/product_info.h"
#include "platform/input_file.h"
#include "platform/save_target.h"
#include "settings/product_profile.h"
#include "settings/profile_store.h"
#include "tools/cli/args.h"
#include "tools/cli/commands.h"
#include "tools/cli/image_files.h"

namespace selkan::cli {

namespace {

constexpr const char* kCommand = "import";
constexpr const char* kUsage =
    "selkan-cli import FILE.csv FILE.dat [--band LOW-HIGH] [--at N | --append] [--skip-unfit] "
    "[--quiet]";
constexpr const char* kHelp =
    "usage: selkan-cli import FILE.csv FILE.dat [--band LOW-HIGH] [--at N | --append]\n"
    "                        [--skip-unfit] [--quiet]\n"
    "\n"
    "Puts the channels of a CSV file into a configuration file. Each row is\n"
    "taken as if typed into an empty row of the channel grid. Every other byte\n"
    "of FILE.dat is kept; a missing FILE.dat is made as by new (a link to a\n"
    "missing file makes that file). FILE.dat must be a file: \"-\", a FIFO or a\n"
    "device is refused. When a row does not fit (the radio cannot hold it, or\n"
    "no channel is left for it), every such row is reported with its line and\n"
    "FILE.dat is not touched. A summary of the import goes to stderr: what the\n"
    "file was read as, the channels imported, the columns ignored, the rows\n"
    "renumbered and skipped.\n"
    "\n"
    "The file is one of:\n"
    "- the form export writes: the header CH,Rx Frequency,...,W/N with the\n"
    "  columns in any order and letter case; words in English or Chinese,\n"
    "  tones such as 67 for 67.0;\n"
    "- a channel list of multi-radio programming programs: the header names\n"
    "  Location and Frequency, and Name, Duplex, Offset, Tone, rToneFreq,\n"
    "  cToneFreq, DtcsCode, DtcsPolarity, RxDtcsCode, CrossMode, Mode, TStep,\n"
    "  Skip, Power, Comment ...; Location picks the channel when every row's is\n"
    "  1 to 199, otherwise the rows go in file order;\n"
    "- a repeater directory: an output frequency column (Frequency, Output,\n"
    "  Output Freq) to Rx, the input frequency (Input, Input Freq) or the\n"
    "  signed offset (Offset, Shift) to Tx, the uplink tone (Uplink Tone,\n"
    "  Access Tone, PL, CTCSS, Tone) to Enc, the downlink tone (Downlink Tone,\n"
    "  TSQ) to Dec, Mode to W/N; rows in file order.\n"
    "A header with other columns of frequencies, offsets or tones is refused.\n"
    "\n"
    "  --band LOW-HIGH   accept only frequencies from LOW to HIGH MHz, whole\n"
    "                    numbers, e.g. 400-470 (default: the band of FILE.dat's\n"
    "                    radio type and band in Selkan.ini, as in the program)\n"
    "  --at N            place the rows from channel N on, over the channels\n"
    "                    there, and keep the others (default: replace all)\n"
    "  --append          place the rows after the last channel in use\n"
    "  --skip-unfit      import the rows that fit and skip the others\n"
    "  --quiet           no summary\n";

constexpr std::array<OptionDef, 5> kOptions{{{"--band", true},
                                             {"--at", true},
                                             {"--append", false},
                                             {"--skip-unfit", false},
                                             {"--quiet", false}}};

// Every frequency a channel record can hold: 8 digits, and a top byte other
// than 0x00, which would read back as no frequency.
constexpr BandLimits kRecordLimits{1000000, 99999999};

// The band of the configuration's own radio type and band, which the
// program checks typed frequencies against, as *limits. When the product
// profile cannot be read or gives that type and band no band, prints why
// and returns the exit code.
int OwnBandOrReport(const RadioImage& image, const std::string& datPath, BandLimits* limits) {
  const int type = image[offset::kRadioType], band = image[offset::kBandIndex];
  CProfileStore profile;
  FileError error;
  const std::string text = ReadProductProfile(profile, &error) ? BandText(profile, type, band) : "";
  if (error.code != 0) {
    PrintError(kCommand, error.text);
    return kExitBadInput;
  }
  if (text.empty()) {
    return UsageError(kCommand,
                      ProductProfilePath() + " gives no band for radio type index " +
                          std::to_string(type) + ", band index " + std::to_string(band) + " of " +
                          datPath + "; name the band with --band LOW-HIGH",
                      kUsage);
  }
  const BandLimits own = BandLimitsFromText(text);
  *limits = {std::max(own.lower, kRecordLimits.lower), std::min(own.upper, kRecordLimits.upper)};
  return kExitOk;
}

// FILE.dat is read and changed in place, so it must be a file, or none yet;
// false (having said why) otherwise.
bool IsConfigurationFileOrReport(const std::string& datPath, SaveTarget* target) {
  if (datPath == "-") {
    PrintError(kCommand, "FILE.dat is changed in place; \"-\" (standard output) cannot be one");
    return false;
  }
  if (const int code = ResolveSaveTarget(datPath, target); code != 0) {
    PrintError(kCommand, "cannot open " + datPath + ": " + std::strerror(code));
    return false;
  }
  if (target->kind == SaveTarget::Kind::kDirectory) {
    PrintError(kCommand, "cannot open " + datPath + ": " + std::strerror(EISDIR));
    return false;
  }
  if (target->kind == SaveTarget::Kind::kStream) {
    PrintError(kCommand, datPath +
                             " is a stream (a FIFO, a device or a descriptor such as standard "
                             "output), not a file that can be changed in place");
    return false;
  }
  return true;
}

// Where --at or --append place the rows; nullopt after a usage error.
std::optional<ImportPlace> PlaceOrReport(const ParsedArgs& parsed, int* exitCode) {
  const std::string* at = parsed.Value("--at");
  if (at != nullptr && parsed.Has("--append")) {
    *exitCode = UsageError(kCommand, "--at and --append exclude each other", kUsage);
    return std::nullopt;
  }
  if (at == nullptr)
    return ImportPlace{
        parsed.Has("--append") ? ImportPlacement::kAppend : ImportPlacement::kReplaceAll, 1};
  const std::optional<int> first = ParseIntInRange(*at, 1, offset::kChannelCount);
  if (!first) {
    *exitCode = UsageError(kCommand, "--at must be a channel, 1 to 199", kUsage);
    return std::nullopt;
  }
  return ImportPlace{ImportPlacement::kFrom, *first};
}

}  // namespace

int RunImport(const Args& args) {
  int exitCode = kExitOk;
  const auto parsed = ParseCommandArgs(args, kOptions, {kCommand, kUsage, kHelp}, 2,
                                       "expected a CSV file and a configuration file", &exitCode);
  if (!parsed) return exitCode;
  std::optional<BandLimits> limits;
  if (const std::string* band = parsed->Value("--band")) {
    limits = ParseMhzRange(*band);
    if (!limits) {
      return UsageError(kCommand, "--band must be LOW-HIGH in whole MHz, such as 400-470", kUsage);
    }
  }
  const std::optional<ImportPlace> place = PlaceOrReport(*parsed, &exitCode);
  if (!place) return exitCode;
  const bool skipUnfit = parsed->Has("--skip-unfit");
  const std::string& csvPath = parsed->positionals[0];
  const std::string& datPath = parsed->positionals[1];
  SaveTarget target;
  if (!IsConfigurationFileOrReport(datPath, &target)) return kExitBadInput;

  std::string text;
  if (FileError error; !ReadInputFile(csvPath, &text, &error)) {
    PrintError(kCommand, error.text);
    return kExitBadInput;
  }
  std::optional<RadioImage> image = target.kind == SaveTarget::Kind::kMissing
                                        ? NewImage(0, 0)
                                        : LoadImageOrReport(kCommand, datPath);
  if (!image) return kExitBadInput;
  if (!limits) {
    limits.emplace();
    if (const int code = OwnBandOrReport(*image, datPath, &*limits); code != kExitOk) return code;
  }

  const ChannelListRead read = ReadChannelList(text, *limits);
  const ChannelTable current = DecodeChannels(*image, Language::English);
  const ImportOutcome outcome = PlaceChannels(read, current, *place, Language::English);
  if (!outcome.unfit.empty() && (!skipUnfit || outcome.imported == 0)) {
    for (const CsvError& bad : outcome.unfit) {
      PrintError(kCommand,
                 csvPath + ":" + std::to_string(bad.line) + ": " + EnglishText(bad.reason));
    }
    PrintError(kCommand, datPath + " is left unchanged");
    if (outcome.imported > 0) {
      PrintError(kCommand, "--skip-unfit imports the rows that fit (" +
                               std::to_string(outcome.imported) + ") and skips these");
    }
    return kExitBadInput;
  }
  RadioImage changed = *image;
  EncodeChannels(outcome.table, changed);
  // Placed into part of the list, the channels it leaves keep their bytes.
  for (int channel = 1; channel <= offset::kChannelCount; ++channel) {
    if (place->kind == ImportPlacement::kReplaceAll ||
        outcome.table[channel - 1] != current[channel - 1])
      continue;
    const std::size_t at = offset::Channel(channel);
    std::copy_n(image->begin() + at, offset::kChannelRecordSize, changed.begin() + at);
  }
  if (!SaveImageOrReport(kCommand, datPath, changed)) return kExitBadInput;
  if (!parsed->Has("--quiet")) {
    for (const UserMessage& line : ImportSummary(read, outcome, place->kind))
      PrintError(kCommand, EnglishText(line));
  }
  return kExitOk;
}

}  // namespace selkan::cli
