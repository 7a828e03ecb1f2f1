#pragma once

#include <string>
#include <vector>

#include "model/radio_image.h"
#include "platform/language.h"

namespace selkan {

// The optional features as the listing shows them: the printed options page,
// its PDF and `selkan-cli show` all take their lines from here, so that they
// agree with each other and with the Optional Features dialog.
namespace option_page {
inline constexpr WordPair kTitle{"Option", "可选功能"};
inline constexpr WordPair kHeading{"Function", "功能"};
}  // namespace option_page

struct OptionLine {
  std::string label;  // with its colon: "Battery Saver:", "电池省电:"
  std::string value;  // "On", "25k", "300", "12", ...
};

// The fourteen lines of the options page, in page order, read from the option
// bytes and the ANI code digits of the image. Switches print "On"/"Off"
// ("开"/"关"); Busy Lock and Key Lock print a set bit as "Off", as the dialog
// shows it. A step code past the list prints "25k"; a priority channel of 0
// prints "Off" ("无"); the ANI code is the dialog's text of it (it ends at the
// first byte that is no digit, 0xFF among them).
std::vector<OptionLine> OptionPageLines(const RadioImage& image, Language language);

}  // namespace selkan
