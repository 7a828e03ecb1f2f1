// The Optional Features dialog: which control shows which option, the
// Chinese catalog, the keyboard filter and the ANI code's guard against
// anything but digits.
#include "model/qt/optional_features_dlg.h"

#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QInputMethodEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMimeData>
#include <QPushButton>
#include <QTest>
#include <QTranslator>
#include <tuple>

#include "model/qt/option_dialog_keys.h"
#include "platform/qt/help_request.h"

using namespace selkan;

namespace {

auto Fields(const OptionStates& s) {
  return std::tie(s.batterySaver, s.beep, s.busyLock, s.keyLock, s.ani, s.vox, s.led,
                  s.squelchLevel, s.voxGainLevel, s.step, s.timeOutTimer, s.priorityChannel,
                  s.voxDelayTime, s.aniCode);
}

}  // namespace

class OptionalFeaturesDlgTest : public QObject {
  Q_OBJECT

 private:
  std::unique_ptr<COptionalFeaturesDlg> dialog_;

  void Open(Language language = Language::English, bool show = false) {
    dialog_ = std::make_unique<COptionalFeaturesDlg>(OptionStates{}, language);
    if (show) dialog_->show();
    if (show) QVERIFY(QTest::qWaitForWindowActive(dialog_.get()));
  }
  QWidget* Control(int id) const {
    for (auto* w : dialog_->findChildren<QWidget*>())
      if (w->property("controlId").toInt() == id) return w;
    return nullptr;
  }
  void Focus(QWidget* w) {
    w->setFocus();
    QTRY_COMPARE(dialog_->focusWidget(), w);
  }

 private slots:
  void cleanup() {
    SetHelpHandler({});
    dialog_.reset();
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
  }

  // Every word of the form has its Chinese text; "ANI" and the step's "k"
  // stay as they are.
  void chineseCatalogCoversEveryWord() {
    QTranslator chinese;
    QVERIFY(chinese.load(QStringLiteral(SELKAN_BIN_DIR "/ChineseQ47.qm")));
    QCoreApplication::installTranslator(&chinese);
    Open(Language::Chinese);
    QCoreApplication::removeTranslator(&chinese);
    QStringList texts{dialog_->windowTitle()};
    for (auto* label : dialog_->findChildren<QLabel*>()) texts << label->text();
    for (auto* button : dialog_->findChildren<QAbstractButton*>()) texts << button->text();
    for (auto* list : dialog_->findChildren<QComboBox*>())
      for (int i = 0; i < qMin(list->count(), 10); ++i) texts << list->itemText(i);
    QCOMPARE(texts.size(), 72);
    for (QString text : texts) {
      text.remove("ANI");
      if (text.endsWith('k')) text.chop(1);
      for (QChar c : text) QVERIFY2(!(c.isLetter() && c.unicode() < 128), qPrintable(text));
    }
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
    Open(Language::English, true);
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
    Open();
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

  // F1 asks once for the focused control's topic; on a button, for the
  // dialog's own.
  void f1AsksForTheFocusedControlsTopic() {
    QList<int> requests;
    SetHelpHandler([&requests](int id) { requests << id; });
    Open(Language::English, true);
    for (QWidget* target : {Control(1116), Control(1006), Control(1005),
                            static_cast<QWidget*>(dialog_->findChild<QPushButton*>("okButton"))}) {
      Focus(target);
      QTest::keyClick(target, Qt::Key_F1);
    }
    QCOMPARE(requests, QList<int>({1116, 1006, 1005, COptionalFeaturesDlg::kHelpId}));
  }
};

QTEST_MAIN(OptionalFeaturesDlgTest)
#include "optional_features_dlg_test.moc"
