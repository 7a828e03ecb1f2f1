#include "link/gui/safe_write_run.h"

#include <QCoreApplication>
#include <QDir>
#include <QStringList>
#include <chrono>

#include "link/backup_store.h"
#include "link/gui/transfer_messages.h"
#include "link/protocol.h"
#include "link/safe_write.h"
#include "platform/qt/message_box.h"

namespace selkan {

namespace {

constexpr int kListedDifferences = 12;  // a longer list ends in "and N more"

// The texts of a write from the program, in their catalog context.
struct SafeTransfer {
  Q_DECLARE_TR_FUNCTIONS(selkan::SafeTransfer)
};

QString StepText(WriteStep step, bool restoring) {
  switch (step) {
    case WriteStep::kBackup:
      return SafeTransfer::tr("reading the radio into a backup");
    case WriteStep::kWrite:
      return restoring ? SafeTransfer::tr("writing the backup back into the radio")
                       : SafeTransfer::tr("writing the radio");
    case WriteStep::kVerify:
      return SafeTransfer::tr("reading the radio back to verify it");
  }
  return {};
}

QString Native(const std::string& path) {
  return QDir::toNativeSeparators(QString::fromStdString(path));
}

// What the user chooses when a write did not leave the radio as asked.
enum class WayBack { kRetry, kRestore, kKeep };

// Offers to write again, to write the backup back (when there is one) or to
// leave the radio as it is. text says what happened; the backup is named.
WayBack AskWayBack(const QString& text, const QString& retry, const QString& keep,
                   const std::string& backupPath, const SafeWriteContext& context) {
  MessageRequest request{context.parent, context.caption, text, QMessageBox::Warning,
                         QMessageBox::Retry | QMessageBox::Cancel};
  ButtonTexts buttonTexts{{QMessageBox::Retry, retry}};
  if (!keep.isEmpty()) buttonTexts[QMessageBox::Cancel] = keep;
  if (!backupPath.empty()) {
    request.text += QStringLiteral("\n\n") +
                    SafeTransfer::tr("Its contents from before the write are kept in %1.")
                        .arg(Native(backupPath));
    request.buttons |= QMessageBox::RestoreDefaults;
    buttonTexts[QMessageBox::RestoreDefaults] = SafeTransfer::tr("Restore the backup");
  }
  switch (ShowMessage(request, buttonTexts)) {
    case QMessageBox::Retry:
      return WayBack::kRetry;
    case QMessageBox::RestoreDefaults:
      return backupPath.empty() ? WayBack::kKeep : WayBack::kRestore;
    default:
      return WayBack::kKeep;
  }
}

WayBack AskAfterBreak(const SafeWriteResult& result, const std::string& backupPath,
                      const SafeWriteContext& context) {
  QString text;
  if (result.outcome == TransferOutcome::kProgramInterrupt)
    text = TransferMessageText(result.outcome) + QStringLiteral("\n\n");
  text += SafeTransfer::tr(
              "The write broke off after %1 of %2 blocks: the radio is only partly programmed.")
              .arg(result.blocksWritten)
              .arg(protocol::kWriteBlocks);
  return AskWayBack(text, SafeTransfer::tr("Retry the write"), {}, backupPath, context);
}

// The read-back differs from what was written: the differences, and the
// way back.
WayBack AskAfterMismatch(const SafeWriteResult& result, bool restoring,
                         const std::string& backupPath, const SafeWriteContext& context) {
  const QStringList lines = MismatchLines(result.mismatches);
  const QString text =
      (restoring ? SafeTransfer::tr("The radio does not hold the backup written back into it. "
                                    "These differ (written -> in the radio):")
                 : SafeTransfer::tr("The radio does not hold what was written. These differ "
                                    "(written -> in the radio):")) +
      QStringLiteral("\n\n") + lines.join(QLatin1Char('\n'));
  return AskWayBack(text, SafeTransfer::tr("Write again"), SafeTransfer::tr("Keep"), backupPath,
                    context);
}

// The radio's own message of an outcome, with a note on what the radio holds.
void ReportWithNote(TransferOutcome outcome, const QString& note, const SafeWriteContext& context) {
  if (outcome != TransferOutcome::kProgramInterrupt) {
    if (context.report) context.report(outcome);
    return;
  }
  const QString text = TransferMessageText(outcome) + QStringLiteral("\n\n") + note;
  ShowMessage({context.parent, context.caption, text, QMessageBox::NoIcon, QMessageBox::Ok});
}

// The note of a write that went well, naming the backup taken before it.
QString CompletedNote(const SafeWriteResult& result, bool restoring, const std::string& keptAt) {
  if (restoring) return SafeTransfer::tr("The backup was written back into the radio.");
  const QString note = result.step == WriteStep::kVerify
                           ? SafeTransfer::tr("The radio was written and verified.")
                           : SafeTransfer::tr("The radio was written.");
  if (keptAt.empty()) return note;
  return note + QLatin1Char(' ') + SafeTransfer::tr("Backup: %1").arg(Native(keptAt));
}

void ReportEnd(const SafeWriteResult& result, bool restoring, const std::string& keptAt,
               const SafeWriteContext& context) {
  switch (result.outcome) {
    case TransferOutcome::kCompleted:
      if (context.note) context.note(CompletedNote(result, restoring, keptAt));
      return;
    case TransferOutcome::kCancelled:
      return;
    case TransferOutcome::kBackupNotSaved:
      ShowMessage(
          {context.parent, context.caption,
           SafeTransfer::tr("The radio's contents could not be kept as a backup:\n%1\nNothing was "
                            "written to the radio.")
               .arg(QString::fromStdString(result.backupError)),
           QMessageBox::Warning, QMessageBox::Ok});
      return;
    default:
      break;
  }
  if (result.step == WriteStep::kBackup) {
    ReportWithNote(
        result.outcome,
        SafeTransfer::tr("The radio could not be read for its backup: nothing was written."),
        context);
  } else if (result.step == WriteStep::kVerify) {
    ReportWithNote(
        result.outcome,
        SafeTransfer::tr("The radio was written, but reading it back to verify it failed."),
        context);
  } else if (context.report) {
    context.report(result.outcome);
  }
}

}  // namespace

QStringList MismatchLines(const std::vector<ImageDifference>& mismatches) {
  QStringList lines;
  for (const ImageDifference& difference : mismatches) {
    if (lines.size() == kListedDifferences) {
      lines << SafeTransfer::tr("and %1 more").arg(mismatches.size() - kListedDifferences);
      break;
    }
    lines << QString::fromStdString(DifferenceLine(difference));
  }
  return lines;
}

TransferOutcome RunSafeWriteFromProgram(TransferEngine& engine, const SafeWriteRequest& asked,
                                        const TransferCallbacks& callbacks,
                                        const SafeWriteContext& context) {
  BackupStore store(context.backupDirectory);
  SafeWriteRequest request = asked;
  bool restoring = false;
  int step = 0;
  SafeWriteHooks hooks;
  hooks.transfer = callbacks;
  hooks.stepStarted = [&](WriteStep started) {
    const int steps = (request.backup ? 1 : 0) + 1 + (request.verify ? 1 : 0);
    ++step;
    if (context.dialog) {
      context.dialog->BeginStep(SafeTransfer::tr("Step %1 of %2: %3")
                                    .arg(step)
                                    .arg(steps)
                                    .arg(StepText(started, restoring)));
    }
  };
  hooks.keep = [&](const RadioImage& radio, const std::string& identification,
                   std::string* error) -> std::optional<std::string> {
    const int type = radio[offset::kRadioType];
    const std::string name = context.typeName ? context.typeName(type) : std::string();
    const auto path = store.Save(radio, BackupTypeLabel(type, name),
                                 std::chrono::system_clock::now(), error, identification);
    return path ? std::optional<std::string>(path->string()) : std::nullopt;
  };

  SafeWriteResult result = RunSafeWrite(engine, request, hooks, context.language);
  const std::optional<RadioImage> kept = result.backup;
  const std::string keptAt = result.backupPath;
  if (!keptAt.empty() && context.backupKept) context.backupKept(keptAt);
  TransferOutcome failed = result.outcome;
  while (result.BrokeOff() || result.outcome == TransferOutcome::kVerifyMismatch) {
    failed = result.outcome;
    const WayBack choice = result.BrokeOff() ? AskAfterBreak(result, keptAt, context)
                                             : AskAfterMismatch(result, restoring, keptAt, context);
    if (choice == WayBack::kKeep || !context.dialog) return failed;
    // Once more, without a new backup: the one kept holds the radio as it
    // was before the first attempt.
    context.dialog->ClearCancel();
    restoring = choice == WayBack::kRestore && kept;
    request.backup = false;
    request.image = restoring ? *kept : asked.image;
    step = 0;
    result = RunSafeWrite(engine, request, hooks, context.language);
  }
  ReportEnd(result, restoring, keptAt, context);
  if (restoring) {
    return result.outcome == TransferOutcome::kCompleted ? failed : result.outcome;
  }
  return result.outcome;
}

}  // namespace selkan
