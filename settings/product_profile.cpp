#include "settings/product_profile.h"

#include <cerrno>
#include <filesystem>
#include <system_error>

#include "platform/input_file.h"
#include "platform/registry.h"
#include "settings/profile_store.h"

namespace selkan {

bool OpenProductProfile(CProfileStore& profile) {
  return profile.OpenInProgramDir(kProductProfileFile, {.saveOnClose = true});
}

std::string ProductProfilePath() { return ProgramProfilePaths(kProductProfileFile).read; }

bool ReadProductProfile(CProfileStore& profile, FileError* error) {
  const std::string path = ProductProfilePath();
  std::error_code missing;
  // Only read: the store would make a missing file.
  if (!std::filesystem::is_regular_file(path, missing)) return false;
  if (profile.Load(path)) return true;
  std::string content;
  FileError why;
  if (ReadInputFile(path, &content, &why) || why.code == 0) why = {EIO, "cannot read " + path};
  if (error) *error = why;
  return false;
}

std::string SetupAppName(const CProfileStore& profile) {
  return profile.GetValue(kSetupSection, "AppName", "");
}

std::string ProductRegistryKey(const CProfileStore& profile) {
  return RegistryKeyFor(SetupAppName(profile));
}

}  // namespace selkan
