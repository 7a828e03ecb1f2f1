#pragma once

#include <filesystem>

namespace selkan {

// Where the backups of radios taken before each write are kept, the same
// folder for the program and selkan-cli: "Selkan/backups" in the user's data
// directory (~/.local/share/Selkan/backups on Linux, or below
// $XDG_DATA_HOME when that is set).
std::filesystem::path DefaultBackupDirectory();

}  // namespace selkan
