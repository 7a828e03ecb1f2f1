// Rows taken in from CSV files of this program and of radio lists.
#include <gtest/gtest.h>

#include "editor/channel_csv.h"
#include "editor/radio_list_csv.h"
#include "editor/row_import.h"

namespace selkan {
namespace {

constexpr BandLimits kUhf{40000000, 47000000};
constexpr BandLimits kAny{1000000, 99999999};

TEST(ImportChannelCells, AcceptedRowsAreNormalised) {
  const struct {
    ChannelRow cells, row;
  } cases[] = {
      {{"438.1", "438.00625", "67.0", "D023N", "Middle", "Off", "Narrow"},
       {"438.10000", "438.00625", "67.0", "D023N", "Middle", "Off", "Narrow"}},
      // Any cell after Rx given: empty Tx means "same as Rx", the rest defaults.
      {{"438.1", "", "", "", "Low", "", ""},
       {"438.10000", "438.10000", "None", "None", "Low", "On", "Wide"}},
      {{"438.1", "", "无", "无", "中", "关", "窄"},
       {"438.10000", "438.10000", "无", "无", "中", "关", "窄"}},
      // Receive-only rows keep Tx empty.
      {{"438.1", "", "", "", "", "", ""}, {"438.10000", "", "", "", "", "", ""}},
      {{"438.1", "", "", "D754I", "", "", ""}, {"438.10000", "", "", "D754I", "", "", ""}},
      // 12.3 Hz is no list entry, but a record holding 0x23 0x01 shows it so.
      {{"438.1", "", "12.3", "", "", "", ""}, {"438.10000", "", "12.3", "", "", "", ""}},
      // Transmit-only rows keep Rx empty.
      {{"", "438.1", "", "", "", "", ""}, {"", "438.10000", "", "", "", "", ""}},
      {{"", "446.00625", "67.0", "D023N", "", "", ""},
       {"", "446.00625", "67.0", "D023N", "", "", ""}},
      {{}, {}},
  };
  for (const auto& c : cases) {
    const RowImport got = ImportChannelCells(c.cells, kUhf);
    EXPECT_TRUE(got.problems.empty()) << c.cells[0] << " " << c.cells[2];
    EXPECT_EQ(got.row, c.row) << c.cells[0] << " " << c.cells[2];
  }
  // Band edges are inclusive.
  EXPECT_TRUE(ImportChannelCells({"400", "470", "", "", "", "", ""}, kUhf).problems.empty());
  EXPECT_TRUE(ImportChannelCells({"10", "999.995", "", "", "", "", ""}, kAny).problems.empty());
}

TEST(ImportChannelCells, EachBadCellIsReported) {
  const struct {
    ChannelRow cells;
    BandLimits band;
    std::size_t problems;
    const char* text;  // in the first problem
  } cases[] = {
      {{"470.005", "", "", "", "", "", ""}, kUhf, 1, "Out of range"},
      {{"438.1", "438.003", "", "", "", "", ""}, kUhf, 1, "step value"},
      {{"abc", "", "", "", "", "", ""}, kAny, 1, ""},  // no number: 0 MHz, below every band
      {{"438.1", "", "67", "D023", "high", "Yes", "wide"}, kUhf, 5, ""},
      // Settings without Rx, tones without a frequency, a lone Tx out of band.
      {{"", "438.1", "", "", "Low", "", ""}, kUhf, 1, ""},
      {{"", "470.005", "67.0", "", "", "", ""}, kUhf, 1, "Tx Frequency \"470.005\": Out of range"},
      {{"", "", "None", "", "", "", ""}, kUhf, 1, ""},
      {{"", "", "", "67.0", "", "", ""}, kUhf, 1, ""},
      {{"", "", "", "", "High", "", ""}, kUhf, 1, ""},
      {{"", "", "", "", "", "On", ""}, kUhf, 1, ""},
      {{"", "", "", "", "", "", "Wide"}, kUhf, 1, ""},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.cells[0] + "|" + c.cells[1] + "|" + c.cells[2]);
    const RowImport got = ImportChannelCells(c.cells, c.band);
    ASSERT_EQ(got.problems.size(), c.problems);
    EXPECT_NE(got.problems[0].find(c.text), std::string::npos) << got.problems[0];
    // A row whose Rx is refused or missing is not taken at all.
    EXPECT_TRUE(c.cells[0] == "438.1" || got.row == ChannelRow{});
  }
  for (const char* tone : {"None ", "none", "67.00", "D23N", "D023n", "D023N ", "X", "D99999N"}) {
    EXPECT_EQ(ImportChannelCells({"438.1", "", tone, "", "", "", ""}, kUhf).problems.size(), 1u)
        << tone;
  }
}

const std::string kCsvHeader(kChannelCsvHeader);

TEST(ChannelsFromCsv, RowsInAnyOrderOthersEmpty) {
  const ChannelCsvImport got = ChannelsFromCsv(
      "\xEF\xBB\xBF" + kCsvHeader + "\n199,470,,,,,,\n1,400,,,,Low,,\n\n50,,,,,,,\n", kUhf);
  ASSERT_TRUE(got.errors.empty()) << got.errors[0].reason;
  EXPECT_EQ(got.table[198], (ChannelRow{"470.00000", "", "", "", "", "", ""}));
  EXPECT_EQ(got.table[0],
            (ChannelRow{"400.00000", "400.00000", "None", "None", "Low", "On", "Wide"}));
  for (int i = 1; i < 198; ++i) EXPECT_EQ(got.table[i], ChannelRow{}) << i;
  // The header alone clears every channel.
  EXPECT_TRUE(ChannelsFromCsv(kCsvHeader, kUhf).errors.empty());
  EXPECT_EQ(ChannelsFromCsv(kCsvHeader, kUhf).table, ChannelTable{});
}

TEST(ChannelsFromCsv, EveryBadLineIsReportedInLineOrder) {
  const std::string csv = kCsvHeader +
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
      kCsvHeader + "\n\"1\",\"438.1\",,,,\"High\",,\n2,\"438.1\n\",,,,,,\n3,x,,,,,,\n", kUhf);
  // Record 2 spans lines 3-4: the number text "438.1\n" reads as 438.1 like
  // a typed value; record 3 starts on line 5 and fails the range test.
  ASSERT_EQ(got.errors.size(), 1u);
  EXPECT_EQ(got.errors[0].line, 5);
  EXPECT_EQ(Cell(got.table[0], kColPower), "High");
  EXPECT_EQ(Cell(got.table[1], kColRx), "438.10000");
}

const std::string kListHeader =
    "Location,Name,Frequency,Duplex,Offset,Tone,rToneFreq,cToneFreq,DtcsCode,DtcsPolarity,"
    "RxDtcsCode,CrossMode,Mode,TStep,Skip,Power,Comment,URCALL\r\n";

TEST(RadioListCsv, EveryColumnMapsOntoTheChannel) {
  const std::string csv =
      kListHeader +
      "1,Simplex,446.006250,,0.000000,,88.5,88.5,023,NN,023,Tone->Tone,NFM,6.25,,1.0W,,\r\n"
      "2,Repeater,442.500000,+,5.000000,Tone,100.0,88.5,023,NN,023,Tone->Tone,FM,5.00,,4W,,\r\n"
      "3,Down,445.000000,-,5.000000,TSQL,88.5,127.3,023,NN,023,Tone->Tone,FM,5.00,S,Mid,,\r\n"
      "4,Split,440.100000,split,450.200000,DTCS,88.5,88.5,023,NR,023,Tone->Tone,FM,5.00,,2.0W,,\r\n"
      "5,Listen,462.562500,off,0.000000,,88.5,88.5,023,NN,023,Tone->Tone,NFM,12.50,,Low,,\r\n"
      "6,X1,440.000000,,0.000000,Cross,67.0,88.5,023,NR,754,Tone->DTCS,FM,5.00,P,High,,\r\n"
      "7,X2,440.000000,,0.000000,Cross,67.0,88.5,131,RN,754,DTCS->,FM,5.00,,Low,,\r\n"
      "8,X3,440.000000,,0.000000,Cross,67.0,88.5,131,NN,754,->Tone,FM,5.00,,Low,,\r\n"
      "30,X4,440.000000,,0.000000,Cross,67.0,88.5,23,NN,754,DTCS->DTCS,FM,5.00,,Low,,\r\n";
  const ChannelCsvImport got = ImportChannelCsv(csv, kUhf);
  ASSERT_TRUE(got.errors.empty()) << got.errors[0].reason;
  const std::vector<std::pair<int, ChannelRow>> expected = {
      {1, {"446.00625", "446.00625", "None", "None", "Low", "On", "Narrow"}},
      {2, {"442.50000", "447.50000", "None", "100.0", "High", "On", "Wide"}},
      {3, {"445.00000", "440.00000", "127.3", "127.3", "Middle", "Off", "Wide"}},
      {4, {"440.10000", "450.20000", "D023I", "D023N", "Middle", "On", "Wide"}},
      {5, {"462.56250", "", "", "", "", "", ""}},  // receive only
      {6, {"440.00000", "440.00000", "D754I", "67.0", "High", "On", "Wide"}},
      {7, {"440.00000", "440.00000", "None", "D131I", "Low", "On", "Wide"}},
      {8, {"440.00000", "440.00000", "88.5", "None", "Low", "On", "Wide"}},
      {30, {"440.00000", "440.00000", "D754N", "D023N", "Low", "On", "Wide"}},
  };
  for (const auto& [channel, row] : expected) EXPECT_EQ(got.table[channel - 1], row) << channel;
  EXPECT_EQ(got.table[8], ChannelRow{});  // Location picked channel 30, not 9
}

}  // namespace
}  // namespace selkan
