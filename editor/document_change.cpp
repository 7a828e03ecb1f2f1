#include "editor/document_change.h"

#include <algorithm>

namespace selkan {

namespace {

void AddByteRuns(const RadioImage& before, const RadioImage& after, DocumentChange& change) {
  std::size_t i = 0;
  while (i < kImageSize) {
    if (before[i] == after[i]) {
      ++i;
      continue;
    }
    ByteRun run;
    run.offset = i;
    while (i < kImageSize && before[i] != after[i]) {
      run.before.push_back(before[i]);
      run.after.push_back(after[i]);
      ++i;
    }
    change.bytes.push_back(std::move(run));
  }
}

}  // namespace

DocumentChange DiffStates(const DocumentState& before, const DocumentState& after) {
  DocumentChange change;
  for (int channel = 1; channel <= offset::kChannelCount; ++channel) {
    const ChannelRow& was = before.channels[channel - 1];
    const ChannelRow& is = after.channels[channel - 1];
    if (was != is) change.rows.push_back({channel, was, is});
  }
  AddByteRuns(before.image, after.image, change);
  return change;
}

void ApplyBytes(const DocumentChange& change, ChangeSide side, RadioImage& image) {
  for (const ByteRun& run : change.bytes) {
    const std::vector<std::uint8_t>& bytes = side == ChangeSide::After ? run.after : run.before;
    for (std::size_t i = 0; i < bytes.size() && run.offset + i < kImageSize; ++i)
      image[run.offset + i] = bytes[i];
  }
}

std::optional<CellRange> ChangedCells(const DocumentChange& change) {
  std::optional<CellRange> range;
  for (const RowChange& row : change.rows) {
    for (int column = kColRx; column <= kColBandwidth; ++column) {
      if (Cell(row.before, column) == Cell(row.after, column)) continue;
      if (!range) {
        range = CellRange{row.channel, column, row.channel, column};
        continue;
      }
      range->top = std::min(range->top, row.channel);
      range->bottom = std::max(range->bottom, row.channel);
      range->left = std::min(range->left, column);
      range->right = std::max(range->right, column);
    }
  }
  return range;
}

}  // namespace selkan
