#pragma once

#include <QDialog>
#include <memory>
#include <string>

#include "platform/language.h"

class QRadioButton;

namespace Ui {
class CLanguageDlg;
}

namespace selkan {

// Language: English or Chinese for the next start. The running language is
// preselected. OK notes whether another language was chosen; the caller
// stores it and restarts the program, Cancel changes nothing.
class CLanguageDlg : public QDialog {
  Q_OBJECT
 public:
  explicit CLanguageDlg(Language running, QWidget* parent = nullptr);
  ~CLanguageDlg() override;

  // Set by OK when the choice differs from the running language.
  bool LanguageChanged() const { return changed_; }
  // "English" or "Chinese", as the settings file stores it.
  std::string ChosenLanguageName() const;

  QRadioButton* EnglishButton() const;
  QRadioButton* ChineseButton() const;

 public slots:
  void accept() override;

 protected:
  void keyPressEvent(QKeyEvent* event) override;

 private:
  std::unique_ptr<Ui::CLanguageDlg> ui_;
  Language running_;
  int selected_ = -1;
  bool changed_ = false;
};

}  // namespace selkan
