#include "editor/cell_commit.h"

#include <gtest/gtest.h>

#include <cstdint>

namespace selkan {
namespace {

constexpr BandLimits kUhf{40000000, 47000000};  // 400 - 470 MHz
constexpr BandLimits kNoBand{0, 0};

const ChannelRow kEmptyRow{};
const ChannelRow kUsedRow{"438.10000", "438.20000", "67.0", "D023N", "Low", "Off", "Narrow"};

CellCommit CommitRx(const ChannelRow& row, std::string_view text, BandLimits band = kUhf) {
  return CommitCell(row, kColRx, text, band, Language::English);
}
CellCommit CommitTx(const ChannelRow& row, std::string_view text, BandLimits band = kUhf) {
  return CommitCell(row, kColTx, text, band, Language::English);
}

TEST(ChannelStep, MultiplesOf5kOr625kHz) {
  EXPECT_TRUE(IsOnChannelStep(43810000));
  EXPECT_TRUE(IsOnChannelStep(43800625));
  EXPECT_TRUE(IsOnChannelStep(0));
  EXPECT_TRUE(IsOnChannelStep(-500));
  EXPECT_FALSE(IsOnChannelStep(43800300));
  EXPECT_FALSE(IsOnChannelStep(43800001));
  EXPECT_FALSE(IsOnChannelStep(INT32_MAX));
  EXPECT_FALSE(IsOnChannelStep(INT32_MIN));
}

TEST(CommitRx, ValidFrequencyCreatesAChannelWithDefaults) {
  const CellCommit c = CommitRx(kEmptyRow, "438.1");
  EXPECT_EQ(c.row, (ChannelRow{"438.10000", "438.10000", "None", "None", "High", "On", "Wide"}));
  EXPECT_EQ(c.message, CellMessage::None);
  EXPECT_FALSE(c.rejected);

  const CellCommit zh = CommitCell(kEmptyRow, kColRx, "438.1", kUhf, Language::Chinese);
  EXPECT_EQ(zh.row, (ChannelRow{"438.10000", "438.10000", "无", "无", "高", "开", "宽"}));
}

// A row whose Rx cell is empty gets the defaults even when other cells hold
// text; a used row only has its Rx cell reformatted.
TEST(CommitRx, DefaultsDependOnTheRxCellAlone) {
  ChannelRow txOnly{};
  Cell(txOnly, kColTx) = "450.00000";
  Cell(txOnly, kColPower) = "Low";
  EXPECT_EQ(CommitRx(txOnly, "440").row,
            (ChannelRow{"440.00000", "440.00000", "None", "None", "High", "On", "Wide"}));

  ChannelRow expected = kUsedRow;
  Cell(expected, kColRx) = "445.00625";
  EXPECT_EQ(CommitRx(kUsedRow, "445.00625").row, expected);
}

TEST(CommitRx, StepAndRangeEdges) {
  EXPECT_EQ(Cell(CommitRx(kUsedRow, "438.00625").row, kColRx), "438.00625");
  EXPECT_EQ(Cell(CommitRx(kUsedRow, "400").row, kColRx), "400.00000");
  EXPECT_EQ(Cell(CommitRx(kUsedRow, "470").row, kColRx), "470.00000");
  // Exact decimal scaling: 145.0125 is 14501250, on the 6.25 kHz raster.
  EXPECT_EQ(Cell(CommitRx(kUsedRow, "145.0125", {13600000, 17400000}).row, kColRx), "145.01250");

  const CellCommit step = CommitRx(kUsedRow, "438.003");
  EXPECT_EQ(step.message, CellMessage::StepError);
  EXPECT_TRUE(step.rejected);
  EXPECT_EQ(step.row, kEmptyRow);

  for (const char* text : {"470.005", "399.995", "-438.1", "0", "abc"}) {
    SCOPED_TRACE(text);
    const CellCommit range = CommitRx(kUsedRow, text);
    EXPECT_EQ(range.message, CellMessage::OutOfRange);
    EXPECT_TRUE(range.rejected);
    EXPECT_EQ(range.row, kEmptyRow);
  }
}

// Out of range wins over off-step: 470.003 fails both.
TEST(CommitRx, RangeIsTestedBeforeStep) {
  EXPECT_EQ(CommitRx(kUsedRow, "470.003").message, CellMessage::OutOfRange);
}

TEST(CommitRx, EmptyTextClearsTheRowWithoutMessage) {
  const CellCommit c = CommitRx(kUsedRow, "");
  EXPECT_EQ(c.row, kEmptyRow);
  EXPECT_EQ(c.message, CellMessage::None);
  EXPECT_FALSE(c.rejected);
}

// The text is read like atof: leading blanks skipped, trailing text ignored.
TEST(CommitRx, TextIsReadAsItsLeadingNumber) {
  EXPECT_EQ(Cell(CommitRx(kUsedRow, "438.125abc").row, kColRx), "438.12500");
  EXPECT_EQ(Cell(CommitRx(kUsedRow, "  438.125").row, kColRx), "438.12500");
  EXPECT_EQ(Cell(CommitRx(kUsedRow, "4.38e2").row, kColRx), "438.00000");
  // A blank is text, not an empty editor: it reads as 0, out of this band.
  const CellCommit blank = CommitRx(kUsedRow, " ");
  EXPECT_EQ(blank.message, CellMessage::OutOfRange);
  EXPECT_EQ(blank.row, kEmptyRow);
}

// Numbers beyond 32 bits of 10 Hz saturate and fail even the widest band;
// "inf" and "nan" are no frequency either.
TEST(CommitRx, HugeAndNonFiniteNumbersAreOutOfRange) {
  const BandLimits widest{INT32_MIN, INT32_MAX};
  for (const char* text : {"1e300", "-1e300", "99999999999", "21474.83648"}) {
    SCOPED_TRACE(text);
    const CellCommit c = CommitRx(kUsedRow, text, widest);
    EXPECT_TRUE(c.rejected);
    EXPECT_NE(c.message, CellMessage::None);
    EXPECT_EQ(c.row, kEmptyRow);
  }
  for (const char* text : {"inf", "-inf", "nan", "1e999"}) {
    SCOPED_TRACE(text);
    const CellCommit c = CommitRx(kUsedRow, text);
    EXPECT_EQ(c.message, CellMessage::OutOfRange);
    EXPECT_EQ(c.row, kEmptyRow);
  }
}

// Without band settings only a text that reads as 0 passes.
TEST(CommitRx, NoBandAcceptsOnlyZero) {
  EXPECT_EQ(CommitRx(kEmptyRow, "0", kNoBand).row,
            (ChannelRow{"0.00000", "0.00000", "None", "None", "High", "On", "Wide"}));
  EXPECT_EQ(Cell(CommitRx(kUsedRow, "x", kNoBand).row, kColRx), "0.00000");
  EXPECT_EQ(Cell(CommitRx(kUsedRow, "-0.000001", kNoBand).row, kColRx), "0.00000");
  EXPECT_EQ(CommitRx(kUsedRow, "0.00001", kNoBand).message, CellMessage::OutOfRange);
}

// More than five decimals: the cell shows the value that was tested, not the
// typed number rounded up past the band or off the raster.
TEST(CommitRx, ExtraDecimalsShowTheTestedValue) {
  EXPECT_EQ(Cell(CommitRx(kUsedRow, "470.000009").row, kColRx), "470.00000");
  EXPECT_EQ(Cell(CommitRx(kUsedRow, "438.1000099").row, kColRx), "438.10000");
  EXPECT_EQ(CommitRx(kUsedRow, "438.099999").message, CellMessage::StepError);
}

TEST(CommitTx, EmptyTextCopiesRx) {
  const CellCommit c = CommitTx(kUsedRow, "");
  ChannelRow expected = kUsedRow;
  Cell(expected, kColTx) = "438.10000";
  EXPECT_EQ(c.row, expected);
  EXPECT_EQ(c.message, CellMessage::None);
  EXPECT_EQ(CommitTx(kEmptyRow, "").row, kEmptyRow);
}

TEST(CommitTx, ValidValueIsFormattedOnlyWhenRxExists) {
  ChannelRow expected = kUsedRow;
  Cell(expected, kColTx) = "445.00000";
  EXPECT_EQ(CommitTx(kUsedRow, "445").row, expected);

  ChannelRow txOnly{};
  Cell(txOnly, kColTx) = "445.00000";
  const CellCommit c = CommitTx(txOnly, "446");
  EXPECT_EQ(c.row, kEmptyRow);
  EXPECT_EQ(c.message, CellMessage::None);
  EXPECT_FALSE(c.rejected);
}

// A bad Tx value empties only the Tx cell.
TEST(CommitTx, RejectedValueEmptiesOnlyTx) {
  ChannelRow expected = kUsedRow;
  Cell(expected, kColTx) = "";

  const CellCommit range = CommitTx(kUsedRow, "470.005");
  EXPECT_EQ(range.message, CellMessage::OutOfRange);
  EXPECT_TRUE(range.rejected);
  EXPECT_EQ(range.row, expected);

  const CellCommit step = CommitTx(kUsedRow, "438.003");
  EXPECT_EQ(step.message, CellMessage::StepError);
  EXPECT_TRUE(step.rejected);
  EXPECT_EQ(step.row, expected);

  // The tests run even when there is no Rx to pair the value with.
  EXPECT_EQ(CommitTx(kEmptyRow, "abc").message, CellMessage::OutOfRange);
}

TEST(CommitListColumns, SetOnlyWhileTheRowHasAFrequency) {
  for (int column = kColDecodeTone; column <= kColBandwidth; ++column) {
    SCOPED_TRACE(column);
    const CellCommit used = CommitCell(kUsedRow, column, "X", kUhf, Language::English);
    ChannelRow expected = kUsedRow;
    Cell(expected, column) = "X";
    EXPECT_EQ(used.row, expected);
    EXPECT_EQ(used.message, CellMessage::None);

    const CellCommit empty = CommitCell(kEmptyRow, column, "High", kUhf, Language::English);
    EXPECT_EQ(empty.row, kEmptyRow);

    ChannelRow stale{};  // an empty row with a leftover list text
    Cell(stale, column) = "Old";
    EXPECT_EQ(CommitCell(stale, column, "New", kUhf, Language::English).row, kEmptyRow);

    ChannelRow txOnly{};
    Cell(txOnly, kColTx) = "445.00000";
    EXPECT_EQ(Cell(CommitCell(txOnly, column, "Y", kUhf, Language::English).row, column), "Y");
  }
}

TEST(CommitCell, ColumnsWithoutAnEditorChangeNothing) {
  for (int column : {-1, 0, 8, 100}) {
    SCOPED_TRACE(column);
    const CellCommit c = CommitCell(kUsedRow, column, "", kUhf, Language::English);
    EXPECT_EQ(c.row, kUsedRow);
    EXPECT_EQ(c.message, CellMessage::None);
    EXPECT_FALSE(c.rejected);
  }
}

}  // namespace
}  // namespace selkan
