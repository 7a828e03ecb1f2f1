#pragma once

#include <string>
#include <vector>

#include "editor/channel_csv.h"
#include "editor/csv.h"
#include "model/product_info.h"

namespace selkan {

// Channel lists as the common multi-radio programming programs read and
// write them and repeater directories export them: a header names the
// columns (Location, Name, Frequency, Duplex, Offset, Tone, rToneFreq,
// cToneFreq, DtcsCode, DtcsPolarity, RxDtcsCode, CrossMode, Mode, TStep,
// Skip, Power, Comment), in any order; columns it does not know are
// ignored, and older files lack RxDtcsCode, CrossMode and Power.

// A header of such a list: it names the columns Location and Frequency.
bool IsRadioListHeader(const std::vector<std::string>& fields);

// Maps every row onto a channel of this radio: Frequency (MHz) is Rx; Duplex
// gives Tx (empty: as Rx; + and -: Rx plus or minus Offset; split: Offset;
// off: no Tx, a receive-only channel); Tone with rToneFreq, cToneFreq,
// DtcsCode, DtcsPolarity, RxDtcsCode and CrossMode gives the encode and
// decode tones; Mode FM is Wide and NFM Narrow; Skip S is Scan Off; Power is
// a word (High, Mid or Middle, Low) or watts (High from 4 W, Middle from
// 2 W). Every row then goes through the same rules as a row of the
// program's own channel list.
//
// Location picks the channel when every row's Location is 1 to 199;
// otherwise the rows take channels 1, 2, 3... in file order. Rows this
// radio cannot hold are reported with their line and reason.
ChannelCsvImport RadioListFromCsv(const CsvParse& parse, const BandLimits& limits);

}  // namespace selkan
