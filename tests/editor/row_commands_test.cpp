#include "editor/row_commands.h"

#include <gtest/gtest.h>

#include "editor/document_change.h"

namespace selkan {
namespace {

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
