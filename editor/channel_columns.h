#pragma once

#include <string>
#include <vector>

#include "platform/language.h"

namespace selkan {

// Title of channel grid column 0..7 (the channel number, then Rx Frequency
// to W/N) in both languages; empty for any other column.
const WordPair& ColumnTitle(int column);

// The grid columns (0 for the channel number) that a row of column titles
// names, in its order: each title in English in any letter case or in
// Chinese, blanks around it ignored. Empty when a field is no title or a
// title comes twice.
std::vector<int> TitleColumns(const std::vector<std::string>& fields);

}  // namespace selkan
