#pragma once

#include <string>

namespace selkan {

class CProfileStore;

// The maker settings file, beside the product profile: it receives the
// language choice too, though this program never reads it back.
inline constexpr const char* kMakerSettingsFile = "Olvane.ini";

// Stores a new language name ("English" or "Chinese") as "Language" of
// section "Setup": first in the product profile, which is written to disk at
// once so that a program started next reads it, then in the maker settings
// file beside the profile's file. False with *error (naming the file once)
// when the product profile cannot be written: it then keeps its former
// value, on disk and in memory, and the maker file is not touched. The
// maker file is never read by this program: when it cannot be written the
// choice still stands, and *makerError says why.
bool StoreLanguageChoice(CProfileStore& productProfile, const std::string& languageName,
                         std::string* error, std::string* makerError);

}  // namespace selkan
