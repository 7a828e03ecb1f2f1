#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "model/radio_image.h"
#include "platform/language.h"

namespace selkan {

// One thing that differs between two images, in the texts the user knows.
struct ImageDifference {
  std::string field;   // "Channel 3", "Squelch Level", "Bytes 0xD00-0xD07"
  std::string before;  // its text in the first image
  std::string after;   // its text in the second
  int channel = 0;     // the channel it belongs to, 0 for none
};

// What differs between two images over addresses [0, end): channels as the
// grid shows them (the columns that differ, or the whole row when one side
// is empty), option fields as the listing shows them, and every other
// differing byte as a run of addresses with its values (one line for the
// same run in the records of consecutive channels), so that no difference
// goes unreported. Channels come first, then the option fields in
// listing order, then the remaining bytes. Empty exactly when the bytes in
// the range are equal.
std::vector<ImageDifference> CompareImages(const RadioImage& before, const RadioImage& after,
                                           Language language, std::size_t end = kImageSize);

// "field: before -> after".
std::string DifferenceLine(const ImageDifference& difference);

}  // namespace selkan
