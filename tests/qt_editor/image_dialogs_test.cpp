// The dialogs over the image: which Optional Features control shows which
// option, its keyboard filter, and Product Information's OK.
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <tuple>

#include "model/qt/option_dialog_keys.h"
#include "model/qt/optional_features_dlg.h"
#include "model/qt/product_info_dlg.h"
#include "product_profile_fixture.h"

using namespace selkan;
using selkan::testing::kRegistryKey;

namespace {

auto Fields(const OptionStates& s) {
  return std::tie(s.batterySaver, s.beep, s.busyLock, s.keyLock, s.ani, s.vox, s.led,
                  s.squelchLevel, s.voxGainLevel, s.step, s.timeOutTimer, s.priorityChannel,
                  s.voxDelayTime, s.aniCode);
}

// Controls are found by their help id.
QWidget* Control(const QWidget* dialog, int id) {
  for (auto* w : dialog->findChildren<QWidget*>())
    if (w->property("controlId").toInt() == id) return w;
  return nullptr;
}

}  // namespace

class ImageDialogsTest : public QObject {
  Q_OBJECT
 private slots:
  // Each control shows its own option and hands it back; an option outside
  // its list shows no selection and comes back so. The priority list starts
  // with "Off" in the language in use, then 1-199.
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
      COptionalFeaturesDlg dialog(sets[set], set == 1 ? Language::Chinese : Language::English);
      for (int i = 0; i < 14; ++i) {
        QWidget* w = Control(&dialog, ids[i]);
        QString text = qobject_cast<QLineEdit*>(w) ? qobject_cast<QLineEdit*>(w)->text() : "?";
        if (auto* box = qobject_cast<QCheckBox*>(w)) text = box->isChecked() ? "1" : "0";
        if (auto* list = qobject_cast<QComboBox*>(w)) text = list->currentText();
        QCOMPARE(text, shown[set][i]);
      }
      QVERIFY(Fields(dialog.States()) == Fields(sets[set]));
      QCOMPARE(qobject_cast<QComboBox*>(Control(&dialog, 1122))->count(), 200);
    }
  }

  void keysPassOrAreDiscarded() {
    const Qt::KeyboardModifiers shift(Qt::ShiftModifier), ctrl(Qt::ControlModifier);
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

  // The caption is in English whatever the program's language.
  void okWritesImageAndRegistryAndGivesAnEnglishCaption() {
    RadioImage image = BlankImage();
    image[offset::kRadioType] = 1;
    image[offset::kBandIndex] = 1;
    selkan::testing::ProductProfileFixture fixture(selkan::testing::ProfileText("Chinese"));
    QVERIFY(fixture.loaded);
    CProductInfoDlg dialog(image, fixture.profile, fixture.registry,
                           QString::fromUtf8("赛尔坎编程"));
    qobject_cast<QComboBox*>(Control(&dialog, 1013))->setCurrentIndex(0);
    QTest::mouseClick(dialog.findChild<QPushButton*>("okButton"), Qt::LeftButton);
    QCOMPARE(dialog.result(), int(QDialog::Accepted));
    QCOMPARE(int(image[offset::kRadioType]), 0);
    QCOMPARE(int(image[offset::kBandIndex]), 0);
    QCOMPARE(fixture.registry.ReadValueOrZero(kRegistryKey, "Type"), 0u);
    QCOMPARE(fixture.registry.ReadValueOrZero(kRegistryKey, "Field"), 0u);
    QVERIFY(dialog.ImageChanged());
    QCOMPARE(QString::fromStdString(dialog.Result()->caption),
             QString("赛尔坎编程  [ Type:SK-100  Fre:136 - 174MHz ]"));
    QCOMPARE(dialog.Result()->limits.lower, 13600000);
  }
};

QTEST_MAIN(ImageDialogsTest)
#include "image_dialogs_test.moc"
