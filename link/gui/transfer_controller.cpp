#include "link/gui/transfer_controller.h"

#include <QCoreApplication>
#include <QMainWindow>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QResizeEvent>
#include <QStatusBar>
#include <QThread>
#include <utility>

#include "link/gui/process_dlg.h"
#include "link/gui/safe_write_run.h"
#include "link/gui/transfer_document.h"
#include "link/gui/transfer_messages.h"
#include "link/gui/transfer_monitor.h"
#include "link/port_names.h"
#include "link/qt/backup_location.h"
#include "link/qt/qt_serial_port.h"
#include "platform/qt/message_box.h"
#include "platform/registry.h"

namespace selkan {

CTransferController::CTransferController(QWidget& owner, TransferDocument& document,
                                         Language language)
    : QObject(&owner), owner_(owner), document_(document), language_(language) {
  setObjectName(QStringLiteral("transferController"));
}

CTransferController::~CTransferController() { delete dialog_.data(); }

CTransferController* CTransferController::For(QWidget& owner, TransferDocument& document,
                                              Language language) {
  if (auto* existing = owner.findChild<CTransferController*>(QString(), Qt::FindDirectChildrenOnly))
    return existing;
  return new CTransferController(owner, document, language);
}

// A value being typed goes into the document before the window comes up:
// it belongs to the grid that a read replaces, and a write sends it.
void CTransferController::OnRead() {
  if (!dialog_) document_.CommitOpenEditor();
  OpenDialog(TransferDirection::kRead, TransferTitle(false, language_));
}

void CTransferController::OnWrite() {
  if (!dialog_) document_.CommitOpenEditor();
  OpenDialog(TransferDirection::kWrite, TransferTitle(true, language_));
}

void CTransferController::OnCompare(const QString& title,
                                    std::function<void(const RadioImage& radio)> compare) {
  if (!dialog_) compare_ = std::move(compare);
  OpenDialog(TransferDirection::kCompare, title);
}

void CTransferController::OpenDialog(TransferDirection direction, const QString& title) {
  if (dialog_) {
    // One transfer at a time: the open window keeps its direction.
    dialog_->raise();
    dialog_->activateWindow();
    return;
  }
  direction_ = direction;
  QPointer<CTransferController> self(this);
  dialog_ = new CProcessDlg(
      title,
      [self] {
        if (self) self->RunTransfer();
      },
      &owner_);
  dialog_->setWindowFlag(Qt::Dialog);
  if (direction == TransferDirection::kWrite) RecallWriteChoices();
  dialog_->show();
  // Centred over the window that holds the document.
  const QWidget* owner = owner_.window();
  QRect frame = dialog_->frameGeometry();
  frame.moveCenter(owner->frameGeometry().center());
  dialog_->move(frame.topLeft());
}

void CTransferController::RunTransfer() {
  if (running_ || !dialog_) return;
  if (FleetRunning()) {
    // The radios of a run hold the ports: this transfer does not start.
    ShowMessage({&owner_, caption_,
                 tr("Several radios are being programmed. Wait until that has ended, or stop "
                    "it."),
                 QMessageBox::Information, QMessageBox::Ok});
    delete dialog_.data();
    return;
  }
  running_ = true;
  const TransferMonitor::Scope runningScope;
  QPointer<CTransferController> self(this);
  QPointer<CProcessDlg> dialog = dialog_;
  const TransferDirection direction = direction_;

  // The engine works on a copy: the document changes only after a complete
  // read, and nothing the pumped events do can pull the image from under it.
  RadioImage image{};
  if (direction == TransferDirection::kWrite)
    image = document_.ImageToWrite();
  else
    document_.CommitOpenEditor();
  // An edit or a product change made while the bytes go out is not in the
  // radio: it keeps the document's modified mark after a completed write.
  const std::uint64_t revision = document_.Revision();
  const std::string portName = document_.PortName().toStdString();
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
        {&self->owner_, self->caption_, TransferMessageText(TransferOutcome::kCommunicationError),
         QMessageBox::NoIcon, QMessageBox::Retry | QMessageBox::Cancel});
    return answer == QMessageBox::Retry;
  };

  // The port waits for the radio with the event loop running, so that the
  // window stays alive between the protocol's steps.
  QtSerialPort serialPort(QtSerialPort::Waiting::kEventLoop);
  TransferEngine engine(serialPort, [](int milliseconds) {
    QThread::msleep(static_cast<unsigned long>(milliseconds));
  });
  const PortDetails portDetails = [&serialPort, portName, port] {
    return PortErrorDetails(portName, port, serialPort.ErrorText());
  };
  const TransferOutcome outcome = direction == TransferDirection::kWrite
                                      ? Write(engine, port, image, callbacks, portDetails)
                                      : engine.Read(port, image, callbacks);
  if (!self) return;  // the document went while the transfer ran
  running_ = false;

  const bool completed = outcome == TransferOutcome::kCompleted;
  if (completed && direction == TransferDirection::kRead) {
    document_.TakeReadImage(image);  // one step of the document's history
  } else if (completed && direction == TransferDirection::kWrite &&
             document_.Revision() == revision) {
    document_.MarkClean();  // the radio holds what the document holds
  }
  if (direction != TransferDirection::kWrite)
    Report(outcome, portDetails);  // a write reported its own
  delete dialog.data();
  if (completed) ShowFrame();
  const auto compare = std::exchange(compare_, {});
  emit finished(outcome, direction);
  // Once the transfer has ended for the whole program.
  if (completed && direction == TransferDirection::kCompare && compare && self)
    QMetaObject::invokeMethod(
        this, [compare, image] { compare(image); }, Qt::QueuedConnection);
}

TransferOutcome CTransferController::Write(TransferEngine& engine, const std::string& port,
                                           const RadioImage& image,
                                           const TransferCallbacks& callbacks,
                                           const PortDetails& portDetails) {
  RememberWriteChoices();
  SafeWriteContext context;
  context.parent = &owner_;
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
  // The status bar of the main window, also when the owner is a window of
  // its own over it.
  QWidget* top = owner_.window();
  while (!qobject_cast<QMainWindow*>(top) && top->parentWidget() != nullptr)
    top = top->parentWidget()->window();
  QPointer<QMainWindow> frame = qobject_cast<QMainWindow*>(top);
  context.note = [frame](const QString& note) {
    if (frame) frame->statusBar()->showMessage(note, 10000);
  };
  context.backupKept = [self](const std::string& path) {
    if (self) self->lastBackup_ = path;
  };
  SafeWriteRequest request{port, image};
  request.backup = dialog_ && dialog_->BackupChosen();
  request.verify = dialog_ && dialog_->VerifyChosen();
  return RunSafeWriteFromProgram(engine, request, callbacks, context);
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
          {&owner_, caption_, TransferMessageText(outcome), QMessageBox::NoIcon, QMessageBox::Ok},
          portDetails());
      break;
    case TransferOutcome::kProgramInterrupt:
      ShowMessage(
          {&owner_, caption_, TransferMessageText(outcome), QMessageBox::NoIcon, QMessageBox::Ok});
      break;
    case TransferOutcome::kRadioMismatch: {
      const BuiltInMessage message = RadioMismatchMessage(language_);
      ShowMessage({&owner_, message.caption, message.text, QMessageBox::NoIcon, QMessageBox::Ok});
      break;
    }
    default:  // completed, cancelled, or a communication error already answered with Cancel
      break;
  }
}

void CTransferController::ShowFrame() {
  for (QWidget* w = owner_.parentWidget(); w != nullptr; w = w->parentWidget()) {
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
