// A write from the program with its backup and check: the steps in the
// progress window, the remembered choices, a check that fails, and a write
// that breaks off and is retried or restored from its backup.
#include <QCheckBox>
#include <QStatusBar>

#include "app/qt/command_ids.h"
#include "editor/qt/ms_flex_grid.h"
#include "model/selkan_doc.h"
#include "tests/qt_link/link_fixture.h"

namespace selkan::test {

namespace {

const std::string kKey = "Software\\Selkan";

RadioImage Filled(std::uint8_t seed) {
  RadioImage image = BlankImage();
  for (std::size_t a = 0x10; a < 0xC80; ++a) image[a] = static_cast<std::uint8_t>(a * 7 + seed);
  image[offset::kRadioType] = 1;  // the second type of the profile
  return image;
}

bool SameBelowWriteLimit(const RadioImage& a, const RadioImage& b) {
  return std::equal(a.begin(), a.begin() + offset::kWriteLimit, b.begin());
}

}  // namespace

class SafeWriteTest : public QObject {
  Q_OBJECT
  DataHome dataHome_;

 private slots:
  void aWriteShowsItsStepsAndRemembersTheChoices() {
    Program program;
    const RadioImage before = Filled(1);
    SimProcess sim(before);
    UsePort(program, sim);
    QStringList steps;
    bool offered = false;
    const TransferRun run = RunTransfer(
        program, command::kWrite,
        [&](int) {
          const QString step = Dialog(program)->StepLabel()->text();
          if (steps.isEmpty() || steps.back() != step) steps << step;
        },
        [&](CProcessDlg& dialog) {
          offered = dialog.BackupCheck()->isChecked() && dialog.VerifyCheck()->isChecked();
        });
    QVERIFY(offered);  // both on when nothing is remembered
    QCOMPARE(run.outcome, TransferOutcome::kCompleted);
    QCOMPARE(steps.size(), 3);
    QVERIFY(steps[2].startsWith("Step 3 of 3"));
    QVERIFY(program.answers.messages.empty());
    QVERIFY(!program.frame->statusBar()->currentMessage().isEmpty());
    const QStringList backups = dataHome_.Backups().entryList(QDir::Files);
    QCOMPARE(backups.size(), 1);
    QVERIFY2(backups[0].endsWith("_SK-200.dat"), qPrintable(backups[0]));
    QVERIFY(LoadDatFile(dataHome_.Backups().filePath(backups[0]).toStdString()).image == before);

    // Both off: a plain write, and the next window remembers it.
    const int reads = sim.Received("52");
    RunTransfer(program, command::kWrite, {}, [](CProcessDlg& dialog) {
      dialog.BackupCheck()->setChecked(false);
      dialog.VerifyCheck()->setChecked(false);
    });
    QCOMPARE(sim.Received("52"), reads);
    QCOMPARE(program.started.registryPtr->ReadValue(kKey, "Verify"),
             std::optional<std::uint32_t>(0));
    program.frame->Action(command::kWrite)->trigger();
    QVERIFY(!Dialog(program)->BackupCheck()->isChecked());
    QVERIFY(!Dialog(program)->VerifyCheck()->isChecked());
    QTest::mouseClick(Dialog(program)->CancelButton(), Qt::LeftButton);
  }

  void aFailedCheckNamesTheChannelAndKeepsTheMark() {
    Program program;
    SimProcess sim(program.view->Document().Image(), {"--corrupt-write-at", "6"});
    UsePort(program, sim);
    program.view->Grid()->SetTextMatrix(3, 1, "438.50000");
    program.view->Grid()->SetTextMatrix(3, 2, "438.50000");
    program.view->Document().SetModified(true);
    const TransferRun run = RunTransfer(program, command::kWrite, {}, [](CProcessDlg& dialog) {
      dialog.BackupCheck()->setChecked(false);
    });
    QCOMPARE(run.outcome, TransferOutcome::kVerifyMismatch);
    QCOMPARE(program.answers.messages.size(), std::size_t{1});
    QVERIFY2(program.answers.messages[0].text.contains(
                 "Channel 3, Rx Frequency: 438.50000 -> 438.50001"),
             qPrintable(program.answers.messages[0].text));
    QVERIFY(program.view->Document().IsModified());  // the radio does not hold it
  }

  // Cancel part way leaves the radio half written; the offer that follows
  // writes the backup back.
  void aBrokenOffWriteIsRestoredFromItsBackup() {
    Program program;
    const RadioImage before = Filled(2);
    SimProcess sim(before);
    UsePort(program, sim);
    program.view->Grid()->SetTextMatrix(1, 1, "438.50000");
    program.answers.buttons = {QMessageBox::RestoreDefaults};
    bool cancelled = false;
    const TransferRun run = RunTransfer(program, command::kWrite, [&](int position) {
      CProcessDlg* dialog = Dialog(program);
      if (cancelled || position != 20 || !dialog->StepLabel()->text().contains("2 of 3")) return;
      cancelled = true;
      QTest::mouseClick(dialog->CancelButton(), Qt::LeftButton);
    });
    QVERIFY(cancelled);
    QCOMPARE(run.outcome, TransferOutcome::kCancelled);
    QCOMPARE(program.answers.messages.size(), std::size_t{1});
    const MessageRequest& offer = program.answers.messages[0];
    QVERIFY2(offer.text.contains("after 40 of 510 blocks"), qPrintable(offer.text));
    QVERIFY(offer.text.contains(QDir::toNativeSeparators(dataHome_.Backups().path())));
    QVERIFY(offer.buttons & QMessageBox::RestoreDefaults);
    QTRY_VERIFY_WITH_TIMEOUT(sim.Saved(), 10000);
    QVERIFY(SameBelowWriteLimit(sim.Memory(), before));
    QCOMPARE(sim.Received("57"), 40 + 510);
  }

  // A refused block: Retry writes again without a new backup, Cancel ends.
  void aRefusedBlockCanBeRetried() {
    Program program;
    SimProcess sim(Filled(3), {"--refuse-write-at", "100"});
    UsePort(program, sim);
    program.answers.buttons = {QMessageBox::Retry, QMessageBox::Cancel};
    const TransferRun run = RunTransfer(program, command::kWrite);
    QCOMPARE(run.outcome, TransferOutcome::kProgramInterrupt);
    QCOMPARE(program.answers.messages.size(), std::size_t{2});
    QCOMPARE(sim.Received("57"), 2 * 101);
    QCOMPARE(sim.Received("52"), 512);  // one backup only
  }
};

}  // namespace selkan::test

QTEST_MAIN(selkan::test::SafeWriteTest)
#include "safe_write_test.moc"
