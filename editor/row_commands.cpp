#include "editor/row_commands.h"

#include <algorithm>
#include <array>

namespace selkan {

namespace {

constexpr int kChannels = offset::kChannelCount;

// Where each channel of the new order comes from: source[i] is the old
// channel that becomes channel i + 1, or 0 for a new empty channel.
using ChannelOrder = std::array<int, kChannels>;

ChannelOrder Unchanged() {
  ChannelOrder order{};
  for (int i = 0; i < kChannels; ++i) order[i] = i + 1;
  return order;
}

DocumentState Reorder(const DocumentState& state, const ChannelOrder& source) {
  DocumentState result = state;
  std::array<int, kChannels + 1> newPlace{};  // old channel -> new channel, 0 when gone
  for (int i = 0; i < kChannels; ++i) {
    const int from = source[i];
    std::uint8_t* record = result.image.data() + offset::Channel(i + 1);
    if (from == 0) {
      result.channels[i] = ChannelRow{};
      std::fill(record, record + offset::kChannelRecordSize, 0xFF);
      continue;
    }
    result.channels[i] = state.channels[from - 1];
    const std::uint8_t* old = state.image.data() + offset::Channel(from);
    std::copy(old, old + offset::kChannelRecordSize, record);
    newPlace[from] = i + 1;
  }
  const int priority = state.image[offset::kPriorityChannel];
  if (priority >= 1 && priority <= kChannels)
    result.image[offset::kPriorityChannel] = static_cast<std::uint8_t>(newPlace[priority]);
  return result;
}

}  // namespace

bool ChannelInUse(const ChannelRow& row) {
  return std::any_of(row.begin(), row.end(), [](const std::string& cell) { return !cell.empty(); });
}

RowCommandOutcome RunRowCommand(const DocumentState& state, RowCommand command,
                                ChannelBlock block) {
  RowCommandOutcome outcome{RowCommandRefusal::None, state, block};
  const int first = block.first;
  const int last = block.first + block.count - 1;
  if (block.count < 1 || first < 1 || last > kChannels) {
    outcome.refusal = RowCommandRefusal::NoChannels;
    return outcome;
  }
  const int count = block.count;
  ChannelOrder source = Unchanged();
  switch (command) {
    case RowCommand::InsertEmpty:
      for (int channel = kChannels - count + 1; channel <= kChannels; ++channel) {
        if (ChannelInUse(state.channels[channel - 1])) {
          outcome.refusal = RowCommandRefusal::LastChannelsInUse;
          return outcome;
        }
      }
      for (int i = first; i <= kChannels; ++i) source[i - 1] = i - count < first ? 0 : i - count;
      break;
    case RowCommand::Delete:
      for (int i = first; i <= kChannels; ++i)
        source[i - 1] = i + count <= kChannels ? i + count : 0;
      break;
    case RowCommand::MoveUp:
      if (first == 1) {
        outcome.refusal = RowCommandRefusal::AtTop;
        return outcome;
      }
      for (int i = first - 1; i < last; ++i) source[i - 1] = i + 1;
      source[last - 1] = first - 1;
      outcome.block.first = first - 1;
      break;
    case RowCommand::MoveDown:
      if (last == kChannels) {
        outcome.refusal = RowCommandRefusal::AtBottom;
        return outcome;
      }
      for (int i = first + 1; i <= last + 1; ++i) source[i - 1] = i - 1;
      source[first - 1] = last + 1;
      outcome.block.first = first + 1;
      break;
  }
  outcome.state = Reorder(state, source);
  return outcome;
}

}  // namespace selkan
