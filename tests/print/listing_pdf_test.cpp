// The listing printed to PDF and read back with poppler's tools.
#include <gtest/gtest.h>

#include <QGuiApplication>
#include <QPrinter>
#include <array>
#include <cstdlib>
#include <regex>

#include "print/qt/listing_output.h"
#include "tests/support/files_test.h"
#include "tests/support/pdf_text.h"

namespace selkan {
namespace {

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
