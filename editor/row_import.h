#pragma once

#include <string>
#include <vector>

#include "editor/cell_commit.h"
#include "model/channel_codec.h"
#include "model/product_info.h"

namespace selkan {

struct RowImport {
  ChannelRow row;                     // the grid row the cells give
  std::vector<std::string> problems;  // why the cells cannot be taken; empty when they can
};

// Takes the seven cells of an imported channel (Rx .. W/N) as if a user had
// typed them into an empty grid row: Rx first, which writes the row
// defaults, then every other non-empty cell in column order, each through
// the same commit as the grid. Words are accepted in English and Chinese.
//
// Two row shapes are kept as they are instead, as records with only one of
// the two frequencies show themselves: an Rx with an empty Tx and empty
// Power, Scan and W/N is a receive-only channel (its Tx stays empty), and a
// Tx with an empty Rx and empty Power, Scan and W/N is a transmit-only
// channel (its Rx stays empty; its Tx is tested as a typed frequency). Of
// either, only the tones that are given are set.
RowImport ImportChannelCells(const ChannelRow& cells, const BandLimits& limits);

}  // namespace selkan
