// The dialogs over the image. Optional Features: which control shows which
// option, the keyboard filter and the ANI code's guard against anything but
// digits. Product Information: where it opens, OK and Cancel.
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QInputMethodEvent>
#include <QLineEdit>
#include <QMimeData>
#include <QPushButton>
#include <QTest>
#include <tuple>

#include "model/qt/option_dialog_keys.h"
#include "model/qt/optional_features_dlg.h"
#include "model/qt/product_info_dlg.h"
#include "product_profile_fixture.h"

using namespace selkan;
using selkan::testing::kRegistryKey;
using selkan::testing::ProductProfileFixture;
using selkan::testing::ProfileText;

namespace {

auto Fields(const OptionStates& s) {
  return std::tie(s.batterySaver, s.beep, s.busyLock, s.keyLock, s.ani, s.vox, s.led,
                  s.squelchLevel, s.voxGainLevel, s.step, s.timeOutTimer, s.priorityChannel,
                  s.voxDelayTime, s.aniCode);
}

QWidget* Control(const QWidget* dialog, int id) {
  for (auto* w : dialog->findChildren<QWidget*>())
    if (w->property("controlId").toInt() == id) return w;
  return nullptr;
}

}  // namespace

class ImageDialogsTest : public QObject {
  Q_OBJECT

 private:
  std::unique_ptr<COptionalFeaturesDlg> dialog_;
  std::unique_ptr<ProductProfileFixture> fixture_;
  RadioImage image_{};
  std::unique_ptr<CProductInfoDlg> product_;

  void OpenOptions(bool show = false) {
    dialog_ = std::make_unique<COptionalFeaturesDlg>(OptionStates{}, Language::English);
    if (show) dialog_->show();
    if (show) QVERIFY(QTest::qWaitForWindowActive(dialog_.get()));
  }
  QWidget* Control(int id) const { return ::Control(dialog_.get(), id); }
  void Focus(QWidget* w) {
    w->setFocus();
    QTRY_COMPARE(dialog_->focusWidget(), w);
  }
  void OpenProduct(const QByteArray& profileText, const QString& appName = "Selkan Programmer") {
    product_.reset();
    fixture_ = std::make_unique<ProductProfileFixture>(profileText);
    QVERIFY(fixture_->loaded);
    product_ = std::make_unique<CProductInfoDlg>(image_, fixture_->profile, fixture_->registry,
                                                 appName);
  }
  // Stores a choice in the registry and opens the dialog again on it.
  void ReopenProduct(std::uint32_t type, std::uint32_t band) {
    fixture_->registry.WriteValue(kRegistryKey, "Type", type);
    fixture_->registry.WriteValue(kRegistryKey, "Field", band);
    product_ = std::make_unique<CProductInfoDlg>(image_, fixture_->profile, fixture_->registry,
                                                 "Selkan Programmer");
  }
  QComboBox* Types() { return qobject_cast<QComboBox*>(::Control(product_.get(), 1013)); }
  QComboBox* Bands() { return qobject_cast<QComboBox*>(::Control(product_.get(), 1014)); }
  QPushButton* Button(const char* name) { return product_->findChild<QPushButton*>(name); }

 private slots:
  void init() {
    image_ = BlankImage();
    image_[offset::kRadioType] = 0;
    image_[offset::kBandIndex] = 0;
  }
  void cleanup() {
    dialog_.reset();
    product_.reset();
    fixture_.reset();
  }

  // Each control, found by its help id, shows its own option and hands it
  // back; an option outside its list shows no selection and comes back so.
  // The priority list starts with "Off" in the language in use, then 1-199.
  void controlsShowAndReturnTheirOptions() {
    const OptionStates sets[] = {
        {true, false, 1, 0, 1, 0, 1, 7, 3, 2, 6, 199, 2, "007"},
        {false, true, 0, 1, 0, 1, 0, 0, 7, 4, 0, 0, 0, ""},
        {},
    };
    const QStringList shown[] = {
        {"1", "0", "Off", "On", "Off", "On", "Off", "7", "4", "6.25k", "240", "199", "3s", "007"},
        {"0", "1", "On", "Off", "On", "Off", "On", "0", "8", "25k", "Off", "无", "1s", ""},
        {"0", "0", "", "", "", "", "", "", "", "", "", "", "", ""},
    };
    const int ids[] = {1005, 1016, 1130, 1113, 1114, 1115, 1119,
                       1116, 1121, 1117, 1118, 1122, 1123, 1006};
    for (int set = 0; set < 3; ++set) {
      const Language language = set == 1 ? Language::Chinese : Language::English;
      dialog_ = std::make_unique<COptionalFeaturesDlg>(sets[set], language);
      for (int i = 0; i < 14; ++i) {
        QWidget* w = Control(ids[i]);
        QString text = qobject_cast<QLineEdit*>(w) ? qobject_cast<QLineEdit*>(w)->text() : "?";
        if (auto* box = qobject_cast<QCheckBox*>(w)) text = box->isChecked() ? "1" : "0";
        if (auto* list = qobject_cast<QComboBox*>(w)) text = list->currentText();
        QCOMPARE(text, shown[set][i]);
      }
      QVERIFY(Fields(dialog_->States()) == Fields(sets[set]));
    }
    auto* priority = qobject_cast<QComboBox*>(Control(1122));
    QCOMPARE(priority->count(), 200);
    QCOMPARE(priority->itemText(199), QString("199"));
  }

  void keysPassOrAreDiscarded() {
    const Qt::KeyboardModifiers none, shift(Qt::ShiftModifier), ctrl(Qt::ControlModifier);
    for (int key : {Qt::Key_0, Qt::Key_9, Qt::Key_Backspace, Qt::Key_Delete, Qt::Key_Left,
                    Qt::Key_Right, Qt::Key_Up, Qt::Key_Down}) {
      QCOMPARE(OptionDialogKey(key, Qt::KeypadModifier), DialogKey::Pass);
      QCOMPARE(OptionDialogKey(key, shift), DialogKey::Discard);
    }
    for (int key : {Qt::Key_Tab, Qt::Key_Return, Qt::Key_Enter, Qt::Key_Escape, Qt::Key_Space,
                    Qt::Key_A, Qt::Key_V, Qt::Key_Home, Qt::Key_Exclam, Qt::Key_Period})
      QCOMPARE(OptionDialogKey(key, ctrl), DialogKey::Discard);
    QCOMPARE(OptionDialogKey(Qt::Key_F1, shift), DialogKey::HelpThenPass);
  }

  // The filter stands before every control: letters and Ctrl+V never reach
  // the code, and Escape, Return and Tab neither close the dialog nor move
  // the focus.
  void keyboardReachesOnlyWhatTheFilterPasses() {
    OpenOptions(true);
    auto* edit = qobject_cast<QLineEdit*>(Control(1006));
    Focus(edit);
    QTest::keyClicks(edit, "1a2");
    QApplication::clipboard()->setText("5");
    QTest::keyClick(edit, Qt::Key_V, Qt::ControlModifier);
    for (Qt::Key key : {Qt::Key_Escape, Qt::Key_Return, Qt::Key_Tab}) QTest::keyClick(edit, key);
    QCOMPARE(edit->text(), QString("12"));
    QVERIFY(dialog_->isVisible());
    QCOMPARE(dialog_->focusWidget(), static_cast<QWidget*>(edit));
  }

  void aniCodeRefusesNonDigitsByEveryRoute() {
    OpenOptions();
    auto* edit = qobject_cast<QLineEdit*>(Control(1006));
    for (const char* pasted : {"4x", "4"}) {
      QApplication::clipboard()->setText(pasted);
      edit->paste();  // what the context menu's Paste does
    }
    QCOMPARE(edit->text(), QString("4"));
    for (const char* dropped : {"7b", "7"}) {
      QMimeData data;
      data.setText(dropped);
      const QPoint end(edit->width() - 2, edit->height() / 2);
      QDragEnterEvent enter(end, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
      QApplication::sendEvent(edit, &enter);
      QDropEvent drop(end, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
      QApplication::sendEvent(edit, &drop);
    }
    QCOMPARE(edit->text(), QString("47"));
    for (const char* composed : {"9z", "9"}) {
      QInputMethodEvent commit;
      commit.setCommitString(composed);
      QApplication::sendEvent(edit, &commit);
    }
    QCOMPARE(dialog_->States().aniCode, std::string("479"));
  }

  void okWritesImageAndRegistryAndGivesAnEnglishCaption() {
    image_[offset::kRadioType] = 1;
    image_[offset::kBandIndex] = 1;
    OpenProduct(ProfileText("Chinese"), QString::fromUtf8("赛尔坎编程"));
    Types()->setCurrentIndex(0);
    QTest::mouseClick(Button("okButton"), Qt::LeftButton);
    QCOMPARE(product_->result(), int(QDialog::Accepted));
    QCOMPARE(int(image_[offset::kRadioType]), 0);
    QCOMPARE(int(image_[offset::kBandIndex]), 0);
    QCOMPARE(fixture_->registry.ReadValueOrZero(kRegistryKey, "Type"), 0u);
    QCOMPARE(fixture_->registry.ReadValueOrZero(kRegistryKey, "Field"), 0u);
    QVERIFY(product_->ImageChanged());
    QCOMPARE(QString::fromStdString(product_->Result()->caption),
             QString("赛尔坎编程  [ Type:SK-100  Fre:136 - 174MHz ]"));
    QCOMPARE(product_->Result()->limits.lower, 13600000);
  }

  void cancelChangesNothing() {
    OpenProduct(ProfileText("English"));
    ReopenProduct(0, 1);
    const RadioImage before = image_;
    Types()->setCurrentIndex(2);
    QTest::mouseClick(Button("cancelButton"), Qt::LeftButton);
    QCOMPARE(product_->result(), int(QDialog::Rejected));
    QVERIFY(image_ == before);
    QVERIFY(!product_->Result().has_value());
    QCOMPARE(fixture_->registry.ReadValueOrZero(kRegistryKey, "Type"), 0u);
    QCOMPARE(fixture_->registry.ReadValueOrZero(kRegistryKey, "Field"), 1u);
  }

  void okWithoutTypesKeepsTheImagesBytes() {
    image_[offset::kRadioType] = 1;
    image_[offset::kBandIndex] = 2;
    OpenProduct("[Setup]\nAppName=SelkanTest\n");
    QCOMPARE(Types()->count(), 0);
    QTest::mouseClick(Button("okButton"), Qt::LeftButton);
    QCOMPARE(int(image_[offset::kRadioType]), 1);
    QCOMPARE(int(image_[offset::kBandIndex]), 2);
    QCOMPARE(fixture_->registry.size(), std::size_t{0});
    QCOMPARE(product_->Result()->limits.upper, 0);
  }
};

QTEST_MAIN(ImageDialogsTest)
#include "image_dialogs_test.moc"
