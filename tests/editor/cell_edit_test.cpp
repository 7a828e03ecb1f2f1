// What typing, pasting and clearing do to the channel grid's cells, and row commands to its rows.
#include <gtest/gtest.h>

#include <cstdint>
#include <tuple>

#include "editor/cell_commit.h"
#include "editor/cell_edits.h"
#include "editor/cell_values.h"
#include "editor/clipboard_text.h"
#include "editor/document_change.h"
#include "editor/row_commands.h"

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

// Channel n holds Rx "n" and record bytes n, n+1, ...; byte 15, uninterpreted, is n.
DocumentState Numbered(int used) {
  DocumentState state{ChannelTable(), BlankImage()};
  for (int n = 1; n <= used; ++n) {
    state.channels[n - 1] = {std::to_string(n), "", "", "", "", "", ""};
    std::uint8_t* record = state.image.data() + offset::Channel(n);
    for (int i = 0; i < 16; ++i) record[i] = static_cast<std::uint8_t>(n + i);
  }
  return state;
}

// "Rx/mark" of every channel from first to last, "-" for an empty one.
std::string Order(const DocumentState& state, int first, int last) {
  std::string out;
  for (int n = first; n <= last; ++n) {
    const std::string& rx = state.channels[n - 1][0];
    const int mark = state.image[offset::Channel(n) + 15];
    out += (rx.empty() ? "-" : rx) + "/" + (mark == 0xFF ? "-" : std::to_string(mark - 15)) + " ";
  }
  return out;
}

TEST(RowCommands, EdgesAreRefusedOrKeptAndThePriorityChannelFollowsItsChannel) {
  using enum RowCommand;
  using enum RowCommandRefusal;
  constexpr RowCommandRefusal kInUse = LastChannelsInUse;
  // Inserting needs that many empty channels at the end; any filled cell is use.
  const DocumentState full = Numbered(offset::kChannelCount), part = Numbered(197);
  DocumentState tx199 = part;
  tx199.channels[198][1] = "145.00000";
  const std::tuple<const DocumentState&, RowCommand, ChannelBlock, RowCommandRefusal> refusals[] = {
      {full, InsertEmpty, {50, 1}, kInUse},  {full, MoveUp, {1, 3}, AtTop},
      {full, MoveDown, {197, 3}, AtBottom},  {full, Delete, {199, 2}, NoChannels},
      {full, Delete, {0, 1}, NoChannels},    {part, InsertEmpty, {197, 2}, None},
      {part, InsertEmpty, {197, 3}, kInUse}, {tx199, InsertEmpty, {1, 1}, kInUse}};
  for (const auto& [state, command, block, refusal] : refusals)
    EXPECT_EQ(RunRowCommand(state, command, block).refusal, refusal) << block.first;
  EXPECT_EQ(RunRowCommand(full, InsertEmpty, {50, 1}).state.channels, full.channels);

  const RowCommandOutcome tail = RunRowCommand(full, Delete, {197, 2});
  EXPECT_EQ(Order(tail.state, 195, 199), "195/195 196/196 199/199 -/- -/- ");
  EXPECT_EQ(Order(RunRowCommand(full, MoveUp, {197, 3}).state, 195, 199),
            "195/195 197/197 198/198 199/199 196/196 ");
  EXPECT_EQ(RunRowCommand(full, MoveDown, {5, 3}).block.first, 6);

  // The priority channel follows its channel; Off (0), and values that name no channel, stay.
  const std::tuple<int, RowCommand, ChannelBlock, int> priorities[] = {
      {4, InsertEmpty, {2, 3}, 7}, {4, InsertEmpty, {5, 3}, 4}, {4, Delete, {1, 2}, 2},
      {4, Delete, {3, 2}, 0},      {4, MoveDown, {4, 1}, 5},    {4, MoveDown, {5, 2}, 4},
      {199, Delete, {1, 1}, 198},  {0, Delete, {1, 1}, 0},      {255, Delete, {1, 1}, 255}};
  DocumentState state = Numbered(10);
  for (const auto& [before, command, block, after] : priorities) {
    state.image[offset::kPriorityChannel] = static_cast<std::uint8_t>(before);
    EXPECT_EQ(RunRowCommand(state, command, block).state.image[offset::kPriorityChannel], after)
        << before << " " << block.first;
  }
}

TEST(DocumentChange, OnlyWhatDiffersIsKept) {
  DocumentState before{ChannelTable(), BlankImage()}, after = before;
  after.image[0] = 1, after.image[kImageSize - 1] = 4;  // the very first and the very last byte
  after.image[offset::kRadioType] = 2, after.image[offset::kBandIndex] = 3;  // neighbours: one run
  const DocumentChange change = DiffStates(before, after);
  ASSERT_EQ(change.bytes.size(), 3u);
  EXPECT_EQ(change.bytes[1].offset, offset::kRadioType);
  EXPECT_EQ(change.bytes[1].after, (std::vector<std::uint8_t>{2, 3}));
  EXPECT_TRUE(change.rows.empty() && !ChangedCells(change));
  RadioImage image = before.image;
  ApplyBytes(change, ChangeSide::After, image);
  EXPECT_EQ(image, after.image);
  DocumentChange past = change;  // a damaged change, its run past the image's end: what fits
  past.bytes.back().after.push_back(5);
  ApplyBytes(past, ChangeSide::After, image);
  EXPECT_EQ(image, after.image);

  // An undo shows one block over every changed cell, not a changed row's other cells.
  Cell(after.channels[4], kColTx) = "x";                 // channel 5
  after.channels[198] = {"a", "", "", "", "", "", "w"};  // the last channel
  EXPECT_EQ(ChangedCells(DiffStates(before, after)), (CellRange{5, kColRx, 199, kColBandwidth}));
  after.channels[198] = {};
  EXPECT_EQ(ChangedCells(DiffStates(before, after)), (CellRange{5, kColTx, 5, kColTx}));
}

}  // namespace
}  // namespace selkan
