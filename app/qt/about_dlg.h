#pragma once

#include <QDialog>
#include <memory>

namespace Ui {
class CAboutDlg;
}

namespace selkan {

class ProcessSettings;

// The About box: caption "About Title", the lines "Version", "Copyrights" and
// "Copyrights Owner" of the language's section, and title.ico (else the
// program's own icon).
class CAboutDlg : public QDialog {
  Q_OBJECT
 public:
  CAboutDlg(const ProcessSettings& settings, QWidget* parent = nullptr);
  ~CAboutDlg() override;

  Ui::CAboutDlg& Form() { return *ui_; }

 private:
  std::unique_ptr<Ui::CAboutDlg> ui_;
};

// title.ico of the program directory; null when missing or unreadable.
QIcon LoadTitleIcon(const QString& programDirectory);

}  // namespace selkan
