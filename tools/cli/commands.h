#pragma once

#include <string>
#include <vector>

namespace selkan::cli {

// Exit codes of selkan-cli.
enum ExitCode : int {
  kExitOk = 0,
  kExitUsage = 1,
  kExitBadInput = 2,
  kExitPortError = 3,           // the port cannot be opened
  kExitCommunicationError = 4,  // no answer from the radio
  kExitProgramInterrupt = 5,    // the transfer broke off
  kExitRadioMismatch = 6,       // identification not accepted
  kExitVerifyFailed = 7,        // written, but the radio read back differs
  kExitBackupNotSaved = 8,      // the backup of the radio could not be kept: nothing written
  kExitCancelled = 130,
};

using Args = std::vector<std::string>;  // the arguments after the command name

int RunNew(const Args& args);
int RunExport(const Args& args);
int RunImport(const Args& args);
int RunShow(const Args& args);
int RunPrint(const Args& args);
int RunRead(const Args& args);
int RunWrite(const Args& args);
int RunDiff(const Args& args);
int RunBackups(const Args& args);
int RunFleet(const Args& args);

}  // namespace selkan::cli
