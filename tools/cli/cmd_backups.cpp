// selkan-cli backups: the copies of radios kept before each write.
#include <algorithm>
#include <cstdio>
#include <string>

#include "link/backup_store.h"
#include "link/qt/backup_location.h"
#include "tools/cli/args.h"
#include "tools/cli/commands.h"

namespace selkan::cli {

namespace {

constexpr const char* kCommand = "backups";
constexpr char kUsage[] = "selkan-cli backups";
constexpr char kHelp[] =
    "usage: selkan-cli backups\n"
    "\n"
    "Lists the backups that 'selkan-cli write' and the program keep of a\n"
    "radio before writing it, oldest first: date and time, radio type, size\n"
    "in bytes and path. The last 20 of each radio type are kept.\n";

}  // namespace

int RunBackups(const Args& args) {
  int exitCode = kExitOk;
  const auto parsed =
      ParseCommandArgs(args, {}, {kCommand, kUsage, kHelp}, 0, "unexpected argument", &exitCode);
  if (!parsed) return exitCode;
  const BackupStore store(DefaultBackupDirectory());
  const std::vector<BackupEntry> entries = store.List();
  if (entries.empty()) {
    std::printf("No backups in %s\n", store.Directory().string().c_str());
    return kExitOk;
  }
  std::size_t typeWidth = 4;
  for (const BackupEntry& entry : entries) typeWidth = std::max(typeWidth, entry.radioType.size());
  std::printf("%-19s  %-*s  %5s  %s\n", "Date", static_cast<int>(typeWidth), "Type", "Size",
              "Path");
  for (const BackupEntry& entry : entries) {
    std::printf("%-19s  %-*s  %5ju  %s\n", entry.when.c_str(), static_cast<int>(typeWidth),
                entry.radioType.c_str(), entry.size, entry.path.string().c_str());
  }
  return kExitOk;
}

}  // namespace selkan::cli
