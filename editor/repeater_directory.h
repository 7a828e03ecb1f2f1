#pragma once

#include <optional>
#include <string_view>

#include "editor/list_columns.h"
#include "editor/list_form.h"
#include "model/product_info.h"

namespace selkan {

// Repeater directories: exports of repeater lists, one repeater a row, its
// frequencies as the repeater sees them. A header is read as one when it
// names a column of each role below that it needs, none twice, and no other
// column of frequencies, offsets or tones (names in any letter case):
//
//   output frequency, to Rx   Frequency, Output, Output Freq, Output Frequency
//   input frequency, to Tx    Input, Input Freq, Input Frequency
//   offset from the output    Offset, Shift (signed MHz)
//   uplink tone, to Enc       Uplink Tone, Access Tone, PL, PL Tone, CTCSS, Tone
//   downlink tone, to Dec     Downlink Tone, TSQ
//   mode, to W/N              Mode
//
// The output frequency is needed, and the input frequency or the offset. Tx
// is the input frequency when a row gives one, else the output plus the
// offset (a nonzero one needs its sign), else the output. Frequencies and
// offsets are MHz, "MHz" or "kHz" may follow. A tone is a CTCSS tone of the
// tone list in Hz (67, 67.0 or "67.0 Hz"), a D-code ("D023", "D023N" or
// "DCS 023" normal, "D023I" inverted), or none (empty, CSQ, None, Off, 0). A
// mode that names FM or Analog is Wide, NFM, FMN, NBFM or Narrow Narrow; the
// radio holds no other. Power and Scan take the row defaults. The rows go to
// channels in file order; the other columns (Call, Location ...) are ignored.
std::optional<ListForm> DirectoryForm(const ListColumns& columns, const BandLimits& limits);

// Whether the name is one of a role above.
bool IsDirectoryColumn(std::string_view name);

}  // namespace selkan
