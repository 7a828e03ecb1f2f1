// selkan-cli: work with Selkan radio configurations from the command line.
#include <cstdio>
#include <cstring>
#include <string>

#include "platform/version.h"
#include "tools/cli/commands.h"

namespace {

struct Command {
  const char* name;
  int (*run)(const selkan::cli::Args&);
  const char* summary;
};

constexpr Command kCommands[] = {
    {"new", selkan::cli::RunNew, "make a blank configuration file"},
    {"export", selkan::cli::RunExport, "write the channels of a configuration as CSV"},
    {"import", selkan::cli::RunImport, "put the channels of a CSV file into a configuration"},
    {"show", selkan::cli::RunShow, "list the optional features and the used channels"},
    {"print", selkan::cli::RunPrint, "write the printed listing of a configuration as PDF"},
    {"read", selkan::cli::RunRead, "read a radio's memory into a configuration file"},
    {"write", selkan::cli::RunWrite, "write a configuration file into a radio"},
    {"diff", selkan::cli::RunDiff, "list what differs between two configurations or a radio"},
    {"backups", selkan::cli::RunBackups, "list the backups kept before each write"},
    {"fleet", selkan::cli::RunFleet, "write a configuration into radio after radio"},
};

void PrintUsage(std::FILE* out) {
  std::fprintf(out,
               "usage: selkan-cli COMMAND [ARGS...]\n"
               "       selkan-cli COMMAND --help\n"
               "       selkan-cli --version\n\n"
               "A value follows its option or is joined to it by '=' (--port=COM2);\n"
               "an option may be given once.\n\ncommands:\n");
  for (const Command& command : kCommands) {
    std::fprintf(out, "  %-8s %s\n", command.name, command.summary);
  }
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2) {
    PrintUsage(stderr);
    return selkan::cli::kExitUsage;
  }
  const std::string name = argv[1];
  if (name == "--help" || name == "-h" || name == "help") {
    PrintUsage(stdout);
    return selkan::cli::kExitOk;
  }
  if (name == "--version") {
    std::printf("selkan-cli %s\n", selkan::VersionText());
    return selkan::cli::kExitOk;
  }
  for (const Command& command : kCommands) {
    if (name == command.name) {
      return command.run(selkan::cli::Args(argv + 2, argv + argc));
    }
  }
  std::fprintf(stderr, "selkan-cli: unknown command '%s'\n", name.c_str());
  PrintUsage(stderr);
  return selkan::cli::kExitUsage;
}
