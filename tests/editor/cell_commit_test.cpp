#include "editor/cell_commit.h"

#include <gtest/gtest.h>

#include <cstdint>

namespace selkan {
namespace {

constexpr BandLimits kUhf{40000000, 47000000};  // 400 - 470 MHz
constexpr BandLimits kVhf{13600000, 17400000};
constexpr BandLimits kNoBand{0, 0};
constexpr CellMessage kOk = CellMessage::None;
constexpr CellMessage kRange = CellMessage::OutOfRange;
constexpr CellMessage kStep = CellMessage::StepError;

const ChannelRow kEmpty{};
const ChannelRow kUsed{"438.10000", "438.20000", "67.0", "D023N", "Low", "Off", "Narrow"};
const ChannelRow kTxOnly{"", "450.00000", "", "", "Low", "", ""};

ChannelRow With(ChannelRow row, int column, const char* text) {
  Cell(row, column) = text;
  return row;
}
ChannelRow NewChannel(const char* frequency) {
  return {frequency, frequency, "None", "None", "High", "On", "Wide"};
}

void ExpectCommit(const ChannelRow& row, int column, const char* text, BandLimits band,
                  const ChannelRow& expected, CellMessage message) {
  SCOPED_TRACE(std::string(column == kColRx ? "Rx " : "Tx ") + '"' + text + '"');
  const CellCommit commit = CommitCell(row, column, text, band, Language::English);
  EXPECT_EQ(commit.row, expected);
  EXPECT_EQ(commit.message, message);
  EXPECT_EQ(commit.rejected, message != kOk);
}

// A new Rx gives the defaults, even when other cells hold text; a used row
// only has its Rx reformatted. Texts are read like atof, and the cell shows
// the 10 Hz value that was tested, not the typed number rounded up.
TEST(CommitRx, AcceptedValueIsFormatted) {
  ExpectCommit(kEmpty, kColRx, "438.1", kUhf, NewChannel("438.10000"), kOk);
  ExpectCommit(kTxOnly, kColRx, "440", kUhf, NewChannel("440.00000"), kOk);
  ExpectCommit(kEmpty, kColRx, "0", kNoBand, NewChannel("0.00000"), kOk);
  EXPECT_EQ(CommitCell(kEmpty, kColRx, "438.1", kUhf, Language::Chinese).row,
            (ChannelRow{"438.10000", "438.10000", "无", "无", "高", "开", "宽"}));
  const struct {
    const char* text;
    BandLimits band;
    const char* shown;
  } cases[] = {{"445.00625", kUhf, "445.00625"},   {"400", kUhf, "400.00000"},
               {"470", kUhf, "470.00000"},         {"145.0125", kVhf, "145.01250"},
               {"438.125abc", kUhf, "438.12500"},  {"  438.125", kUhf, "438.12500"},
               {"4.38e2", kUhf, "438.00000"},      {"470.000009", kUhf, "470.00000"},
               {"438.1000099", kUhf, "438.10000"}, {"x", kNoBand, "0.00000"},
               {"-0.000001", kNoBand, "0.00000"}};
  for (const auto& c : cases) {
    ExpectCommit(kUsed, kColRx, c.text, c.band, With(kUsed, kColRx, c.shown), kOk);
  }
}

// Empty Tx copies Rx; a value is kept only beside an Rx; a bad value empties
// only Tx, and is tested even without an Rx.
TEST(CommitTx, RulesOfTheTxCell) {
  ExpectCommit(kUsed, kColTx, "", kUhf, With(kUsed, kColTx, "438.10000"), kOk);
  ExpectCommit(kEmpty, kColTx, "", kUhf, kEmpty, kOk);
  ExpectCommit(kUsed, kColTx, "445", kUhf, With(kUsed, kColTx, "445.00000"), kOk);
  ExpectCommit(With(kEmpty, kColTx, "445.00000"), kColTx, "446", kUhf, kEmpty, kOk);
  ExpectCommit(kUsed, kColTx, "470.005", kUhf, With(kUsed, kColTx, ""), kRange);
  ExpectCommit(kUsed, kColTx, "438.003", kUhf, With(kUsed, kColTx, ""), kStep);
  ExpectCommit(kEmpty, kColTx, "abc", kUhf, kEmpty, kRange);
}

// Numbers beyond 32 bits of 10 Hz saturate and fail even the widest band.
TEST(CommitFrequency, HugeNumbersFailEvenTheWidestBand) {
  for (const char* text : {"1e300", "-1e300", "99999999999", "21474.83648"}) {
    SCOPED_TRACE(text);
    const CellCommit c = CommitCell(kUsed, kColRx, text, {INT32_MIN, INT32_MAX}, Language::English);
    EXPECT_TRUE(c.rejected);
    EXPECT_NE(c.message, kOk);
    EXPECT_EQ(c.row, kEmpty);
  }
}

}  // namespace
}  // namespace selkan
