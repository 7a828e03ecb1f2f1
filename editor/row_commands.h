#pragma once

#include "editor/document_change.h"

namespace selkan {

// Commands on whole channels. A channel is its grid row and its 16-byte
// record in the image: both move together, so that the record bytes the
// program does not interpret stay with their channel, and the priority
// channel (0xFE7) follows the channel it names (Off when that channel is
// deleted).
enum class RowCommand {
  InsertEmpty,  // empty channels before the block; the channels from it on move down
  Delete,       // the block goes; the channels below move up, empty ones fill the end
  MoveUp,       // the block changes place with the channel above it
  MoveDown,     // the block changes place with the channel below it
};

enum class RowCommandRefusal {
  None,
  LastChannelsInUse,  // inserting would push used channels past channel 199
  AtTop,              // nothing above the block to change place with
  AtBottom,           // nothing below it
  NoChannels,         // the block lies outside channels 1 to 199
};

// Channels first .. first + count - 1.
struct ChannelBlock {
  int first = 1;
  int count = 1;
};

struct RowCommandOutcome {
  RowCommandRefusal refusal = RowCommandRefusal::None;
  DocumentState state;  // the document afterwards (unchanged when refused)
  ChannelBlock block;   // where the block's channels are afterwards
};

RowCommandOutcome RunRowCommand(const DocumentState& state, RowCommand command, ChannelBlock block);

// A channel is in use when any of its cells holds text.
bool ChannelInUse(const ChannelRow& row);

}  // namespace selkan
