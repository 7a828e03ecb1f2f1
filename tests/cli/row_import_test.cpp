#include "tools/cli/row_import.h"

#include <gtest/gtest.h>

namespace selkan::cli {
namespace {

constexpr BandLimits kUhf{40000000, 47000000};
constexpr BandLimits kAny{1000000, 99999999};

ChannelRow Cells(std::string rx, std::string tx, std::string dec, std::string enc,
                 std::string power, std::string scan, std::string wn) {
  return {rx, tx, dec, enc, power, scan, wn};
}

TEST(ImportChannelCells, FullRowIsTakenAndFrequenciesNormalised) {
  const RowImport got = ImportChannelCells(
      Cells("438.1", "438.00625", "67.0", "D023N", "Middle", "Off", "Narrow"), kUhf);
  EXPECT_TRUE(got.problems.empty());
  EXPECT_EQ(got.row, Cells("438.10000", "438.00625", "67.0", "D023N", "Middle", "Off", "Narrow"));
}

TEST(ImportChannelCells, RxAloneGivesTheRowDefaultsWithNoneTonesAsGiven) {
  // A row with only Power given is a typed row: the empty Tx means "same as Rx".
  const RowImport typed = ImportChannelCells(Cells("438.1", "", "", "", "Low", "", ""), kUhf);
  EXPECT_TRUE(typed.problems.empty());
  EXPECT_EQ(typed.row, Cells("438.10000", "438.10000", "None", "None", "Low", "On", "Wide"));
}

TEST(ImportChannelCells, ReceiveOnlyRowKeepsItsTxEmpty) {
  const RowImport bare = ImportChannelCells(Cells("438.1", "", "", "", "", "", ""), kUhf);
  EXPECT_TRUE(bare.problems.empty());
  EXPECT_EQ(bare.row, Cells("438.10000", "", "", "", "", "", ""));

  const RowImport toned = ImportChannelCells(Cells("438.1", "", "", "D754I", "", "", ""), kUhf);
  EXPECT_TRUE(toned.problems.empty());
  EXPECT_EQ(toned.row, Cells("438.10000", "", "", "D754I", "", "", ""));
}

TEST(ImportChannelCells, ChineseWordsAreAccepted) {
  const RowImport got = ImportChannelCells(Cells("438.1", "", "无", "无", "中", "关", "窄"), kUhf);
  EXPECT_TRUE(got.problems.empty());
  EXPECT_EQ(got.row, Cells("438.10000", "438.10000", "无", "无", "中", "关", "窄"));
}

TEST(ImportChannelCells, BandEdgesAreInclusive) {
  EXPECT_TRUE(ImportChannelCells(Cells("400", "470", "", "", "", "", ""), kUhf).problems.empty());
  EXPECT_TRUE(
      ImportChannelCells(Cells("10", "999.995", "", "", "", "", ""), kAny).problems.empty());
}

TEST(ImportChannelCells, RejectedFrequenciesCarryTheGridMessage) {
  const RowImport high = ImportChannelCells(Cells("470.005", "", "", "", "", "", ""), kUhf);
  ASSERT_EQ(high.problems.size(), 1u);
  EXPECT_NE(high.problems[0].find("Out of range,please input again."), std::string::npos);
  EXPECT_EQ(high.row, ChannelRow{});

  const RowImport step = ImportChannelCells(Cells("438.1", "438.003", "", "", "", "", ""), kUhf);
  ASSERT_EQ(step.problems.size(), 1u);
  EXPECT_NE(
      step.problems[0].find("Error data Value, please input according the step value(6.25K/5k)."),
      std::string::npos);
  EXPECT_NE(step.problems[0].find("Tx Frequency"), std::string::npos);

  // Text that reads as no number is 0 MHz: below every band.
  EXPECT_EQ(ImportChannelCells(Cells("abc", "", "", "", "", "", ""), kAny).problems.size(), 1u);
}

TEST(ImportChannelCells, UnknownWordsAndTonesAreEachReported) {
  const RowImport got =
      ImportChannelCells(Cells("438.1", "", "67", "D023", "high", "Yes", "wide"), kUhf);
  EXPECT_EQ(got.problems.size(), 5u);
  for (const char* tone : {"None ", "none", "67.00", "D23N", "D023n", "D023N ", "X", "D99999N"}) {
    EXPECT_EQ(ImportChannelCells(Cells("438.1", "", tone, "", "", "", ""), kUhf).problems.size(),
              1u)
        << tone;
  }
}

TEST(ImportChannelCells, TonesOutsideTheListThatARecordCanShowAreAccepted) {
  // 12.3 Hz is no list entry, but a record holding 0x23 0x01 shows it so.
  const RowImport got = ImportChannelCells(Cells("438.1", "", "12.3", "", "", "", ""), kUhf);
  EXPECT_TRUE(got.problems.empty());
  EXPECT_EQ(Cell(got.row, kColDecodeTone), "12.3");
}

TEST(ImportChannelCells, EmptyRxWithOtherCellsIsAnError) {
  EXPECT_TRUE(ImportChannelCells(ChannelRow{}, kUhf).problems.empty());
  const ChannelRow valid = Cells("", "438.1", "None", "67.0", "High", "On", "Wide");
  for (int column = kColTx; column <= kColBandwidth; ++column) {
    ChannelRow cells{};
    Cell(cells, column) = Cell(valid, column);
    const RowImport got = ImportChannelCells(cells, kUhf);
    EXPECT_EQ(got.problems.size(), 1u) << column;
    EXPECT_EQ(got.row, ChannelRow{});
  }
}

TEST(CellMessageText, EnglishTextsOfTheGridMessages) {
  EXPECT_EQ(CellMessageText(CellMessage::None), "");
  EXPECT_EQ(CellMessageText(CellMessage::OutOfRange), "Out of range,please input again.");
}

}  // namespace
}  // namespace selkan::cli
