// The serial port and COM Setup on pseudo-terminals, transfers against the virtual radio.
#include <fcntl.h>
#include <sys/file.h>
#include <sys/resource.h>
#include <termios.h>
#include <unistd.h>

#include <QAction>
#include <QCheckBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QSerialPort>
#include <QStatusBar>
#include <QTreeWidget>
#include <QTreeWidgetItem>
#include <QUndoStack>
#include <QtTest>
#include <csignal>
#include <thread>

#include "app/qt/backups_dlg.h"
#include "app/qt/command_ids.h"
#include "app/qt/compare_dlg.h"
#include "app/qt/fleet_dlg.h"
#include "app/qt/mdi_client_wnd.h"
#include "dialogs/qt/com_setup_dlg.h"
#include "editor/qt/cell_editors.h"
#include "link/gui/safe_write_run.h"
#include "link/gui/transfer_controller.h"
#include "link/qt/qt_serial_port.h"
#include "model/channel_codec.h"
#include "platform/qt/qsettings_registry.h"
#include "tests/qt_app/app_fixture.h"
#include "tests/support/radio_images.h"
#include "tests/support/sim_process.h"
#include "tools/sim/pty_line.h"

namespace selkan::test {

namespace {

const std::string kKey = "Software\\Selkan";

constexpr int kTransferLimitMs = 30000;  // bound only; a transfer takes seconds

void UsePort(Program& p, const SimProcess& sim) {
  QVERIFY(sim.Started());
  p.view->SetPortName(QString::fromStdString(sim.Link()));
}

CTransferController* Controller(Program& p) {
  return p.view->findChild<CTransferController*>(QString(), Qt::FindDirectChildrenOnly);
}
CProcessDlg* Dialog(Program& p) { return p.view->findChild<CProcessDlg*>(); }

struct TransferRun {
  TransferOutcome outcome = TransferOutcome::kCancelled;
  int lastCounter = -1;
  bool finished = false;
};

// Opens owner's progress window with start, prepare changes it, OK, waits; onStep per step.
TransferRun RunTransferOf(QWidget& owner, const std::function<void()>& start,
                          const std::function<void(int)>& onStep = {},
                          const std::function<void(CProcessDlg&)>& prepare = {}) {
  TransferRun run;
  start();
  QPointer<CProcessDlg> dialog = owner.findChild<CProcessDlg*>();
  auto* controller = owner.findChild<CTransferController*>(QString(), Qt::FindDirectChildrenOnly);
  if (!dialog || !controller) return run;
  if (prepare) prepare(*dialog);
  auto connection = QObject::connect(controller, &CTransferController::finished,
                                     [&run](TransferOutcome outcome, TransferDirection) {
                                       run = {outcome, run.lastCounter, true};
                                     });
  QObject::connect(dialog->ProgressBar(), &QProgressBar::valueChanged, dialog,
                   [&run, dialog, onStep](int value) {
                     run.lastCounter = dialog->Counter()->text().toInt();
                     if (onStep) onStep(value);
                   });
  QTest::mouseClick(dialog->OkButton(), Qt::LeftButton);
  [&] { QTRY_VERIFY_WITH_TIMEOUT(run.finished, kTransferLimitMs); }();
  QObject::disconnect(connection);
  return run;
}

// The same for a command of the main window on the active document.
TransferRun RunTransfer(Program& p, int command, const std::function<void(int)>& onStep = {},
                        const std::function<void(CProcessDlg&)>& prepare = {}) {
  const QString title = command == command::kRead    ? "Read Data"
                        : command == command::kWrite ? "Write Data"
                                                     : "Compare with Radio";
  return RunTransferOf(
      *p.view, [&] { p.frame->Action(command)->trigger(); }, onStep,
      [&](CProcessDlg& dialog) {
        QCOMPARE(dialog.windowTitle(), title);  // titled by what it does
        if (prepare) prepare(dialog);
      });
}

RadioImage RadioWithChannels(RadioImage image) {
  EncodeChannel({"446.00625", "446.00625", "None", "None", "Low", "On", "Narrow"}, image, 1);
  EncodeChannel({"438.50000", "439.50000", "88.5", "88.5", "High", "On", "Wide"}, image, 2);
  return image;
}

RadioImage Filled(std::uint8_t seed) {
  RadioImage image = BlankImage();
  for (std::size_t a = 0x10; a < 0xC80; ++a) image[a] = static_cast<std::uint8_t>(a * 7 + seed);
  image[offset::kRadioType] = 1;  // the second type of the profile
  return image;
}

}  // namespace

class LinkTest : public QObject {
  Q_OBJECT

 private:
  QTemporaryDir dir_;  // the ports' links, and the user's data folder with the backups
  std::vector<std::unique_ptr<sim::PtyLine>> ptys_;

  QString Link(int n) const { return dir_.filePath(QStringLiteral("com%1").arg(n)); }
  QString Backups() const { return dir_.filePath("Selkan/backups"); }

 private slots:
  void init() { QTest::failOnWarning(QRegularExpression("QPainter::(?!begin)|QObject::|QLayout")); }
  void initTestCase() {
    qputenv("XDG_DATA_HOME", dir_.path().toLocal8Bit());
    // COM1..COM3 are terminals, COM4 names a device that is not there.
    for (int n = 1; n <= 3; ++n) {
      ptys_.push_back(std::make_unique<sim::PtyLine>());
      QVERIFY(ptys_.back()->Open(nullptr));
      QVERIFY(QFile::link(QString::fromStdString(ptys_.back()->slavePath()), Link(n)));
    }
    for (int n = 1; n <= 4; ++n)
      qputenv(QStringLiteral("SELKAN_COM%1").arg(n).toLatin1(), Link(n).toLocal8Bit());
  }

  // -1: nothing remembered, or no button checked.
  void setupShowsThePortsAndGivesTheOneChosenToTheActiveViewAndTheRegistry() {
    for (const auto& [remembered, checked] : {std::pair{-1, 0}, {3, 2}, {4, 3}, {9, -1}}) {
      MemoryRegistry registry;
      if (remembered >= 0) registry.WriteValue(kKey, "com", static_cast<std::uint32_t>(remembered));
      CComSetupDlg dialog(registry, kKey);
      for (int i = 0; i < 4; ++i) {
        QCOMPARE(dialog.PortButton(i)->isEnabled(), i < 3);  // COM4 is missing but may be chosen
        QCOMPARE(dialog.PortButton(i)->isChecked(), i == checked);
      }
      QVERIFY(F1OpensAHelpPage(&dialog));
    }
    // OK stores the checked port (also 0) for the active view; Cancel neither (9 checks none).
    Program p;
    for (const auto& [click, button, port, stored] : {std::tuple{2, "", "COM1", 9},  // Escape
                                                      {2, "cancelButton", "COM1", 9},
                                                      {1, "okButton", "com2", 2},
                                                      {-1, "okButton", "com0", 0}}) {
      p.started.registryPtr->WriteValue(kKey, "com", 9);
      bool open = false;  // left open by its button or key
      NextDialog next([&open, click = click, button = button](QDialog* dialog) {
        if (click >= 0)
          QTest::mouseClick(static_cast<CComSetupDlg*>(dialog)->PortButton(click), Qt::LeftButton);
        if (*button) QTest::mouseClick(dialog->findChild<QPushButton*>(button), Qt::LeftButton);
        if (!*button) QTest::keyClick(dialog, Qt::Key_Escape);
        if ((open = dialog->isVisible())) dialog->reject();
      });
      p.frame->Action(command::kComSetup)->trigger();
      QVERIFY(!open && p.view->PortName() == QString(port));
      QCOMPARE(p.started.registryPtr->ReadValue(kKey, "com"), std::optional<std::uint32_t>(stored));
    }
    p.frame->Action(command::kProgramSeveralRadios)->trigger();  // none of COM1..4: COM1 is
    QVERIFY(p.frame->FleetWindow()->PortCheck(0)->isChecked());
    // Values are kept in a file, a folder per part of the key; a failed write is said.
    const QString path = dir_.filePath(QStringLiteral("registry.ini"));
    QVERIFY(QSettingsRegistry(path).WriteValue(kKey, "com", 3));
    QCOMPARE(QSettingsRegistry(path).ReadValue(kKey, "com"), std::optional<std::uint32_t>(3));
    QCOMPARE(QSettings(path, QSettings::IniFormat).value("Software/Selkan/com").toInt(), 3);
    using Read = std::optional<std::uint32_t>;  // a signed number's bits; none past 32 bits
    for (const auto& [kept, read] : {std::pair<qlonglong, Read>{INT32_MIN, 0x80000000},
                                     {INT32_MIN - 1LL, {}},
                                     {0xFFFFFFFF, 0xFFFFFFFF},
                                     {1LL << 32, {}}}) {
      QSettings(path, QSettings::IniFormat).setValue("Software/Selkan/com", kept);
      QCOMPARE(QSettingsRegistry(path).ReadValue(kKey, "com"), read);
    }
    QCOMPARE(RegistrySettingsPath("Software\\Selkan\\", "com"), "Software/Selkan/com");
    QVERIFY(!QSettingsRegistry(QStringLiteral("/proc/selkan/r.ini")).WriteValue(kKey, "com", 3));
    QVERIFY(!QSettingsRegistry(QStringLiteral("/proc/selkan/r.ini")).WriteText(kKey, "dir", "/"));
    QVERIFY(QSettingsRegistry(path).WriteText(kKey, "dir", "/tmp/é"));
    QCOMPARE(QSettingsRegistry(path).ReadText(kKey, "dir"), std::optional<std::string>("/tmp/é"));
    QWidget owner;
    CTransferController::For(owner, *p.view, Language::English)->OnWrite();  // none kept: both
    const CProcessDlg* offered = owner.findChild<CProcessDlg*>();            // its choices in sight
    for (const QCheckBox* check : {offered->BackupCheck(), offered->VerifyCheck()})
      QVERIFY(check->isChecked() && check->isVisible() &&
              offered->rect().contains(check->geometry()));
    bool started = false;  // a progress window of its own starts too
    CProcessDlg alone(
        QString(), [&started] { started = true; }, nullptr);
    alone.OkButton()->click();
    QTRY_VERIFY(started);
  }

  void lowLatencyIsAskedForAndADeviceLockedElsewhereIsInUse() {
    QStringList calls;
    int flags = 0;
    const auto get = [&](int, int* out) { return calls << "get", *out = flags, true; };
    const auto set = [&](int, int value) { return calls << QString::number(flags = value), true; };
    QtSerialPort port(QtSerialPort::Waiting::kBlocking, SerialFlagsCalls{get, set});
    QVERIFY(port.Open(ptys_[0]->slavePath()));
    const QStringList opened{"get", QString::number(flags)};
    QVERIFY(flags != 0 && calls == opened);
    port.Close();
    QCOMPARE(calls, opened + QStringList({"get", "0"}));
    // A device another program holds with a device lock is in use, whatever lock files say.
    const int holder = ::open(ptys_[0]->slavePath().c_str(), O_RDWR | O_NOCTTY);
    QVERIFY(holder >= 0 && ::flock(holder, LOCK_EX | LOCK_NB) == 0);
    const SerialFlagsCalls system = SystemSerialFlagsCalls();  // a terminal keeps no such flags
    QVERIFY(!system.get(holder, &flags) && !system.set(holder, flags));
    QVERIFY(!port.Open(ptys_[0]->slavePath()) && port.ErrorText() == "the device is in use");
    QVERIFY(!port.Open("/dev/no-such-port") && port.ErrorText() != "the device is in use");
    ::close(holder);
    QVERIFY(QtSerialPort().Open(ptys_[0]->slavePath()));  // the refused one holds nothing
    {  // a program that locks the device by its lock file only: refused through a link too
      QSerialPort other(QString::fromStdString(ptys_[0]->slavePath()));
      QVERIFY(other.open(QIODevice::ReadWrite) && !QtSerialPort().Open(Link(1).toStdString()));
    }
    auto line = std::make_unique<sim::PtyLine>();
    QVERIFY(line->Open(nullptr) && port.Open(line->slavePath()));
    QCOMPARE(calls.mid(4), opened);  // asked as at the first open, no other descriptor touched
    QVERIFY(port.Open(line->slavePath()));  // opened again: closed first, not refused
    termios taken{};  // the line as the radio takes it: 8 data bits, no parity, 1 stop bit
    const int device = ::open(line->slavePath().c_str(), O_RDWR | O_NOCTTY);
    QVERIFY(port.Configure({.baudRate = 2400}, {}) && ::tcgetattr(device, &taken) == 0 &&
            cfgetospeed(&taken) == B2400);
    QVERIFY(port.Configure({}, {}) && ::tcgetattr(device, &taken) == 0);  // the radio's speed
    QVERIFY((taken.c_cflag & (CSIZE | PARENB | CSTOPB)) == CS8 && cfgetospeed(&taken) == B9600);
    ::close(device);
    QVERIFY(!port.Configure({.baudRate = 0}, {}));  // a setting the port refuses is said
    std::string got;  // more than the line holds at once: the write waits until it is taken
    std::thread reader([&got, fd = line->master()] { ReadUntilClosed(fd, got, 1); });
    const bool written = port.Write(std::vector<std::uint8_t>(1 << 18, 'x'));
    reader.join();
    QVERIFY(written && got.size() == 1 << 18);
    line.reset();  // the line goes: a read ends at once, not at its time-out (4 s for 8 bytes)
    const QDeadlineTimer limit(2000);
    QVERIFY(port.Read(8).empty() && !limit.hasExpired());
    port.Close();  // and on a port closed
    QVERIFY(port.Read(8).empty() && !limit.hasExpired());
    // The program's port waits for a reply in its own thread: the window's events go on meanwhile.
    QtSerialPort program(QtSerialPort::Waiting::kEventLoop);
    line = std::make_unique<sim::PtyLine>();
    QVERIFY(line->Open(nullptr) && program.Open(line->slavePath()) && program.Configure({}, {}));
    bool ran = false;
    QTimer::singleShot(10, [&ran] { ran = true; });
    QVERIFY(program.Read(1).empty() && ran);            // 590 ms without a byte
    QTimer::singleShot(10, [&line] { line.reset(); });  // the line goes while a read waits
    const QDeadlineTimer soon(2000);
    QVERIFY(program.Read(8).empty() && !soon.hasExpired());  // ends at once here too
  }

  // The progress window is modeless: a cell typed in during a write leaves the document modified.
  void aReadReplacesTheGridAsOneStepAWriteMarksTheDocumentCleanUnlessEditedMeanwhile() {
    Program p;
    const RadioImage radio = RadioWithChannels(p.view->Document().Image());
    SimProcess sim(radio);
    UsePort(p, sim);
    p.child->resize(3000, 2000);  // a hidden document window comes back after the read,
    p.child->close();             // with scroll bars to reach it
    // What is typed while the window is open goes into its cell before the read.
    const QString rx = QString::number(p.view->GetBandLimits().lower / 100000.0, 'f', 5);
    p.view->Grid()->SetRow(6), p.view->CellEditors()->RxEditor()->setText(rx);  // as Read is chosen
    TransferRun run = RunTransfer(
        p, command::kRead, [&](int) { QCOMPARE(p.view->Grid()->GetTextMatrix(5, 1), rx); },
        [&](CProcessDlg& dialog) {                            // a read has no steps nor choices
          QCOMPARE(p.view->Grid()->GetTextMatrix(6, 1), rx);  // taken as the window came up
          p.view->Grid()->SetRow(5), p.view->CellEditors()->RxEditor()->setText(rx);
          QVERIFY(dialog.StepLabel()->isHidden() && dialog.BackupCheck()->isHidden() &&
                  dialog.VerifyCheck()->isHidden());
        });
    QVERIFY(run.outcome == TransferOutcome::kCompleted && run.lastCounter == 256 &&
            p.answers.messages.empty() && p.view->Document().Image() == radio);
    QCOMPARE(p.view->Grid()->GetTextMatrix(2, 2), QStringLiteral("439.50000"));
    QVERIFY(p.view->Grid()->GetRow() == 5 &&  // the current cell stays where it was
            p.view->Document().IsModified() && p.child->isVisible() &&
            p.child->mdiArea()->verticalScrollBar()->maximum() > 0);
    QTRY_VERIFY_WITH_TIMEOUT(Dialog(p) == nullptr, 5000);
    QCOMPARE(p.view->UndoStack()->count(), 3);
    p.view->OnEditUndo();
    QCOMPARE(p.view->Grid()->GetTextMatrix(2, 2), QString());
    QCOMPARE(p.view->Grid()->GetTextMatrix(5, 1), rx);

    p.view->Grid()->SetTextMatrix(4, 2, "438.50000");
    p.view->Grid()->SetRow(4);  // its Rx typed, the editor still open as Write is chosen
    p.view->CellEditors()->RxEditor()->setText(rx), p.view->Document().SetModified(true);
    const int reads = sim.Received("52");
    run = RunTransfer(p, command::kWrite, {}, [&](CProcessDlg& dialog) {
      QCOMPARE(p.view->Grid()->GetTextMatrix(4, 1), rx);  // taken as the window came up
      dialog.BackupCheck()->setChecked(false);            // without the backup and the check
      dialog.VerifyCheck()->setChecked(false);
    });
    QVERIFY(run.outcome == TransferOutcome::kCompleted && run.lastCounter == 255 &&
            !p.view->Document().IsModified() &&
            p.view->UndoStack()->count() == 3);  // a write is no step
    QTRY_VERIFY_WITH_TIMEOUT(sim.Saves() > 0, 10000);
    QCOMPARE(DecodeChannels(sim.Memory(), Language::English)[3][0], rx.toStdString());
    QCOMPARE(sim.Received("52"), reads);  // no block read

    run = RunTransfer(
        p, command::kWrite,
        [&](int position) {
          if (position != 5) return;
          p.view->Grid()->SetRow(3);  // opens the Rx editor over channel 3
          p.view->CellEditors()->RxEditor()->setText(rx), p.view->CommitOpenEditor();
        },
        [](CProcessDlg& dialog) {  // the last write's choices
          QVERIFY(!dialog.BackupCheck()->isChecked() && !dialog.VerifyCheck()->isChecked());
        });
    QVERIFY(run.outcome == TransferOutcome::kCompleted &&
            p.view->Grid()->GetTextMatrix(3, 1) == rx && p.view->Document().IsModified());
    // Its window gone while the port waits for a radio at 9600 baud, a read ends as cancelled.
    SimProcess paced(BlankImage(), {"--realtime"});
    UsePort(p, paced);
    run = RunTransfer(p, command::kRead, [&p](int position) {
      if (position == 5) QTimer::singleShot(50, [&p] { delete Dialog(p); });
    });
    QVERIFY(run.finished && run.outcome == TransferOutcome::kCancelled);
  }

  // While a read runs, nothing may drop its document nor start a transfer nested in it.
  void commandsThatWouldDropADocumentWaitForTheTransfer() {
    Program p;
    CChildFrame* first = p.child;
    QVERIFY(p.Open("other.dat", Bytes(BlankImage())));  // hides the first
    p.view = p.frame->ActiveChild()->View();
    SimProcess sim(RadioWithChannels(p.view->Document().Image()));
    UsePort(p, sim);
    CMainFrame* frame = p.frame;
    bool refusedAll = false;
    const TransferRun run = RunTransfer(p, command::kRead, [&](int position) {
      using namespace command;
      if (position != 5) return;
      for (int id : {kFileNew, kFileOpen, kFileClose, kAppExit, kComSetup, kLanguage})
        if (frame->Action(id)->isEnabled()) return;
      refusedAll = !frame->OnFileNew() && !frame->OpenDocumentFile(p.dir.Path("Selkan.ini")) &&
                   frame->statusBar()->currentMessage() ==
                       QString("Wait until the transfer has ended, or cancel it.");
      NextDialog language([](QDialog* dialog) { dialog->reject(); });  // not even asked
      frame->OnLanguage(), frame->OnFileClose();
      refusedAll = refusedAll && !frame->close() && language.title.isEmpty();
      frame->activateWindow();  // Write brings the window to the front, and it stays a read
      refusedAll = refusedAll && QTest::qWaitFor([frame] { return frame->isActiveWindow(); });
      frame->Action(kWrite)->trigger();
      refusedAll = refusedAll && QTest::qWaitFor([&p] { return Dialog(p)->isActiveWindow(); });
      first->show(), frame->Client()->setActiveSubWindow(first), frame->Action(kRead)->trigger();
      frame->Action(kCompareWithRadio)->trigger();
      refusedAll = refusedAll && first->View()->findChildren<CProcessDlg*>().isEmpty();
    });
    QVERIFY(refusedAll && run.outcome == TransferOutcome::kCompleted &&
            Controller(p)->Direction() == TransferDirection::kRead);
    QVERIFY(frame->Children().size() == 2 && p.answers.messages.empty() &&
            frame->Action(command::kFileNew)->isEnabled());
  }

  // A write cancelled part way, or read back different (from a faulty radio mended before the
  // answer), offers the way back naming the backup: Write again verifies; Restore undoes it.
  void aFailedWriteOffersTheWayBack() {
    using enum TransferOutcome;
    for (const auto& [corrupt, answer, said, outcome] :
         {std::tuple{false, QMessageBox::RestoreDefaults, "after 40 of 510", kCancelled},
          {true, QMessageBox::Retry, "3, Rx Frequency: 438.50000 -> 438.50001", kCompleted},
          {true, QMessageBox::RestoreDefaults, "Rx Frequency", kVerifyMismatch}}) {
      Program p;
      const RadioImage before = Filled(2);
      SimProcess first(before, corrupt ? std::vector<std::string>{"--corrupt-write-at", "6"}
                                       : std::vector<std::string>{});
      std::unique_ptr<SimProcess> mended;
      const QString port = dir_.filePath(QStringLiteral("switched"));
      QFile::remove(port);
      QVERIFY(QFile::link(QString::fromStdString(first.Link()), port));
      p.view->SetPortName(port);
      for (int column : {1, 2}) p.view->Grid()->SetTextMatrix(3, column, "438.50000");
      const RadioImage document = p.view->ImageToWrite();
      p.answers.buttons = {answer};
      p.answers.onMessage = [&, corrupt = corrupt](const MessageRequest&) {
        if (!corrupt || mended) return;
        mended = std::make_unique<SimProcess>(first.Memory());
        QFile::remove(port), QFile::link(QString::fromStdString(mended->Link()), port);
      };
      bool cancelled = false, stepsCounted = true;  // "Step 1 of 2": a retry counts afresh
      const TransferRun run = RunTransfer(p, command::kWrite, [&, corrupt = corrupt](int position) {
        CProcessDlg* dialog = Dialog(p);
        const QStringList step = dialog->StepLabel()->text().remove(':').split(' ');
        stepsCounted = stepsCounted && dialog->StepLabel()->isVisible() && step.size() > 3 &&
                       step[1].toInt() <= step[3].toInt();
        if (corrupt || cancelled || position != 20 ||
            !dialog->StepLabel()->text().contains("2 of 3"))
          return;
        cancelled = true, QTest::mouseClick(dialog->CancelButton(), Qt::LeftButton);
        QVERIFY(dialog->CancelRequested() && !dialog->close());  // stays until the transfer ends
      });
      QVERIFY(run.outcome == outcome && p.answers.messages.size() == 1 && stepsCounted);
      const MessageRequest& offer = p.answers.messages[0];
      QVERIFY2(offer.text.contains(said), qPrintable(offer.text));
      const QString kept = QString::fromStdString(Controller(p)->LastBackup());
      QVERIFY(kept.startsWith(Backups()) && offer.text.contains(QDir::toNativeSeparators(kept)) &&
              (offer.buttons & QMessageBox::RestoreDefaults) &&
              offer.buttonTexts.count(QMessageBox::Cancel) == corrupt);  // "Keep" after a check
      const SimProcess& radio = mended ? *mended : first;
      QTRY_VERIFY_WITH_TIMEOUT(radio.Saves() > 0, 10000);
      if (answer == QMessageBox::RestoreDefaults) {
        QVERIFY(radio.Memory() == before);
      } else {
        QVERIFY(SameBelowWriteLimit(document, radio.Memory()));
        QCOMPARE(radio.Received("52"), 512);  // the check, no new backup
        QVERIFY(p.frame->statusBar()->currentMessage().endsWith("verified. Backup: " +
                                                                QDir::toNativeSeparators(kept)));
      }
    }
    // A long list of differences ends in how many more there are, after the first 12.
    std::vector<ImageDifference> many(12, {"Channel 3", "a", "b", 3});
    QCOMPARE(MismatchLines(many).last(), QStringLiteral("Channel 3: a -> b"));
    many.resize(14, many[0]);
    QCOMPARE(MismatchLines(many).mid(11), QStringList({"Channel 3: a -> b", "and 2 more"}));
  }

  // Compare with Radio writes nothing and lists what differs. A backup goes back by a write
  // that keeps a backup too; the window still shows the document's last one first.
  void theRadioIsComparedAndABackupWrittenBack() {
    Program p;
    const RadioImage document = p.view->ImageToWrite(), radio = RadioWithChannels(document);
    SimProcess sim(radio);
    UsePort(p, sim);
    QString shown;
    NextDialog look([&shown](QDialog* dialog) {
      shown = qobject_cast<CCompareDlg*>(dialog)->Differences(), dialog->reject();
    });
    TransferRun run = RunTransfer(p, command::kCompareWithRadio);
    QCOMPARE(run.outcome, TransferOutcome::kCompleted);
    QTRY_COMPARE(shown, QStringLiteral("Channel 1: empty -> 446.00625, 446.00625, None, None, Low, "
                                       "On, Narrow\nChannel 2: empty -> 438.50000, 439.50000, "
                                       "88.5, 88.5, High, On, Wide"));
    QVERIFY(sim.Received("57") == 0 && p.view->ImageToWrite() == document &&
            p.view->UndoStack()->count() == 0);

    QCOMPARE(RunTransfer(p, command::kWrite).outcome, TransferOutcome::kCompleted);
    const QString kept = QString::fromStdString(Controller(p)->LastBackup());
    QTRY_VERIFY_WITH_TIMEOUT(sim.Saves() > 0, 10000);
    p.frame->Action(command::kBackups)->trigger();
    CBackupsDlg* window = p.frame->BackupsWindow();
    QCOMPARE(window->SelectedPath(), kept);
    const int listed = window->List()->topLevelItemCount();
    bool stayed = false;  // the window holds the progress window: it stays (tried as a step starts)
    run = RunTransferOf(
        *window, [window] { window->Button("write")->click(); },
        [&](int position) { stayed = stayed || (position == 0 && !window->close()); });
    QVERIFY(run.outcome == TransferOutcome::kCompleted && stayed && window->isVisible() &&
            sim.Memory() == radio && window->List()->topLevelItemCount() == listed + 1);
    const QTreeWidgetItem* made = window->List()->topLevelItem(0);  // named as the profile names it
    QCOMPARE(made->text(1) + ' ' + made->text(2), QStringLiteral("SK-100 KZ904SK1"));
    const QString newest = window->List()->topLevelItem(0)->data(0, Qt::UserRole).toString();
    QVERIFY(p.frame->statusBar()->currentMessage().endsWith(newest));
    window->List()->setCurrentItem(window->List()->topLevelItem(0)), window->close();
    p.frame->Action(command::kBackups)->trigger();  // the document's backup comes first
    QCOMPARE(window->SelectedPath(), kept);
    RunTransfer(p, command::kWrite, {}, [](CProcessDlg& d) {
      d.BackupCheck()->setChecked(false);  // keeps none: the one kept last stays the last
    });
    QCOMPARE(Controller(p)->LastBackup(), kept.toStdString());
  }

  // Three radios in turn on COM1: two verified, the third stopped as its write begins (a red
  // row). They get the document as at Start; New and Read wait; the log has a line per radio,
  // but the third's does not fit on the disk: said as the run ends.
  void severalRadiosAreProgrammedOneAfterAnother() {
    Program p;
    for (int column : {1, 2}) p.view->Grid()->SetTextMatrix(3, column, "438.50000");
    QTemporaryDir dumps;
    SimProcess sim(Filled(4), {"--fleet", "3", "--stay", "1", "--swap-gap", "5", "--dump-dir",
                               dumps.path().toStdString()});
    QVERIFY(sim.Started());
    qputenv("SELKAN_COM1", QByteArray::fromStdString(sim.Link()));
    const auto restore = qScopeGuard([this] { qputenv("SELKAN_COM1", Link(1).toLocal8Bit()); });

    const QDateTime began = QDateTime::currentDateTime().addSecs(-1);
    p.frame->Action(command::kProgramSeveralRadios)->trigger();
    CFleetDlg* window = p.frame->FleetWindow();
    QVERIFY(window != nullptr && window->isVisible() && window->PortCheck(0)->isChecked());
    QVERIFY(F1OpensAHelpPage(window) && !window->Button("saveLog")->isEnabled());  // no log yet

    // Stop as soon as the third radio's write begins, the log's file not to grow after that.
    rlimit usual{};
    ::getrlimit(RLIMIT_FSIZE, &usual), ::signal(SIGXFSZ, SIG_IGN);
    bool stopGreyed = false;  // once stopping, Stop is done with
    QObject::connect(window->PortProgress(0), &QProgressBar::valueChanged, window, [&] {
      if (stopGreyed || !window->PortStatus(0)->text().startsWith("Radio 3, step 2 of 3")) return;
      const rlimit full{rlim_t(QFileInfo(window->LogPath()).size()), usual.rlim_max};
      ::setrlimit(RLIMIT_FSIZE, &full), window->Button("stop")->click();
      stopGreyed = window->Running() && !window->Button("stop")->isEnabled();
    });
    QStringList headline{window->Progress()->text()};  // the headline's bar, as read
    QObject::connect(window->Progress(), &QProgressBar::valueChanged, window,
                     [&] { headline << window->Progress()->text(); });
    window->Table()->setFixedHeight(window->Table()->header()->height() + 30);
    window->Button("start")->click();  // the grid as it stands, not yet in the document's image
    const RadioImage document = p.view->ImageToWrite();
    QVERIFY(window->Running() && !p.frame->Action(command::kFileNew)->isEnabled());
    QVERIFY(!p.frame->OnFileNew());  // refused, and why
    QVERIFY(p.frame->statusBar()->currentMessage().startsWith("Wait until the radios"));
    p.frame->Action(command::kRead)->trigger();
    QVERIFY(Dialog(p) == nullptr);
    for (int column : {1, 2}) p.view->Grid()->SetTextMatrix(4, column, "438.50000");
    QTRY_VERIFY_WITH_TIMEOUT(!window->Running(), 60000);
    ::setrlimit(RLIMIT_FSIZE, &usual);
    QVERIFY(stopGreyed);

    QTreeWidget* table = window->Table();
    QVERIFY(p.frame->Action(command::kFileNew)->isEnabled() && table->topLevelItemCount() == 3);
    QCOMPARE(window->StatusLine()->text(), QString("Stopped. Radios: 3, verified: 2, failed: 1"));
    QVERIFY2(headline.first() == "0%" && headline.contains("99%") && headline.contains("100%"),
             qPrintable(headline.join(QLatin1Char(' '))));
    const QScrollBar* rows = table->verticalScrollBar();  // a row shown: the newest
    QVERIFY(rows->maximum() > 0 && rows->value() == rows->maximum());
    for (int k = 1; k <= 3; ++k) {
      const QTreeWidgetItem* row = table->topLevelItem(k - 1);
      QVERIFY(row->text(0) == QString::number(k) && row->text(3) == "COM1" &&
              QRegularExpression("^\\d+\\.\\d$").match(row->text(2)).hasMatch() &&  // seconds
              QTime::fromString(row->text(1), "HH:mm:ss").isValid() &&              // when it began
              row->toolTip(4) == row->text(4) &&        // a long result is read whole in its tip
              table->visualItemRect(row).left() == 0);  // a flat list: no room for branches
      QCOMPARE(row->foreground(0).color().red() > 150 && row->foreground(5).color().red() > 150,
               k == 3);  // a failed radio's whole row red, not black
      QVERIFY2(row->text(4) == (k < 3 ? "verified" : "stopped; nothing written") ||
                   (k == 3 && row->text(4).endsWith(" of 510 (stopped)")),
               qPrintable(row->text(4)));
      QVERIFY(row->text(5).endsWith(".dat") && row->toolTip(5).endsWith('/' + row->text(5)) &&
              QFile::exists(row->toolTip(5)));  // the backup's whole path in its tip
    }
    for (const char* dump : {"radio-1.dat", "radio-2.dat"})
      QVERIFY(SameBelowWriteLimit(document, LoadDatFile(dumps.filePath(dump).toStdString()).image));

    const QString log = window->LogPath();
    const QString stamp = QFileInfo(log).completeBaseName().mid(6);  // fleet-yyyyMMdd-HHmmss
    QVERIFY(log.startsWith(Backups()) && QDateTime::fromString(stamp, "yyyyMMdd-HHmmss") >= began);
    const QByteArray bytes = QByteArray::fromStdString(ReadBytes(log.toStdString()));
    const QList<QByteArray> lines = bytes.trimmed().split('\n');
    QVERIFY(lines.size() == 3 && p.answers.messages.size() == 1);
    QVERIFY(p.answers.messages[0].text.startsWith("The log could not be written:\ncannot write " +
                                                  log + ": File too large"));
    const QByteArray title = QByteArray::fromStdString(p.child->Document().Title());
    for (int k = 1; k <= 2; ++k) {
      QVERIFY(lines[k].startsWith(QByteArray::number(k) + ',') && lines[k].contains(",verified,") &&
              lines[k].contains(',' + title + ',') && lines[k].endsWith(",COM1"));
      const QDateTime start = QDateTime::fromString(QString(lines[k].split(',')[1]), Qt::ISODate);
      QVERIFY(start >= began && start <= QDateTime::currentDateTime());
    }
    const QString copy = dir_.filePath(QStringLiteral("copy.csv"));
    p.answers.paths = {copy, dir_.filePath(QStringLiteral("no-folder/copy.csv")), copy};
    window->Button("saveLog")->click();
    QCOMPARE(QByteArray::fromStdString(ReadBytes(copy.toStdString())), bytes);
    window->Button("saveLog")->click();
    QVERIFY(!p.answers.messages.empty() && p.answers.messages.back().text.contains("no-folder"));
    QFile::remove(log), window->Button("saveLog")->click();  // the log gone since the run
    QCOMPARE(p.answers.messages.back().text, "The log " + log + " cannot be read.");
    window->Button("start")->click();  // a new run starts on an empty table
    QCOMPARE(table->topLevelItemCount(), 0);
    window->Button("stop")->click();
    QTRY_VERIFY(!window->Running());
  }

  // Each failure is said once; Retry repeats (without a new backup), Cancel ends; nothing is read.
  void failuresAreSaidAndRetryRepeats() {
    using enum TransferOutcome;
    const int read = command::kRead, write = command::kWrite;
    using Frames = std::vector<std::pair<const char*, int>>;  // how many the radio got of a kind
    const std::tuple<Args, int, bool, TransferOutcome, std::size_t, const char*, Frames> cases[] = {
        // clang-format off
        {{"--no-wakeup-answer"}, write, true, kCommunicationError, 2, "Communication", {{"02", 2}}},
        {{"--refuse-write-at", "100"}, write, true, kProgramInterrupt, 2, "Program Interrupt",
         {{"57", 2 * 101}, {"52", 512}}},
        {{"--short-reply-at", "300"}, write, false, kProgramInterrupt, 1, "back to verify it failed",
         {}},
        {{"--short-reply-at", "300"}, read, true, kProgramInterrupt, 1, "Program Interrupt", {}},
        {{"--short-reply-at", "300"}, write, true, kProgramInterrupt, 1, "for its backup", {}},
        {{"--wrong-id"}, read, true, kRadioMismatch, 1, "Caution", {}},
        {{}, write, true, kBackupNotSaved, 1, "could not be kept as a backup", {{"57", 0}}},
        {{}, write, false, kPortError, 1, "Could not Open the Port", {}}};
    // clang-format on
    for (const auto& [faults, commandId, backup, outcome, said, text, received] : cases) {
      Program p;
      SimProcess sim(Filled(3), faults);
      UsePort(p, sim);
      if (outcome == kPortError) p.view->SetPortName("COM4");
      // The backups' folder cannot be made under a file, not even by root.
      const QString data = outcome == kBackupNotSaved ? p.dir.Path("Selkan.ini") : dir_.path();
      qputenv("XDG_DATA_HOME", data.toLocal8Bit());
      p.answers.buttons = {QMessageBox::Retry, QMessageBox::Cancel};
      const RadioImage before = p.view->Document().Image();
      const TransferRun run = RunTransfer(
          p, commandId, {},
          [&, backup = backup](CProcessDlg& dialog) { dialog.BackupCheck()->setChecked(backup); });
      QVERIFY(run.outcome == outcome && p.answers.messages.size() == said);
      QVERIFY(commandId == write || p.view->Document().Image() == before);
      const MessageRequest& last = p.answers.messages.back();
      QVERIFY2((last.caption + last.text).contains(text), qPrintable(last.text));
      for (const auto& [code, count] : received) QCOMPARE(sim.Received(code), count);
    }
  }
};

}  // namespace selkan::test

QTEST_MAIN(selkan::test::LinkTest)
#include "link_test.moc"
