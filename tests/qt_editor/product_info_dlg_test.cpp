// The Product Information dialog: where it opens, the type change, OK and
// Cancel, F1.
#include "model/qt/product_info_dlg.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QStringEncoder>
#include <QTest>

#include "platform/qt/help_request.h"
#include "product_profile_fixture.h"

using selkan::CProductInfoDlg;
using selkan::testing::kRegistryKey;
using selkan::testing::ProductProfileFixture;
using selkan::testing::ProfileText;

class ProductInfoDlgTest : public QObject {
  Q_OBJECT

 private:
  std::unique_ptr<ProductProfileFixture> fixture_;
  selkan::RadioImage image_{};
  std::unique_ptr<CProductInfoDlg> dialog_;

  void Open(const QByteArray& profileText = ProfileText("English"),
            const QString& appName = "Selkan Programmer") {
    dialog_.reset();
    fixture_ = std::make_unique<ProductProfileFixture>(profileText);
    QVERIFY(fixture_->loaded);
    dialog_ =
        std::make_unique<CProductInfoDlg>(image_, fixture_->profile, fixture_->registry, appName);
  }
  // Stores a choice in the registry and opens the dialog again on it.
  void Reopen(std::uint32_t type, std::uint32_t band) {
    fixture_->registry.WriteValue(kRegistryKey, "Type", type);
    fixture_->registry.WriteValue(kRegistryKey, "Field", band);
    dialog_ = std::make_unique<CProductInfoDlg>(image_, fixture_->profile, fixture_->registry,
                                                "Selkan Programmer");
  }
  QComboBox* List(int id) {
    for (auto* list : dialog_->findChildren<QComboBox*>()) {
      if (list->property("controlId").toInt() == id) return list;
    }
    return nullptr;
  }
  QComboBox* Types() { return List(1013); }
  QComboBox* Bands() { return List(1014); }
  static QStringList Items(const QComboBox* list) {
    QStringList items;
    for (int i = 0; i < list->count(); ++i) items << list->itemText(i);
    return items;
  }
  QPushButton* Button(const char* name) { return dialog_->findChild<QPushButton*>(name); }

 private slots:
  void init() {
    image_ = selkan::BlankImage();
    image_[selkan::offset::kRadioType] = 0;
    image_[selkan::offset::kBandIndex] = 0;
  }
  void cleanup() {
    selkan::SetHelpHandler({});
    dialog_.reset();
    fixture_.reset();
  }

  void showsTheTemplateTexts() {
    Open();
    QCOMPARE(dialog_->windowTitle(), QString("Product Information"));
    QCOMPARE(dialog_->findChild<QGroupBox*>()->title(), QString("Setting"));
    QStringList labels;
    for (auto* label : dialog_->findChildren<QLabel*>()) labels << label->text();
    labels.sort();
    QCOMPARE(labels, QStringList({"Frequency", "Type"}));
    QCOMPARE(Button("okButton")->text(), QString("OK"));
    QCOMPARE(Button("cancelButton")->text(), QString("Cancel"));
  }

  void opensOnTheRegistrysChoice_data() {
    QTest::addColumn<uint>("type");
    QTest::addColumn<uint>("band");
    QTest::addColumn<int>("typeIndex");
    QTest::addColumn<int>("bandCount");
    QTest::addColumn<int>("bandIndex");
    QTest::newRow("within the lists") << 1u << 2u << 1 << 3 << 2;
    QTest::newRow("band beyond the list") << 0u << 7u << 0 << 2 << -1;
    QTest::newRow("type beyond the list") << 9u << 0u << -1 << 0 << -1;
  }
  void opensOnTheRegistrysChoice() {
    QFETCH(uint, type);
    QFETCH(uint, band);
    QFETCH(int, typeIndex);
    QFETCH(int, bandCount);
    QFETCH(int, bandIndex);
    Open();
    Reopen(type, band);
    QCOMPARE(Types()->currentIndex(), typeIndex);
    QCOMPARE(Bands()->count(), bandCount);
    QCOMPARE(Bands()->currentIndex(), bandIndex);
  }

  void changingTheTypeRefillsTheBandsAndSelectsTheFirst() {
    Open();
    Reopen(1, 2);
    QCOMPARE(Items(Types()), QStringList({"SK-100", "SK-200", "SK-300"}));
    QCOMPARE(Items(Bands()), QStringList({"130 - 160MHz", "400 - 470MHz", "450 - 520MHz"}));
    Types()->setCurrentIndex(0);
    QCOMPARE(Items(Bands()), QStringList({"136 - 174MHz", "400 - 470MHz"}));
    QCOMPARE(Bands()->currentIndex(), 0);
    Types()->setCurrentIndex(2);
    QCOMPARE(Items(Bands()), QStringList({"350 - 390MHz"}));
    QCOMPARE(Bands()->currentIndex(), 0);
  }

  void okWritesImageAndRegistryAndGivesAnEnglishCaption() {
    Open(ProfileText("Chinese"), QString::fromUtf8("赛尔坎编程"));
    Types()->setCurrentIndex(1);
    Bands()->setCurrentIndex(1);
    QTest::mouseClick(Button("okButton"), Qt::LeftButton);
    QCOMPARE(dialog_->result(), int(QDialog::Accepted));
    QCOMPARE(int(image_[selkan::offset::kRadioType]), 1);
    QCOMPARE(int(image_[selkan::offset::kBandIndex]), 1);
    QCOMPARE(fixture_->registry.ReadValueOrZero(kRegistryKey, "Type"), 1u);
    QCOMPARE(fixture_->registry.ReadValueOrZero(kRegistryKey, "Field"), 1u);
    QVERIFY(dialog_->ImageChanged());
    QVERIFY(dialog_->Result().has_value());
    QCOMPARE(QString::fromStdString(dialog_->Result()->caption),
             QString("赛尔坎编程  [ Type:SK-200  Fre:400 - 470MHz ]"));
    QCOMPARE(dialog_->Result()->limits.lower, 40000000);
    QCOMPARE(dialog_->Result()->limits.upper, 47000000);
  }

  void okWithoutAChangeLeavesTheImageUnmarked() {
    Open();
    QTest::mouseClick(Button("okButton"), Qt::LeftButton);
    QVERIFY(dialog_->Result().has_value());
    QVERIFY(!dialog_->ImageChanged());
    QCOMPARE(QString::fromStdString(dialog_->Result()->caption),
             QString("Selkan Programmer  [ Type:SK-100  Fre:136 - 174MHz ]"));
    QCOMPARE(fixture_->registry.size(), std::size_t{2});
  }

  void cancelChangesNothing() {
    Open();
    Reopen(0, 1);
    const selkan::RadioImage before = image_;
    Types()->setCurrentIndex(2);
    QTest::mouseClick(Button("cancelButton"), Qt::LeftButton);
    QCOMPARE(dialog_->result(), int(QDialog::Rejected));
    QVERIFY(image_ == before);
    QVERIFY(!dialog_->Result().has_value());
    QCOMPARE(fixture_->registry.ReadValueOrZero(kRegistryKey, "Type"), 0u);
    QCOMPARE(fixture_->registry.ReadValueOrZero(kRegistryKey, "Field"), 1u);
  }

  void okWithoutTypesKeepsTheImagesBytes() {
    image_[selkan::offset::kRadioType] = 1;
    image_[selkan::offset::kBandIndex] = 2;
    Open("[Setup]\nAppName=SelkanTest\n");
    QCOMPARE(Types()->count(), 0);
    QTest::mouseClick(Button("okButton"), Qt::LeftButton);
    QCOMPARE(int(image_[selkan::offset::kRadioType]), 1);
    QCOMPARE(int(image_[selkan::offset::kBandIndex]), 2);
    QCOMPARE(fixture_->registry.size(), std::size_t{0});
    QCOMPARE(dialog_->Result()->limits.upper, 0);
  }

  // By the file's encoding: "陆路" in GBK would also read as UTF-8, and the
  // second byte of "東" in GBK is "|".
  void namesFromAGbkProfileAreDecoded() {
    QStringEncoder gbk("GB18030");
    QByteArray text = ProfileText("Chinese");
    text.replace("Type2=SK-200", "Type2=陆路");
    text.replace("Field2=130 - 160MHz", "Field2=東 130 - 160MHz");
    Open(gbk.encode(QString::fromUtf8(text)));
    QCOMPARE(Types()->itemText(1), QString::fromUtf8("陆路"));
    Types()->setCurrentIndex(1);
    QCOMPARE(Bands()->count(), 3);
    QCOMPARE(Bands()->itemText(0), QString::fromUtf8("東 130 - 160MHz"));
  }

  void f1AsksForTheFocusedListsTopic() {
    Open();
    QList<int> requests;
    selkan::SetHelpHandler([&requests](int id) { requests << id; });
    dialog_->show();
    QVERIFY(QTest::qWaitForWindowActive(dialog_.get()));
    for (QWidget* target : {static_cast<QWidget*>(Types()), static_cast<QWidget*>(Bands()),
                            static_cast<QWidget*>(Button("okButton"))}) {
      target->setFocus();
      QTRY_COMPARE(dialog_->focusWidget(), target);
      QTest::keyClick(target, Qt::Key_F1);
    }
    QCOMPARE(requests, QList<int>({1013, 1014, 32786}));
    QVERIFY(dialog_->isVisible());  // help leaves the dialog open
  }
};

QTEST_MAIN(ProductInfoDlgTest)
#include "product_info_dlg_test.moc"
