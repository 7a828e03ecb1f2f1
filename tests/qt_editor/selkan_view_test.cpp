// The channel view: its one-time grid set-up in both languages, decode and
// encode through the grid, the product step, the title and the icon.
#include "editor/qt/selkan_view.h"

#include <QIcon>
#include <QImage>
#include <QLabel>
#include <QSignalSpy>
#include <QStringEncoder>
#include <QTest>

#include "editor/qt/channel_grid_layout.h"
#include "editor/qt/grid_table.h"
#include "editor/qt/ms_flex_grid.h"
#include "model/selkan_doc.h"
#include "product_profile_fixture.h"

using selkan::CMSFlexGrid;
using selkan::CSelkanDoc;
using selkan::CSelkanView;
using selkan::testing::kRegistryKey;
using selkan::testing::ProductProfileFixture;
using selkan::testing::ProfileText;

namespace {

// Channel n: Rx 145.12500, Tx 145.72500, decode tone 88.5 Hz, encode D023N,
// high power, scan on, wide.
void PutChannel(selkan::RadioImage& image, int n) {
  const std::uint8_t record[16] = {0x00, 0x25, 0x51, 0x14, 0x00, 0x25, 0x57, 0x14,
                                   0x85, 0x08, 0x23, 0x80, 0x1A, 0x00, 0x00, 0x00};
  std::copy(std::begin(record), std::end(record), image.begin() + selkan::offset::Channel(n));
}

}  // namespace

class SelkanViewTest : public QObject {
  Q_OBJECT

 private:
  std::unique_ptr<ProductProfileFixture> fixture_;
  CSelkanDoc document_;
  std::unique_ptr<CSelkanView> view_;

  void MakeView(const QByteArray& profileText) {
    view_.reset();
    fixture_ = std::make_unique<ProductProfileFixture>(profileText);
    QVERIFY(fixture_->loaded);
    selkan::ViewContext context;
    context.settings = &fixture_->settings;
    context.profile = &fixture_->profile;
    context.registry = &fixture_->registry;
    view_ = std::make_unique<CSelkanView>(document_, context);
  }
  CMSFlexGrid& Grid() { return *view_->Grid(); }
  QStringList Row(int r) {
    QStringList texts;
    for (int c = 0; c < 8; ++c) texts << Grid().GetTextMatrix(r, c);
    return texts;
  }

 private slots:
  void init() {
    document_ = CSelkanDoc();
    document_.Image() = selkan::BlankImage();
    selkan::SetBlankDocumentFlag(false);
  }
  void cleanup() {
    view_.reset();
    fixture_.reset();
  }

  void englishSetUpWritesTitlesNumbersAndTheTitleLabel() {
    MakeView(ProfileText("English"));
    view_->OnInitialUpdate();
    QCOMPARE(Row(0), QStringList({"CH", "Rx Frequency", "Tx Frequency", "QT/DQT Dec", "QT/DQT Enc",
                                  "Power", "Scan", "W/N"}));
    for (const char* number : {"  1", "  7", " 42", "199"})
      QCOMPARE(Grid().GetTextMatrix(QString(number).toInt(), 0), QString(number));

    QLabel* title = view_->findChild<QLabel*>("title");
    QCOMPARE(title, view_->TitleLabel());
    QCOMPARE(title->text(), QString("Selkan Radio"));
    QCOMPARE(title->property("controlId").toInt(), 1007);
    QCOMPARE(title->palette().color(QPalette::WindowText), QColor(250, 10, 10));
    QCOMPARE(title->font().pointSize(), 12);
    QCOMPARE(Grid().GetForeColorFixed(), 0x00F03200u);  // RGB(0, 50, 240)
    QCOMPARE(view_->ToneList().size(), std::size_t{261});
  }

  void chineseSetUpAndDecodeUseTheChineseTexts() {
    MakeView(ProfileText("Chinese"));
    PutChannel(document_.Image(), 3);
    view_->OnInitialUpdate();
    QCOMPARE(Row(0), QStringList({"信道", "接收频率", "发射频率", "QT/DQT解码", "QT/DQT编码",
                                  "功率", "扫描", "宽/窄"}));
    QCOMPARE(view_->TitleLabel()->text(), QString("赛尔坎对讲机"));
    QCOMPARE(Row(3),
             QStringList({"  3", "145.12500", "145.72500", "88.5", "D023N", "高", "开", "宽"}));
    QCOMPARE(view_->ToneList().front(), std::string("无"));
  }

  void titleAndCaptionFromAGbkProfileAreDecoded() {
    QByteArray text = ProfileText("Chinese");
    text.replace("Type1=SK-100", "Type1=陆路");  // also valid UTF-8 when in GBK
    MakeView(QStringEncoder("GB18030").encode(QString::fromUtf8(text)));
    document_.Image()[selkan::offset::kRadioType] = 0;
    document_.Image()[selkan::offset::kBandIndex] = 0;
    QSignalSpy captions(view_.get(), &CSelkanView::captionChanged);
    view_->OnInitialUpdate();
    QCOMPARE(view_->TitleLabel()->text(), QString("赛尔坎对讲机"));
    QCOMPARE(captions.at(0).at(0).toString(),
             QString("赛尔坎编程  [ 类型:陆路  频率:136 - 174MHz ]"));
  }

  void missingTitleLeavesTheLabelEmpty() {
    MakeView(ProfileText("English", false));
    view_->OnInitialUpdate();
    QCOMPARE(view_->TitleLabel()->text(), QString());
  }

  void everyColumnIsCentredAndKeepsTheWidthRatios() {
    MakeView(ProfileText("English"));
    const int base = Grid().GetColWidth(0);
    QVERIFY(base > 0);
    view_->OnInitialUpdate();
    const std::array<int, 8> expected = selkan::ColumnWidths(base);
    const int onePixel = 1440 / Grid().logicalDpiX() + 1;
    for (int c = 0; c < 8; ++c) {
      QCOMPARE(Grid().GetColAlignment(c), CMSFlexGrid::kAlignCenterCenter);
      QVERIFY2(std::abs(Grid().GetColWidth(c) - expected[c]) <= onePixel,
               qPrintable(QString("column %1: %2 twips, expected %3")
                              .arg(c)
                              .arg(Grid().GetColWidth(c))
                              .arg(expected[c])));
    }
    // Channel 7's number sits centred in its cell.
    QCOMPARE(Qt::Alignment(Grid().Table()->verticalHeaderItem(6)->textAlignment()),
             Qt::AlignCenter);
  }

  void widthRatiosTruncateEachProduct() {
    QCOMPARE(selkan::ColumnWidths(1000),
             (std::array<int, 8>{500, 1500, 1500, 1400, 1400, 1100, 1100, 1100}));
    QCOMPARE(selkan::ColumnWidths(999),
             (std::array<int, 8>{499, 1498, 1498, 1398, 1398, 1098, 1098, 1098}));
  }

  void secondInitialUpdateOnlyRefillsTheChannels() {
    MakeView(ProfileText("English"));
    view_->OnInitialUpdate();
    Grid().SetTextMatrix(0, 6, "changed title");
    Grid().SetTextMatrix(7, 0, "x");
    Grid().SetColWidth(2, 3000);
    const int width = Grid().GetColWidth(2);
    Grid().SetTextMatrix(5, 1, "an edit the image never had");
    PutChannel(document_.Image(), 9);

    view_->OnInitialUpdate();
    QCOMPARE(Grid().GetTextMatrix(0, 6), QString("changed title"));
    QCOMPARE(Grid().GetTextMatrix(7, 0), QString("x"));
    QCOMPARE(Grid().GetColWidth(2), width);
    QCOMPARE(Grid().GetTextMatrix(5, 1), QString());
    QCOMPARE(Grid().GetTextMatrix(9, 1), QString("145.12500"));
  }

  void decodeFillsEveryChannelRowInEnglish() {
    MakeView(ProfileText("English"));
    PutChannel(document_.Image(), 1);
    PutChannel(document_.Image(), 199);
    // Channel 2: receive only, so no power, scan or bandwidth text.
    auto* two = document_.Image().data() + selkan::offset::Channel(2);
    two[0] = 0x00, two[1] = 0x25, two[2] = 0x51, two[3] = 0x14;
    view_->OnInitialUpdate();
    QCOMPARE(Row(1),
             QStringList({"  1", "145.12500", "145.72500", "88.5", "D023N", "High", "On", "Wide"}));
    QCOMPARE(Row(2), QStringList({"  2", "145.12500", "", "", "", "", "", ""}));
    QCOMPARE(Row(3), QStringList({"  3", "", "", "", "", "", "", ""}));
    QCOMPARE(Row(199).mid(1, 1), QStringList({"145.12500"}));
  }

  void encodeWritesTheGridBackIntoTheImage() {
    MakeView(ProfileText("English"));
    PutChannel(document_.Image(), 4);
    view_->OnInitialUpdate();
    const selkan::RadioImage decoded = document_.Image();
    view_->Encode();  // decode then encode keeps a complete record
    QVERIFY(std::equal(decoded.begin() + 64, decoded.begin() + 80, document_.Image().begin() + 64));

    Grid().SetTextMatrix(10, 1, "136.00625");
    Grid().SetTextMatrix(10, 2, "136.00625");
    Grid().SetTextMatrix(10, 5, "中");  // either language's word is accepted
    Grid().SetTextMatrix(10, 6, "On");
    Grid().SetTextMatrix(4, 1, "");  // channel 4 emptied
    view_->Encode();
    const auto* ten = document_.Image().data() + selkan::offset::Channel(10);
    QCOMPARE(QByteArray(reinterpret_cast<const char*>(ten), 4), QByteArray("\x25\x06\x60\x13", 4));
    QCOMPARE(int(ten[12] & 0x1E), 0x04 | 0x08);
    const auto* four = document_.Image().data() + selkan::offset::Channel(4);
    QCOMPARE(int(four[3]), 0xFF);
  }

  void productStepOfANewDocumentTakesTypeAndBandFromTheRegistry() {
    MakeView(ProfileText("English"));
    fixture_->registry.WriteValue(kRegistryKey, "Type", 1);
    fixture_->registry.WriteValue(kRegistryKey, "Field", 2);
    selkan::SetBlankDocumentFlag(true);
    QSignalSpy captions(view_.get(), &CSelkanView::captionChanged);
    view_->OnInitialUpdate();
    QCOMPARE(int(document_.Image()[selkan::offset::kRadioType]), 1);
    QCOMPARE(int(document_.Image()[selkan::offset::kBandIndex]), 2);
    QCOMPARE(captions.count(), 1);
    QCOMPARE(captions.at(0).at(0).toString(),
             QString("Selkan Programmer  [ Type:SK-200  Fre:450 - 520MHz ]"));
    QCOMPARE(view_->GetBandLimits().lower, 45000000);
    QCOMPARE(view_->GetBandLimits().upper, 52000000);
  }

  void productStepOfAFileStoresItsTypeAndBandInTheRegistry() {
    MakeView(ProfileText("Chinese"));
    fixture_->registry.WriteValue(kRegistryKey, "Type", 2);
    document_.Image()[selkan::offset::kRadioType] = 0;
    document_.Image()[selkan::offset::kBandIndex] = 5;  // beyond the list: the last band
    QSignalSpy captions(view_.get(), &CSelkanView::captionChanged);
    view_->OnInitialUpdate();
    QCOMPARE(fixture_->registry.ReadValueOrZero(kRegistryKey, "Type"), 0u);
    QCOMPARE(fixture_->registry.ReadValueOrZero(kRegistryKey, "Field"), 5u);
    QCOMPARE(int(document_.Image()[selkan::offset::kBandIndex]), 5);
    QCOMPARE(captions.at(0).at(0).toString(),
             QString("赛尔坎编程  [ 类型:SK-100  频率:400 - 470MHz ]"));
    QCOMPARE(view_->GetBandLimits().lower, 40000000);
    QCOMPARE(view_->GetBandLimits().upper, 47000000);
  }

  void iconIsReloadedEveryTimeAndNullWhenTheFileIsMissing() {
    MakeView(ProfileText("English"));
    QImage image(16, 16, QImage::Format_ARGB32);
    image.fill(Qt::red);
    QVERIFY(image.save(fixture_->ProgramFile("title.ico"), "ICO"));
    QSignalSpy icons(view_.get(), &CSelkanView::iconChanged);
    view_->OnInitialUpdate();
    QCOMPARE(icons.count(), 1);
    QVERIFY(!icons.at(0).at(0).value<QIcon>().isNull());
    QVERIFY(QFile::remove(fixture_->ProgramFile("title.ico")));
    view_->OnInitialUpdate();
    QCOMPARE(icons.count(), 2);
    QVERIFY(icons.at(1).at(0).value<QIcon>().isNull());
  }

  void formKeepsTheGridWhollyInsideIt() {
    MakeView(ProfileText("English"));
    view_->OnInitialUpdate();
    const QRect form(QPoint(0, 0), view_->sizeHint());
    QVERIFY(form.contains(Grid().geometry()));
    QVERIFY(form.contains(view_->TitleLabel()->geometry()));
    QVERIFY(view_->TitleLabel()->geometry().bottom() < Grid().geometry().top());
  }
};

QTEST_MAIN(SelkanViewTest)
#include "selkan_view_test.moc"
