#pragma once

#include "editor/cell_edits.h"
#include "model/channel_codec.h"

namespace selkan {

class CMSFlexGrid;

// The channel grid's cells as the editor works on them: blocks of selected
// cells, and the channels' texts (rows 1 to 199, columns Rx to W/N).

// The selected block, or the current cell when nothing is selected.
CellRange SelectedRange(const CMSFlexGrid& grid);
// Selects the block; its first cell becomes the current cell, so that Shift
// and the arrow keys grow the block from there.
void SelectCells(CMSFlexGrid& grid, const CellRange& range);

// The channels' texts as the grid shows them (UTF-8).
ChannelTable GridTexts(const CMSFlexGrid& grid);
// Puts a channel's texts into its row, writing only the cells that differ.
void PutChannelRow(CMSFlexGrid& grid, int channel, const ChannelRow& row);

}  // namespace selkan
