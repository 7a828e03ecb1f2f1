#include "dialogs/com_setup_dlg.h"

#include <QKeyEvent>

#include "platform/qt/help_request.h"
#include "platform/registry.h"
#include "ui_com_setup_dlg.h"

namespace selkan {

namespace {

constexpr int kComSetupHelp = 32777;
constexpr int kPortCount = 4;
constexpr std::string_view kComValue = "com";

}  // namespace

CComSetupDlg::CComSetupDlg(Registry& registry, std::string registryKey, QWidget* parent,
                           PortProbe probe)
    : QDialog(parent),
      ui_(std::make_unique<Ui::CComSetupDlg>()),
      registry_(registry),
      key_(std::move(registryKey)) {
  ui_->setupUi(this);
  buttons_ = {ui_->com1, ui_->com2, ui_->com3, ui_->com4};
  for (int n = 1; n <= kPortCount; ++n)
    buttons_[n - 1]->setEnabled(probe("com" + std::to_string(n)));

  // The remembered number, 1 when there is none; outside 1..4 checks none.
  const std::uint32_t remembered = registry_.ReadValue(key_, kComValue).value_or(1);
  selected_ = remembered >= 1 && remembered <= kPortCount ? static_cast<int>(remembered) - 1 : -1;
  if (selected_ >= 0) buttons_[selected_]->setChecked(true);

  connect(ui_->okButton, &QPushButton::clicked, this, &CComSetupDlg::accept);
  connect(ui_->cancelButton, &QPushButton::clicked, this, &CComSetupDlg::reject);
}

CComSetupDlg::~CComSetupDlg() = default;

QRadioButton* CComSetupDlg::PortButton(int index) const { return buttons_.at(index); }

int CComSetupDlg::CheckedIndex() const {
  for (int i = 0; i < kPortCount; ++i)
    if (buttons_[i]->isChecked()) return i;
  return -1;
}

QString CComSetupDlg::PortName() const {
  return QStringLiteral("com") + QString::number(selected_ + 1);
}

void CComSetupDlg::accept() {
  selected_ = CheckedIndex();
  // A failed write keeps the remembered number; the port applies all the same.
  registry_.WriteValue(key_, kComValue, static_cast<std::uint32_t>(selected_ + 1));
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
