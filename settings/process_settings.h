#pragma once

#include <string>

#include "platform/language.h"
#include "platform/text_encoding.h"

namespace selkan {

class CProfileStore;

// Process-wide settings fixed once at start-up and read by everyone: the
// language name and flag from the product profile, the help file name, the
// program directory and the product texts of the language's section.
class ProcessSettings {
 public:
  // Reads "Language" of section "Setup"; the flag is Chinese exactly when the
  // name is "Chinese" (case-sensitive).
  void Initialize(const CProfileStore& profile, std::string programDirectory);

  const std::string& LanguageName() const { return languageName_; }
  bool IsChinese() const { return language_ == Language::Chinese; }
  Language language() const { return language_; }
  // "chHelp" or "enHelp" plus the extension of our help files.
  const std::string& HelpFileName() const { return helpFileName_; }
  const std::string& ProgramDirectory() const { return programDirectory_; }
  // The language catalog file: the language name followed by "Q47.qm".
  std::string LanguageCatalogName() const;

  // A product text ("Company", "About Title", "Version", "Copyrights",
  // "Copyrights Owner", "AppName") from the section named by the language
  // name; empty when missing.
  std::string ProductText(const std::string& key) const;
  // "Title" from section "English" or "Chinese", chosen by the flag.
  std::string Title() const;
  // "AppName" of section "Setup": names the registry key and new documents.
  std::string SetupAppName() const;
  const CProfileStore* Profile() const { return profile_; }
  // How the profile's texts are to be decoded (UTF-8 without a profile).
  TextEncoding ProfileEncoding() const;

 private:
  const CProfileStore* profile_ = nullptr;
  std::string languageName_;
  Language language_ = Language::English;
  std::string helpFileName_ = "enHelp";
  std::string programDirectory_;
};

// The one instance of the process, set up by start-up.
ProcessSettings& Settings();
// The one product profile of the process (Selkan.ini).
CProfileStore& ProductProfile();

}  // namespace selkan
