#pragma once

#include <string>

#include "model/radio_image.h"

namespace selkan::cli {

// The radio-type part of a backup's name for an image: the name of its type
// in the product profile beside the program (Selkan.ini, "Type<n>" of
// section "Setup"), or "type<n>" when there is none.
std::string RadioTypeLabel(const RadioImage& image);

}  // namespace selkan::cli
