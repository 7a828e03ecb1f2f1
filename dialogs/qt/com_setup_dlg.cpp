#include "dialogs/qt/com_setup_dlg.h"

#include <QKeyEvent>

#include "dialogs/com_ports.h"
#include "platform/qt/help_request.h"
#include "platform/registry.h"
#include "ui_com_setup_dlg.h"

namespace selkan {

namespace {

constexpr int kComSetupHelp = 32777;

}  // namespace

CComSetupDlg::CComSetupDlg(Registry& registry, std::string registryKey, QWidget* parent,
                           PortProbe probe)
    : QDialog(parent),
      ui_(std::make_unique<Ui::CComSetupDlg>()),
      registry_(registry),
      key_(std::move(registryKey)) {
  ui_->setupUi(this);
  buttons_ = {ui_->com1, ui_->com2, ui_->com3, ui_->com4};
  for (int i = 0; i < kComPortCount; ++i) buttons_[i]->setEnabled(probe(ComPortName(i)));

  selected_ = RememberedComPortIndex(registry_.ReadValue(key_, kComPortValue));
  if (selected_ >= 0) buttons_[selected_]->setChecked(true);

  connect(ui_->okButton, &QPushButton::clicked, this, &CComSetupDlg::accept);
  connect(ui_->cancelButton, &QPushButton::clicked, this, &CComSetupDlg::reject);
}

CComSetupDlg::~CComSetupDlg() = default;

QRadioButton* CComSetupDlg::PortButton(int index) const { return buttons_.at(index); }

int CComSetupDlg::CheckedIndex() const {
  for (int i = 0; i < kComPortCount; ++i)
    if (buttons_[i]->isChecked()) return i;
  return -1;
}

QString CComSetupDlg::PortName() const { return QString::fromStdString(ComPortName(selected_)); }

void CComSetupDlg::accept() {
  selected_ = CheckedIndex();
  // A failed write keeps the remembered number; the port applies all the same.
  registry_.WriteValue(key_, kComPortValue, ComPortNumber(selected_));
  QDialog::accept();
}

void CComSetupDlg::keyPressEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_F1) {
    RequestHelp(kComSetupHelp);
    return;
  }
  QDialog::keyPressEvent(event);
}

}  // namespace selkan
