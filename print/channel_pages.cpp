#include "print/channel_pages.h"

#include <algorithm>

namespace selkan {

namespace {

bool IsUsed(const ChannelTable& channels, int row) {
  return !Cell(channels[row - 1], kColRx).empty();
}

}  // namespace

ChannelPages PaginateChannels(const ChannelTable& channels) {
  ChannelPages pages;
  pages.boundaries.fill(kEndOfGrid);
  pages.boundaries[0] = 0;
  for (int row = 1; row <= offset::kChannelCount; ++row) {
    if (!IsUsed(channels, row)) continue;
    ++pages.usedChannels;
    if (pages.usedChannels % kChannelsPerPage == 0)
      pages.boundaries[pages.usedChannels / kChannelsPerPage] = row;
  }
  return pages;
}

std::vector<int> ChannelsOnPage(const ChannelTable& channels, const ChannelPages& pages, int k) {
  std::vector<int> rows;
  if (k < 1 || k > pages.Count()) return rows;
  const int last = std::min(pages.boundaries[k], static_cast<int>(offset::kChannelCount));
  for (int row = pages.boundaries[k - 1] + 1; row <= last; ++row)
    if (IsUsed(channels, row)) rows.push_back(row);
  return rows;
}

}  // namespace selkan
