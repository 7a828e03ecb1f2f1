// The listing printed to PDF and read back with poppler's tools.
#include <gtest/gtest.h>

#include <QGuiApplication>
#include <QPrinter>

#include "print/qt/listing_output.h"
#include "tests/support/files_test.h"
#include "tests/support/pdf_text.h"

namespace selkan {
namespace {

using PdfListing = test::FilesTest;

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
  EXPECT_TRUE(pdf.contains(QByteArray::fromRawData("/Creator (\xFE\xFF\0S\0e\0l\0k\0a\0n)", 25)));
}

}  // namespace
}  // namespace selkan
