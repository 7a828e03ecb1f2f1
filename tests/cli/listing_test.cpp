#include "tools/cli/listing.h"

#include <gtest/gtest.h>

namespace selkan::cli {
namespace {

TEST(ChannelListing, AlignedColumnsOfUsedChannelsOnly) {
  ChannelTable table{};
  EXPECT_EQ(ChannelListing(table), "No channels in use.\n");
  table[0] = {"438.10000", "438.10000", "None", "None", "High", "On", "Wide"};
  table[5] = {"", "445.00000", "67.0", "", "", "", ""};  // no Rx: not in use
  table[120] = {"46.00000", "", "", "D023N", "", "", ""};
  const std::string expected =
      " CH  Rx Frequency  Tx Frequency  QT/DQT Dec  QT/DQT Enc  Power  Scan  W/N\n"
      "  1  438.10000     438.10000     None        None        High   On    Wide\n"
      "121  46.00000                                D023N\n";
  EXPECT_EQ(ChannelListing(table), expected);
}

}  // namespace
}  // namespace selkan::cli
