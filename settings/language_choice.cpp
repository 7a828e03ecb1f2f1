#include "settings/language_choice.h"

#include <filesystem>

#include "settings/product_profile.h"
#include "settings/profile_store.h"

namespace selkan {

namespace {

std::string MakerSettingsPath(const CProfileStore& productProfile) {
  const std::filesystem::path profile = productProfile.FilePath();
  if (profile.empty()) return ProgramDirectory() + kMakerSettingsFile;
  return (profile.parent_path() / kMakerSettingsFile).string();
}

}  // namespace

bool StoreLanguageChoice(CProfileStore& productProfile, const std::string& languageName,
                         std::string* error, std::string* makerError) {
  const std::string before = productProfile.GetValue(kSetupSection, kLanguageKey, "");
  productProfile.SetValue(kSetupSection, kLanguageKey, languageName);
  std::string why;
  if (!productProfile.Flush(&why)) {
    productProfile.SetValue(kSetupSection, kLanguageKey, before);
    if (error) *error = why;
    return false;
  }
  const std::string makerPath = MakerSettingsPath(productProfile);
  CProfileStore maker;
  if (!maker.Load(makerPath)) {
    if (makerError) *makerError = "cannot open " + makerPath;
    return true;
  }
  maker.SetValue(kSetupSection, kLanguageKey, languageName);
  if (!maker.Flush(&why) && makerError) *makerError = why;
  return true;
}

}  // namespace selkan
