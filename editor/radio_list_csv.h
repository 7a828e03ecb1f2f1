#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "editor/list_columns.h"
#include "editor/list_form.h"
#include "model/product_info.h"

namespace selkan {

// Channel lists as the common multi-radio programming programs read and
// write them: a header names the columns (Location, Name, Frequency,
// Duplex, Offset, Tone, rToneFreq, cToneFreq, DtcsCode, DtcsPolarity,
// RxDtcsCode, CrossMode, Mode, TStep, Skip, Power, Comment, URCALL,
// RPT1CALL, RPT2CALL, DVCODE), in any order and letter case; older files
// lack RxDtcsCode, CrossMode and Power.

// A mode this radio does not work in, as the Mode column gives it.
UserMessage ModeProblem(std::string_view mode);

// Whether the column is one of the list's own.
bool IsRadioListColumn(std::string_view name);

// The list when the header names Location and Frequency and no other column
// of frequencies, offsets or tones than the list's own; nullopt otherwise.
// Columns it does not read (Name, TStep, Comment ...) are ignored.
//
// Maps every row onto a channel of this radio: Frequency (MHz) is Rx; Duplex
// gives Tx (empty: as Rx; + and -: Rx plus or minus Offset; split: Offset;
// off: no Tx, a receive-only channel); Tone with rToneFreq, cToneFreq,
// DtcsCode, DtcsPolarity, RxDtcsCode and CrossMode gives the encode and
// decode tones; Mode FM is Wide and NFM Narrow; Skip S is Scan Off; Power is
// a word (High, Mid or Middle, Low) or watts (High from 4 W, Middle from
// 2 W). Words in any letter case. Every row then goes through the same
// rules as a row of the program's own channel list.
//
// Location names the channel when every row's Location is 1 to 199;
// otherwise the rows go in file order.
std::optional<ListForm> RadioListForm(const ListColumns& columns, const BandLimits& limits);

}  // namespace selkan
