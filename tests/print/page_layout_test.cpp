#include "print/page_layout.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace selkan {
namespace {

// An A4 page's printable area in twips, with line heights a serif font gives.
const PageFonts kFonts = PageFontsFor(10800, 15500);
constexpr LineHeights kLines{400, 320};

Listing ListingWith(const std::vector<int>& rows, Language language = Language::English) {
  ChannelTable channels{};
  for (int row : rows) {
    channels[row - 1] = {"438.10000", "", "D023N", "None", "High", "On", "Wide"};
  }
  return MakeListing(BlankImage(), channels, language, "Owner Ltd.");
}

const PageText* Find(const PageDrawing& page, const std::string& text) {
  const auto it = std::find_if(page.texts.begin(), page.texts.end(),
                               [&](const PageText& item) { return item.text == text; });
  return it == page.texts.end() ? nullptr : &*it;
}

TEST(RoomOnLine, UpToHalfAUnitBeforeTheNextTextOnTheLine) {
  const Listing listing = ListingWith({1});
  const PageDrawing page =
      LayOutListingPage(listing, PaginateChannels(listing.channels), 2, kFonts, kLines);
  const auto index = [&](const std::string& text) {
    return static_cast<std::size_t>(Find(page, text) - page.texts.data());
  };
  const int u = kFonts.unit;
  // "Receive Frequency:" at 5u, its value at 22u; the value runs up to the
  // right-hand label at 36u; the Tx cell is empty, so "Transceive
  // Frequency:" has the rest of the line.
  EXPECT_EQ(RoomOnLine(page, index("Receive Frequency:"), kFonts), 17 * u - u / 2);
  EXPECT_EQ(RoomOnLine(page, index("438.10000"), kFonts), 14 * u - u / 2);
  EXPECT_EQ(RoomOnLine(page, index("Transceive Frequency:"), kFonts), -1);
  EXPECT_EQ(RoomOnLine(page, index("Channel 1:"), kFonts), -1);
}

}  // namespace
}  // namespace selkan
