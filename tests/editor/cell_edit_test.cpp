// What typing, pasting and clearing do to the channel grid's cells.
#include <gtest/gtest.h>

#include <cstdint>
#include <tuple>

#include "editor/cell_commit.h"
#include "editor/cell_edits.h"
#include "editor/cell_values.h"
#include "editor/clipboard_text.h"

namespace selkan {
namespace {

constexpr BandLimits kUhf{40000000, 47000000};  // 400 - 470 MHz
constexpr BandLimits kVhf{13600000, 17400000};
constexpr BandLimits kNoBand{0, 0};
constexpr CellMessage kOk = CellMessage::None, kRange = CellMessage::OutOfRange,
                      kStep = CellMessage::StepError;

const ChannelRow kEmpty{};
const ChannelRow kUsed{"438.10000", "438.20000", "67.0", "D023N", "Low", "Off", "Narrow"};
const ChannelRow kTxOnly{"", "450.00000", "", "", "Low", "", ""};

ChannelRow With(ChannelRow row, int column, const char* text) {
  Cell(row, column) = text;
  return row;
}
ChannelRow NewChannel(const char* rx) { return {rx, rx, "None", "None", "High", "On", "Wide"}; }

void ExpectCommit(const ChannelRow& row, int column, const char* text, BandLimits band,
                  const ChannelRow& expected, CellMessage message) {
  SCOPED_TRACE(std::string(column == kColRx ? "Rx " : "Tx ") + '"' + text + '"');
  const CellCommit commit = CommitCell(row, column, text, band, Language::English);
  EXPECT_EQ(std::tuple(commit.row, commit.message, commit.rejected),
            std::tuple(expected, message, message != kOk));
}

// A new Rx gives the defaults, even beside other text; texts read like atof; the cell
// shows the 10 Hz value tested, not the typed number rounded up.
TEST(CommitCell, RxFormattedTxRules) {
  ExpectCommit(kEmpty, kColRx, "438.1", kUhf, NewChannel("438.10000"), kOk);
  ExpectCommit(kTxOnly, kColRx, "440", kUhf, NewChannel("440.00000"), kOk);
  EXPECT_EQ(CommitCell(kEmpty, kColRx, "438.1", kUhf, Language::Chinese).row,
            (ChannelRow{"438.10000", "438.10000", "无", "无", "高", "开", "宽"}));
  const std::tuple<const char*, const char*, BandLimits> cases[] = {
      {"445.00625", "445.00625", kUhf},   {"400", "400.00000", kUhf},
      {"470", "470.00000", kUhf},         {"145.0125", "145.01250", kVhf},
      {"438.125abc", "438.12500", kUhf},  {"  438.125", "438.12500", kUhf},
      {"4.38e2", "438.00000", kUhf},      {"470.000009", "470.00000", kUhf},
      {"438.1000099", "438.10000", kUhf}, {"x", "0.00000", kNoBand},
      {"-0.000001", "0.00000", kNoBand}};
  for (const auto& [text, shown, band] : cases)
    ExpectCommit(kUsed, kColRx, text, band, With(kUsed, kColRx, shown), kOk);
  // Numbers beyond 32 bits of 10 Hz saturate, off the raster of even the widest band.
  for (const char* text : {"1e300", "-1e300", "99999999999", "21474.83648"})
    ExpectCommit(kUsed, kColRx, text, {INT32_MIN, INT32_MAX}, kEmpty, kStep);

  // Empty Tx copies Rx; a value is kept only beside an Rx; a bad one empties only Tx.
  ExpectCommit(kUsed, kColTx, "", kUhf, With(kUsed, kColTx, "438.10000"), kOk);
  ExpectCommit(kEmpty, kColTx, "", kUhf, kEmpty, kOk);
  ExpectCommit(kUsed, kColTx, "445", kUhf, With(kUsed, kColTx, "445.00000"), kOk);
  ExpectCommit(With(kEmpty, kColTx, "445.00000"), kColTx, "446", kUhf, kEmpty, kOk);
  ExpectCommit(kUsed, kColTx, "470.005", kUhf, With(kUsed, kColTx, ""), kRange);
  ExpectCommit(kUsed, kColTx, "438.003", kUhf, With(kUsed, kColTx, ""), kStep);
  ExpectCommit(kEmpty, kColTx, "abc", kUhf, kEmpty, kRange);
}

const ChannelRow kFilled{"440.00000", "445.00000", "88.5", "D023N", "Low", "Off", "Narrow"};
using Rows = std::vector<std::vector<std::string>>;

std::string Reasons(const PasteOutcome& outcome) {
  std::string out;
  for (const PasteRefusal& r : outcome.refusals)
    out += std::to_string(r.channel) + ":" + std::to_string(r.column) + ":" + r.value + ":" +
           std::to_string(static_cast<int>(r.reason)) + "x" + std::to_string(r.count) + " ";
  return out;
}

TEST(PasteAndClearCells, TextParsedRefusedValuesEdgesOfTheGridReceiveOnlyRowsAndClearing) {
  const std::tuple<const char*, Rows, std::vector<int>> cases[] = {
      // Spreadsheets end every row with a line end; an empty row stays a row.
      {"438.1\t438.1\n\t\n439\t\n", {{"438.1", "438.1"}, {"", ""}, {"439", ""}}, {}},
      {"438.1\n\n439", {{"438.1"}, {""}, {"439"}}, {}},
      {"438.1,,None\r\n", {{"438.1", "", "None"}}, {}},
      {"\"1\n2\"\tx\n", {{"1\n2", "x"}}, {}},
      // Quotes that do not parse are taken as they stand.
      {"5\" tall\tx\r\n", {{"5\" tall", "x"}}, {}},
      // Headers: the export's, titles in any order and case, Chinese ones.
      {"CH,Rx Frequency,Tx Frequency,QT/DQT Dec,QT/DQT Enc,Power,Scan,W/N\r\n3,438.1,,,,,,\r\n",
       {{"3", "438.1", "", "", "", "", "", ""}},
       {0, 1, 2, 3, 4, 5, 6, 7}},
      {"w/n\tRX FREQUENCY\nWide\t438.1\n", {{"Wide", "438.1"}}, {7, 1}},
      {"功率\t接收频率\n高\t438.1\n", {{"高", "438.1"}}, {5, 1}},
      {"ch\trx frequency\n2\t438.1\n", {{"2", "438.1"}}, {0, 1}},
      // Not headers: a title twice, the channel number alone, any other word.
      {"Power\tPower\n", {{"Power", "Power"}}, {}},
      {"CH\n1\n", {{"CH"}, {"1"}}, {}},
      {"Power\tWatts\n", {{"Power", "Watts"}}, {}},
      {"", {}, {}},
  };
  EXPECT_TRUE(SameLetters("AZaz", "azAZ") && !SameLetters("@", "`") && !SameLetters("[", "{"));
  for (const auto& [text, rows, columns] : cases) {
    const PastedBlock block = ParsePastedText(text);
    EXPECT_EQ(std::pair(block.rows, block.columns), std::pair(rows, columns)) << text;
  }
  // Copied cells that hold separators, quotes or line ends paste back as they were.
  ChannelTable table;
  table[0] = {"a\tb", "5\" tall", "1\n2", "x"};
  EXPECT_EQ(ParsePastedText(CellsAsTabText(table, {1, 1, 1, 4})).rows,
            (Rows{{"a\tb", "5\" tall", "1\n2", "x"}}));

  table[0] = table[1] = kFilled;
  const auto paste = [&](CellRange target, const std::string& text) {
    return PasteCells(table, target, ParsePastedText(text), kUhf, Language::English);
  };
  const PasteOutcome got = paste({1, 1, 1, 1},
                                 "470.005\t438.003\t\t67.05\tMax\n"  // range, step, tone, word
                                 "\t\n"                              // clears channel 2
                                 "\t440\tNone\n");                   // no Rx on channel 3
  EXPECT_EQ(Reasons(got),
            "1:1:470.005:0x1 1:2:438.003:1x1 1:4:67.05:2x1 1:5:Max:3x1 "
            "3:2:440:4x1 3:3:None:4x1 ");
  EXPECT_EQ(got.table[0], With(kFilled, kColDecodeTone, "None"));  // an empty Dec resets it
  EXPECT_TRUE(got.table[1] == ChannelRow{} && got.table[2] == ChannelRow{});

  // From channel 199 and from W/N on, what has no cell counts once per kind.
  const PasteOutcome edge = paste({199, 6, 199, 6}, "On\tWide\tx\nOn\tWide\tx\n");
  EXPECT_EQ(Reasons(edge), "199:6:On:4x1 199:7:Wide:4x1 0:0::5x3 0:0::6x1 ");
  // One value fills a whole selection, trimmed as when pasted into one cell.
  const PasteOutcome fill = paste({1, 5, 2, 6}, " High \n");
  EXPECT_EQ(Reasons(fill) + fill.table[1][4], "1:6:High:3x1 2:6:High:3x1 High");
  // With a header the columns come by name, Rx first, from the target's channel.
  const PasteOutcome named = paste({5, 4, 5, 4}, "Tx Frequency,CH,Rx Frequency\n438.2,1,438.1,x\n");
  EXPECT_EQ(named.table[4], With(NewChannel("438.10000"), kColTx, "438.20000"));
  EXPECT_EQ(Reasons(named), "0:0::6x1 ");  // a value past the names has no cell
  EXPECT_EQ(named.pasted, (CellRange{5, 1, 5, 2}));

  // Receive-only rows stay receive-only; a bad tone keeps the whole row out.
  const PasteOutcome rxOnly = paste({1, 1, 1, 1},
                                    "438.1\t\t\tD023N\t\t\t\n"
                                    "438.1\t\tNone\t69.9\t\t\t\n");
  EXPECT_EQ(rxOnly.table[0], (ChannelRow{"438.10000", "", "", "D023N", "", "", ""}));
  EXPECT_EQ(Reasons(rxOnly), "2:4:69.9:2x1 ");
  EXPECT_EQ(rxOnly.table[1], kFilled);
  // Fewer than seven cells, or a Tx among them, is no receive-only row.
  EXPECT_EQ(paste({3, 1, 3, 1}, "438.1\t\n").table[2][1], "438.10000");
  EXPECT_EQ(paste({3, 1, 3, 1}, "438.1\t439\t67.0\t\t\t\t\n").table[2],
            (ChannelRow{"438.10000", "439.00000", "67.0", "None", "High", "On", "Wide"}));

  // Clearing empties each cell as typing would.
  table[2] = kFilled;
  table[3] = {"", "445.00000", "", "", "", "", ""};  // Tx without Rx, from a record
  ChannelTable out = ClearCells(table, {1, 2, 4, 7}, Language::English);
  EXPECT_EQ(std::pair(out[0], out[3]), std::pair(NewChannel("440.00000"), ChannelRow{}));
  out = ClearCells(table, {2, 1, 2, 1}, Language::Chinese);
  EXPECT_TRUE(out[1] == ChannelRow{} && out[2] == kFilled);
}

}  // namespace
}  // namespace selkan
