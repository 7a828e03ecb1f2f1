#pragma once

#include <string>
#include <vector>

#include "editor/user_message.h"
#include "model/channel_codec.h"
#include "model/product_info.h"
#include "platform/language.h"

namespace selkan {

// A block of grid cells: channels top..bottom, columns left..right (1..7),
// both ends included.
struct CellRange {
  int top = 1;
  int left = 1;
  int bottom = 1;
  int right = 1;
  int Rows() const { return bottom - top + 1; }
  int Columns() const { return right - left + 1; }
  bool operator==(const CellRange&) const = default;
};

// Rows of values taken from the clipboard (see ParsePastedText).
struct PastedBlock {
  std::vector<std::vector<std::string>> rows;
  // With a header: the grid column of each value of a row, 0 for the
  // channel number (which is not pasted). Empty without a header.
  std::vector<int> columns;
};

enum class PasteRefusalReason {
  OutOfRange,         // a frequency outside the band
  StepError,          // a frequency off the 5 kHz and 6.25 kHz raster
  NotATone,           // no tone of the tone list
  NotAWord,           // no word of the column's list
  NoFrequency,        // the channel has no Rx frequency to give the value to
  BeyondLastChannel,  // rows below channel 199 (count: how many values)
  BeyondLastColumn,   // values right of W/N (count: how many values)
};

// Why one value was refused (OutOfRange to NoFrequency), as a text marked
// where it is defined: the cell editors' messages for the frequency tests.
// Imports give the same reasons for the same values.
UserMessage PasteRefusalText(PasteRefusalReason reason);

// A value the paste did not enter; its cell keeps what it had.
struct PasteRefusal {
  int channel = 0;  // 0 for the values beyond the grid
  int column = 0;
  std::string value;
  PasteRefusalReason reason = PasteRefusalReason::OutOfRange;
  int count = 1;
};

struct PasteOutcome {
  ChannelTable table;
  std::vector<PasteRefusal> refusals;  // in channel and column order, the beyond ones last
  CellRange pasted;                    // the cells the block covers inside the grid
};

// Enters a block of values into the grid the way typing does, cell by cell
// and row by row, each value through the commit of its cell: frequencies
// against the band and the raster, an Rx in an empty row writing the row
// defaults, an empty Rx clearing the row and an empty Tx taking the Rx. List
// values are tones or words of their column, in either language, entered
// in the given one; an empty list value resets a used channel's cell as
// ClearCells does. Within a row the values go in column order, whatever the
// order of the header.
//
// Without a header the block starts at the top left cell of the target;
// with one, at the target's top channel and in the columns it names. A
// single value pasted into a target of several cells fills all of them.
//
// A whole row (all seven cells) of the receive-only shape, Rx alone with
// only tones, stays receive-only. A refused value leaves its cell as it
// was and is listed, as is every value the grid has no cell for.
PasteOutcome PasteCells(const ChannelTable& table, const CellRange& target,
                        const PastedBlock& block, const BandLimits& limits, Language language);

// Del on a block of cells, each cell as if emptied and committed: an empty
// Rx clears its channel, an empty Tx takes the Rx, and a list cell of a used
// channel goes back to "None" (tones) or the row default (High, On, Wide).
ChannelTable ClearCells(const ChannelTable& table, const CellRange& range, Language language);

}  // namespace selkan
