#pragma once

#include <functional>
#include <string>
#include <vector>

#include "editor/user_message.h"
#include "model/channel_codec.h"

namespace selkan {

// One data row of a channel list, mapped onto a channel of this radio.
struct ListRow {
  int line = 0;        // of the file, from 1
  std::string number;  // the channel number the row gives (CH, Location), as written; else empty
  int channel = 0;     // that number as a channel 1 to 199; 0 when it is none
  ChannelRow row;      // the channel, in English words, when there are no problems
  std::vector<UserMessage> problems;  // why the radio cannot hold the row
};

// A form of channel list this program reads, as recognised by its header.
struct ListForm {
  UserMessage name;       // what the file is read as, for the summary
  bool numbered = false;  // the rows name their channels
  // ... unless any row names none of 1 to 199: then every row goes in file
  // order. Without this, such a row does not fit.
  bool renumberWhenOutside = false;
  std::vector<std::string> ignored;  // names of the columns not read
  // Maps the fields of a data record (as many as the header names, or more
  // empty ones) onto the row's number, channel, cells and problems.
  std::function<void(const std::vector<std::string>& fields, ListRow& row)> map;
};

}  // namespace selkan
