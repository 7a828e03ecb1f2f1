// The listing: which channels go on which page and where their texts stand; the pages printed
// to PDF and read back with poppler's tools.
#include <gtest/gtest.h>

#include <QGuiApplication>
#include <QPrinter>
#include <algorithm>
#include <array>
#include <cstdlib>
#include <regex>

#include "print/channel_pages.h"
#include "print/page_layout.h"
#include "print/qt/listing_output.h"
#include "tests/support/files_test.h"
#include "tests/support/pdf_text.h"

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
  const auto depth = [&](const char* text) {  // the block's first line: one below its name
    return std::ranges::find(page.texts, text, &PageText::text)->depth;
  };
  EXPECT_EQ(depth("Receive Frequency:") - depth("Channel 1:"), 320);
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

using PdfListing = test::FilesTest;

// The lines drawn on a page, as pdftocairo writes them into SVG: their width in points and their
// ends in the page's own units.
std::vector<std::array<double, 5>> PageLines(const std::string& pdf, int page) {
  const std::string svg = pdf + ".svg", number = std::to_string(page);
  const std::string command =
      "pdftocairo -svg -f " + number + " -l " + number + " '" + pdf + "' '" + svg + "'";
  if (std::system(command.c_str()) != 0) return {};
  const std::string text = test::ReadBytes(svg);
  const std::regex line(R"(stroke-width:([\d.]+);[^>]*d="M ([\d.]+) ([\d.]+) L ([\d.]+) ([\d.]+) ")"
                        R"( transform="matrix\(([\d.]+),)");
  std::vector<std::array<double, 5>> lines;
  for (std::sregex_iterator it(text.begin(), text.end(), line), end; it != end; ++it) {
    const auto number = [&](int i) { return std::stod((*it)[i].str()); };
    lines.push_back({number(1) * number(6), number(2), number(3), number(4), number(5)});
  }
  return lines;
}

TEST_F(PdfListing, PrinterPrintsTheChosenPageRange) {
  char name[] = "selkan_print_tests", *argv[] = {name, nullptr};
  int argc = 1;
  const QGuiApplication app(argc, argv);  // the page module draws with the GUI's fonts
  QPrinter printer(QPrinter::HighResolution);
  const std::string path = dir_ / "range.pdf";
  printer.setOutputFileName(QString::fromStdString(path));
  printer.setPrintRange(QPrinter::PageRange);
  printer.setFromTo(2, 9);  // past the end: up to the last page
  RadioImage image = BlankImage();
  image[offset::kPriorityChannel] = 12;
  ChannelTable table;
  for (int row = 0; row < 20; ++row)
    table[row] = {"438.10000", "445.12500", "D754I", "67.0", "Middle", "On", "Narrow"};
  const Listing listing = MakeListing(image, table, Language::English, "Selkan Radio Co., Ltd.");
  ASSERT_TRUE(PrintListing(printer, listing));
  const auto pages = test::PdfPageTexts(path);
  ASSERT_EQ(pages.size(), 3u);
  EXPECT_NE(pages[0].find("Page 2 of 4"), std::string::npos);
  EXPECT_NE(pages[2].find("Channel 20:"), std::string::npos);
  printer.setOutputFileName(QString::fromStdString(dir_ / "first.pdf"));
  printer.setFromTo(1, 1);  // the first page only
  ASSERT_TRUE(PrintListing(printer, listing));
  EXPECT_EQ(test::PdfPageTexts(dir_ / "first.pdf").size(), 1u);
  const QByteArray pdf = ListingPdf(listing, DefaultPdfLayout(QPageSize(QPageSize::Letter)), "t");
  EXPECT_EQ(pdf.count("/MediaBox [0 0 612."), 4);  // every page, on the paper asked for
  // Three rules on every page, half a point wide, across it: two under the title, one above the
  // footer.
  test::WriteBytes(dir_ / "all.pdf", pdf.toStdString());
  for (int page : {1, 3}) {
    const auto rules = PageLines(dir_ / "all.pdf", page);
    ASSERT_EQ(rules.size(), 3u) << page;
    for (const auto& [points, x1, y1, x2, y2] : rules)
      EXPECT_TRUE(std::abs(points - 0.5) < 0.01 && y1 == y2 && x2 - x1 > 0.7 * 12240) << points;
    EXPECT_TRUE(rules[0][2] < rules[1][2] && rules[1][2] < 0.1 * 15840 &&
                rules[2][2] > 0.85 * 15840);
  }
  EXPECT_TRUE(pdf.contains(QByteArray::fromRawData("/Creator (\xFE\xFF\0S\0e\0l\0k\0a\0n)", 25)) &&
              pdf.contains(QByteArray::fromRawData("/Title (\xFE\xFF\0t)", 12)));
}

}  // namespace
}  // namespace selkan
