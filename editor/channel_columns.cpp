#include "editor/channel_columns.h"

#include "model/channel_codec.h"

namespace selkan {

// The titles live beside the channel codec, which plain code below the
// editor names columns with too.
const WordPair& ColumnTitle(int column) { return ChannelColumnTitle(column); }

}  // namespace selkan
