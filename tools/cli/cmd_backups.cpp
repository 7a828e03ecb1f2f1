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
constexpr char kUsage[] = "selkan-cli backups [--type NAME] [--json]";
constexpr char kHelp[] =
    "usage: selkan-cli backups [--type NAME] [--json]\n"
    "\n"
    "Lists the backups that 'selkan-cli write' and the program keep of a\n"
    "radio before writing it, oldest first: date and time (local), radio\n"
    "type, the identification the radio sent, size in bytes and path. The\n"
    "last 20 of each radio type are kept.\n"
    "\n"
    "  --type NAME   only the backups of this radio type (any letter case)\n"
    "  --json        a JSON array, one object per backup, with the members\n"
    "                path, time, type, identification and size\n";

constexpr OptionDef kOptions[] = {{"--type", true}, {"--json", false}};

// The text as a JSON string, quotes included.
std::string JsonString(const std::string& text) {
  std::string json = "\"";
  for (const char c : text) {
    const auto byte = static_cast<unsigned char>(c);
    if (c == '"' || c == '\\') {
      json += '\\';
      json += c;
    } else if (byte < 0x20) {
      char escaped[8];
      std::snprintf(escaped, sizeof escaped, "\\u%04x", byte);
      json += escaped;
    } else {
      json += c;  // UTF-8 passes as it is
    }
  }
  return json + "\"";
}

void PrintJson(const std::vector<BackupEntry>& entries) {
  std::printf("[");
  const char* separator = "\n";
  for (const BackupEntry& entry : entries) {
    std::printf(
        "%s  {\"path\": %s, \"time\": %s, \"type\": %s, \"identification\": %s, "
        "\"size\": %ju}",
        separator, JsonString(entry.path.string()).c_str(), JsonString(entry.when).c_str(),
        JsonString(entry.radioType).c_str(), JsonString(entry.identification).c_str(), entry.size);
    separator = ",\n";
  }
  std::printf(entries.empty() ? "]\n" : "\n]\n");
}

void PrintTable(const std::vector<BackupEntry>& entries) {
  std::size_t typeWidth = 4, idWidth = 14;
  for (const BackupEntry& entry : entries) {
    typeWidth = std::max(typeWidth, entry.radioType.size());
    idWidth = std::max(idWidth, entry.identification.size());
  }
  const int type = static_cast<int>(typeWidth), id = static_cast<int>(idWidth);
  std::printf("%-19s  %-*s  %-*s  %5s  %s\n", "Date", type, "Type", id, "Identification", "Size",
              "Path");
  for (const BackupEntry& entry : entries) {
    std::printf("%-19s  %-*s  %-*s  %5ju  %s\n", entry.when.c_str(), type, entry.radioType.c_str(),
                id, entry.identification.c_str(), entry.size, entry.path.string().c_str());
  }
}

}  // namespace

int RunBackups(const Args& args) {
  int exitCode = kExitOk;
  const auto parsed = ParseCommandArgs(args, kOptions, {kCommand, kUsage, kHelp}, 0,
                                       "unexpected argument", &exitCode);
  if (!parsed) return exitCode;
  const std::string* type = parsed->Value("--type");
  if (type != nullptr && type->empty())
    return UsageError(kCommand, "--type needs a radio type's name", kUsage);
  const BackupStore store(DefaultBackupDirectory());
  const std::vector<BackupEntry> entries = OfRadioType(store.List(), type ? *type : "");
  if (parsed->Has("--json")) {
    PrintJson(entries);
  } else if (entries.empty() && type) {
    std::printf("No backups of type %s in %s\n", type->c_str(), store.Directory().c_str());
  } else if (entries.empty()) {
    std::printf("No backups in %s\n", store.Directory().c_str());
  } else {
    PrintTable(entries);
  }
  return kExitOk;
}

}  // namespace selkan::cli
