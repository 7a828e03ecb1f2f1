#include "link/gui/process_dlg.h"

#include <QCloseEvent>
#include <QMetaObject>

#include "ui_process_dlg.h"

namespace selkan {

CProcessDlg::CProcessDlg(const QString& title, std::function<void()> start, QWidget* owner)
    : QDialog(owner), ui_(std::make_unique<Ui::CProcessDlg>()), start_(std::move(start)) {
  ui_->setupUi(this);
  setModal(false);
  setAttribute(Qt::WA_DeleteOnClose);
  setWindowTitle(title);
  // Steps and choices belong to a write; a read shows neither.
  ui_->stepLabel->hide();
  ui_->backupCheck->hide();
  ui_->verifyCheck->hide();
  connect(ui_->okButton, &QPushButton::clicked, this, &CProcessDlg::accept);
  connect(ui_->cancelButton, &QPushButton::clicked, this, &CProcessDlg::reject);
}

CProcessDlg::~CProcessDlg() = default;

bool CProcessDlg::Started() const { return !ui_->okButton->isEnabled(); }

void CProcessDlg::accept() {
  if (Started()) return;  // one start per window
  ui_->okButton->setEnabled(false);
  ui_->backupCheck->setEnabled(false);
  ui_->verifyCheck->setEnabled(false);
  QObject* owner = parent() != nullptr ? parent() : this;
  QMetaObject::invokeMethod(owner, start_, Qt::QueuedConnection);
}

void CProcessDlg::reject() {
  cancelled_ = true;
  if (!Started()) close();  // nothing sent yet: the window goes at once
}

void CProcessDlg::closeEvent(QCloseEvent* event) {
  // The window's close button acts as Cancel; a running transfer ends the
  // window itself.
  cancelled_ = true;
  if (Started()) {
    event->ignore();
    return;
  }
  QWidget::closeEvent(event);  // QDialog's would call reject() again
}

void CProcessDlg::StepTo(int position) {
  ui_->counter->setText(QString::number(position));
  ui_->progress->setValue(position);
}

void CProcessDlg::ShowWriteChoices(bool backup, bool verify) {
  ui_->backupCheck->setChecked(backup);
  ui_->verifyCheck->setChecked(verify);
  ui_->backupCheck->show();
  ui_->verifyCheck->show();
  resize(width(), ui_->verifyCheck->geometry().bottom() + 14);
}

bool CProcessDlg::BackupChosen() const { return ui_->backupCheck->isChecked(); }

bool CProcessDlg::VerifyChosen() const { return ui_->verifyCheck->isChecked(); }

void CProcessDlg::BeginStep(const QString& text) {
  ui_->stepLabel->setText(text);
  ui_->stepLabel->show();
  StepTo(0);
}

QPushButton* CProcessDlg::OkButton() const { return ui_->okButton; }
QPushButton* CProcessDlg::CancelButton() const { return ui_->cancelButton; }
QProgressBar* CProcessDlg::ProgressBar() const { return ui_->progress; }
QLabel* CProcessDlg::Counter() const { return ui_->counter; }
QLabel* CProcessDlg::StepLabel() const { return ui_->stepLabel; }
QCheckBox* CProcessDlg::BackupCheck() const { return ui_->backupCheck; }
QCheckBox* CProcessDlg::VerifyCheck() const { return ui_->verifyCheck; }

}  // namespace selkan
