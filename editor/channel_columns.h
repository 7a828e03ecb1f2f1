#pragma once

#include "platform/language.h"

namespace selkan {

// Title of channel grid column 0..7 (the channel number, then Rx Frequency
// to W/N) in both languages; empty for any other column.
const WordPair& ColumnTitle(int column);

}  // namespace selkan
