// What typing, pasting and clearing do to the channel grid's cells, and row commands to its rows.
// Then channel lists from files (own, multi-radio programs', repeater directories; hand-made in
// lists/), each row taken as typing and pasting take it, then placed into the list; and the
// multi-radio programs' list written and read back.
#include <gtest/gtest.h>

#include <cstdint>
#include <tuple>

#include "editor/cell_commit.h"
#include "editor/cell_edits.h"
#include "editor/cell_values.h"
#include "editor/channel_csv.h"
#include "editor/channel_list_import.h"
#include "editor/clipboard_text.h"
#include "editor/document_change.h"
#include "editor/radio_list_export.h"
#include "editor/row_commands.h"
#include "editor/row_import.h"
#include "tests/support/files_test.h"

namespace selkan {
namespace {

constexpr BandLimits kUhf{40000000, 47000000};  // 400 - 470 MHz
constexpr BandLimits kVhf{13600000, 17400000};
constexpr BandLimits kNoBand{0, 0};
constexpr BandLimits kAny{1000000, 99999999};  // every frequency a record holds
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

  table[2] = kFilled;                                // Clearing empties each cell as typing would.
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
  const RowCommandOutcome down = RunRowCommand(full, MoveDown, {5, 3});
  EXPECT_EQ(Order(down.state, 4, 9) + std::to_string(down.block.first),
            "4/4 8/8 5/5 6/6 7/7 9/9 6");

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
  past.bytes.back().after.push_back(5), ApplyBytes(past, ChangeSide::After, image);
  EXPECT_EQ(image, after.image);

  // An undo shows one block over every changed cell, not a changed row's other cells.
  Cell(after.channels[4], kColTx) = "x";                 // channel 5
  after.channels[198] = {"a", "", "", "", "", "", "w"};  // the last channel
  EXPECT_EQ(ChangedCells(DiffStates(before, after)), (CellRange{5, kColRx, 199, kColBandwidth}));
  after.channels[198] = {};
  EXPECT_EQ(ChangedCells(DiffStates(before, after)), (CellRange{5, kColTx, 5, kColTx}));
}

std::string List(const std::string& name) {
  return test::ReadBytes(std::string(SELKAN_SOURCE_DIR) + "/tests/editor/lists/" + name);
}

std::string Problems(const std::vector<CsvError>& errors) {
  std::string text;
  for (const CsvError& error : errors)
    text += std::to_string(error.line) + ": " + EnglishText(error.reason) + "\n";
  return text;
}

using Channels = std::vector<std::pair<int, ChannelRow>>;  // every other channel empty

std::string Lines(const std::vector<UserMessage>& messages) {
  std::string text;
  for (const UserMessage& message : messages) text += EnglishText(message) + "\n";
  return text;
}

TEST(ImportChannelCells, AcceptedRowsAreNormalisedEachBadCellIsReported) {
  // Cells, and the row they give.
  const std::pair<ChannelRow, ChannelRow> cases[] = {
      {{"438.1", "438.00625", "67.0", "D023N", "Middle", "Off", "Narrow"},
       {"438.10000", "438.00625", "67.0", "D023N", "Middle", "Off", "Narrow"}},
      // As a spreadsheet gives them back, as pasting takes them.
      {{" 438.1 ", "", "67", "d023i", "high", "OFF", "wide"},
       {"438.10000", "438.10000", "67.0", "D023I", "High", "Off", "Wide"}},
      {{"438.1", "", "none", "254.10", "Low", "", ""},
       {"438.10000", "438.10000", "None", "254.1", "Low", "On", "Wide"}},
      {{"438.1", "", "无", "无", "中", "关", "窄"},
       {"438.10000", "438.10000", "None", "None", "Middle", "Off", "Narrow"}},
      // Receive-only rows keep Tx empty.
      {{"438.1", "", "", "", "", "", ""}, {"438.10000", "", "", "", "", "", ""}},
      {{"438.1", "", "", "D754I", "", "", ""}, {"438.10000", "", "", "D754I", "", "", ""}},
      // 12.3 Hz is no list entry, but a record holding 0x23 0x01 shows it so.
      {{"438.1", "", "12.3", "", "", "", ""}, {"438.10000", "", "12.3", "", "", "", ""}},
      // Transmit-only rows keep Rx empty.
      {{"", "438.1", "", "", "", "", ""}, {"", "438.10000", "", "", "", "", ""}},
      {{"", "446.00625", "67.0", "D023N"}, {"", "446.00625", "67.0", "D023N"}},  // rest empty
      {{}, {}},
  };
  for (const auto& [cells, row] : cases) {
    const RowImport got = ImportChannelCells(cells, kUhf);
    EXPECT_TRUE(got.problems.empty() && got.row == row) << cells[0] << " " << cells[2];
  }
  // Band edges are inclusive.
  EXPECT_TRUE(ImportChannelCells({"400", "470", "", "", "", "", ""}, kUhf).problems.empty());
  EXPECT_TRUE(ImportChannelCells({"10", "999.995", "", "", "", "", ""}, kAny).problems.empty());

  // The cells, their band, how many problems they have and a text in one of them.
  const std::tuple<ChannelRow, BandLimits, std::size_t, const char*> bad[] = {
      {{"470.005", "", "", "", "", "", ""}, kUhf, 1, "Out of range"},
      {{"438.1", "438.003", "", "", "", "", ""}, kUhf, 1, "step value"},
      {{"abc", "", "", "", "", "", ""}, kAny, 1, ""},  // no number: 0 MHz, below every band
      // Each value is named as it was given, even one that looks like "%1".
      {{"438.1", "", "67.05", "D023", "%1x", "Yes", "wide"}, kUhf, 4, "Power \"%1x\": not a"},
      // Settings without Rx, tones without a frequency, a lone Tx out of band.
      {{"", "438.1", "", "", "Low", "", ""}, kUhf, 1, ""},
      {{"", "470.005", "67.0", "", "", "", ""}, kUhf, 1, "Tx Frequency \"470.005\": Out of range"},
      {{"", "", "None", "", "", "", ""}, kUhf, 1, ""},
      {{"", "", "", "", "", "", "Wide"}, kUhf, 1, ""},
  };
  for (const auto& [cells, band, problems, text] : bad) {
    SCOPED_TRACE(cells[0] + "|" + cells[1] + "|" + cells[2]);
    const RowImport got = ImportChannelCells(cells, band);
    ASSERT_EQ(got.problems.size(), problems);
    EXPECT_HAS(Lines(got.problems), text);
    // A row whose Rx is refused or missing is not taken at all.
    EXPECT_TRUE(cells[0] == "438.1" || got.row == ChannelRow{});
  }
  for (const char* tone : {"D23N", "D99999N", "X", "69.93", "D023"})
    EXPECT_EQ(ImportChannelCells({"438.1", "", tone}, kUhf).problems.size(), 1u) << tone;
}

const std::string kCsvHeader(kChannelCsvHeader);

// Rows in any order, the others empty; titles in another order, case or Chinese; trailing
// empty fields and records.
TEST(OwnChannelList, AsASpreadsheetGivesItBackBadLinesInLineOrder) {
  // A file, and the channels it gives.
  const std::pair<std::string, Channels> cases[] = {
      {"\xEF\xBB\xBF" + kCsvHeader + "\n199,470,,,,,,\n1,400,,,,Low,,\n\n50,,,,,,,\n",
       {{199, {"470.00000", "", "", "", "", "", ""}},
        {1, {"400.00000", "400.00000", "None", "None", "Low", "On", "Wide"}}}},
      {kCsvHeader, {}},
      {"w/n,CH,rx frequency,TX FREQUENCY,qt/dqt dec,QT/DQT Enc,power,Scan\r\n"
       "narrow,3,438.1,,67,d023n,high,off\r\n,,,,,,,\r\n\r\n",
       {{3, {"438.10000", "438.10000", "67.0", "D023N", "High", "Off", "Narrow"}}}},
      {"信道,接收频率,发射频率,QT/DQT解码,QT/DQT编码,功率,扫描,宽/窄,,\n"
       "3,438.1,438.2,无,无,低,开,宽,,\n",
       {{3, {"438.10000", "438.20000", "None", "None", "Low", "On", "Wide"}}}},
  };
  for (const auto& [text, channels] : cases) {
    const ChannelCsvImport got = ImportChannelCsv(text, kUhf);
    ChannelTable expected;
    for (const auto& [channel, row] : channels) expected[channel - 1] = row;
    EXPECT_EQ(std::pair(Problems(got.errors), got.table), std::pair(std::string(), expected))
        << text;
  }

  // Lines 2 to 17, three to a source line: field count, channel 0, channel 200 | fine, repeated,
  // out of range | off the step, bad word, bad quoting | power without Rx, bad tone, something
  // past the last column | fine, fine (over lines 15-16), out of range.
  const std::string csv = kCsvHeader + "\r\n2,438.1,,,\r\n0,438.1,,,,,,\r\n200,438.1,,,,,,\r\n" +
                          "\"1\",\"438.1\",,,,\"High\",,\r\n1,438.2,,,,,,\r\n3,480,,,,,,\r\n" +
                          "4,438.003,,,,,,\r\n5,438.1,,,,Max,,\r\n\"6,438.1\"x,,,,,,\r\n" +
                          "7,,438.1,,,High,,\r\n8,438.1,,,67.05,,,\r\n9,438.1,,,,,,,x\r\n" +
                          "10,438.1,,,,,,,\r\n11,\"438.1\n\",,,,,,\r\n12,x,,,,,,\r\n";
  const ChannelCsvImport got = ImportChannelCsv(csv, kUhf);
  std::vector<int> lines;
  for (const CsvError& error : got.errors) lines.push_back(error.line);
  EXPECT_EQ(lines, (std::vector<int>{2, 3, 4, 6, 7, 8, 9, 10, 11, 12, 13, 17}));
  const std::string text = Problems(got.errors);
  for (const char* reason :
       {"6: channel 1 is already listed on line 5", "10: text after the closing quote of a field",
        "7: Rx Frequency \"480\": Out of range,please input again.", "13: field 9 holds \"x\"",
        "12: QT/DQT Enc \"67.05\": not a tone of the list"})
    EXPECT_HAS(text, reason);
}

const std::string kListHeader =
    "Location,Name,Frequency,Duplex,Offset,Tone,rToneFreq,cToneFreq,DtcsCode,DtcsPolarity,"
    "RxDtcsCode,CrossMode,Mode,TStep,Skip,Power,Comment,URCALL\r\n";

TEST(ChannelLists, EveryColumnMapsOntoTheChannelEachValueNotHeldIsNamed) {
  const std::string csv =
      kListHeader +
      "1,Simplex,446.006250,,0.000000,,88.5,88.5,023,NN,023,Tone->Tone,NFM,6.25,,1.0W,,\r\n"
      "2,Repeater,442.500000,+,5.000000,Tone,100.0,88.5,023,NN,023,Tone->Tone,FM,5.00,,4W,,\r\n"
      "3,Down,445.000000,-,5.000000,tsql,88.5,127.3,023,NN,023,Tone->Tone,fm,5.00,s,mid,,\r\n"
      "4,Split,440.100000,Split,450.200000,DTCS,88.5,88.5,023,nr,023,Tone->Tone,FM,5.00,,2.0W,,\r\n"
      "5,Listen,462.562500,off,0.000000,,88.5,88.5,023,NN,023,Tone->Tone,NFM,12.50,,Low,,\r\n"
      "6,X1,440.000000,,0.000000,Cross,67,88.5,023,NR,754,Tone->DTCS,FM,5.00,P,High,,\r\n"
      "7,X2,440.000000,,0.000000,Cross,67.0,88.5,131,RN,754,DTCS->,FM,5.00,,Low,,\r\n"
      "8,X3,440.000000,,0.000000,Cross,67.0,88.5,131,NN,754,->Tone,FM,5.00,,Low,,\r\n"
      "30,X4,440.000000,,0.000000,Cross,67.0,88.5,23,NN,754,DTCS->DTCS,FM,5.00,,3.9W,,\r\n";
  const ChannelCsvImport got = ImportChannelCsv(csv, kUhf);
  ASSERT_EQ(Problems(got.errors), "");
  const Channels expected = {
      {1, {"446.00625", "446.00625", "None", "None", "Low", "On", "Narrow"}},
      {2, {"442.50000", "447.50000", "None", "100.0", "High", "On", "Wide"}},
      {3, {"445.00000", "440.00000", "127.3", "127.3", "Middle", "Off", "Wide"}},
      {4, {"440.10000", "450.20000", "D023I", "D023N", "Middle", "On", "Wide"}},
      {5, {"462.56250", "", "", "", "", "", ""}},  // receive only
      {6, {"440.00000", "440.00000", "D754I", "67.0", "High", "On", "Wide"}},
      {7, {"440.00000", "440.00000", "None", "D131I", "Low", "On", "Wide"}},
      {8, {"440.00000", "440.00000", "88.5", "None", "Low", "On", "Wide"}},
      {30, {"440.00000", "440.00000", "D754N", "D023N", "Middle", "On", "Wide"}},
  };
  for (const auto& [channel, row] : expected) EXPECT_EQ(got.table[channel - 1], row) << channel;
  EXPECT_EQ(got.table[8], ChannelRow{});  // Location picked channel 30, not 9

  // Each value the radio cannot hold is named: a file, and its problems.
  const std::pair<std::string, std::string> cases[] = {
      {kListHeader +
           "1,a,440,-,440,DTCS,,,8,,,,,,x,Max,,\r\n2,b,440,+,0.6.0,Tone2,,,,,,,,,,,,\r\n" +
           "3,c,440,split,,Cross,,,023,XN,,DTCS->AM,,,,,,\r\n4,d,.,,,,,,,,,,,,,,,\r\n" +
           "5,e,440,x,,Tone,99.9,,,,,,,,,,,\r\n7,f,440,-,439.99999,,,,,,,,,,,,,\r\n" +
           "8,g,440,split,0.00001,,,,,,,,,,,,,\r\n",
       "2: Duplex - with Offset \"440\" gives no Tx frequency\n"
       "2: DtcsCode \"8\" is not a DQT code of the tone table\n"
       "2: Skip \"x\" is not one of \"\", S, P\n"
       "2: Power \"Max\" is neither a power level nor watts\n"
       "3: Offset \"0.6.0\" is not a number of MHz\n"
       "3: Tone \"Tone2\" is not a tone mode this radio can hold\n"
       "4: Duplex split needs the Tx frequency as Offset\n"
       "4: DtcsPolarity \"XN\" is not two letters N or R\n"
       "4: CrossMode \"DTCS->AM\" is not one this radio can hold\n"
       "5: Frequency \".\" is not a frequency in MHz\n"
       "6: Duplex \"x\" is not one of \"\", +, -, split, off\n"
       "6: rToneFreq \"99.9\" is not a QT tone of the tone table\n"
       "7: Tx Frequency \"0.00001\": Out of range,please input again.\n"  // 10 Hz is a Tx
       "8: Tx Frequency \"0.00001\": Out of range,please input again.\n"},
      {"Frequency,Offset,Tone\n146.52,abc,99.9\n146.52,+0.6,D0231\n",
       "2: Offset \"abc\" is not a number of MHz\n"
       "2: Tone \"99.9\" is not a QT tone or DQT code of the tone table\n"
       "3: Tone \"D0231\" is not a QT tone or DQT code of the tone table\n"},
  };
  for (const auto& [text, problems] : cases)
    EXPECT_EQ(Problems(ImportChannelCsv(text, kAny).errors), problems);
}

TEST(RadioListExport, ChannelsInUseAsTheListWritesThem) {
  ChannelTable table;
  table[0] = {"446.00625", "446.00625", "None", "None", "Low", "On", "Narrow"};
  table[2] = {"442.50000", "447.50000", "None", "100.0", "High", "Off", "Wide"};
  table[3] = {"145.50000", "215.51250", "D023N", "D023I", "Middle", "On", "Wide"};
  table[4] = {"440.00000", "370.00000", "D754I", "67.0", "High", "On", "Wide"};  // 70 MHz: offset
  table[5] = {"462.56250", "", "", "D131N", "", "", ""};                         // receive only
  table[6] = {"", "438.10000", "", "", "", "", ""};                              // transmit only
  table[7] = {"438.10000", "438.10000", "12.3", "None", "Low", "On", "Wide"};
  table[9] = {"438.20000", "438.20000", "D023N", "D754N", "High", "On", "Wide"};  // two codes
  table[10] = {"145.00000", "215.00000", "None", "None", "Low", "On", "Wide"};    // +70 MHz too
  table[198] = {"145.00000", "144.40000", "127.3", "127.3", "Low", "On", "Wide"};
  const RadioListExport got = ChannelsToRadioList(table);
  const std::string rows =
      "1,,446.006250,,0.000000,,88.5,88.5,023,NN,023,Tone->Tone,NFM,5.00,,1.0W,,,,,\r\n"
      "3,,442.500000,+,5.000000,Tone,100.0,88.5,023,NN,023,Tone->Tone,FM,5.00,S,5.0W,,,,,\r\n"
      "4,,145.500000,split,215.512500,DTCS,88.5,88.5,023,RN,023,Tone->Tone,FM,5.00,,2.5W,,,,,\r\n"
      "5,,440.000000,-,70.000000,Cross,67.0,88.5,023,NR,754,Tone->DTCS,FM,5.00,,5.0W,,,,,\r\n"
      "6,,462.562500,off,0.000000,Cross,88.5,88.5,131,NN,023,DTCS->,FM,5.00,,,,,,,\r\n"
      "10,,438.200000,,0.000000,Cross,88.5,88.5,754,NN,023,DTCS->DTCS,FM,5.00,,5.0W,,,,,\r\n"
      "11,,145.000000,+,70.000000,,88.5,88.5,023,NN,023,Tone->Tone,FM,5.00,,1.0W,,,,,\r\n"
      "199,,145.000000,-,0.600000,TSQL,127.3,127.3,023,NN,023,Tone->Tone,FM,5.00,,1.0W,,,,,\r\n";
  EXPECT_EQ(got.csv, std::string(kRadioListHeader) + "\r\n" + rows);
  EXPECT_EQ(got.written, 8);
  EXPECT_EQ(got.omitted, (std::vector<OmittedChannel>{{7, RadioListOmission::TransmitOnly},
                                                      {8, RadioListOmission::UnlistedTone}}));
  EXPECT_EQ(ChannelsToRadioList(ChannelTable{}).csv, std::string(kRadioListHeader) + "\r\n");
  table[6] = table[7] = {};  // Read back, the list gives every channel it holds as it was.
  EXPECT_EQ(ImportChannelCsv(got.csv, kAny).table, table);
}

// Real channel plans in the multi-radio programs' dialect, and repeater directories.
TEST(ChannelLists, EachFileImportsOrSaysWhyHeadersOfNoKnownListAreRefused) {
  // The file, its band, a text of what it was read as, the rows that fit, "line: reason" of
  // those that do not, and channels it gives.
  const std::tuple<const char*, BandLimits, const char*, int, std::string, Channels> cases[] = {
      // clang-format off
      {"frs_gmrs.csv", kUhf, "multi-radio", 30, "",
       {{1, {"462.56250", "462.56250", "None", "None", "Middle", "On", "Wide"}},
        {8, {"467.56250", "467.56250", "None", "None", "Low", "On", "Narrow"}},
        {23, {"462.55000", "467.55000", "None", "141.3", "High", "On", "Wide"}}}},
      {"pmr446.csv", kUhf, "multi-radio", 16, "",
       {{1, {"446.00625", "446.00625", "None", "None", "Low", "On", "Narrow"}},
        {16, {"446.19375", "446.19375", "None", "None", "Low", "On", "Narrow"}}}},
      {"marine_vhf.csv", kVhf, "multi-radio", 20,
       "22: Mode \"AM\": the radio works in FM (Wide) and NFM (Narrow) only\n",
       {{1, {"160.65000", "156.05000", "None", "None", "High", "On", "Wide"}},
        {6, {"156.65000", "156.65000", "None", "None", "Low", "On", "Wide"}},
        {8, {"156.80000", "156.80000", "None", "None", "High", "Off", "Wide"}},
        {18, {"162.55000", "", "", "", "", "", ""}}}},
      {"dir_uplink.csv", kAny,
       "repeater directory (Frequency, Input Freq, Offset, Uplink Tone, Downlink Tone, Mode)",
       4, "",
       {{1, {"146.94000", "146.34000", "None", "100.0", "High", "On", "Wide"}},
        {2, {"444.10000", "449.10000", "D023N", "D023N", "High", "On", "Wide"}},
        {3, {"147.30000", "147.90000", "None", "None", "High", "On", "Wide"}},
        {4, {"443.52500", "448.52500", "141.3", "D754I", "High", "On", "Narrow"}}}},
      {"dir_output_pl.csv", kAny, "(Output, Input, Offset, PL)", 3,
       "5: Input \"+147.120\" is not a frequency in MHz\n"
       "6: Output \"+146.520\" is not a frequency in MHz\n",
       {{1, {"145.29000", "144.69000", "None", "88.5", "High", "On", "Wide"}},
        {2, {"224.94000", "223.34000", "None", "103.5", "High", "On", "Wide"}},
        {3, {"442.00000", "447.00000", "None", "None", "High", "On", "Wide"}}}},
      {"dir_offset_tone.csv", kAny, "(Frequency, Offset, Tone)", 3,
       "5: Offset \"0.6\" has no sign: write +0.6 for an input above the output, -0.6 for one "
       "below\n6: Frequency \"n/a\" is not a frequency in MHz\n7: Tx Frequency \"0.00000\": Out "
       "of range,please input again.\n",
       {{1, {"442.50000", "447.50000", "None", "103.5", "High", "On", "Wide"}},
        {2, {"146.52000", "146.52000", "None", "None", "High", "On", "Wide"}},
        {3, {"147.00000", "147.60000", "None", "D023N", "High", "On", "Wide"}},
        {4, {}}}},
      {"dir_access_tsq.csv", kUhf, "(Output Freq, Input Freq, Access Tone, TSQ, Mode)", 4,
       "4: Mode \"DMR\": the radio works in FM (Wide) and NFM (Narrow) only\n",
       {{1, {"438.82500", "431.22500", "D311N", "D311N", "High", "On", "Narrow"}},
        {2, {"439.00000", "431.40000", "77.0", "77.0", "High", "On", "Wide"}},
        {4, {"439.80000", "432.20000", "None", "None", "High", "On", "Narrow"}}}},
      // clang-format on
  };
  for (const auto& [file, band, form, imported, unfit, channels] : cases) {
    SCOPED_TRACE(file);
    const ChannelListRead read = ReadChannelList(List(file), band);
    ASSERT_FALSE(read.refusal) << EnglishText(read.refusal->reason);
    EXPECT_HAS(EnglishText(read.form), form);
    const ImportOutcome got = PlaceChannels(read, ChannelTable(), {}, Language::English);
    EXPECT_EQ(std::pair(got.imported, Problems(got.unfit)), std::pair(imported, unfit));
    for (const auto& [channel, row] : channels) EXPECT_EQ(got.table[channel - 1], row) << channel;
  }
  // Another radio's band: every row says so, and what the band is named.
  const ImportOutcome foreign = PlaceChannels(ReadChannelList(List("marine_vhf.csv"), kUhf),
                                              ChannelTable(), {}, Language::English);
  EXPECT_EQ(std::pair(foreign.imported, foreign.unfit.size()), std::pair(0, std::size_t{21}));
  EXPECT_EQ(ReadChannelList(List("dir_output_pl.csv"), kAny).ignoredColumns,
            (std::vector<std::string>{"Call", "Location", "Notes"}));
  EXPECT_EQ(Problems(foreign.unfit).find("2: Rx Frequency \"160.650000\": Out of range"), 0u);

  // Headers, and why they are refused: frequency, offset or tone columns in no known list are
  // named; others say what is read.
  const std::pair<const char*, const char*> refused[] = {
      {"Frequency,RX Tone,TX Tone\n146.52,88.5,88.5\n", "the columns RX Tone, TX Tone hold"},
      {"Location,Frequency,Duplex,Offset,TOffset\n", "the columns TOffset hold"},  // T, offset
      // Columns of known lists, in no known combination.
      {"Output,Uplink Tone\n", "the columns Output, Uplink Tone hold"},
      {"Frequency,Output,Input\n", "the columns Frequency, Output, Input hold"},
      {"CH,Rx Frequency,Power\n", "the header must name the columns CH,Rx Frequency,"},
      {"Name,CH\nA,b\n", "the header names no channel list"},  // one of its own columns
      {"", "the header names no channel list"},
      {"\"open\n", "quoted field is never closed"},
  };
  for (const auto& [text, reason] : refused) {
    const ChannelListRead read = ReadChannelList(text, kAny);
    ASSERT_TRUE(read.refusal) << text;
    EXPECT_TRUE(read.refusal->line == 1 && read.rows.empty()) << text;
    // Placed, the list tells why it is refused.
    EXPECT_HAS(Problems(PlaceChannels(read, ChannelTable(), {}, Language::English).unfit), reason);
  }
  EXPECT_FALSE(ReadChannelList("\n" + kCsvHeader + "\n", kAny).refusal);  // blank lines first
}

// Where the rows go: channels 1-3 and 10 are in use before.
TEST(PlaceChannels, ReplaceFromAChannelOrAppendAndSumUp) {
  ChannelTable current;
  for (int channel : {1, 2, 3, 10}) current[channel - 1] = {"440.00000", "", "", "", "", "", ""};
  const std::string own = kCsvHeader + "\n6,438.1,,,,Low,,\n7,,,,,,,\n5,438.2,,,,High,,\n";
  const std::string located = kListHeader + "0,a,438.1,,,,,,,,,,,,,,,\n1,b,438.2,,,,,,,,,,,,,,,\n" +
                              "7,c,438.3,,,,,,,,,,,,,,,\n";
  const std::string noRoom = "2: no channel is left for this row after channel 199\n";
  // The file, where it goes, the channels in use after it (ascending), channels imported, the
  // first and last of them, and the rows that do not fit.
  const std::tuple<std::string, ImportPlace, std::vector<int>, int, int, int, std::string> cases[]{
      {own, {}, {5, 6}, 2, 5, 6, ""},
      {own, {ImportPlacement::kFrom, 2}, {1, 2, 3, 10}, 2, 2, 3, ""},
      {own, {ImportPlacement::kAppend}, {1, 2, 3, 10, 11, 12}, 2, 11, 12, ""},
      {own, {ImportPlacement::kFrom, 199}, {1, 2, 3, 10, 199}, 1, 199, 199, noRoom},
      // Rows that name none of 1 to 199 go in file order.
      {located, {}, {1, 2, 3}, 3, 1, 3, ""},
      {located, {ImportPlacement::kFrom, 3}, {1, 2, 3, 4, 5, 10}, 3, 3, 5, ""},
  };
  const auto place = [&current](const std::string& text, ImportPlace where, Language language) {
    return PlaceChannels(ReadChannelList(text, kUhf), current, where, language);
  };
  for (const auto& [text, where, inUse, imported, first, last, unfit] : cases) {
    SCOPED_TRACE(text.substr(0, 8) + " at " + std::to_string(where.first));
    const ImportOutcome got = place(text, where, Language::Chinese);
    std::vector<int> used;
    for (int channel = 1; channel <= 199; ++channel)
      if (!Cell(got.table[channel - 1], kColRx).empty()) used.push_back(channel);
    EXPECT_EQ(
        std::tuple(used, got.imported, got.firstChannel, got.lastChannel, Problems(got.unfit)),
        std::tuple(inUse, imported, first, last, unfit));
  }
  // Rows go in channel order, in the grid's language; the rest stays as it was, channel 199 too.
  current[198] = current[0];
  const ImportOutcome from = place(own, {ImportPlacement::kFrom, 2}, Language::Chinese);
  EXPECT_EQ(from.table[1], (ChannelRow{"438.20000", "438.20000", "无", "无", "高", "开", "宽"}));
  EXPECT_TRUE(Cell(from.table[2], kColRx) == "438.10000" && from.table[9] == current[9]);
  // Exported so and read back, the list holds the same channels in English.
  EXPECT_EQ(ImportChannelCsv(ChannelsToCsv(from.table), kUhf).table,
            place(own, {ImportPlacement::kFrom, 2}, Language::English).table);
  // With channel 199 in use, nothing can be appended.
  EXPECT_EQ(place(own, {ImportPlacement::kAppend}, Language::English).unfit.size(), 2u);

  // The summary counts columns ignored, renumbering and skipped rows.
  const auto summary = [](const std::string& text, BandLimits band, ImportPlace place) {
    const ChannelListRead read = ReadChannelList(text, band);
    return Lines(ImportSummary(read, PlaceChannels(read, ChannelTable(), place, Language::English),
                               place.kind));
  };
  EXPECT_EQ(summary(List("pmr446.csv"), kUhf, {}),
            "Read as a channel list of multi-radio programs.\nChannels imported: 16.\n"
            "Columns ignored: name, tstep, comment.\n"
            "Renumbered, as not every Location is a channel 1 to 199:\n"
            "Locations 0 to 15 → channels 1 to 16\n");
  EXPECT_EQ(summary(List("marine_vhf.csv"), kVhf, {ImportPlacement::kFrom, 100}),
            "Read as a channel list of multi-radio programs.\n"
            "Channels imported: 20, into channels 100 to 119.\n"
            "Columns ignored: Name, TStep, Comment, URCALL, RPT1CALL, RPT2CALL, DVCODE.\n"
            "Skipped line 22: Mode \"AM\": the radio works in FM (Wide) and NFM (Narrow) only\n");
  const std::string gaps =
      summary(kListHeader +
                  "x,a,438.1,,,,,,,,,,,,,,,\n1,b,438.2,,,,,,,,,,,,,,,\n3,c,438.3,,,,,,,,,,,,,,,\n"
                  "7,d,438.4,,,,,,,,,,,,,,,\n99999999999,e,438.5,,,,,,,,,,,,,,,\n",
              kUhf, {});
  EXPECT_EQ(gaps.substr(gaps.find("\nLocation x")),
            "\nLocation x → channel 1\nLocation 1 → channel 2\nLocation 7 → channel 4\n"
            "Location 99999999999 → channel 5\n");  // too large for a number, not a crash
  const std::string past = kListHeader + "3,a,438.1,,,,,,,,,,,,,,,\n200,b,438.2,,,,,,,,,,,,,,,\n" +
                           "100000,c,438.3,,,,,,,,,,,,,,,\n100001,d,438.4,,,,,,,,,,,,,,,\n";
  EXPECT_TRUE(summary(past, kUhf, {})
                  .ends_with(  // past 199, six digits
                      "Location 200 → channel 2\nLocations 100000 to 100001 → channels 3 to 4\n"));
}

}  // namespace
}  // namespace selkan
