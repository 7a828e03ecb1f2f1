#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "editor/cell_edits.h"
#include "model/channel_codec.h"

namespace selkan {

// Cells as spreadsheets put them on the clipboard and take them from it: one
// line per channel, each ended by LF, the cells separated by tabs (quoted
// when they hold a tab, a quote or a line end).
std::string CellsAsTabText(const ChannelTable& table, const CellRange& range);

// Whole channels in the form of the channel list file: its header, then one
// line per channel with the channel number first, CRLF line ends.
std::string ChannelsAsCsvText(const ChannelTable& table, int firstChannel, int lastChannel);

// Text from the clipboard cut into rows of values: tab-separated when it
// holds a tab, else comma-separated when it holds a comma, else one value
// per line. Quoted fields are read as spreadsheets and CSV files quote them;
// text whose quotes do not parse is cut at every separator instead. An empty
// line is a row of one empty value; the line end after the last row is no
// row of its own.
//
// A first row that consists of column titles of the grid (English in any
// letter case, or Chinese; "CH" among them or not), each at most once, is a
// header: it is not a row, and it says which grid column each value goes
// to. Without one, the values go to the columns in order.
PastedBlock ParsePastedText(std::string_view text);

}  // namespace selkan
