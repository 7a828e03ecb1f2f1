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
