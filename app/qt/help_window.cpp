#include "app/qt/help_window.h"

#include <QDir>
#include <QFileInfo>
#include <QShortcut>
#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>

namespace selkan {

QString HelpTopicFile(const QString& programDirectory, const QString& helpName, int contextId) {
  if (contextId < 0) return {};
  const QString path = QDir(programDirectory)
                           .filePath(helpName + QLatin1Char('/') + QString::number(contextId) +
                                     QStringLiteral(".html"));
  return QFileInfo(path).isFile() ? path : QString();
}

CHelpWindow::CHelpWindow(QString programDirectory, QString helpName, QWidget* parent)
    : QWidget(parent, Qt::Window),
      programDirectory_(std::move(programDirectory)),
      helpName_(std::move(helpName)) {
  browser_ = new QTextBrowser(this);  // follows links between the pages, opens none outside
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(browser_);
  resize(560, 480);
  // Help opened from a dialog is modal: Esc gives the dialog back.
  auto* close = new QShortcut(QKeySequence(Qt::Key_Escape), this);
  connect(close, &QShortcut::activated, this, &QWidget::close);
  connect(browser_, &QTextBrowser::sourceChanged, this,
          [this] { setWindowTitle(browser_->documentTitle()); });
}

void CHelpWindow::ShowTopic(int contextId) {
  const QString file = HelpTopicFile(programDirectory_, helpName_, contextId);
  if (file.isEmpty()) return;
  browser_->setSource(QUrl::fromLocalFile(file));
  setWindowTitle(browser_->documentTitle());
  show();
  raise();
  activateWindow();
}

}  // namespace selkan
