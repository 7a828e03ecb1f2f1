// The listing printed to PDF and read back with poppler's tools.
#include <gtest/gtest.h>

#include <QGuiApplication>
#include <QPrinter>

#include "print/qt/listing_output.h"
#include "tests/support/files_test.h"
#include "tests/support/pdf_text.h"

namespace selkan {
namespace {

// The page module needs the GUI side of Qt (fonts); one application for all.
class GuiEnvironment : public testing::Environment {
 public:
  void SetUp() override {
    static int argc = 1;
    static char name[] = "selkan_print_tests";
    static char* argv[] = {name, nullptr};
    app_ = std::make_unique<QGuiApplication>(argc, argv);
  }
  void TearDown() override { app_.reset(); }

 private:
  std::unique_ptr<QGuiApplication> app_;
};
const auto* const kGui = testing::AddGlobalTestEnvironment(new GuiEnvironment);

using PdfListing = test::FilesTest;

Listing Demo(int channels) {
  RadioImage image = BlankImage();
  image[offset::kPriorityChannel] = 12;
  ChannelTable table{};
  for (int row = 1; row <= channels; ++row) {
    table[row - 1] = {"438.10000", "445.12500", "D754I", "67.0", "Middle", "On", "Narrow"};
  }
  return MakeListing(image, table, Language::English, "Selkan Radio Co., Ltd.");
}

TEST_F(PdfListing, PrinterPrintsTheChosenPageRange) {
  QPrinter printer(QPrinter::HighResolution);
  printer.setOutputFormat(QPrinter::PdfFormat);
  const std::string path = dir_ / "range.pdf";
  printer.setOutputFileName(QString::fromStdString(path));
  printer.setPrintRange(QPrinter::PageRange);
  printer.setFromTo(2, 9);  // past the end: up to the last page
  ASSERT_TRUE(PrintListing(printer, Demo(20)));
  const auto pages = test::PdfPageTexts(path);
  ASSERT_EQ(pages.size(), 3u);
  EXPECT_NE(pages[0].find("Page 2 of 4"), std::string::npos);
  EXPECT_NE(pages[2].find("Channel 20:"), std::string::npos);
}

}  // namespace
}  // namespace selkan
