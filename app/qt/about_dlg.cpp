#include "app/qt/about_dlg.h"

#include <QDir>
#include <QIcon>

#include "platform/qt/profile_text.h"
#include "settings/process_settings.h"
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
  const auto text = [&settings](const char* key) {
    return ProfileText(settings.ProductText(key), settings.ProfileEncoding());
  };
  setWindowTitle(text("About Title"));
  ui_->version1001->setText(text("Version"));
  ui_->copyrights1002->setText(text("Copyrights"));
  ui_->owner1003->setText(text("Copyrights Owner"));
  QIcon icon = LoadTitleIcon(QString::fromStdString(settings.ProgramDirectory()));
  if (icon.isNull()) icon = QIcon(QStringLiteral(":/selkan/icon128.png"));
  ui_->icon1004->setPixmap(icon.pixmap(32, 32));
  setFixedSize(sizeHint());
}

CAboutDlg::~CAboutDlg() = default;

}  // namespace selkan
