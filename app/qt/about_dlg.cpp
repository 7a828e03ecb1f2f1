#include "app/qt/about_dlg.h"

#include <QDir>
#include <QIcon>

#include "settings/process_settings.h"
#include "platform/qt/profile_text.h"
#include "ui_about_dlg.h"

namespace selkan {

QIcon LoadTitleIcon(const QString& programDirectory) {
  const QString path = QDir(programDirectory).filePath(QStringLiteral("title.ico"));
  QIcon icon(path);
  if (icon.availableSizes().isEmpty()) return {};
  return icon;
}

CAboutDlg::CAboutDlg(const ProcessSettings& settings, QWidget* parent)
    : QDialog(parent), ui_(std::make_unique<Ui::CAboutDlg>()) {
  ui_->setupUi(this);
  setWindowFlag(Qt::WindowContextHelpButtonHint, false);
  setWindowTitle(ProfileText(settings.ProductText("About Title")));
  ui_->version1001->setText(ProfileText(settings.ProductText("Version")));
  ui_->copyrights1002->setText(ProfileText(settings.ProductText("Copyrights")));
  ui_->owner1003->setText(ProfileText(settings.ProductText("Copyrights Owner")));
  QIcon icon = LoadTitleIcon(QString::fromStdString(settings.ProgramDirectory()));
  if (icon.isNull()) icon = QIcon(QStringLiteral(":/selkan/icon128.png"));
  ui_->icon1004->setPixmap(icon.pixmap(32, 32));
  adjustSize();
  setFixedSize(sizeHint());
}

CAboutDlg::~CAboutDlg() = default;

}  // namespace selkan
