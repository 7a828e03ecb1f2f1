#include <algorithm>
#include <array>
#include <cerrno>
#include <cstring>

#include "editor/channel_csv.h"
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
constexpr const char* kUsage = "selkan-cli import FILE.csv FILE.dat [--band LOW-HIGH]";
constexpr const char* kHelp =
    "usage: selkan-cli import FILE.csv FILE.dat [--band LOW-HIGH]\n"
    "\n"
    "Puts the channels of a CSV file, in the form export writes, into a\n"
    "configuration file. Each row is taken as if typed into an empty row of\n"
    "the channel grid; channels the file does not list become empty. Every\n"
    "other byte of FILE.dat is kept; a missing FILE.dat is made as by new\n"
    "(a link to a missing file makes that file). FILE.dat must be a file:\n"
    "\"-\", a FIFO or a device is refused.\n"
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
    "                    numbers, e.g. 400-470 (default: the band of FILE.dat's\n"
    "                    radio type and band in Selkan.ini, as in the program)\n";

constexpr std::array<OptionSpec, 1> kOptions{{{"--band", true}}};

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

  const ChannelCsvImport imported = ImportChannelCsv(text, *limits);
  if (!imported.errors.empty()) {
    for (const CsvError& bad : imported.errors) {
      PrintError(kCommand, csvPath + ":" + std::to_string(bad.line) + ": " + bad.reason);
    }
    PrintError(kCommand, datPath + " is left unchanged");
    return kExitBadInput;
  }
  EncodeChannels(imported.table, *image);
  return SaveImageOrReport(kCommand, datPath, *image) ? kExitOk : kExitBadInput;
}

}  // namespace selkan::cli
