#include "app/qt/compare_dlg.h"

#include "ui_compare_dlg.h"

namespace selkan {

CCompareDlg::CCompareDlg(const QString& heading, const QStringList& lines, QWidget* parent)
    : QDialog(parent), ui_(std::make_unique<Ui::CCompareDlg>()) {
  ui_->setupUi(this);
  ui_->heading->setText(heading);
  ui_->differences->setPlainText(lines.join(QLatin1Char('\n')));
}

CCompareDlg::~CCompareDlg() = default;

QString CCompareDlg::Differences() const { return ui_->differences->toPlainText(); }

}  // namespace selkan
