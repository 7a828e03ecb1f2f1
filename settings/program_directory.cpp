#include "settings/program_directory.h"

#include <pwd.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <optional>
#include <string>
#include <system_error>

#include "platform/user_folder.h"

#ifndef SELKAN_INSTALLED_DATA_DIR
#define SELKAN_INSTALLED_DATA_DIR "../share/selkan"
#endif

namespace selkan {

namespace fs = std::filesystem;

namespace {

constexpr char kSeparator = '/';

std::optional<ProgramFolders>& ChosenFolders() {
  static std::optional<ProgramFolders> folders;
  return folders;
}

// Full path of the running program file; empty when it cannot be found
// (a system without Linux's /proc).
fs::path ExecutablePath() {
  std::error_code error;
  fs::path path = fs::read_symlink("/proc/self/exe", error);
  return error ? fs::path() : path;
}

std::string WithSeparator(std::string directory) {
  if (directory.empty() || directory.back() != kSeparator) directory += kSeparator;
  return directory;
}

ProgramFolders FoldersOfRunningProgram() {
  const fs::path program = ExecutablePath();
  if (program.has_parent_path()) {
    return FindProgramFolders(program.parent_path().string(), SELKAN_INSTALLED_DATA_DIR);
  }
  // Without a known program file the current directory stands in for it.
  std::error_code error;
  const fs::path current = fs::current_path(error);
  return {error ? std::string() : WithSeparator(current.string()), false};
}

ProgramFolders CurrentFolders() {
  if (ChosenFolders()) return *ChosenFolders();
  return FoldersOfRunningProgram();
}

bool IsAccessible(const fs::path& path, bool write) {
  return ::access(path.c_str(), write ? W_OK : R_OK) == 0;
}

// Whether the user may change the file in place. The writer replaces the
// file by a new one in the same folder, so the folder must take new files;
// a file that grants nobody write access is the owner's wish to keep it as
// it is, which holds for a privileged user too.
bool UserMayChange(const fs::path& file) {
  std::error_code error;
  const fs::path folder = file.has_parent_path() ? file.parent_path() : fs::path(".");
  if (!IsAccessible(folder, true)) return false;
  const fs::file_status status = fs::status(file, error);
  if (error || status.type() == fs::file_type::not_found) return true;  // created on first write
  if (status.type() != fs::file_type::regular) return false;
  constexpr fs::perms kAnyWrite =
      fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write;
  return (status.permissions() & kAnyWrite) != fs::perms::none && IsAccessible(file, true);
}

bool IsFile(const fs::path& path) {
  std::error_code error;
  return fs::is_regular_file(path, error);
}

}  // namespace

ProgramFolders FindProgramFolders(const std::string& programFileFolder,
                                  const std::string& installedDataFolder) {
  if (!installedDataFolder.empty()) {
    std::error_code error;
    const fs::path data = fs::path(programFileFolder) / installedDataFolder;
    if (fs::is_directory(data, error)) {
      return {WithSeparator(data.lexically_normal().make_preferred().string()), true};
    }
  }
  return {WithSeparator(programFileFolder), false};
}

void SetProgramDirectory(std::string directory) {
  if (directory.empty()) {
    ChosenFolders().reset();
  } else {
    ChosenFolders() = ProgramFolders{WithSeparator(std::move(directory)), false};
  }
}

std::string ProgramDirectory() { return CurrentFolders().directory; }

std::string UserConfigDirectoryFrom(const char* xdgConfigHome, const char* home) {
  if (xdgConfigHome != nullptr && fs::path(xdgConfigHome).is_absolute()) {
    return WithSeparator((fs::path(xdgConfigHome) / kUserFolderName).string());
  }
  if (home != nullptr && *home != '\0') {
    return WithSeparator((fs::path(home) / ".config" / kUserFolderName).string());
  }
  return {};
}

std::string UserConfigDirectory() {
  const char* home = std::getenv("HOME");
  if (home == nullptr || *home == '\0') {
    const passwd* entry = ::getpwuid(::getuid());
    home = entry != nullptr ? entry->pw_dir : nullptr;
  }
  return UserConfigDirectoryFrom(std::getenv("XDG_CONFIG_HOME"), home);
}

ProfilePaths ChooseProfilePaths(const ProgramFolders& program, const std::string& userDirectory,
                                const std::string& fileName) {
  const std::string shipped = program.directory + fileName;
  if ((!program.installed && UserMayChange(shipped)) || userDirectory.empty()) {
    return {shipped, shipped};
  }
  const std::string own = userDirectory + fileName;
  if (IsFile(own) || !IsFile(shipped)) return {own, own};
  return {shipped, own};
}

ProfilePaths ProgramProfilePaths(const std::string& fileName) {
  return ChooseProfilePaths(CurrentFolders(), UserConfigDirectory(), fileName);
}

}  // namespace selkan
