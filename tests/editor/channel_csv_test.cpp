#include "editor/channel_csv.h"

#include <gtest/gtest.h>

namespace selkan {
namespace {

constexpr BandLimits kUhf{40000000, 47000000};
const std::string kHeader(kChannelCsvHeader);

TEST(ChannelsFromCsv, RowsInAnyOrderOthersEmpty) {
  const ChannelCsvImport got = ChannelsFromCsv(
      "\xEF\xBB\xBF" + kHeader + "\n199,470,,,,,,\n1,400,,,,Low,,\n\n50,,,,,,,\n", kUhf);
  ASSERT_TRUE(got.errors.empty()) << got.errors[0].reason;
  EXPECT_EQ(got.table[198], (ChannelRow{"470.00000", "", "", "", "", "", ""}));
  EXPECT_EQ(got.table[0],
            (ChannelRow{"400.00000", "400.00000", "None", "None", "Low", "On", "Wide"}));
  for (int i = 1; i < 198; ++i) EXPECT_EQ(got.table[i], ChannelRow{}) << i;
  // The header alone clears every channel.
  EXPECT_TRUE(ChannelsFromCsv(kHeader, kUhf).errors.empty());
  EXPECT_EQ(ChannelsFromCsv(kHeader, kUhf).table, ChannelTable{});
}

TEST(ChannelsFromCsv, EveryBadLineIsReportedInLineOrder) {
  const std::string csv = kHeader +
                          "\r\n"
                          "1,438.1,,,,,,\r\n"       // 2: fine
                          "0,438.1,,,,,,\r\n"       // 3: channel 0
                          "200,438.1,,,,,,\r\n"     // 4: channel 200
                          "1,438.2,,,,,,\r\n"       // 5: repeated
                          "2,438.1,,,\r\n"          // 6: field count
                          "3,480,,,,,,\r\n"         // 7: out of range
                          "4,438.003,,,,,,\r\n"     // 8: off the step
                          "5,438.1,,,,Max,,\r\n"    // 9: bad word
                          "\"6,438.1\"x,,,,,,\r\n"  // 10: bad quoting
                          "7,,438.1,,,High,,\r\n"   // 11: power without Rx
                          "8,438.1,,67,,,,\r\n"     // 12: bad tone
                          " 9,438.1,,,,,,\r\n"      // 13: channel with a blank
                          "10,438.1,,,,,,\r\n";     // 14: fine
  const ChannelCsvImport got = ChannelsFromCsv(csv, kUhf);
  std::vector<int> lines;
  for (const CsvError& error : got.errors) lines.push_back(error.line);
  EXPECT_EQ(lines, (std::vector<int>{3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13}));
  EXPECT_NE(got.errors[2].reason.find("line 2"), std::string::npos);
  EXPECT_NE(got.errors[4].reason.find("Out of range,please input again."), std::string::npos);
}

TEST(ChannelsFromCsv, QuotedCellsAndMultiLineRecordsKeepLineNumbers) {
  const ChannelCsvImport got = ChannelsFromCsv(
      kHeader + "\n\"1\",\"438.1\",,,,\"High\",,\n2,\"438.1\n\",,,,,,\n3,x,,,,,,\n", kUhf);
  // Record 2 spans lines 3-4: the number text "438.1\n" reads as 438.1 like
  // a typed value; record 3 starts on line 5 and fails the range test.
  ASSERT_EQ(got.errors.size(), 1u);
  EXPECT_EQ(got.errors[0].line, 5);
  EXPECT_EQ(Cell(got.table[0], kColPower), "High");
  EXPECT_EQ(Cell(got.table[1], kColRx), "438.10000");
}

}  // namespace
}  // namespace selkan
