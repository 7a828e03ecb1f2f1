#pragma once

#include <string>

#include "platform/atomic_file.h"

namespace selkan {

class CProfileStore;

// The product profile: the file beside the program that names the product,
// its radio types and bands and the language, read through
// ProgramProfilePaths (the user's copy once there is one).
inline constexpr const char* kProductProfileFile = "Selkan.ini";
// Its section of settings (the language, the radio types and bands, the
// application name); the product's texts are in the section named by the
// language.
inline constexpr const char* kSetupSection = "Setup";
// The key of that section that names the language (LanguageName).
inline constexpr const char* kLanguageKey = "Language";

// Opens the product profile as the program does: changes are written back
// (to the user's copy when the shipped file may not be changed) when the
// store goes.
bool OpenProductProfile(CProfileStore& profile);

// Where the product profile is read from.
std::string ProductProfilePath();

// Loads the product profile for reading only: nothing is made or written.
// False when there is none, or (with *error saying why) when it cannot be
// read whole, such as one too large to be a profile.
bool ReadProductProfile(CProfileStore& profile, FileError* error = nullptr);

// "AppName" of section "Setup": names new documents and the per-user
// registry key.
std::string SetupAppName(const CProfileStore& profile);
// The product's per-user registry key: "Software\" and its SetupAppName.
std::string ProductRegistryKey(const CProfileStore& profile);

}  // namespace selkan
