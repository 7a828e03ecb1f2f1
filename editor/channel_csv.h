#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "editor/csv.h"
#include "editor/list_columns.h"
#include "editor/list_form.h"
#include "model/channel_codec.h"
#include "model/product_info.h"

namespace selkan {

// The channel list as a CSV file: this header, then one record per channel,
// the channel number first and the seven grid cells after it.
inline constexpr std::string_view kChannelCsvHeader =
    "CH,Rx Frequency,Tx Frequency,QT/DQT Dec,QT/DQT Enc,Power,Scan,W/N";
inline constexpr std::string_view kCsvLineEnd = "\r\n";

// The header and the 199 channels in order, every line ended by CRLF.
std::string ChannelsToCsv(const ChannelTable& table);

// The list in the form ChannelsToCsv writes, as a spreadsheet may give it
// back: a header of the eight titles in any order, English in any letter
// case or Chinese; nullopt for any other header. Each row names its channel
// (1 to 199) and goes through ImportChannelCells.
std::optional<ListForm> OwnListForm(const ListColumns& columns, const BandLimits& limits);

}  // namespace selkan
