#include "settings/language_choice.h"

#include <filesystem>

#include "settings/profile_store.h"

namespace selkan {

namespace {

constexpr const char* kSection = "Setup";
constexpr const char* kKey = "Language";

std::string MakerSettingsPath(const CProfileStore& productProfile) {
  const std::filesystem::path profile = productProfile.FilePath();
  if (profile.empty()) return ProgramDirectory() + kMakerSettingsFile;
  return (profile.parent_path() / kMakerSettingsFile).string();
}

}  // namespace

bool StoreLanguageChoice(CProfileStore& productProfile, const std::string& languageName,
                         std::string* error) {
  const std::string makerPath = MakerSettingsPath(productProfile);
  {
    CProfileStore maker;
    if (!maker.Load(makerPath, false, true, false)) {
      if (error) *error = makerPath + ": cannot be opened";
      return false;
    }
    maker.SetValue(kSection, kKey, languageName);
    std::string why;
    if (!maker.Flush(&why)) {
      if (error) *error = makerPath + ": " + why;
      return false;
    }
  }
  const std::string before = productProfile.GetValue(kSection, kKey, "");
  productProfile.SetValue(kSection, kKey, languageName);
  std::string why;
  if (!productProfile.Flush(&why)) {
    productProfile.SetValue(kSection, kKey, before);
    if (error) *error = productProfile.FilePath() + ": " + why;
    return false;
  }
  return true;
}

}  // namespace selkan
