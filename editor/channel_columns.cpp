#include "editor/channel_columns.h"

#include <algorithm>

#include "editor/cell_values.h"
#include "model/channel_codec.h"
#include "settings/profile_text.h"

namespace selkan {

// The titles live beside the channel codec, which plain code below the
// editor names columns with too.
const WordPair& ColumnTitle(int column) { return ChannelColumnTitle(column); }

std::vector<int> TitleColumns(const std::vector<std::string>& fields) {
  std::vector<int> columns;
  for (const std::string& field : fields) {
    const std::string_view value = TrimBlanks(field);
    int found = -1;
    for (int column = 0; column <= kChannelColumns && found < 0; ++column) {
      const WordPair& title = ColumnTitle(column);
      if (value == title.chinese || SameLetters(value, title.english)) found = column;
    }
    if (found < 0 || std::find(columns.begin(), columns.end(), found) != columns.end()) return {};
    columns.push_back(found);
  }
  return columns;
}

}  // namespace selkan
