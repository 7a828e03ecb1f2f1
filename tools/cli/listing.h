#pragma once

#include <string>

#include "model/channel_codec.h"
#include "model/radio_image.h"

namespace selkan::cli {

// The channels whose Rx Frequency cell is not empty, as an aligned table
// with a heading line; "No channels in use." when there are none.
std::string ChannelListing(const ChannelTable& table);

// The whole listing of show: options, radio type and band indexes, channels.
std::string ShowListing(const RadioImage& image);

}  // namespace selkan::cli
