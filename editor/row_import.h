#pragma once

#include <string>
#include <vector>

#include "editor/cell_commit.h"
#include "editor/cell_edits.h"
#include "editor/user_message.h"
#include "model/channel_codec.h"
#include "model/product_info.h"

namespace selkan {

struct RowImport {
  ChannelRow row;                     // the grid row the cells give (English words)
  std::vector<UserMessage> problems;  // why the cells cannot be taken; empty when they can
};

// Takes the seven cells of an imported channel (Rx .. W/N) as if a user had
// typed them into an empty grid row: Rx first, which writes the row
// defaults, then every other non-empty cell in column order, each through
// the same commit as the grid. Blanks around a cell do not count. The list
// cells are read by the rules of pasting (ListCellText): words in English
// in any letter case or in Chinese, tones as the list writes them or as a
// number such as 67 for 67.0; a tone a record can show is taken too
// (IsStoredToneText).
//
// Two row shapes are kept as they are instead, as records with only one of
// the two frequencies show themselves: an Rx with an empty Tx and empty
// Power, Scan and W/N is a receive-only channel (its Tx stays empty), and a
// Tx with an empty Rx and empty Power, Scan and W/N is a transmit-only
// channel (its Rx stays empty; its Tx is tested as a typed frequency). Of
// either, only the tones that are given are set.
RowImport ImportChannelCells(const ChannelRow& cells, const BandLimits& limits);

// The problem of one cell: its column's title, the value, and why.
UserMessage CellProblem(int column, const std::string& value, PasteRefusalReason reason);

}  // namespace selkan
