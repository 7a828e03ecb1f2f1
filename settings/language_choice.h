#pragma once

#include <string>

namespace selkan {

class CProfileStore;

// The maker settings file, beside the product profile: it receives the
// language choice too, though this program never reads it back.
inline constexpr const char* kMakerSettingsFile = "Olvane.ini";

// Stores a new language name ("English" or "Chinese") as "Language" of
// section "Setup": first in the maker settings file beside the profile's
// file, then in the product profile, which is written to disk at once so
// that a program started next reads it. False with *error when either file
// cannot be written; the product profile then keeps its former value, on
// disk and in memory.
bool StoreLanguageChoice(CProfileStore& productProfile, const std::string& languageName,
                         std::string* error);

}  // namespace selkan
