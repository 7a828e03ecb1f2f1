#include "print/channel_pages.h"

#include <gtest/gtest.h>

#include <numeric>

namespace selkan {
namespace {

ChannelTable WithChannels(const std::vector<int>& rows) {
  ChannelTable table{};
  for (int row : rows) Cell(table[row - 1], kColRx) = "438.10000";
  return table;
}

// Every used channel exactly once, in grid order, seven to a page but the last.
void ExpectPagesHold(const ChannelTable& table, const std::vector<int>& used) {
  const ChannelPages pages = PaginateChannels(table);
  ASSERT_EQ(pages.usedChannels, static_cast<int>(used.size()));
  std::vector<int> printed;
  for (int k = 1; k <= pages.Count(); ++k) {
    const std::vector<int> rows = ChannelsOnPage(table, pages, k);
    if (k < pages.Count()) {
      EXPECT_EQ(rows.size(), 7u) << "page " << k;
    }
    EXPECT_FALSE(rows.empty()) << "page " << k;
    printed.insert(printed.end(), rows.begin(), rows.end());
  }
  EXPECT_EQ(printed, used);
  EXPECT_TRUE(ChannelsOnPage(table, pages, 0).empty());
  EXPECT_TRUE(ChannelsOnPage(table, pages, pages.Count() + 1).empty());
}

TEST(PaginateChannels, GapsBetweenChannelsLeaveNoHoles) {
  const std::vector<int> used{1, 3, 50, 51, 100, 150, 160, 170, 199};
  const ChannelTable table = WithChannels(used);
  const ChannelPages pages = PaginateChannels(table);
  EXPECT_EQ(pages.boundaries[1], 160);  // the seventh used row
  EXPECT_EQ(ChannelsOnPage(table, pages, 2), (std::vector<int>{170, 199}));
  ExpectPagesHold(table, used);
  // A row counts by its Rx text alone: other cells without it are not a channel.
  ChannelTable txOnly = table;
  Cell(txOnly[9], kColTx) = "440.00000";
  EXPECT_EQ(PaginateChannels(txOnly).usedChannels, 9);
}

}  // namespace
}  // namespace selkan
