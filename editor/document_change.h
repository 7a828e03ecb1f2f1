#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <vector>

#include "editor/cell_edits.h"
#include "model/channel_codec.h"
#include "model/radio_image.h"

namespace selkan {

// What a document holds while it is edited: the channel rows of its grid
// (the working copy of the channels) and its memory image.
struct DocumentState {
  ChannelTable channels;
  RadioImage image{};
};

// A grid row that an edit changed, with its cells before and after.
struct RowChange {
  int channel = 0;  // 1..199
  ChannelRow before;
  ChannelRow after;
};

// A run of neighbouring image bytes that an edit changed.
struct ByteRun {
  std::size_t offset = 0;
  std::vector<std::uint8_t> before;
  std::vector<std::uint8_t> after;
};

// One edit as the difference between the states before and after it: only
// the rows and bytes that differ, so that a change of one cell costs one row
// and a read from the radio at most every row and the image once.
struct DocumentChange {
  std::vector<RowChange> rows;  // in channel order
  std::vector<ByteRun> bytes;   // in offset order, runs never touch
  bool Empty() const { return rows.empty() && bytes.empty(); }
};

enum class ChangeSide { Before, After };

DocumentChange DiffStates(const DocumentState& before, const DocumentState& after);

// Puts one side of every byte run of the change into the image: After
// redoes the edit, Before undoes it. Bytes the change does not name keep
// their values.
void ApplyBytes(const DocumentChange& change, ChangeSide side, RadioImage& image);

// The grid cells (channel rows, columns Rx to W/N) whose text the change
// sets, as the smallest block holding them all; nullopt when it sets none.
std::optional<CellRange> ChangedCells(const DocumentChange& change);

}  // namespace selkan
