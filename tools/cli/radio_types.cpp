#include "tools/cli/radio_types.h"

#include <cerrno>
#include <filesystem>
#include <system_error>

#include "link/backup_store.h"
#include "platform/input_file.h"
#include "settings/program_directory.h"

namespace selkan::cli {

std::string ProductProfilePath() {
  const ProgramFolders program{ProgramDirectory(), ProgramDirectoryIsInstalled()};
  return ChooseProfilePaths(program, UserConfigDirectory(), "Selkan.ini").read;
}

bool LoadProductProfile(CProfileStore& profile, FileError* error) {
  const std::string path = ProductProfilePath();
  std::error_code missing;
  // Only read: the store would make a missing file.
  if (!std::filesystem::is_regular_file(path, missing)) return false;
  if (profile.Load(path, false, true, false)) return true;
  std::string content;
  FileError why;
  if (ReadInputFile(path, &content, &why) || why.code == 0) why = {EIO, "cannot read " + path};
  if (error) *error = why;
  return false;
}

std::string RadioTypeLabel(const RadioImage& image) {
  const int type = image[offset::kRadioType];
  CProfileStore profile;
  const std::string name = LoadProductProfile(profile)
                               ? profile.GetValue("Setup", "Type" + std::to_string(type + 1), "")
                               : std::string();
  return BackupTypeLabel(type, name);
}

}  // namespace selkan::cli
