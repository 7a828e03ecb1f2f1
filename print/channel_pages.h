#pragma once

#include <array>
#include <vector>

#include "model/channel_codec.h"

namespace selkan {

// The channel pages of the listing: seven used channels to a page, a channel
// being used when its Rx Frequency text is not empty.
inline constexpr int kChannelsPerPage = 7;
// The grid row past the last channel: the end of the grid.
inline constexpr int kEndOfGrid = offset::kChannelCount + 1;

// The page boundary table: entry 0 is 0, entry k the grid row of the (7k)-th
// used channel, or the end of the grid when there are fewer. Channel page k
// (counted from 1) holds the used rows r with entry(k-1) < r <= entry(k).
struct ChannelPages {
  static constexpr int kBoundaryCount =
      (offset::kChannelCount + kChannelsPerPage - 1) / kChannelsPerPage + 1;
  int usedChannels = 0;
  std::array<int, kBoundaryCount> boundaries{};

  int Count() const { return (usedChannels + kChannelsPerPage - 1) / kChannelsPerPage; }
};

// Builds the table from the channels' texts; every call starts afresh, so a
// table made after channels were deleted still runs to the end of the grid.
ChannelPages PaginateChannels(const ChannelTable& channels);

// The channel numbers on channel page k (1 to Count()), in grid order; empty
// outside that range.
std::vector<int> ChannelsOnPage(const ChannelTable& channels, const ChannelPages& pages, int k);

}  // namespace selkan
