#pragma once

#include <string>

#include "model/radio_image.h"
#include "settings/profile_store.h"

namespace selkan::cli {

// The product profile the program reads: Selkan.ini beside it, or the
// user's copy that stands in for it once there is one. Its path.
std::string ProductProfilePath();

// Loads that profile for reading only (nothing is made or written); false
// when there is none, or (with *error saying why) when it cannot be read
// whole, such as one too large to be a profile.
bool LoadProductProfile(CProfileStore& profile, FileError* error = nullptr);

// The radio-type part of a backup's name for an image: the name of its type
// in the product profile ("Type<n>" of section "Setup"), or "type<n>" when
// there is none.
std::string RadioTypeLabel(const RadioImage& image);

}  // namespace selkan::cli
