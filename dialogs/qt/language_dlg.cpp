#include "dialogs/qt/language_dlg.h"

#include <QKeyEvent>

#include "platform/qt/help_request.h"
#include "ui_language_dlg.h"

namespace selkan {

namespace {

constexpr int kLanguageHelp = 32799;

int IndexOf(Language language) { return language == Language::Chinese ? 1 : 0; }

}  // namespace

CLanguageDlg::CLanguageDlg(Language running, QWidget* parent)
    : QDialog(parent), ui_(std::make_unique<Ui::CLanguageDlg>()), running_(running) {
  ui_->setupUi(this);
  selected_ = IndexOf(running_);
  (selected_ == 1 ? ui_->chinese : ui_->english)->setChecked(true);
  connect(ui_->okButton, &QPushButton::clicked, this, &CLanguageDlg::accept);
  connect(ui_->cancelButton, &QPushButton::clicked, this, &CLanguageDlg::reject);
}

CLanguageDlg::~CLanguageDlg() = default;

QRadioButton* CLanguageDlg::EnglishButton() const { return ui_->english; }
QRadioButton* CLanguageDlg::ChineseButton() const { return ui_->chinese; }

std::string CLanguageDlg::ChosenLanguageName() const {
  return LanguageName(selected_ == 1 ? Language::Chinese : Language::English);
}

void CLanguageDlg::accept() {
  selected_ = ui_->chinese->isChecked() ? 1 : 0;
  if (selected_ != IndexOf(running_)) changed_ = true;
  QDialog::accept();
}

void CLanguageDlg::keyPressEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_F1) {
    RequestHelp(kLanguageHelp);
    return;
  }
  QDialog::keyPressEvent(event);
}

}  // namespace selkan
