// Which channels go on which page, and where their texts stand.
#include "print/page_layout.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "print/channel_pages.h"

namespace selkan {
namespace {

// Every used channel once, in grid order, seven to a page but the last, gaps leaving no
// holes; a row counts by its Rx text alone.
TEST(PageLayout, ChannelsFillPagesWithoutHolesTextsHaveRoomOnTheirLine) {
  const std::vector<int> used{1, 3, 50, 51, 100, 150, 160, 170, 199};
  ChannelTable table;
  for (int row : used) Cell(table[row - 1], kColRx) = "438.10000";
  const ChannelPages pages = PaginateChannels(table);
  ASSERT_EQ(std::pair(pages.usedChannels, pages.Count()), std::pair(9, 2));
  EXPECT_EQ(ChannelsOnPage(table, pages, 1), std::vector<int>(used.begin(), used.begin() + 7));
  EXPECT_EQ(ChannelsOnPage(table, pages, 2), (std::vector<int>{170, 199}));
  for (int page : {0, 3}) EXPECT_TRUE(ChannelsOnPage(table, pages, page).empty()) << page;
  Cell(table[9], kColTx) = "440.00000";
  EXPECT_EQ(PaginateChannels(table).usedChannels, 9);

  // An A4 page's printable area in twips, a serif font's line heights: "Receive Frequency:" at
  // 5u, its value at 22u up to the label at 36u; an empty Tx leaves "Transceive Frequency:" the
  // rest of the line.
  const PageFonts fonts = PageFontsFor(10800, 15500);
  ChannelTable channels;
  channels[0] = {"438.10000", "", "D023N", "None", "High", "On", "Wide"};
  const Listing listing = MakeListing(BlankImage(), channels, Language::English, "Owner Ltd.");
  const ChannelPages listingPages = PaginateChannels(listing.channels);
  const PageDrawing page = LayOutListingPage(listing, listingPages, 2, fonts, {400, 320});
  const auto room = [&](const std::string& text) {
    const auto it = std::ranges::find(page.texts, text, &PageText::text);
    EXPECT_NE(it, page.texts.end()) << text;
    return RoomOnLine(page, static_cast<std::size_t>(it - page.texts.begin()), fonts);
  };
  const int u = fonts.unit;
  EXPECT_EQ(room("Receive Frequency:"), 17 * u - u / 2);
  EXPECT_EQ(room("438.10000"), 14 * u - u / 2);
  EXPECT_TRUE(room("Transceive Frequency:") == -1 && room("Channel 1:") == -1);
  const PageText& owner = page.texts.at(static_cast<std::size_t>(page.ownerIndex));
  EXPECT_EQ(owner.text, "Owner Ltd.");  // its room ends a unit before the page number
  EXPECT_EQ(page.texts.back().text.find("Page 2"), 0u);
  EXPECT_EQ(page.texts.back().x - owner.x - page.ownerWidth, u);
  // The options page opens with its title in the title font; then each option, a line down
  // from the last, its label left of its value.
  const PageDrawing options = LayOutListingPage(listing, listingPages, 1, fonts, {400, 320});
  EXPECT_TRUE(options.texts.at(0).font == PageFont::Title && options.texts.at(0).text == "Option");
  const std::size_t first = 2;  // after the title and the heading
  ASSERT_GE(options.texts.size(), first + 2 * listing.options.size());
  const std::size_t last = listing.options.size() - 1;  // the blank ANI code: no value drawn
  for (std::size_t i = 0; i < last; ++i) {
    const PageText &label = options.texts[first + 2 * i], &value = options.texts[first + 1 + 2 * i];
    EXPECT_TRUE(label.text == listing.options[i].label && value.text == listing.options[i].value &&
                label.depth == value.depth && label.x < value.x &&
                label.depth > options.texts[first + 2 * i - 1].depth)
        << i;
  }
  EXPECT_EQ(options.texts[first + 2 * last].text, listing.options[last].label);
}

}  // namespace
}  // namespace selkan
