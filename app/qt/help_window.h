#pragma once

#include <QString>
#include <QWidget>

class QTextBrowser;

namespace selkan {

// The help page of a context number: <program dir>/<helpName>/<id>.html
// ("enHelp" or "chHelp"); empty when that page does not exist.
QString HelpTopicFile(const QString& programDirectory, const QString& helpName, int contextId);

// The in-app help window: one topic page per context number, with links
// between the pages.
class CHelpWindow : public QWidget {
  Q_OBJECT
 public:
  CHelpWindow(QString programDirectory, QString helpName, QWidget* parent = nullptr);

  // Shows the topic; nothing when the help files hold no page for it.
  void ShowTopic(int contextId);

 private:
  QString programDirectory_;
  QString helpName_;
  QTextBrowser* browser_ = nullptr;
};

}  // namespace selkan
