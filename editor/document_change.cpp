#include "editor/document_change.h"

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

bool DocumentChange::TouchesBytes(std::size_t first, std::size_t last) const {
  for (const ByteRun& run : bytes) {
    if (run.offset <= last && first < run.offset + run.before.size()) return true;
  }
  return false;
}

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

DocumentChange DiffImages(const RadioImage& before, const RadioImage& after) {
  DocumentChange change;
  AddByteRuns(before, after, change);
  return change;
}

void ApplyBytes(const DocumentChange& change, ChangeSide side, RadioImage& image) {
  for (const ByteRun& run : change.bytes) {
    const std::vector<std::uint8_t>& bytes = side == ChangeSide::After ? run.after : run.before;
    for (std::size_t i = 0; i < bytes.size() && run.offset + i < kImageSize; ++i)
      image[run.offset + i] = bytes[i];
  }
}

void ApplyChange(const DocumentChange& change, ChangeSide side, DocumentState& state) {
  for (const RowChange& row : change.rows) {
    if (row.channel < 1 || row.channel > offset::kChannelCount) continue;
    state.channels[row.channel - 1] = side == ChangeSide::After ? row.after : row.before;
  }
  ApplyBytes(change, side, state.image);
}

}  // namespace selkan
