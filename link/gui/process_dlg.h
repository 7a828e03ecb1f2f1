#pragma once

#include <QDialog>
#include <QString>
#include <functional>
#include <memory>

class QCheckBox;
class QLabel;
class QProgressBar;
class QPushButton;

namespace Ui {
class CProcessDlg;
}

namespace selkan {

// The progress window of one transfer: modeless, made afresh for every Read
// or Write. OK disables itself and posts the start call to the owner; Cancel
// before the start closes (and deletes) the window, Cancel during the
// transfer only raises the flag that the transfer polls between blocks.
class CProcessDlg : public QDialog {
  Q_OBJECT
 public:
  // start runs queued on owner once OK is pressed.
  CProcessDlg(const QString& title, std::function<void()> start, QWidget* owner);
  ~CProcessDlg() override;

  bool CancelRequested() const { return cancelled_; }
  bool Started() const;
  // One pair of blocks more: steps the bar while it is below limit and shows
  // the position in the counter.
  void StepTo(int position);

  // A write offers to back up the radio first and to verify it afterwards:
  // the two check boxes, set as given, until OK fixes the choice.
  void ShowWriteChoices(bool backup, bool verify);
  // What the boxes hold; asked for a write only, whose window shows them.
  bool BackupChosen() const;
  bool VerifyChosen() const;
  // A step of the transfer begins: its text above the bar, which starts
  // again from 0.
  void BeginStep(const QString& text);
  // Lets the window run one more transfer after the user cancelled one.
  void ClearCancel() { cancelled_ = false; }

  QPushButton* OkButton() const;
  QPushButton* CancelButton() const;
  QProgressBar* ProgressBar() const;
  QLabel* Counter() const;
  QLabel* StepLabel() const;
  QCheckBox* BackupCheck() const;
  QCheckBox* VerifyCheck() const;

 public slots:
  void accept() override;
  void reject() override;

 protected:
  void closeEvent(QCloseEvent* event) override;

 private:
  std::unique_ptr<Ui::CProcessDlg> ui_;
  std::function<void()> start_;
  bool cancelled_ = false;
};

}  // namespace selkan
