// COM Setup with COM1..COM4 mapped to pseudo-terminals, one of them missing:
// probing, the remembered port, OK and Cancel, on its own and through
// the program's Setup menu.
#include <stdlib.h>

#include <QAction>
#include <QApplication>
#include <QFile>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

#include "app/qt/child_frame.h"
#include "app/qt/command_ids.h"
#include "app/qt/main_frame.h"
#include "dialogs/com_setup_dlg.h"
#include "dialogs/port_probe.h"
#include "editor/qt/selkan_view.h"
#include "link/port_names.h"
#include "link/qt/qt_serial_port.h"
#include "tests/qt_app/app_fixture.h"
#include "tools/sim/pty_line.h"

namespace selkan::test {

const std::string kKey = "Software\\Selkan";

class ComSetupTest : public QObject {
  Q_OBJECT

 private:
  QTemporaryDir dir_;
  std::vector<std::unique_ptr<sim::PtyLine>> ptys_;

  QString Link(int n) const { return dir_.filePath(QStringLiteral("com%1").arg(n)); }

 private slots:
  void initTestCase() {
    // COM1..COM3 are terminals, COM4 names a device that is not there.
    for (int n = 1; n <= 3; ++n) {
      ptys_.push_back(std::make_unique<sim::PtyLine>());
      QVERIFY(ptys_.back()->Open(nullptr));
      QVERIFY(QFile::link(QString::fromStdString(ptys_.back()->slavePath()), Link(n)));
    }
    for (int n = 1; n <= 4; ++n)
      qputenv(QStringLiteral("SELKAN_COM%1").arg(n).toLatin1(), Link(n).toLocal8Bit());
  }

  void buttonsShowWhichPortsOpenAndTheRememberedOne_data() {
    QTest::addColumn<int>("remembered");  // -1: no value
    QTest::addColumn<int>("checked");     // -1: none
    QTest::newRow("nothing remembered") << -1 << 0;
    QTest::newRow("third") << 3 << 2;
    QTest::newRow("missing port stays checked") << 4 << 3;
    QTest::newRow("out of range") << 9 << -1;
  }
  void buttonsShowWhichPortsOpenAndTheRememberedOne() {
    QFETCH(int, remembered);
    QFETCH(int, checked);
    MemoryRegistry registry;
    if (remembered >= 0) registry.WriteValue(kKey, "com", static_cast<std::uint32_t>(remembered));
    CComSetupDlg dialog(registry, kKey);
    for (int i = 0; i < 4; ++i) {
      QCOMPARE(dialog.PortButton(i)->isEnabled(), i < 3);
      QCOMPARE(dialog.PortButton(i)->isChecked(), i == checked);
    }
  }

  void okStoresTheCheckedPortAndCancelNothing_data() {
    QTest::addColumn<int>("click");  // -1: no port clicked
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("port");
    QTest::addColumn<int>("stored");  // -1: the value left as it was
    QTest::newRow("ok") << 1 << "okButton"
                        << "com2" << 2;
    QTest::newRow("ok with none checked") << -1 << "okButton"
                                          << "com0" << 0;
    QTest::newRow("cancel") << 2 << "cancelButton"
                            << "" << -1;
  }
  void okStoresTheCheckedPortAndCancelNothing() {
    QFETCH(int, click);
    QFETCH(QString, button);
    QFETCH(QString, port);
    QFETCH(int, stored);
    MemoryRegistry registry;
    registry.WriteValue(kKey, "com", 9);  // none checked
    CComSetupDlg dialog(registry, kKey);
    dialog.show();
    if (click >= 0) QTest::mouseClick(dialog.PortButton(click), Qt::LeftButton);
    QTest::mouseClick(dialog.findChild<QPushButton*>(button), Qt::LeftButton);
    QCOMPARE(dialog.result(), int(stored >= 0 ? QDialog::Accepted : QDialog::Rejected));
    if (stored >= 0) QCOMPARE(dialog.PortName(), port);
    QCOMPARE(registry.ReadValue(kKey, "com"),
             std::optional<std::uint32_t>(stored >= 0 ? stored : 9));
  }

  // Through the Setup menu: OK sets the active view's port; Cancel does not.
  void setupMenuAppliesThePortToTheActiveView() {
    Program p;
    CMainFrame* frame = p.frame;
    CSelkanView* view = p.view;
    QCOMPARE(view->PortName(), QStringLiteral("COM1"));
    QVERIFY(frame->Action(command::kComSetup)->isEnabled());

    auto answerWith = [](int port, const char* button) {
      QTimer::singleShot(0, [port, button] {
        auto* dialog = qobject_cast<CComSetupDlg*>(QApplication::activeModalWidget());
        QVERIFY(dialog != nullptr);
        QTest::mouseClick(dialog->PortButton(port), Qt::LeftButton);
        QTest::mouseClick(dialog->findChild<QPushButton*>(button), Qt::LeftButton);
      });
    };
    answerWith(2, "cancelButton");
    frame->Action(command::kComSetup)->trigger();
    QCOMPARE(view->PortName(), QStringLiteral("COM1"));
    QVERIFY(!p.started.registryPtr->ReadValue(kKey, "com").has_value());

    answerWith(2, "okButton");
    frame->Action(command::kComSetup)->trigger();
    QCOMPARE(view->PortName(), QStringLiteral("com3"));
    QCOMPARE(p.started.registryPtr->ReadValue(kKey, "com"), std::optional<std::uint32_t>(3));
  }
};

}  // namespace selkan::test

QTEST_MAIN(selkan::test::ComSetupTest)
#include "com_setup_test.moc"
