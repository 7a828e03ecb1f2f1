// Read and Write from the program against the virtual radio: progress
// window, grid, document marks, messages, Cancel, and the commands refused
// while a transfer runs. The protocol's rules are the engine's tests.
#include <QCheckBox>
#include <QLineEdit>
#include <QUndoStack>

#include "app/qt/child_frame.h"
#include "app/qt/command_ids.h"
#include "app/qt/mdi_client_wnd.h"
#include "editor/qt/cell_editors.h"
#include "editor/qt/ms_flex_grid.h"
#include "model/channel_codec.h"
#include "model/selkan_doc.h"
#include "tests/qt_link/link_fixture.h"

namespace selkan::test {

namespace {

// A radio holding channels 1 and 2 on top of the given image.
RadioImage RadioWithChannels(RadioImage image) {
  EncodeChannel({"446.00625", "446.00625", "None", "None", "Low", "On", "Narrow"}, image, 1);
  EncodeChannel({"438.50000", "439.50000", "88.5", "88.5", "High", "On", "Wide"}, image, 2);
  return image;
}

QStringList GridRow(CMSFlexGrid* grid, int row) {
  QStringList cells;
  for (int c = 1; c <= 7; ++c) cells << grid->GetTextMatrix(row, c);
  return cells;
}

// A write without the backup and the check (their wiring is the safe
// write's test).
void PlainWrite(CProcessDlg& dialog) {
  dialog.BackupCheck()->setChecked(false);
  dialog.VerifyCheck()->setChecked(false);
}

}  // namespace

class TransferTest : public QObject {
  Q_OBJECT
  DataHome dataHome_;

 private slots:
  void readReplacesTheGridAsOneStep() {
    Program program;
    const RadioImage radio = RadioWithChannels(program.view->Document().Image());
    SimProcess sim(radio);
    UsePort(program, sim);
    // What is being typed goes into its cell before the read.
    const QString rx = QString::number(program.view->GetBandLimits().lower / 100000.0, 'f', 5);
    program.view->Grid()->SetRow(5);
    program.view->CellEditors()->RxEditor()->setText(rx);
    // A hidden document window comes back after the read.
    program.child->close();

    const TransferRun run = RunTransfer(program, command::kRead);
    QCOMPARE(run.outcome, TransferOutcome::kCompleted);
    QCOMPARE(run.lastCounter, 256);
    QVERIFY(program.answers.messages.empty());
    QVERIFY(program.view->Document().Image() == radio);
    QCOMPARE(program.view->Grid()->GetTextMatrix(2, 2), QStringLiteral("439.50000"));
    QVERIFY(program.view->Document().IsModified());
    QVERIFY(program.child->isVisible());
    QTRY_VERIFY_WITH_TIMEOUT(Dialog(program) == nullptr, 5000);
    QCOMPARE(program.view->UndoStack()->count(), 2);
    program.view->OnEditUndo();
    QCOMPARE(GridRow(program.view->Grid(), 2), QStringList({"", "", "", "", "", "", ""}));
    QCOMPARE(program.view->Grid()->GetTextMatrix(5, 1), rx);
  }

  // The radio holding the document clears its modified mark, unless a cell
  // was typed in while the bytes went out (the window is modeless).
  void aWriteMarksTheDocumentCleanUnlessEditedMeanwhile() {
    Program program;
    SimProcess sim(program.view->Document().Image());
    UsePort(program, sim);
    program.view->Grid()->SetTextMatrix(1, 1, "438.50000");
    program.view->Grid()->SetTextMatrix(1, 2, "438.50000");
    program.view->Document().SetModified(true);
    TransferRun run = RunTransfer(program, command::kWrite, {}, PlainWrite);
    QCOMPARE(run.outcome, TransferOutcome::kCompleted);
    QCOMPARE(run.lastCounter, 255);
    QVERIFY(!program.view->Document().IsModified());
    QCOMPARE(program.view->UndoStack()->count(), 0);
    QTRY_VERIFY_WITH_TIMEOUT(sim.Saved(), 10000);
    QCOMPARE(DecodeChannels(sim.Memory(), Language::English)[0][0], std::string("438.50000"));

    Program* p = &program;
    const QString rx = QString::number(program.view->GetBandLimits().lower / 100000.0, 'f', 5);
    run = RunTransfer(
        program, command::kWrite,
        [p, rx](int position) {
          if (position != 5) return;
          p->view->Grid()->SetRow(3);  // opens the Rx editor over channel 3
          p->view->CellEditors()->RxEditor()->setText(rx);
          p->view->CommitOpenEditor();
        },
        PlainWrite);
    QCOMPARE(run.outcome, TransferOutcome::kCompleted);
    QCOMPARE(program.view->Grid()->GetTextMatrix(3, 1), rx);
    QVERIFY(program.view->Document().IsModified());
  }

  void retryRepeatsTheHandshake() {
    Program program;
    SimProcess sim(program.view->Document().Image(), {"--no-wakeup-answer"});
    UsePort(program, sim);
    program.answers.buttons = {QMessageBox::Retry, QMessageBox::Cancel};
    const TransferRun run = RunTransfer(program, command::kRead);
    QCOMPARE(run.outcome, TransferOutcome::kCommunicationError);
    QCOMPARE(program.answers.messages.size(), std::size_t{2});
    QCOMPARE(program.answers.messages[0].buttons, QMessageBox::Retry | QMessageBox::Cancel);
    QCOMPARE(sim.Received("02"), 2);  // the first byte of each wake-up
  }

  void cancelDuringAReadStopsWithinAPairOfBlocks() {
    Program program;
    SimProcess sim(RadioWithChannels(program.view->Document().Image()));
    UsePort(program, sim);
    const RadioImage before = program.view->Document().Image();
    Program* p = &program;
    const TransferRun run = RunTransfer(program, command::kRead, [p](int position) {
      if (position == 10) QTest::mouseClick(Dialog(*p)->CancelButton(), Qt::LeftButton);
    });
    QCOMPARE(run.outcome, TransferOutcome::kCancelled);
    QVERIFY(run.lastCounter <= 11);
    QVERIFY(program.answers.messages.empty());
    QVERIFY(program.view->Document().Image() == before);
  }

  // While a read runs, nothing may drop its document, and no other
  // document may start a transfer nested inside it.
  void commandsThatWouldDropADocumentWaitForTheTransfer() {
    Program program;
    CChildFrame* first = program.child;
    const QString other = program.dir.Path("other.dat");
    QVERIFY(SaveDatFile(other.toStdString(), BlankImage()));
    QVERIFY(program.frame->OpenDocumentFile(other));  // hides the first window
    program.child = program.frame->ActiveChild();
    program.view = program.child->View();
    SimProcess sim(RadioWithChannels(program.view->Document().Image()));
    UsePort(program, sim);
    Program* p = &program;
    bool refusedAll = false;
    const TransferRun run = RunTransfer(program, command::kRead, [&, p](int position) {
      if (position != 5) return;
      using namespace command;
      for (int id : {kFileNew, kFileOpen, kFileClose, kAppExit})
        if (p->frame->Action(id)->isEnabled()) return;
      const bool newDone = p->frame->OnFileNew();
      const bool openDone = p->frame->OpenDocumentFile(p->dir.Path("Selkan.ini"));
      p->frame->OnFileClose();
      const bool closed = p->frame->close();
      p->frame->Action(kWrite)->trigger();  // raises the window, keeps it a read
      first->show();
      p->frame->Client()->setActiveSubWindow(first);
      p->frame->Action(kRead)->trigger();
      refusedAll =
          !newDone && !openDone && !closed && first->View()->findChildren<CProcessDlg*>().isEmpty();
    });
    QVERIFY(refusedAll);
    QCOMPARE(run.outcome, TransferOutcome::kCompleted);
    QCOMPARE(Controller(program)->Direction(), TransferDirection::kRead);
    QCOMPARE(program.frame->Children().size(), 2);
    QVERIFY(program.answers.messages.empty());
    QVERIFY(program.frame->Action(command::kFileNew)->isEnabled());
  }
};

}  // namespace selkan::test

QTEST_MAIN(selkan::test::TransferTest)
#include "transfer_test.moc"
