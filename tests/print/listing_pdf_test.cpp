// The listing rendered to PDF and read back with poppler's tools: the pages,
// their texts, the title, and that no two words overlap on A4 and Letter in
// either language.
#include <gtest/gtest.h>

#include <QGuiApplication>
#include <QPrinter>
#include <regex>

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

class PdfListing : public test::FilesTest {
 protected:
  std::string Write(const QByteArray& pdf, const std::string& name = "listing.pdf") {
    return FilesTest::Write(name, pdf.toStdString());
  }
  static std::vector<std::string> Pages(const std::string& path) {
    return test::PdfPageTexts(path);
  }
};

Listing Demo(Language language, int channels) {
  RadioImage image = BlankImage();
  image[offset::kPriorityChannel] = 12;
  ChannelTable table{};
  for (int row = 1; row <= channels; ++row) {
    table[row - 1] = {"438.10000",
                      "445.12500",
                      "D754I",
                      "67.0",
                      language == Language::Chinese ? "中" : "Middle",
                      language == Language::Chinese ? "开" : "On",
                      language == Language::Chinese ? "窄" : "Narrow"};
  }
  return MakeListing(
      image, table, language,
      language == Language::Chinese ? "赛尔坎电台有限公司" : "Selkan Radio Co., Ltd.");
}

// The pages in both languages: their number, what each holds, the footer,
// and the title of the document.
TEST_F(PdfListing, PagesTextsAndTitleInBothLanguages) {
  struct Case {
    Language language;
    std::vector<std::vector<std::string>> pages;  // texts each page holds
  };
  const Case cases[] = {
      {Language::English,
       {{"Option", "Priority Channel:", "12", "Page 1 of 3", "Selkan Radio Co., Ltd."},
        {"Channel 7:", "Page 2 of 3"},
        {"Channel 8:", "D754I", "Narrow", "Page 3 of 3"}}},
      {Language::Chinese,
       {{"可选功能", "电池省电:", "LED:", "ANI 码:", "Page 1 of 3", "赛尔坎电台有限公司"},
        {"信道1:", "接收频率:", "QT/DQT解码:", "宽/窄:"},
        {"信道8:", "窄", "Page 3 of 3"}}},
  };
  for (const Case& c : cases) {
    const std::string path = Write(ListingPdf(
        Demo(c.language, 8), DefaultPdfLayout(QPageSize(QPageSize::A4)), "电台 radio.dat"));
    const auto pages = Pages(path);
    ASSERT_EQ(pages.size(), c.pages.size());
    for (std::size_t p = 0; p < pages.size(); ++p) {
      for (const std::string& text : c.pages[p])
        EXPECT_NE(pages[p].find(text), std::string::npos) << "page " << p + 1 << ": " << text;
    }
    EXPECT_EQ(pages[1].find("8:"), std::string::npos);  // the eighth starts the next page
    EXPECT_NE(test::CommandOutput("pdfinfo '" + path + "'").find("电台 radio.dat"),
              std::string::npos);
  }
}

// No word touches another and every word lies on the page: the fonts keep
// to the columns on both paper sizes and in both languages.
TEST_F(PdfListing, NoWordOverlapsAnotherOnEitherPaperOrLanguage) {
  const std::regex word(
      R"re(<word xMin="([\d.]+)" yMin="([\d.]+)" xMax="([\d.]+)" yMax="([\d.]+)">([^<]*)</word>)re");
  const std::regex pageSize(R"re(<page width="([\d.]+)" height="([\d.]+)">)re");
  for (const auto paper : {QPageSize::A4, QPageSize::Letter}) {
    for (const Language language : {Language::English, Language::Chinese}) {
      SCOPED_TRACE(std::to_string(static_cast<int>(paper)) + "/" +
                   std::to_string(static_cast<int>(language)));
      // An owner text too long for its place is shortened, not run into
      // the page number.
      Listing listing = Demo(language, 7);
      listing.owner += " Radio Communication Equipment Manufacturing and Trading Company Limited";
      const std::string path =
          Write(ListingPdf(listing, DefaultPdfLayout(QPageSize(paper)), QStringLiteral("x")));
      const std::string html = test::CommandOutput("pdftotext -bbox '" + path + "' -");
      std::smatch size;
      ASSERT_TRUE(std::regex_search(html, size, pageSize));
      const double width = std::stod(size[1]);
      const double height = std::stod(size[2]);
      // Each page's words, page by page.
      std::size_t pageStart = 0;
      int pageCount = 0;
      while ((pageStart = html.find("<page ", pageStart)) != std::string::npos) {
        const std::size_t pageEnd = html.find("</page>", pageStart);
        const std::string page = html.substr(pageStart, pageEnd - pageStart);
        pageStart = pageEnd;
        ++pageCount;
        struct Box {
          double x0, y0, x1, y1;
          std::string text;
        };
        std::vector<Box> boxes;
        for (auto it = std::sregex_iterator(page.begin(), page.end(), word);
             it != std::sregex_iterator(); ++it) {
          boxes.push_back({std::stod((*it)[1]), std::stod((*it)[2]), std::stod((*it)[3]),
                           std::stod((*it)[4]), (*it)[5]});
        }
        ASSERT_GT(boxes.size(), 10u);
        for (std::size_t i = 0; i < boxes.size(); ++i) {
          const Box& a = boxes[i];
          EXPECT_TRUE(a.x0 >= 0 && a.y0 >= 0 && a.x1 <= width && a.y1 <= height) << a.text;
          for (std::size_t j = i + 1; j < boxes.size(); ++j) {
            const Box& b = boxes[j];
            // Lines stand one line height apart, so boxes of lines that
            // follow each other may touch (within rounding).
            constexpr double kTouch = 0.5;
            const bool apart = a.x1 <= b.x0 + kTouch || b.x1 <= a.x0 + kTouch ||
                               a.y1 <= b.y0 + kTouch || b.y1 <= a.y0 + kTouch;
            EXPECT_TRUE(apart) << a.text << " / " << b.text;
          }
        }
      }
      EXPECT_EQ(pageCount, 2);
    }
  }
}

TEST_F(PdfListing, PrinterPrintsTheChosenPageRange) {
  QPrinter printer(QPrinter::HighResolution);
  printer.setOutputFormat(QPrinter::PdfFormat);
  const std::string path = dir_ / "range.pdf";
  printer.setOutputFileName(QString::fromStdString(path));
  printer.setPrintRange(QPrinter::PageRange);
  printer.setFromTo(2, 9);  // past the end: up to the last page
  ASSERT_TRUE(PrintListing(printer, Demo(Language::English, 20)));
  const auto pages = Pages(path);
  ASSERT_EQ(pages.size(), 3u);
  EXPECT_NE(pages[0].find("Page 2 of 4"), std::string::npos);
  EXPECT_NE(pages[2].find("Channel 20:"), std::string::npos);
}

}  // namespace
}  // namespace selkan
