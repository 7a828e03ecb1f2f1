#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "editor/csv.h"
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

struct ChannelCsvImport {
  ChannelTable table;            // channels the file does not list stay empty
  std::vector<CsvError> errors;  // every bad line, in line order
};

// Reads a channel list in the form ChannelsToCsv writes, rows in any order,
// each channel at most once, every row taken through ImportChannelCells.
ChannelCsvImport ChannelsFromCsv(std::string_view text, const BandLimits& limits);

// Reads a channel list in either form it recognises by its header: the one
// ChannelsToCsv writes, or the channel list of multi-radio programming
// programs and repeater directories (RadioListFromCsv).
ChannelCsvImport ImportChannelCsv(std::string_view text, const BandLimits& limits);

}  // namespace selkan
