#include "editor/row_import.h"

#include <gtest/gtest.h>

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
      // With any cell after Rx given, the empty Tx means "same as Rx" and the
      // rest take the row defaults.
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
      {{"470.005", "", "", "", "", "", ""}, kUhf, 1, "Out of range,please input again."},
      {{"438.1", "438.003", "", "", "", "", ""},
       kUhf,
       1,
       "Tx Frequency"},                                // with the step message below
      {{"abc", "", "", "", "", "", ""}, kAny, 1, ""},  // no number: 0 MHz, below every band
      {{"438.1", "", "67", "D023", "high", "Yes", "wide"}, kUhf, 5, ""},
      // Rx empty while another cell than Tx and the tones is given, or
      // tones without a frequency; a transmit-only Tx out of the band.
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
    if (c.cells[0] != "438.1") {
      EXPECT_EQ(got.row, ChannelRow{});
    }
  }
  EXPECT_NE(ImportChannelCells({"438.1", "438.003", "", "", "", "", ""}, kUhf)
                .problems[0]
                .find("Error data Value, please input according the step value(6.25K/5k)."),
            std::string::npos);
  for (const char* tone : {"None ", "none", "67.00", "D23N", "D023n", "D023N ", "X", "D99999N"}) {
    EXPECT_EQ(ImportChannelCells({"438.1", "", tone, "", "", "", ""}, kUhf).problems.size(), 1u)
        << tone;
  }
}

}  // namespace
}  // namespace selkan
