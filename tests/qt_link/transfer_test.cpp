// Read and Write from the program against the virtual radio on a
// pseudo-terminal: progress window, grid, document marks, fault messages,
// Cancel, and the commands refused while a transfer runs.
#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QUndoStack>
#include <QtTest>
#include <functional>

#include "app/qt/child_frame.h"
#include "app/qt/command_ids.h"
#include "app/qt/main_frame.h"
#include "app/qt/mdi_client_wnd.h"
#include "editor/qt/cell_editors.h"
#include "editor/qt/ms_flex_grid.h"
#include "editor/qt/selkan_view.h"
#include "link/gui/process_dlg.h"
#include "link/gui/transfer_controller.h"
#include "link/transfer_outcome.h"
#include "model/channel_codec.h"
#include "model/selkan_doc.h"
#include "tests/qt_app/app_fixture.h"
#include "tests/qt_link/link_fixture.h"

namespace selkan::test {

namespace {

// A radio holding a few channels of the 400-470 band on top of the given image.
RadioImage RadioWithChannels(RadioImage image) {
  ChannelTable table = DecodeChannels(image, Language::English);
  const char* rows[][7] = {{"446.00625", "446.00625", "None", "None", "Low", "On", "Narrow"},
                           {"438.50000", "439.50000", "88.5", "88.5", "High", "On", "Wide"},
                           {"435.00000", "435.00000", "None", "None", "Middle", "Off", "Wide"}};
  for (int r = 0; r < 3; ++r)
    for (int c = 1; c <= 7; ++c) Cell(table[r], c) = rows[r][c - 1];
  EncodeChannels(table, image);
  return image;
}

QStringList GridRow(CMSFlexGrid* grid, int row) {
  QStringList cells;
  for (int c = 1; c <= 7; ++c) cells << grid->GetTextMatrix(row, c);
  return cells;
}

// The program's first document on the port of a virtual radio.
void UsePort(Program& program, const VirtualRadioProcess& sim, const QString& suffix = {}) {
  QVERIFY(sim.Started());
  program.view->SetPortName(sim.Link() + suffix);
}

QString Text(std::string_view text) { return QString::fromUtf8(text.data(), text.size()); }

QStringList DecodedRow(const RadioImage& image, int row) {
  const ChannelTable table = DecodeChannels(image, Language::English);
  QStringList cells;
  for (int c = 1; c <= 7; ++c) cells << QString::fromStdString(Cell(table[row - 1], c));
  return cells;
}

}  // namespace

class TransferTest : public QObject {
  Q_OBJECT

  using Run = TransferRun;
  Run Transfer(Program& program, int command, const std::function<void(int)>& onStep = {}) {
    return RunTransfer(program, command, onStep);
  }
  DataHome dataHome_;

 private slots:
  void readShowsTheRadioChannelsAndStartsAfreshNextTime() {
    Program program;
    const RadioImage radio = RadioWithChannels(program.view->Document().Image());
    VirtualRadioProcess sim(radio);
    UsePort(program, sim);
    SetBlankDocumentFlag(true);
    // What is being typed goes into its cell before the read, as a step of
    // its own.
    const QString rx = QString::number(program.view->GetBandLimits().lower / 100000.0, 'f', 5);
    program.view->Grid()->SetRow(5);
    program.view->CellEditors()->RxEditor()->setText(rx);
    const RadioImage imageBefore = program.view->Document().Image();
    // A hidden document window comes back after the read.
    program.child->close();
    QVERIFY(program.child->isHidden());

    const Run run = Transfer(program, command::kRead);
    QCOMPARE(run.outcome, TransferOutcome::kCompleted);
    QCOMPARE(run.lastCounter, 256);
    QTRY_VERIFY_WITH_TIMEOUT(Dialog(program) == nullptr, 5000);
    QVERIFY(program.answers.messages.empty());
    QVERIFY(program.view->Document().Image() == radio);
    for (int row : {1, 2, 3, 4})
      QCOMPARE(GridRow(program.view->Grid(), row), DecodedRow(radio, row));
    QCOMPARE(program.view->Grid()->GetTextMatrix(2, 2), QStringLiteral("439.50000"));
    QVERIFY(!BlankDocumentFlag());
    QVERIFY(program.view->Document().IsModified());
    QVERIFY(program.child->isVisible());
    QCOMPARE(sim.ReceivedFrames("52"), 512);
    // The read is one step: undone, the grid and the image are as before it.
    QCOMPARE(program.view->UndoStack()->count(), 2);
    program.view->OnEditUndo();
    QCOMPARE(GridRow(program.view->Grid(), 2), QStringList({"", "", "", "", "", "", ""}));
    QCOMPARE(program.view->Grid()->GetTextMatrix(5, 1), rx);
    QVERIFY(program.view->Document().Image() == imageBefore);
    program.view->OnEditRedo();
    QVERIFY(program.view->Document().Image() == radio);
    QCOMPARE(GridRow(program.view->Grid(), 2), DecodedRow(radio, 2));

    // The next Read brings a fresh window.
    program.frame->Action(command::kRead)->trigger();
    CProcessDlg* again = Dialog(program);
    QVERIFY(again != nullptr);
    QCOMPARE(again->windowTitle(), QStringLiteral("Read Data"));
    QCOMPARE(again->ProgressBar()->value(), 0);
    QCOMPARE(again->ProgressBar()->maximum(), 256);
    QCOMPARE(again->Counter()->text(), QStringLiteral("0"));
    QVERIFY(again->OkButton()->isEnabled());
    QTest::mouseClick(again->CancelButton(), Qt::LeftButton);
    QTRY_VERIFY_WITH_TIMEOUT(Dialog(program) == nullptr, 5000);
  }

  void writeSendsTheGridButNotTheLastSixteenBytes() {
    Program program;
    RadioImage before = program.view->Document().Image();
    for (std::size_t a = 0xFF0; a < kImageSize; ++a) before[a] = static_cast<std::uint8_t>(a);
    VirtualRadioProcess sim(before);
    UsePort(program, sim);
    program.view->Grid()->SetTextMatrix(1, 1, "438.50000");
    program.view->Grid()->SetTextMatrix(1, 2, "438.50000");
    program.view->Document().SetModified(true);

    const Run run = Transfer(program, command::kWrite);
    QCOMPARE(run.outcome, TransferOutcome::kCompleted);
    QCOMPARE(run.lastCounter, 255);
    QVERIFY(program.answers.messages.empty());
    QVERIFY(!program.view->Document().IsModified());
    QCOMPARE(program.view->UndoStack()->count(), 0);  // a write is no step
    QCOMPARE(sim.ReceivedFrames("57"), 510);
    QTRY_VERIFY_WITH_TIMEOUT(sim.Saved(), 10000);
    const RadioImage after = sim.Memory();
    const RadioImage& sent = program.view->Document().Image();
    QVERIFY(std::equal(after.begin(), after.begin() + 0xFF0, sent.begin()));
    QVERIFY(std::equal(after.begin() + 0xFF0, after.end(), before.begin() + 0xFF0));
    QCOMPARE(DecodedRow(after, 1).mid(0, 2), QStringList({"438.50000", "438.50000"}));
  }

  // The progress window is modeless: a cell typed in while the write runs
  // is not in the radio, so the document stays marked for the save prompt.
  void anEditDuringAWriteKeepsTheDocumentModified() {
    Program program;
    VirtualRadioProcess sim(program.view->Document().Image());
    UsePort(program, sim);
    Program* p = &program;
    const QString rx =
        QString::number(program.view->GetBandLimits().lower / 100000.0, 'f', 5);  // in the band
    bool edited = false;
    const Run run = Transfer(program, command::kWrite, [&, p](int position) {
      if (position != 5 || edited) return;
      edited = true;
      p->view->Grid()->SetRow(3);  // opens the Rx editor over channel 3
      p->view->CellEditors()->RxEditor()->setText(rx);
      p->view->CommitOpenEditor();
    });
    QVERIFY(edited);
    QCOMPARE(run.outcome, TransferOutcome::kCompleted);
    QVERIFY(program.answers.messages.empty());
    QCOMPARE(program.view->Grid()->GetTextMatrix(3, 1), rx);
    QTRY_VERIFY_WITH_TIMEOUT(sim.Saved(), 10000);
    QCOMPARE(DecodedRow(sim.Memory(), 3).value(0), QString());
    QVERIFY(program.view->Document().IsModified());
  }

  void faultsBringTheirMessagesAndLeaveTheGrid_data() {
    QTest::addColumn<QStringList>("faults");
    QTest::addColumn<int>("command");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<int>("outcome");
    const QString company = QStringLiteral("<company>");
    const QString port = Text(kPortErrorText), comm = Text(kCommunicationErrorText);
    const QString mismatch = Text(kRadioMismatchText), interrupt = Text(kProgramInterruptText);
    using O = TransferOutcome;
    // clang-format off
    QTest::newRow("no port") << QStringList{"<no port>"} << command::kRead << port << company
                             << int(O::kPortError);
    QTest::newRow("no wake-up answer") << QStringList{"--no-wakeup-answer"} << command::kRead
                                       << comm << company << int(O::kCommunicationError);
    QTest::newRow("no id acknowledge") << QStringList{"--no-id-ack"} << command::kWrite << comm
                                       << company << int(O::kCommunicationError);
    QTest::newRow("wrong radio") << QStringList{"--wrong-id"} << command::kRead << mismatch
                                 << QStringLiteral("Caution") << int(O::kRadioMismatch);
    QTest::newRow("short reply") << QStringList{"--short-reply-at", "37"} << command::kRead
                                 << interrupt << company << int(O::kProgramInterrupt);
    QTest::newRow("refused write") << QStringList{"--refuse-write-at", "3"} << command::kWrite
                                   << interrupt << company << int(O::kProgramInterrupt);
    QTest::newRow("silent radio") << QStringList{"--silent-from", "9"} << command::kWrite
                                  << interrupt << company << int(O::kProgramInterrupt);
    // clang-format on
  }
  void faultsBringTheirMessagesAndLeaveTheGrid() {
    QFETCH(QStringList, faults);
    QFETCH(int, command);
    QFETCH(QString, text);
    QFETCH(QString, caption);
    QFETCH(int, outcome);
    Program program;
    const RadioImage radio = RadioWithChannels(program.view->Document().Image());
    const bool noPort = faults == QStringList{"<no port>"};
    VirtualRadioProcess sim(radio, noPort ? QStringList{} : faults);
    UsePort(program, sim, noPort ? "-missing" : "");
    const RadioImage imageBefore = program.view->Document().Image();
    const QStringList rowBefore = GridRow(program.view->Grid(), 1);
    program.view->Document().SetModified(false);
    program.answers.buttons = {QMessageBox::Cancel};  // 61451: give up

    const Run run = Transfer(program, command);
    QCOMPARE(int(run.outcome), outcome);
    QCOMPARE(program.answers.messages.size(), std::size_t{1});
    const MessageRequest& message = program.answers.messages.front();
    // A write adds what it did to the radio: see the safe write's tests.
    QVERIFY2(command == command::kWrite ? message.text.startsWith(text) : message.text == text,
             qPrintable(message.text));
    if (caption == "<company>")
      QCOMPARE(message.caption, program.frame->MessageCaption());
    else
      QCOMPARE(message.caption, caption);
    const bool retry = outcome == int(TransferOutcome::kCommunicationError) ||
                       QTest::currentDataTag() == QByteArray("refused write");
    QCOMPARE(message.buttons & (QMessageBox::Retry | QMessageBox::Cancel | QMessageBox::Ok),
             retry ? QMessageBox::Retry | QMessageBox::Cancel
                   : QMessageBox::StandardButtons(QMessageBox::Ok));
    QTRY_VERIFY_WITH_TIMEOUT(Dialog(program) == nullptr, 5000);
    if (command == command::kRead) {
      QVERIFY(program.view->Document().Image() == imageBefore);
      QCOMPARE(GridRow(program.view->Grid(), 1), rowBefore);
    }
    QVERIFY(!program.view->Document().IsModified());
    QCOMPARE(program.view->UndoStack()->count(), 0);
  }

  void chineseSessionSpeaksChinese() {
    Program program(QStringLiteral("Chinese"));
    VirtualRadioProcess sim(program.view->Document().Image(), {"--wrong-id"});
    UsePort(program, sim, "-missing");
    Run run = Transfer(program, command::kRead);
    QCOMPARE(run.outcome, TransferOutcome::kPortError);
    QCOMPARE(program.answers.messages.back().text,
             QString::fromUtf8("无法打开串口，请检查串口是否被占用或设备是否正常"));

    program.view->SetPortName(sim.Link());
    program.frame->Action(command::kWrite)->trigger();
    QCOMPARE(Dialog(program)->windowTitle(), QString::fromUtf8("写数据"));
    QCOMPARE(Dialog(program)->OkButton()->text(), QString::fromUtf8("确定"));
    QTest::mouseClick(Dialog(program)->CancelButton(), Qt::LeftButton);
    QTRY_VERIFY_WITH_TIMEOUT(Dialog(program) == nullptr, 5000);
    run = Transfer(program, command::kRead);
    QCOMPARE(run.outcome, TransferOutcome::kRadioMismatch);
    QCOMPARE(program.answers.messages.back().caption, QString::fromUtf8("警告"));
    QCOMPARE(program.answers.messages.back().text,
             QString::fromUtf8("对讲机类型不匹配,无法通讯。"));
  }

  void retryRepeatsTheHandshake() {
    Program program;
    VirtualRadioProcess sim(program.view->Document().Image(), {"--no-wakeup-answer"});
    UsePort(program, sim);
    program.answers.buttons = {QMessageBox::Retry, QMessageBox::Cancel};
    const Run run = Transfer(program, command::kRead);
    QCOMPARE(run.outcome, TransferOutcome::kCommunicationError);
    QCOMPARE(program.answers.messages.size(), std::size_t{2});
  }

  void cancelBeforeOkSendsNothing() {
    Program program;
    VirtualRadioProcess sim(program.view->Document().Image());
    UsePort(program, sim);
    program.frame->Action(command::kWrite)->trigger();
    QPointer<CProcessDlg> dialog = Dialog(program);
    QVERIFY(dialog);
    QCOMPARE(dialog->windowTitle(), QStringLiteral("Write Data"));
    QTest::mouseClick(dialog->CancelButton(), Qt::LeftButton);
    QTRY_VERIFY_WITH_TIMEOUT(dialog.isNull(), 5000);
    QTest::qWait(100);  // a queued start would have run by now
    QCOMPARE(sim.ReceivedFramesAll(), 0);
    QVERIFY(program.answers.messages.empty());
  }

  void cancelDuringAReadStopsWithinAPairOfBlocks() {
    Program program;
    const RadioImage radio = RadioWithChannels(program.view->Document().Image());
    VirtualRadioProcess sim(radio);
    UsePort(program, sim);
    const QStringList rowBefore = GridRow(program.view->Grid(), 1);
    int cancelledAt = -1;
    Program* p = &program;
    const Run run = Transfer(program, command::kRead, [p, &cancelledAt](int position) {
      if (position == 10 && cancelledAt < 0) {
        cancelledAt = position;
        QTest::mouseClick(Dialog(*p)->CancelButton(), Qt::LeftButton);
      }
    });
    QCOMPARE(run.outcome, TransferOutcome::kCancelled);
    QCOMPARE(cancelledAt, 10);
    QVERIFY(run.lastCounter <= 11);
    QVERIFY(sim.ReceivedFrames("52") <= 2 * 11);
    QVERIFY(program.answers.messages.empty());
    QTRY_VERIFY_WITH_TIMEOUT(Dialog(program) == nullptr, 5000);
    QCOMPARE(GridRow(program.view->Grid(), 1), rowBefore);
  }

  void commandsThatWouldDropTheDocumentWaitForTheTransfer() {
    Program program;
    VirtualRadioProcess sim(RadioWithChannels(program.view->Document().Image()));
    UsePort(program, sim);
    Program* p = &program;
    bool checked = false;
    bool refusedAll = false;
    const Run run = Transfer(program, command::kRead, [&, p](int position) {
      if (position != 5 || checked) return;
      checked = true;
      using namespace command;
      for (int id : {kFileNew, kFileOpen, kFileClose, kAppExit})
        if (p->frame->Action(id)->isEnabled()) return;
      const bool newDone = p->frame->OnFileNew();
      const bool openDone = p->frame->OpenDocumentFile(p->dir.Path("Selkan.ini"));
      p->frame->OnFileClose();
      const bool closed = p->frame->close();
      p->frame->Action(kRead)->trigger();   // raises the window only
      p->frame->Action(kWrite)->trigger();  // nor does it turn it into a write
      refusedAll =
          !newDone && !openDone && !closed && p->view->findChildren<CProcessDlg*>().size() == 1;
    });
    QVERIFY(checked);
    QVERIFY(refusedAll);
    QCOMPARE(run.outcome, TransferOutcome::kCompleted);
    QCOMPARE(Controller(program)->Direction(), TransferDirection::kRead);
    QCOMPARE(program.frame->Children().size(), 1);
    QVERIFY(program.child->isVisible());
    QVERIFY(program.answers.messages.empty());  // no "All data will be Cleared!"
    QVERIFY(program.frame->Action(command::kFileNew)->isEnabled());
    QVERIFY(program.frame->Action(command::kAppExit)->isEnabled());
  }

  void aSecondDocumentCannotStartATransferInsideTheFirst() {
    Program program;
    CChildFrame* first = program.child;
    const QString other = program.dir.Path("other.dat");
    QVERIFY(SaveDatFile(other.toStdString(), BlankImage()));
    QVERIFY(program.frame->OpenDocumentFile(other));  // hides the first window
    program.child = program.frame->ActiveChild();
    program.view = program.child->View();
    QVERIFY(program.child != first);
    VirtualRadioProcess sim(RadioWithChannels(program.view->Document().Image()));
    UsePort(program, sim);
    Program* p = &program;
    bool tried = false;
    const Run run = Transfer(program, command::kRead, [&, p](int position) {
      if (position != 5 || tried) return;
      tried = true;
      first->show();
      p->frame->Client()->setActiveSubWindow(first);
      QCOMPARE(p->frame->ActiveChild(), first);
      p->frame->Action(command::kRead)->trigger();
    });
    QVERIFY(tried);
    QCOMPARE(run.outcome, TransferOutcome::kCompleted);
    QVERIFY(first->View()->findChildren<CProcessDlg*>().isEmpty());
  }
};

}  // namespace selkan::test

QTEST_MAIN(selkan::test::TransferTest)
#include "transfer_test.moc"
