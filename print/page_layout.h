#pragma once

#include <string>
#include <vector>

#include "model/channel_codec.h"
#include "model/option_page.h"
#include "platform/language.h"
#include "print/channel_pages.h"

namespace selkan {

// What the listing prints: page 1 the optional features, then the channel
// pages. Texts are UTF-8.
struct Listing {
  Language language = Language::English;
  std::vector<OptionLine> options;  // the options page lines
  ChannelTable channels;            // the channels' texts as the grid shows them
  std::string owner;                // the footer's owner text
};

// The options page lines of the image and the channels' texts, ready to print.
Listing MakeListing(const RadioImage& image, const ChannelTable& channels, Language language,
                    std::string owner);

// Sizes of a page in twips (1/1440 inch), from the printable area.
struct PageFonts {
  int unit = 0;         // u: column unit, the printable width / 66
  int titleHeight = 0;  // character height: the printable height / 45
  int titleWidth = 0;   // average character width: u
  int bodyHeight = 0;   // 0.8 of the title's
  int bodyWidth = 0;
};
PageFonts PageFontsFor(int printableWidthTwips, int printableHeightTwips);

// The line heights of the two fonts as the device measures them, in twips.
struct LineHeights {
  int title = 0;  // LT
  int body = 0;   // LB
};

enum class PageFont { Title, Body };

// A text drawn with its top-left corner at (x, depth); depth grows downward
// from the top of the printable area.
struct PageText {
  PageFont font = PageFont::Body;
  int x = 0;
  int depth = 0;
  std::string text;
  bool operator==(const PageText&) const = default;
};

struct PageRule {
  int x1 = 0;
  int x2 = 0;
  int depth = 0;
};

// Everything on one page. The footer's owner text is the text the painter
// may shorten to keep it clear of the page number (ownerWidth twips).
struct PageDrawing {
  std::vector<PageRule> rules;
  std::vector<PageText> texts;
  int ownerIndex = -1;  // index of the owner text in texts
  int ownerWidth = 0;
};

// The width text `index` may take up: up to half a column unit before the
// next text on its line begins; -1 when nothing follows it on its line.
int RoomOnLine(const PageDrawing& drawing, std::size_t index, const PageFonts& fonts);

// Number of pages: the options page and the channel pages.
int ListingPageCount(const ChannelPages& pages);

// Lays out page `page` (1 to ListingPageCount) of the listing.
PageDrawing LayOutListingPage(const Listing& listing, const ChannelPages& pages, int page,
                              const PageFonts& fonts, const LineHeights& lines);

}  // namespace selkan
