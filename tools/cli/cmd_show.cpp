#include "tools/cli/args.h"
#include "tools/cli/commands.h"
#include "tools/cli/image_files.h"
#include "tools/cli/listing.h"

namespace selkan::cli {

namespace {

constexpr const char* kCommand = "show";
constexpr const char* kUsage = "selkan-cli show FILE.dat";
constexpr const char* kHelp =
    "usage: selkan-cli show FILE.dat\n"
    "\n"
    "Lists the optional features, the radio type and band indexes and the\n"
    "channels in use (those with a receive frequency) of a configuration file.\n";

}  // namespace

int RunShow(const Args& args) {
  int exitCode = kExitOk;
  const auto parsed =
      ParseCommandArgs(args, {}, {kCommand, kUsage, kHelp}, 1, "expected one file name", &exitCode);
  if (!parsed) return exitCode;
  const auto image = LoadImageOrReport(kCommand, parsed->positionals[0]);
  if (!image) return kExitBadInput;
  return WriteStdoutOrReport(kCommand, ShowListing(*image)) ? kExitOk : kExitBadInput;
}

}  // namespace selkan::cli
