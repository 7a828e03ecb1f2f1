#include "settings/process_settings.h"

#include "settings/product_profile.h"
#include "settings/profile_store.h"

namespace selkan {

void ProcessSettings::Initialize(const CProfileStore& profile, std::string programDirectory) {
  profile_ = &profile;
  languageName_ = profile.GetValue(kSetupSection, kLanguageKey, "");
  language_ = languageName_ == selkan::LanguageName(Language::Chinese) ? Language::Chinese
                                                                       : Language::English;
  helpFileName_ = language_ == Language::Chinese ? "chHelp" : "enHelp";
  programDirectory_ = std::move(programDirectory);
}

std::string ProcessSettings::LanguageCatalogName() const { return languageName_ + "Q47.qm"; }

std::string ProcessSettings::ProductText(const std::string& key) const {
  return profile_ ? profile_->GetValue(languageName_, key, "") : std::string();
}

std::string ProcessSettings::Title() const {
  return profile_ ? profile_->GetValue(selkan::LanguageName(language_), "Title", "")
                  : std::string();
}

std::string ProcessSettings::SetupAppName() const {
  return profile_ ? selkan::SetupAppName(*profile_) : std::string();
}

TextEncoding ProcessSettings::ProfileEncoding() const {
  return profile_ ? profile_->Encoding() : TextEncoding::Utf8;
}

ProcessSettings& Settings() {
  static ProcessSettings settings;
  return settings;
}

CProfileStore& ProductProfile() {
  static CProfileStore profile(4);
  return profile;
}

}  // namespace selkan
