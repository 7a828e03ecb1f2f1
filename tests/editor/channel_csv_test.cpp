#include "editor/channel_csv.h"

#include <gtest/gtest.h>

#include <random>

#include "model/tone_table.h"

namespace selkan {
namespace {

constexpr BandLimits kAny{1000000, 99999999};  // what a record holds
constexpr BandLimits kUhf{40000000, 47000000};
const std::string kHeader(kChannelCsvHeader);

int CountLines(const std::string& text) {
  return static_cast<int>(std::count(text.begin(), text.end(), '\n'));
}

TEST(ChannelsToCsv, HeaderThen199CrlfRowsWithCellsAsTheyAre) {
  EXPECT_EQ(CountLines(ChannelsToCsv(ChannelTable{})), 200);
  ChannelTable table{};
  table[4] = {"438.10000", "438.10000", "D023N", "67.0", "High", "On", "Wide"};
  table[5] = {"a,b", "\"q\"", "", "", "", "", ""};
  const std::string csv = ChannelsToCsv(table);
  EXPECT_EQ(CountLines(csv), static_cast<int>(std::count(csv.begin(), csv.end(), '\r')));
  EXPECT_TRUE(csv.starts_with(kHeader + "\r\n1,,,,,,,\r\n2,,,,,,,\r\n"));
  EXPECT_TRUE(csv.ends_with("\r\n198,,,,,,,\r\n199,,,,,,,\r\n"));
  EXPECT_NE(csv.find("\r\n5,438.10000,438.10000,D023N,67.0,High,On,Wide\r\n"), std::string::npos);
  EXPECT_NE(csv.find("\r\n6,\"a,b\",\"\"\"q\"\"\",,,,,\r\n"), std::string::npos);
}

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

// A table as the grid can hold it: empty rows, full rows of valid values in
// either language, receive-only rows (Rx without Tx, after a rejected Tx)
// and transmit-only rows (Tx without Rx, as records can hold them).
ChannelTable RandomTable(std::mt19937& random) {
  const std::vector<std::string> englishTones = BuildToneList(Language::English);
  const std::vector<std::string> chineseTones = BuildToneList(Language::Chinese);
  auto pick = [&](int n) { return static_cast<int>(random() % static_cast<unsigned>(n)); };
  auto frequency = [&] {
    const int raster = pick(2) == 0 ? 500 : 625;
    const int lowest = 1000000 / raster;  // a record holds 10 MHz and up
    return FormatFrequency(static_cast<std::int64_t>(raster) *
                           (lowest + pick(99999999 / raster - lowest + 1)));
  };
  ChannelTable table{};
  for (ChannelRow& row : table) {
    const int kind = pick(5);
    if (kind == 0) continue;
    const Language language = pick(2) == 0 ? Language::English : Language::Chinese;
    const auto& tones = language == Language::English ? englishTones : chineseTones;
    Cell(row, kColRx) = frequency();
    Cell(row, kColDecodeTone) = tones[pick(kToneCount)];
    Cell(row, kColEncodeTone) = tones[pick(kToneCount)];
    if (kind == 1) continue;  // receive-only
    if (kind == 4) {          // transmit-only
      std::swap(Cell(row, kColRx), Cell(row, kColTx));
      continue;
    }
    Cell(row, kColTx) = pick(3) == 0 ? Cell(row, kColRx) : frequency();
    const WordPair powers[] = {words::kHigh, words::kMiddle, words::kLow};
    Cell(row, kColPower) = powers[pick(3)].In(language);
    Cell(row, kColScan) = (pick(2) ? words::kOn : words::kOff).In(language);
    Cell(row, kColBandwidth) = (pick(2) ? words::kWide : words::kNarrow).In(language);
  }
  return table;
}

TEST(ChannelCsvRoundTrip, ExportImportExportIsStableOnImagesTheCodecWrites) {
  std::mt19937 random(20240611);
  for (int trial = 0; trial < 40; ++trial) {
    RadioImage image;
    for (std::uint8_t& byte : image) byte = static_cast<std::uint8_t>(random());
    EncodeChannels(RandomTable(random), image);

    const std::string first = ChannelsToCsv(DecodeChannels(image, Language::English));
    const ChannelCsvImport imported = ChannelsFromCsv(first, kAny);
    ASSERT_TRUE(imported.errors.empty()) << "trial " << trial << " line " << imported.errors[0].line
                                         << ": " << imported.errors[0].reason;
    RadioImage again = image;
    EncodeChannels(imported.table, again);
    EXPECT_EQ(ChannelsToCsv(DecodeChannels(again, Language::English)), first) << trial;
    EXPECT_EQ(again, image) << trial;
  }
}

}  // namespace
}  // namespace selkan
