#include "tools/cli/radio_types.h"

#include <filesystem>
#include <system_error>

#include "link/backup_store.h"
#include "settings/profile_store.h"

namespace selkan::cli {

std::string RadioTypeLabel(const RadioImage& image) {
  const int type = image[offset::kRadioType];
  const std::string path = ProgramDirectory() + "Selkan.ini";
  std::string name;
  std::error_code error;
  // Only read: the store would make a missing file.
  if (std::filesystem::is_regular_file(path, error)) {
    CProfileStore profile;
    if (profile.Load(path, false, true, false))
      name = profile.GetValue("Setup", "Type" + std::to_string(type + 1), "");
  }
  return BackupTypeLabel(type, name);
}

}  // namespace selkan::cli
