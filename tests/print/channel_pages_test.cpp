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

std::vector<int> FirstRows(int count) {
  std::vector<int> rows(static_cast<std::size_t>(count));
  std::iota(rows.begin(), rows.end(), 1);
  return rows;
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

TEST(PaginateChannels, PageCountsAndTheLastPage) {
  struct Case {
    int used;
    int channelPages;
    std::size_t onLastPage;
  };
  for (const Case& c : {Case{0, 0, 0}, Case{1, 1, 1}, Case{7, 1, 7}, Case{8, 2, 1}, Case{14, 2, 7},
                        Case{199, 29, 3}}) {
    SCOPED_TRACE(c.used);
    const ChannelTable table = WithChannels(FirstRows(c.used));
    const ChannelPages pages = PaginateChannels(table);
    EXPECT_EQ(pages.Count(), c.channelPages);
    if (c.channelPages > 0) {
      EXPECT_EQ(ChannelsOnPage(table, pages, c.channelPages).size(), c.onLastPage);
    }
    ExpectPagesHold(table, FirstRows(c.used));
  }
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

TEST(PaginateChannels, ChannelsDeletedBetweenTwoPrintouts) {
  ChannelTable table = WithChannels(FirstRows(14));
  EXPECT_EQ(PaginateChannels(table).boundaries[2], 14);
  // Two channels go, one far down comes: the second page now ends at the end
  // of the grid and holds everything after the seventh channel.
  Cell(table[1], kColRx).clear();
  Cell(table[8], kColRx).clear();
  Cell(table[198], kColRx) = "470.00000";
  const ChannelPages pages = PaginateChannels(table);
  EXPECT_EQ(pages.boundaries[2], kEndOfGrid);
  EXPECT_EQ(ChannelsOnPage(table, pages, 2), (std::vector<int>{10, 11, 12, 13, 14, 199}));
  std::vector<int> used = FirstRows(14);
  std::erase(used, 2);
  std::erase(used, 9);
  used.push_back(199);
  ExpectPagesHold(table, used);
}

}  // namespace
}  // namespace selkan
