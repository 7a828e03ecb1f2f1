#include <array>

#include "tools/cli/args.h"
#include "tools/cli/commands.h"
#include "tools/cli/image_files.h"

namespace selkan::cli {

namespace {

constexpr const char* kCommand = "new";
constexpr const char* kUsage = "selkan-cli new FILE.dat [--type N] [--band M] [--force]";
constexpr const char* kHelp =
    "usage: selkan-cli new FILE.dat [--type N] [--band M] [--force]\n"
    "\n"
    "Makes a blank configuration file: every channel empty, the optional\n"
    "features at their factory values. FILE.dat \"-\" is standard output.\n"
    "\n"
    "  --type N   radio type index stored in the file, 0 to 255 (default 0)\n"
    "  --band M   band index stored in the file, 0 to 255 (default 0)\n"
    "  --force    replace FILE.dat if it exists (otherwise it is kept)\n";

constexpr std::array<OptionDef, 3> kOptions{
    {{"--type", true}, {"--band", true}, {"--force", false}}};

// The value of an index option, 0 when absent; nullopt when invalid.
std::optional<int> IndexOption(const ParsedArgs& parsed, std::string_view name) {
  const std::string* value = parsed.Value(name);
  if (value == nullptr) return 0;
  return ParseIntInRange(*value, 0, 255);
}

}  // namespace

int RunNew(const Args& args) {
  int exitCode = kExitOk;
  const auto parsed = ParseCommandArgs(args, kOptions, {kCommand, kUsage, kHelp}, 1,
                                       "expected one file name", &exitCode);
  if (!parsed) return exitCode;
  const auto type = IndexOption(*parsed, "--type");
  if (!type) return UsageError(kCommand, "--type must be a number from 0 to 255", kUsage);
  const auto band = IndexOption(*parsed, "--band");
  if (!band) return UsageError(kCommand, "--band must be a number from 0 to 255", kUsage);

  const std::string path = OutputPath(parsed->positionals[0]);
  if (!MayReplaceOrReport(kCommand, path, parsed->Has("--force"), {}, true)) return kExitBadInput;
  const RadioImage image =
      NewImage(static_cast<std::uint8_t>(*type), static_cast<std::uint8_t>(*band));
  return SaveImageOrReport(kCommand, path, image) ? kExitOk : kExitBadInput;
}

}  // namespace selkan::cli
