#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "editor/csv.h"
#include "editor/list_form.h"
#include "editor/user_message.h"
#include "model/channel_codec.h"
#include "model/product_info.h"
#include "platform/language.h"

namespace selkan {

// How the rows of a list find their channels.
enum class ListNumbering {
  kByNumber,     // each row goes to the channel it names
  kRenumbered,   // the rows name channels, some none of 1 to 199: all go in file order
  kInFileOrder,  // the rows name no channel (repeater directories)
};

// A channel list read from a file, each row mapped onto a channel, before
// it is placed into the document's list.
struct ChannelListRead {
  UserMessage form;  // what it was read as
  ListNumbering numbering = ListNumbering::kByNumber;
  std::vector<ListRow> rows;                // the data rows, in file order
  std::vector<std::string> ignoredColumns;  // names of the header's columns not read
  std::optional<CsvError> refusal;          // the file is no channel list this program reads
};

// Reads a channel list in any form it recognises by the header (the first
// line that holds anything):
// - its own, as ChannelsToCsv writes it: the titles CH, Rx Frequency ...
//   W/N, in any order, English in any letter case or Chinese;
// - the channel list of multi-radio programming programs (the columns
//   Location and Frequency, RadioListForm);
// - a repeater directory (DirectoryForm).
// A header that none of these is gives the refusal; one whose columns mean
// frequencies, offsets or tones that no form reads names them. Rows whose
// fields are all empty are no rows; a row that cannot be read or mapped
// carries its problems.
ChannelListRead ReadChannelList(std::string_view text, const BandLimits& limits);

// Where the imported rows go.
enum class ImportPlacement {
  kReplaceAll,  // every channel replaced: rows to the channels they name, or 1, 2, 3 ...
  kFrom,        // from channel `first` on, over what is there
  kAppend,      // after the last channel in use
};
struct ImportPlace {
  ImportPlacement kind = ImportPlacement::kReplaceAll;
  int first = 1;  // for kFrom
};

struct ImportOutcome {
  ChannelTable table;           // the channel list after the import of the rows that fit
  std::vector<CsvError> unfit;  // each problem of a row that does not fit, in line order
  int imported = 0;             // channels in use the import put into the list
  int firstChannel = 0;         // the first and last channel it put one into; 0 when none
  int lastChannel = 0;
  std::vector<std::pair<std::string, int>> renumbered;  // a Location, and the channel it went to
};

// Places the rows that fit into the current list (the grid's texts, in the
// given language). Replacing all, every row goes to the channel it names,
// or in file order when the list names none or renumbers, and every other
// channel is empty. From a channel and appending, the rows that hold a
// channel go one after the other in the order of the channels they name
// (file order when they name none), over the channels there, and every
// other channel stays. A row does not fit when it has problems, names a
// channel an earlier row named, or has no channel left after 199. The rows
// put in are shown as the grid shows them in the given language.
ImportOutcome PlaceChannels(const ChannelListRead& read, const ChannelTable& current,
                            const ImportPlace& place, Language language);

// The last channel in use (with a frequency), 0 when none is.
int LastChannelInUse(const ChannelTable& table);

// What an import did, one message per line: what the file was read as, how
// many channels were imported and where, the columns ignored, the Locations
// renumbered and the rows skipped (the unfit ones, with line and reason).
std::vector<UserMessage> ImportSummary(const ChannelListRead& read, const ImportOutcome& outcome,
                                       ImportPlacement placement);

// The file as an import that replaces all channels and refuses it when a
// row does not fit: the channels, and every problem (none when it imports).
struct ChannelCsvImport {
  ChannelTable table;
  std::vector<CsvError> errors;
};
ChannelCsvImport ImportChannelCsv(std::string_view text, const BandLimits& limits);

}  // namespace selkan
