#include "print/page_layout.h"

#include <cstdio>
#include <optional>
#include <utility>

namespace selkan {

namespace {

// Where things stand across the page, in column units u.
constexpr int kRuleLeft = 5;
constexpr int kRuleRight = 60;
constexpr int kTitleX = 6;
constexpr int kOptionLabelX = 9;
constexpr int kOptionValueX = 35;
constexpr int kChannelNameX = 4;
constexpr int kLabelX = 5;
constexpr int kValueX = 22;
constexpr int kSecondLabelX = 36;
constexpr int kSecondValueX = 55;
constexpr int kOwnerX = 10;
constexpr int kPageNumberX = 45;
// Down the page, in lines: the footer, the first option line and the first
// line of a channel block; blocks follow each other 5.7 body lines apart.
constexpr int kFooterLines = 36;
constexpr int kFirstOptionLine = 5;
constexpr int kChannelBlockLine = 4;
constexpr double kChannelBlockLines = 5.7;

constexpr WordPair kChannelTitle{"Channel", "信道"};
constexpr WordPair kChannelName{"Channel %d:", "信道%d:"};
// The labels of a channel block: line 1 to 4, left and right.
constexpr WordPair kBlockLabels[4][2] = {
    {{"Receive Frequency:", "接收频率:"}, {"Transceive Frequency:", "发射频率:"}},
    {{"QT/DQT Decode:", "QT/DQT解码:"}, {"QT/DQT Encode:", "QT/DQT编码:"}},
    {{"Power:", "功率:"}, {"Scan:", "扫描开关:"}},
    {{"W/N:", "宽/窄:"}, {nullptr, nullptr}},
};
// The grid columns beside those labels.
constexpr int kBlockColumns[4][2] = {
    {kColRx, kColTx}, {kColDecodeTone, kColEncodeTone}, {kColPower, kColScan}, {kColBandwidth, 0}};

std::string Format(const char* pattern, int a, int b = 0) {
  char buffer[64];
  std::snprintf(buffer, sizeof buffer, pattern, a, b);
  return buffer;
}

class PageWriter {
 public:
  PageWriter(PageDrawing& drawing, const PageFonts& fonts) : drawing_(drawing), u_(fonts.unit) {}
  void Text(PageFont font, int column, int depth, std::string text) {
    if (!text.empty()) drawing_.texts.push_back({font, column * u_, depth, std::move(text)});
  }

 private:
  PageDrawing& drawing_;
  int u_;
};

void LayOutOptions(const Listing& listing, const LineHeights& lines, PageWriter& page) {
  const Language language = listing.language;
  page.Text(PageFont::Title, kTitleX, lines.title, option_page::kTitle.In(language));
  page.Text(PageFont::Body, kTitleX, 4 * lines.body, option_page::kHeading.In(language));
  int n = kFirstOptionLine;
  for (const OptionLine& option : listing.options) {
    page.Text(PageFont::Body, kOptionLabelX, n * lines.body, option.label);
    page.Text(PageFont::Body, kOptionValueX, n * lines.body, option.value);
    ++n;
  }
}

void LayOutChannels(const Listing& listing, const ChannelPages& pages, int channelPage,
                    const LineHeights& lines, PageWriter& page) {
  const Language language = listing.language;
  page.Text(PageFont::Title, kTitleX, lines.title, kChannelTitle.In(language));
  int j = 0;
  for (const int row : ChannelsOnPage(listing.channels, pages, channelPage)) {
    const int block = static_cast<int>(j * lines.body * kChannelBlockLines);
    const int top = block + kChannelBlockLine * lines.body;
    page.Text(PageFont::Body, kChannelNameX, top, Format(kChannelName.In(language), row));
    const ChannelRow& cells = listing.channels[row - 1];
    for (int line = 0; line < 4; ++line) {
      const int depth = top + (line + 1) * lines.body;
      const int columns[] = {kLabelX, kSecondLabelX};
      const int values[] = {kValueX, kSecondValueX};
      for (int side = 0; side < 2; ++side) {
        if (kBlockColumns[line][side] == 0) continue;
        page.Text(PageFont::Body, columns[side], depth, kBlockLabels[line][side].In(language));
        page.Text(PageFont::Body, values[side], depth, Cell(cells, kBlockColumns[line][side]));
      }
    }
    ++j;
  }
}

}  // namespace

Listing MakeListing(const RadioImage& image, const ChannelTable& channels, Language language,
                    std::string owner) {
  return {language, OptionPageLines(image, language), channels, std::move(owner)};
}

PageFonts PageFontsFor(int printableWidthTwips, int printableHeightTwips) {
  PageFonts fonts;
  fonts.unit = printableWidthTwips / 66;
  fonts.titleHeight = printableHeightTwips / 45;
  fonts.titleWidth = fonts.unit;
  fonts.bodyHeight = static_cast<int>(fonts.titleHeight * 0.8);
  fonts.bodyWidth = static_cast<int>(fonts.titleWidth * 0.8);
  return fonts;
}

int ListingPageCount(const ChannelPages& pages) { return pages.Count() + 1; }

int RoomOnLine(const PageDrawing& drawing, std::size_t index, const PageFonts& fonts) {
  const PageText& text = drawing.texts[index];
  std::optional<int> next;
  for (const PageText& other : drawing.texts) {
    if (other.depth == text.depth && other.x > text.x && (!next || other.x < *next)) next = other.x;
  }
  return next ? *next - text.x - fonts.unit / 2 : -1;
}

PageDrawing LayOutListingPage(const Listing& listing, const ChannelPages& pages, int page,
                              const PageFonts& fonts, const LineHeights& lines) {
  PageDrawing drawing;
  const int u = fonts.unit;
  const int lt = lines.title;
  const int footer = kFooterLines * lt;
  for (const int depth : {2 * lt + 50, 2 * lt + 120, footer - lt / 2})
    drawing.rules.push_back({kRuleLeft * u, kRuleRight * u, depth});

  PageWriter writer(drawing, fonts);
  if (page == 1)
    LayOutOptions(listing, lines, writer);
  else
    LayOutChannels(listing, pages, page - 1, lines, writer);

  // The footer is the same in both languages.
  if (!listing.owner.empty()) {
    drawing.ownerIndex = static_cast<int>(drawing.texts.size());
    drawing.ownerWidth = (kPageNumberX - kOwnerX - 1) * u;
  }
  writer.Text(PageFont::Body, kOwnerX, footer, listing.owner);
  writer.Text(PageFont::Body, kPageNumberX, footer,
              Format("Page %d of %d", page, ListingPageCount(pages)));
  return drawing;
}

}  // namespace selkan
