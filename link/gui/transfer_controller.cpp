#include "link/gui/transfer_controller.h"

#include <QCoreApplication>
#include <QMainWindow>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QResizeEvent>
#include <QStatusBar>
#include <QThread>

#include "editor/qt/selkan_view.h"
#include "link/gui/process_dlg.h"
#include "link/gui/safe_write_run.h"
#include "link/gui/transfer_messages.h"
#include "link/gui/transfer_monitor.h"
#include "link/port_names.h"
#include "link/qt/backup_location.h"
#include "link/qt/qt_serial_port.h"
#include "model/selkan_doc.h"
#include "platform/qt/message_box.h"
#include "platform/registry.h"

namespace selkan {

CTransferController::CTransferController(CSelkanView& view, Language language)
    : QObject(&view), view_(view), language_(language) {
  setObjectName(QStringLiteral("transferController"));
  sleep_ = [](int milliseconds) { QThread::msleep(static_cast<unsigned long>(milliseconds)); };
}

CTransferController::~CTransferController() { delete dialog_.data(); }

CTransferController* CTransferController::For(CSelkanView& view, Language language) {
  if (auto* existing = view.findChild<CTransferController*>(QString(), Qt::FindDirectChildrenOnly))
    return existing;
  return new CTransferController(view, language);
}

void CTransferController::OnRead() {
  // What is being typed belongs to the grid that the read will replace.
  if (!dialog_) view_.CommitOpenEditor();
  OpenDialog(TransferDirection::kRead);
}

void CTransferController::OnWrite() {
  // The open cell editor goes into its cell before the window comes up.
  if (!dialog_) view_.Encode();
  OpenDialog(TransferDirection::kWrite);
}

void CTransferController::OpenDialog(TransferDirection direction) {
  if (dialog_) {
    // One transfer at a time: the open window keeps its direction.
    dialog_->raise();
    dialog_->activateWindow();
    return;
  }
  direction_ = direction;
  QPointer<CTransferController> self(this);
  dialog_ = new CProcessDlg(
      TransferTitle(direction == TransferDirection::kWrite, language_),
      [self] {
        if (self) self->RunTransfer();
      },
      &view_);
  dialog_->setWindowFlag(Qt::Dialog);
  if (direction == TransferDirection::kWrite) RecallWriteChoices();
  dialog_->show();
  // Centred over the window that holds the view.
  const QWidget* owner = view_.window();
  QRect frame = dialog_->frameGeometry();
  frame.moveCenter(owner->frameGeometry().center());
  dialog_->move(frame.topLeft());
}

void CTransferController::RunTransfer() {
  if (running_ || !dialog_) return;
  running_ = true;
  const TransferMonitor::Scope runningScope;
  QPointer<CTransferController> self(this);
  QPointer<CProcessDlg> dialog = dialog_;
  const TransferDirection direction = direction_;

  // The engine works on a copy: the document changes only after a complete
  // read, and nothing the pumped events do can pull the image from under it.
  if (direction == TransferDirection::kWrite)
    view_.Encode();
  else
    view_.CommitOpenEditor();
  RadioImage image = view_.Document().Image();
  const std::string portName = view_.PortName().toStdString();
  const std::string port = ResolvePortName(portName);

  TransferCallbacks callbacks;
  callbacks.pump = [self, dialog] {
    QCoreApplication::processEvents(QEventLoop::AllEvents);
    return !self || !dialog || dialog->CancelRequested();
  };
  callbacks.progress = [dialog, direction](int position) {
    const int limit = direction == TransferDirection::kWrite ? 255 : 256;
    if (dialog && position <= limit) dialog->StepTo(position);
  };
  callbacks.askRetry = [self] {
    if (!self) return false;
    const auto answer = ShowMessage(
        {&self->view_, self->caption_, TransferMessageText(TransferOutcome::kCommunicationError),
         QMessageBox::NoIcon, QMessageBox::Retry | QMessageBox::Cancel});
    return answer == QMessageBox::Retry;
  };

  // An edit or a product change made while the bytes go out is not in the
  // radio: it keeps the document's modified mark after a completed write.
  bool changedMeanwhile = false;
  const QMetaObject::Connection editWatch =
      connect(&view_, &CSelkanView::edited, this, [&changedMeanwhile] { changedMeanwhile = true; });

  // The port waits for the radio with the event loop running, so that the
  // window stays alive between the protocol's steps.
  QtSerialPort serialPort(QtSerialPort::Waiting::kEventLoop);
  TransferEngine engine(serialPort, sleep_);
  const PortDetails portDetails = [&serialPort, portName, port] {
    return PortErrorDetails(portName, port, serialPort.ErrorText());
  };
  const TransferOutcome outcome = direction == TransferDirection::kRead
                                      ? engine.Read(port, image, callbacks)
                                      : Write(engine, port, image, callbacks, portDetails);
  if (!self) return;  // the view went while the transfer ran
  disconnect(editWatch);
  running_ = false;

  CSelkanDoc& document = view_.Document();
  if (outcome == TransferOutcome::kCompleted && direction == TransferDirection::kRead) {
    view_.TakeReadImage(image);  // one step of the document's history
  } else if (outcome == TransferOutcome::kCompleted && !changedMeanwhile &&
             document.Image() == image) {
    view_.MarkClean();  // the radio holds what the document holds
  }
  if (direction == TransferDirection::kRead)
    Report(outcome, portDetails);  // a write reported its own
  delete dialog.data();
  if (outcome == TransferOutcome::kCompleted) ShowFrame();
  emit finished(outcome, direction);
}

TransferOutcome CTransferController::Write(TransferEngine& engine, const std::string& port,
                                           const RadioImage& image,
                                           const TransferCallbacks& callbacks,
                                           const PortDetails& portDetails) {
  RememberWriteChoices();
  SafeWriteContext context;
  context.parent = &view_;
  context.caption = caption_;
  context.language = language_;
  context.dialog = dialog_;
  context.backupDirectory =
      safety_.backupDirectory.empty() ? DefaultBackupDirectory() : safety_.backupDirectory;
  context.typeName = safety_.typeName;
  QPointer<CTransferController> self(this);
  context.report = [self, portDetails](TransferOutcome outcome) {
    if (self) self->Report(outcome, portDetails);
  };
  QPointer<QMainWindow> frame = qobject_cast<QMainWindow*>(view_.window());
  context.note = [frame](const QString& note) {
    if (frame) frame->statusBar()->showMessage(note, 10000);
  };
  const bool backup = dialog_ && dialog_->BackupChosen();
  const bool verify = dialog_ && dialog_->VerifyChosen();
  return RunSafeWriteFromProgram(engine, port, image, backup, verify, callbacks, context);
}

void CTransferController::RecallWriteChoices() {
  auto remembered = [this](const char* name) {
    if (!safety_.registry) return true;
    return safety_.registry->ReadValue(safety_.registryKey, name).value_or(1) != 0;
  };
  dialog_->ShowWriteChoices(remembered("Backup"), remembered("Verify"));
}

void CTransferController::RememberWriteChoices() {
  if (!safety_.registry || !dialog_) return;
  safety_.registry->WriteValue(safety_.registryKey, "Backup", dialog_->BackupChosen() ? 1 : 0);
  safety_.registry->WriteValue(safety_.registryKey, "Verify", dialog_->VerifyChosen() ? 1 : 0);
}

void CTransferController::Report(TransferOutcome outcome, const PortDetails& portDetails) {
  switch (outcome) {
    case TransferOutcome::kPortError:
      ShowMessage(
          {&view_, caption_, TransferMessageText(outcome), QMessageBox::NoIcon, QMessageBox::Ok},
          portDetails());
      break;
    case TransferOutcome::kProgramInterrupt:
      ShowMessage(
          {&view_, caption_, TransferMessageText(outcome), QMessageBox::NoIcon, QMessageBox::Ok});
      break;
    case TransferOutcome::kRadioMismatch: {
      const BuiltInMessage message = RadioMismatchMessage(language_);
      ShowMessage({&view_, message.caption, message.text, QMessageBox::NoIcon, QMessageBox::Ok});
      break;
    }
    default:  // completed, cancelled, or 61451 already answered with Cancel
      break;
  }
}

void CTransferController::ShowFrame() {
  for (QWidget* w = view_.parentWidget(); w != nullptr; w = w->parentWidget()) {
    auto* frame = qobject_cast<QMdiSubWindow*>(w);
    if (frame == nullptr) continue;
    if (frame->isHidden()) {
      frame->showNormal();
      if (QMdiArea* area = frame->mdiArea()) {
        area->setActiveSubWindow(frame);
        // The client area works out its scroll range again for the shown window.
        QResizeEvent resize(area->viewport()->size(), area->viewport()->size());
        QCoreApplication::sendEvent(area->viewport(), &resize);
      }
    }
    return;
  }
}

}  // namespace selkan
