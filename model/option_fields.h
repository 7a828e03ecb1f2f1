#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "model/radio_image.h"
#include "platform/language.h"

namespace selkan {

// One radio-wide setting as the options listing shows it, with the image
// bytes its value is read from.
struct OptionField {
  std::string label;  // "Squelch Level", no colon
  std::string value;  // "4"
  std::size_t address = 0;
  std::size_t length = 1;
};

// The optional features as the options listing shows them, in its order.
// Switches read "On"/"Off" ("开"/"关"); a set Busy Lock or Key Lock bit is
// "Off", as the Optional Features dialog shows it.
std::vector<OptionField> OptionFields(const RadioImage& image, Language language);

}  // namespace selkan
