#pragma once

#include <QDialog>
#include <QString>
#include <QStringList>
#include <memory>

namespace Ui {
class CCompareDlg;
}

namespace selkan {

// What differs between the active document and a file: a heading and one
// line per difference, to read and copy.
class CCompareDlg : public QDialog {
  Q_OBJECT
 public:
  CCompareDlg(const QString& heading, const QStringList& lines, QWidget* parent = nullptr);
  ~CCompareDlg() override;

  QString Differences() const;

 private:
  std::unique_ptr<Ui::CCompareDlg> ui_;
};

}  // namespace selkan
